#include "controls/SliderGeometry.h"

#include <algorithm>

namespace SliderGeometry {

namespace {

using Wide = __int128;

// roundHalfEven on 128 bits, so that products of pixels, range and 10000 never overflow.
Wide roundHalfEvenWide(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    Wide quotient = num / den;
    Wide remainder = num % den;
    if (remainder < 0) { // floor instead of truncation
        quotient -= 1;
        remainder += den;
    }
    const Wide twice = 2 * remainder;
    if (twice > den || (twice == den && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

// A channel is taken modulo 256.
int wrapChannel(int value)
{
    return value & 0xFF;
}

template<class F>
QColor perChannel(const QColor &colour, F f)
{
    return QColor(f(colour.red()), f(colour.green()), f(colour.blue()));
}

// Frames that no longer enclose any pixel are left out.
QVector<Frame> nonEmpty(QVector<Frame> frames)
{
    frames.removeIf([](const Frame &frame) { return frame.rect.isEmpty(); });
    return frames;
}

} // namespace

Layout layout(const Input &in)
{
    const int w = in.client.width();
    const int h = in.client.height();
    Layout l;
    l.background = QRect(0, 0, w, h);
    l.buttonDown
        = QRect(0, (h - in.buttonDown.height()) / 2, in.buttonDown.width(), in.buttonDown.height());
    l.buttonUp = QRect(w - in.buttonUp.width(), (h - in.buttonUp.height()) / 2, in.buttonUp.width(),
        in.buttonUp.height());
    const int trackLeft = in.buttonDown.width() - in.trackShiftDown;
    const int trackWidth
        = w - (in.buttonUp.width() - in.trackShiftUp + in.buttonDown.width() - in.trackShiftDown);
    l.track = QRect(trackLeft, (h - in.trackHeight) / 2, trackWidth, in.trackHeight);
    l.thumb = in.thumb;
    l.thumbTop = l.track.top() + in.trackHeight / 2 - in.thumb.height() / 2 + in.thumbShiftVertical;
    l.travel = trackWidth + in.thumbShiftUp + in.thumbShiftDown - in.thumb.width();
    l.lowest = trackLeft - in.thumbShiftDown;
    l.highest = trackLeft + trackWidth - in.thumb.width() + in.thumbShiftUp;
    return l;
}

std::int64_t roundHalfEven(std::int64_t num, std::int64_t den)
{
    return static_cast<std::int64_t>(roundHalfEvenWide(num, den));
}

int clampPosition(int value, int min, int max)
{
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    return value;
}

int thumbLeft(int position, int min, int max, int travel, int lowest)
{
    if (max == min)
        return lowest;
    const Wide product = Wide(travel) * (Wide(position) - min);
    return static_cast<int>(roundHalfEvenWide(product, Wide(max) - min) + lowest);
}

int positionFromThumb(int left, int min, int max, int travel, int lowest)
{
    const Wide product = (Wide(left) - lowest) * (Wide(max) - min);
    const Wide tenThousandths = roundHalfEvenWide(product * 10000, travel);
    return static_cast<int>(roundHalfEvenWide(tenThousandths, 10000) + min);
}

int clampThumb(int left, const Layout &layout)
{
    return std::max(std::min(left, layout.highest), layout.lowest);
}

QRect labelRect(const Layout &layout, int labelWidth, int labelHeight)
{
    const int top = layout.buttonUp.top() + layout.buttonUp.height() + 1;
    return QRect(layout.background.width() - labelWidth, top, labelWidth, labelHeight);
}

QRect iconButtonRect(const QRect &laidOut, bool pressed)
{
    return pressed ? laidOut.translated(1, 1) : laidOut;
}

QVector<QRect> topLeftLines(const QRect &rect)
{
    return {QRect(rect.left(), rect.top(), rect.width() - 1, 1),
        QRect(rect.left(), rect.top(), 1, rect.height() - 1)};
}

QVector<QRect> bottomRightLines(const QRect &rect)
{
    return {QRect(rect.right(), rect.top(), 1, rect.height()),
        QRect(rect.left(), rect.bottom(), rect.width(), 1)};
}

QColor sunkenDark(const QColor &colour)
{
    return perChannel(colour, [](int c) { return (c + 111) / 2; });
}

QColor sunkenLight(const QColor &colour)
{
    return perChannel(colour, [](int c) { return (c + 255) / 2; });
}

QColor raisedTopLeft(const QColor &colour, int width3D, int k)
{
    return perChannel(
        colour, [=](int c) { return wrapChannel(255 - (k + 1) * ((255 - c) / width3D)); });
}

QColor raisedBottomRight(const QColor &colour, int width3D, int k)
{
    return perChannel(
        colour, [=](int c) { return wrapChannel(111 - (k + 1) * ((111 - c) / width3D)); });
}

QVector<Frame> sunkenFrames(const QSize &size, const QColor &colour, bool ctl3D)
{
    if (!ctl3D)
        return {};
    const QRect outer(QPoint(0, 0), size);
    return nonEmpty({{outer, FrameGrey, Qt::white},
        {outer.adjusted(1, 1, -1, -1), sunkenDark(colour), sunkenLight(colour)}});
}

QVector<Frame> raisedFrames(const QSize &size, const QColor &colour, int width3D, bool ctl3D)
{
    if (!ctl3D || width3D < 1)
        return {};
    const QRect outer(QPoint(0, 0), size);
    QVector<Frame> frames {{outer, Qt::white, FrameGrey}};
    for (int k = 1; k < width3D; ++k) {
        frames.append({outer.adjusted(k, k, -k, -k), raisedTopLeft(colour, width3D, k),
            raisedBottomRight(colour, width3D, k)});
    }
    return nonEmpty(frames);
}

QPolygon arrowPolygon(const QRect &rect, bool pointsRight)
{
    const int half = std::max(1, std::min(rect.width(), rect.height()) / 4);
    const int cx = rect.left() + (rect.width() - 1) / 2;
    const int cy = rect.top() + (rect.height() - 1) / 2;
    if (pointsRight) {
        const int base = cx - half / 2;
        return QPolygon(
            {QPoint(base, cy - half), QPoint(base, cy + half), QPoint(base + half, cy)});
    }
    const int base = cx + half / 2;
    return QPolygon({QPoint(base, cy - half), QPoint(base, cy + half), QPoint(base - half, cy)});
}

} // namespace SliderGeometry
