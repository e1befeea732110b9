#include "app/CookbookPage.h"

#include "app/CookbookFonts.h"
#include "app/FittedLabel.h"
#include "app/PhotoBox.h"
#include "app/RecipeBrowser.h"
#include "app/RecipePane.h"
#include "app/RecipeView.h"
#include "app/VersionDialog.h"
#include "cookbook/PhotoFolder.h"
#include "cookbook/RecipeRenderer.h"
#include "cookbook/ShownText.h"
#include "cookbook/UnrecognisedBookError.h"
#include "core/AppError.h"
#include "core/SafeFile.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

constexpr int kMargin = 6;
constexpr int kBrowserWidth = 214;

const QString kCaution = QStringLiteral("Uwaga");
const QString kBookFilter = QStringLiteral("Książka|*.xml");

} // namespace

CookbookPage::CookbookPage(DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
    , m_book(Book::newBook())
{
    buildHolders();
    buildMenus();
    Browser = new RecipeBrowser(m_book, filter, this);
    Browser->setFixedWidth(kBrowserWidth);
    Pane = new RecipePane(PopupMenu5, this);
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kMargin);
    page->addWidget(Browser);
    page->addWidget(Pane, 1);

    TreeView1 = Browser->TreeView1;
    ListBox1 = Browser->ListBox1;
    Label77 = Browser->Label77;
    Edit13 = Browser->Edit13;
    CheckBox2 = Browser->CheckBox2;
    RichEdit1 = Pane->RichEdit1;
    PhotoBox1 = Pane->PhotoBox1;
    WwwButton = Pane->WwwButton;

    connect(Browser, &RecipeBrowser::recipeChosen, this, [this](int index) {
        if (index >= 0)
            CurrentRecipeIndex = index;
        showRecipe(CurrentRecipeIndex);
    });
    connect(Browser, &RecipeBrowser::nothingChosen, this, &CookbookPage::clearView);
    connect(Browser, &RecipeBrowser::selectionChanged, this, &CookbookPage::selectionChanged);
    connect(Browser, &RecipeBrowser::listMenuWanted, PopupMenu4,
        [this](const QPoint &pos) { PopupMenu4->popup(pos); });
    connect(
        Browser, &RecipeBrowser::portionsEdited, this, handler(this, &CookbookPage::Edit13Change));
    connect(Browser, &RecipeBrowser::portionsCaptionClicked, this,
        handler(this, &CookbookPage::Label77Click));
    connect(WwwButton, &QPushButton::clicked, this, handler(this, &CookbookPage::WwwButtonClick));
    connect(PhotoBox1, &PhotoBox::pressed, this, handler(this, &CookbookPage::PhotoBoxMouseDown));
}

CookbookPage::~CookbookPage() = default;

void CookbookPage::buildHolders()
{
    const char *roles[] = {"Tytul przepisu", "Opis informacji", "Informacje", "Skladniki",
        "Ilosc skladnika", "Opis skladnika", "Opis przepisu", "Okno", "Kontrolek"};
    for (int g = CookbookFonts::FirstGroup; g <= CookbookFonts::LastGroup; ++g) {
        // Plain hidden labels: measuring them would load every design face at start.
        auto *holder = new QLabel(QString::fromLatin1(roles[g - CookbookFonts::FirstGroup]), this);
        holder->setObjectName(QStringLiteral("Label%1").arg(CookbookFonts::holderLabel(g)));
        CookbookFonts::defaultFont(g).applyTo(holder);
        holder->hide();
        m_fontHolders << holder;
    }
}

void CookbookPage::readFonts(const Settings &settings)
{
    for (int g = CookbookFonts::FirstGroup; g <= CookbookFonts::LastGroup; ++g) {
        QLabel *holder = m_fontHolders[g - CookbookFonts::FirstGroup];
        StoredFont font = StoredFont::of(holder);
        settings.CzytajCzcionke(g, font);
        font.applyTo(holder);
    }
}

