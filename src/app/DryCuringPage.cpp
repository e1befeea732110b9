#include "app/DryCuringPage.h"

#include "app/DecimalInputFilter.h"
#include "app/PageBackground.h"
#include "app/TLabel.h"
#include "calc/Casings.h"
#include "calc/DryCuring.h"
#include "core/AppPaths.h"
#include "platform/ErrorHandler.h"
#include "platform/IniFile.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
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
} // namespace

DryCuringPage::DryCuringPage(QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
{
    buildPage(filter);
    buildCasings();
    buildOwnPanel(panelParent, filter);
    UlozEtykiety();
}

void DryCuringPage::buildPage(DecimalInputFilter *filter)
{
    Image2 = new PageBackground(QStringLiteral("Image2"), this);

    auto label = [this](const char *name, const QString &text, int x, int y) {
        auto *l = new TLabel(QString::fromLatin1(name), text, this);
        l->move(x, y);
        return l;
    };

    Label19 = label("Label19", QStringLiteral("Ilość mięsa w kg:"), 12, 16);
    Edit2 = new QLineEdit(QStringLiteral("0"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(0, 12, 90, 24);
    filter->attach(Edit2);

    int y = 48;
    Label45 = label("Label45", QStringLiteral("---  Wersja oficjalna według Tobrin'a --"), 12, y);
    y += 24;
    Label20 = label("Label20", QStringLiteral("Ilość peklosoli :"), kCaptionLeft, y);
    Label21 = label("Label21", kZeroGrams, 0, y);
    y += kRowHeight;
    Label22 = label("Label22", QStringLiteral("Opcjonalnie Ilość pieprzu: "), kCaptionLeft, y);
    Label24 = label("Label24", kZeroGrams, 0, y);
    y += kRowHeight;
    Label23 = label(
        "Label23", QStringLiteral("Opcjonalnie Ilość ziela angielskiego :"), kCaptionLeft, y);
    Label25 = label("Label25", kZeroGrams, 0, y);

    y += 30;
    Label44
        = label("Label44", QStringLiteral("---  Wersja własna  -----------------------"), 12, y);
    y += 24;
    Label34 = label("Label34", QStringLiteral("Ilość peklosoli: "), kCaptionLeft, y);
    Label37 = label("Label37", kZeroGrams, 0, y);
    y += kRowHeight;
    Label35 = label("Label35", QStringLiteral("Ilość pieprzu:"), kCaptionLeft, y);
    Label39 = label("Label39", kZeroGrams, 0, y);
    y += kRowHeight;
    Label36 = label("Label36", QStringLiteral("Ilość ziela angileskiego:"), kCaptionLeft, y);
    Label43 = label("Label43", kZeroGrams, 0, y);

    Label38 = label("Label38", curingTimeNote(), 12, 358);

    // The meat field recalculates on every change, typed or not.
    connect(Edit2, &QLineEdit::textChanged, this, handler(this, &DryCuringPage::Edit2Change));
}

void DryCuringPage::buildCasings()
{
    CasingHeading = new TLabel(QStringLiteral("CasingHeading"),
        QStringLiteral("Normy zużycia osłonek na 1 kg farszu."), this);
    QFont bold = CasingHeading->font();
    bold.setBold(true);
    CasingHeading->setFont(bold);
    CasingHeading->move(kCasingLeft, 16);

    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->setCompleter(nullptr);
    ComboBox4->addItems(casingProductNames());
    ComboBox4->setGeometry(kCasingLeft, 42, kCasingWidth, 24);
    ComboBox4->setMaxVisibleItems(16);
    // The names are long: the open list may reach over the page to show them whole.
    ComboBox4->view()->setMinimumWidth(ComboBox4->view()->sizeHintForColumn(0) + 24);
    ComboBox4->view()->setTextElideMode(Qt::ElideNone);
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
    Panel2 = new QFrame(panelParent);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setGeometry(150, 250, 401, 233);
    Panel2->setAutoFillBackground(true);
    Panel2->hide();
    auto *box
        = new QGroupBox(QStringLiteral("Wersja wlasna peklowania na sucho na 1 kg miesa"), Panel2);
    box->setObjectName(QStringLiteral("GroupBox2"));
    box->setGeometry(8, 6, 401 - 16, 233 - 14);

    auto row = [&](const char *labelName, const QString &caption, const char *editName,
                   const char *referenceName, const QString &reference, int y, TLabel **labelOut) {
        auto *l = new TLabel(QString::fromLatin1(labelName), caption, box);
        l->move(20, y + 4);
        *labelOut = l;
        auto *edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setGeometry(190, y, 90, 24);
        filter->attach(edit);
        auto *ref = new TLabel(QString::fromLatin1(referenceName), reference, box);
        ref->move(295, y + 4);
        ref->setToolTip(QStringLiteral("Wartość według Tobrin'a"));
        return edit;
    };
    Edit6 = row("Label46", QStringLiteral("Ilość peklosoli"), "Edit6", "OwnDrySaltReference",
        QStringLiteral("20"), 36, &Label46);
    Edit8 = row("Label47", QStringLiteral("Ilość pieprzu"), "Edit8", "OwnDryPepperReference",
        QStringLiteral("0,5"), 72, &Label47);
    Edit9 = row("Label48", QStringLiteral("Ilość ziela angielskiego"), "Edit9",
        "OwnDryAllspiceReference", QStringLiteral("0,5"), 108, &Label48);
    Edit6->setText(QStringLiteral("20"));
    Edit8->setText(QStringLiteral("0,5"));
    Edit9->setText(QStringLiteral("0,5"));

    Button7 = new QPushButton(QStringLiteral("Zapisz zmiany"), box);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setGeometry(100, 166, 120, 30);
    Button8 = new QPushButton(QStringLiteral("Anuluj"), box);
    Button8->setObjectName(QStringLiteral("Button8"));
    Button8->setGeometry(240, 166, 120, 30);

    connect(Button7, &QPushButton::clicked, this, handler(this, &DryCuringPage::Button7Click));
    connect(Button8, &QPushButton::clicked, this, handler(this, &DryCuringPage::Button8Click));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), Panel2);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, handler(this, &DryCuringPage::Button8Click));
    for (QLineEdit *edit : {Edit6, Edit8, Edit9})
        connect(edit, &QLineEdit::returnPressed, Button7, &QPushButton::click);
}

