#include "effects/PixelEffect.h"

#include "effects/AppRandom.h"
#include "effects/Bitmap24.h"

#include <vector>

namespace {

enum Mode { Wind, Paint, Pixelate, Explode, Overlay };

template<int M>
void displace(const QImage &o, QImage &d, uint32_t size, uint32_t &state)
{
    const int w = o.width(), h = o.height(), s = int(size), half = s / 2;
    std::vector<const uchar *> rows(h);
    for (int y = 0; y < h; ++y)
        rows[y] = o.constScanLine(y);
    uint32_t st = state;
    const auto random = [&]() {
        st = AppRandom::step(st);
        return int(AppRandom::scale(st, size));
    };
    int ox = 0, oy = 0;
    for (int y = 0, ym = 0; y < h; ++y, ym = (ym + 1 == s ? 0 : ym + 1)) {
        uchar *out = d.scanLine(y);
        const uchar *here = rows[y];
        for (int x = 0, xm = 0; x < w; ++x, xm = (xm + 1 == s ? 0 : xm + 1)) {
            if constexpr (M == Wind) {
                if (xm == 0)
                    ox = random();
                if (ym == 0)
                    oy = random();
            } else if constexpr (M == Paint) {
                if (xm == 0 || ym == 0)
                    ox = random();
                oy = random();
            } else if constexpr (M == Pixelate) {
                ox = xm;
                oy = ym;
            } else {
                ox = random() - half;
                oy = random() - half;
            }
            if (x - ox < 1 || x - ox > w - 1)
                ox = x;
            if (y - oy < 1 || y - oy > h - 1)
                oy = y;
            const uchar *from = rows[y - oy] + 3 * (x - ox);
            uchar *to = out + 3 * x;
            if constexpr (M == Overlay) {
                const uchar *same = here + 3 * x;
                to[0] = uchar((from[0] + same[0]) >> 1);
                to[1] = uchar((from[1] + same[1]) >> 1);
                to[2] = uchar((from[2] + same[2]) >> 1);
            } else {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
    }
    state = st;
}

} // namespace

QImage pixelEffect(const QImage &source, const PixelEffectParams &params)
{
    const QImage o = asBitmap24(source);
    const int mode = params.modeItem;
    const uint32_t size = params.size < 1 ? 1u : uint32_t(params.size);
    if (o.isNull() || mode < Wind || mode > Overlay)
        return toBitmap24(o);
    uint32_t state = AppRandom::state();
    if (size == 1) {
        // Every draw is Random(1) = 0 and nothing moves; every mode but "Pixele" draws two
        // numbers per pixel (ox and oy, or ox on each column and oy on each row).
        if (mode != Pixelate)
            AppRandom::setState(AppRandom::advance(state, 2ull * o.width() * o.height()));
        return toBitmap24(o);
    }
    QImage d(o.size(), kBitmap24);
    switch (mode) {
    case Wind:
        displace<Wind>(o, d, size, state);
        break;
    case Paint:
        displace<Paint>(o, d, size, state);
        break;
    case Pixelate:
        displace<Pixelate>(o, d, size, state);
        break;
    case Explode:
        displace<Explode>(o, d, size, state);
        break;
    case Overlay:
        displace<Overlay>(o, d, size, state);
        break;
    }
    AppRandom::setState(state);
    return d;
}
