#include "cookbook/BookCopying.h"

#include "cookbook/Book.h"
#include "cookbook/Description.h"

#include <QHash>
#include <QSet>

namespace bookcopy {

namespace {

template<class List>
QSet<QString> namesOf(const List &list)
{
    QSet<QString> names;
    names.reserve(list.count());
    for (int i = 0, n = list.count(); i < n; ++i)
        names.insert(list[i].nazwa());
    return names;
}

template<class Entry>
void copyForms(const Entry &from, const Entry &to)
{
    to.setNazwa(from.nazwa());
    to.setMLp(from.mLp());
    to.setDLp(from.dLp());
    to.setMLm(from.mLm());
    to.setDLm(from.dLm());
}

void copyRecipe(const TXMLPrzepisType &r, const TXMLPrzepisType &c)
{
    c.setTytul(r.tytul());
    c.setPorcje(r.porcje());
    c.setAutor(r.autor());
    c.setJednostka(r.jednostka());
    c.setKalorie(r.kalorie());
    c.setKuchnia(r.kuchnia());
    c.setOcena(r.ocena());
    c.setCzas(r.czas());
    c.setData(r.data());
    c.setZdjecie(r.zdjecie());
    c.setWww(r.www());
    const TXMLKategoriaTypeList categories = r.kategoria();
    for (int k = 0, n = categories.count(); k < n; ++k)
        c.kategoria().add().setNazwa(categories[k].nazwa());
    const TXMLZdjeciaTypeList photos = r.zdjecia();
    for (int k = 0, n = photos.count(); k < n; ++k)
        c.zdjecia().add().setNazwa(photos[k].nazwa());
    const TXMLSkladnikTypeList lines = r.skladnik();
    for (int k = 0, n = lines.count(); k < n; ++k) {
        const TXMLSkladnikType line = c.skladnik().add();
        line.setNazwa(lines[k].nazwa());
        line.setIlosc(lines[k].ilosc());
        line.setJednostka(lines[k].jednostka());
        line.setText(lines[k].text());
    }
    c.opis().setText(CopiedDescriptionText(r.opis().markup()));
}

// Entries of `from` named in `names` that `to` lacks, appended to `to` with all their forms.
template<class List>
int exportEntries(const List &from, const QStringList &names, const List &to, QString *trace)
{
    QSet<QString> present = namesOf(to);
    int added = 0;
    for (const QString &name : names) {
        if (trace)
            *trace += QStringLiteral("/sel");
        if (present.contains(name)) {
            if (trace)
                for (int i = 0, n = to.count(); i < n; ++i)
                    if (to[i].nazwa() == name)
                        *trace += QStringLiteral("/jest");
            continue;
        }
        if (trace)
            *trace += QStringLiteral("/nie ma");
        present.insert(name);
        for (int i = 0, n = from.count(); i < n; ++i) {
            if (from[i].nazwa() != name)
                continue;
            copyForms(from[i], to.add());
            ++added;
            if (trace)
                *trace += QStringLiteral("/dodaje");
        }
    }
    return added;
}

} // namespace

int CopyRecipesToOtherBook(Book &open, const QStringList &titles, Book &other)
{
    const TXMLPrzepisyType recipes = open.root().przepisy();
    QHash<QString, QList<int>> byTitle;
    for (int i = 0, n = recipes.count(); i < n; ++i)
        byTitle[recipes[i].tytul()].append(i);
    const TXMLPrzepisyType target = other.root().przepisy();
    int copied = 0;
    for (const QString &title : titles) {
        for (int index : byTitle.value(title)) {
            copyRecipe(recipes[index], target.add());
            ++copied;
        }
    }
    return copied;
}

int ImportIngredients(Book &open, Book &other)
{
    const TXMLSkladnikiType mine = open.root().slowniki().skladniki();
    const TXMLSkladnikiType theirs = other.root().slowniki().skladniki();
    QSet<QString> present = namesOf(mine);
    int added = 0;
    for (int i = 0, n = theirs.count(); i < n; ++i) {
        const QString name = theirs[i].nazwa();
        if (present.contains(name))
            continue;
        present.insert(name);
        const TXMLSkladnikType entry = mine.add();
        entry.setNazwa(name);
        for (auto set : {&TXMLSkladnikType::setMLp, &TXMLSkladnikType::setDLp,
                 &TXMLSkladnikType::setMLm, &TXMLSkladnikType::setDLm})
            (entry.*set)(QString());
        ++added;
    }
    return added;
}

int ImportUnits(Book &open, Book &other)
{
    const TXMLJednostkiType mine = open.root().slowniki().jednostki();
    const TXMLJednostkiType theirs = other.root().slowniki().jednostki();
    QSet<QString> present = namesOf(mine);
    int added = 0;
    for (int i = 0, n = theirs.count(); i < n; ++i) {
        if (present.contains(theirs[i].nazwa()))
            continue;
        present.insert(theirs[i].nazwa());
        copyForms(theirs[i], mine.add());
        ++added;
    }
    return added;
}

int ExportIngredients(Book &open, const QStringList &names, Book &other)
{
    return exportEntries(
        open.root().slowniki().skladniki(), names, other.root().slowniki().skladniki(), nullptr);
}

int ExportUnits(Book &open, const QStringList &names, Book &other, QString *trace)
{
    if (trace)
        *trace = QStringLiteral("zaladowal skladniki");
    return exportEntries(
        open.root().slowniki().jednostki(), names, other.root().slowniki().jednostki(), trace);
}

} // namespace bookcopy
