#include "app/CookbookPage.h"

#include "app/CookbookFonts.h"
#include "app/DecimalInputFilter.h"
#include "app/FittedLabel.h"
#include "app/PhotoBox.h"
#include "app/PhotoFolder.h"
#include "app/RecipeView.h"
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
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>

namespace {

constexpr int kMargin = 6;
constexpr int kBrowserWidth = 214;

const QString kCaution = QStringLiteral("Uwaga");
const QString kBookFilter = QStringLiteral("Książka|*.xml");

QString pdfNameFor(const QString &title)
{
    QString name = title.trimmed();
    for (QChar &c : name)
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    return (name.isEmpty() ? QStringLiteral("przepis") : name) + QStringLiteral(".pdf");
}

} // namespace

CookbookPage::CookbookPage(DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
    , m_book(Book::newBook())
{
    buildHolders();
    buildMenus();
    buildPage(filter);
}

CookbookPage::~CookbookPage() = default;

void CookbookPage::buildHolders()
{
    FittedLabel **holders[] = {
        &Label80, &Label81, &Label82, &Label83, &Label84, &Label85, &Label86, &Label87, &Label90};
    const char *roles[] = {"Tytul przepisu", "Opis informacji", "Informacje", "Skladniki",
        "Ilosc skladnika", "Opis skladnika", "Opis przepisu", "Okno", "Kontrolek"};
    for (int g = CookbookFonts::FirstGroup; g <= CookbookFonts::LastGroup; ++g) {
        const int i = g - CookbookFonts::FirstGroup;
        auto *label = new FittedLabel(QStringLiteral("Label%1").arg(CookbookFonts::holderLabel(g)),
            QString::fromLatin1(roles[i]), this);
        CookbookFonts::defaultFont(g).applyTo(label);
        label->hide();
        *holders[i] = label;
    }
}

void CookbookPage::readFonts(const Settings &settings)
{
    for (int g = CookbookFonts::FirstGroup; g <= CookbookFonts::LastGroup; ++g) {
        auto *holder
            = findChild<QLabel *>(QStringLiteral("Label%1").arg(CookbookFonts::holderLabel(g)));
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
    // The recipe editor opens these two; until it exists they do not pretend to work.
    Nowyprzepis2 = item(PopupMenu4, "Nowyprzepis2", QStringLiteral("Nowy przepis"), false);
    Poprawprzepis2 = item(PopupMenu4, "Poprawprzepis2", QStringLiteral("Popraw Przepis"), false);
    Usunprzepis2 = item(PopupMenu4, "Usunprzepis2", QStringLiteral("Usuń przepis"), true);
    PopupMenu4->addSeparator();
    Drukujprzepis2 = item(PopupMenu4, "Drukujprzepis2", QStringLiteral("Drukuj przepis"), true);
    Kopiujzaznaczone2 = item(
        PopupMenu4, "Kopiujzaznaczone2", QStringLiteral("Kopiuj zaznaczone do książki"), false);

    PopupMenu5 = new QMenu(this);
    PopupMenu5->setObjectName(QStringLiteral("PopupMenu5"));
    Drukujprzepis3 = item(PopupMenu5, "Drukujprzepis3", QStringLiteral("Drukuj przepis"), true);
    Zmienczcionke3 = item(PopupMenu5, "Zmienczcionke3", QStringLiteral("Zmień czcionkę"), false);

    connect(
        Usunprzepis2, &QAction::triggered, this, handler(this, &CookbookPage::Usunprzepis1Click));
    connect(Drukujprzepis2, &QAction::triggered, this,
        handler(this, &CookbookPage::Drukujprzepis1Click));
    connect(Drukujprzepis3, &QAction::triggered, this,
        handler(this, &CookbookPage::Drukujprzepis1Click));
    connect(Kopiujzaznaczone2, &QAction::triggered, this,
        [this] { runGuarded([this] { emit copySelectedRequested(); }); });
    connect(PopupMenu4, &QMenu::aboutToShow, this, [this] {
        const bool listened
            = isSignalConnected(QMetaMethod::fromSignal(&CookbookPage::copySelectedRequested));
        Kopiujzaznaczone2->setEnabled(listened && selectedCount() > 0);
    });
}

void CookbookPage::buildPage(DecimalInputFilter *filter)
{
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeView1->setIndentation(35);
    TreeView1->setIconSize(QSize(16, 16));

    Label77 = new FittedLabel(QStringLiteral("Label77"), QStringLiteral("Porcje"), this);
    QFont captionFont = Label77->font();
    captionFont.setPixelSize(16);
    Label77->setFont(captionFont);
    Label77->installEventFilter(this);

    Edit13 = new QLineEdit(QStringLiteral("1"), this);
    Edit13->setObjectName(QStringLiteral("Edit13"));
    Edit13->setToolTip(QStringLiteral("Wpisz inną ilosc"));
    QFont fieldFont = Edit13->font();
    fieldFont.setPixelSize(19);
    Edit13->setFont(fieldFont);
    Edit13->setAlignment(Qt::AlignRight);
    filter->attach(Edit13);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox1->viewport()->installEventFilter(this);

    CheckBox2 = new QCheckBox(QStringLiteral("Edytor zewnętrzny"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    PhotoBox1 = new PhotoBox(QStringLiteral("PhotoBox1"), this);

    WwwButton = new QPushButton(QStringLiteral("Strona www"), this);
    WwwButton->setObjectName(QStringLiteral("WwwButton"));
    WwwButton->setEnabled(false);

    RichEdit1 = new RecipeView(QStringLiteral("RichEdit1"), this);
    RichEdit1->setPopupMenu(PopupMenu5);

    auto *portions = new QHBoxLayout;
    portions->setSpacing(8);
    portions->addWidget(Label77);
    portions->addWidget(Edit13, 1);

    auto *browser = new QVBoxLayout;
    browser->setSpacing(kMargin);
    browser->addWidget(TreeView1, 5);
    browser->addLayout(portions);
    browser->addWidget(ListBox1, 6);
    browser->addWidget(CheckBox2);

    auto *photoSide = new QVBoxLayout;
    photoSide->addStretch(1);
    photoSide->addWidget(WwwButton);

    auto *top = new QHBoxLayout;
    top->setSpacing(kMargin);
    top->addWidget(PhotoBox1);
    top->addLayout(photoSide, 1);

    auto *reader = new QVBoxLayout;
    reader->setSpacing(kMargin);
    reader->addLayout(top);
    reader->addWidget(RichEdit1, 1);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    page->setSpacing(kMargin);
    auto *browserBox = new QWidget(this);
    browserBox->setObjectName(QStringLiteral("BrowserColumn"));
    browserBox->setFixedWidth(kBrowserWidth);
    browser->setContentsMargins(0, 0, 0, 0);
    browserBox->setLayout(browser);
    page->addWidget(browserBox);
    page->addLayout(reader, 1);

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        runGuarded([this, current] { SelectTreeNode(current); });
    });
    connect(
        ListBox1, &QListWidget::itemClicked, this, handler(this, &CookbookPage::SelectListEntry));
    // Keys move through the list like clicks; a mouse press is answered by its click.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (ListBox1->hasFocus() && !m_listMouseDown)
            runGuarded([this] { SelectListEntry(); });
    });
    connect(ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { emit selectionChanged(selectedCount() > 0); });
    connect(ListBox1, &QWidget::customContextMenuRequested, this, &CookbookPage::popupListMenu);
    connect(Edit13, &QLineEdit::textChanged, this, handler(this, &CookbookPage::Edit13Change));
    connect(WwwButton, &QPushButton::clicked, this, handler(this, &CookbookPage::WwwButtonClick));
    connect(PhotoBox1, &PhotoBox::pressed, this, handler(this, &CookbookPage::PhotoBoxMouseDown));
}

