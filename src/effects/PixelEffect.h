#pragma once

#include <QImage>

// The picture rebuilt from displaced copies of its own pixels. Every pixel takes the pixel of an
// unchanged copy at a displacement (ox, oy); the displacement carries over from pixel to pixel
// and row to row and changes only as the mode says. Four modes draw it from the application's
// generator (AppRandom), in a fixed order, so a rendering depends on the generator's state and
// moves it on.

struct PixelEffectParams
{
    int size = 1; // Potencjometr11, pixel size S 1..100 (smaller values count as 1)
    int modeItem = 0; // "Sposób": 0 "Wiatr", 1 "Farba", 2 "Pixele", 3 "Eksplozja", 4 "Nakładanie"
};

// PixelEffect(S, mode): size 1 gives the picture unchanged in every mode (still drawing the
// numbers it would draw).
QImage pixelEffect(const QImage &source, const PixelEffectParams &params);
