#include "controls/CyfraGeometry.h"

namespace CyfraGeometry {

namespace {

// Bit n set: the segment lights digit n.
int litMask(Segment segment)
{
    auto digits = [](std::initializer_list<int> list) {
        int mask = 0;
        for (int d : list)
            mask |= 1 << d;
        return mask;
    };
    switch (segment) {
    case Segment::UpperLeft:
        return digits({0, 4, 5, 6, 8, 9});
    case Segment::LowerLeft:
        return digits({0, 2, 6, 8});
    case Segment::UpperRight:
        return digits({0, 1, 2, 3, 4, 7, 8, 9});
    case Segment::LowerRight:
        return digits({0, 1, 3, 4, 5, 6, 7, 8, 9});
    case Segment::Top:
        return digits({0, 2, 3, 5, 6, 7, 8, 9});
    case Segment::Middle:
        return digits({2, 3, 4, 5, 6, 8, 9});
    case Segment::Bottom:
        return digits({0, 2, 3, 5, 6, 8, 9});
    }
    return 0;
}

} // namespace

Layout layout(int width, int height, int thickness)
{
    Layout l;
    l.width = width;
    l.height = height;
    l.thickness = thickness;
    l.y0 = thickness + 5;
    l.length = (height - (2 * l.y0 + 3)) / 2;
    l.x0 = (width - l.length - thickness) / 2;
    return l;
}

bool isVertical(Segment segment)
{
    return segment == Segment::UpperLeft || segment == Segment::LowerLeft
        || segment == Segment::UpperRight || segment == Segment::LowerRight;
}

bool isLit(int digit, Segment segment)
{
    if (digit < 0 || digit > 9)
        return false;
    return (litMask(segment) >> digit) & 1;
}

QPoint anchor(const Layout &l, Segment segment)
{
    const int left = l.x0;
    const int right = l.x0 + 2 + l.length;
    const int upper = l.y0;
    const int lower = l.y0 + 2 + l.length;
    switch (segment) {
    case Segment::UpperLeft:
        return {left, upper};
    case Segment::LowerLeft:
        return {left, lower};
    case Segment::UpperRight:
        return {right, upper};
    case Segment::LowerRight:
        return {right, lower};
    case Segment::Top:
        return {l.x0 + 1, l.y0 - 1};
    case Segment::Middle:
        return {l.x0 + 1, l.y0 + 1 + l.length};
    case Segment::Bottom:
        return {l.x0 + 1, l.y0 + 3 + 2 * l.length};
    }
    return {};
}

QPolygon verticalSegment(QPoint a, int length, int thickness)
{
    const int x = a.x();
    const int y = a.y();
    const int h = thickness / 2;
    const int L = length;
    return QPolygon({{x, y}, {x + h, y + h}, {x + h, y + L - h}, {x, y + L}, {x - h, y + L - h},
        {x - h, y + h}, {x, y}});
}

QPolygon horizontalSegment(QPoint a, int length, int thickness)
{
    const int x = a.x();
    const int y = a.y();
    const int h = thickness / 2;
    const int L = length;
    return QPolygon({{x, y}, {x + h, y - h}, {x + L - h, y - h}, {x + L, y}, {x + L - h, y + h},
        {x + h, y + h}, {x, y}});
}

QPolygon segmentPolygon(const Layout &l, Segment segment)
{
    const QPoint a = anchor(l, segment);
    return isVertical(segment) ? verticalSegment(a, l.length, l.thickness)
                               : horizontalSegment(a, l.length, l.thickness);
}

QVector<QPolygon> litSegments(const Layout &l, int digit)
{
    QVector<QPolygon> result;
    for (Segment segment : DrawingOrder) {
        if (isLit(digit, segment))
            result.append(segmentPolygon(l, segment));
    }
    return result;
}

int colonOffset(const Layout &l)
{
    return l.height / 2 - (l.thickness + l.length) / 2 - 2;
}

std::array<QRect, 2> colonRects(const Layout &l)
{
    const int s = colonOffset(l);
    const int t = l.thickness;
    const int left = l.width - t;
    return {QRect(QPoint(left, s), QPoint(l.width - 1, s + t - 1)),
        QRect(QPoint(left, l.height - s - t), QPoint(l.width - 1, l.height - s - 1))};
}

} // namespace CyfraGeometry
