#include "cookbook/XmlService.h"

#include <QHash>

#include "core/AppError.h"

#include <QFile>
#include <QStringEncoder>

#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

namespace {

constexpr char kBookEncoding[] = "Windows-1250";
// Expansion of internal entities while building the tree; the parser's own amplification check
// normally stops hostile documents long before this.
constexpr qsizetype kMaxExpandedChars = 20 * 1000 * 1000;
constexpr int kMaxEntityNesting = 40;

const xmlChar *xc(const char *s)
{
    return reinterpret_cast<const xmlChar *>(s);
}

QString fromXml(const xmlChar *s)
{
    return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString();
}

QString takeXml(xmlChar *s)
{
    QString out = fromXml(s);
    xmlFree(s);
    return out;
}

QString joinName(const xmlChar *prefix, const xmlChar *name)
{
    return prefix ? fromXml(prefix) + u':' + fromXml(name) : fromXml(name);
}

xmlParserInputPtr refuseExternal(const char *, const char *, xmlParserCtxtPtr)
{
    return nullptr;
}

// Collects the first error the parser reports and keeps the library quiet on stderr.
class ErrorCapture
{
public:
    ErrorCapture()
    {
        xmlSetStructuredErrorFunc(this, &ErrorCapture::onError);
        m_previousLoader = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(refuseExternal);
    }
    ~ErrorCapture()
    {
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        xmlSetExternalEntityLoader(m_previousLoader);
    }
    ErrorCapture(const ErrorCapture &) = delete;
    ErrorCapture &operator=(const ErrorCapture &) = delete;

    bool hasError() const { return !m_message.isEmpty(); }
    QString message(const QString &fileName) const
    {
        const QString text = m_message.isEmpty() ? QStringLiteral("Document is empty") : m_message;
        if (m_line > 0)
            return QStringLiteral("%1, line %2: %3").arg(fileName).arg(m_line).arg(text);
        return QStringLiteral("%1: %2").arg(fileName, text);
    }

private:
    static void onError(void *self, xmlErrorPtr error)
    {
        auto *capture = static_cast<ErrorCapture *>(self);
        if (!error || error->level < XML_ERR_ERROR || capture->hasError())
            return;
        capture->m_message = QString::fromUtf8(error->message).trimmed();
        capture->m_line = error->line;
    }

    QString m_message;
    int m_line = 0;
    xmlExternalEntityLoader m_previousLoader = nullptr;
};

struct ParserCtxt
{
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    ~ParserCtxt() { xmlFreeParserCtxt(ctxt); }
};

struct Doc
{
    xmlDocPtr doc = nullptr;
    ~Doc() { xmlFreeDoc(doc); }
};

bool isXmlBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isBlankText(const QString &s)
{
    for (QChar c : s)
        if (!isXmlBlank(c))
            return false;
    return true;
}

// Builds the in-memory tree from the library's tree, expanding internal entity references.
class TreeReader
{
public:
    TreeReader(xmlDocPtr doc, const QString &fileName)
        : m_doc(doc)
        , m_fileName(fileName)
    { }

    std::unique_ptr<XmlNode> readElement(xmlNodePtr node)
    {
        auto element = XmlNode::element(name(node->ns ? node->ns->prefix : nullptr, node->name));
        for (xmlNsPtr ns = node->nsDef; ns; ns = ns->next) {
            element->setAttribute(ns->prefix ? QStringLiteral("xmlns:") + fromXml(ns->prefix)
                                             : QStringLiteral("xmlns"),
                attributeText(ns->href));
        }
        for (xmlAttrPtr a = node->properties; a; a = a->next) {
            element->setAttribute(name(a->ns ? a->ns->prefix : nullptr, a->name),
                shared(takeXml(xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(a)))));
        }
        readChildren(node->children, *element, 0);
        dropIndentation(*element);
        return element;
    }

private:
    // A big book repeats the same few names and short values hundreds of thousands of times;
    // sharing one string for each keeps the tree several times smaller. The library keeps each
    // name once, so its address identifies it.
    QString name(const xmlChar *prefix, const xmlChar *local)
    {
        if (prefix)
            return joinName(prefix, local);
        auto it = m_names.constFind(local);
        if (it == m_names.constEnd())
            it = m_names.insert(local, fromXml(local));
        return *it;
    }

    QString shared(const QString &value)
    {
        if (value.size() > 24)
            return value;
        auto it = m_values.constFind(value);
        if (it == m_values.constEnd())
            it = m_values.insert(value, value);
        return *it;
    }

    QHash<const xmlChar *, QString> m_names;
    QHash<QString, QString> m_values;

    // Namespace declarations keep their value as written, with the ampersand of an &amp; still
    // encoded; everything else of the value is already plain text.
    QString attributeText(const xmlChar *raw) const
    {
        if (!raw || !xmlStrchr(raw, '&'))
            return fromXml(raw);
        xmlNodePtr list = xmlStringGetNodeList(m_doc, raw);
        QString text = takeXml(xmlNodeListGetString(m_doc, list, 1));
        xmlFreeNodeList(list);
        return text;
    }

