#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/ChildList.h"
#include "cookbook/TXMLJednostkaType.h"

// The unit dictionary.
class TXMLJednostkiType : public BookElement, public ChildList<TXMLJednostkaType>
{
public:
    TXMLJednostkiType() = default;
    explicit TXMLJednostkiType(XmlNode *node)
        : BookElement(node)
        , ChildList<TXMLJednostkaType>(node)
    { }
    static QString tagName() { return QStringLiteral("jednostki"); }
};
