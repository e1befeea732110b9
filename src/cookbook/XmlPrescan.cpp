#include "cookbook/XmlPrescan.h"

#include <algorithm>
#include <cstring>

namespace {

class AttributeCounter
{
public:
    explicit AttributeCounter(const QByteArray &bytes)
        : m_begin(bytes.constData())
        , m_p(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
    { }

    // The line of the first element with too many attributes, or 0.
    int firstOverfullLine()
    {
        while (m_p < m_end) {
            const char *lt = static_cast<const char *>(memchr(m_p, '<', size_t(m_end - m_p)));
            if (!lt)
                return 0;
            m_p = lt;
            if (startsWith("<!--"))
                skipPast("-->");
            else if (startsWith("<![CDATA["))
                skipPast("]]>");
            else if (startsWith("<?"))
                skipPast("?>");
            else if (startsWith("<!"))
                skipDeclaration();
            else if (countAttributes() > xmlprescan::MaxAttributesPerElement)
                return lineAt(lt);
        }
        return 0;
    }

private:
    bool startsWith(const char *prefix) const
    {
        const size_t n = strlen(prefix);
        return size_t(m_end - m_p) >= n && memcmp(m_p, prefix, n) == 0;
    }

    void skipPast(const char *marker)
    {
        const size_t n = strlen(marker);
        const char *found
            = static_cast<const char *>(memmem(m_p + 1, size_t(m_end - m_p - 1), marker, n));
        m_p = found ? found + n : m_end;
    }

    // A declaration, the document type with its internal subset included.
    void skipDeclaration()
    {
        int depth = 0;
        char quote = 0;
        for (++m_p; m_p < m_end; ++m_p) {
            const char c = *m_p;
            if (quote) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '<' && startsWith("<!--")) {
                skipPast("-->");
                --m_p;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']') {
                --depth;
            } else if (c == '>' && depth <= 0) {
                ++m_p;
                return;
            }
        }
    }

    // Counts the '=' outside quoted values up to the end of the tag.
    int countAttributes()
    {
        int count = 0;
        char quote = 0;
        for (++m_p; m_p < m_end; ++m_p) {
            const char c = *m_p;
            if (quote) {
                const char *close
                    = static_cast<const char *>(memchr(m_p, quote, size_t(m_end - m_p)));
                m_p = close ? close : m_end - 1;
                quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=') {
                ++count;
            } else if (c == '>') {
                ++m_p;
                break;
            }
        }
        return count;
    }

    int lineAt(const char *at) const { return 1 + int(std::count(m_begin, at, '\n')); }

    const char *m_begin;
    const char *m_p;
    const char *m_end;
};

} // namespace

namespace xmlprescan {

int firstOverfullLine(const QByteArray &bytes)
{
    return AttributeCounter(bytes).firstOverfullLine();
}

bool declaresWindows1250(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return false;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return false;
    const QByteArray declaration = bytes.left(end).toLower();
    return declaration.contains("encoding=\"windows-1250\"")
        || declaration.contains("encoding='windows-1250'");
}

bool startsWithoutDoctype(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    auto startsWith = [&](const char *prefix) {
        const size_t n = strlen(prefix);
        return size_t(end - p) >= n && memcmp(p, prefix, n) == 0;
    };
    auto skipPast = [&](const char *marker) {
        const char *found
            = static_cast<const char *>(memmem(p, size_t(end - p), marker, strlen(marker)));
        p = found ? found + strlen(marker) : end;
    };
    while (p < end) {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
            ++p;
        else if (startsWith("<?"))
            skipPast("?>");
        else if (startsWith("<!--"))
            skipPast("-->");
        else
            // The root element's start, or anything else (a document type, another encoding).
            return *p == '<' && p + 1 < end && p[1] != '!';
    }
    return false;
}

} // namespace xmlprescan
