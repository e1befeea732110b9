// The image effects on a deterministic picture of a given size: one line "name milliseconds" per
// effect (the mean of several runs after a warm-up).
// Usage: bench_effects <width> <height> [--ppm <file>] [--check]
//   --ppm    only writes the test picture as a binary PPM, for the reference tools
//   --check  prints a checksum of every result after its time, to see that an optimisation
//            leaves every output pixel as it was
#include "effects/AppRandom.h"
#include "effects/ColourChange.h"
#include "effects/Emboss.h"
#include "effects/PixelEffect.h"
#include "effects/Sepia.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// Smooth gradients with edges and a little noise, like a photograph with some texture.
QImage testPicture(int w, int h)
{
    QImage p(w, h, QImage::Format_BGR888);
    uint32_t noise = 12345;
    for (int y = 0; y < h; ++y) {
        uchar *row = p.scanLine(y);
        for (int x = 0; x < w; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const double fx = double(x) / w, fy = double(y) / h;
            const bool block = ((x / 97) + (y / 61)) % 3 == 0;
            const int r = int(255 * fx * (1 - fy)) + (block ? 40 : 0) + n;
            const int g = int(127 + 120 * std::sin(fx * 9 + fy * 4)) + n;
            const int b = int(255 * fy) - (block ? 50 : 0) + n;
            row[3 * x + 0] = uchar(std::clamp(b, 0, 255));
            row[3 * x + 1] = uchar(std::clamp(g, 0, 255));
            row[3 * x + 2] = uchar(std::clamp(r, 0, 255));
        }
    }
    return p;
}

QByteArray checksum(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(
            reinterpret_cast<const char *>(image.constScanLine(y)), 3 * image.width()));
    return hash.result().toHex().left(16);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_effects <width> <height> [--ppm <file>] [--check]\n");
        return 2;
    }
    const int w = std::atoi(argv[1]), h = std::atoi(argv[2]);
    bool check = false;
    const char *ppm = nullptr;
    for (int i = 3; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--check"))
            check = true;
        else if (!std::strcmp(argv[i], "--ppm") && i + 1 < argc)
            ppm = argv[++i];
    }
    const QImage picture = testPicture(w, h);
    if (ppm) {
        if (picture.save(QString::fromLocal8Bit(ppm), "PPM"))
            return 0;
        std::fprintf(stderr, "cannot write %s\n", ppm);
        return 1;
    }

    struct Effect
    {
        const char *name;
        std::function<QImage(const QImage &)> run;
    };
    const std::vector<Effect> effects = {
        {"emboss",
            [](const QImage &p) {
                return emboss(p, EmbossParams {100, 1, 1, 0x808080, 0});
            }},
        // Reads the processed left neighbour: a chain along each row.
        {"emboss_left_own_uniform",
            [](const QImage &p) {
                return emboss(p, EmbossParams {300, 200, 0, 0, 1});
            }},
        {"colour_shift",
            [](const QImage &p) {
                return colourChange(p, ColourChangeParams {50, 20, 0, -30, 0});
            }},
        {"sine_shift",
            [](const QImage &p) {
                return colourChange(p, ColourChangeParams {50, 20, 0, -30, 1});
            }},
        {"pixel_wind",
            [](const QImage &p) {
                return pixelEffect(p, PixelEffectParams {5, 0});
            }},
        {"pixel_paint",
            [](const QImage &p) {
                return pixelEffect(p, PixelEffectParams {5, 1});
            }},
        {"pixel_pixelate",
            [](const QImage &p) {
                return pixelEffect(p, PixelEffectParams {5, 2});
            }},
        {"pixel_explode",
            [](const QImage &p) {
                return pixelEffect(p, PixelEffectParams {5, 3});
            }},
        {"pixel_overlay",
            [](const QImage &p) {
                return pixelEffect(p, PixelEffectParams {5, 4});
            }},
        {"greys", [](const QImage &p) { return greys(p); }},
        {"sepia", [](const QImage &p) { return sepia(p); }},
        {"adjustable_sepia", [](const QImage &p) { return adjustableSepia(p, 38, 51); }},
    };

    const qint64 pixels = qint64(w) * h;
    const int runs = pixels > 4'000'000 ? 5 : 30;
    for (const Effect &e : effects) {
        AppRandom::setState(0);
        const QImage first = e.run(picture); // warm-up, and the result checked
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < runs; ++i) {
            const QImage result = e.run(picture);
            if (result.isNull())
                return 1;
        }
        const double ms = timer.nsecsElapsed() / 1e6 / runs;
        if (check)
            std::printf("%s %.3f %s\n", e.name, ms, checksum(first).constData());
        else
            std::printf("%s %.3f\n", e.name, ms);
        std::fflush(stdout);
    }
    return 0;
}
