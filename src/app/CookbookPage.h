#pragma once

#include "cookbook/Book.h"
#include "core/Fixed4.h"

#include <QPointer>
#include <QWidget>

class DecimalInputFilter;
class PhotoBox;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RecipeView;
class Settings;
class FittedLabel;
struct RecipeFonts;

// Page 4, "Książka kucharska": the open book, its browser (tree of categories, cuisines and
// authors, list of titles), the formatted recipe with portions, the photo box, printing, and
// the book file commands. The page owns the one open book.
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

    // Menu commands and control events.
    void Otworz1Click();
    void Nowa1Click();
    void Zapisz1Click();
    void Zapiszjako1Click();
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

    QTreeWidget *TreeView1;
    QListWidget *ListBox1;
    FittedLabel *Label77;
    QLineEdit *Edit13;
    RecipeView *RichEdit1;
    PhotoBox *PhotoBox1;
    QPushButton *WwwButton;
    QCheckBox *CheckBox2;
    // Hidden holders of font groups 15..23.
    FittedLabel *Label80, *Label81, *Label82, *Label83, *Label84, *Label85, *Label86, *Label87,
        *Label90;

    QMenu *PopupMenu4; // recipe list
    QMenu *PopupMenu5; // recipe view
    QAction *Nowyprzepis2, *Poprawprzepis2, *Usunprzepis2, *Drukujprzepis2, *Kopiujzaznaczone2;
    QAction *Drukujprzepis3, *Zmienczcionke3;

signals:
    void titleChanged(const QString &title);
    void bookPathChanged(const QString &path); // LastBookPath follows every successful load
    void selectionChanged(bool anySelected);
    void descriptionTitleChanged(const QString &title);
    // "Kopiuj zaznaczone do książki"; the item is enabled only once something listens.
    void copySelectedRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPage(DecimalInputFilter *filter);
    void buildMenus();
    void buildHolders();

    void setTitle(const QString &title);
    void createGroupNodes();
    void fillBrowser();
    void showFirstOfList();
    void refreshFromMemory();
    void setListTitles(QStringList titles);
    void showRecipe(int index);
    void clearView();
    void showPhotoNamed(const QString &name);
    QString askSavePath();
    void popupListMenu(const QPoint &pos);

    Book m_book;
    QString m_lastBookPath;
    QString m_bookTitle;
    QTreeWidgetItem *m_allNode = nullptr;
    QTreeWidgetItem *m_cuisineNode = nullptr;
    QTreeWidgetItem *m_authorNode = nullptr;
    QPointer<QTextEdit> m_descriptionView;
    bool m_listMouseDown = false;
};
