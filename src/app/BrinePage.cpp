#include "app/BrinePage.h"

#include "app/FittedLabel.h"
#include "calc/Brine.h"
#include "platform/ErrorHandler.h"

#include <QFrame>
#include <QLineEdit>
#include <tuple>

namespace {
constexpr int kFieldGap = 50;
constexpr int kPercentGap = 20;
constexpr int kFieldWidth = 90;
constexpr int kFieldHeight = 24;
constexpr int kFirstRow = 48;
constexpr int kRowPitch = 36;
constexpr int kPickleCaptionLeft = 356;
constexpr int kPickleLitresLeft = 466;
constexpr int kPicklePercentLeft = 566;
constexpr int kPicklePercentWidth = 70;
} // namespace

QLineEdit *BrinePage::field(const char *name, const QString &text, DecimalInputFilter *filter)
{
    return addDecimalField(name, text, {0, 0, kFieldWidth, kFieldHeight}, filter);
}

BrinePage::BrinePage(DecimalInputFilter *filter, QWidget *parent)
    : CalculatorPage(
        PageId::Brine, QStringLiteral("Image3"), QStringLiteral(":/tlo_solanka.jpg"), parent)
{
    auto rowTop = [](int row) { return kFirstRow + row * kRowPitch; };

    // Plain headings over the two calculators (not font-group labels).
    for (auto [name, text, x] : {std::tuple {"BrineHeading", "Solanka", 12},
             std::tuple {"PickleHeading", "Zalewa octowa", kPickleCaptionLeft}}) {
        auto *heading = addLabel(name, QString::fromUtf8(text), x, 14);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    Label28 = addLabel("Label28", QStringLiteral("Woda  litry"), 12, rowTop(0) + 4);
    Label29 = addLabel("Label29", QStringLiteral("Sól gramy"), 12, rowTop(1) + 4);
    Edit3 = field("Edit3", QString(), filter);
    Edit4 = field("Edit4", QString(), filter);
    Edit5 = field("Edit5", QString(), filter);
    Edit3->move(0, rowTop(0));
    Edit4->move(0, rowTop(1));
    Edit5->move(0, rowTop(2));
    Label30 = addLabel("Label30", QStringLiteral("%"), 0, rowTop(2) + 4);

    // The two calculators stand side by side; a rule keeps them apart.
    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("BrinePickleRule"));
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kPickleCaptionLeft - 24, rowTop(0) - 8, 4, 3 * kRowPitch + 8);

    Label91
        = addLabel("Label91", QStringLiteral("Woda   litry"), kPickleCaptionLeft, rowTop(0) + 4);
    Label92
        = addLabel("Label92", QStringLiteral("Ocet     litry"), kPickleCaptionLeft, rowTop(1) + 4);
    Label93
        = addLabel("Label93", QStringLiteral("Zalewa litry"), kPickleCaptionLeft, rowTop(2) + 4);
    Edit16 = field("Edit16", QString(), filter);
    Edit17 = field("Edit17", QStringLiteral("0"), filter);
    Edit15 = field("Edit15", QString(), filter);
    Edit18 = field("Edit18", QStringLiteral("10"), filter);
    Edit14 = field("Edit14", QString(), filter);
    Edit19 = field("Edit19", QString(), filter);
    const std::pair<QLineEdit *, QLineEdit *> rows[]
        = {{Edit16, Edit17}, {Edit15, Edit18}, {Edit14, Edit19}};
    FittedLabel *percentSigns[3];
    for (int r = 0; r < 3; ++r) {
        rows[r].first->move(kPickleLitresLeft, rowTop(r));
        rows[r].second->setGeometry(
            kPicklePercentLeft, rowTop(r), kPicklePercentWidth, kFieldHeight);
        percentSigns[r] = addLabel(r == 0 ? "Label94"
                : r == 1                  ? "Label95"
                                          : "Label96",
            QStringLiteral("%"), kPicklePercentLeft + kPicklePercentWidth + 10, rowTop(r) + 4);
    }
    Label94 = percentSigns[0];
    Label95 = percentSigns[1];
    Label96 = percentSigns[2];

    connect(Edit3, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit3Change));
    connect(Edit4, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit4Change));
    connect(Edit5, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit5Change));
    connect(Edit14, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit14Change));
    connect(Edit15, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit15Change));
    connect(Edit16, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit16Change));
    connect(Edit17, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit17Change));
    connect(Edit18, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit18Change));
    connect(Edit19, &QLineEdit::textChanged, this, handler(this, &BrinePage::Edit19Change));
    UlozEtykiety();
}

