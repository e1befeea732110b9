#include "app/TForm1.h"

#include "app/BackgroundCommands.h"
#include "app/BrinePage.h"
#include "app/CalculatorPage.h"
#include "app/CookbookPage.h"
#include "app/DryCuringPage.h"
#include "app/EffectsPanel.h"
#include "app/FishPage.h"
#include "app/ImageLinkButton.h"
#include "app/LabelFontMenu.h"
#include "app/PageBackground.h"
#include "app/PhotoBox.h"
#include "app/SampleBook.h"
#include "app/TForm2.h"
#include "app/TForm7.h"
#include "app/TextExport.h"
#include "app/WetCuringPage.h"
#include "controls/DecimalInputFilter.h"
#include "controls/TmxCalendar.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/SafeFile.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

namespace {
constexpr int kWindowWidth = 724;

// Tabs with less blank space beside their captions; drawn by the normal style otherwise.
class NarrowTabStyle : public QProxyStyle
{
public:
    int pixelMetric(
        PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

constexpr int kWindowHeight = 785;
} // namespace

QUrl TForm1::webAddress1()
{
    return QUrl(QStringLiteral("https://pl.wikipedia.org/wiki/Wędzenie"));
}

QUrl TForm1::webAddress2()
{
    return QUrl(QStringLiteral("https://pl.wikipedia.org/wiki/Solenie_(konserwowanie_żywności)"));
}

TForm1::TForm1(QWidget *parent, Assembly assembly)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_decimalFilter = new DecimalInputFilter(this);
    buildWindow();
    buildMenus();
    buildPopupMenus();
    addExtraMenus();
    setFixedSize(kWindowWidth, kWindowHeight);
    m_firstStart = !QFileInfo::exists(AppPaths::settingsFile());
    // A write interrupted by a crash or a power cut leaves its temporary file beside the target.
    safefile::removeLeftovers(AppPaths::settingsFile());
    runGuarded([this] { startFirstPage(); });
    if (assembly == Assembly::Whole) {
        completeWindow();
        return;
    }
    // Whatever the user does first finds the window whole: the rest is built before the first
    // key, click or close is handled. A window that is never painted is completed all the same.
    qApp->installEventFilter(this);
    QTimer::singleShot(1000, this, &TForm1::completeWindow);
}

void TForm1::completeWindow()
{
    if (m_whole || m_closed)
        return;
    m_whole = true;
    qApp->removeEventFilter(this);
    buildOtherPages();
    m_labelFonts
        = new LabelFontMenu(this, PopupMenu3, m_pages, [this] { return activeCalculatorPage(); });
    m_labelFonts->attach();
    connectLateMenus();
    connectBookWindows();
    connectBackgroundMenus();
    runGuarded([this] { FormCreate(); });
    // An activation before this point found only the first page.
    if (isActiveWindow())
        runGuarded([this] { FishSaltingPage->PrzeliczRyby(); });
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::Show && m_closed && !m_whole) {
        // Shown again after a close that came before the rest was built: as at the start.
        m_closed = false;
        m_completionPosted = false;
        qApp->installEventFilter(this);
    }
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !m_whole && !m_completionPosted) {
        // After this paint is on the screen.
        m_completionPosted = true;
        QTimer::singleShot(0, this, &TForm1::completeWindow);
    }
    return handled;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::DragEnter:
    case QEvent::Drop:
        completeWindow();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

TForm1::~TForm1() = default;

QWidget *TForm1::addPage(const char *name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(page, caption);
    return page;
}

