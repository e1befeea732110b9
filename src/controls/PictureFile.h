#pragma once

#include <QImage>
#include <QString>
#include <functional>

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

} // namespace picturefile
