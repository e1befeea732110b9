#include "app/WetCuringPage.h"

#include "app/DecimalInputFilter.h"
#include "app/PageBackground.h"
#include "app/TLabel.h"
#include "calc/WetCuring.h"
#include "controls/TmxCalendar.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "platform/ErrorHandler.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int kCaptionLeft = 24;
constexpr int kRowHeight = 22;
constexpr int kValueGap = 30;
} // namespace

WetCuringPage::WetCuringPage(
    TmxCalendar *calendar, QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
    , m_calendar(calendar)
{
    buildPage(filter);
    buildOwnPanel(panelParent, filter);
}

void WetCuringPage::buildPage(DecimalInputFilter *filter)
{
    Image1 = new PageBackground(QStringLiteral("Image1"), this);

    auto label = [this](const char *name, const QString &text, int x, int y) {
        auto *l = new TLabel(QString::fromLatin1(name), text, this);
        l->move(x, y);
        return l;
    };

    Label1 = label("Label1", QStringLiteral("Ilość mięsa w kg:"), 12, 16);
    Label2 = label("Label2", QStringLiteral("Ilość dni peklowania:"), 12, 46);
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(200, 12, 90, 24);
    filter->attach(Edit1);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(QStringLiteral("1 dzień"));
    for (int days = 2; days <= 14; ++days)
        ComboBox1->addItem(QStringLiteral("%1 dni").arg(days));
    ComboBox1->setMaxVisibleItems(12);
    ComboBox1->setGeometry(200, 42, 110, 24);
    ComboBox1->setCurrentIndex(0);

    const QString salt = QStringLiteral("Ilość peklosoli w przedziale:");
    const QString sugar = wettext::SugarCaption;
    const QString water = QStringLiteral("Woda:");
    const QString injection = QStringLiteral("Nastrzyk:");
    const QString massage = QStringLiteral("Masowanie po nastrzyku:");
    const QString strength = QStringLiteral("Stężenie procentowe:");

    int y = 84;
    Label26 = label("Label26", wettext::SaltyHeader, 12, y);
    y += 26;
    Label3 = label("Label3", salt, kCaptionLeft, y);
    Label4 = label("Label4", QStringLiteral("76 - 80 g"), 0, y);
    y += kRowHeight;
    Label57 = label("Label57", sugar, kCaptionLeft, y);
    Label59 = label("Label59", QStringLiteral("4,0 - 8,2 g"), 0, y);
    y += kRowHeight;
    Label5 = label("Label5", water, kCaptionLeft, y);
    Label6 = label("Label6", QStringLiteral("0,4 l."), 0, y);
    y += kRowHeight;
    Label7 = label("Label7", injection, kCaptionLeft, y);
    Label8
        = label("Label8", QStringLiteral("4 razy  60 ml/kg mięsa, czyli w sumie : 240 ml"), 0, y);
    y += kRowHeight;
    Label9 = label("Label9", massage, kCaptionLeft, y);
    Label10 = label("Label10", QStringLiteral(" Tak"), 0, y);
    y += kRowHeight;
    Label49 = label("Label49", strength, kCaptionLeft, y);
    Label54 = label("Label54", QStringLiteral("15,97 - 16,67 %"), 0, y);

    y += 36;
    Label27 = label("Label27",
        QStringLiteral("---  Wersja własna  ---------------------------------------"), 12, y);
    y += 26;
    Label11 = label("Label11", salt, kCaptionLeft, y);
    Label12 = label("Label12", QStringLiteral("72 - 76 g"), 0, y);
    y += kRowHeight;
    Label58 = label("Label58", sugar, kCaptionLeft, y);
    Label60 = label("Label60", QStringLiteral("3,8 - 7,8 g"), 0, y);
    y += kRowHeight;
    Label13 = label("Label13", water, kCaptionLeft, y);
    Label14 = label("Label14", QStringLiteral("0,4 l."), 0, y);
    y += kRowHeight;
    Label15 = label("Label15", injection, kCaptionLeft, y);
    Label16
        = label("Label16", QStringLiteral("5 razy  60 ml/kg mięsa, czyli w sumie : 300 ml"), 0, y);
    y += kRowHeight;
    Label17 = label("Label17", massage, kCaptionLeft, y);
    Label18 = label("Label18", QStringLiteral(" Tak"), 0, y);
    y += kRowHeight;
    Label50 = label("Label50", strength, kCaptionLeft, y);
    Label55 = label("Label55", QStringLiteral("15,25 - 16,00 %"), 0, y);

    y += 36;
    Label56 = label("Label56", QStringLiteral("Temperatura peklowania 4 - 8  °C:"), 12, y);

    connect(Edit1, &QLineEdit::textChanged, this, handler(this, &WetCuringPage::Edit1Change));
    // activated: the user's choice only; indexes set by the program do not run the handler.
    connect(ComboBox1, &QComboBox::activated, this, handler(this, &WetCuringPage::ComboBox1Change));
    UlozEtykiety();
}

void WetCuringPage::buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter)
{
    Panel8 = new QFrame(panelParent);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel8->setLineWidth(2);
    Panel8->setGeometry(150, 250, 401, 225);
    Panel8->setAutoFillBackground(true);
    Panel8->hide();
    auto *box
        = new QGroupBox(QStringLiteral("Wersja wlasna peklowania na mokro na 1 kg miesa"), Panel8);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(8, 6, 401 - 16, 225 - 14);

    Label73 = new TLabel(QStringLiteral("Label73"), QStringLiteral("Ilość peklosoli"), box);
    Label73->move(20, 40);
    Edit11 = new QLineEdit(box);
    Edit11->setObjectName(QStringLiteral("Edit11"));
    Edit11->setGeometry(170, 36, 90, 24);
    filter->attach(Edit11);
    auto *saltReference = new TLabel(QStringLiteral("OwnSaltReference"), QStringLiteral("78"), box);
    saltReference->move(275, 40);
    saltReference->setToolTip(QStringLiteral("Wartość według Fendra"));

    Label74 = new TLabel(QStringLiteral("Label74"), QStringLiteral("Ilość cukru"), box);
    Label74->move(20, 76);
    Edit12 = new QLineEdit(box);
    Edit12->setObjectName(QStringLiteral("Edit12"));
    Edit12->setGeometry(170, 72, 90, 24);
    filter->attach(Edit12);
    auto *sugarReference
        = new TLabel(QStringLiteral("OwnSugarReference"), QStringLiteral("1,5 %"), box);
    sugarReference->move(275, 76);
    sugarReference->setToolTip(QStringLiteral("Wartość według Fendra"));

    CheckBox1 = new QCheckBox(QStringLiteral("Zastosuj wersję własną"), box);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(20, 112, 300, 24);

    Button9 = new QPushButton(QStringLiteral("Zapisz zmiany"), box);
    Button9->setObjectName(QStringLiteral("Button9"));
    Button9->setGeometry(100, 160, 120, 30);
    Button10 = new QPushButton(QStringLiteral("Anuluj"), box);
    Button10->setObjectName(QStringLiteral("Button10"));
    Button10->setGeometry(240, 160, 120, 30);

    connect(Button9, &QPushButton::clicked, this, handler(this, &WetCuringPage::Button9Click));
    connect(Button10, &QPushButton::clicked, this, handler(this, &WetCuringPage::Button10Click));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), Panel8);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, handler(this, &WetCuringPage::Button10Click));
    for (QLineEdit *edit : {Edit11, Edit12})
        connect(edit, &QLineEdit::returnPressed, Button9, &QPushButton::click);
}

