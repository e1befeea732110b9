#pragma once

#include <QString>
#include <QStringList>

class Book;

// Carrying recipes and dictionary entries between the open book and another one. Only the books
// in memory change here; writing them is the caller's (each operation says which book changed).
namespace bookcopy {

// Appends to `other` a copy of every recipe of `open` whose title is one of `titles`: titles in
// the order given, recipes of one title in book order (a title held by two recipes copies both;
// there is no check for what `other` holds already). The favourite mark is not copied, nor the
// photo files (only their names). Returns the number of recipes appended.
int CopyRecipesToOtherBook(Book &open, const QStringList &titles, Book &other);

// Appends to `open`'s ingredient dictionary every ingredient of `other` whose name it lacks, with
// the name only (the grammatical forms empty). Returns the number added.
int ImportIngredients(Book &open, Book &other);
// The same for units, with all their forms.
int ImportUnits(Book &open, Book &other);

// Appends to `other`'s dictionary, for each of `names` it lacks, every entry of `open` with that
// name, with all its forms. Returns the number of entries appended.
int ExportIngredients(Book &open, const QStringList &names, Book &other);
// The same for units. *trace gets the steps the main window's title shows while units are handed
// over: "zaladowal skladniki", then "/sel" for each name, "/jest" for each unit of that name the
// other book has, or "/nie ma" and then "/dodaje" for each unit copied.
int ExportUnits(Book &open, const QStringList &names, Book &other, QString *trace = nullptr);

} // namespace bookcopy