void DryCuringPage::setOwnProportions(
    const QString &salt, const QString &pepper, const QString &allspice)
{
    Edit6->setText(salt);
    Edit8->setText(pepper);
    Edit9->setText(allspice);
}

void DryCuringPage::UlozEtykiety()
{
    auto follow = [](const QWidget *caption, QWidget *value) {
        value->move(caption->x() + kValueGap + caption->width(), value->y());
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
    computeDryCuring(in, [this](DryTarget target, const QString &text) {
        switch (target) {
        case DryTarget::OfficialSalt:
            Label21->setText(text);
            break;
        case DryTarget::OfficialPepper:
            Label24->setText(text);
            break;
        case DryTarget::OfficialAllspice:
            Label25->setText(text);
            break;
        case DryTarget::OwnSalt:
            Label37->setText(text);
            break;
        case DryTarget::OwnPepper:
            Label39->setText(text);
            break;
        case DryTarget::OwnAllspice:
            Label43->setText(text);
            break;
        }
    });
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
    Panel2->move(150, 250);
    Panel2->show();
    Panel2->raise();
    Edit6->setFocus();
}

void DryCuringPage::Button7Click()
{
    IniFile file(AppPaths::settingsFile());
    const QString section = QStringLiteral("Peklowanie suche wlasne");
    file.writeString(section, QStringLiteral("peklosol"), Edit6->text());
    file.writeString(section, QStringLiteral("pieprz"), Edit8->text());
    file.writeString(section, QStringLiteral("ziele"), Edit9->text());
    Panel2->hide();
    // The page shows the saved proportions at once rather than at the next meat or page change.
    PrzeliczSuche();
}

void DryCuringPage::Button8Click()
{
    Panel2->hide();
}