    void fail(xmlNodePtr at, const QString &what) const
    {
        const long line = at ? xmlGetLineNo(at) : 0;
        if (line > 0)
            throw AppError(QStringLiteral("%1, line %2: %3").arg(m_fileName).arg(line).arg(what));
        throw AppError(QStringLiteral("%1: %2").arg(m_fileName, what));
    }

    void addText(XmlNode &into, const QString &text)
    {
        m_expanded += text.size();
        const int n = into.childCount();
        if (n > 0 && into.child(n - 1)->kind() == XmlNode::Kind::Text)
            into.child(n - 1)->setValue(into.child(n - 1)->value() + text);
        else if (!text.isEmpty())
            into.appendChild(XmlNode::text(text));
    }

    void readChildren(xmlNodePtr first, XmlNode &into, int entityDepth)
    {
        for (xmlNodePtr n = first; n; n = n->next) {
            switch (n->type) {
            case XML_ELEMENT_NODE:
                into.appendChild(readElement(n));
                break;
            case XML_TEXT_NODE:
            case XML_CDATA_SECTION_NODE:
                addText(into, fromXml(n->content));
                break;
            case XML_COMMENT_NODE:
                into.appendChild(XmlNode::comment(fromXml(n->content)));
                break;
            case XML_PI_NODE:
                into.appendChild(
                    XmlNode::processingInstruction(fromXml(n->name), fromXml(n->content)));
                break;
            case XML_ENTITY_REF_NODE:
                readEntity(n, into, entityDepth);
                break;
            default:
                break;
            }
            if (m_expanded > kMaxExpandedChars)
                fail(n, QStringLiteral("Entity expansion is too large"));
        }
    }

    void readEntity(xmlNodePtr ref, XmlNode &into, int entityDepth)
    {
        const QString name = fromXml(ref->name);
        xmlEntityPtr entity = xmlGetDocEntity(m_doc, ref->name);
        if (!entity)
            fail(ref, QStringLiteral("Entity '%1' not defined").arg(name));
        if (entity->etype != XML_INTERNAL_GENERAL_ENTITY
            && entity->etype != XML_INTERNAL_PREDEFINED_ENTITY)
            fail(ref, QStringLiteral("External entity '%1' is not allowed in a book").arg(name));
        if (entityDepth >= kMaxEntityNesting)
            fail(ref, QStringLiteral("Detected an entity reference loop"));
        if (entity->children)
            readChildren(entity->children, into, entityDepth + 1);
        else
            addText(into, fromXml(entity->content));
    }

    // Whitespace between child elements is the old file's indentation; the writer indents
    // afresh. Descriptions keep everything: their line layout is their content.
    static void dropIndentation(XmlNode &element)
    {
        if (element.name() == u"opis")
            return;
        bool hasElement = false;
        for (int i = 0; i < element.childCount(); ++i) {
            const XmlNode *c = element.child(i);
            if (c->kind() == XmlNode::Kind::Text && !isBlankText(c->value()))
                return;
            hasElement = hasElement || c->kind() != XmlNode::Kind::Text;
        }
        if (!hasElement)
            return;
        for (int i = element.childCount() - 1; i >= 0; --i)
            if (element.child(i)->kind() == XmlNode::Kind::Text)
                element.takeChild(i);
    }

    xmlDocPtr m_doc;
    QString m_fileName;
    qsizetype m_expanded = 0;
};

// Characters XML 1.0 cannot carry at all (control characters, lone surrogates, U+FFFE/FFFF)
// would make the written file unreadable, so they are left out. A lone CR is what a parser would
// turn into a line feed anyway; writing it as a line feed keeps descriptions laid out on lines.
QByteArray toXmlUtf8(const QString &s, bool normaliseLineEnds)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate()) {
            if (i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                out += c;
                out += s[++i];
            }
            continue;
        }
        if (c.isLowSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u == u'\r' && normaliseLineEnds) {
            if (i + 1 < s.size() && s[i + 1] == u'\n')
                continue;
            out += u'\n';
            continue;
        }
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r')
            continue;
        out += c;
    }
    return out.toUtf8();
}

