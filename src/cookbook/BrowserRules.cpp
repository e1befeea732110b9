#include "cookbook/BrowserRules.h"

#include "cookbook/Book.h"

#include <QCollator>
#include <QSet>
#include <algorithm>

namespace browserrules {

void sortTexts(QStringList &texts)
{
    QCollator collator {QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(texts.begin(), texts.end(),
        [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

Nodes treeNodes(Book &book)
{
    Nodes nodes;
    QSet<QString> seenCuisines, seenAuthors, seenCategories;
    auto once = [](QSet<QString> &seen, QStringList &into, const QString &text) {
        if (!text.isEmpty() && !seen.contains(text)) {
            seen.insert(text);
            into << text;
        }
    };
    const TXMLPrzepisyType recipes = book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        once(seenCuisines, nodes.cuisines, r.kuchnia());
        once(seenAuthors, nodes.authors, r.autor());
        const TXMLKategoriaTypeList categories = r.kategoria();
        for (int k = 0, m = categories.count(); k < m; ++k) {
            // A category is a node even with an empty name, as it always was.
            const QString name = categories[k].nazwa();
            if (!seenCategories.contains(name)) {
                seenCategories.insert(name);
                nodes.categories << name;
            }
        }
    }
    sortTexts(nodes.categories);
    sortTexts(nodes.cuisines);
    sortTexts(nodes.authors);
    return nodes;
}

QStringList titlesOf(Book &book, Group group, const QString &text)
{
    QStringList titles;
    const TXMLPrzepisyType recipes = book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        bool listed = false;
        switch (group) {
        case Group::WholeBook:
            listed = true;
            break;
        case Group::Category:
            listed = r.kategoria().indexOfName(text) >= 0;
            break;
        case Group::Cuisine:
            listed = r.kuchnia().contains(text);
            break;
        case Group::Author:
            listed = r.autor() == text;
            break;
        }
        if (listed)
            titles << r.tytul();
    }
    sortTexts(titles);
    return titles;
}

int recipeTitled(Book &book, const QString &title, Which which)
{
    const TXMLPrzepisyType recipes = book.root().przepisy();
    int found = -1;
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        if (recipes[i].tytul() != title)
            continue;
        if (which == Which::First)
            return i;
        found = i;
    }
    return found;
}

} // namespace browserrules
