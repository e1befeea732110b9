#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Colours as the settings file stores them: 0x00BBGGRR, or a negative value naming a system
// colour (0x80000000 | index), e.g. the window colour 0x80000005 = -2147483643.
QColor colorFromTColor(int value);
int tColorFromColor(const QColor &color);

// A label's font as stored in a "Czcionka<N>" section: face, size, style bits, character set and
// colour. The colour keeps the stored number so a system colour is written back unchanged.
struct StoredFont
{
    QFont font;
    int color = 0; // TColor number
    int charSet = 1;

    static StoredFont of(const QWidget *widget);
    void applyTo(QWidget *widget) const;
};

// Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
int styleBits(const QFont &font);
void setStyleBits(QFont &font, int bits);
