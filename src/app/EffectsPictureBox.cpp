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
    , m_picture(PictureSize, kBitmap24)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrame);
    resize(PictureSize.width() + 2 * kFrame, PictureSize.height() + 2 * kFrame);
    m_picture.fill(Qt::white);
}

void EffectsPictureBox::setPicture(const QImage &picture)
{
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
    p.drawImage(QPoint(kFrame, kFrame), m_picture);
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
