#include "app/EffectsColourBox.h"

#include <QMouseEvent>
#include <QPainter>

EffectsColourBox::EffectsColourBox(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setCursor(Qt::PointingHandCursor);
}

void EffectsColourBox::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void EffectsColourBox::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(contentsRect(), m_colour);
    QFrame::paintEvent(event);
}

void EffectsColourBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
