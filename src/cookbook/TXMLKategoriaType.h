#pragma once

#include "cookbook/BookElement.h"

// One category of a recipe.
class TXMLKategoriaType : public BookElement
{
public:
    TXMLKategoriaType() = default;
    explicit TXMLKategoriaType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("kategoria"); }

    QString nazwa() const { return attribute(u"nazwa"); }
    void setNazwa(const QString &value) const { setAttribute(QStringLiteral("nazwa"), value); }
};
