#include "cookbook/Dictionaries.h"

#include "cookbook/Book.h"

namespace {

template<class List>
bool addEntry(const List &list, const DictionaryForms &entry, int position)
{
    if (list.indexOfName(entry.nazwa) >= 0)
        return false;
    const auto added = list.insert(position < 0 ? -1 : position);
    added.setNazwa(entry.nazwa);
    added.setMLp(entry.mLp);
    added.setDLp(entry.dLp);
    added.setMLm(entry.mLm);
    added.setDLm(entry.dLm);
    return true;
}

} // namespace

bool AddIngredientToDictionary(Book &book, const DictionaryForms &entry, int position)
{
    return addEntry(book.root().slowniki().skladniki(), entry, position);
}

bool AddUnitToDictionary(Book &book, const DictionaryForms &entry)
{
    return addEntry(book.root().slowniki().jednostki(), entry, -1);
}
