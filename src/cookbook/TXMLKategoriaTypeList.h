#pragma once

#include "cookbook/ChildList.h"
#include "cookbook/TXMLKategoriaType.h"

// The categories of a recipe, in order.
class TXMLKategoriaTypeList : public ChildList<TXMLKategoriaType>
{
public:
    explicit TXMLKategoriaTypeList(XmlNode *parent = nullptr)
        : ChildList<TXMLKategoriaType>(parent)
    { }
};
