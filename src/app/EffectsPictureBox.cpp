#include "app/EffectsPictureBox.h"

#include "effects/Bitmap24.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kFrame = 2;
} // namespace

EffectsPictureBox::EffectsPictureBox(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrame);
    resize(PictureSize.width() + 2 * kFrame, PictureSize.height() + 2 * kFrame);
}

const QImage &EffectsPictureBox::picture() const
{
    if (m_white) {
        m_picture = QImage(PictureSize, kBitmap24);
        m_picture.fill(Qt::white);
        m_white = false;
    }
    return m_picture;
}

void EffectsPictureBox::setPicture(const QImage &picture)
{
    m_white = false;
    m_picture = asBitmap24(picture);
    update();
}

QPoint EffectsPictureBox::toPicture(const QPoint &boxPoint)
{
    return boxPoint - QPoint(kFrame, kFrame);
}

void EffectsPictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.drawImage(QPoint(kFrame, kFrame), picture());
}

void EffectsPictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(toPicture(event->position().toPoint()));
}

void EffectsPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(toPicture(event->position().toPoint()));
}

void EffectsPictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit released(toPicture(event->position().toPoint()));
}

void EffectsPictureBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_menu && m_popupEnabled)
        m_menu->popup(event->globalPos());
}