void requireEncodableName(const QString &name)
{
    bool ascii = true;
    for (QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return;
    QStringEncoder encoder(kBookEncoding, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(name);
    if (encoder.hasError() || QStringDecoder(kBookEncoding).decode(bytes) != name)
        throw AppError(QStringLiteral("The name '%1' cannot be written in Windows-1250").arg(name));
}

// Builds the library's tree from ours. Names are checked because a character reference is
// not allowed inside a tag; text and attribute values can hold any character. Every node is
// attached as soon as it exists, so an error part-way leaves nothing the document does not own.
void buildNode(xmlDocPtr doc, xmlNodePtr parent, const XmlNode &node, bool checkNames)
{
    xmlNodePtr made = nullptr;
    switch (node.kind()) {
    case XmlNode::Kind::Text:
        made = xmlNewDocText(doc, xc(toXmlUtf8(node.value(), true).constData()));
        break;
    case XmlNode::Kind::Comment:
        made = xmlNewDocComment(doc, xc(toXmlUtf8(node.value(), false).constData()));
        break;
    case XmlNode::Kind::ProcessingInstruction:
        if (checkNames)
            requireEncodableName(node.name());
        made = xmlNewDocPI(doc, xc(node.name().toUtf8().constData()),
            xc(toXmlUtf8(node.value(), false).constData()));
        break;
    case XmlNode::Kind::Element:
        if (checkNames)
            requireEncodableName(node.name());
        made = xmlNewDocNode(doc, nullptr, xc(node.name().toUtf8().constData()), nullptr);
        break;
    }
    if (parent)
        xmlAddChild(parent, made);
    else
        xmlDocSetRootElement(doc, made);
    if (!node.isElement())
        return;
    for (const XmlAttribute &a : node.attributes()) {
        if (checkNames)
            requireEncodableName(a.name);
        xmlNewProp(
            made, xc(a.name.toUtf8().constData()), xc(toXmlUtf8(a.value, false).constData()));
    }
    for (int i = 0; i < node.childCount(); ++i)
        buildNode(doc, made, *node.child(i), checkNames);
}

// Serialises one element through the library's saver into bytes in the given encoding.
QByteArray saveElement(const XmlNode &root, const char *encoding, bool format, bool checkNames)
{
    Doc d;
    d.doc = xmlNewDoc(xc("1.0"));
    // With the document's encoding known, the saver writes letters as they are and leaves only
    // characters the encoding lacks to character references.
    d.doc->encoding = xmlStrdup(xc(encoding));
    buildNode(d.doc, nullptr, root, checkNames);
    xmlNodePtr top = xmlDocGetRootElement(d.doc);

    xmlBufferPtr buffer = xmlBufferCreate();
    int options = XML_SAVE_NO_DECL;
    if (format)
        options |= XML_SAVE_FORMAT;
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, encoding, options);
    if (!save) {
        xmlBufferFree(buffer);
        throw AppError(QStringLiteral("The encoding %1 is not available").arg(encoding));
    }
    const long written = xmlSaveTree(save, top);
    xmlSaveClose(save);
    QByteArray out(
        reinterpret_cast<const char *>(xmlBufferContent(buffer)), xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    if (written < 0)
        throw AppError(QStringLiteral("The book could not be serialised"));
    return out;
}

std::unique_ptr<XmlNode> parseBytes(
    const QByteArray &bytes, const QString &fileName, const char *forcedEncoding)
{
    if (bytes.size() > XmlService::MaxBookBytes)
        throw AppError(QStringLiteral("%1: the file is too large").arg(fileName));
    ErrorCapture errors;
    ParserCtxt p;
    if (!p.ctxt)
        throw AppError(QStringLiteral("%1: out of memory").arg(fileName));
    // No NOENT (entities stay references, so external ones are never fetched), no DTD loading,
    // no network, no HUGE (the parser's size limits stay on).
    const int options = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOWARNING;
    Doc d;
    d.doc = xmlCtxtReadMemory(p.ctxt, bytes.constData(), int(bytes.size()),
        fileName.toUtf8().constData(), forcedEncoding, options);
    if (!d.doc || !p.ctxt->wellFormed || errors.hasError())
        throw AppError(errors.message(fileName));
    xmlNodePtr root = xmlDocGetRootElement(d.doc);
    if (!root)
        throw AppError(errors.message(fileName));
    TreeReader reader(d.doc, fileName);
    return reader.readElement(root);
}

} // namespace

QByteArray XmlService::bookPrologue()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"Windows-1250\"?>"
                             "<?xml-stylesheet type=\"text/xsl\" href=\"przepis.xsl\"?>");
}

std::unique_ptr<XmlNode> XmlService::parse(const QByteArray &bytes, const QString &fileName)
{
    return parseBytes(bytes, fileName, nullptr);
}

std::unique_ptr<XmlNode> XmlService::parseFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1. %2").arg(path, file.errorString()));
    if (file.size() > MaxBookBytes)
        throw AppError(QStringLiteral("%1: the file is too large").arg(path));
    return parse(file.readAll(), path);
}

QByteArray XmlService::serializeBook(const XmlNode &root)
{
    QByteArray out = bookPrologue();
    out += '\n';
    out += saveElement(root, kBookEncoding, true, true);
    out += '\n';
    return out;
}

QString XmlService::markup(const XmlNode &element)
{
    return QString::fromUtf8(saveElement(element, "UTF-8", false, false));
}

QString XmlService::prettyPrint(const QString &xml)
{
    const auto root = parseBytes(xml.toUtf8(), QStringLiteral("XML"), "UTF-8");
    return QString::fromUtf8(saveElement(*root, "UTF-8", true, false));
}
