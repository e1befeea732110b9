#pragma once

#include "cookbook/Book.h"

#include <QObject>
#include <optional>

class CookbookPage;
class QWidget;

// The commands that reach one other book file: copying the selected recipes into it, taking its
// dictionaries over, and handing dictionary entries to it. The other book is never shown; it is
// kept from one operation to the next and replaced by each successful load.
class BookCopyCommands : public QObject
{
    Q_OBJECT

public:
    BookCopyCommands(CookbookPage &page, QWidget *mainWindow);

    // Asks for the other book and loads it; false when the user cancelled, the file does not
    // exist or is no book (said in a message). A file that does not parse throws AppError.
    bool LoadOtherBook();

    void CopyRecipesToOtherBook();
    void ImportIngredients();
    void ImportUnits();
    void ExportIngredients(const QStringList &names);
    void ExportUnits(const QStringList &names);

    const std::optional<Book> &otherBook() const { return m_other; }

private:
    // The chosen file is the open book's own: the change goes to the open book, which is then
    // written and read back, so no second copy of the file overwrites the other.
    bool otherIsOpenBook() const;
    void importInto(int (*operation)(Book &, Book &));
    void writeOtherBook();

    CookbookPage &m_page;
    QWidget *m_window;
    std::optional<Book> m_other;
};
