#include "cookbook/XmlWriter.h"

#include "cookbook/XmlNode.h"
#include "core/AppError.h"

#include <QStringDecoder>

#include <array>
#include <cstdio>

namespace {

// Windows-1250 byte of each character of the basic plane, 0 where the code page has none. Made
// from Qt's own converter, once.
const std::array<unsigned char, 0x10000> &codePage()
{
    static const std::array<unsigned char, 0x10000> table = [] {
        std::array<unsigned char, 0x10000> t {};
        for (int c = 1; c < 0x80; ++c)
            t[size_t(c)] = static_cast<unsigned char>(c);
        for (int b = 0x80; b <= 0xFF; ++b) {
            QStringDecoder decoder("windows-1250");
            const QString one = decoder.decode(QByteArray(1, char(b)));
            if (!decoder.hasError() && one.size() == 1 && one[0].unicode() != 0xFFFD)
                t[one[0].unicode()] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return table;
}

// The same rule the reader keeps: characters XML 1.0 cannot carry at all are left out.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

enum class Context { Text, Attribute, Verbatim };

class Writer
{
public:
    QByteArray take() { return std::move(m_out); }

    // format: the library lays out lines and indentation only while no element on the way down
    // holds text.
    void element(const XmlNode &node, int level, bool parentFormat = true)
    {
        checkName(node.name());
        m_out += '<';
        appendName(node.name());
        for (const XmlAttribute &a : node.attributes()) {
            checkName(a.name);
            m_out += ' ';
            appendName(a.name);
            m_out += "=\"";
            append(a.value, Context::Attribute);
            m_out += '"';
        }
        if (node.childCount() == 0) {
            m_out += "/>";
            return;
        }
        m_out += '>';
        // Text inside an element fixes its layout: nothing is indented within it.
        bool format = parentFormat;
        for (int i = 0; i < node.childCount() && format; ++i)
            format = node.child(i)->kind() != XmlNode::Kind::Text;
        if (format)
            m_out += '\n';
        for (int i = 0; i < node.childCount(); ++i) {
            const XmlNode &child = *node.child(i);
            if (format && child.kind() != XmlNode::Kind::Text)
                indent(level + 1);
            switch (child.kind()) {
            case XmlNode::Kind::Element:
                element(child, level + 1, format);
                break;
            case XmlNode::Kind::Text:
                append(child.value(), Context::Text);
                break;
            case XmlNode::Kind::Comment:
                m_out += "<!--";
                append(child.value(), Context::Verbatim);
                m_out += "-->";
                break;
            case XmlNode::Kind::ProcessingInstruction:
                checkName(child.name());
                m_out += "<?";
                appendName(child.name());
                m_out += ' ';
                append(child.value(), Context::Verbatim);
                m_out += "?>";
                break;
            }
            if (format)
                m_out += '\n';
        }
        if (format)
            indent(level);
        m_out += "</";
        appendName(node.name());
        m_out += '>';
    }

private:
    // Two blanks a level, at most sixty, as the library indents; inside text, none.
    void indent(int level)
    {
        if (level > 0)
            m_out.append(qsizetype(std::min(level, 30) * 2), ' ');
    }

    static void checkName(const QString &name)
    {
        const auto &table = codePage();
        for (QChar c : name)
            if (c.unicode() >= 0x80 && !table[c.unicode()])
                throw AppError(
                    QStringLiteral("The name '%1' cannot be written in Windows-1250").arg(name));
    }

    void appendName(const QString &name) { append(name, Context::Verbatim); }

    void reference(char32_t c)
    {
        char buffer[16];
        m_out.append(buffer, std::snprintf(buffer, sizeof buffer, "&#%u;", unsigned(c)));
    }

    void append(const QString &s, Context context)
    {
        const auto &table = codePage();
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            char16_t u = s[i].unicode();
            if (u < 0x80) {
                switch (u) {
                case u'&':
                    m_out += context == Context::Verbatim ? "&" : "&amp;";
                    continue;
                case u'<':
                    m_out += context == Context::Verbatim ? "<" : "&lt;";
                    continue;
                case u'>':
                    m_out += context == Context::Verbatim ? ">" : "&gt;";
                    continue;
                case u'"':
                    m_out += context == Context::Attribute ? "&quot;" : "\"";
                    continue;
                case u'\r':
                    if (context == Context::Text) {
                        // A lone CR is what a reader would make a line feed of anyway.
                        if (!(i + 1 < n && s[i + 1] == u'\n'))
                            m_out += '\n';
                        continue;
                    }
                    if (context == Context::Attribute) {
                        m_out += "&#13;";
                        continue;
                    }
                    break;
                case u'\n':
                    if (context == Context::Attribute) {
                        m_out += "&#10;";
                        continue;
                    }
                    break;
                case u'\t':
                    if (context == Context::Attribute) {
                        m_out += "&#9;";
                        continue;
                    }
                    break;
                default:
                    if (u < 0x20)
                        continue;
                }
                m_out += char(u);
                continue;
            }
            char32_t c = u;
            if (QChar::isHighSurrogate(u)) {
                if (i + 1 >= n || !QChar::isLowSurrogate(s[i + 1].unicode()))
                    continue;
                c = QChar::surrogateToUcs4(u, s[++i].unicode());
            } else if (QChar::isLowSurrogate(u) || !isXmlChar(c)) {
                continue;
            } else if (const unsigned char b = table[u]) {
                m_out += char(b);
                continue;
            }
            reference(c);
        }
    }

    QByteArray m_out;
};

} // namespace

namespace xmlwriter {

QByteArray writeElement(const XmlNode &root)
{
    Writer writer;
    writer.element(root, 0);
    return writer.take();
}

} // namespace xmlwriter
