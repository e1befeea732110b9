// Page 3: the lists and the fish field reach the results; the weak-brine question and its three
// answers; the two clocks.
#include "AppFixture.h"

#include "controls/TImageCyfra.h"
#include "core/Clock.h"

namespace {

const QColor kCool(250, 200, 150), kWarm(250, 150, 100), kHot(250, 20, 15);

QColor listColour(const AppFixture &f)
{
    return f.get<QComboBox>("ComboBox3")->palette().color(QPalette::Button);
}

const char *const kResults[] = {"Label68", "Label67", "Label66"}; // water, concentration, salt

// "hh:mm" of a clock's four digits.
QString clockText(const AppFixture &f, const char *clock)
{
    QString t;
    for (const TImageCyfra *digit : f.get<QWidget>(clock)->findChildren<TImageCyfra *>())
        t += QString::number(digit->Cyfra());
    return t.insert(2, u':');
}

} // namespace

class TestFishPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }

    void inputsResultsAndClocks()
    {
        AppFixture f;
        // The first activation has calculated the design example; the clocks show now and the end.
        QCOMPARE(f.texts(kResults).join(u'|'), "1 l.|14,0 %.|162,8 g");
        QCOMPARE(clockText(f, "NowClock") + u' ' + clockText(f, "EndClock"), "12:00 16:00");
        Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(22, 30)));
        QTRY_COMPARE_WITH_TIMEOUT(clockText(f, "NowClock"), QStringLiteral("22:30"), 3000);
        QCOMPARE(clockText(f, "EndClock") + u' ' + f.text("Label89"), "02:30 jutro");
        f.showPage(3);
        f.choose("ComboBox2", 6);
        f.choose("ComboBox3", 5);
        f.type("Edit10", "2,5");
        QCOMPARE(f.texts(kResults).join(u'|'), "2,5 l.|10,3 %.|288,1 g");
        QCOMPARE(listColour(f), kWarm);
        // The end follows the hours chosen, and a same-day end says "dziś" again.
        Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(9, 59)));
        QTRY_COMPARE_WITH_TIMEOUT(clockText(f, "EndClock"), QStringLiteral("19:59"), 3000);
        QCOMPARE(clockText(f, "NowClock") + u' ' + f.text("Label89"), "09:59 dziś");
        // A weak brine chosen as it is: a new fish weight, or the window coming to the front while
        // the list has the focus, recalculates without asking again.
        f.choose("ComboBox2", 20);
        f.env.platform.answers.enqueue(Platform::Answer::No);
        f.choose("ComboBox3", 12);
        f.type("Edit10", "2");
        QCOMPARE(f.text("Label66"), "69,0 g");
        f.get<QComboBox>("ComboBox3")->setFocus();
        f.reactivate();
        // Lists set by the program start nothing.
        f.get<QComboBox>("ComboBox2")->setCurrentIndex(0);
        QCOMPARE(f.texts(kResults).join(u'|'), "2 l.|3,3 %.|69,0 g");
        QCOMPARE(f.env.platform.messages.size(), 1);
    }

    // 24 hours and 15 °C, chosen in either order: the brine would hold 3,3 %.
    void weakBrineQuestion_data()
    {
        QTest::addColumn<bool>("hoursLast");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::addColumn<QString>("after"); // both list indexes, the results, the list colour
        using A = Platform::Answer;
        QTest::newRow("temperature last, yes: 22 hours")
            << false << A::Yes << "18 12 4,0 %. 41,7 g " + kHot.name();
        QTest::newRow("temperature last, no: as chosen")
            << false << A::No << "20 12 3,3 %. 34,5 g " + kHot.name();
        QTest::newRow("temperature last, cancel: back")
            << false << A::Cancel << "20 0 7,3 %. 79,1 g " + kCool.name();
        QTest::newRow("hours last, yes: 13 °C")
            << true << A::Yes << "20 10 4,0 %. 41,7 g " + kHot.name();
        QTest::newRow("hours last, cancel: back")
            << true << A::Cancel << "0 12 10,0 %. 111,1 g " + kHot.name();
    }

    void weakBrineQuestion()
    {
        QFETCH(bool, hoursLast);
        QFETCH(Platform::Answer, answer);
        AppFixture f;
        f.showPage(3);
        f.choose(hoursLast ? "ComboBox3" : "ComboBox2", hoursLast ? 12 : 20);
        f.env.platform.answers.enqueue(answer);
        f.choose(hoursLast ? "ComboBox2" : "ComboBox3", hoursLast ? 20 : 12);
        QCOMPARE(f.env.platform.messages.size(), 1);
        const auto &m = f.env.platform.messages.first();
        QCOMPARE(m.text,
            QStringLiteral("3,3 % to za niskie stężenie solanki,\rproponuję ")
                + (hoursLast ? QStringLiteral("obniżyć temperaturę wody do 13°C")
                             : QStringLiteral("zmniejszyć ilość godzin solenia do 22")));
        QCOMPARE(m.caption, "Komunikat");
        QCOMPARE(m.buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(m.icon, Platform::Icon::Warning);
        QTEST(QStringLiteral("%1 %2 %3 %4 %5")
                  .arg(f.get<QComboBox>("ComboBox2")->currentIndex())
                  .arg(f.get<QComboBox>("ComboBox3")->currentIndex())
                  .arg(f.text("Label67"), f.text("Label66"), listColour(f).name()),
            "after");
    }
};

QTEST_MAIN(TestFishPage)
#include "tst_fishpage.moc"
