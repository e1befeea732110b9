#pragma once

#include "cookbook/XmlNode.h"

#include <QByteArray>
#include <QString>
#include <memory>

// The one place that talks to the XML library. Books are parsed into an XmlNode tree and
// written back from it; nothing outside sees the library's types.
//
// Reading is deliberately closed: no external entity or DTD is ever loaded, nothing reaches the
// network, internal entities are expanded only within the parser's amplification limits, and the
// parser's size limits stay on. Every failure is an AppError with the parser's message.
class XmlService
{
public:
    // Every book file starts with exactly these bytes.
    static QByteArray bookPrologue();
    // Files larger than this are refused before parsing.
    static constexpr qint64 MaxBookBytes = 256LL * 1024 * 1024;

    // Parses a document and returns its root element. fileName is used in messages only.
    static std::unique_ptr<XmlNode> parse(const QByteArray &bytes, const QString &fileName);
    static std::unique_ptr<XmlNode> parseFile(const QString &path);

    // The whole book file: prologue, then the root element pretty-printed, in Windows-1250.
    // Characters the code page cannot hold become character references.
    static QByteArray serializeBook(const XmlNode &root);
    // Serialised markup of one element, start and end tags included.
    static QString markup(const XmlNode &element);
    // The same XML with one element per line and nested elements indented.
    static QString prettyPrint(const QString &xml);
};
