#include "effects/Sepia.h"

#include "effects/Bitmap24.h"

#include <array>
#include <cmath>

namespace {

// The new pixel, bytes blue, green, red, for every sum R + G + B (0..765).
using SumTable = std::array<std::array<uint8_t, 4>, 766>;

template<typename PixelForAverage>
SumTable sumTable(PixelForAverage pixel)
{
    SumTable t;
    std::array<std::array<uint8_t, 4>, 256> byAverage;
    for (int avg = 0; avg < 256; ++avg) {
        const auto [r, g, b] = pixel(avg);
        byAverage[avg] = {uint8_t(b), uint8_t(g), uint8_t(r), 0};
    }
    for (int sum = 0; sum < 766; ++sum)
        t[sum] = byAverage[sum / 3];
    return t;
}

QImage mapSums(const QImage &source, const SumTable &table)
{
    const QImage in = asBitmap24(source);
    QImage out(in.size(), kBitmap24);
    const int w = in.width(), h = in.height();
    for (int y = 0; y < h; ++y) {
        const uchar *s = in.constScanLine(y);
        uchar *d = out.scanLine(y);
        for (int x = 0; x < w; ++x, s += 3, d += 3) {
            const uint8_t *p = table[s[0] + s[1] + s[2]].data();
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
        }
    }
    return out;
}

struct Rgb
{
    int r, g, b;
};

int roundClamped(double v)
{
    const double n = std::nearbyint(v);
    return n < 0 ? 0 : (n > 255 ? 255 : int(n));
}

} // namespace

QImage greys(const QImage &source)
{
    return mapSums(source, sumTable([](int avg) { return Rgb {avg, avg, avg}; }));
}

QImage sepia(const QImage &source)
{
    constexpr double k = 0.23529411764705882;
    return mapSums(source, sumTable([&](int avg) {
        return Rgb {
            avg + int(std::nearbyint((255 - avg) * k)), avg, avg - int(std::nearbyint(avg * k))};
    }));
}

QImage adjustableSepia(const QImage &source, int p, int q)
{
    return mapSums(source, sumTable([&](int avg) {
        const double s = std::sin(avg * 0.705 * (M_PI / 180.0));
        return Rgb {roundClamped(avg + s * p), avg, roundClamped(avg - s * q)};
    }));
}

QImage sepiaEffect(const QImage &source, const SepiaParams &params)
{
    switch (params.kind) {
    case SepiaKind::Greys:
        return greys(source);
    case SepiaKind::Sepia:
        return sepia(source);
    case SepiaKind::Adjustable:
        return adjustableSepia(source, params.red, params.blue);
    case SepiaKind::None:
        break;
    }
    return toBitmap24(source);
}
