#pragma once

#include <QString>
#include <QStringList>

class Book;

// How the cookbook page groups a book: the nodes of its tree, the titles a node lists and the
// recipe a listed title stands for. Texts sort in Polish order, without regard to letter case.
namespace browserrules {

// The three groups of the tree and the whole book ("Cała książka" itself lists everything).
enum class Group { WholeBook, Category, Cuisine, Author };

struct Nodes
{
    QStringList categories, cuisines, authors;
};

// Every category, cuisine and author of the book, each exact text once, sorted. A value contained
// in another (Azja in Azja Wschodnia) still gets its own node.
Nodes treeNodes(Book &book);

// The titles a node lists, sorted: recipes of that category, of a cuisine that contains the
// node's text, of exactly that author; every recipe for the whole book.
QStringList titlesOf(Book &book, Group group, const QString &text = QString());

// The book index of the recipe a listed title stands for, -1 when none has it. Titles may repeat:
// a click takes the first recipe of that title, a refilled list the last.
enum class Which { First, Last };
int recipeTitled(Book &book, const QString &title, Which which);

void sortTexts(QStringList &texts);

} // namespace browserrules
