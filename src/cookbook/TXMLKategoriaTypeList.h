#pragma once

#include "ChildList.h"
#include "TXMLKategoriaType.h"

// The categories of a recipe, in order.
class TXMLKategoriaTypeList : public ChildList<TXMLKategoriaType>
{
public:
    explicit TXMLKategoriaTypeList(XmlNode *parent = nullptr)
        : ChildList<TXMLKategoriaType>(parent)
    { }
};
