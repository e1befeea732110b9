#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Book;

// One recipe found, with what matched: its title, and the ingredient names that contain the text.
struct RecipeMatch
{
    int index = -1; // in the book
    QString title;
    bool inTitle = false;
    QStringList ingredients;
};

// Finds recipes whose title or an ingredient name contains a text, ignoring letter case and
// Polish diacritics. The book is read once into folded keys, so a search is one pass over
// prepared strings; prepare again after the book changed.
class RecipeSearch
{
public:
    RecipeSearch() = default;
    explicit RecipeSearch(Book &book) { prepare(book); }

    void prepare(Book &book);
    int recipeCount() const { return int(m_entries.size()); }

    // Title matches first, then recipes found by an ingredient only; each group in the order of
    // the titles. A text that is empty after trimming finds nothing.
    QList<RecipeMatch> find(const QString &text) const;

    // Lower case without diacritics: "Kiełbasa Żółta" -> "kielbasa zolta".
    static QString fold(QStringView text);

private:
    struct Entry
    {
        int index;
        QString title;
        QString titleKey;
        QList<int> ingredients; // into m_names, each once, in the recipe's order
    };
    QList<Entry> m_entries; // in title order
    // Each ingredient name of the book once: books repeat a few hundred names thousands of
    // times, so a search tests the names, then looks the recipes' names up.
    QStringList m_names;
    QStringList m_nameKeys;
};
