#include "controls/TTorvelImage.h"

#include "controls/PictureFile.h"
#include "controls/TFormTorvel.h"
#include "controls/ViewerScrollStyle.h"
#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <qdrawutil.h>

using namespace ViewerGeometry;

TScrollProperties::TScrollProperties(QObject *parent)
    : QObject(parent)
    , m_color(QApplication::palette().color(QPalette::Button))
    , m_handleColor(QApplication::palette().color(QPalette::Dark))
{ }

void TScrollProperties::setColor(const QColor &colour)
{
    m_color = colour;
    emit changed();
}

void TScrollProperties::setHandleColor(const QColor &colour)
{
    m_handleColor = colour;
    emit changed();
}

void TScrollProperties::setBackGnd(TBackGnd background)
{
    m_backGnd = background;
    emit changed();
}

void TScrollProperties::setStyle(TBarStyle style)
{
    m_style = style;
    emit changed();
}

void TScrollProperties::setIncrement(int step)
{
    m_increment = std::max(step, 1);
    emit changed();
}

void TScrollProperties::setShowArrows(bool show)
{
    m_showArrows = show;
    emit changed();
}

void TScrollProperties::setShowHandleGrip(bool show)
{
    m_showHandleGrip = show;
    emit changed();
}

void TScrollProperties::setSize(int size)
{
    m_size = size;
    emit changed();
}

void TScrollProperties::setButtonSize(int size)
{
    m_buttonSize = size;
    emit changed();
}

TTorvelImage::TTorvelImage(QWidget *parent)
    : QFrame(parent)
    , m_color(palette().color(QPalette::Button))
    , m_scrollBars(new TScrollProperties(this))
    , m_view(new QWidget(this))
    , m_horizontalBar(new QScrollBar(Qt::Horizontal, this))
    , m_verticalBar(new QScrollBar(Qt::Vertical, this))
    , m_corner(new QWidget(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setColor(m_color);

    m_view->setObjectName(QStringLiteral("ImageWidz"));
    m_view->setMouseTracking(true);
    m_view->setAttribute(Qt::WA_OpaquePaintEvent);
    m_view->installEventFilter(this);

    auto *barStyle = new ViewerScrollStyle(m_scrollBars, this);
    for (QScrollBar *bar : {m_horizontalBar, m_verticalBar}) {
        bar->setStyle(barStyle);
        bar->setFocusPolicy(Qt::ClickFocus);
        bar->installEventFilter(this);
    }
    m_horizontalBar->setObjectName(QStringLiteral("HorizontalBar"));
    m_verticalBar->setObjectName(QStringLiteral("VerticalBar"));
    connect(m_horizontalBar, &QScrollBar::valueChanged, this,
        [this](int value) { barMoved(Qt::Horizontal, value); });
    connect(m_verticalBar, &QScrollBar::valueChanged, this,
        [this](int value) { barMoved(Qt::Vertical, value); });

    m_corner->setObjectName(QStringLiteral("Corner"));
    m_corner->setCursor(Qt::CrossCursor);
    m_corner->setAttribute(Qt::WA_OpaquePaintEvent);
    m_corner->installEventFilter(this);

    connect(m_scrollBars, &TScrollProperties::changed, this, &TTorvelImage::layOut);

    m_source = QImage(800, 600, QImage::Format_RGB32);
    m_source.fill(m_color);
    resize(200, 200);
    layOut();
}

TTorvelImage::~TTorvelImage()
{
    // The bars go first: their style reads the scroll settings, which would otherwise go before
    // them. Half-destroyed, they are no scroll bars any more: no event of theirs comes here.
    m_horizontalBar->removeEventFilter(this);
    m_verticalBar->removeEventFilter(this);
    delete m_horizontalBar;
    delete m_verticalBar;
}

void TTorvelImage::setPicture(const QImage &picture)
{
    m_source = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    GetZoom();
    redraw();
}

void TTorvelImage::setZoom(double zoom)
{
    m_zoom = zoom == 0 ? 1 : zoom;
    GetZoom();
    redraw();
}

void TTorvelImage::setStylRysowania(TStylRysowania style)
{
    m_stylRysowania = style;
}

void TTorvelImage::setColor(const QColor &colour)
{
    m_color = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    redraw();
}

QImage *TTorvelImage::Canvas()
{
    redraw();
    return &m_source;
}

void TTorvelImage::LoadFromFile(const QString &fileName)
{
    setPicture(picturefile::read(fileName));
}

void TTorvelImage::SaveToFile(const QString &fileName) const
{
    // The format follows the file name; a name without a known one gets a bitmap.
    QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "bmp";
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(format == "jpg" || format == "jpeg" ? 90 : -1);
    if (!writer.write(m_source))
        throw AppError::unableToWrite(fileName);
    safefile::write(fileName, buffer.data());
}

void TTorvelImage::GetZoom()
{
    // From the control's size rather than the view's, which a hidden control only gets when shown.
    const QSize view = ViewerGeometry::layout(size(), m_scrollBars->thickness()).view.size();
    m_scaled = ViewerGeometry::scaledSize(m_source.size(), m_zoom);
    m_horizontal = axis(view.width(), m_scaled.width());
    m_vertical = axis(view.height(), m_scaled.height());
    m_positions = {m_horizontal.clamp(m_positions.x()), m_vertical.clamp(m_positions.y())};
    syncBars();
}

int TTorvelImage::Fx(int x) const
{
    return toSource(x, m_horizontal.pictureOffset(m_positions.x()), m_zoom);
}

int TTorvelImage::Fy(int y) const
{
    return toSource(y, m_vertical.pictureOffset(m_positions.y()), m_zoom);
}

void TTorvelImage::setPositions(QPointF positions)
{
    m_positions = {m_horizontal.clamp(positions.x()), m_vertical.clamp(positions.y())};
    syncBars();
    redraw();
}

int TTorvelImage::cornerBorderWidth() const
{
    return m_scrollBars->thickness() / 4;
}

bool TTorvelImage::pictureExceedsView() const
{
    return m_horizontal.pictureLarger || m_vertical.pictureLarger;
}

void TTorvelImage::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layOut();
    emit OnResize();
}

