#include "cookbook/XmlService.h"

#include <QHash>

#include "cookbook/XmlPrescan.h"
#include "cookbook/XmlWriter.h"
#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <exception>

#include <libxml/SAX2.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

namespace {

constexpr char kBookEncoding[] = "Windows-1250";
// What internal entities may add to a book: every character they expand to and every node or
// reference they bring in counts, ordinary text does not. A few entities for special letters cost
// a few thousand; a document built to blow up in memory reaches this at once.
constexpr qsizetype kMaxEntityCost = 10 * 1000 * 1000;
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
        // Namespace faults (an odd namespace name, an undeclared prefix) leave the document well
        // formed; books do not use namespaces, and refusing them on one reading path but not the
        // other made a book the program had just saved unreadable.
        if (!error || error->level < XML_ERR_ERROR || error->domain == XML_FROM_NAMESPACE
            || capture->hasError())
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

using Children = std::vector<std::unique_ptr<XmlNode>>;

// What both readers share: one string per name and per short value (a big book repeats the same
// few of each hundreds of thousands of times, and sharing keeps the tree several times smaller),
// text gathered in one buffer per run, and the old file's indentation dropped in one pass.
class TreeBuilder
{
protected:
    // The library keeps each name once, so its address identifies it.
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

    static void flushText(Children &into, QString &text)
    {
        if (text.isEmpty())
            return;
        into.push_back(XmlNode::text(text));
        text.clear();
    }

    // The children are complete: the element gets them, without the whitespace between child
    // elements, which is the old file's indentation (the writer indents afresh). Descriptions
    // keep everything: their line layout is their content.
    static void finish(XmlNode &element, Children &children, QString &text)
    {
        flushText(children, text);
        if (element.name() != u"opis") {
            bool hasOther = false, onlyBlankText = true;
            for (const auto &c : children) {
                if (c->kind() != XmlNode::Kind::Text)
                    hasOther = true;
                else if (!isBlankText(c->value()))
                    onlyBlankText = false;
            }
            if (hasOther && onlyBlankText)
                std::erase_if(children, [](const std::unique_ptr<XmlNode> &c) {
                    return c->kind() == XmlNode::Kind::Text;
                });
        }
        for (auto &child : children)
            element.appendChild(std::move(child));
    }

private:
    QHash<const xmlChar *, QString> m_names;
    QHash<QString, QString> m_values;
};

// Builds the in-memory tree from the library's tree, expanding internal entity references under a
// bound. Used for books that declare a document type; every step is linear in what it produces.
class TreeReader : public TreeBuilder
{
public:
    TreeReader(xmlDocPtr doc, const QString &fileName)
        : m_doc(doc)
        , m_fileName(fileName)
    { }

    std::unique_ptr<XmlNode> readElement(xmlNodePtr node, int entityDepth = 0)
    {
        auto element = XmlNode::element(name(node->ns ? node->ns->prefix : nullptr, node->name));
        for (xmlNsPtr ns = node->nsDef; ns; ns = ns->next) {
            element->appendNewAttribute(ns->prefix ? QStringLiteral("xmlns:") + fromXml(ns->prefix)
                                                   : QStringLiteral("xmlns"),
                attributeText(ns->href));
        }
        for (xmlAttrPtr a = node->properties; a; a = a->next) {
            QString value;
            appendAttributeValue(a->children, value, entityDepth, a->parent);
            element->appendNewAttribute(
                name(a->ns ? a->ns->prefix : nullptr, a->name), shared(value));
        }
        Children children;
        QString text;
        readChildren(node->children, children, text, entityDepth);
        finish(*element, children, text);
        return element;
    }

private:
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

    [[noreturn]] void fail(xmlNodePtr at, const QString &what) const
    {
        const long line = at ? xmlGetLineNo(at) : 0;
        if (line > 0)
            throw AppError(QStringLiteral("%1, line %2: %3").arg(m_fileName).arg(line).arg(what));
        throw AppError(QStringLiteral("%1: %2").arg(m_fileName, what));
    }

    // Counts what an entity brings in; at depth 0 the document's own content costs nothing.
    void charge(xmlNodePtr at, int entityDepth, qsizetype characters)
    {
        if (entityDepth == 0)
            return;
        m_entityCost += 1 + characters;
        if (m_entityCost > kMaxEntityCost)
            fail(at, QStringLiteral("Entity expansion is too large"));
    }

