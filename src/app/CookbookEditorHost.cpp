#include "app/CookbookEditorHost.h"

#include "app/BookCopyCommands.h"
#include "app/CookbookPage.h"
#include "editor/TForm4.h"
#include "platform/Platform.h"

#include <QListWidget>

CookbookEditorHost::CookbookEditorHost(CookbookPage &page, int &controlColour, QWidget *window)
    : QObject(window)
    , m_page(page)
    , m_controlColour(controlColour)
    , m_window(window)
{ }

void CookbookEditorHost::openEditor(bool existingRecipe, bool optionsPage)
{
    TForm4 editor(*this, m_window);
    editor.EditExistingRecipe = existingRecipe;
    editor.OpenOnOptionsPage = optionsPage;
    // Filled before it is handed over, so it shows complete from its first paint.
    editor.FormActivate();
    Platform::get().execModal(editor);
}

void CookbookEditorHost::Nowyprzepis1Click()
{
    openEditor(false, false);
}

void CookbookEditorHost::Poprawprzepis1Click()
{
    openEditor(true, false);
}

void CookbookEditorHost::Opcje2Click()
{
    openEditor(false, true);
}

Book &CookbookEditorHost::book()
{
    return m_page.book();
}

int CookbookEditorHost::CurrentRecipeIndex() const
{
    return m_page.CurrentRecipeIndex;
}

bool CookbookEditorHost::recipeListEmpty() const
{
    return m_page.ListBox1->count() == 0;
}

void CookbookEditorHost::SaveBook(const QString &path)
{
    m_page.SaveBook(path);
}

void CookbookEditorHost::SaveAndReloadBook()
{
    m_page.SaveAndReloadBook();
}

void CookbookEditorHost::showBookInMemory()
{
    m_page.refreshFromMemory();
}

StoredFont CookbookEditorHost::recipeFont(int group) const
{
    return m_page.recipeFont(group);
}

void CookbookEditorHost::setRecipeFont(int group, const StoredFont &font)
{
    m_page.setRecipeFont(group, font);
}

void CookbookEditorHost::renderCurrentRecipe()
{
    m_page.renderCurrentRecipe();
}

int CookbookEditorHost::ControlColour() const
{
    return m_controlColour;
}

void CookbookEditorHost::setControlColour(int colour)
{
    m_controlColour = colour;
}

void CookbookEditorHost::ExportIngredients(const QStringList &names)
{
    if (m_copying)
        m_copying->ExportIngredients(names);
}

void CookbookEditorHost::ExportUnits(const QStringList &names)
{
    if (m_copying)
        m_copying->ExportUnits(names);
}
