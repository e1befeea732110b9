#include "controls/PictureFile.h"

#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace picturefile {

QImage read(const QString &path, const std::function<void(QImageReader &)> &prepare)
{
    QBuffer buffer;
    QImageReader reader;
    if (path.startsWith(u':')) {
        // Our own pictures are what their names say: no search through every image plugin.
        reader.setFileName(path);
        reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
        reader.setAutoDetectImageFormat(false);
        // Built-in backgrounds are textures: the faster JPEG decoding does them no harm.
        reader.setQuality(49);
    } else {
        buffer.setData(safefile::read(path, MaxBytes));
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        // The content decides the format, as for a file opened by name; the suffix is a hint.
        reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
        reader.setDecideFormatFromContent(true);
    }
    reader.setAutoTransform(true);
    if (prepare)
        prepare(reader);
    QImage picture = reader.read();
    if (picture.isNull())
        throw AppError(
            QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reader.errorString()));
    return picture;
}

QImage tryRead(const QString &path, QString *error)
{
    try {
        return read(path);
    } catch (const AppError &e) {
        if (error)
            *error = e.message();
        return QImage();
    }
}

namespace {
class PictureIcon : public QIconEngine
{
public:
    explicit PictureIcon(const QString &path)
        : m_path(path)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }

    QIconEngine *clone() const override { return new PictureIcon(m_path); }

private:
    const QIcon &loaded()
    {
        if (m_icon.isNull())
            m_icon = QIcon(QPixmap::fromImage(tryRead(m_path)));
        return m_icon;
    }

    QString m_path;
    QIcon m_icon;
};
} // namespace

QIcon icon(const QString &path)
{
    return QIcon(new PictureIcon(path));
}

Pending::Pending(const QString &path, QImage::Format format)
    : m_future(std::async(std::launch::async, [path, format] {
        QImage picture = tryRead(path);
        return format == QImage::Format_Invalid ? picture : picture.convertToFormat(format);
    }))
{ }

QImage Pending::take()
{
    return m_future.valid() ? m_future.get() : QImage();
}
} // namespace picturefile
