#include "FormFixture.h"

#include "app/FishPage.h"
#include "controls/TImageCyfra.h"
#include "core/Clock.h"

class TestFishPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void startStateAndColours();
    void examples_data();
    void examples();
    void question_data();
    void question();
    void noQuestionWithoutAListChange();
    void badFishText();
    void clocks_data();
    void clocks();
    void clockTicksByItself();
};

static const QColor kCool(250, 200, 150), kWarm(250, 150, 100), kHot(250, 20, 15);

static QColor listColour(const FormFixture &f)
{
    return f.get<QComboBox>("ComboBox3")->palette().color(QPalette::Button);
}

// "hh:mm" of the now clock, or of the end clock.
static QString clockText(const FormFixture &f, bool end)
{
    static const char *const names[2][4]
        = {{"ImageCyfra2", "ImageCyfra3", "ImageCyfra4", "ImageCyfra5"},
            {"ImageCyfra1", "ImageCyfra6", "ImageCyfra7", "ImageCyfra8"}};
    QString t;
    for (int i = 0; i < 4; ++i)
        t += QString::number(f.get<TImageCyfra>(names[end][i])->Cyfra()) + (i == 1 ? ":" : "");
    return t;
}

static QStringList results(const FormFixture &f)
{
    return {f.text("Label68"), f.text("Label67"), f.text("Label66")};
}

void TestFishPage::startStateAndColours()
{
    FormFixture f;
    // Activation has calculated the first example.
    QCOMPARE(results(f), (QStringList {"1 l.", "14,0 %.", "162,8 g"}));
    QCOMPARE(listColour(f), kCool);
    // Lists and field follow the hours caption by 50 pixels, the values their captions.
    const auto after
        = [&](const char *caption) { return f.get(caption)->x() + 50 + f.get(caption)->width(); };
    for (const char *input : {"ComboBox2", "ComboBox3", "Edit10"})
        QCOMPARE(f.get<QWidget>(input)->x(), after("Label61"));
    for (auto [c, v] :
        {std::pair {"Label63", "Label66"}, {"Label64", "Label67"}, {"Label65", "Label68"}})
        QCOMPARE(f.get(v)->x(), after(c));

    f.choose("ComboBox3", 5); // 8 °C
    QCOMPARE(listColour(f), kWarm);
    f.choose("ComboBox3", 10); // 13 °C
    QCOMPARE(listColour(f), kHot);
    f.choose("ComboBox3", 4); // 7 °C
    QCOMPARE(listColour(f), kCool);
}

void TestFishPage::examples_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<QStringList>("results"); // water, concentration, salt
    QTest::newRow("24 h, 3 °C, 2 kg")
        << 20 << 0 << "2" << QStringList {"2 l.", "7,3 %.", "158,3 g"};
    QTest::newRow("10 h, 8 °C, 2,5 kg")
        << 6 << 5 << "2,5" << QStringList {"2,5 l.", "10,3 %.", "288,1 g"};
    QTest::newRow("no fish") << 0 << 0 << "" << QStringList {"0 l.", "14,0 %.", "0,0 g"};
}

void TestFishPage::examples()
{
    QFETCH(int, hours);
    QFETCH(int, temperature);
    QFETCH(QString, fish);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(3);
    f.choose("ComboBox2", hours);
    f.choose("ComboBox3", temperature);
    f.type("Edit10", "9");
    f.type("Edit10", fish);
    QTEST(results(f), "results");
    QVERIFY(f.env.platform.messages.isEmpty());
}

