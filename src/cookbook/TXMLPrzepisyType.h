#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/ChildList.h"
#include "cookbook/TXMLPrzepisType.h"

// The recipes of a book, in book order.
class TXMLPrzepisyType : public BookElement, public ChildList<TXMLPrzepisType>
{
public:
    TXMLPrzepisyType() = default;
    explicit TXMLPrzepisyType(XmlNode *node)
        : BookElement(node)
        , ChildList<TXMLPrzepisType>(node)
    { }
    static QString tagName() { return QStringLiteral("przepisy"); }
};
