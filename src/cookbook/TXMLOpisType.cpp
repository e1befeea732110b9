#include "TXMLOpisType.h"

#include "Description.h"

QStringList TXMLOpisType::lines(bool dropSixBlankLines) const
{
    return DescriptionLines(markup(), dropSixBlankLines);
}
