#include "controls/ViewerScrollStyle.h"

#include "controls/TTorvelImage.h"
#include "controls/ViewerGeometry.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <qdrawutil.h>

namespace {

ViewerGeometry::BarParts partsOf(const QStyleOptionSlider &bar, const TScrollProperties &settings)
{
    return ViewerGeometry::barParts(bar.rect, bar.orientation, settings.buttonLength(),
        settings.ShowArrows(), {bar.minimum, bar.maximum, bar.pageStep, bar.sliderPosition});
}

bool pressed(const QStyleOptionSlider &bar, QStyle::SubControl part)
{
    return bar.activeSubControls.testFlag(part) && bar.state.testFlag(QStyle::State_Sunken);
}

} // namespace

ViewerScrollStyle::ViewerScrollStyle(const TScrollProperties *settings, QObject *parent)
    : m_settings(settings)
{
    setParent(parent);
}

int ViewerScrollStyle::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin)
        return m_settings->thickness();
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect ViewerScrollStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
    SubControl part, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const ViewerGeometry::BarParts parts = partsOf(*bar, *m_settings);
    switch (part) {
    case SC_ScrollBarSubLine:
        return parts.subLine;
    case SC_ScrollBarAddLine:
        return parts.addLine;
    case SC_ScrollBarSubPage:
        return parts.subPage;
    case SC_ScrollBarAddPage:
        return parts.addPage;
    case SC_ScrollBarSlider:
        return parts.slider;
    case SC_ScrollBarGroove:
        return parts.groove;
    default:
        return {};
    }
}

QStyle::SubControl ViewerScrollStyle::hitTestComplexControl(ComplexControl control,
    const QStyleOptionComplex *option, const QPoint &point, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::hitTestComplexControl(control, option, point, widget);
    const ViewerGeometry::BarParts parts = partsOf(*bar, *m_settings);
    const std::pair<QRect, SubControl> order[] = {{parts.slider, SC_ScrollBarSlider},
        {parts.subLine, SC_ScrollBarSubLine}, {parts.addLine, SC_ScrollBarAddLine},
        {parts.subPage, SC_ScrollBarSubPage}, {parts.addPage, SC_ScrollBarAddPage}};
    for (const auto &[rect, part] : order)
        if (rect.contains(point))
            return part;
    return SC_None;
}

void ViewerScrollStyle::drawComplexControl(ComplexControl control,
    const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const ViewerGeometry::BarParts parts = partsOf(*bar, *m_settings);
    const bool horizontal = bar->orientation == Qt::Horizontal;
    // Like the classic bars, one that cannot move shows no thumb and greyed arrows.
    const bool movable = bar->state.testFlag(State_Enabled) && bar->maximum > bar->minimum;
    painter->save();
    drawTrack(*painter, parts.groove, bar->palette);
    if (m_settings->ShowArrows()) {
        drawArrowButton(*painter, parts.subLine, horizontal ? Qt::LeftArrow : Qt::UpArrow,
            pressed(*bar, SC_ScrollBarSubLine), movable, bar->palette);
        drawArrowButton(*painter, parts.addLine, horizontal ? Qt::RightArrow : Qt::DownArrow,
            pressed(*bar, SC_ScrollBarAddLine), movable, bar->palette);
    }
    if (movable) {
        drawThumb(*painter, parts.slider, bar->orientation, bar->palette);
        if (m_settings->ShowHandleGrip())
            drawGrip(*painter, parts.slider, bar->orientation, bar->palette);
    }
    painter->restore();
}

void ViewerScrollStyle::drawTrack(
    QPainter &painter, const QRect &groove, const QPalette &palette) const
{
    if (m_settings->BackGnd() == TScrollProperties::bgSolid) {
        painter.fillRect(groove, m_settings->Color());
        return;
    }
    painter.fillRect(groove, palette.light());
    painter.fillRect(groove, QBrush(m_settings->Color(), Qt::Dense4Pattern));
}

