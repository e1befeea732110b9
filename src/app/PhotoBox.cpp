#include "app/PhotoBox.h"

#include "controls/PictureFile.h"
#include "core/AppError.h"
#include "core/Rounding.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kFrame = 2;
const QColor kMargin(0xF4, 0xF1, 0xEA);
} // namespace

PhotoBox::PhotoBox(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrame);
    setFixedSize(PictureWidth + 2 * kFrame, PictureHeight + 2 * kFrame);
    setToolTip(QStringLiteral("kliknij aby zobaczyc inne fotki"));
    setCursor(Qt::PointingHandCursor);
}

QSize PhotoBox::sizeHint() const
{
    return {PictureWidth + 2 * kFrame, PictureHeight + 2 * kFrame};
}

QRect PhotoBox::fitRect(QSize picture, QSize box)
{
    using rounding::divHalfEven;
    using rounding::i128;
    if (picture.height() <= 0 || picture.width() <= 0)
        return QRect(QPoint(0, 0), box);
    const i128 ratio = divHalfEven(i128(picture.width()) * 10000, picture.height());
    const int x0 = int(divHalfEven(i128(box.width()) * 10000 - i128(box.height()) * ratio, 20000));
    return QRect(x0, 0, box.width() - 2 * x0, box.height());
}

void PhotoBox::clear()
{
    m_picture = QImage();
    update();
}

void PhotoBox::ShowPhoto(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        clear();
        return;
    }
    const QSize box(PictureWidth, PictureHeight);
    QRect target;
    const QImage photo = picturefile::read(path, [&](QImageReader &reader) {
        const bool turned
            = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        QSize size = reader.size();
        if (turned)
            size.transpose();
        target = size.isValid() ? fitRect(size, box) : QRect();
        // Decoding straight to the drawn size keeps large camera photos quick.
        if (size.isValid() && !turned && target.width() < size.width())
            reader.setScaledSize(target.size());
    });
    if (!target.isValid())
        target = fitRect(photo.size(), box);

    QImage bitmap(box, QImage::Format_RGB32);
    bitmap.fill(kMargin);
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, photo);
    p.end();
    m_picture = bitmap;
    update();
}

void PhotoBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect area = contentsRect();
    if (m_picture.isNull())
        p.fillRect(area, kMargin);
    else
        p.drawImage(area.topLeft(), m_picture);
}

void PhotoBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(int(event->position().x()) - contentsRect().left());
    event->accept();
}