QList<LabelFontGroup> BrinePage::fontGroups() const
{
    return {{8, {Label28, Label29, Label30}, {Label28, Label29, Label30}}};
}

QList<QLabel *> BrinePage::labelsWithFontMenu() const
{
    return CalculatorPage::labelsWithFontMenu()
        << QList<QLabel *> {Label91, Label92, Label93, Label94, Label95, Label96};
}

QString BrinePage::exportStem() const
{
    return QStringLiteral("solanka ");
}

QStringList BrinePage::exportLines() const
{
    return ExportLines()
        .blank()
        .pair(Label28, Edit3)
        .pair(Label29, Edit4)
        .text(QStringLiteral("Solanka   ") + Edit5->text() + QStringLiteral("  %"))
        .lines();
}

void BrinePage::UlozEtykiety()
{
    const int left = Label28->x() + kFieldGap + fittedWidth(Label28);
    for (QLineEdit *edit : {Edit3, Edit4, Edit5})
        edit->move(left, edit->y());
    Label30->move(Edit5->x() + kPercentGap + Edit5->width(), Label30->y());
}

void BrinePage::PrzeliczStezenie()
{
    if (const auto p = brinePercentage({Edit3->text(), Edit4->text(), Edit5->text()}))
        Edit5->setText(*p);
}

void BrinePage::PrzeliczSol()
{
    if (const auto salt = brineSalt({Edit3->text(), Edit4->text(), Edit5->text()}))
        Edit4->setText(*salt);
}

namespace {
PickleInput pickleInput(const BrinePage &page)
{
    PickleInput in;
    in.firstLitres = page.Edit16->text();
    in.firstPercent = page.Edit17->text();
    in.vinegarLitres = page.Edit15->text();
    in.vinegarPercent = page.Edit18->text();
    in.totalLitres = page.Edit14->text();
    in.totalPercent = page.Edit19->text();
    return in;
}
} // namespace

void BrinePage::PrzeliczZalewe()
{
    if (const auto mix = mixPickle(pickleInput(*this))) {
        Edit19->setText(mix->totalPercent);
        Edit14->setText(mix->totalLitres);
    }
}

void BrinePage::PrzeliczOcet()
{
    if (const auto split = splitPickle(pickleInput(*this))) {
        Edit15->setText(split->vinegarLitres);
        Edit16->setText(split->firstLitres);
    }
}

// The water field recalculates on every change: no calculation writes it.
void BrinePage::Edit3Change()
{
    PrzeliczStezenie();
}

void BrinePage::Edit4Change()
{
    if (Edit4->hasFocus())
        PrzeliczStezenie();
}

void BrinePage::Edit5Change()
{
    if (Edit5->hasFocus())
        PrzeliczSol();
}

void BrinePage::Edit14Change()
{
    if (Edit14->hasFocus())
        PrzeliczOcet();
}

void BrinePage::Edit15Change()
{
    if (Edit15->hasFocus())
        PrzeliczZalewe();
}

void BrinePage::Edit16Change()
{
    if (Edit16->hasFocus())
        PrzeliczZalewe();
}

void BrinePage::Edit17Change()
{
    if (!Edit17->hasFocus())
        return;
    PrzeliczZalewe();
    Label91->setText(pickleFirstRowCaption(Edit17->text()));
}

void BrinePage::Edit18Change()
{
    if (Edit18->hasFocus())
        PrzeliczZalewe();
}

void BrinePage::Edit19Change()
{
    if (Edit19->hasFocus())
        PrzeliczOcet();
}