    void appendText(xmlNodePtr n, QString &text, int entityDepth)
    {
        const QString piece = fromXml(n->content);
        charge(n, entityDepth, piece.size());
        text += piece;
    }

    void readChildren(xmlNodePtr first, Children &into, QString &text, int entityDepth)
    {
        for (xmlNodePtr n = first; n; n = n->next) {
            switch (n->type) {
            case XML_ELEMENT_NODE:
                charge(n, entityDepth, 0);
                flushText(into, text);
                into.push_back(readElement(n, entityDepth));
                break;
            case XML_TEXT_NODE:
            case XML_CDATA_SECTION_NODE:
                appendText(n, text, entityDepth);
                break;
            case XML_COMMENT_NODE:
                charge(n, entityDepth, 0);
                flushText(into, text);
                into.push_back(XmlNode::comment(fromXml(n->content)));
                break;
            case XML_PI_NODE:
                charge(n, entityDepth, 0);
                flushText(into, text);
                into.push_back(
                    XmlNode::processingInstruction(fromXml(n->name), fromXml(n->content)));
                break;
            case XML_ENTITY_REF_NODE: {
                xmlEntityPtr entity = internalEntity(n, entityDepth);
                charge(n, entityDepth + 1, 0);
                if (entity->children)
                    readChildren(entity->children, into, text, entityDepth + 1);
                else
                    appendRaw(n, entity->content, text, entityDepth + 1);
                break;
            }
            default:
                break;
            }
        }
    }

    void appendRaw(xmlNodePtr at, const xmlChar *raw, QString &text, int entityDepth)
    {
        const QString piece = fromXml(raw);
        charge(at, entityDepth, piece.size());
        text += piece;
    }

    // An attribute's value with its entity references expanded. The library leaves references in
    // an attribute as they were written; each is expanded here under the same bound as in text.
    void appendAttributeValue(xmlNodePtr first, QString &value, int entityDepth, xmlNodePtr owner)
    {
        for (xmlNodePtr n = first; n; n = n->next) {
            if (n->type == XML_TEXT_NODE) {
                const QString piece = fromXml(n->content);
                charge(owner, entityDepth, piece.size());
                value += piece;
            } else if (n->type == XML_ENTITY_REF_NODE) {
                xmlEntityPtr entity = internalEntity(n, entityDepth);
                charge(owner, entityDepth + 1, 0);
                xmlNodePtr list = xmlStringGetNodeList(m_doc, entity->content);
                try {
                    appendAttributeValue(list, value, entityDepth + 1, owner);
                } catch (...) {
                    xmlFreeNodeList(list);
                    throw;
                }
                xmlFreeNodeList(list);
            }
        }
    }

    xmlEntityPtr internalEntity(xmlNodePtr ref, int entityDepth) const
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
        return entity;
    }

    xmlDocPtr m_doc;
    QString m_fileName;
    qsizetype m_entityCost = 0;
};

// Builds the in-memory tree straight from the parser's events, without the library's own tree:
// a book without a document type can hold no entity of its own, so nothing needs expanding and
// the tree is built in one pass, about twice as fast as reading the library's tree afterwards.
class StreamReader : public TreeBuilder
{
public:
    std::unique_ptr<XmlNode> read(xmlParserCtxtPtr ctxt)
    {
        xmlSAXHandler sax;
        memset(&sax, 0, sizeof sax);
        xmlSAXVersion(&sax, 2);
        sax.startElementNs = &StreamReader::onStart;
        sax.endElementNs = &StreamReader::onEnd;
        sax.characters = &StreamReader::onText;
        sax.ignorableWhitespace = &StreamReader::onText;
        sax.cdataBlock = &StreamReader::onText;
        sax.comment = &StreamReader::onComment;
        sax.processingInstruction = &StreamReader::onInstruction;
        // The handlers reach this object through the context, which the library's own document
        // handlers still need as their first argument.
        *ctxt->sax = sax;
        ctxt->_private = this;
        xmlParseDocument(ctxt);
        if (m_failure)
            std::rethrow_exception(m_failure);
        return std::move(m_root);
    }

private:
    struct Frame
    {
        std::unique_ptr<XmlNode> element;
        Children children;
        QString text;
    };

