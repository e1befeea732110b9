#pragma once

#include "cookbook/BookElement.h"

// One photo file name of a recipe, relative to the book's photo folder.
class TXMLZdjeciaType : public BookElement
{
public:
    TXMLZdjeciaType() = default;
    explicit TXMLZdjeciaType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("zdjecia"); }

    QString nazwa() const { return attribute(u"nazwa"); }
    void setNazwa(const QString &value) const { setAttribute(QStringLiteral("nazwa"), value); }
};
