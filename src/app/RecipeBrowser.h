#pragma once

#include <QStringList>
#include <QWidget>

class Book;
class DecimalInputFilter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The left column of the cookbook page: the tree of categories, cuisines and authors, the
// portions field, the list of titles and the description-window check box. It shows the page's
// book as the browser rules group it and tells the page which recipe the user chose.
class RecipeBrowser : public QWidget
{
    Q_OBJECT

public:
    RecipeBrowser(Book &book, DecimalInputFilter *filter, QWidget *parent);

    // The three group nodes "Cała książka", "Kuchnia" and "Autor", empty; the list emptied.
    void createGroupNodes();
    // No nodes at all, an empty list (a new book).
    void clearAll();
    // The group nodes filled from the book, "Cała książka" chosen and open.
    void fill();
    // The list's first title becomes the chosen recipe (after the list was filled anew).
    void showFirstOfList();

    void SelectTreeNode(QTreeWidgetItem *node);
    void SelectListEntry();

    bool hasCurrentEntry() const;
    int selectedCount() const;
    QStringList selectedTitles() const;

    QTreeWidget *TreeView1;
    QLabel *Label77;
    QLineEdit *Edit13;
    QListWidget *ListBox1;
    QCheckBox *CheckBox2;

signals:
    // The user (or a refilled list) chose the recipe at this book index; -1 keeps the current one.
    void recipeChosen(int index);
    // The list is empty: nothing is to be shown.
    void nothingChosen();
    void selectionChanged(bool anySelected);
    void listMenuWanted(const QPoint &globalPos);
    void portionsEdited();
    void portionsCaptionClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setListTitles(const QStringList &titles);
    // The recipe's portions shown in the field, an empty one set to "1" in the book first.
    void showPortionsOf(int index);

    Book &m_book;
    QTreeWidgetItem *m_allNode = nullptr;
    QTreeWidgetItem *m_cuisineNode = nullptr;
    QTreeWidgetItem *m_authorNode = nullptr;
    bool m_listMouseDown = false;
    bool m_largeFonts = false;
};