    static StreamReader &self(void *ctx)
    {
        return *static_cast<StreamReader *>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
    }

    // Nothing may be thrown through the library: a failure stops the parser and is raised later.
    template<class Body>
    static void guarded(void *ctx, Body body)
    {
        StreamReader &reader = self(ctx);
        if (reader.m_failure)
            return;
        try {
            body(reader);
        } catch (...) {
            reader.m_failure = std::current_exception();
            xmlStopParser(static_cast<xmlParserCtxtPtr>(ctx));
        }
    }

    static void onStart(void *ctx, const xmlChar *local, const xmlChar *prefix, const xmlChar *,
        int namespaceCount, const xmlChar **namespaces, int attributeCount, int,
        const xmlChar **attributes)
    {
        guarded(ctx, [&](StreamReader &r) {
            if (!r.m_stack.empty())
                flushText(r.m_stack.back().children, r.m_stack.back().text);
            auto element = XmlNode::element(r.name(prefix, local));
            for (int i = 0; i < namespaceCount; ++i) {
                const xmlChar *nsPrefix = namespaces[2 * i];
                element->appendNewAttribute(nsPrefix ? QStringLiteral("xmlns:") + fromXml(nsPrefix)
                                                     : QStringLiteral("xmlns"),
                    fromXml(namespaces[2 * i + 1]));
            }
            for (int i = 0; i < attributeCount; ++i) {
                const xmlChar *const *a = attributes + 5 * i;
                const QString value = QString::fromUtf8(
                    reinterpret_cast<const char *>(a[3]), qsizetype(a[4] - a[3]));
                element->appendNewAttribute(r.name(a[1], a[0]), r.shared(value));
            }
            r.m_stack.push_back(Frame {std::move(element), {}, {}});
        });
    }

    static void onEnd(void *ctx, const xmlChar *, const xmlChar *, const xmlChar *)
    {
        guarded(ctx, [](StreamReader &r) {
            Frame frame = std::move(r.m_stack.back());
            r.m_stack.pop_back();
            finish(*frame.element, frame.children, frame.text);
            if (r.m_stack.empty())
                r.m_root = std::move(frame.element);
            else
                r.m_stack.back().children.push_back(std::move(frame.element));
        });
    }

    static void onText(void *ctx, const xmlChar *text, int length)
    {
        guarded(ctx, [&](StreamReader &r) {
            // Blanks around the root element are no part of the book.
            if (!r.m_stack.empty())
                r.m_stack.back().text
                    += QString::fromUtf8(reinterpret_cast<const char *>(text), length);
        });
    }

    static void onComment(void *ctx, const xmlChar *value)
    {
        guarded(ctx, [&](StreamReader &r) {
            if (r.m_stack.empty())
                return;
            flushText(r.m_stack.back().children, r.m_stack.back().text);
            r.m_stack.back().children.push_back(XmlNode::comment(fromXml(value)));
        });
    }

    static void onInstruction(void *ctx, const xmlChar *target, const xmlChar *data)
    {
        guarded(ctx, [&](StreamReader &r) {
            if (r.m_stack.empty())
                return;
            flushText(r.m_stack.back().children, r.m_stack.back().text);
            r.m_stack.back().children.push_back(
                XmlNode::processingInstruction(fromXml(target), fromXml(data)));
        });
    }

    std::vector<Frame> m_stack;
    std::unique_ptr<XmlNode> m_root;
    std::exception_ptr m_failure;
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

// Builds the library's tree from ours, for the markup of one element (in UTF-8, where every
// character can be written). Every node is attached as soon as it exists, so an error part-way
// leaves nothing the document does not own.
void buildNode(xmlDocPtr doc, xmlNodePtr parent, const XmlNode &node)
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
        made = xmlNewDocPI(doc, xc(node.name().toUtf8().constData()),
            xc(toXmlUtf8(node.value(), false).constData()));
        break;
    case XmlNode::Kind::Element:
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
        xmlNewProp(
            made, xc(a.name.toUtf8().constData()), xc(toXmlUtf8(a.value, false).constData()));
    }
    for (int i = 0; i < node.childCount(); ++i)
        buildNode(doc, made, *node.child(i));
}