void TTorvelImage::layOut()
{
    const Layout parts = ViewerGeometry::layout(size(), m_scrollBars->thickness());
    m_view->setGeometry(parts.view);
    m_horizontalBar->setGeometry(parts.horizontalBar);
    m_verticalBar->setGeometry(parts.verticalBar);
    m_corner->setGeometry(parts.corner);
    for (QScrollBar *bar : {m_horizontalBar, m_verticalBar})
        bar->update();
    m_corner->update();
    GetZoom();
    redraw();
}

void TTorvelImage::syncBars()
{
    m_syncingBars = true;
    const auto sync = [this](QScrollBar *bar, const Axis &axis, double position) {
        bar->setRange(0, std::max(axis.maxPosition(), 0));
        bar->setPageStep(axis.window);
        bar->setSingleStep(m_scrollBars->Increment());
        bar->setValue(roundEven(position));
    };
    sync(m_horizontalBar, m_horizontal, m_positions.x());
    sync(m_verticalBar, m_vertical, m_positions.y());
    m_syncingBars = false;
}

void TTorvelImage::barMoved(Qt::Orientation orientation, int value)
{
    if (!m_syncingBars) {
        (orientation == Qt::Horizontal ? m_positions.rx() : m_positions.ry()) = value;
        if (!m_active)
            redraw();
    }
    emit OnScroll(this, m_positions.y(), m_positions.x());
}

void TTorvelImage::redraw()
{
    m_renderStale = true;
    m_view->update();
}

void TTorvelImage::renderView()
{
    m_renderStale = false;
    if (m_view->size().isEmpty()) {
        m_render = QImage();
        return;
    }
    m_render = QImage(m_view->size(), QImage::Format_RGB32);
    QPainter painter(&m_render);
    drawBackground(painter);
    drawPicture(painter);
}

void TTorvelImage::drawBackground(QPainter &painter) const
{
    painter.fillRect(m_render.rect(), m_color);
}

void TTorvelImage::drawPicture(QPainter &painter) const
{
    if (m_source.isNull() || m_scaled.isEmpty())
        return;
    const QRect target = pictureRect(m_scaled, m_horizontal, m_vertical, m_positions);
    const QRect visible = target & m_render.rect();
    if (visible.isEmpty())
        return;
    // Only the visible part is scaled, so a large zoom costs no more than the view's size.
    const double sx = double(m_source.width()) / target.width();
    const double sy = double(m_source.height()) / target.height();
    const QRectF from((visible.x() - target.x()) * sx, (visible.y() - target.y()) * sy,
        visible.width() * sx, visible.height() * sy);
    // Reductions are smoothed; enlargements keep their pixels sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, sx > 1 || sy > 1);
    painter.drawImage(QRectF(visible), m_source, from);
}

