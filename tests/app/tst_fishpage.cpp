#include "FormFixture.h"

#include "Clock.h"
#include "FishPage.h"
#include "TImageCyfra.h"

class TestFishPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void startState();
    void examples_data();
    void examples();
    void temperatureQuestion_data();
    void temperatureQuestion();
    void hoursQuestion_data();
    void hoursQuestion();
    void noQuestionWithoutAListChange();
    void badFishText();
    void listColours_data();
    void listColours();
    void clocks_data();
    void clocks();
    void clockTicksByItself();
};

static QColor listColour(const FormFixture &f)
{
    return f.get<QComboBox>("ComboBox3")->palette().color(QPalette::Button);
}

static QString clockText(const FormFixture &f, const char *const (&names)[4])
{
    QString t;
    for (int i = 0; i < 4; ++i) {
        t += QString::number(f.get<TImageCyfra>(names[i])->Cyfra());
        if (i == 1)
            t += u':';
    }
    return t;
}

static const char *const kNowDigits[4]
    = {"ImageCyfra2", "ImageCyfra3", "ImageCyfra4", "ImageCyfra5"};
static const char *const kEndDigits[4]
    = {"ImageCyfra1", "ImageCyfra6", "ImageCyfra7", "ImageCyfra8"};

void TestFishPage::startState()
{
    FormFixture f;
    auto *hours = f.get<QComboBox>("ComboBox2");
    auto *temperature = f.get<QComboBox>("ComboBox3");
    QCOMPARE(hours->count(), 21);
    QCOMPARE(hours->itemText(0), QStringLiteral("4 godziny"));
    QCOMPARE(hours->itemText(20), QStringLiteral("24 godziny"));
    QCOMPARE(hours->currentIndex(), 0);
    QCOMPARE(temperature->count(), 15);
    QCOMPARE(temperature->itemText(1), QStringLiteral("4 "));
    QCOMPARE(temperature->currentIndex(), 0);
    QCOMPARE(f.get<QLineEdit>("Edit10")->text(), QStringLiteral("1"));
    // Activation has calculated the first example.
    QCOMPARE(f.text("Label68"), QStringLiteral("1 l."));
    QCOMPARE(f.text("Label67"), QStringLiteral("14,0 %."));
    QCOMPARE(f.text("Label66"), QStringLiteral("162,8 g"));
    QCOMPARE(f.text("Label88"), QStringLiteral("dziś"));
    QCOMPARE(f.text("Label63"), QStringLiteral("Ilość soli : "));
    QCOMPARE(f.text("Label69"), QStringLiteral("Temp. wody w °C"));

    // Lists and field follow the hours caption by 50 pixels, the values their captions.
    const QWidget *caption = f.get("Label61");
    for (const char *input : {"ComboBox2", "ComboBox3", "Edit10"})
        QCOMPARE(f.get<QWidget>(input)->x(), caption->x() + 50 + caption->width());
    for (auto [c, v] :
        {std::pair {"Label63", "Label66"}, {"Label64", "Label67"}, {"Label65", "Label68"}})
        QCOMPARE(f.get(v)->x(), f.get(c)->x() + 50 + f.get(c)->width());

    // Two clocks of four 33 x 57 digits, a colon after the hours, in silver boxes of 145 x 65.
    for (const char *name : {"NowClock", "EndClock"})
        QCOMPARE(f.get<QWidget>(name)->size(), QSize(145, 65));
    for (int i = 0; i < 4; ++i) {
        for (const char *name : {kNowDigits[i], kEndDigits[i]}) {
            auto *digit = f.get<TImageCyfra>(name);
            QCOMPARE(digit->size(), QSize(33, 57));
            QCOMPARE(digit->Grubosc(), 5);
            QCOMPARE(digit->Dwukropek(), i == 1);
        }
    }
}

void TestFishPage::examples_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QString>("salt");
    QTest::newRow("4 h, 3 °C, 1 kg") << 0 << 0 << "1"
                                     << "1 l."
                                     << "14,0 %."
                                     << "162,8 g";
    QTest::newRow("24 h, 3 °C, 2 kg") << 20 << 0 << "2"
                                      << "2 l."
                                      << "7,3 %."
                                      << "158,3 g";
    QTest::newRow("10 h, 8 °C, 2,5 kg") << 6 << 5 << "2,5"
                                        << "2,5 l."
                                        << "10,3 %."
                                        << "288,1 g";
    QTest::newRow("no fish") << 0 << 0 << ""
                             << "0 l."
                             << "14,0 %."
                             << "0,0 g";
}

