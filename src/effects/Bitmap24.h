#pragma once

#include <QImage>

// The working bitmap of every effect: 24 bits per pixel, bytes blue, green, red, rows addressed
// through scanLine with row 0 at the top. A colour given as one number is 0xBBGGRR.
inline constexpr QImage::Format kBitmap24 = QImage::Format_BGR888;

// A copy of any picture in that layout that owns its pixels (never shared with the source).
inline QImage toBitmap24(const QImage &source)
{
    QImage b = source.convertToFormat(kBitmap24);
    b.detach();
    return b;
}

// The source itself when it is already 24-bit, otherwise a converted copy; for reading only.
inline QImage asBitmap24(const QImage &source)
{
    return source.format() == kBitmap24 ? source : source.convertToFormat(kBitmap24);
}

inline int clampByte(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}