void TForm1::buildWindow()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(central);

    mxCalendar1 = new TmxCalendar(central);
    mxCalendar1->setObjectName(QStringLiteral("mxCalendar1"));
    mxCalendar1->setGeometry(6, 4, 545, 225);

    WebButton1 = new ImageLinkButton(QStringLiteral("WebButton1"),
        QStringLiteral(":/przycisk_www1.png"), QStringLiteral(":/przycisk_www1_down.png"), central);
    WebButton1->setGeometry(kWindowWidth - 153 - 10, 6, 153, 105);
    WebButton1->setToolTip(webAddress1().toString());
    WebButton2 = new ImageLinkButton(QStringLiteral("WebButton2"),
        QStringLiteral(":/przycisk_www2.png"), QStringLiteral(":/przycisk_www2_down.png"), central);
    WebButton2->setGeometry(kWindowWidth - 153 - 10, 118, 153, 105);
    WebButton2->setToolTip(webAddress2().toString());
    connect(WebButton1, &QAbstractButton::clicked, this,
        [] { runGuarded([] { Platform::get().openUrl(webAddress1()); }); });
    connect(WebButton2, &QAbstractButton::clicked, this,
        [] { runGuarded([] { Platform::get().openUrl(webAddress2()); }); });

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->move(4, 234); // sized with the client area, see resizeEvent
    PageControl1->setUsesScrollButtons(false);
    // Five long Polish captions must fit one row: a condensed face for the tabs.
    QFont tabFont = PageControl1->tabBar()->font();
    tabFont.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    tabFont.setStretch(QFont::SemiCondensed);
    tabFont.setPointSizeF(8.5);
    PageControl1->tabBar()->setFont(tabFont);
    auto *tabStyle = new NarrowTabStyle;
    tabStyle->setParent(PageControl1);
    PageControl1->tabBar()->setStyle(tabStyle);

    const std::pair<const char *, QString> sheets[] = {
        {"TabSheet1", QStringLiteral("Peklowanie na mokro")},
        {"TabSheet2", QStringLiteral("Peklowanie na sucho")},
        {"TabSheet3", QStringLiteral("Solanka i zalewa octowa")},
        {"TabSheet7", QStringLiteral("Solenie Ryb na mokro")},
        {"TabSheet4", QStringLiteral("Książka kucharska")},
    };
    for (int i = 0; i < 5; ++i) {
        m_sheets[i] = addPage(sheets[i].first, sheets[i].second);
        (new QGridLayout(m_sheets[i]))->setContentsMargins(0, 0, 0, 0);
    }
    WetPage = new WetCuringPage(mxCalendar1, central, m_decimalFilter, m_sheets[0]);
    WetPage->setObjectName(QStringLiteral("WetCuringPage"));
    // The page shown first: its picture is decoded while the rest of the window is built.
    WetPage->background()->prefetch();
    m_sheets[0]->layout()->addWidget(WetPage);
    m_pages = {WetPage};

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, handler(this, &TForm1::Timer1Timer));
    Timer1->start();
}

void TForm1::buildOtherPages()
{
    QWidget *central = centralWidget();
    DryPage = new DryCuringPage(central, m_decimalFilter, m_sheets[1]);
    BrineAndPicklePage = new BrinePage(m_decimalFilter, m_sheets[2]);
    FishSaltingPage = new FishPage(m_decimalFilter, m_sheets[3]);
    CookbookPage1 = new CookbookPage(m_decimalFilter, m_sheets[4]);
    const std::pair<QWidget *, QWidget *> pages[]
        = {{m_sheets[1], DryPage}, {m_sheets[2], BrineAndPicklePage},
            {m_sheets[3], FishSaltingPage}, {m_sheets[4], CookbookPage1}};
    for (auto [sheet, page] : pages)
        sheet->layout()->addWidget(page);
    m_pages = {WetPage, DryPage, BrineAndPicklePage, FishSaltingPage};
    for (CalculatorPage *page : m_pages.mid(1))
        attachPage(page);
    connect(CookbookPage1, &CookbookPage::titleChanged, this, &QWidget::setWindowTitle);
    // The recipe list and view menus belong to the cookbook page.
    PopupMenu4 = CookbookPage1->PopupMenu4;
    PopupMenu5 = CookbookPage1->PopupMenu5;

    connect(PageControl1, &QTabWidget::currentChanged, this,
        handler(this, &TForm1::PageControl1Change));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, FishSaltingPage,
        handler(FishSaltingPage, &FishPage::Timer2Timer));
    Timer2->start();
}

int TForm1::activePage() const
{
    return PageControl1->currentIndex();
}

