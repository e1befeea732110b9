#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <functional>
#include <future>

class QImageReader;

// Pictures from disk (backgrounds, recipe photos) are read whole through the bounded reader that
// refuses anything but a regular file, then decoded from memory: a FIFO or a device named as a
// picture can neither hang the program nor feed it without end. Built-in pictures (":/...") come
// straight from the program's resources.
namespace picturefile {

constexpr qint64 MaxBytes = 256LL * 1024 * 1024;

// The decoded picture, turned upright as its file says. prepare, when given, sees the reader
// before it decodes (to ask the size, or to decode straight to a smaller one). Throws AppError
// with a message naming the file when it cannot be read or is not a picture.
QImage read(const QString &path, const std::function<void(QImageReader &)> &prepare = {});

// The same without throwing: a null picture, and the message in *error when given.
QImage tryRead(const QString &path, QString *error = nullptr);

// An icon of a picture read when it is first drawn, as the PNG it is: an icon made from a file
// name asks every image plugin first.
QIcon icon(const QString &path);

// A picture decoded on a worker thread from the moment it is asked for, taken when first needed:
// start-up builds the window while its first pictures are being decoded.
class Pending
{
public:
    Pending() = default;
    // A format, when given, is the one the picture is turned into on the worker: the screen's own
    // (premultiplied ARGB) lets a pixmap take the picture without a copy.
    explicit Pending(const QString &path, QImage::Format format = QImage::Format_Invalid);
    bool isValid() const { return m_future.valid(); }
    // Waits for the decoding; a null picture when it failed or nothing was started.
    QImage take();

private:
    std::future<QImage> m_future;
};
} // namespace picturefile
