#include "app/WetCuringPage.h"

#include "app/FittedLabel.h"
#include "app/OwnProportionsPanel.h"
#include "calc/WetCuring.h"
#include "controls/TmxCalendar.h"
#include "core/Clock.h"
#include "platform/ErrorHandler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kCaptionLeft = 24;
constexpr int kRowHeight = 22;
constexpr int kValueGap = 30;
} // namespace

WetCuringPage::WetCuringPage(
    TmxCalendar *calendar, QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent)
    : CalculatorPage(
        PageId::WetCuring, QStringLiteral("Image1"), QStringLiteral(":/tlo_mokre.jpg"), parent)
    , m_calendar(calendar)
{
    buildPage(filter);
    buildOwnPanel(panelParent, filter);
}

void WetCuringPage::buildPage(DecimalInputFilter *filter)
{
    Label1 = addLabel("Label1", QStringLiteral("Ilość mięsa w kg:"), 12, 16);
    Label2 = addLabel("Label2", QStringLiteral("Ilość dni peklowania:"), 12, 46);
    Edit1 = addDecimalField("Edit1", QStringLiteral("1"), {200, 12, 90, 24}, filter);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(QStringLiteral("1 dzień"));
    for (int days = 2; days <= 14; ++days)
        ComboBox1->addItem(QStringLiteral("%1 dni").arg(days));
    ComboBox1->setMaxVisibleItems(12);
    ComboBox1->setGeometry(200, 42, 110, 24);
    ComboBox1->setCurrentIndex(0);

    // The two blocks, salty and second, list the same six captions with their values.
    const QString captions[] = {QStringLiteral("Ilość peklosoli w przedziale:"),
        wettext::SugarCaption, QStringLiteral("Woda:"), QStringLiteral("Nastrzyk:"),
        QStringLiteral("Masowanie po nastrzyku:"), QStringLiteral("Stężenie procentowe:")};
    struct Block
    {
        const char *header;
        QString headerText;
        FittedLabel **headerLabel;
        const char *names[12]; // caption, value for each row
        QString values[6];
        FittedLabel **labels[12];
    };
    const Block blocks[] = {
        {"Label26", wettext::SaltyHeader, &Label26,
            {"Label3", "Label4", "Label57", "Label59", "Label5", "Label6", "Label7", "Label8",
                "Label9", "Label10", "Label49", "Label54"},
            {QStringLiteral("76 - 80 g"), QStringLiteral("4,0 - 8,2 g"), QStringLiteral("0,4 l."),
                QStringLiteral("4 razy  60 ml/kg mięsa, czyli w sumie : 240 ml"),
                QStringLiteral(" Tak"), QStringLiteral("15,97 - 16,67 %")},
            {&Label3, &Label4, &Label57, &Label59, &Label5, &Label6, &Label7, &Label8, &Label9,
                &Label10, &Label49, &Label54}},
        {"Label27", QStringLiteral("---  Wersja własna  ---------------------------------------"),
            &Label27,
            {"Label11", "Label12", "Label58", "Label60", "Label13", "Label14", "Label15", "Label16",
                "Label17", "Label18", "Label50", "Label55"},
            {QStringLiteral("72 - 76 g"), QStringLiteral("3,8 - 7,8 g"), QStringLiteral("0,4 l."),
                QStringLiteral("5 razy  60 ml/kg mięsa, czyli w sumie : 300 ml"),
                QStringLiteral(" Tak"), QStringLiteral("15,25 - 16,00 %")},
            {&Label11, &Label12, &Label58, &Label60, &Label13, &Label14, &Label15, &Label16,
                &Label17, &Label18, &Label50, &Label55}},
    };
    int y = 84;
    for (const Block &block : blocks) {
        *block.headerLabel = addLabel(block.header, block.headerText, 12, y);
        y += 26;
        for (int row = 0; row < 6; ++row) {
            *block.labels[2 * row] = addLabel(block.names[2 * row], captions[row], kCaptionLeft, y);
            *block.labels[2 * row + 1]
                = addLabel(block.names[2 * row + 1], block.values[row], 0, y);
            y += kRowHeight;
        }
        y += 36 - kRowHeight;
    }

    Label56 = addLabel("Label56", QStringLiteral("Temperatura peklowania 4 - 8  °C:"), 12, y);

    connect(Edit1, &QLineEdit::textChanged, this, handler(this, &WetCuringPage::Edit1Change));
    // activated: the user's choice only; indexes set by the program do not run the handler.
    connect(ComboBox1, &QComboBox::activated, this, handler(this, &WetCuringPage::ComboBox1Change));
    UlozEtykiety();
}

void WetCuringPage::buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter)
{
    Panel8 = new OwnProportionsPanel({"Panel8", "GroupBox1", "Button9", "Button10"},
        QStringLiteral("Wersja wlasna peklowania na mokro na 1 kg miesa"), 225,
        QStringLiteral("Wartość według Fendra"),
        {{"Label73", QStringLiteral("Ilość peklosoli"), "Edit11", "OwnSaltReference",
             QStringLiteral("78")},
            {"Label74", QStringLiteral("Ilość cukru"), "Edit12", "OwnSugarReference",
                QStringLiteral("1,5 %")}},
        filter, panelParent);
    Label73 = Panel8->labels[0];
    Label74 = Panel8->labels[1];
    Edit11 = Panel8->edits[0];
    Edit12 = Panel8->edits[1];
    CheckBox1 = Panel8->addCheckBox("CheckBox1", QStringLiteral("Zastosuj wersję własną"));
    Button9 = Panel8->saveButton;
    Button10 = Panel8->cancelButton;
    connect(Panel8, &OwnProportionsPanel::saveClicked, this,
        handler(this, &WetCuringPage::Button9Click));
    connect(Panel8, &OwnProportionsPanel::cancelClicked, this,
        handler(this, &WetCuringPage::Button10Click));
}