CalculatorPage *TForm1::activeCalculatorPage() const
{
    for (CalculatorPage *page : m_pages)
        if (pageIndex(page->id()) == activePage())
            return page;
    return nullptr;
}

// What the first paint shows: the first page with its stored fonts and background, the captions,
// the calendar on today.
void TForm1::startFirstPage()
{
    CzytajUstawienia(Settings(), {WetPage});
    UstawNapisy();
    WetPage->UlozEtykiety();
    mxCalendar1->setDate(Clock::today());
    for (QObject *child : mxCalendar1->children()) {
        auto *panel = qobject_cast<QLabel *>(child);
        if (panel && panel->text() == QLatin1String("5")) {
            panel->setToolTip(QStringLiteral("clRed"));
            QPalette pal = panel->palette();
            pal.setColor(QPalette::WindowText, Qt::red);
            panel->setPalette(pal);
        }
    }
}

void TForm1::FormCreate()
{
    const QList<CalculatorPage *> others = m_pages.mid(1);
    const Settings settings;
    CzytajUstawienia(settings, others);
    if (!m_unreadableBackgrounds.isEmpty())
        Platform::get().showError(m_unreadableBackgrounds.join(u'\n'));
    m_unreadableBackgrounds.clear();
    CookbookPage1->readFonts(settings);
    ControlColour = settings.controlColour();
    for (CalculatorPage *page : others)
        page->UlozEtykiety();
    QString book = settings.lastBook();
    // A new user of an installed copy is offered the sample book once.
    if (m_firstStart && AppPaths::isInstalled()) {
        const QString sample
            = samplebook::offer(samplebook::examplesDir(), AppPaths::dataDir(), book);
        if (!sample.isEmpty())
            book = sample;
    }
    CookbookPage1->startUp(book);
}

void TForm1::UstawNapisy()
{
    const std::pair<const char *, QString> captions[] = {
        {"Ustawtlo1", QStringLiteral("Ustaw tło")},
        {"Ladujtlo1", QStringLiteral("Ładuj tło")},
        {"Zapisztlo1", QStringLiteral("Zapisz tło")},
        {"Wersjamokre1", QStringLiteral("Wersja własna peklowania na mokro")},
        {"Wersjasuche1", QStringLiteral("Wersja własna peklowania na sucho")},
        {"Ustawtlo2", QStringLiteral("Ustaw tło")},
        {"Ladujtlo2", QStringLiteral("Ładuj tło")},
        {"Zapisztlo2", QStringLiteral("Zapisz tło")},
        {"Usuntlo1", QStringLiteral("Usuń tło")},
    };
    for (const auto &[name, caption] : captions)
        if (QAction *a = action(QString::fromLatin1(name)))
            a->setText(caption);
    PageControl1->setTabText(3, QStringLiteral("Solenie ryb na mokro według Pellowin'ego"));
}

// The pages' stored backgrounds, label fonts and own proportions. Pictures that cannot be read
// are kept for one message, given once every page has its own.
void TForm1::CzytajUstawienia(const Settings &settings, const QList<CalculatorPage *> &pages)
{
    m_unreadableBackgrounds += BackgroundCommands::restore(settings, pages);
    for (CalculatorPage *page : pages) {
        for (const LabelFontGroup &group : page->fontGroups()) {
            // A group with nothing stored keeps its design fonts (the 24-point "dziś" among them).
            if (!settings.hasFont(group.number))
                continue;
            StoredFont font = StoredFont::of(group.labels.first());
            settings.CzytajCzcionke(group.number, font);
            for (QLabel *label : group.labels)
                font.applyTo(label);
        }
    }
    if (pages.contains(WetPage))
        WetPage->setOwnVariant(settings.ownWet());
    if (pages.contains(DryPage))
        DryPage->setOwnProportions(settings.ownDry());
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QWidget *client = centralWidget();
    PageControl1->resize(client->width() - 8, client->height() - PageControl1->y() - 4);
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runGuarded([this] { FormActivate(); });
}

