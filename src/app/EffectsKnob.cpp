#include "app/EffectsKnob.h"

#include "effects/Emboss.h"

#include <QMouseEvent>
#include <QPainter>

EffectsKnob::EffectsKnob(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(40, 40);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    drawFor(1);
}

void EffectsKnob::drawFor(int angle)
{
    m_picture = embossKnobPicture(angle, palette().color(QPalette::Button));
    update();
}

void EffectsKnob::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, m_picture);
}

void EffectsKnob::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
}

void EffectsKnob::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint());
}

void EffectsKnob::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit released(event->position().toPoint());
}
