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
    void salting_data();
    void salting();
    void proposalsRestoreFourPercent();
    void temperatureColour();
    void clocks_data();
    void clocks();
};

void TestFishSalting::lists()
{
    QStringList hours {"4 godziny"};
    for (int h = 5; h <= 21; ++h)
        hours << QString::number(h) + " godzin";
    QCOMPARE(fishHoursItems(),
        hours << "22 godziny"
              << "23 godziny"
              << "24 godziny");
    const QStringList temperatures {
        "3", "4 ", "5 ", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"};
    QCOMPARE(fishTemperatureItems(), temperatures);
}

void TestFishSalting::salting_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("temperatureIndex");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<FishFocus>("focus");
    // Water, concentration, salt, then the question and the indexes and texts it offers; or the
    // error.
    QTest::addColumn<QStringList>("texts");
    const auto row = [](const char *name, int hours, int temperature, const char *fish,
                         FishFocus focus, const QStringList &texts) {
        QTest::newRow(name) << hours << temperature << QString::fromUtf8(fish) << focus << texts;
    };
    const FishFocus other = FishFocus::Other;
    row("4 h, 3 C, 1 kg", 0, 0, "1", other, {"1 l.", "14,0 %.", "162,8 g"});
    row("24 h, 3 C, 2 kg", 20, 0, "2", other, {"2 l.", "7,3 %.", "158,3 g"});
    row("empty fish", 0, 0, "", other, {"0 l.", "14,0 %.", "0,0 g"});
    // C = 12, X = round(21,6) = 22, 22 / 88 = 0,25: the printed half goes up
    row("salt half away", 0, 6, "0,0018", other, {"0,0018 l.", "12,0 %.", "0,3 g"});
    // Below 4 % nobody is asked when the fish field changed.
    row("weak brine", 20, 12, "1", other, {"1 l.", "3,3 %.", "34,5 g"});
    row("bad fish", 0, 0, "1,5,", other, {"'1,5,' is not a valid floating point value"});
    row("24 h, then 15 C", 20, 12, "1", FishFocus::TemperatureList,
        {"1 l.", "3,3 %.", "34,5 g",
            "3,3 % to za niskie stężenie solanki,\rproponuję zmniejszyć ilość godzin solenia do 22",
            "18", "12", "4,0 %.", "41,7 g"});
    row("15 C, then 24 h", 20, 12, "1", FishFocus::HoursList,
        {"1 l.", "3,3 %.", "34,5 g",
            "3,3 % to za niskie stężenie solanki,\rproponuję obniżyć temperaturę wody do 13°C",
            "20", "10", "4,0 %.", "41,7 g"});
}

void TestFishSalting::salting()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, temperatureIndex);
    QFETCH(QString, fish);
    QFETCH(FishFocus, focus);
    QStringList texts;
    try {
        const FishSaltingResult r = computeFishSalting({fish, hoursIndex, temperatureIndex, focus});
        texts << r.water << r.texts.concentration << r.texts.salt;
        if (const auto &p = r.proposal)
            texts << p->message << QString::number(p->hoursIndex)
                  << QString::number(p->temperatureIndex) << p->texts.concentration
                  << p->texts.salt;
    } catch (const AppError &e) {
        texts << e.message();
    }
    QTEST(texts, "texts");
}

// Only weak combinations are questioned, and either proposal lies inside the lists and gives
// exactly 4 %.
void TestFishSalting::proposalsRestoreFourPercent()
{
    for (int i = 0; i < 21; ++i) {
        for (int j = 0; j < 15; ++j) {
            const bool expectWeak = (i + 4) + (j + 3) > 37;
            QCOMPARE(fishConcentration(i, j).c < Fixed4::fromInt(4), expectWeak);
            for (FishFocus focus : {FishFocus::HoursList, FishFocus::TemperatureList}) {
                const FishSaltingResult r = computeFishSalting({"1", i, j, focus});
                QCOMPARE(r.proposal.has_value(), expectWeak);
                if (!r.proposal)
                    continue;
                const bool byHours = focus == FishFocus::HoursList;
                QCOMPARE(byHours ? r.proposal->hoursIndex : r.proposal->temperatureIndex,
                    byHours ? i : j);
                const int moved = byHours ? r.proposal->temperatureIndex : r.proposal->hoursIndex;
                QVERIFY(moved >= (byHours ? 10 : 16) && moved <= (byHours ? 13 : 19));
                QCOMPARE(r.proposal->texts.concentration, QStringLiteral("4,0 %."));
            }
        }
    }
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
    const auto row = [](const char *name, QDate day, QTime time, int hoursIndex,
                         const QStringList &clocks, const QTimeZone &zone = QTimeZone::utc()) {
        QTest::newRow(name) << QDateTime(day, time, zone) << hoursIndex << clocks;
    };
    row("22:30 + 4 h", QDate(2024, 5, 14), QTime(22, 30), 0, {"22:30", "02:30", "jutro"});
    row("19:59 + 4 h stays today", QDate(2024, 5, 14), QTime(19, 59), 0,
        {"19:59", "23:59", "dziś"});
    row("20:00 + 4 h is midnight", QDate(2024, 5, 14), QTime(20, 0), 0,
        {"20:00", "00:00", "jutro"});
    row("end of month", QDate(2024, 4, 30), QTime(22, 30), 0, {"22:30", "02:30", "jutro"});
    row("end of year", QDate(2024, 12, 31), QTime(21, 45), 1, {"21:45", "02:45", "jutro"});
    // Salting lasts real hours: the night the clocks go forward, 4 hours from 00:30 end at 05:30.
    row("clocks go forward", QDate(2024, 3, 31), QTime(0, 30), 0, {"00:30", "05:30", "dziś"},
        QTimeZone("Europe/Warsaw"));
}

void TestFishSalting::clocks()
{
    QFETCH(QDateTime, now);
    QFETCH(int, hoursIndex);
    if (!now.timeZone().isValid())
        QSKIP("no time-zone data");
    const FishClocks c = fishClocks(now, hoursIndex);
    QTEST((QStringList {clockText(c.now), clockText(c.end), c.endDay}), "clocks");
}

QTEST_GUILESS_MAIN(TestFishSalting)
#include "tst_fishsalting.moc"