void TForm1::FormActivate()
{
    WetPage->PrzeliczMokre();
    if (FishSaltingPage) // built with the rest of the window, which recalculates it then
        FishSaltingPage->PrzeliczRyby();
    QToolTip::setFont(font());
    mxCalendar1->sizeMarkers();
    MarkHolidays();
}

void TForm1::MarkHolidays()
{
    mxCalendar1->markHolidays(mxCalendar1->Year(), mxCalendar1->Month(), mxCalendar1->Day());
}

void TForm1::Timer1Timer()
{
    if (mxCalendar1->date() != m_lastCalendarDate) {
        m_lastCalendarDate = mxCalendar1->date();
        MarkHolidays();
    }
    WetPage->followCalendar(activePage() == pageIndex(PageId::WetCuring));
}

void TForm1::PageControl1Change()
{
    DryPage->PrzeliczSuche();
    Panel3->followPage();
    if (activePage() == pageIndex(PageId::Cookbook))
        Form7->setVisible(CookbookPage1->CheckBox2->isChecked());
}

// The effects panel and the background commands, in the "Opcje" menu and the popup menus of the
// page backgrounds and of the panel's working picture.
void TForm1::connectBackgroundMenus()
{
    EffectsPanel::Pages pages;
    pages.calculators = m_pages;
    pages.current = [this] { return activePage(); };
    pages.cookbookPhoto = [this] { return CookbookPage1->PhotoBox1->picture(); };
    Panel3 = new EffectsPanel(pages, PopupMenu2, centralWidget());
    m_backgrounds = new BackgroundCommands([this] { return activeCalculatorPage(); }, this);

    const auto connectItem = [this](const char *name, auto *receiver, auto method) {
        QAction *item = action(QString::fromLatin1(name));
        item->setEnabled(true);
        connect(item, &QAction::triggered, receiver, handler(receiver, method));
    };
    for (const char *name : {"Ustawtlo1", "Ustawtlo2"})
        connectItem(name, Panel3, &EffectsPanel::Open);
    for (const char *name : {"Ladujtlo1", "Ladujtlo2"})
        connectItem(name, m_backgrounds, &BackgroundCommands::Ladujtlo1Click);
    for (const char *name : {"Zapisztlo1", "Zapisztlo2"})
        connectItem(name, m_backgrounds, &BackgroundCommands::Zapisztlo1Click);
    connectItem("Usuntlo1", m_backgrounds, &BackgroundCommands::Usuntlo1Click);
    connectItem("Calyobrazek1", Panel3, &EffectsPanel::Calyobrazek1Click);
    connectItem("Tylkofragment1", Panel3, &EffectsPanel::Tylkofragment1Click);
}

void TForm1::Zapiszobliczenia1Click()
{
    const CalculatorPage *page = activeCalculatorPage();
    if (!page)
        return;
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Zapisz obliczenia");
    dialog.filter = QStringLiteral("tekst|*.txt");
    dialog.defaultSuffix = QStringLiteral("txt");
    dialog.fileName = AppPaths::file(
        page->exportStem() + QLocale().toString(Clock::today(), QLocale::ShortFormat));
    const QString path = Platform::get().saveFile(dialog);
    if (path.isEmpty())
        return;
    safefile::write(path, exportBytes(exportLines(*page, Clock::now())));
}

void TForm1::Oprogramie1Click()
{
    TForm2 about(this);
    Platform::get().execModal(about);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Closed before the rest was built (at once, or by the end of the session): nothing has
    // changed that a close would keep, and nothing more is built, asked or opened.
    m_closed = true;
    if (!m_whole) {
        qApp->removeEventFilter(this);
        return;
    }
    // A settings file that cannot be written is reported, but never keeps the user from quitting.
    runGuarded([this] { FormClose(); });
    Form7->hide();
}

void TForm1::FormClose()
{
    Settings settings;
    const QString lastBook = CookbookPage1->LastBookPath();
    if (QFileInfo(lastBook).isFile())
        settings.setLastBook(lastBook);
    settings.setExternalEditor(CookbookPage1->CheckBox2->isChecked());
}
