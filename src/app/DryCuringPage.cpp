#include "app/DryCuringPage.h"

#include "app/FittedLabel.h"
#include "app/OwnProportionsPanel.h"
#include "calc/Casings.h"
#include "calc/DryCuring.h"
#include "platform/ErrorHandler.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr int kCaptionLeft = 24;
constexpr int kRowHeight = 22;
constexpr int kValueGap = 50;
constexpr int kCasingLeft = 408;
constexpr int kCasingWidth = 689 - 12 - kCasingLeft;

const QString kZeroGrams = QStringLiteral("0  g");

QString curingTimeNote()
{
    return QStringList {
        QStringLiteral(
            "Mięso rozdrabniane ręcznie (5 – 6 cm) pekluje się 72 – 96 godz. w temp. 4 – 6 °C."),
        QStringLiteral(
            "Mięso rozdrobnione ręcznie (5 – 6 cm) pekluje się 48 – 72 godz. w temp. 7 – 8 °C."),
        QStringLiteral("Mięso rozdrobnione mechanicznie (mielone) pekluje się 36 – 48 godz. w "
                       "temp. 7 – 8 °C."),
        QStringLiteral("Mięso końskie pekluje się w temp. 4 – 6 °C przez 4 – 7 dni"),
        QStringLiteral(
            "Mięso drobne wieprzowe kl. IV, wołowe kl. IV, cielęce kl. III i baranie kl. III"),
        QStringLiteral("nie może być peklowane dłużej niż 4 doby."),
    }
        .join(u'\n');
}
// The names are long: the open list may reach over the page to show them whole. Measured when
// first opened, not at start.
class CasingList : public QComboBox
{
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        if (!m_sized) {
            m_sized = true;
            view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
            view()->setTextElideMode(Qt::ElideNone);
        }
        QComboBox::showPopup();
    }

private:
    bool m_sized = false;
};
} // namespace

DryCuringPage::DryCuringPage(QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent)
    : CalculatorPage(
        PageId::DryCuring, QStringLiteral("Image2"), QStringLiteral(":/tlo_suche.jpg"), parent)
{
    buildPage(filter);
    buildCasings();
    buildOwnPanel(panelParent, filter);
    UlozEtykiety();
}

void DryCuringPage::buildPage(DecimalInputFilter *filter)
{
    Label19 = addLabel("Label19", QStringLiteral("Ilość mięsa w kg:"), 12, 16);
    Edit2 = addDecimalField("Edit2", QStringLiteral("0"), {0, 12, 90, 24}, filter);

    int y = 48;
    Label45
        = addLabel("Label45", QStringLiteral("---  Wersja oficjalna według Tobrin'a --"), 12, y);
    y += 24;
    Label20 = addLabel("Label20", QStringLiteral("Ilość peklosoli :"), kCaptionLeft, y);
    Label21 = addLabel("Label21", kZeroGrams, 0, y);
    y += kRowHeight;
    Label22 = addLabel("Label22", QStringLiteral("Opcjonalnie Ilość pieprzu: "), kCaptionLeft, y);
    Label24 = addLabel("Label24", kZeroGrams, 0, y);
    y += kRowHeight;
    Label23 = addLabel(
        "Label23", QStringLiteral("Opcjonalnie Ilość ziela angielskiego :"), kCaptionLeft, y);
    Label25 = addLabel("Label25", kZeroGrams, 0, y);

    y += 30;
    Label44
        = addLabel("Label44", QStringLiteral("---  Wersja własna  -----------------------"), 12, y);
    y += 24;
    Label34 = addLabel("Label34", QStringLiteral("Ilość peklosoli: "), kCaptionLeft, y);
    Label37 = addLabel("Label37", kZeroGrams, 0, y);
    y += kRowHeight;
    Label35 = addLabel("Label35", QStringLiteral("Ilość pieprzu:"), kCaptionLeft, y);
    Label39 = addLabel("Label39", kZeroGrams, 0, y);
    y += kRowHeight;
    Label36 = addLabel("Label36", QStringLiteral("Ilość ziela angileskiego:"), kCaptionLeft, y);
    Label43 = addLabel("Label43", kZeroGrams, 0, y);

    Label38 = addLabel("Label38", curingTimeNote(), 12, 358);

    // The meat field recalculates on every change, typed or not.
    connect(Edit2, &QLineEdit::textChanged, this, handler(this, &DryCuringPage::Edit2Change));
}

