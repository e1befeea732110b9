#include "app/PageBackground.h"

#include "controls/PictureFile.h"

#include <QContextMenuEvent>
#include <QPainter>

PageBackground::PageBackground(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    // Always the whole page, under everything else on it.
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    lower();
}

bool PageBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

namespace {
QImage stretched(const QImage &picture, const QSize &size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
} // namespace

void PageBackground::takePrepared() const
{
    if (!m_preparing.valid())
        return;
    Prepared prepared = m_preparing.get();
    m_picture = std::move(prepared.picture);
    m_stretched = std::move(prepared.stretched);
}

const QImage &PageBackground::picture() const
{
    if (m_preparing.valid()) {
        takePrepared();
    } else if (!m_pendingFile.isEmpty()) {
        m_picture = picturefile::tryRead(m_pendingFile);
        m_pendingFile.clear();
    }
    return m_picture;
}

void PageBackground::setPicture(const QImage &picture)
{
    takePrepared();
    m_pendingFile.clear();
    m_picture = picture;
    m_stretched = QImage();
    update();
}

void PageBackground::setPictureFile(const QString &path)
{
    takePrepared();
    m_pendingFile = path;
    m_picture = QImage();
    m_stretched = QImage();
    update();
}

void PageBackground::prefetch()
{
    if (m_pendingFile.isEmpty() || m_preparing.valid())
        return;
    m_preparing = std::async(std::launch::async, [path = m_pendingFile] {
        return Prepared {picturefile::tryRead(path), QImage()};
    });
    m_pendingFile.clear();
}

void PageBackground::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Still being decoded: as soon as it is, a worker stretches it to the new size, before the
    // first paint.
    if (m_preparing.valid() && !size().isEmpty()) {
        m_preparing = std::async(
            std::launch::async, [decoding = std::move(m_preparing), size = size()]() mutable {
                Prepared prepared = decoding.get();
                prepared.stretched = stretched(prepared.picture, size);
                return prepared;
            });
    }
}

void PageBackground::clear()
{
    setPicture(QImage());
}

void PageBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (picture().isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    if (m_stretched.size() != size())
        m_stretched = stretched(m_picture, size());
    p.drawImage(0, 0, m_stretched);
}

void PageBackground::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuWanted(event->globalPos());
}

void PageBackground::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    emit clicked();
}
