#pragma once

#include <QString>
#include <QStringList>

// How a recipe description is laid out in a book and read back from the markup of its opis
// element. Own books store CR + four tabs + the lines + CR + three tabs; books of the related
// format separate lines with <br/> and may indent them.

// Reads the description lines from the serialised markup of an opis element: <br/> marks and
// tabs are removed, the start and end tag lines are dropped, and (when asked) lines of exactly
// six blanks too. Character references come back as the characters they stand for.
QStringList DescriptionLines(const QString &markup, bool dropSixBlankLines);

// The text stored into a copied recipe's opis: the source lines (a <br/> mark becomes a line
// break) each followed by CR LF, in the own-book layout.
QString CopiedDescriptionText(const QString &markup);

// The own-book layout of a description typed as memo text.
QString OwnDescriptionText(const QString &memoText);

// Replaces the predefined entities and character references of XML text by their characters.
QString UnescapeXmlText(const QString &text);
