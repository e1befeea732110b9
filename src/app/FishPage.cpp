#include "app/FishPage.h"

#include "app/FittedLabel.h"
#include "controls/TImageCyfra.h"
#include "core/Clock.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

namespace {
constexpr int kValueGap = 50;
constexpr int kInputTop = 24;
constexpr int kInputPitch = 36;
constexpr int kResultTop = 150;
constexpr int kResultPitch = 26;
constexpr int kCaptionLeft = 12;
constexpr int kClockLeft = 404;
constexpr int kClockWidth = 145;
constexpr int kClockHeight = 65;
constexpr int kDigitWidth = 33;
constexpr int kDigitHeight = 57;
const QColor kSilver(0xC0, 0xC0, 0xC0);
} // namespace

FishPage::FishPage(DecimalInputFilter *filter, QWidget *parent)
    : CalculatorPage(
        PageId::Fish, QStringLiteral("Image4"), QStringLiteral(":/tlo_ryby.jpg"), parent)
{
    auto inputTop = [](int row) { return kInputTop + row * kInputPitch; };

    Label61 = addLabel(
        "Label61", QStringLiteral("Ilość godzin solenia:"), kCaptionLeft, inputTop(0) + 4);
    Label69 = addLabel("Label69", QStringLiteral("Temp. wody w °C"), kCaptionLeft, inputTop(1) + 4);
    Label62 = addLabel("Label62", QStringLiteral("Ilość ryb w kg:"), kCaptionLeft, inputTop(2) + 4);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems(fishHoursItems());
    ComboBox2->setMaxVisibleItems(12);
    ComboBox2->setGeometry(0, inputTop(0), 120, 24);
    ComboBox2->setCurrentIndex(0);

    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->addItems(fishTemperatureItems());
    ComboBox3->setMaxVisibleItems(15);
    ComboBox3->setGeometry(0, inputTop(1), 120, 24);
    ComboBox3->setCurrentIndex(0);

    Edit10 = addDecimalField("Edit10", QStringLiteral("1"), {0, inputTop(2), 120, 24}, filter);

    auto resultTop = [](int row) { return kResultTop + row * kResultPitch; };
    Label63 = addLabel("Label63", QStringLiteral("Ilość soli : "), kCaptionLeft, resultTop(0));
    Label66 = addLabel("Label66", QStringLiteral("0 g."), 0, resultTop(0));
    Label64 = addLabel(
        "Label64", QStringLiteral("Zawartość procentowa soli :"), kCaptionLeft, resultTop(1));
    Label67 = addLabel("Label67", QStringLiteral("0 %."), 0, resultTop(1));
    Label65 = addLabel("Label65", QStringLiteral("Woda :"), kCaptionLeft, resultTop(2));
    Label68 = addLabel("Label68", QStringLiteral("0  l."), 0, resultTop(2));

    buildClocks();
    colourTemperatureList();

    // activated: the user's choice only; indexes set by the program do not recalculate.
    connect(ComboBox2, &QComboBox::activated, this, handler(this, &FishPage::ComboBox2Change));
    connect(ComboBox3, &QComboBox::activated, this, handler(this, &FishPage::ComboBox3Change));
    connect(Edit10, &QLineEdit::textChanged, this, handler(this, &FishPage::Edit10Change));
    UlozEtykiety();
    // Show the time at once instead of eights until the first tick.
    runGuarded([this] { Timer2Timer(); });
}

QList<LabelFontGroup> FishPage::fontGroups() const
{
    return {
        {12, {Label61, Label62, Label69, Label88, Label89}, {Label61, Label62, Label69}},
        {13, {Label63, Label64, Label65}, {Label63, Label64, Label65}},
        {14, {Label66, Label67, Label68}, {Label66, Label67, Label68}},
    };
}

QString FishPage::exportStem() const
{
    return QStringLiteral("solenie ryb na mokro ");
}

QStringList FishPage::exportLines() const
{
    return ExportLines()
        .blank()
        .pair(Label61, ComboBox2)
        .pair(Label69, ComboBox3)
        .pair(Label62, Edit10)
        .blank()
        .pair(Label63, Label66)
        .pair(Label64, Label67)
        .pair(Label65, Label68)
        .lines();
}

QFrame *FishPage::clockBox(const char *name, int y, TImageCyfra **digits, const char *const *names)
{
    auto *box = new QFrame(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(kClockLeft, y, kClockWidth, kClockHeight);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, kSilver);
    box->setPalette(pal);
    const int left = (kClockWidth - 4 * kDigitWidth) / 2;
    const int top = (kClockHeight - kDigitHeight) / 2;
    for (int i = 0; i < 4; ++i) {
        auto *digit = new TImageCyfra(box);
        digit->setObjectName(QString::fromLatin1(names[i]));
        digit->setGeometry(left + i * kDigitWidth, top, kDigitWidth, kDigitHeight);
        digit->setGrubosc(5);
        digit->setColorTla(kSilver);
        digit->setColorKreski(Qt::black);
        digit->setDwukropek(i == 1);
        digits[i] = digit;
    }
    return box;
}

