#pragma once

#include <QDate>
#include <QStringList>
#include <QTime>

class Book;

// The parts of the recipe editor that need no window: what its lists suggest and how it reads
// the dates and times a book stores.
namespace editorrules {

// Values the book's recipes already use, for the editor's drop-down lists: each non-empty text
// once (exact text: "ser" is offered beside "serek"), sorted in Polish order.
struct Suggestions
{
    QStringList authors, cuisines, ratings, portionUnits, categories;
};
// "Porcje" is always among the portion units.
Suggestions collectSuggestions(Book &book);

// Each non-empty text once, in the order first met.
void addDistinct(QStringList &list, const QString &value);

// A stored entry date: "yyyy-MM-dd" (also written day first, "dd-MM-yyyy") or the short date of
// the locale or of Polish ("6.12.2026"). An invalid date when it cannot be read.
QDate storedDate(const QString &text);

// A stored preparation time "hh:nn" (one-digit hours and seconds accepted); 00:00 when it
// cannot be read.
QTime storedTime(const QString &text);

} // namespace editorrules
