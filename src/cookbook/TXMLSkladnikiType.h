#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/ChildList.h"
#include "cookbook/TXMLSkladnikType.h"

// The ingredient dictionary.
class TXMLSkladnikiType : public BookElement, public ChildList<TXMLSkladnikType>
{
public:
    TXMLSkladnikiType() = default;
    explicit TXMLSkladnikiType(XmlNode *node)
        : BookElement(node)
        , ChildList<TXMLSkladnikType>(node)
    { }
    static QString tagName() { return QStringLiteral("skladniki"); }
};
