#pragma once

#include <QString>

class Book;

// A name of the ingredient or unit dictionary with its grammatical forms: nazwa is the form
// used with 1, d.lp with fractions, m.lm with 2 to 4, d.lm with 5 and more.
struct DictionaryForms
{
    QString nazwa, mLp, dLp, mLm, dLm;
};

// Add an entry to the book's ingredient dictionary (at position, -1 appends) or unit dictionary
// (always appended). Nothing changes and false comes back when an entry of exactly that name is
// there already. Writing the book is the caller's: these only change the book in memory.
bool AddIngredientToDictionary(Book &book, const DictionaryForms &entry, int position = -1);
bool AddUnitToDictionary(Book &book, const DictionaryForms &entry);
