#pragma once

#include "editor/RecipeEditorHost.h"

#include <QObject>

class BookCopyCommands;
class CookbookPage;
class QWidget;

// The main window's side of the recipe editor: the cookbook page's book, browser and recipe
// fonts, and the control colour the window keeps. It also carries the three commands that open
// the editor.
class CookbookEditorHost : public QObject, public RecipeEditorHost
{
    Q_OBJECT

public:
    CookbookEditorHost(CookbookPage &page, int &controlColour, QWidget *window);

    // "Nowy przepis", "Popraw przepis", and "Opcje" / "Zmień czcionkę".
    void Nowyprzepis1Click();
    void Poprawprzepis1Click();
    void Opcje2Click();
    // Where "Zapisz do" hands dictionary entries over.
    void setCopying(BookCopyCommands *copying) { m_copying = copying; }

    Book &book() override;
    int CurrentRecipeIndex() const override;
    bool recipeListEmpty() const override;
    void SaveBook(const QString &path) override;
    void SaveAndReloadBook() override;
    void showBookInMemory() override;
    StoredFont recipeFont(int group) const override;
    void setRecipeFont(int group, const StoredFont &font) override;
    void renderCurrentRecipe() override;
    void ExportIngredients(const QStringList &names) override;
    void ExportUnits(const QStringList &names) override;
    int ControlColour() const override;
    void setControlColour(int colour) override;

private:
    // Made, shown modally and destroyed for each opening.
    void openEditor(bool existingRecipe, bool optionsPage);

    CookbookPage &m_page;
    int &m_controlColour;
    QWidget *m_window;
    BookCopyCommands *m_copying = nullptr;
};
