#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// The relief effect: each inner pixel becomes the difference between a neighbour in the chosen
// direction (interpolated between two of its eight neighbours) and itself, scaled by the level
// and added to the pixel's own colour or to a fixed relief colour.

struct EmbossParams
{
    int level = 100; // the level field's value (embossLevelFromText); 100 keeps differences
    int angle = 1; // direction spin, degrees 1..360
    // "Kolor płaskorzeźby": 0 own colour of each pixel, 1..3 the colour below. The first rendering
    // on entering the tab passes 1 with grey whatever is selected.
    int colourItem = 1;
    uint32_t colour = 0x808080; // relief colour 0xBBGGRR, used unless colourItem is 0
    int edgeItem = 0; // "Rodzaj krawędzi": 0 "RGB", 1 "Jednolity" (one difference for all channels)
};

// Emboss(colour, level, angle): works on a 24-bit copy in place, top to bottom and left to right,
// so neighbours above and to the left are read already processed. The outermost rows and columns
// keep their colour; a picture 2 pixels wide or high or smaller comes back unchanged.
QImage emboss(const QImage &source, const EmbossParams &params);

// The two neighbours for a direction, as (row, column) offsets with row -1 above, and the share
// of `a` as fraction/45 (the fractional part of angle / 45). Angles outside 1..360 give zero
// offsets.
struct EmbossDirection
{
    int aRow = 0, aCol = 0;
    int bRow = 0, bCol = 0;
    int fraction = 0; // in 45ths
};
EmbossDirection embossDirection(int angle);

// Level field text for a level slider position: 1..100 as is, above that in steps of 4 up to 500.
int embossLevelForPosition(int position);

// The level field's text as an integer, as the toolkit converts it; any other text throws
// AppError "'<text>' is not a valid integer value".
int embossLevelFromText(const QString &text);

// The relief colour after the colour group selects `item`: grey, black, the colour box's colour;
// item 0 ("kolor oryginalny") keeps the current one.
uint32_t reliefColourForItem(int item, uint32_t current, uint32_t boxColour);

// The direction knob, a 40 x 40 picture. A mouse position gives the spin's new value (1..360),
// nothing on the centre row (y == 20).
std::optional<int> knobAngleFromMouse(int x, int y);

// The red dot for a direction: an ellipse given as left, top, right, bottom (right and bottom
// exclusive), 8 pixels across, 12 pixels from the centre.
struct KnobEllipse
{
    int left, top, right, bottom;
};
KnobEllipse knobDotEllipse(int angle);
inline constexpr KnobEllipse kKnobHub {15, 15, 25, 25};

// The knob drawn for a direction: face colour, the hub circle in the face colour, the dot in
// red 190 with a black outline.
QImage embossKnobPicture(int angle, const QColor &face);