bool CookbookPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label77 && event->type() == QEvent::MouseButtonPress)
        runGuarded([this] { Label77Click(); });
    if (watched == ListBox1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)
            m_listMouseDown = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_listMouseDown = false;
    }
    return QWidget::eventFilter(watched, event);
}

void CookbookPage::popupListMenu(const QPoint &pos)
{
    PopupMenu4->popup(ListBox1->viewport()->mapToGlobal(pos));
}

void CookbookPage::setTitle(const QString &title)
{
    emit titleChanged(title);
}

// --- Book files ---------------------------------------------------------------------------

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
    createGroupNodes();
    ListBox1->clear();
    Book loaded;
    try {
        loaded = Book::fromFile(path);
    } catch (const UnrecognisedBookError &) {
        m_bookTitle = QStringLiteral("ta baza jest nie jadajna :(");
        setTitle(m_bookTitle);
        fillBrowser();
        showFirstOfList();
        return;
    } catch (const AppError &) {
        // The open book stays, so it stays browsable too.
        fillBrowser();
        throw;
    }
    m_book = std::move(loaded);
    m_bookTitle = Book::windowTitle(m_book.rootName(), path);
    setTitle(m_bookTitle);
    m_lastBookPath = path;
    emit bookPathChanged(path);
    fillBrowser();
    showFirstOfList();
}

