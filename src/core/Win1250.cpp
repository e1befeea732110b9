#include "core/Win1250.h"

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

} // namespace win1250
