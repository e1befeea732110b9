#pragma once

#include <QByteArray>

class XmlNode;

// Writes an element tree as a book file's body in Windows-1250: one element per line, children
// indented by two blanks, an element with text inside kept on its lines as it is, characters the
// code page cannot hold as character references. These are the very bytes the XML library's
// pretty-printer gives, at a fraction of its time (it builds a tree of its own first and converts
// through iconv), which matters because every change writes the whole book.
namespace xmlwriter {

// Throws AppError when a name (of an element, attribute or processing instruction) cannot be
// written in Windows-1250: a character reference is not allowed there.
QByteArray writeElement(const XmlNode &root);

} // namespace xmlwriter