void WetCuringPage::UlozEtykiety()
{
    const std::pair<TLabel *, TLabel *> pairs[] = {
        {Label3, Label4},
        {Label5, Label6},
        {Label7, Label8},
        {Label9, Label10},
        {Label11, Label12},
        {Label13, Label14},
        {Label15, Label16},
        {Label17, Label18},
    };
    for (auto [caption, value] : pairs)
        value->move(caption->x() + kValueGap + caption->width(), value->y());
    // Concentration and sugar values are measured from the second block's left edge.
    const int left = Label17->x() + kValueGap;
    Label54->move(left + Label49->width(), Label54->y());
    Label55->move(left + Label49->width(), Label55->y());
    Label59->move(left + Label57->width(), Label59->y());
    Label60->move(left + Label58->width(), Label60->y());
}

void WetCuringPage::PrzeliczMokre()
{
    WetCuringInput in;
    in.meat = Edit1->text();
    in.daysIndex = ComboBox1->currentIndex();
    in.ownVariant = CheckBox1->isChecked();
    in.ownSalt = Edit11->text();
    in.ownSugar = Edit12->text();
    computeWetCuring(in, [this](WetTarget target, const QString &text) {
        switch (target) {
        case WetTarget::SaltySalt:
            Label4->setText(text);
            break;
        case WetTarget::SaltyWater:
            Label6->setText(text);
            break;
        case WetTarget::SaltyInjections:
            Label8->setText(text);
            break;
        case WetTarget::SaltyMassage:
            Label10->setText(text);
            break;
        case WetTarget::SaltyConcentration:
            Label54->setText(text);
            break;
        case WetTarget::SaltySugar:
            Label59->setText(text);
            break;
        case WetTarget::SecondHeader:
            Label27->setText(text);
            break;
        case WetTarget::SecondSalt:
            Label12->setText(text);
            break;
        case WetTarget::SecondWater:
            Label14->setText(text);
            break;
        case WetTarget::SecondInjections:
            Label16->setText(text);
            break;
        case WetTarget::SecondMassage:
            Label18->setText(text);
            break;
        case WetTarget::SecondConcentration:
            Label55->setText(text);
            break;
        case WetTarget::SecondSugarCaption:
            Label58->setText(text);
            break;
        case WetTarget::SecondSugar:
            Label60->setText(text);
            break;
        }
    });
}

void WetCuringPage::Edit1Change()
{
    if (Edit1->hasFocus())
        PrzeliczMokre();
}

void WetCuringPage::ComboBox1Change()
{
    if (ComboBox1->hasFocus())
        PrzeliczMokre();
    const QDate today = Clock::today();
    m_calendar->setSelection(today.addDays(1), today.addDays(ComboBox1->currentIndex() + 1));
}

void WetCuringPage::setDaysFromCalendar(int index)
{
    ComboBox1->setCurrentIndex(qBound(0, index, ComboBox1->count() - 1));
}

void WetCuringPage::showOwnPanel()
{
    Panel8->move(150, 250);
    Panel8->show();
    Panel8->raise();
    Edit11->setFocus();
}

void WetCuringPage::Button9Click()
{
    IniFile file(AppPaths::settingsFile());
    const QString section = QStringLiteral("Peklowanie mokre wlasne");
    file.writeString(section, QStringLiteral("peklosol"), Edit11->text());
    file.writeString(section, QStringLiteral("cukier"), Edit12->text());
    file.writeBool(section, QStringLiteral("zastosuj"), CheckBox1->isChecked());
    ComboBox1Change();
    PrzeliczMokre();
    Panel8->hide();
}

void WetCuringPage::Button10Click()
{
    Panel8->hide();
}
