#pragma once

#include <QByteArray>

// Quick passes over a book's bytes before the XML library reads them.
namespace xmlprescan {

// The XML library checks each attribute of an element against all the others, so an element with
// a hundred thousand attributes keeps it busy for many seconds. A book element has a dozen; one
// quick pass refuses the absurd ones before the library sees them.
constexpr int MaxAttributesPerElement = 10000;
// The line of the first element with more attributes than that, or 0.
int firstOverfullLine(const QByteArray &bytes);

// The XML declaration at the start names Windows-1250 (in any letter case).
bool declaresWindows1250(const QByteArray &bytes);

// The prolog holds only the declaration, processing instructions, comments and blanks before the
// root element: no document type, so no entity can be declared.
bool startsWithoutDoctype(const QByteArray &bytes);

} // namespace xmlprescan
