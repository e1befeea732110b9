#include "core/Win1250.h"

#include "core/AppError.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace win1250 {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text, bool *lossless)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError() && decode(out) == text;
    return out;
}

QString unencodable(const QString &text)
{
    QString bad;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString one = pair ? text.mid(i, 2) : text.mid(i, 1);
        if (pair)
            ++i;
        bool ok = false;
        encode(one, &ok);
        if (!ok && !bad.contains(one))
            bad += one;
    }
    return bad;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // A read-only file stays as it is, even though the folder would let us replace it.
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        throw AppError::unableToWrite(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError::unableToWrite(path);
}

} // namespace win1250
