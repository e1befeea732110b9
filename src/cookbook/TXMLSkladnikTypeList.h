#pragma once

#include "cookbook/ChildList.h"
#include "cookbook/TXMLSkladnikType.h"

// The ingredient lines of a recipe, in order.
class TXMLSkladnikTypeList : public ChildList<TXMLSkladnikType>
{
public:
    explicit TXMLSkladnikTypeList(XmlNode *parent = nullptr)
        : ChildList<TXMLSkladnikType>(parent)
    { }
};