// 24 hours and 15 °C, chosen in either order: the brine would hold 3,3 %.
void TestFishPage::question_data()
{
    QTest::addColumn<bool>("hoursLast");
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QColor>("colour");
    using A = Platform::Answer;
    QTest::newRow("temperature last, yes: 22 hours")
        << false << A::Yes << 18 << 12 << QStringList {"1 l.", "4,0 %.", "41,7 g"} << kHot;
    QTest::newRow("temperature last, no: as chosen")
        << false << A::No << 20 << 12 << QStringList {"1 l.", "3,3 %.", "34,5 g"} << kHot;
    QTest::newRow("temperature last, cancel: back")
        << false << A::Cancel << 20 << 0 << QStringList {"1 l.", "7,3 %.", "79,1 g"} << kCool;
    QTest::newRow("hours last, yes: 13 °C")
        << true << A::Yes << 20 << 10 << QStringList {"1 l.", "4,0 %.", "41,7 g"} << kHot;
    QTest::newRow("hours last, cancel: back")
        << true << A::Cancel << 0 << 12 << QStringList {"1 l.", "10,0 %.", "111,1 g"} << kHot;
}

void TestFishPage::question()
{
    QFETCH(bool, hoursLast);
    QFETCH(Platform::Answer, answer);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(3);
    const char *first = hoursLast ? "ComboBox3" : "ComboBox2";
    f.choose(first, hoursLast ? 12 : 20);
    f.env.platform.answers.enqueue(answer);
    f.choose(hoursLast ? "ComboBox2" : "ComboBox3", hoursLast ? 20 : 12);

    QCOMPARE(f.env.platform.messages.size(), 1);
    const auto &m = f.env.platform.messages.first();
    QCOMPARE(m.text,
        QStringLiteral("3,3 % to za niskie stężenie solanki,\rproponuję ")
            + (hoursLast ? QStringLiteral("obniżyć temperaturę wody do 13°C")
                         : QStringLiteral("zmniejszyć ilość godzin solenia do 22")));
    QCOMPARE(m.caption, QStringLiteral("Komunikat"));
    QCOMPARE(m.buttons, Platform::Buttons::YesNoCancel);
    QCOMPARE(m.icon, Platform::Icon::Warning);
    QTEST(f.get<QComboBox>("ComboBox2")->currentIndex(), "hours");
    QTEST(f.get<QComboBox>("ComboBox3")->currentIndex(), "temperature");
    QTEST(results(f), "results");
    QTEST(listColour(f), "colour");
    QVERIFY(f.env.platform.errors.isEmpty());
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
    QCOMPARE(results(f), (QStringList {"1 l.", "14,0 %.", "162,8 g"}));
    f.type("Edit10", "3");
    QCOMPARE(f.text("Label68"), QStringLiteral("3 l."));
}

void TestFishPage::clocks_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QStringList>("clocks"); // now, end, end day
    QTest::newRow("22:30 with 4 hours") << QDateTime(QDate(2024, 3, 10), QTime(22, 30)) << 0
                                        << QStringList {"22:30", "02:30", "jutro"};
    QTest::newRow("end of a month") << QDateTime(QDate(2024, 1, 31), QTime(21, 15, 40)) << 0
                                    << QStringList {"21:15", "01:15", "jutro"};
    QTest::newRow("same day") << QDateTime(QDate(2024, 3, 10), QTime(9, 59)) << 6
                              << QStringList {"09:59", "19:59", "dziś"};
}

void TestFishPage::clocks()
{
    QFETCH(QDateTime, now);
    QFETCH(int, hours);
    FormFixture f;
    f.choose("ComboBox2", hours);
    Clock::setFixedForTests(now);
    f.form->FishSaltingPage->Timer2Timer();
    QTEST((QStringList {clockText(f, false), clockText(f, true), f.text("Label89")}), "clocks");
    QCOMPARE(f.text("Label88"), QStringLiteral("dziś"));
}

void TestFishPage::clockTicksByItself()
{
    FormFixture f;
    QCOMPARE(clockText(f, false), QStringLiteral("12:00"));
    QCOMPARE(clockText(f, true), QStringLiteral("16:00"));
    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(22, 30)));
    QTRY_COMPARE_WITH_TIMEOUT(clockText(f, false), QStringLiteral("22:30"), 3000);
    QCOMPARE(clockText(f, true), QStringLiteral("02:30"));
    QCOMPARE(f.text("Label89"), QStringLiteral("jutro"));
}

QTEST_MAIN(TestFishPage)
#include "tst_fishpage.moc"
