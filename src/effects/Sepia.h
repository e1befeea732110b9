#pragma once

#include <QImage>

// Greys and sepia tones, all built on avg = (R + G + B) / 3 rounded down.

// Which of the three toggle buttons is down; with none down "Ok" changes nothing.
enum class SepiaKind { None, Greys, Sepia, Adjustable };

struct SepiaParams
{
    SepiaKind kind = SepiaKind::None;
    int red = 38; // Potencjometr6, 0..255: strength p of the adjustable sepia
    int blue = 51; // Potencjometr7, 0..255: strength q
};

// The tab's effect; SepiaKind::None gives an unchanged 24-bit copy.
QImage sepiaEffect(const QImage &source, const SepiaParams &params);

// R' = G' = B' = avg.
QImage greys(const QImage &source);

// R' = avg + round((255 - avg) * k), G' = avg, B' = avg - round(avg * k), k = 60/255.
QImage sepia(const QImage &source);

// s = sin(avg * 0.705 degrees); R' = round(avg + s * p), G' = avg, B' = round(avg - s * q),
// each clamped to 0..255.
QImage adjustableSepia(const QImage &source, int p, int q);
