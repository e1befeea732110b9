#include "cookbook/TXMLOpisType.h"

#include "cookbook/Description.h"

QStringList TXMLOpisType::lines(bool dropSixBlankLines) const
{
    return DescriptionLines(markup(), dropSixBlankLines);
}
