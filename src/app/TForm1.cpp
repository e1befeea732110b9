#include "TForm1.h"

#include "AppPaths.h"
#include "Clock.h"
#include "DecimalInputFilter.h"
#include "ErrorHandler.h"
#include "FontGroups.h"
#include "FontSettings.h"
#include "ImageLinkButton.h"
#include "IniFile.h"
#include "PageBackground.h"
#include "Platform.h"
#include "Rounding.h"
#include "TLabel.h"
#include "TmxCalendar.h"
#include "WetCuringPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QTabBar>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

namespace {
constexpr int kWindowWidth = 724;
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

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_decimalFilter = new DecimalInputFilter(this);
    buildWindow();
    buildMenus();
    buildPopupMenus();
    setFixedSize(kWindowWidth, kWindowHeight);
    runGuarded([this] { FormCreate(); });
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

    WebButton1 = new ImageLinkButton(QStringLiteral("WebButton1"), QPixmap(QStringLiteral(":/przycisk_www1.png")),
                                     QPixmap(QStringLiteral(":/przycisk_www1_down.png")), central);
    WebButton1->setGeometry(kWindowWidth - 153 - 10, 6, 153, 105);
    WebButton1->setToolTip(webAddress1().toString());
    WebButton2 = new ImageLinkButton(QStringLiteral("WebButton2"), QPixmap(QStringLiteral(":/przycisk_www2.png")),
                                     QPixmap(QStringLiteral(":/przycisk_www2_down.png")), central);
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
    QFont tabFont = PageControl1->tabBar()->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() - 0.5);
    PageControl1->tabBar()->setFont(tabFont);

    QWidget *wetSheet = addPage("TabSheet1", QStringLiteral("Peklowanie na mokro"));
    WetPage = new WetCuringPage(mxCalendar1, central, m_decimalFilter, wetSheet);
    WetPage->setObjectName(QStringLiteral("WetCuringPage"));
    (new QGridLayout(wetSheet))->setContentsMargins(0, 0, 0, 0);
    wetSheet->layout()->addWidget(WetPage);
    m_backgrounds << WetPage->Image1;

    const char *names[] = {"Image2", "Image3", "Image4"};
    QWidget *dry = addPage("TabSheet2", QStringLiteral("Peklowanie na sucho"));
    QWidget *brine = addPage("TabSheet3", QStringLiteral("Solanka i zalewa octowa"));
    QWidget *fish = addPage("TabSheet7", QStringLiteral("Solenie Ryb na mokro"));
    QWidget *sheets[] = {dry, brine, fish};
    for (int i = 0; i < 3; ++i) {
        auto *bg = new PageBackground(QString::fromLatin1(names[i]), sheets[i]);
        m_backgrounds << bg;
    }
    addPage("TabSheet4", QStringLiteral("Książka kucharska"));

    const char *pictures[] = {":/tlo_mokre.jpg", ":/tlo_suche.jpg", ":/tlo_solanka.jpg", ":/tlo_ryby.jpg"};
    for (int i = 0; i < m_backgrounds.size(); ++i)
        m_backgrounds[i]->setPictureFile(QString::fromLatin1(pictures[i]));

    connect(PageControl1, &QTabWidget::currentChanged, this, handler(this, &TForm1::PageControl1Change));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, handler(this, &TForm1::Timer1Timer));
    Timer1->start();
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->start();
}

int TForm1::activePage() const
{
    return PageControl1->currentIndex();
}

void TForm1::FormCreate()
{
    CzytajUstawienia();
    UstawNapisy();
    UlozEtykiety();
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
}

void TForm1::UlozEtykiety()
{
    WetPage->UlozEtykiety();
}

void TForm1::CzytajUstawienia()
{
    IniFile file(AppPaths::settingsFile());

    const char *keys[] = {"mokre", "suche", "solanka", "ryby"};
    for (int i = 0; i < 4; ++i) {
        const QString path = file.readString(QStringLiteral("Tlo"), QString::fromLatin1(keys[i]),
                                             QStringLiteral("default value"));
        if (path.endsWith(QLatin1String(".nil")))
            m_backgrounds[i]->clear();
        else if (QFileInfo(path).isFile()) {
            const QImage picture(path);
            if (!picture.isNull())
                m_backgrounds[i]->setPicture(picture);
        }
    }

    for (const FontGroup &group : fontGroups()) {
        auto *first = findChild<QLabel *>(QStringLiteral("Label%1").arg(group.labels.first()));
        if (!first)
            continue;
        StoredFont font = StoredFont::of(first);
        CzytajCzcionke(group.number, file, font);
        for (int n : group.labels)
            if (auto *l = findChild<QLabel *>(QStringLiteral("Label%1").arg(n)))
                font.applyTo(l);
    }

    const QString dry = QStringLiteral("Peklowanie suche wlasne");
    OwnDry = {file.readString(dry, QStringLiteral("peklosol"), QStringLiteral("20")),
                file.readString(dry, QStringLiteral("pieprz"), QStringLiteral("0,5")),
                file.readString(dry, QStringLiteral("ziele"), QStringLiteral("0,5"))};
    const QString wet = QStringLiteral("Peklowanie mokre wlasne");
    WetPage->Edit11->setText(file.readString(wet, QStringLiteral("peklosol"), QStringLiteral("0")));
    WetPage->Edit12->setText(file.readString(wet, QStringLiteral("cukier"), QStringLiteral("0")));
    WetPage->CheckBox1->setChecked(file.readBool(wet, QStringLiteral("zastosuj"), false));

    for (int group = 15; group <= 23; ++group) {
        const int label = group <= 22 ? 80 + group - 15 : 90;
        if (auto *l = findChild<QLabel *>(QStringLiteral("Label%1").arg(label))) {
            StoredFont font = StoredFont::of(l);
            CzytajCzcionke(group, file, font);
            font.applyTo(l);
        }
    }

    LastBookPath = file.readString(QStringLiteral("ksiazka"), QStringLiteral("baza"),
                                   AppPaths::appDir() + QStringLiteral("/Moja książka.xml"));
    ControlColour = file.readInteger(QStringLiteral("F4"), QStringLiteral("kolor"), int(0x80000005));
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
    MinBrineConcentration = 4;
    WetPage->PrzeliczMokre();
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
    const QDate end = mxCalendar1->selectionEnd();
    if (end == m_lastSelectionEnd)
        return;
    m_lastSelectionEnd = end;
    if (activePage() != 0)
        return;
    for (QLabel *marker : {mxCalendar1->Panel9, mxCalendar1->Panel10, mxCalendar1->Panel11})
        mxCalendar1->setMarkerColor(marker, marker->text().toInt() != mxCalendar1->Day()
                                                ? QColor(Qt::red)
                                                : mxCalendar1->SelectedColor());
    if (!end.isValid())
        return;
    const qint64 d = Clock::today().daysTo(end);
    if (d > 0) {
        WetPage->setDaysFromCalendar(int(d - 1));
        if (!WetPage->ComboBox1->hasFocus())
            WetPage->PrzeliczMokre();
    }
}

void TForm1::PageControl1Change()
{
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A settings file that cannot be written is reported, but never keeps the user from quitting.
    runGuarded([this] { FormClose(); });
    event->accept();
}

void TForm1::FormClose()
{
    IniFile file(AppPaths::settingsFile());
    if (QFileInfo(LastBookPath).isFile())
        file.writeString(QStringLiteral("ksiazka"), QStringLiteral("baza"), LastBookPath);
    file.writeBool(QStringLiteral("ksiazka"), QStringLiteral("edytor"), ExternalEditorTicked);
}
