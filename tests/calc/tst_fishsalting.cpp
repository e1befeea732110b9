#include "calc/FishSalting.h"
#include "core/AppError.h"

#include <QTimeZone>
#include <QtTest>

// "hh:mm" of the four digits of a clock.
static QString clockText(const std::array<int, 4> &d)
{
    return QStringLiteral("%1%2:%3%4").arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3]);
}

class TestFishSalting : public QObject
{
    Q_OBJECT

private slots:
    void lists();
    void results_data();
    void results();
    void proposal_data();
    void proposal();
    void proposalsRestoreFourPercent();
    void temperatureColour();
    void clocks_data();
    void clocks();
    void clocksAcrossDaylightSaving();
};

void TestFishSalting::lists()
{
    const QStringList h = fishHoursItems();
    QCOMPARE(h.size(), 21);
    QCOMPARE((QStringList {h[0], h[1], h[17], h[18], h[20]}),
        (QStringList {"4 godziny", "5 godzin", "21 godzin", "22 godziny", "24 godziny"}));
    const QStringList temperatures {
        "3", "4 ", "5 ", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"};
    QCOMPARE(fishTemperatureItems(), temperatures);
}

void TestFishSalting::results_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("temperatureIndex");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<QStringList>("texts"); // water, concentration, salt; or the error

    QTest::newRow("4 h, 3 C, 1 kg") << 0 << 0 << "1" << QStringList {"1 l.", "14,0 %.", "162,8 g"};
    QTest::newRow("24 h, 3 C, 2 kg") << 20 << 0 << "2" << QStringList {"2 l.", "7,3 %.", "158,3 g"};
    QTest::newRow("empty fish") << 0 << 0 << "" << QStringList {"0 l.", "14,0 %.", "0,0 g"};
    // C = 12, X = round(21,6) = 22, 22 / 88 = 0,25: the printed half goes up
    QTest::newRow("salt half away")
        << 0 << 6 << "0,0018" << QStringList {"0,0018 l.", "12,0 %.", "0,3 g"};
    // Below 4 % the results are still computed when nobody is asked.
    QTest::newRow("weak brine") << 20 << 12 << "1" << QStringList {"1 l.", "3,3 %.", "34,5 g"};
    QTest::newRow("bad fish") << 0 << 0 << "1,5,"
                              << QStringList {"'1,5,' is not a valid floating point value"};
}

void TestFishSalting::results()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, temperatureIndex);
    QFETCH(QString, fish);
    try {
        const FishSaltingResult r
            = computeFishSalting({fish, hoursIndex, temperatureIndex, FishFocus::Other});
        QTEST((QStringList {r.water, r.texts.concentration, r.texts.salt}), "texts");
        QVERIFY(!r.proposal);
    } catch (const AppError &e) {
        QTEST(QStringList {e.message()}, "texts");
    }
}

void TestFishSalting::proposal_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("temperatureIndex");
    QTest::addColumn<FishFocus>("focus");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("proposedHours");
    QTest::addColumn<int>("proposedTemperature");

    QTest::newRow("24 h, then 15 C")
        << 20 << 12 << FishFocus::TemperatureList
        << QString::fromUtf8("3,3 % to za niskie stężenie solanki,\r"
                             "proponuję zmniejszyć ilość godzin solenia do 22")
        << 18 << 12;
    QTest::newRow("15 C, then 24 h")
        << 20 << 12 << FishFocus::HoursList
        << QString::fromUtf8("3,3 % to za niskie stężenie solanki,\r"
                             "proponuję obniżyć temperaturę wody do 13°C")
        << 20 << 10;
}

void TestFishSalting::proposal()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, temperatureIndex);
    QFETCH(FishFocus, focus);

    const FishSaltingResult r = computeFishSalting({"1", hoursIndex, temperatureIndex, focus});
    QVERIFY(r.proposal);
    QTEST(r.proposal->message, "message");
    QTEST(r.proposal->hoursIndex, "proposedHours");
    QTEST(r.proposal->temperatureIndex, "proposedTemperature");
    QCOMPARE(r.proposal->texts.concentration, QStringLiteral("4,0 %."));
    QCOMPARE(r.proposal->texts.salt, QStringLiteral("41,7 g"));
}

