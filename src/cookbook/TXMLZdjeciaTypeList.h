#pragma once

#include "cookbook/ChildList.h"
#include "cookbook/TXMLZdjeciaType.h"

// The photos of a recipe, in display order.
class TXMLZdjeciaTypeList : public ChildList<TXMLZdjeciaType>
{
public:
    explicit TXMLZdjeciaTypeList(XmlNode *parent = nullptr)
        : ChildList<TXMLZdjeciaType>(parent)
    { }
};
