#pragma once

#include "BookElement.h"
#include "ChildList.h"
#include "TXMLPrzepisType.h"

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
