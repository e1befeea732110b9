#pragma once

#include "cookbook/BookElement.h"

#include <QStringList>

// The preparation description of a recipe: text, and in books of the related format empty
// br elements between the lines.
class TXMLOpisType : public BookElement
{
public:
    TXMLOpisType() = default;
    explicit TXMLOpisType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("opis"); }

    // The description lines read from the markup (see DescriptionLines).
    QStringList lines(bool dropSixBlankLines) const;
};
