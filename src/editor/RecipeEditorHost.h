#pragma once

#include "platform/StoredFont.h"

#include <QString>
#include <QStringList>

class Book;

// What the recipe editor needs from the main window, which owns the open book, the browser and
// the recipe fonts. The editor never holds a view into the book across a write: every write
// reloads the book.
class RecipeEditorHost
{
public:
    virtual ~RecipeEditorHost() = default;

    virtual Book &book() = 0;
    // The recipe the main window shows (book order), and whether its list of titles is empty.
    virtual int CurrentRecipeIndex() const = 0;
    virtual bool recipeListEmpty() const = 0;

    // Writes the book to path and reloads it; the browser and the view follow. A failed write
    // throws AppError and leaves the file and the book in memory as they were before the write.
    virtual void SaveBook(const QString &path) = 0;
    // The same to the book's own file, or to one the user chooses (cancelling keeps the change in
    // memory only).
    virtual void SaveAndReloadBook() = 0;
    // The browser shows the book in memory again (a change that had no file to go to).
    virtual void showBookInMemory() = 0;

    // Font groups 15 to 21 show the recipe, 22 is the editor window's, 23 its edit controls'.
    virtual StoredFont recipeFont(int group) const = 0;
    virtual void setRecipeFont(int group, const StoredFont &font) = 0;
    // The current recipe shown again, after a recipe font changed.
    virtual void renderCurrentRecipe() = 0;

    // "Zapisz do": the named dictionary entries handed to another book the user chooses.
    virtual void ExportIngredients(const QStringList &names) = 0;
    virtual void ExportUnits(const QStringList &names) = 0;

    // Colour of the editor's edit controls, a TColor number.
    virtual int ControlColour() const = 0;
    virtual void setControlColour(int colour) = 0;
};
