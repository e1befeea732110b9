#include "PageBackground.h"

#include <QContextMenuEvent>
#include <QPainter>

PageBackground::PageBackground(const QString &name, QWidget *parent) : QWidget(parent)
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

void PageBackground::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PageBackground::clear()
{
    m_picture = QImage();
    update();
}

void PageBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_picture.isNull()) {
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