// Only weak combinations are questioned (the fish field asks nothing: see results), and either
// proposal lies inside the lists and gives exactly 4 %.
void TestFishSalting::proposalsRestoreFourPercent()
{
    int weak = 0;
    for (int i = 0; i < 21; ++i) {
        for (int j = 0; j < 15; ++j) {
            const bool expectWeak = (i + 4) + (j + 3) > 37;
            QCOMPARE(fishConcentration(i, j).c < Fixed4::fromInt(4), expectWeak);
            for (FishFocus focus : {FishFocus::HoursList, FishFocus::TemperatureList}) {
                const FishSaltingResult r = computeFishSalting({"1", i, j, focus});
                QCOMPARE(r.proposal.has_value(), expectWeak);
                if (!r.proposal)
                    continue;
                ++weak;
                const bool byHours = focus == FishFocus::HoursList;
                QCOMPARE(byHours ? r.proposal->hoursIndex : r.proposal->temperatureIndex,
                    byHours ? i : j);
                const int moved = byHours ? r.proposal->temperatureIndex : r.proposal->hoursIndex;
                QVERIFY(moved >= (byHours ? 10 : 16) && moved <= (byHours ? 13 : 19));
                QCOMPARE(r.proposal->texts.concentration, QStringLiteral("4,0 %."));
            }
        }
    }
    QCOMPARE(weak, 2 * 10);
}

// The list's colour by band, at each band's edges and off the list.
void TestFishSalting::temperatureColour()
{
    const std::pair<int, unsigned> cases[] = {{4, 0xFAC896u}, {5, 0xFA9664u}, {9, 0xFA9664u},
        {10, 0xFA140Fu}, {14, 0xFA140Fu}, {-1, 0u}, {15, 0u}};
    for (auto [index, rgb] : cases)
        QCOMPARE(waterTemperatureRgb(waterTemperatureBand(index)), rgb);
}

void TestFishSalting::clocks_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<QStringList>("clocks"); // now, end, end day

    const auto at = [](int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
    };
    QTest::newRow("22:30 + 4 h") << at(2024, 5, 14, 22, 30) << 0
                                 << QStringList {"22:30", "02:30", "jutro"};
    QTest::newRow("19:59 + 4 h stays today")
        << at(2024, 5, 14, 19, 59) << 0 << QStringList {"19:59", "23:59", "dziś"};
    QTest::newRow("20:00 + 4 h is midnight")
        << at(2024, 5, 14, 20, 0) << 0 << QStringList {"20:00", "00:00", "jutro"};
    QTest::newRow("end of month") << at(2024, 4, 30, 22, 30) << 0
                                  << QStringList {"22:30", "02:30", "jutro"};
    QTest::newRow("end of year") << at(2024, 12, 31, 21, 45) << 1
                                 << QStringList {"21:45", "02:45", "jutro"};
}

void TestFishSalting::clocks()
{
    QFETCH(QDateTime, now);
    QFETCH(int, hoursIndex);
    const FishClocks c = fishClocks(now, hoursIndex);
    QTEST((QStringList {clockText(c.now), clockText(c.end), c.endDay}), "clocks");
}

// Salting lasts real hours: on the night the clocks go forward 4 hours from 00:30 end at 05:30.
void TestFishSalting::clocksAcrossDaylightSaving()
{
    const QTimeZone warsaw("Europe/Warsaw");
    if (!warsaw.isValid())
        QSKIP("no time-zone data");
    const FishClocks c = fishClocks(QDateTime(QDate(2024, 3, 31), QTime(0, 30), warsaw), 0);
    QCOMPARE(clockText(c.end), QStringLiteral("05:30"));
    QCOMPARE(c.endDay, QString::fromUtf8("dziś"));
}

QTEST_GUILESS_MAIN(TestFishSalting)
#include "tst_fishsalting.moc"