void TTorvelImage::paintView(QPainter &painter)
{
    if (m_renderStale)
        renderView();
    painter.drawImage(0, 0, m_render);
}

void TTorvelImage::paintCorner(QPainter &painter) const
{
    const QRect outer = m_corner->rect();
    const QBrush face = m_corner->palette().button();
    qDrawShadePanel(&painter, outer, m_corner->palette(), true, 1, &face);
    const int inset = 1 + cornerBorderWidth();
    const QRect inner = outer.adjusted(inset, inset, -inset, -inset);
    if (inner.width() > 1 && inner.height() > 1)
        qDrawShadePanel(&painter, inner, m_corner->palette(), true, 1, &face);
}

bool TTorvelImage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view)
        return viewEvent(event);
    if (watched == m_corner) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_corner);
            paintCorner(painter);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            openNavigator();
            return true;
        }
        return false;
    }
    if (watched == m_horizontalBar || watched == m_verticalBar)
        return barEvent(static_cast<QScrollBar *>(watched), event);
    return QFrame::eventFilter(watched, event);
}

bool TTorvelImage::viewEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_view);
        paintView(painter);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        emit OnDblClick();
        [[fallthrough]];
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_panOrigin = m_positions;
        m_panStart = mouse->position().toPoint();
        m_active = m_stylRysowania == srObiekt;
        emit OnMouseDown(
            mouse->button(), mouse->modifiers(), Fx(m_panStart.x()), Fy(m_panStart.y()));
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        if (m_active && mouse->buttons().testFlag(Qt::LeftButton))
            setPositions({panPosition(m_horizontal, m_panOrigin.x(), m_panStart.x(), at.x()),
                panPosition(m_vertical, m_panOrigin.y(), m_panStart.y(), at.y())});
        emit OnMouseMove(mouse->buttons(), mouse->modifiers(), Fx(at.x()), Fy(at.y()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        m_panOrigin = m_positions;
        m_active = false;
        emit OnMouseUp(mouse->button(), mouse->modifiers(), Fx(at.x()), Fy(at.y()));
        emit OnClick();
        return true;
    }
    case QEvent::Enter:
        emit OnMouseEnter();
        return false;
    case QEvent::Leave:
        emit OnMouseLeave();
        return false;
    default:
        return false;
    }
}

bool TTorvelImage::barEvent(QScrollBar *bar, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        bar->setFocus(Qt::MouseFocusReason);
        emit OnEndScroll(this, m_positions.y(), m_positions.x());
    } else if (event->type() == QEvent::MouseButtonRelease) {
        emit OnCanScroll(this, m_positions.y(), m_positions.x());
    }
    return false;
}

void TTorvelImage::openNavigator()
{
    if (!pictureExceedsView() || m_source.isNull())
        return;
    m_active = true;
    TFormTorvel navigator(m_source, this);
    const QSize thumbnail = navigator.thumbnailSize();
    navigator.setViewOutline(navigatorCursorSize(m_view->size(), m_scaled, thumbnail));
    navigator.setStartPoint(thumbnailPoint(m_positions, m_scaled, thumbnail));
    const int t = m_scrollBars->thickness();
    navigator.setAnchor(mapToGlobal(QPoint(width() - t, height() - t)));
    connect(&navigator, &TFormTorvel::thumbnailDragged, this,
        [this, thumbnail](QPoint point) { navigateTo(point, thumbnail); });
    navigator.exec();
    m_active = false;
    m_panOrigin = m_positions;
}

// Only the axes on which the picture overflows follow the thumbnail; on the others the bar
// places a smaller picture and the thumbnail says nothing about it.
void TTorvelImage::navigateTo(QPoint thumbnailPoint, QSize thumbnail)
{
    QPointF target = m_positions;
    if (m_horizontal.pictureLarger)
        target.setX(
            navigatorPosition(thumbnailPoint.x(), thumbnail.width(), m_source.width(), m_zoom));
    if (m_vertical.pictureLarger)
        target.setY(
            navigatorPosition(thumbnailPoint.y(), thumbnail.height(), m_source.height(), m_zoom));
    setPositions(target);
}