void TestFishPage::examples()
{
    QFETCH(int, hours);
    QFETCH(int, temperature);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(3);
    f.choose("ComboBox2", hours);
    f.choose("ComboBox3", temperature);
    QFETCH(QString, fish);
    f.type("Edit10", "9");
    f.type("Edit10", fish);
    QTEST(f.text("Label68"), "water");
    QTEST(f.text("Label67"), "concentration");
    QTEST(f.text("Label66"), "salt");
    QVERIFY(f.env.platform.messages.isEmpty());
}

// 24 hours chosen, then 15 °C: the brine would hold 3,3 %.
void TestFishPage::temperatureQuestion_data()
{
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QString>("salt");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("yes: 22 hours") << Platform::Answer::Yes << 18 << 12 << "4,0 %."
                                   << "41,7 g" << QColor(250, 20, 15);
    QTest::newRow("no: as chosen") << Platform::Answer::No << 20 << 12 << "3,3 %."
                                   << "34,5 g" << QColor(250, 20, 15);
    QTest::newRow("cancel: back") << Platform::Answer::Cancel << 20 << 0 << "7,3 %."
                                  << "79,1 g" << QColor(250, 200, 150);
}

void TestFishPage::temperatureQuestion()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(3);
    f.choose("ComboBox2", 20);
    QCOMPARE(f.text("Label67"), QStringLiteral("7,3 %."));
    QFETCH(Platform::Answer, answer);
    f.env.platform.answers.enqueue(answer);
    f.choose("ComboBox3", 12);

    QCOMPARE(f.env.platform.messages.size(), 1);
    const auto &m = f.env.platform.messages.first();
    QCOMPARE(m.text,
        QStringLiteral("3,3 % to za niskie stężenie solanki,\rproponuję zmniejszyć ilość godzin "
                       "solenia do 22"));
    QCOMPARE(m.caption, QStringLiteral("Komunikat"));
    QCOMPARE(m.buttons, Platform::Buttons::YesNoCancel);
    QCOMPARE(m.icon, Platform::Icon::Warning);
    QTEST(f.get<QComboBox>("ComboBox2")->currentIndex(), "hours");
    QTEST(f.get<QComboBox>("ComboBox3")->currentIndex(), "temperature");
    QTEST(f.text("Label67"), "concentration");
    QTEST(f.text("Label66"), "salt");
    QTEST(listColour(f), "colour");
    QCOMPARE(f.text("Label68"), QStringLiteral("1 l."));
    QVERIFY(f.env.platform.errors.isEmpty());
}

// 15 °C chosen, then 24 hours.
void TestFishPage::hoursQuestion_data()
{
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("yes: 13 °C") << Platform::Answer::Yes << 20 << 10 << "4,0 %."
                                << QColor(250, 20, 15);
    QTest::newRow("no: as chosen")
        << Platform::Answer::No << 20 << 12 << "3,3 %." << QColor(250, 20, 15);
    QTest::newRow("cancel: back") << Platform::Answer::Cancel << 0 << 12 << "10,0 %."
                                  << QColor(250, 20, 15);
}

void TestFishPage::hoursQuestion()
{
    FormFixture f;
    f.choose("ComboBox3", 12);
    QCOMPARE(f.text("Label67"), QStringLiteral("10,0 %."));
    QFETCH(Platform::Answer, answer);
    f.env.platform.answers.enqueue(answer);
    f.choose("ComboBox2", 20);
    QCOMPARE(f.env.platform.messages.size(), 1);
    QCOMPARE(f.env.platform.messages.first().text,
        QStringLiteral(
            "3,3 % to za niskie stężenie solanki,\rproponuję obniżyć temperaturę wody do 13°C"));
    QTEST(f.get<QComboBox>("ComboBox2")->currentIndex(), "hours");
    QTEST(f.get<QComboBox>("ComboBox3")->currentIndex(), "temperature");
    QTEST(f.text("Label67"), "concentration");
    QTEST(listColour(f), "colour");
}

