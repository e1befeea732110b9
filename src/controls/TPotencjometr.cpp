#include "controls/TPotencjometr.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

using namespace SliderGeometry;

namespace {

const QColor ArrowColor = Qt::black;

void drawFrames(QPainter &painter, const QPoint &origin, const QVector<Frame> &frames)
{
    for (const Frame &frame : frames) {
        const QRect rect = frame.rect.translated(origin);
        for (const QRect &line : topLeftLines(rect))
            painter.fillRect(line, frame.topLeft);
        for (const QRect &line : bottomRightLines(rect))
            painter.fillRect(line, frame.bottomRight);
    }
}

void drawSunken(QPainter &painter, const QRect &rect, const QColor &colour, bool ctl3D)
{
    painter.fillRect(rect, colour);
    drawFrames(painter, rect.topLeft(), sunkenFrames(rect.size(), colour, ctl3D));
}

void drawRaised(QPainter &painter, const QRect &rect, const QColor &colour, int width3D, bool ctl3D)
{
    painter.fillRect(rect, colour);
    drawFrames(painter, rect.topLeft(), raisedFrames(rect.size(), colour, width3D, ctl3D));
}

// Like a picture box: the picture at its own size from the corner, cut to the part.
void drawPicture(QPainter &painter, const QRect &rect, const QPixmap &picture)
{
    if (!picture.isNull())
        painter.drawPixmap(rect.topLeft(), picture, QRect(QPoint(0, 0), rect.size()));
}

} // namespace

TPotencjometr::TPotencjometr(QWidget *parent)
    : QWidget(parent)
    , m_repeatTimer(new QTimer(this))
{
    // Every pixel is painted, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const auto relayoutOnChange = [this] { relayout(); };
    m_podstawa.setOnChange(relayoutOnChange);
    m_suwak.setOnChange(relayoutOnChange);
    m_buttonUp.setOnChange(relayoutOnChange);
    m_buttonDown.setOnChange(relayoutOnChange);
    m_posLabel.setOnChange(relayoutOnChange);
    connect(m_repeatTimer, &QTimer::timeout, this, &TPotencjometr::repeatTick);
    m_repeatTimer->start(50);
    resize(200, 40);
    relayout();
}

TPotencjometr::~TPotencjometr() = default;

void TPotencjometr::setObrazekTlo(const QPixmap &picture)
{
    m_obrazekTlo = picture;
    update();
}

void TPotencjometr::setObrazekSuw(const QPixmap &picture)
{
    setPictureOf(m_suwak, m_obrazekSuw, picture);
}

void TPotencjometr::setObrazekUp(const QPixmap &picture)
{
    setPictureOf(m_buttonUp, m_obrazekUp, picture);
}

void TPotencjometr::setObrazekDown(const QPixmap &picture)
{
    setPictureOf(m_buttonDown, m_obrazekDown, picture);
}

void TPotencjometr::setPictureOf(
    SliderButtonSettings &button, QPixmap &stored, const QPixmap &picture)
{
    stored = picture;
    if (picture.isNull()) {
        update();
        return;
    }
    // One layout for the three changes, so Position is rounded once.
    m_layoutHeld = true;
    button.setWidth(picture.width());
    button.setHeight(picture.height());
    button.setStyle(TStyle::tsIcon);
    m_layoutHeld = false;
    relayout();
}

void TPotencjometr::setColor(const QColor &colour)
{
    m_color = colour;
    m_obrazekTlo = QPixmap();
    update();
}

void TPotencjometr::setMax(int max)
{
    m_max = max;
    relayout();
}

void TPotencjometr::setMin(int min)
{
    m_min = min;
    relayout();
}

void TPotencjometr::setPosition(int position)
{
    if (position == m_position)
        return;
    m_position = clampPosition(position, m_min, m_max);
    relayout();
}

QRect TPotencjometr::buttonDownRect() const
{
    const bool shifted = m_buttonDown.Style() == TStyle::tsIcon && m_downPressed;
    return iconButtonRect(m_layout.buttonDown, shifted);
}

QRect TPotencjometr::buttonUpRect() const
{
    const bool shifted = m_buttonUp.Style() == TStyle::tsIcon && m_upPressed;
    return iconButtonRect(m_layout.buttonUp, shifted);
}

QRect TPotencjometr::labelRect() const
{
    const int height = QFontMetrics(m_posLabel.Font()).height();
    return SliderGeometry::labelRect(m_layout, m_posLabel.Width(), height);
}

int TPotencjometr::repeatInterval() const
{
    return m_repeatTimer->isActive() ? m_repeatTimer->interval() : 0;
}

void TPotencjometr::setRepeatInterval(int milliseconds)
{
    if (milliseconds > 0)
        m_repeatTimer->start(milliseconds);
    else
        m_repeatTimer->stop();
}

void TPotencjometr::repeatTick()
{
    if (m_repeatCount < 5)
        ++m_repeatCount;
    if (m_upPressed && m_repeatCount >= 4)
        step(1);
    if (m_downPressed && m_repeatCount >= 4)
        step(-1);
}

QSize TPotencjometr::sizeHint() const
{
    return {200, 40};
}

void TPotencjometr::relayout()
{
    if (m_layoutHeld)
        return;
    Input input;
    input.client = size();
    input.buttonDown = QSize(m_buttonDown.Width(), m_buttonDown.Height());
    input.buttonUp = QSize(m_buttonUp.Width(), m_buttonUp.Height());
    input.trackHeight = m_podstawa.Height();
    input.trackShiftUp = m_podstawa.ShiftUp();
    input.trackShiftDown = m_podstawa.ShiftDown();
    input.thumb = QSize(m_suwak.Width(), m_suwak.Height());
    input.thumbShiftVertical = m_suwak.ShiftVertical();
    input.thumbShiftUp = m_suwak.ShiftUp();
    input.thumbShiftDown = m_suwak.ShiftDown();
    m_layout = SliderGeometry::layout(input);
    const int left = thumbLeft(m_position, m_min, m_max, m_layout.travel, m_layout.lowest);
    // Clamping the thumb is what pulls Position up to a raised Min or down to a lowered Max.
    moveThumbTo(left);
}

