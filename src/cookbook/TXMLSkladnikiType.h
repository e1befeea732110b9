#pragma once

#include "BookElement.h"
#include "ChildList.h"
#include "TXMLSkladnikType.h"

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