void TestFishPage::noQuestionWithoutAListChange()
{
    FormFixture f;
    f.choose("ComboBox2", 20);
    f.env.platform.answers.enqueue(Platform::Answer::No);
    f.choose("ComboBox3", 12);
    QCOMPARE(f.env.platform.messages.size(), 1);
    // The weak brine stays chosen: a new fish weight or the window coming back to the front,
    // with the list still focused, recalculates without asking again.
    f.type("Edit10", "2");
    QCOMPARE(f.text("Label66"), QStringLiteral("69,0 g"));
    f.get<QComboBox>("ComboBox3")->setFocus();
    f.form->FormActivate();
    QCOMPARE(f.env.platform.messages.size(), 1);
    QCOMPARE(f.text("Label67"), QStringLiteral("3,3 %."));
    // Lists set by the program start nothing.
    f.get<QComboBox>("ComboBox2")->setCurrentIndex(0);
    QCOMPARE(f.text("Label67"), QStringLiteral("3,3 %."));
    QCOMPARE(f.env.platform.messages.size(), 1);
}

void TestFishPage::badFishText()
{
    FormFixture f;
    auto *fish = f.get<QLineEdit>("Edit10");
    fish->setFocus();
    fish->setText(",");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("',' is not a valid floating point value"));
    QCOMPARE(f.text("Label68"), QStringLiteral("1 l."));
    QCOMPARE(f.text("Label66"), QStringLiteral("162,8 g"));
    f.type("Edit10", "3");
    QCOMPARE(f.text("Label68"), QStringLiteral("3 l."));
}

void TestFishPage::listColours_data()
{
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("7 °C") << 4 << QColor(250, 200, 150);
    QTest::newRow("8 °C") << 5 << QColor(250, 150, 100);
    QTest::newRow("12 °C") << 9 << QColor(250, 150, 100);
    QTest::newRow("13 °C") << 10 << QColor(250, 20, 15);
    QTest::newRow("17 °C") << 14 << QColor(250, 20, 15);
}

void TestFishPage::listColours()
{
    FormFixture f;
    QCOMPARE(listColour(f), QColor(250, 200, 150));
    f.choose("ComboBox3", QTest::currentDataTag() == QByteArray("7 °C") ? 9 : 0);
    QFETCH(int, temperature);
    f.choose("ComboBox3", temperature);
    QTEST(listColour(f), "colour");
}

void TestFishPage::clocks_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QString>("nowClock");
    QTest::addColumn<QString>("endClock");
    QTest::addColumn<QString>("endDay");
    QTest::newRow("22:30 with 4 hours")
        << QDateTime(QDate(2024, 3, 10), QTime(22, 30)) << 0 << "22:30"
        << "02:30"
        << "jutro";
    QTest::newRow("end of a month")
        << QDateTime(QDate(2024, 1, 31), QTime(21, 15, 40)) << 0 << "21:15"
        << "01:15"
        << "jutro";
    QTest::newRow("end of a year") << QDateTime(QDate(2024, 12, 31), QTime(1, 5)) << 20 << "01:05"
                                   << "01:05"
                                   << "jutro";
    QTest::newRow("same day") << QDateTime(QDate(2024, 3, 10), QTime(9, 59)) << 6 << "09:59"
                              << "19:59"
                              << "dziś";
    QTest::newRow("ends at midnight") << QDateTime(QDate(2024, 2, 29), QTime(20, 0)) << 0 << "20:00"
                                      << "00:00"
                                      << "jutro";
}

void TestFishPage::clocks()
{
    QFETCH(QDateTime, now);
    QFETCH(int, hours);
    FormFixture f;
    f.choose("ComboBox2", hours);
    Clock::setFixedForTests(now);
    f.form->FishSaltingPage->Timer2Timer();
    QTEST(clockText(f, kNowDigits), "nowClock");
    QTEST(clockText(f, kEndDigits), "endClock");
    QTEST(f.text("Label89"), "endDay");
    QCOMPARE(f.text("Label88"), QStringLiteral("dziś"));
}

void TestFishPage::clockTicksByItself()
{
    FormFixture f;
    QCOMPARE(clockText(f, kNowDigits), QStringLiteral("12:00"));
    QCOMPARE(clockText(f, kEndDigits), QStringLiteral("16:00"));
    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(22, 30)));
    QTRY_COMPARE_WITH_TIMEOUT(clockText(f, kNowDigits), QStringLiteral("22:30"), 3000);
    QCOMPARE(clockText(f, kEndDigits), QStringLiteral("02:30"));
    QCOMPARE(f.text("Label89"), QStringLiteral("jutro"));
    // Fewer hours bring the end back to today at the next tick.
    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(19, 45)));
    QTRY_COMPARE_WITH_TIMEOUT(f.text("Label89"), QStringLiteral("dziś"), 3000);
    QCOMPARE(clockText(f, kEndDigits), QStringLiteral("23:45"));
}

QTEST_MAIN(TestFishPage)
#include "tst_fishpage.moc"
