#pragma once

#include <QImage>

// Shifts of the red, green and blue channels. Each channel gets its amount d (-510..510):
// "Zwykły" moves the value proportionally toward 255 (d > 0) or toward 0 (d < 0); "Wyostrzający"
// weights the move by sin(c * 0.705 degrees), so mid-tones move most and the extremes hardly at
// all. Results are clamped to 0..255 (brightening never wraps a channel round to dark).

struct ColourChangeParams
{
    int brightness = 0; // Potencjometr1, -255..255
    int red = 0; // Potencjometr2
    int green = 0; // Potencjometr3
    int blue = 0; // Potencjometr4
    int wayItem = 0; // "Sposób": 0 "Zwykły" (colourShift), 1 "Wyostrzający" (sineShift)
};

// The tab's effect: amounts brightness + colour, shifted the chosen way.
QImage colourChange(const QImage &source, const ColourChangeParams &params);

// "Zwykły": c + round((255 - c) * d / 255) for d > 0, c + round(c * d / 255) for d < 0.
QImage colourShift(const QImage &source, int dRed, int dGreen, int dBlue);

// "Wyostrzający": round(s * ((255 - c) / 255 * d) + c) for d > 0, round(s * (c / 255 * d) + c)
// otherwise, s = sin(c * 0.705 degrees).
QImage sineShift(const QImage &source, int dRed, int dGreen, int dBlue);
