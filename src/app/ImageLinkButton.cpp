#include "app/ImageLinkButton.h"

#include "controls/PictureFile.h"

#include <QPainter>

ImageLinkButton::ImageLinkButton(
    const QString &name, const QString &upPicture, const QString &downPicture, QWidget *parent)
    : QAbstractButton(parent)
    , m_decoding(upPicture, QImage::Format_ARGB32_Premultiplied)
    , m_downPicture(downPicture)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

const QPixmap &ImageLinkButton::up() const
{
    if (m_decoding.isValid())
        m_up = QPixmap::fromImage(m_decoding.take());
    return m_up;
}

QSize ImageLinkButton::sizeHint() const
{
    return up().isNull() ? QSize(153, 105) : up().deviceIndependentSize().toSize();
}

void ImageLinkButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (isDown() && m_down.isNull())
        m_down = QPixmap::fromImage(picturefile::tryRead(m_downPicture));
    const QPixmap &pm = (isDown() && !m_down.isNull()) ? m_down : up();
    p.drawPixmap(rect(), pm);
    if (m_hover || hasFocus()) {
        p.setPen(QPen(
            hasFocus() ? palette().color(QPalette::Highlight) : QColor(255, 255, 255, 160), 2));
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
}

void ImageLinkButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageLinkButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
