#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QVector>
#include <array>

// Pixel geometry of the seven-segment digit, free of any widget so it can be checked on its own.
// All divisions are integer divisions truncating toward zero; a pixel (x, y) is covered when the
// point (x, y) lies inside or on a polygon, and a rectangle covers [left, right) x [top, bottom).
namespace CyfraGeometry {

enum class Segment { UpperLeft, LowerLeft, UpperRight, LowerRight, Top, Middle, Bottom };

// The order in which the lit segments are painted.
inline constexpr std::array<Segment, 7> DrawingOrder = {
    Segment::UpperLeft,
    Segment::LowerLeft,
    Segment::UpperRight,
    Segment::LowerRight,
    Segment::Top,
    Segment::Middle,
    Segment::Bottom,
};

struct Layout
{
    int width = 0;
    int height = 0;
    int thickness = 0;
    int y0 = 0; // top of the left segments
    int length = 0; // segment length L
    int x0 = 0; // centre line of the left segments
};

Layout layout(int width, int height, int thickness);

bool isVertical(Segment segment);
// Digits outside 0..9 light nothing.
bool isLit(int digit, Segment segment);
QPoint anchor(const Layout &layout, Segment segment);

// Seven points, the last equal to the first.
QPolygon verticalSegment(QPoint anchor, int length, int thickness);
QPolygon horizontalSegment(QPoint anchor, int length, int thickness);
QPolygon segmentPolygon(const Layout &layout, Segment segment);

// The polygons of the segments a digit lights, in drawing order.
QVector<QPolygon> litSegments(const Layout &layout, int digit);

// Top of the upper colon square.
int colonOffset(const Layout &layout);
// The two colon squares at the right edge, upper first.
std::array<QRect, 2> colonRects(const Layout &layout);

} // namespace CyfraGeometry