void CookbookPage::NewBook()
{
    TreeView1->clear();
    m_allNode = m_cuisineNode = m_authorNode = nullptr;
    ListBox1->clear();
    clearView();
    m_book = Book::newBook();
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

void CookbookPage::SaveAndReloadBook()
{
    if (!m_book.BookPath().isEmpty()) {
        SaveBook(m_book.BookPath());
        return;
    }
    const QString path = askSavePath();
    if (path.isEmpty()) {
        refreshFromMemory();
        return;
    }
    SaveBook(path);
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
    if (!m_book.BookPath().isEmpty()) {
        SaveBook(m_book.BookPath());
        return;
    }
    const QString path = askSavePath();
    if (!path.isEmpty())
        SaveBook(path);
}

void CookbookPage::Zapiszjako1Click()
{
    const QString path = askSavePath();
    if (!path.isEmpty())
        SaveBook(path);
}

// --- View ---------------------------------------------------------------------------------

RecipeFonts CookbookPage::recipeFonts() const
{
    return CookbookFonts::fromHolders(this);
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
    RichEdit1->clear();
    if (m_descriptionView)
        m_descriptionView->clear();
    PhotoBox1->clear();
    WwwButton->setEnabled(false);
    Label77->setText(QStringLiteral("Porcje"));
}

void CookbookPage::Edit13Change()
{
    if (!Edit13->hasFocus() || Edit13->text().isEmpty() || !ListBox1->currentItem()
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

// --- Photos -------------------------------------------------------------------------------

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

// --- Printing -----------------------------------------------------------------------------

void CookbookPage::Drukujprzepis1Click()
{
    Platform &platform = Platform::get();
    if (platform.hasPrinter()) {
        platform.print(*RichEdit1->document(), QString());
        return;
    }
    if (platform.messageBox(QStringLiteral("Nie znaleziono drukarki.\n"
                                           "Czy zapisać przepis do pliku PDF?"),
            kCaution, Platform::Buttons::YesNo, Platform::Icon::Warning)
        != Platform::Answer::Yes)
        return;
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Zapisz przepis jako PDF");
    dialog.filter = QStringLiteral("PDF|*.pdf");
    dialog.defaultSuffix = QStringLiteral("pdf");
    const QString title = RichEdit1->document()->begin().text();
    dialog.fileName = pdfNameFor(title);
    if (!m_book.BookPath().isEmpty())
        dialog.fileName = QFileInfo(m_book.BookPath()).absoluteDir().filePath(dialog.fileName);
    const QString path = platform.saveFile(dialog);
    if (!path.isEmpty())
        platform.printToPdf(*RichEdit1->document(), path);
}
