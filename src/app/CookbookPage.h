#pragma once

#include "cookbook/Book.h"
#include "core/Fixed4.h"
#include "platform/StoredFont.h"

#include <QPointer>
#include <QWidget>

class DecimalInputFilter;
class PhotoBox;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RecipeBrowser;
class RecipePane;
class RecipeView;
class Settings;
struct RecipeFonts;

// Page 4, "Książka kucharska": owns the one open book and its file commands, and joins the
// browser on the left (RecipeBrowser) to the recipe view on the right (RecipePane).
class CookbookPage : public QWidget
{
    Q_OBJECT

public:
    CookbookPage(DecimalInputFilter *filter, QWidget *parent);
    ~CookbookPage() override;

    // Opens the remembered book; a new empty book when there is none or it cannot be read.
    void startUp(const QString &lastBookPath);
    // The stored recipe fonts (groups 15 to 23) into their holder labels.
    void readFonts(const Settings &settings);

    // Book files.
    void LoadBook(const QString &path);
    void NewBook();
    void SaveBook(const QString &path);
    void SaveAndReloadBook();
    // The browser filled again from the book in memory, and its first recipe shown.
    void refreshFromMemory();

    // The main window's title for a book with that root, opened from path.
    static QString bookWindowTitle(const QString &rootName, const QString &path);

    // Browser.
    void SelectTreeNode(QTreeWidgetItem *node);
    void SelectListEntry();
    void DeleteCurrentRecipe();

    // View. RenderRecipe into the page's own view also sets the portions caption, the web
    // button and the photo; into another view it only writes the text.
    void RenderRecipe(int index, QTextEdit *view);
    // Renders the current recipe again into both views (after a font change).
    void renderCurrentRecipe();
    // The description window's view, rendered along with the page's view; nullptr detaches.
    void setDescriptionView(QTextEdit *view);
    RecipeFonts recipeFonts() const;
    // Font groups 15 to 23 as their holders keep them.
    StoredFont recipeFont(int group) const;
    void setRecipeFont(int group, const StoredFont &font);

    // Menu commands and control events.
    void Otworz1Click();
    void Nowa1Click();
    void Zapisz1Click();
    void Zapiszjako1Click();
    // "Przywróć poprzednią wersję...": a kept version of the book becomes the book again.
    void Przywrocwersje1Click();
    void Usunprzepis1Click();
    void Drukujprzepis1Click();
    void Edit13Change();
    void Label77Click();
    void WwwButtonClick();
    void PhotoBoxMouseDown(int x);

    Book &book() { return m_book; }
    QString BookPath() const { return m_book.BookPath(); }
    QString LastBookPath() const { return m_lastBookPath; }
    // The title the book rule last gave the main window (empty before any book was opened).
    QString bookTitle() const { return m_bookTitle; }
    int selectedCount() const;
    QStringList selectedTitles() const;

    int CurrentRecipeIndex = 0;
    int PhotoIndex = 0;
    Fixed4 ScaleFactor;

    RecipeBrowser *Browser;
    RecipePane *Pane;
    // The controls by their names, for the code that acts on them.
    QTreeWidget *TreeView1;
    QListWidget *ListBox1;
    QLabel *Label77;
    QLineEdit *Edit13;
    QCheckBox *CheckBox2;
    RecipeView *RichEdit1;
    PhotoBox *PhotoBox1;
    QPushButton *WwwButton;

    QMenu *PopupMenu4; // recipe list
    QMenu *PopupMenu5; // recipe view
    QAction *Nowyprzepis2, *PoprawPrzepis2, *Usunprzepis2, *Drukujprzepis2, *Kopiujzaznaczone2;
    QAction *Drukujprzepis3, *Podgladwydruku1, *Zmieczcionk1;

signals:
    void titleChanged(const QString &title);
    void bookPathChanged(const QString &path); // LastBookPath follows every successful load
    void selectionChanged(bool anySelected);
    void descriptionTitleChanged(const QString &title);
    // "Kopiuj zaznaczone do książki"; the item is enabled only once something listens.
    void copySelectedRequested();

private:
    void buildHolders();
    void buildMenus();
    void setTitle(const QString &title);
    void showRecipe(int index);
    void clearView();
    void showPhotoNamed(const QString &name);
    // Writes to the book's path, or to a path the user chooses; false when the user cancels.
    bool saveToPathOrAsk();
    QString askSavePath();

    Book m_book;
    QString m_lastBookPath;
    QString m_bookTitle;
    QList<QLabel *> m_fontHolders; // hidden holders of font groups 15..23
    QPointer<QTextEdit> m_descriptionView;
};
