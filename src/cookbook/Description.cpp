#include "cookbook/Description.h"

#include <QRegularExpression>

namespace {

const QString kStartTag = QStringLiteral("<opis>");
const QString kEndTag = QStringLiteral("</opis>");

// Splits like a list of lines: CR LF, CR or LF end a line; a final line break adds no line.
QStringList splitLines(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isBlank(const QString &s)
{
    for (QChar c : s)
        if (c != u' ')
            return false;
    return true;
}

// Drops the tag lines around the description. Text that shares a line with a tag is kept: only
// the tag itself is markup. An empty element (<opis/>) has no lines at all.
void dropTagLines(QStringList &lines)
{
    static const QRegularExpression startTag(QStringLiteral("^\\s*<opis(\\s[^>]*)?>"));
    static const QRegularExpression emptyTag(QStringLiteral("^\\s*<opis(\\s[^>]*)?/>\\s*$"));
    if (lines.size() == 1 && emptyTag.match(lines.first()).hasMatch()) {
        lines.clear();
        return;
    }
    if (!lines.isEmpty()) {
        QString first = lines.first();
        const QRegularExpressionMatch m = startTag.match(first);
        const qsizetype plain = first.indexOf(kStartTag);
        if (m.hasMatch())
            first = first.mid(m.capturedEnd());
        else if (plain >= 0)
            first = first.mid(plain + kStartTag.size());
        if (m.hasMatch() || plain >= 0) {
            if (isBlank(first))
                lines.removeFirst();
            else
                lines.first() = first;
        }
    }
    if (!lines.isEmpty()) {
        const qsizetype end = lines.last().lastIndexOf(kEndTag);
        if (end >= 0) {
            const QString before = lines.last().left(end);
            if (isBlank(before))
                lines.removeLast();
            else
                lines.last() = before;
        }
    }
}

} // namespace

QString UnescapeXmlText(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const qsizetype semi = c == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (semi < 0 || semi - i > 12) {
            out += c;
            continue;
        }
        const QString name = text.mid(i + 1, semi - i - 1);
        char32_t code = 0;
        bool ok = true;
        if (name == u"amp")
            code = u'&';
        else if (name == u"lt")
            code = u'<';
        else if (name == u"gt")
            code = u'>';
        else if (name == u"quot")
            code = u'"';
        else if (name == u"apos")
            code = u'\'';
        else if (name.startsWith(u"#x") || name.startsWith(u"#X"))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(u'#'))
            code = name.mid(1).toUInt(&ok, 10);
        else
            ok = false;
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += c;
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i = semi;
    }
    return out;
}

QStringList DescriptionLines(const QString &markup, bool dropSixBlankLines)
{
    QString text = markup;
    text.remove(QStringLiteral("<br/>"));
    text.remove(u'\t');
    QStringList lines = splitLines(text);
    dropTagLines(lines);
    QStringList out;
    out.reserve(lines.size());
    for (const QString &line : std::as_const(lines)) {
        if (dropSixBlankLines && line == QStringLiteral("      "))
            continue;
        out.append(UnescapeXmlText(line));
    }
    return out;
}

QString CopiedDescriptionText(const QString &markup)
{
    QString text = markup;
    text.remove(u'\t');
    text.replace(QStringLiteral("<br/>"), QStringLiteral("\n"));
    QStringList lines = splitLines(text);
    dropTagLines(lines);
    QString joined;
    for (const QString &line : std::as_const(lines))
        joined += UnescapeXmlText(line) + QStringLiteral("\r\n");
    return OwnDescriptionText(joined);
}

QString OwnDescriptionText(const QString &memoText)
{
    return QStringLiteral("\r\t\t\t\t") + memoText + QStringLiteral("\r\t\t\t");
}
