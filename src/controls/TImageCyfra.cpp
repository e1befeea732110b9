#include "controls/TImageCyfra.h"

#include "controls/CyfraGeometry.h"

#include <QPainter>

TImageCyfra::TImageCyfra(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel is painted, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(50, 80);
    redraw();
}

TImageCyfra::~TImageCyfra() = default;

void TImageCyfra::setCyfra(int digit)
{
    m_cyfra = digit;
    redraw();
}

void TImageCyfra::setGrubosc(int thickness)
{
    m_grubosc = thickness;
    redraw();
}

void TImageCyfra::setDwukropek(bool colon)
{
    m_dwukropek = colon;
    redraw();
}

void TImageCyfra::setColorTla(const QColor &colour)
{
    m_colorTla = colour;
    redraw();
}

void TImageCyfra::setColorKreski(const QColor &colour)
{
    m_colorKreski = colour;
    redraw();
}

int TImageCyfra::segmentLength() const
{
    return CyfraGeometry::layout(width(), height(), m_grubosc).length;
}

QSize TImageCyfra::sizeHint() const
{
    return {50, 80};
}

void TImageCyfra::Change()
{
    emit changed(this);
    redraw();
}

void TImageCyfra::redraw()
{
    update();
}

void TImageCyfra::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The figure is defined pixel by pixel; smoothing would blur the seams between segments.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const CyfraGeometry::Layout layout = CyfraGeometry::layout(width(), height(), m_grubosc);
    drawBackground(painter, layout);
    drawSegments(painter, layout);
    drawColon(painter, layout);
}

void TImageCyfra::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Change();
}

void TImageCyfra::drawBackground(QPainter &painter, const CyfraGeometry::Layout &layout) const
{
    painter.fillRect(QRect(0, 0, layout.width, layout.height), m_colorTla);
}

void TImageCyfra::drawSegments(QPainter &painter, const CyfraGeometry::Layout &layout) const
{
    // A one-pixel outline in the fill colour makes the edge points of each polygon part of it.
    QPen pen(m_colorKreski, 0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(m_colorKreski);
    for (const QPolygon &polygon : CyfraGeometry::litSegments(layout, m_cyfra))
        painter.drawPolygon(polygon);
}

void TImageCyfra::drawColon(QPainter &painter, const CyfraGeometry::Layout &layout) const
{
    if (!m_dwukropek)
        return;
    for (const QRect &square : CyfraGeometry::colonRects(layout))
        painter.fillRect(square, m_colorKreski);
}
