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

const QImage &PageBackground::picture() const
{
    if (m_decoding.isValid()) {
        m_picture = m_decoding.take();
    } else if (!m_pendingFile.isEmpty()) {
        m_picture = picturefile::tryRead(m_pendingFile);
        m_pendingFile.clear();
    }
    return m_picture;
}

void PageBackground::setPicture(const QImage &picture)
{
    m_decoding.take();
    m_pendingFile.clear();
    m_picture = picture;
    update();
}

void PageBackground::setPictureFile(const QString &path)
{
    m_decoding.take();
    m_pendingFile = path;
    m_picture = QImage();
    update();
}

void PageBackground::prefetch()
{
    if (m_pendingFile.isEmpty() || m_decoding.isValid())
        return;
    m_decoding = picturefile::Pending(m_pendingFile);
    m_pendingFile.clear();
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
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_picture);
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