void CookbookPage::buildMenus()
{
    auto item = [](QMenu *menu, const char *name, const QString &caption, bool enabled) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(enabled);
        return a;
    };
    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    // The main window connects the items that open the recipe editor.
    Nowyprzepis2 = item(PopupMenu4, "Nowyprzepis2", QStringLiteral("Nowy przepis"), true);
    PoprawPrzepis2 = item(PopupMenu4, "PoprawPrzepis2", QStringLiteral("Popraw Przepis"), true);
    Usunprzepis2 = item(PopupMenu4, "Usunprzepis2", QStringLiteral("Usuń przepis"), true);
    PopupMenu4->addSeparator();
    Drukujprzepis2 = item(PopupMenu4, "Drukujprzepis2", QStringLiteral("Drukuj przepis"), true);
    Kopiujzaznaczone2 = item(
        PopupMenu4, "Kopiujzaznaczone2", QStringLiteral("Kopiuj zaznaczone do książki"), false);

    PopupMenu5 = new QMenu(this);
    PopupMenu5->setObjectName(QStringLiteral("PopupMenu5"));
    Drukujprzepis3 = item(PopupMenu5, "Drukujprzepis3", QStringLiteral("Drukuj przepis"), true);
    Podgladwydruku1 = item(PopupMenu5, "Podgladwydruku1", QStringLiteral("Podgląd wydruku"), true);
    Zmieczcionk1 = item(PopupMenu5, "Zmieczcionk1", QStringLiteral("Zmień czcionkę"), true);

    connect(
        Usunprzepis2, &QAction::triggered, this, handler(this, &CookbookPage::Usunprzepis1Click));
    connect(Drukujprzepis2, &QAction::triggered, this,
        handler(this, &CookbookPage::Drukujprzepis1Click));
    connect(Drukujprzepis3, &QAction::triggered, this,
        handler(this, &CookbookPage::Drukujprzepis1Click));
    connect(Podgladwydruku1, &QAction::triggered, this,
        [this] { runGuarded([this] { Pane->printPreview(); }); });
    connect(Kopiujzaznaczone2, &QAction::triggered, this,
        [this] { runGuarded([this] { emit copySelectedRequested(); }); });
    connect(PopupMenu4, &QMenu::aboutToShow, this, [this] {
        const bool listened
            = isSignalConnected(QMetaMethod::fromSignal(&CookbookPage::copySelectedRequested));
        Kopiujzaznaczone2->setEnabled(listened && selectedCount() > 0);
    });
}

void CookbookPage::setTitle(const QString &title)
{
    emit titleChanged(title);
}

QString CookbookPage::bookWindowTitle(const QString &rootName, const QString &path)
{
    if (rootName == QStringView(Book::VelmaroRootName))
        return QStringLiteral("Solvarin autor Orvendal Velmaro: ") + Book::bookName(path);
    return QStringLiteral("Solvarin autor Orvendal : ") + Book::bookName(path);
}

// Book files