void WetCuringPage::UlozEtykiety()
{
    const std::pair<FittedLabel *, FittedLabel *> pairs[] = {
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
        value->move(caption->x() + kValueGap + fittedWidth(caption), value->y());
    // Concentration and sugar values are measured from the second block's left edge.
    const int left = Label17->x() + kValueGap;
    Label54->move(left + fittedWidth(Label49), Label54->y());
    Label55->move(left + fittedWidth(Label49), Label55->y());
    Label59->move(left + fittedWidth(Label57), Label59->y());
    Label60->move(left + fittedWidth(Label58), Label60->y());
}

WetCuringInput WetCuringPage::calculatorInput() const
{
    WetCuringInput in;
    in.meat = Edit1->text();
    in.daysIndex = ComboBox1->currentIndex();
    in.ownVariant = CheckBox1->isChecked();
    in.ownSalt = Edit11->text();
    in.ownSugar = Edit12->text();
    return in;
}

void WetCuringPage::PrzeliczMokre()
{
    const WetCuringResult result = computeWetCuring(calculatorInput());
    for (const auto &[target, text] : result.texts) {
        static constexpr std::pair<WetTarget, FittedLabel * WetCuringPage::*> labels[] = {
            {WetTarget::SaltySalt, &WetCuringPage::Label4},
            {WetTarget::SaltyWater, &WetCuringPage::Label6},
            {WetTarget::SaltyInjections, &WetCuringPage::Label8},
            {WetTarget::SaltyMassage, &WetCuringPage::Label10},
            {WetTarget::SaltyConcentration, &WetCuringPage::Label54},
            {WetTarget::SaltySugar, &WetCuringPage::Label59},
            {WetTarget::SecondHeader, &WetCuringPage::Label27},
            {WetTarget::SecondSalt, &WetCuringPage::Label12},
            {WetTarget::SecondWater, &WetCuringPage::Label14},
            {WetTarget::SecondInjections, &WetCuringPage::Label16},
            {WetTarget::SecondMassage, &WetCuringPage::Label18},
            {WetTarget::SecondConcentration, &WetCuringPage::Label55},
            {WetTarget::SecondSugarCaption, &WetCuringPage::Label58},
            {WetTarget::SecondSugar, &WetCuringPage::Label60},
        };
        for (const auto &[t, label] : labels)
            if (t == target)
                (this->*label)->setText(text);
    }
    result.raise();
}

QList<LabelFontGroup> WetCuringPage::fontGroups() const
{
    const QList<QLabel *> captions = {Label3, Label5, Label7, Label9, Label11, Label13, Label15,
        Label17, Label49, Label50, Label57, Label58};
    const QList<QLabel *> values = {Label4, Label6, Label8, Label10, Label12, Label14, Label16,
        Label18, Label54, Label55, Label59, Label60};
    return {
        {1, {Label1, Label2}, {Label1, Label2}},
        {2, {Label26, Label27}, {Label26, Label27}},
        {3, captions, captions},
        {4, values, values},
        {11, {Label56}, {Label56}},
    };
}

QString WetCuringPage::exportStem() const
{
    return QStringLiteral("peklowanie na mokro ");
}

QStringList WetCuringPage::exportLines() const
{
    return ExportLines()
        .blank()
        .pair(Label2, ComboBox1)
        .pair(Label1, Edit1)
        .blank()
        .caption(Label26)
        .blank()
        .pair(Label3, Label4)
        .pair(Label57, Label59)
        .pair(Label5, Label6)
        .pair(Label7, Label8)
        .pair(Label9, Label10)
        .pair(Label49, Label54)
        .blank()
        .caption(Label27)
        .blank()
        .pair(Label11, Label12)
        .pair(Label58, Label60)
        .pair(Label13, Label14)
        .pair(Label15, Label16)
        .pair(Label17, Label18)
        .pair(Label50, Label55)
        .lines();
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
    // The page's own change of the calendar: the timer that follows the calendar must not echo it
    // back later, over a number of days set in between.
    m_lastSelectionEnd = m_calendar->selectionEnd();
    m_calendar->colourMarkersForSelectedDay();
}

void WetCuringPage::setDaysFromCalendar(int index)
{
    ComboBox1->setCurrentIndex(qBound(0, index, ComboBox1->count() - 1));
}

void WetCuringPage::followCalendar(bool pageShown)
{
    const QDate end = m_calendar->selectionEnd();
    if (end == m_lastSelectionEnd)
        return;
    m_lastSelectionEnd = end;
    if (!pageShown)
        return;
    m_calendar->colourMarkersForSelectedDay();
    if (!end.isValid())
        return;
    const qint64 d = Clock::today().daysTo(end);
    if (d > 0) {
        setDaysFromCalendar(int(d - 1));
        if (!ComboBox1->hasFocus())
            PrzeliczMokre();
    }
}

void WetCuringPage::setOwnVariant(const Settings::OwnWet &own)
{
    Edit11->setText(own.salt);
    Edit12->setText(own.sugar);
    CheckBox1->setChecked(own.apply);
}

void WetCuringPage::showOwnPanel()
{
    Panel8->open();
}

void WetCuringPage::Button9Click()
{
    Settings().setOwnWet({Edit11->text(), Edit12->text(), CheckBox1->isChecked()});
    ComboBox1Change();
    PrzeliczMokre();
    Panel8->hide();
}

void WetCuringPage::Button10Click()
{
    Panel8->hide();
}