void ViewerScrollStyle::drawArrowButton(QPainter &painter, const QRect &button, Qt::ArrowType arrow,
    bool sunken, bool enabled, const QPalette &palette) const
{
    if (button.isEmpty())
        return;
    const QBrush face = palette.button();
    if (m_settings->Style() == TScrollProperties::rbsMac) {
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient shine(button.topLeft(), button.bottomRight());
        shine.setColorAt(0, face.color().lighter(sunken ? 95 : 120));
        shine.setColorAt(1, face.color().darker(sunken ? 120 : 105));
        painter.setPen(palette.mid().color());
        painter.setBrush(shine);
        const double radius = std::min(button.width(), button.height()) / 2.0 - 1;
        painter.drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        qDrawWinButton(&painter, button, palette, sunken, &face);
    }
    const int half = std::max(std::min(button.width(), button.height()) / 4, 2);
    const QPoint c = button.center() + (sunken ? QPoint(1, 1) : QPoint(0, 0));
    QPolygon triangle;
    switch (arrow) {
    case Qt::LeftArrow:
        triangle << QPoint(c.x() - half / 2, c.y()) << QPoint(c.x() + half / 2, c.y() - half)
                 << QPoint(c.x() + half / 2, c.y() + half);
        break;
    case Qt::RightArrow:
        triangle << QPoint(c.x() + half / 2, c.y()) << QPoint(c.x() - half / 2, c.y() - half)
                 << QPoint(c.x() - half / 2, c.y() + half);
        break;
    case Qt::UpArrow:
        triangle << QPoint(c.x(), c.y() - half / 2) << QPoint(c.x() - half, c.y() + half / 2)
                 << QPoint(c.x() + half, c.y() + half / 2);
        break;
    default:
        triangle << QPoint(c.x(), c.y() + half / 2) << QPoint(c.x() - half, c.y() - half / 2)
                 << QPoint(c.x() + half, c.y() - half / 2);
        break;
    }
    const QColor ink = enabled ? palette.buttonText().color() : palette.mid().color();
    painter.setPen(ink);
    painter.setBrush(ink);
    painter.drawPolygon(triangle);
}

void ViewerScrollStyle::drawThumb(QPainter &painter, const QRect &slider,
    Qt::Orientation orientation, const QPalette &palette) const
{
    const QColor handle = m_settings->HandleColor();
    if (m_settings->Style() != TScrollProperties::rbsMac) {
        const QBrush fill(handle);
        qDrawWinButton(&painter, slider, palette, false, &fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(slider).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient shine = orientation == Qt::Horizontal
        ? QLinearGradient(body.topLeft(), body.bottomLeft())
        : QLinearGradient(body.topLeft(), body.topRight());
    shine.setColorAt(0, handle.lighter(140));
    shine.setColorAt(1, handle);
    painter.setPen(handle.darker(130));
    painter.setBrush(shine);
    const double radius = std::min(body.width(), body.height()) / 2;
    painter.drawRoundedRect(body, radius, radius);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void ViewerScrollStyle::drawGrip(QPainter &painter, const QRect &slider,
    Qt::Orientation orientation, const QPalette &palette) const
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int length = horizontal ? slider.width() : slider.height();
    const int thickness = horizontal ? slider.height() : slider.width();
    if (length < 14 || thickness < 8)
        return;
    const QPoint c = slider.center();
    const int half = thickness / 4;
    for (int i = -1; i <= 1; ++i) {
        const int at = 3 * i;
        for (const auto &[colour, shift] :
            {std::pair {palette.light().color(), 0}, {palette.dark().color(), 1}}) {
            painter.setPen(colour);
            if (horizontal)
                painter.drawLine(
                    c.x() + at + shift, c.y() - half, c.x() + at + shift, c.y() + half);
            else
                painter.drawLine(
                    c.x() - half, c.y() + at + shift, c.x() + half, c.y() + at + shift);
        }
    }
}
