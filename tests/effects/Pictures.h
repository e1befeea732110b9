#pragma once

#include <QColor>
#include <QImage>
#include <QtTest>
#include <functional>

// Small pictures for the effect tests, read byte by byte so the blue, green, red layout is
// checked along with the values.

inline QImage flatPicture(int w, int h, const QColor &colour)
{
    QImage p(w, h, QImage::Format_BGR888);
    p.fill(colour);
    return p;
}

inline QImage picture(int w, int h, const std::function<QColor(int x, int y)> &colourAt)
{
    QImage p(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uchar *b = p.scanLine(y) + 3 * x;
            const QColor c = colourAt(x, y);
            b[0] = uchar(c.blue());
            b[1] = uchar(c.green());
            b[2] = uchar(c.red());
        }
    return p;
}

// Every pixel different: red and green from the position, blue mixed from both.
inline QImage variedPicture(int w, int h)
{
    return picture(w, h, [](int x, int y) {
        return QColor((x * 37 + y * 11) % 256, (x * 5 + y * 91) % 256, (x * y * 13 + 7) % 256);
    });
}

inline QColor at(const QImage &p, int x, int y)
{
    const uchar *b = p.constScanLine(y) + 3 * x;
    return QColor(b[2], b[1], b[0]);
}

inline bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (at(a, x, y) != at(b, x, y))
                return false;
    return true;
}

// The first pixel of a 24-bit result that differs from a function of its position, described;
// empty when all agree.
inline QString pixelMismatch(const QImage &image, const std::function<QColor(int, int)> &expected)
{
    if (image.format() != QImage::Format_BGR888)
        return QStringLiteral("format %1, not 24-bit").arg(int(image.format()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor want = expected(x, y);
            if (at(image, x, y) != want)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(at(image, x, y).name(), want.name());
        }
    return {};
}

#define COMPARE_EACH_PIXEL(image, ...)                                                             \
    do {                                                                                           \
        const QString mismatch_ = pixelMismatch((image), __VA_ARGS__);                             \
        QVERIFY2(mismatch_.isEmpty(), qPrintable(mismatch_));                                      \
    } while (false)