void FishPage::buildClocks()
{
    static const char *const nowNames[]
        = {"ImageCyfra2", "ImageCyfra3", "ImageCyfra4", "ImageCyfra5"};
    static const char *const endNames[]
        = {"ImageCyfra1", "ImageCyfra6", "ImageCyfra7", "ImageCyfra8"};
    TImageCyfra *now[4], *end[4];
    NowClock = clockBox("NowClock", kInputTop, now, nowNames);
    NowClock->setToolTip(QStringLiteral("Teraz"));
    EndClock = clockBox("EndClock", kInputTop + kClockHeight + 24, end, endNames);
    EndClock->setToolTip(QStringLiteral("Koniec solenia"));
    ImageCyfra2 = now[0];
    ImageCyfra3 = now[1];
    ImageCyfra4 = now[2];
    ImageCyfra5 = now[3];
    ImageCyfra1 = end[0];
    ImageCyfra6 = end[1];
    ImageCyfra7 = end[2];
    ImageCyfra8 = end[3];

    auto dayLabel = [this](const char *name, const QFrame *clock) {
        auto *l = new FittedLabel(QString::fromLatin1(name), kToday, this);
        QFont f = l->font();
        f.setPointSize(24);
        f.setBold(true);
        l->setFont(f);
        l->move(clock->geometry().right() + 14, clock->y());
        return l;
    };
    Label88 = dayLabel("Label88", NowClock);
    Label89 = dayLabel("Label89", EndClock);
}

void FishPage::UlozEtykiety()
{
    const int left = Label61->x() + kValueGap + fittedWidth(Label61);
    for (QWidget *w : std::initializer_list<QWidget *> {ComboBox2, ComboBox3, Edit10})
        w->move(left, w->y());
    const std::pair<FittedLabel *, FittedLabel *> pairs[]
        = {{Label63, Label66}, {Label64, Label67}, {Label65, Label68}};
    for (auto [caption, value] : pairs)
        value->move(caption->x() + kValueGap + fittedWidth(caption), value->y());
    if (isVisible())
        placeDayWords();
}

void FishPage::placeDayWords()
{
    // The day words share the fonts of the input captions; whatever their size, they stay
    // centred beside their clocks.
    for (auto [clock, day] : {std::pair {NowClock, Label88}, {EndClock, Label89}})
        day->move(day->x(), clock->y() + (kClockHeight - fittedHeight(day)) / 2);
}

void FishPage::showEvent(QShowEvent *event)
{
    // Measuring the large day words loads their font: done when the page is first seen.
    placeDayWords();
    CalculatorPage::showEvent(event);
}

void FishPage::PrzeliczRyby(FishFocus changedList)
{
    FishSaltingInput in;
    in.fish = Edit10->text();
    in.hoursIndex = ComboBox2->currentIndex();
    in.temperatureIndex = ComboBox3->currentIndex();
    in.focus = changedList;
    const FishSaltingResult result = computeFishSalting(in);
    Label68->setText(result.water);

    if (!result.proposal) {
        writeResults(result.texts);
    } else {
        const FishSaltingProposal &proposal = *result.proposal;
        switch (Platform::get().messageBox(proposal.message, kFishProposalCaption,
            Platform::Buttons::YesNoCancel, Platform::Icon::Warning)) {
        case Platform::Answer::Yes:
            ComboBox2->setCurrentIndex(proposal.hoursIndex);
            ComboBox3->setCurrentIndex(proposal.temperatureIndex);
            writeResults(proposal.texts);
            break;
        case Platform::Answer::No:
            writeResults(result.texts);
            break;
        default:
            ComboBox2->setCurrentIndex(m_previousHours);
            ComboBox3->setCurrentIndex(m_previousTemperature);
            break;
        }
    }
    colourTemperatureList();
}

void FishPage::writeResults(const FishSaltingTexts &texts)
{
    Label67->setText(texts.concentration);
    Label66->setText(texts.salt);
    m_previousHours = ComboBox2->currentIndex();
    m_previousTemperature = ComboBox3->currentIndex();
}

void FishPage::colourTemperatureList()
{
    const unsigned rgb = waterTemperatureRgb(waterTemperatureBand(ComboBox3->currentIndex()));
    if (!rgb)
        return;
    const QColor colour = QColor::fromRgb(rgb);
    QPalette pal = ComboBox3->palette();
    pal.setColor(QPalette::Button, colour);
    pal.setColor(QPalette::Base, colour);
    ComboBox3->setPalette(pal);
}

void FishPage::ComboBox2Change()
{
    if (ComboBox2->hasFocus())
        PrzeliczRyby(FishFocus::HoursList);
}

void FishPage::ComboBox3Change()
{
    if (ComboBox3->hasFocus())
        PrzeliczRyby(FishFocus::TemperatureList);
}

void FishPage::Edit10Change()
{
    if (Edit10->hasFocus())
        PrzeliczRyby();
}

void FishPage::Timer2Timer()
{
    const FishClocks clocks = fishClocks(Clock::now(), ComboBox2->currentIndex());
    TImageCyfra *const now[] = {ImageCyfra2, ImageCyfra3, ImageCyfra4, ImageCyfra5};
    TImageCyfra *const end[] = {ImageCyfra1, ImageCyfra6, ImageCyfra7, ImageCyfra8};
    for (int i = 0; i < 4; ++i) {
        // A digit is repainted only when it changes, not every second.
        if (now[i]->Cyfra() != clocks.now[i])
            now[i]->setCyfra(clocks.now[i]);
        if (end[i]->Cyfra() != clocks.end[i])
            end[i]->setCyfra(clocks.end[i]);
    }
    Label89->setText(clocks.endDay == kTomorrow ? kTomorrow : Label88->text());
}
