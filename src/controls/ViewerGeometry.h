#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <Qt>

// Sizes, scroll ranges and coordinate mapping of the picture viewer and its navigator, free of any
// widget. round() here is to the nearest integer with halves going to the even neighbour.
namespace ViewerGeometry {

inline constexpr int DefaultBarSize = 16;
// The navigator's thumbnail width; the window is a little wider.
inline constexpr int ThumbnailWidth = 195;
// Very tall pictures get a narrower thumbnail so the navigator stays on the screen.
inline constexpr int MaxThumbnailHeight = 2 * ThumbnailWidth;
// Half the arms of the cross in the navigator's cursor.
inline constexpr int CrossArm = 10;

int roundEven(double value);

// A bar thickness or arrow length as set; values below 1 mean the default 16.
int barSize(int setting);

// Magnifies by zoom when it is above 0, reduces by -zoom otherwise.
QSize scaledSize(QSize picture, double zoom);
// Scaled pixels per source pixel.
double scaleOf(double zoom);

// One scroll bar. When the picture is larger than the view the bar scrolls over it (range = the
// picture, window = the view); otherwise it places the smaller picture inside the view (range =
// the view, window = the picture). The position runs from 0 to range - window either way.
struct Axis
{
    int range = 0;
    int window = 0;
    bool pictureLarger = false;

    int maxPosition() const { return range - window; }
    double clamp(double position) const;
    // Where the scaled picture's first pixel lies in the view for a bar position.
    int pictureOffset(double position) const;
};

Axis axis(int view, int scaled);

struct Layout
{
    QRect view;
    QRect horizontalBar;
    QRect verticalBar;
    QRect corner;
    int cornerBorder = 0;
};

// The bars lie along the bottom and right edges with the corner square between them; the view
// starts at (1, 1) inside the frame.
Layout layout(QSize control, int barThickness);

// The scaled picture's rectangle in view coordinates for the given bar positions.
QRect pictureRect(QSize scaled, const Axis &horizontal, const Axis &vertical, QPointF positions);

// A view coordinate mapped to a source-picture coordinate, given where the scaled picture starts.
int toSource(int viewCoordinate, int pictureOffset, double zoom);

// Bar position while dragging: the picture follows the mouse, whether it is larger than the view
// (the bar scrolls against the drag) or smaller (the picture moves with it), never past an edge.
double panPosition(const Axis &axis, double origin, int start, int current);

// The navigator's thumbnail for a picture: fixed width, height keeping the picture's proportions.
QSize thumbnailSize(QSize picture);
// The view's outline drawn as the navigator's cursor.
QSize navigatorCursorSize(QSize view, QSize scaled, QSize thumbnail);
// Where on the thumbnail the current view starts.
QPoint thumbnailPoint(QPointF positions, QSize scaled, QSize thumbnail);
// Keeps the cursor outline inside the thumbnail.
QPoint confine(QPoint point, QSize cursor, QSize thumbnail);
// The bar position that brings the source point under a thumbnail coordinate to the view's edge.
double navigatorPosition(
    int thumbnailCoordinate, int thumbnailLength, int pictureLength, double zoom);

// The parts of a scroll bar, in bar coordinates. Arrow buttons take `buttonLength` each, at most
// half the bar; the slider's length is to the groove as the page is to the whole range.
struct BarParts
{
    QRect subLine;
    QRect addLine;
    QRect groove;
    QRect subPage;
    QRect addPage;
    QRect slider;
};

struct BarState
{
    int minimum = 0;
    int maximum = 0;
    int pageStep = 0;
    int value = 0;
};

BarParts barParts(
    QRect bar, Qt::Orientation orientation, int buttonLength, bool arrows, const BarState &state);

} // namespace ViewerGeometry
