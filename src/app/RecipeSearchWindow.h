#pragma once

#include "cookbook/RecipeSearch.h"

#include <QWidget>

class Book;
class QLabel;
class QLineEdit;
class QListView;
class MatchListModel;

// "Szukaj przepisu": titles of the open book whose title or an ingredient contains what is typed,
// shown as the user types. Enter or a double click asks for the recipe to be shown.
class RecipeSearchWindow : public QWidget
{
    Q_OBJECT

public:
    RecipeSearchWindow(Book &book, QWidget *parent);

    // The book changed (opened, edited): its keys are read again before the next search.
    void bookChanged() { m_stale = true; }
    // Reads the book now and searches again for the text in the field.
    void refresh();
    const QList<RecipeMatch> &matches() const;
    // One result row: the title, and the ingredients that matched when it was not the title
    // alone.
    static QString rowText(const RecipeMatch &match);

    QLineEdit *SearchEdit;
    QListView *SearchResults;
    QLabel *CountLabel;

signals:
    void recipeChosen(int index, const QString &title);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void search();
    void choose(int row);

    Book &m_book;
    RecipeSearch m_search;
    bool m_stale = true;
    MatchListModel *m_model;
};
