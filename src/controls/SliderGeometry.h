#pragma once

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QVector>

#include <cstdint>

// Pixel arithmetic of the picture slider, free of any widget so it can be checked on its own.
// All sizes are integer pixels; "centred" tops use integer halving.
namespace SliderGeometry {

// What the layout needs from the slider's settings.
struct Input
{
    QSize client; // the control's client size W x H
    QSize buttonDown; // left button width x height
    QSize buttonUp; // right button width x height
    int trackHeight = 0;
    int trackShiftUp = 0;
    int trackShiftDown = 0;
    QSize thumb; // width x height
    int thumbShiftVertical = 0;
    int thumbShiftUp = 0;
    int thumbShiftDown = 0;
};

struct Layout
{
    QRect background;
    QRect buttonDown;
    QRect buttonUp;
    QRect track;
    int thumbTop = 0;
    QSize thumb;
    int travel = 0; // T
    int lowest = 0; // L0, the thumb's leftmost left
    int highest = 0; // the thumb's rightmost left

    QRect thumbAt(int left) const { return {QPoint(left, thumbTop), thumb}; }
};

Layout layout(const Input &input);

// round(num / den) with halves going to the even neighbour, exactly; den must not be 0.
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den);

// Above max becomes max, then below min becomes min.
int clampPosition(int value, int min, int max);

// The thumb's left for a position; the lowest left when the range is empty.
int thumbLeft(int position, int min, int max, int travel, int lowest);

// The position a thumb left represents, rounded to four decimals and then to an integer, each time
// half to even. travel must not be 0.
int positionFromThumb(int left, int min, int max, int travel, int lowest);

// Keeps a thumb left between the lowest and the highest (the lowest wins when they cross).
int clampThumb(int left, const Layout &layout);

// The position label: right-aligned to the control, one pixel below the right button.
QRect labelRect(const Layout &layout, int labelWidth, int labelHeight);

// Where an icon button is drawn: pressed ones one pixel right and one down.
QRect iconButtonRect(const QRect &laidOut, bool pressed);

// A one-pixel frame around rect. The top-left colour owns the top row but its last pixel and the
// left column but its last pixel; the bottom-right colour owns the whole right column and the whole
// bottom row.
struct Frame
{
    QRect rect;
    QColor topLeft;
    QColor bottomRight;
};

// The filled rectangles that draw one frame, top-left lines first.
QVector<QRect> topLeftLines(const QRect &rect);
QVector<QRect> bottomRightLines(const QRect &rect);

inline const QColor FrameGrey = QColor(0x6E, 0x6E, 0x6E);

// The inner frame colours of a sunken part: each channel halved towards 111 and towards 255.
QColor sunkenDark(const QColor &colour);
QColor sunkenLight(const QColor &colour);

// Frame k (1 .. width3D - 1) inside the outer frame of a raised part.
QColor raisedTopLeft(const QColor &colour, int width3D, int k);
QColor raisedBottomRight(const QColor &colour, int width3D, int k);

// Frames of a part of the given size, drawn at the origin over a fill of the colour; empty when
// ctl3D is off. A raised part with width3D below 1 has no frames.
QVector<Frame> sunkenFrames(const QSize &size, const QColor &colour, bool ctl3D);
QVector<Frame> raisedFrames(const QSize &size, const QColor &colour, int width3D, bool ctl3D);

// The arrow drawn on a picture-less step button, centred in rect.
QPolygon arrowPolygon(const QRect &rect, bool pointsRight);

} // namespace SliderGeometry