void TPotencjometr::moveThumbTo(int left)
{
    m_thumbLeft = clampThumb(left, m_layout);
    // A slider too narrow for its thumb has no pixel per value; it keeps its Position in range.
    if (m_layout.travel > 0)
        m_position = positionFromThumb(m_thumbLeft, m_min, m_max, m_layout.travel, m_layout.lowest);
    else
        m_position = clampPosition(m_position, m_min, m_max);
    update();
}

void TPotencjometr::step(int pixels)
{
    moveThumbTo(m_thumbLeft + pixels);
    emit OnScroll(this);
}

TPotencjometr::Part TPotencjometr::partAt(const QPoint &point) const
{
    // The thumb lies above the buttons where they overlap.
    if (m_suwak.Visible() && thumbRect().contains(point))
        return Part::Thumb;
    if (m_buttonDown.Visible() && buttonDownRect().contains(point))
        return Part::ButtonDown;
    if (m_buttonUp.Visible() && buttonUpRect().contains(point))
        return Part::ButtonUp;
    return Part::None;
}

void TPotencjometr::mousePressEvent(QMouseEvent *event)
{
    // Only the left button works the parts; the slider takes every click, like a panel.
    if (event->button() != Qt::LeftButton || m_pressedPart != Part::None)
        return;
    const QPoint point = event->position().toPoint();
    m_pressedPart = partAt(point);
    switch (m_pressedPart) {
    case Part::Thumb:
        m_dragging = true;
        m_grabX = point.x() - m_thumbLeft;
        break;
    case Part::ButtonUp:
        m_upPressed = true;
        m_repeatCount = 0;
        step(1);
        break;
    case Part::ButtonDown:
        m_downPressed = true;
        m_repeatCount = 0;
        step(-1);
        break;
    case Part::None:
        break;
    }
}

void TPotencjometr::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    // The grab point stays under the mouse, as far as the ends allow.
    moveThumbTo(event->position().toPoint().x() - m_grabX);
    emit OnScroll(this);
}

void TPotencjometr::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressedPart == Part::None)
        return;
    const Part released = m_pressedPart;
    m_pressedPart = Part::None;
    if (released == Part::Thumb) {
        const bool wasDragging = m_dragging;
        m_dragging = false;
        if (wasDragging)
            emit OnCanScroll(this);
        return;
    }
    m_upPressed = false;
    m_downPressed = false;
    update();
    emit OnCanScroll(this);
}

void TPotencjometr::hideEvent(QHideEvent *event)
{
    // A release that never comes must not leave a button repeating.
    m_pressedPart = Part::None;
    m_dragging = false;
    m_upPressed = false;
    m_downPressed = false;
    QWidget::hideEvent(event);
}

void TPotencjometr::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TPotencjometr::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The 3D frames are defined pixel by pixel.
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawBackground(painter);
    drawTrack(painter);
    drawButton(painter, m_buttonDown, m_obrazekDown, m_layout.buttonDown, m_downPressed, false);
    drawButton(painter, m_buttonUp, m_obrazekUp, m_layout.buttonUp, m_upPressed, true);
    drawThumb(painter);
    drawLabel(painter);
}

void TPotencjometr::drawBackground(QPainter &painter) const
{
    painter.fillRect(m_layout.background, m_color);
    drawPicture(painter, m_layout.background, m_obrazekTlo);
}

void TPotencjometr::drawTrack(QPainter &painter) const
{
    if (m_podstawa.Visible())
        drawSunken(painter, m_layout.track, m_podstawa.Color(), m_podstawa.Ctl3D());
}

void TPotencjometr::drawButton(QPainter &painter, const SliderButtonSettings &button,
    const QPixmap &picture, const QRect &laidOut, bool pressed, bool pointsRight) const
{
    if (!button.Visible())
        return;
    if (button.Style() == TStyle::tsIcon) {
        drawPicture(painter, iconButtonRect(laidOut, pressed), picture);
        return;
    }
    if (pressed)
        drawSunken(painter, laidOut, button.Color(), button.Ctl3D());
    else
        drawRaised(painter, laidOut, button.Color(), button.Width3D(), button.Ctl3D());
    // Without a picture an arrow tells the two buttons apart; it sinks with the button.
    painter.setPen(QPen(ArrowColor, 0));
    painter.setBrush(ArrowColor);
    painter.drawPolygon(arrowPolygon(iconButtonRect(laidOut, pressed), pointsRight));
}

void TPotencjometr::drawThumb(QPainter &painter) const
{
    if (!m_suwak.Visible())
        return;
    const QRect rect = thumbRect();
    if (m_suwak.Style() == TStyle::tsIcon)
        drawPicture(painter, rect, m_obrazekSuw);
    else
        drawRaised(painter, rect, m_suwak.Color(), m_suwak.Width3D(), m_suwak.Ctl3D());
}

void TPotencjometr::drawLabel(QPainter &painter) const
{
    if (!m_posLabel.Visible())
        return;
    const QRect rect = labelRect();
    if (!m_posLabel.Transparent())
        painter.fillRect(rect, m_posLabel.Color());
    painter.setFont(m_posLabel.Font());
    painter.setPen(m_posLabel.FontColor());
    painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, labelText());
}