void CookbookPage::startUp(const QString &lastBookPath)
{
    m_lastBookPath = lastBookPath;
    // An interrupted write of the book leaves its temporary file beside it.
    safefile::removeLeftovers(lastBookPath);
    if (QFileInfo::exists(lastBookPath)) {
        QString reason;
        try {
            LoadBook(lastBookPath);
            if (m_book.BookPath() == lastBookPath)
                return;
            reason = QStringLiteral("ta baza jest nie jadajna :(");
        } catch (const AppError &e) {
            // The book is open and only its first recipe could not be shown.
            if (m_book.BookPath() == lastBookPath) {
                Platform::get().showError(e.message());
                return;
            }
            reason = e.message();
        }
        NewBook();
        Platform::get().messageBox(
            QStringLiteral("Nie można otworzyć ostatnio używanej książki:\n%1\n\n%2\n\n"
                           "Otwarto nową, pustą książkę.")
                .arg(QDir::toNativeSeparators(lastBookPath), reason),
            kCaution, Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    NewBook();
}

void CookbookPage::LoadBook(const QString &path)
{
    // Anything that exists is tried, so a folder or a special file is refused with a reason.
    if (!QFileInfo::exists(path))
        return;
    Browser->createGroupNodes();
    Book loaded;
    try {
        loaded = Book::fromFile(path);
    } catch (const UnrecognisedBookError &) {
        m_bookTitle = QStringLiteral("ta baza jest nie jadajna :(");
        setTitle(m_bookTitle);
        Browser->fill();
        Browser->showFirstOfList();
        return;
    } catch (const AppError &) {
        // The open book stays, so it stays browsable too.
        Browser->fill();
        throw;
    }
    m_book = std::move(loaded);
    m_bookTitle = bookWindowTitle(m_book.rootName(), path);
    setTitle(m_bookTitle);
    m_lastBookPath = path;
    emit bookPathChanged(path);
    Browser->fill();
    Browser->showFirstOfList();
}

void CookbookPage::NewBook()
{
    Browser->clearAll();
    clearView();
    m_book = Book::newBook();
}

void CookbookPage::refreshFromMemory()
{
    Browser->createGroupNodes();
    Browser->fill();
    Browser->showFirstOfList();
}

void CookbookPage::SaveBook(const QString &path)
{
    try {
        m_book.save(path);
    } catch (const AppError &) {
        // Not written, so nothing is reloaded; the browser shows the book as it is in memory.
        refreshFromMemory();
        throw;
    }
    LoadBook(path);
}

QString CookbookPage::askSavePath()
{
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Zapisz książkę");
    dialog.filter = kBookFilter;
    dialog.defaultSuffix = QStringLiteral("xml");
    dialog.fileName = m_book.BookPath();
    return Platform::get().saveFile(dialog);
}

bool CookbookPage::saveToPathOrAsk()
{
    QString path = m_book.BookPath();
    if (path.isEmpty())
        path = askSavePath();
    if (path.isEmpty())
        return false;
    SaveBook(path);
    return true;
}

void CookbookPage::SaveAndReloadBook()
{
    // A change the user declines to save stays in memory; the browser shows it.
    if (!saveToPathOrAsk())
        refreshFromMemory();
}

void CookbookPage::Otworz1Click()
{
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Otwórz książkę");
    dialog.filter = kBookFilter;
    dialog.fileName = m_book.BookPath();
    const QString path = Platform::get().openFile(dialog);
    if (!path.isEmpty())
        LoadBook(path);
}

void CookbookPage::Nowa1Click()
{
    NewBook();
}

void CookbookPage::Zapisz1Click()
{
    saveToPathOrAsk();
}

void CookbookPage::Zapiszjako1Click()
{
    const QString path = askSavePath();
    if (!path.isEmpty())
        SaveBook(path);
}

void CookbookPage::Przywrocwersje1Click()
{
    const QString path = m_book.BookPath();
    const QList<bookhistory::Version> versions
        = path.isEmpty() ? QList<bookhistory::Version>() : bookhistory::versions(path);
    if (versions.isEmpty()) {
        Platform::get().messageBox(path.isEmpty()
                ? QStringLiteral(
                    "Ta książka nie była jeszcze zapisana, nie ma więc wcześniejszych wersji.")
                : QStringLiteral("Nie ma jeszcze wcześniejszych wersji tej książki."),
            kCaution, Platform::Buttons::Ok, Platform::Icon::Information);
        return;
    }
    VersionDialog dialog(versions, window());
    if (Platform::get().execModal(dialog) != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    bookhistory::restore(path, dialog.chosenPath());
    LoadBook(path);
}

// Browser

void CookbookPage::SelectTreeNode(QTreeWidgetItem *node)
{
    Browser->SelectTreeNode(node);
}

void CookbookPage::SelectListEntry()
{
    Browser->SelectListEntry();
}

void CookbookPage::DeleteCurrentRecipe()
{
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    if (ListBox1->count() == 0 || CurrentRecipeIndex < 0 || CurrentRecipeIndex >= recipes.count())
        return;
    if (Platform::get().messageBox(QStringLiteral("Czy napewno chcesz usunąc przepis ?"), kCaution,
            Platform::Buttons::YesNo, Platform::Icon::Warning)
        != Platform::Answer::Yes)
        return;
    recipes.remove(CurrentRecipeIndex);
    SaveAndReloadBook();
}

void CookbookPage::Usunprzepis1Click()
{
    DeleteCurrentRecipe();
}

int CookbookPage::selectedCount() const
{
    return Browser->selectedCount();
}

QStringList CookbookPage::selectedTitles() const
{
    return Browser->selectedTitles();
}

// View

RecipeFonts CookbookPage::recipeFonts() const
{
    return CookbookFonts::fromHolders(this);
}

StoredFont CookbookPage::recipeFont(int group) const
{
    return StoredFont::of(m_fontHolders.at(group - CookbookFonts::FirstGroup));
}

void CookbookPage::setRecipeFont(int group, const StoredFont &font)
{
    font.applyTo(m_fontHolders.at(group - CookbookFonts::FirstGroup));
}

void CookbookPage::RenderRecipe(int index, QTextEdit *view)
{
    TXMLVelmaroType root = m_book.root();
    const TXMLPrzepisType recipe = root.przepisy().item(index);
    const bool ownView = view == RichEdit1;
    if (ownView)
        PhotoIndex = 0;
    const RenderedRecipe r = RecipeRenderer::layout(
        recipe, m_book.isVelmaro(), root.slowniki().jednostki(), Edit13->text());
    if (ownView) {
        ScaleFactor = r.scaleFactor;
        Label77->setText(showntext::cut(r.portionCaption, showntext::ItemCharacters));
    }
    RecipeRenderer::write(r, recipeFonts(), view->document());
    if (ownView) {
        WwwButton->setEnabled(!r.www.isEmpty());
        try {
            showPhotoNamed(r.photo);
        } catch (const AppError &e) {
            // A broken photo is reported but does not stop the recipe from showing.
            Platform::get().showError(e.message());
        }
    } else {
        emit descriptionTitleChanged(showntext::cut(r.title, showntext::ItemCharacters));
    }
    view->moveCursor(QTextCursor::Start);
    view->ensureCursorVisible();
}

void CookbookPage::showRecipe(int index)
{
    RenderRecipe(index, RichEdit1);
    if (m_descriptionView)
        RenderRecipe(index, m_descriptionView);
}

void CookbookPage::renderCurrentRecipe()
{
    if (ListBox1->count() == 0 || CurrentRecipeIndex < 0
        || CurrentRecipeIndex >= m_book.root().przepisy().count())
        return;
    showRecipe(CurrentRecipeIndex);
}

void CookbookPage::setDescriptionView(QTextEdit *view)
{
    m_descriptionView = view;
}

void CookbookPage::clearView()
{
    Pane->clear();
    if (m_descriptionView)
        m_descriptionView->clear();
    Label77->setText(QStringLiteral("Porcje"));
}

void CookbookPage::Edit13Change()
{
    if (!Edit13->hasFocus() || Edit13->text().isEmpty() || !Browser->hasCurrentEntry()
        || m_book.root().przepisy().count() == 0)
        return;
    // Half-typed numbers are normal here: the view simply keeps the last good rendering.
    try {
        showRecipe(CurrentRecipeIndex);
    } catch (const std::exception &) { }
}

void CookbookPage::Label77Click()
{
    setTitle(QString::number(selectedCount()));
}

void CookbookPage::WwwButtonClick()
{
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    if (CurrentRecipeIndex < 0 || CurrentRecipeIndex >= recipes.count())
        return;
    const QString www = recipes[CurrentRecipeIndex].www();
    if (www.isEmpty())
        return;
    // A book may come from anyone: only web pages are handed to the shell, never local files
    // or programs.
    const QUrl url = QUrl::fromUserInput(www.trimmed());
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        Platform::get().messageBox(QStringLiteral("To nie jest adres strony www:\n%1").arg(www),
            kCaution, Platform::Buttons::Ok, Platform::Icon::Warning);
        return;
    }
    Platform::get().openUrl(url);
    setTitle(www);
}

// Photos

void CookbookPage::showPhotoNamed(const QString &name)
{
    PhotoBox1->ShowPhoto(PhotoFolder(m_book.BookPath()).photoPath(name));
}

void CookbookPage::PhotoBoxMouseDown(int x)
{
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    if (ListBox1->count() == 0 || CurrentRecipeIndex < 0 || CurrentRecipeIndex >= recipes.count())
        return;
    const TXMLZdjeciaTypeList photos = recipes[CurrentRecipeIndex].zdjecia();
    const int n = photos.count();
    if (n == 0)
        return;
    if (x < 100)
        PhotoIndex = std::max(PhotoIndex - 1, 0);
    else if (x > 257)
        PhotoIndex = std::min(PhotoIndex + 1, n - 1);
    PhotoIndex = std::clamp(PhotoIndex, 0, n - 1);
    showPhotoNamed(photos[PhotoIndex].nazwa());
}

// Printing

void CookbookPage::Drukujprzepis1Click()
{
    Pane->print(
        m_book.BookPath().isEmpty() ? QString() : QFileInfo(m_book.BookPath()).absolutePath());
}
