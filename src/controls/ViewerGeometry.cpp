#include "controls/ViewerGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ViewerGeometry {

namespace {

// Scaled sizes stay far enough from the int limit that sums of them cannot overflow.
constexpr double kMaxLength = INT_MAX / 4;

int ratio(double numerator, double denominator)
{
    return denominator > 0 ? roundEven(numerator / denominator) : 0;
}

} // namespace

int roundEven(double value)
{
    if (std::isnan(value))
        return 0;
    // The default rounding mode, which nothing in the program changes, sends halves to even.
    return int(std::nearbyint(std::clamp(value, double(INT_MIN), double(INT_MAX))));
}

int barSize(int setting)
{
    return setting < 1 ? DefaultBarSize : setting;
}

double scaleOf(double zoom)
{
    if (zoom > 0)
        return zoom;
    return zoom < 0 ? 1 / -zoom : 1;
}

QSize scaledSize(QSize picture, double zoom)
{
    const double scale = scaleOf(zoom);
    const auto scaled = [scale](int length) {
        return roundEven(std::min(std::max(length, 0) * scale, kMaxLength));
    };
    return {scaled(picture.width()), scaled(picture.height())};
}

double Axis::clamp(double position) const
{
    return std::clamp(position, 0.0, double(std::max(maxPosition(), 0)));
}

int Axis::pictureOffset(double position) const
{
    const int p = roundEven(position);
    return pictureLarger ? -p : p;
}

Axis axis(int view, int scaled)
{
    if (view < scaled)
        return {scaled, view, true};
    return {view, scaled, false};
}

Layout layout(QSize control, int barThickness)
{
    const int t = barThickness;
    const int w = std::max(control.width() - t, 0), h = std::max(control.height() - t, 0);
    Layout parts;
    parts.view = QRect(1, 1, w, h);
    parts.horizontalBar = QRect(0, h, w, t);
    parts.verticalBar = QRect(w, 0, t, h);
    parts.corner = QRect(w, h, t, t);
    parts.cornerBorder = t / 4;
    return parts;
}

QRect pictureRect(QSize scaled, const Axis &horizontal, const Axis &vertical, QPointF positions)
{
    return {horizontal.pictureOffset(positions.x()), vertical.pictureOffset(positions.y()),
        scaled.width(), scaled.height()};
}

int toSource(int viewCoordinate, int pictureOffset, double zoom)
{
    return roundEven((viewCoordinate - pictureOffset) / scaleOf(zoom));
}

double panPosition(const Axis &axis, double origin, int start, int current)
{
    const int moved = current - start;
    return axis.clamp(axis.pictureLarger ? origin - moved : origin + moved);
}

QSize thumbnailSize(QSize picture)
{
    if (picture.isEmpty())
        return {ThumbnailWidth, 1};
    const int height
        = std::max(ratio(double(ThumbnailWidth) * picture.height(), picture.width()), 1);
    if (height <= MaxThumbnailHeight)
        return {ThumbnailWidth, height};
    const int width
        = std::max(ratio(double(MaxThumbnailHeight) * picture.width(), picture.height()), 1);
    return {width, MaxThumbnailHeight};
}

QSize navigatorCursorSize(QSize view, QSize scaled, QSize thumbnail)
{
    const auto length = [](int viewLength, int scaledLength, int thumbnailLength) {
        if (scaledLength <= 0)
            return thumbnailLength;
        return roundEven(double(viewLength) / scaledLength * thumbnailLength);
    };
    return {
        std::min(length(view.width(), scaled.width(), thumbnail.width()), thumbnail.width() - 1),
        std::min(length(view.height(), scaled.height(), thumbnail.height()), thumbnail.height())};
}

QPoint thumbnailPoint(QPointF positions, QSize scaled, QSize thumbnail)
{
    return {ratio(positions.x() * thumbnail.width(), scaled.width()),
        ratio(positions.y() * thumbnail.height(), scaled.height())};
}

QPoint confine(QPoint point, QSize cursor, QSize thumbnail)
{
    return {std::clamp(point.x(), 0, std::max(thumbnail.width() - cursor.width(), 0)),
        std::clamp(point.y(), 0, std::max(thumbnail.height() - cursor.height(), 0))};
}

double navigatorPosition(
    int thumbnailCoordinate, int thumbnailLength, int pictureLength, double zoom)
{
    if (thumbnailLength <= 0)
        return 0;
    const double source = double(thumbnailCoordinate) * pictureLength / thumbnailLength;
    return source * scaleOf(zoom);
}

BarParts barParts(
    QRect bar, Qt::Orientation orientation, int buttonLength, bool arrows, const BarState &state)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int length = horizontal ? bar.width() : bar.height();
    const int thickness = horizontal ? bar.height() : bar.width();
    const auto part = [&](int start, int size) {
        size = std::max(size, 0);
        return horizontal ? QRect(bar.x() + start, bar.y(), size, thickness)
                          : QRect(bar.x(), bar.y() + start, thickness, size);
    };
    const int button = arrows ? std::clamp(buttonLength, 0, length / 2) : 0;
    const int grooveLength = length - 2 * button;
    const qint64 span = qint64(state.maximum) - state.minimum;

    int slider = grooveLength;
    int sliderStart = button;
    if (span > 0) {
        const qint64 page = std::max(state.pageStep, 0);
        slider = int(grooveLength * page / (span + page));
        slider = std::clamp(slider, std::min(thickness, grooveLength), grooveLength);
        const qint64 room = grooveLength - slider;
        const qint64 value = std::clamp<qint64>(state.value, state.minimum, state.maximum);
        sliderStart += int(((value - state.minimum) * room + span / 2) / span);
    }
    BarParts parts;
    parts.subLine = part(0, button);
    parts.addLine = part(length - button, button);
    parts.groove = part(button, grooveLength);
    parts.subPage = part(button, sliderStart - button);
    parts.slider = part(sliderStart, slider);
    parts.addPage = part(sliderStart + slider, button + grooveLength - sliderStart - slider);
    return parts;
}

} // namespace ViewerGeometry
