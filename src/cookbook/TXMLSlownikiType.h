#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/TXMLJednostkiType.h"
#include "cookbook/TXMLSkladnikiType.h"

// The two dictionaries of a book.
class TXMLSlownikiType : public BookElement
{
public:
    TXMLSlownikiType() = default;
    explicit TXMLSlownikiType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("slowniki"); }

    // Each is created empty when the book has none yet.
    TXMLJednostkiType jednostki() const
    {
        return TXMLJednostkiType(singleChild(TXMLJednostkiType::tagName()));
    }
    TXMLSkladnikiType skladniki() const
    {
        return TXMLSkladnikiType(singleChild(TXMLSkladnikiType::tagName()));
    }
};
