#include "cookbook/ShownText.h"

namespace showntext {

QString cut(const QString &text, qsizetype maxCharacters)
{
    if (text.size() <= maxCharacters)
        return text;
    qsizetype end = maxCharacters;
    // Never split a surrogate pair.
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end) + QChar(0x2026);
}

QString wrappable(const QString &text)
{
    constexpr QChar zeroWidthSpace(0x200B);
    qsizetype run = 0;
    bool needed = false;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > UnbrokenCharacters) {
            needed = true;
            break;
        }
    }
    if (!needed)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / UnbrokenCharacters + 1);
    run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            run = 0;
        } else if (run >= UnbrokenCharacters && !c.isLowSurrogate()) {
            out += zeroWidthSpace;
            run = 0;
        }
        out += c;
        if (!c.isSpace())
            ++run;
    }
    return out;
}

} // namespace showntext
