#include "controls/TFormTorvel.h"

#include "controls/ViewerGeometry.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {

constexpr int kMargin = 2;

// The outline of the view with a cross at its centre; the hot spot is the outline's top-left.
// The cross may reach past a small outline, so the picture covers both.
QCursor outlineCursor(QSize outline)
{
    const QRect frame(QPoint(0, 0), outline.expandedTo(QSize(1, 1)));
    const QPoint centre(frame.width() / 2, frame.height() / 2);
    const int arm = ViewerGeometry::CrossArm;
    const QRect cross(centre - QPoint(arm, arm), QSize(2 * arm + 1, 2 * arm + 1));
    const QRect bounds = frame | cross;
    QPixmap picture(bounds.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-bounds.topLeft());
    // Black on a white halo stays visible on light and dark photos alike.
    for (const auto &[colour, inset] : {std::pair {QColor(Qt::black), 0}, {QColor(Qt::white), 1}}) {
        painter.setPen(colour);
        painter.drawRect(frame.adjusted(inset, inset, -1 - inset, -1 - inset));
    }
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(centre.x() - arm, centre.y(), centre.x() + arm, centre.y());
    painter.drawLine(centre.x(), centre.y() - arm, centre.x(), centre.y() + arm);
    painter.setPen(Qt::black);
    painter.drawLine(centre.x() - arm, centre.y(), centre.x() + arm, centre.y());
    painter.drawLine(centre.x(), centre.y() - arm, centre.x(), centre.y() + arm);
    painter.end();
    return QCursor(picture, -bounds.left(), -bounds.top());
}

} // namespace

TFormTorvel::TFormTorvel(const QImage &picture, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_thumbnail(new QWidget(this))
{
    setWindowTitle(QStringLiteral("Nawigator"));
    const QSize size = ViewerGeometry::thumbnailSize(picture.size());
    m_picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_thumbnail->setObjectName(QStringLiteral("Thumbnail"));
    m_thumbnail->setGeometry(QRect(QPoint(kMargin, kMargin), size));
    m_thumbnail->setAttribute(Qt::WA_OpaquePaintEvent);
    m_thumbnail->setMouseTracking(true);
    m_thumbnail->installEventFilter(this);
    // The thumbnail's width is the window's less five pixels, as in a 200-pixel-wide window.
    setFixedSize(size.width() + 5, size.height() + 2 * kMargin);
}

TFormTorvel::~TFormTorvel() = default;

QSize TFormTorvel::thumbnailSize() const
{
    return m_thumbnail->size();
}

void TFormTorvel::setViewOutline(QSize outline)
{
    m_outline = outline;
    m_thumbnail->setCursor(outlineCursor(outline));
}

void TFormTorvel::setStartPoint(QPoint point)
{
    m_start = point;
}

void TFormTorvel::setAnchor(QPoint bottomRight)
{
    m_anchor = bottomRight;
    m_hasAnchor = true;
}

bool TFormTorvel::canMovePointer()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows")
        || platform == QLatin1String("cocoa");
}

void TFormTorvel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_hasAnchor)
        move(m_anchor - QPoint(frameGeometry().width(), frameGeometry().height()));
    // The window manager places the window after this returns; the pointer goes there then.
    QTimer::singleShot(0, this,
        [this] { placePointer(ViewerGeometry::confine(m_start, m_outline, thumbnailSize())); });
}

void TFormTorvel::placePointer(QPoint thumbnailPoint) const
{
    if (canMovePointer())
        QCursor::setPos(m_thumbnail->mapToGlobal(thumbnailPoint));
}

bool TFormTorvel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_thumbnail)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_thumbnail);
        painter.drawImage(0, 0, m_picture);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        const QPoint kept = ViewerGeometry::confine(at, m_outline, thumbnailSize());
        if (kept != at)
            placePointer(kept);
        if (mouse->buttons().testFlag(Qt::LeftButton))
            emit thumbnailDragged(kept);
        return true;
    }
    case QEvent::MouseButtonRelease:
        accept();
        return true;
    default:
        return false;
    }
}
