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
}

void EffectsKnob::drawFor(int angle)
{
    m_angle = angle;
    m_picture = QImage();
    update();
}

const QImage &EffectsKnob::picture() const
{
    if (m_picture.isNull())
        m_picture = embossKnobPicture(m_angle, palette().color(QPalette::Button));
    return m_picture;
}

void EffectsKnob::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, picture());
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