void DryCuringPage::buildCasings()
{
    CasingHeading = new FittedLabel(QStringLiteral("CasingHeading"),
        QStringLiteral("Normy zużycia osłonek na 1 kg farszu."), this);
    QFont bold = CasingHeading->font();
    bold.setBold(true);
    CasingHeading->setFont(bold);
    CasingHeading->move(kCasingLeft, 16);

    ComboBox4 = new CasingList(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->setCompleter(nullptr);
    ComboBox4->addItems(casingProductNames());
    ComboBox4->setGeometry(kCasingLeft, 42, kCasingWidth, 24);
    ComboBox4->setMaxVisibleItems(16);
    ComboBox4->setCurrentIndex(-1);
    ComboBox4->setEditText(QStringLiteral("Szynka wieprzowa gotowana"));
    ComboBox4->setToolTip(ComboBox4->currentText());

    CheckBox3 = new QCheckBox(QStringLiteral("przelicz wg kilogramów mięsa"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setFont(bold);
    CheckBox3->setGeometry(kCasingLeft, 74, kCasingWidth, 24);

    RichEdit2 = new QPlainTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setReadOnly(true);
    RichEdit2->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit2->setGeometry(12, 248, 689 - 24, 100);
    RichEdit2->setPlainText(QStringLiteral("Siatki kurczliwe - 0,195 m /kg"));

    // activated: the user's choice only. Typing into the edit part leaves no product chosen.
    connect(ComboBox4, &QComboBox::activated, this, handler(this, &DryCuringPage::ComboBox4Change));
    connect(ComboBox4->lineEdit(), &QLineEdit::textEdited, this,
        handler(this, &DryCuringPage::ComboBox4Typed));
    connect(CheckBox3, &QCheckBox::clicked, this, handler(this, &DryCuringPage::CheckBox3Click));
}

void DryCuringPage::buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter)
{
    Panel2 = new OwnProportionsPanel({"Panel2", "GroupBox2", "Button7", "Button8"},
        QStringLiteral("Wersja wlasna peklowania na sucho na 1 kg miesa"), 233,
        QStringLiteral("Wartość według Tobrin'a"),
        {{"Label46", QStringLiteral("Ilość peklosoli"), "Edit6", "OwnDrySaltReference",
             QStringLiteral("20")},
            {"Label47", QStringLiteral("Ilość pieprzu"), "Edit8", "OwnDryPepperReference",
                QStringLiteral("0,5")},
            {"Label48", QStringLiteral("Ilość ziela angielskiego"), "Edit9",
                "OwnDryAllspiceReference", QStringLiteral("0,5")}},
        filter, panelParent);
    Label46 = Panel2->labels[0];
    Label47 = Panel2->labels[1];
    Label48 = Panel2->labels[2];
    Edit6 = Panel2->edits[0];
    Edit8 = Panel2->edits[1];
    Edit9 = Panel2->edits[2];
    Button7 = Panel2->saveButton;
    Button8 = Panel2->cancelButton;
    setOwnProportions(Settings::OwnDry());
    connect(Panel2, &OwnProportionsPanel::saveClicked, this,
        handler(this, &DryCuringPage::Button7Click));
    connect(Panel2, &OwnProportionsPanel::cancelClicked, this,
        handler(this, &DryCuringPage::Button8Click));
}

void DryCuringPage::setOwnProportions(const Settings::OwnDry &own)
{
    Edit6->setText(own.salt);
    Edit8->setText(own.pepper);
    Edit9->setText(own.allspice);
}

void DryCuringPage::UlozEtykiety()
{
    auto follow = [](FittedLabel *caption, QWidget *value) {
        value->move(caption->x() + kValueGap + fittedWidth(caption), value->y());
    };
    follow(Label19, Edit2);
    follow(Label20, Label21);
    follow(Label23, Label24);
    follow(Label23, Label25);
    follow(Label20, Label37);
    follow(Label23, Label39);
    follow(Label23, Label43);
}

void DryCuringPage::PrzeliczSuche()
{
    DryCuringInput in;
    in.meat = Edit2->text();
    in.ownSalt = Edit6->text();
    in.ownPepper = Edit8->text();
    in.ownAllspice = Edit9->text();
    const DryCuringResult result = computeDryCuring(in);
    FittedLabel *const labels[] = {Label21, Label24, Label25, Label37, Label39, Label43};
    for (const auto &[target, text] : result.texts)
        labels[int(target)]->setText(text);
    result.raise();
}

QList<LabelFontGroup> DryCuringPage::fontGroups() const
{
    const QList<QLabel *> captions = {Label20, Label22, Label23, Label34, Label35, Label36};
    const QList<QLabel *> values = {Label21, Label24, Label25, Label37, Label39, Label43};
    return {
        {5, {Label19}, {Label19}},
        {6, captions, captions},
        {7, values, values},
        {9, {Label38}, {Label38}},
        {10, {Label45, Label44}, {Label45, Label44}},
    };
}

QString DryCuringPage::exportStem() const
{
    return QStringLiteral("peklowanie na sucho ");
}

QStringList DryCuringPage::exportLines() const
{
    return ExportLines()
        .blank()
        .pair(Label19, Edit2)
        .blank()
        .caption(Label45)
        .blank()
        .pair(Label20, Label21)
        .pair(Label22, Label24)
        .pair(Label23, Label25)
        .blank()
        .caption(Label44)
        .blank()
        .pair(Label34, Label37)
        .pair(Label35, Label39)
        .pair(Label36, Label43)
        .lines();
}

void DryCuringPage::PrzeliczOslonki()
{
    RichEdit2->clear();
    CasingInput in;
    in.productIndex = ComboBox4->currentIndex();
    in.perMeat = CheckBox3->isChecked();
    in.meat = Edit2->text();
    RichEdit2->setPlainText(casingNormLines(in).join(u'\n'));
}

void DryCuringPage::Edit2Change()
{
    PrzeliczSuche();
    PrzeliczOslonki();
}

void DryCuringPage::ComboBox4Change()
{
    ComboBox4->setToolTip(ComboBox4->currentText());
    PrzeliczOslonki();
}

void DryCuringPage::ComboBox4Typed()
{
    // A typed name is no chosen product: the index goes to -1, the typed text stays.
    QLineEdit *edit = ComboBox4->lineEdit();
    const QString typed = edit->text();
    const int cursor = edit->cursorPosition();
    {
        const QSignalBlocker blockCombo(ComboBox4);
        const QSignalBlocker blockEdit(edit);
        ComboBox4->setCurrentIndex(-1);
        edit->setText(typed);
        edit->setCursorPosition(cursor);
    }
    ComboBox4Change();
}

void DryCuringPage::CheckBox3Click()
{
    PrzeliczOslonki();
}

void DryCuringPage::showOwnPanel()
{
    Panel2->open();
}

void DryCuringPage::Button7Click()
{
    Settings().setOwnDry({Edit6->text(), Edit8->text(), Edit9->text()});
    Panel2->hide();
    // The page shows the saved proportions at once rather than at the next meat or page change.
    PrzeliczSuche();
}

void DryCuringPage::Button8Click()
{
    Panel2->hide();
}