// Serialises one element through the library's saver into bytes in the given encoding.
QByteArray saveElement(const XmlNode &root, const char *encoding, bool format)
{
    Doc d;
    d.doc = xmlNewDoc(xc("1.0"));
    // With the document's encoding known, the saver writes letters as they are and leaves only
    // characters the encoding lacks to character references.
    d.doc->encoding = xmlStrdup(xc(encoding));
    buildNode(d.doc, nullptr, root);
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

// A book without a document type, read in one pass. Entities are replaced by the parser: the
// only ones there can be are the five XML defines.
std::unique_ptr<XmlNode> readStream(const QByteArray &input, const QString &fileName,
    const char *forcedEncoding, int options, const ErrorCapture &errors)
{
    xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(input.constData(), int(input.size()));
    if (!ctxt)
        throw AppError(QStringLiteral("%1: out of memory").arg(fileName));
    struct Cleanup
    {
        xmlParserCtxtPtr ctxt;
        ~Cleanup()
        {
            xmlFreeDoc(ctxt->myDoc);
            ctxt->myDoc = nullptr;
            xmlFreeParserCtxt(ctxt);
        }
    } cleanup {ctxt};
    xmlCtxtUseOptions(ctxt, options | XML_PARSE_NOENT);
    if (forcedEncoding)
        xmlSwitchEncoding(ctxt, XML_CHAR_ENCODING_UTF8);
    const QByteArray name = fileName.toUtf8();
    if (ctxt->input && !ctxt->input->filename)
        ctxt->input->filename = reinterpret_cast<char *>(xmlStrdup(xc(name.constData())));
    StreamReader reader;
    std::unique_ptr<XmlNode> root = reader.read(ctxt);
    if (!ctxt->wellFormed || errors.hasError() || !root)
        throw AppError(errors.message(fileName));
    return root;
}

std::unique_ptr<XmlNode> parseBytes(
    const QByteArray &bytes, const QString &fileName, const char *forcedEncoding)
{
    if (bytes.size() > XmlService::MaxBookBytes)
        throw AppError(QStringLiteral("%1: the file is too large").arg(fileName));
    if (const int line = xmlprescan::firstOverfullLine(bytes))
        throw AppError(QStringLiteral("%1, line %2: more than %3 attributes on one element")
                           .arg(fileName)
                           .arg(line)
                           .arg(xmlprescan::MaxAttributesPerElement));
    ErrorCapture errors;
    ParserCtxt p;
    if (!p.ctxt)
        throw AppError(QStringLiteral("%1: out of memory").arg(fileName));
    // No NOENT (entities stay references, so external ones are never fetched), no DTD loading,
    // no network, no HUGE (the parser's size limits stay on).
    int options = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOWARNING;
    // A book in the program's own code page is turned into UTF-8 before the library reads it:
    // the library converts through iconv at a third of the speed. Bytes the code page does not
    // define leave the book to the library, which names the fault.
    QByteArray utf8;
    if (!forcedEncoding && xmlprescan::declaresWindows1250(bytes)) {
        QStringDecoder decoder(kBookEncoding);
        const QString text = decoder.decode(bytes);
        if (!decoder.hasError()) {
            utf8 = text.toUtf8();
            forcedEncoding = "UTF-8";
            options |= XML_PARSE_IGNORE_ENC;
        }
    }
    const QByteArray &input = utf8.isNull() ? bytes : utf8;
    if (xmlprescan::startsWithoutDoctype(input))
        return readStream(input, fileName, forcedEncoding, options, errors);
    Doc d;
    d.doc = xmlCtxtReadMemory(p.ctxt, input.constData(), int(input.size()),
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
    return parse(safefile::read(path, MaxBookBytes), path);
}

QByteArray XmlService::serializeBook(const XmlNode &root)
{
    QByteArray out = bookPrologue();
    out += '\n';
    out += xmlwriter::writeElement(root);
    out += '\n';
    return out;
}

QString XmlService::markup(const XmlNode &element)
{
    return QString::fromUtf8(saveElement(element, "UTF-8", false));
}

QString XmlService::prettyPrint(const QString &xml)
{
    const auto root = parseBytes(xml.toUtf8(), QStringLiteral("XML"), "UTF-8");
    return QString::fromUtf8(saveElement(*root, "UTF-8", true));
}
