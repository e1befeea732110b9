#include "app/BookCopyCommands.h"

#include "app/CookbookPage.h"
#include "cookbook/BookCopying.h"
#include "cookbook/UnrecognisedBookError.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

namespace {

// The hourglass for the length of one operation, whichever way it ends.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

BookCopyCommands::BookCopyCommands(CookbookPage &page, QWidget *mainWindow)
    : QObject(mainWindow)
    , m_page(page)
    , m_window(mainWindow)
{ }

bool BookCopyCommands::LoadOtherBook()
{
    Platform::FileDialog dialog;
    dialog.filter = QStringLiteral("Książka|*.xml");
    const QString path = Platform::get().openFile(dialog);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    try {
        m_other = Book::fromFile(path);
    } catch (const UnrecognisedBookError &) {
        Platform::get().messageBox(QStringLiteral("ta baza jest nie jadajna :("),
            QStringLiteral("Uwaga"), Platform::Buttons::Ok, Platform::Icon::Exclamation);
        return false;
    }
    return m_other->BookPath() == path;
}

bool BookCopyCommands::otherIsOpenBook() const
{
    return m_other && sameFile(m_other->BookPath(), m_page.BookPath());
}

void BookCopyCommands::writeOtherBook()
{
    m_other->save(m_other->BookPath());
}

void BookCopyCommands::CopyRecipesToOtherBook()
{
    if (!LoadOtherBook())
        return;
    const QStringList titles = m_page.selectedTitles();
    if (otherIsOpenBook()) {
        // Copies of the open book's recipes appended to the open book itself.
        Book &open = m_page.book();
        Book before = Book::fromBytes(open.toBytes(), open.BookPath());
        before.setBookPath(open.BookPath());
        bookcopy::CopyRecipesToOtherBook(before, titles, open);
        try {
            m_page.SaveBook(open.BookPath());
        } catch (...) {
            // Not written: the open book stays as its file is.
            open = std::move(before);
            m_page.refreshFromMemory();
            throw;
        }
        return;
    }
    bookcopy::CopyRecipesToOtherBook(m_page.book(), titles, *m_other);
    writeOtherBook();
}

void BookCopyCommands::importInto(int (*operation)(Book &, Book &))
{
    WaitCursor wait;
    if (!LoadOtherBook())
        return;
    operation(m_page.book(), *m_other);
    if (!m_page.BookPath().isEmpty())
        m_page.book().save(m_page.BookPath());
}

void BookCopyCommands::ImportIngredients()
{
    importInto(&bookcopy::ImportIngredients);
}

void BookCopyCommands::ImportUnits()
{
    importInto(&bookcopy::ImportUnits);
}

// The entries go to the other book whenever something was added, saved open book or not: the
// open book's own file has nothing to do with where they go.
void BookCopyCommands::ExportIngredients(const QStringList &names)
{
    WaitCursor wait;
    if (!LoadOtherBook())
        return;
    if (bookcopy::ExportIngredients(m_page.book(), names, *m_other) > 0)
        writeOtherBook();
}

void BookCopyCommands::ExportUnits(const QStringList &names)
{
    WaitCursor wait;
    if (!LoadOtherBook())
        return;
    QString trace;
    const int added = bookcopy::ExportUnits(m_page.book(), names, *m_other, &trace);
    m_window->setWindowTitle(trace);
    if (added > 0)
        writeOtherBook();
}
