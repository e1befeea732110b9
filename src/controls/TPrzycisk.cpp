#include "controls/TPrzycisk.h"

#include "assets/InitAssets.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kSilver(192, 192, 192);

QImage drawable(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

struct BuiltInPictures
{
    QImage up, down, move;
};

// Decoded once; every button starts from the same three pictures.
const BuiltInPictures &builtInPictures()
{
    static const BuiltInPictures pictures = [] {
        initSolvarinAssets();
        return BuiltInPictures {drawable(QImage(QStringLiteral(":/przycisk_obrazkowy.png"))),
            drawable(QImage(QStringLiteral(":/przycisk_obrazkowy_down.png"))),
            drawable(QImage(QStringLiteral(":/przycisk_obrazkowy_hover.png")))};
    }();
    return pictures;
}

// Buttons are numbered per window, as a form numbers the buttons placed on it.
int buttonCount(const TPrzycisk *button)
{
    const QWidget *owner = button->parentWidget() ? button->parentWidget()->window() : nullptr;
    return owner ? int(owner->findChildren<TPrzycisk *>().size()) : 1;
}

} // namespace

TPrzycisk::TPrzycisk(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kSilver);
    setPalette(colours);
    m_caption = QStringLiteral("Przycisk%1").arg(buttonCount(this));
    setAccessibleName(m_caption);
    const BuiltInPictures &pictures = builtInPictures();
    m_up = pictures.up;
    m_down = pictures.down;
    m_move = pictures.move;
    m_moveChecked = pictures.move;
    resize(80, 40);
    showResting();
}

TPrzycisk::~TPrzycisk() = default;

void TPrzycisk::setCaption(const QString &caption)
{
    m_caption = caption.isEmpty() ? QStringLiteral(" ") : caption;
    setAccessibleName(m_caption.trimmed());
    showResting();
}

void TPrzycisk::setStyle(TStyle style)
{
    m_style = style;
    if (m_style != tsCheck)
        m_checked = false;
    showResting();
}

void TPrzycisk::setChecked(bool checked)
{
    m_checked = checked && m_style == tsCheck;
    showResting();
}

void TPrzycisk::setCaptionl3D(bool shadow)
{
    m_caption3D = shadow;
    showResting();
}

void TPrzycisk::setColorCaption3D(const QColor &colour)
{
    m_colorCaption3D = colour;
    showResting();
}

void TPrzycisk::setRegion(const QRegion &region)
{
    m_region = region;
}

void TPrzycisk::setObrazekUp(const QImage &picture)
{
    m_up = drawable(picture);
    showResting();
}

void TPrzycisk::setObrazekDown(const QImage &picture)
{
    m_down = drawable(picture);
    showResting();
}

void TPrzycisk::setObrazekMove(const QImage &picture)
{
    m_move = drawable(picture);
    showResting();
}

void TPrzycisk::setObrazekMoveChecked(const QImage &picture)
{
    m_moveChecked = drawable(picture);
    showResting();
}

QSize TPrzycisk::sizeHint() const
{
    return {80, 40};
}

void TPrzycisk::Click()
{
    emit OnClick();
}

void TPrzycisk::showResting()
{
    showState(m_checked ? m_down : m_up);
}

void TPrzycisk::showState(const QImage &picture)
{
    if (size().isEmpty()) {
        m_display = QImage();
        return;
    }
    // Composed at the screen's pixel density, so the caption stays sharp on high-density screens.
    const qreal ratio = devicePixelRatioF();
    m_display = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_display.setDevicePixelRatio(ratio);
    m_display.fill(Qt::transparent);
    QPainter painter(&m_display);
    drawPicture(painter, picture);
    drawCaption(painter);
    painter.end();
    update();
}

void TPrzycisk::drawPicture(QPainter &painter, const QImage &picture) const
{
    if (picture.isNull())
        return;
    if (picture.size() == size() && m_display.devicePixelRatio() == 1) {
        painter.drawImage(0, 0, picture);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture);
}

void TPrzycisk::drawCaption(QPainter &painter) const
{
    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize text(metrics.horizontalAdvance(m_caption), metrics.height());
    const QPoint origin = PrzyciskLogic::captionOrigin(size(), text);
    const int baseline = origin.y() + metrics.ascent();
    if (m_caption3D) {
        painter.setPen(m_colorCaption3D);
        painter.drawText(origin.x() - 1, baseline - 1, m_caption);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(origin.x(), baseline, m_caption);
}

void TPrzycisk::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_display);
}

void TPrzycisk::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showResting();
    emit OnResize();
}

void TPrzycisk::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        showResting();
}

void TPrzycisk::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_flags.entered = true;
    emit OnMouseEnter();
}

void TPrzycisk::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    showResting();
    m_flags = {};
    emit OnMouseLeave();
}

bool TPrzycisk::reactsAt(QPoint point) const
{
    return m_region.isEmpty() || m_region.contains(point);
}

void TPrzycisk::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    using PrzyciskLogic::Show;
    switch (PrzyciskLogic::mouseMoved(m_flags, !m_region.isEmpty(), m_region.contains(at))) {
    case Show::Hover:
        showState(m_checked ? m_moveChecked : m_move);
        break;
    case Show::Rest:
        showResting();
        break;
    case Show::Nothing:
        break;
    }
    emit OnMouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TPrzycisk::press(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_style == tsCheck)
        setChecked(!m_checked);
    if (reactsAt(at))
        showState(m_down);
    emit OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TPrzycisk::mousePressEvent(QMouseEvent *event)
{
    press(event);
}

// The second press of a double click arrives here instead of mousePressEvent; it still presses
// the button, so a double click clicks twice.
void TPrzycisk::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit OnDblClick();
    press(event);
}

// Released anywhere, even outside the button, the press counts as a click.
void TPrzycisk::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    showResting();
    emit OnMouseUp(event->button(), event->modifiers(), at.x(), at.y());
    emit OnClick();
}
