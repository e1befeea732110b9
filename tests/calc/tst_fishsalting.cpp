#include "AppError.h"
#include "FishSalting.h"

#include <QTimeZone>
#include <QtTest>

using Digits = std::array<int, 4>;
Q_DECLARE_METATYPE(Digits)

class TestFishSalting : public QObject
{
    Q_OBJECT

private slots:
    void lists();
    void results_data();
    void results();
    void badFish();
    void proposal_data();
    void proposal();
    void proposalsRestoreFourPercent();
    void temperatureColour_data();
    void temperatureColour();
    void clocks_data();
    void clocks();
    void clocksAcrossDaylightSaving();
};

void TestFishSalting::lists()
{
    const QStringList hours {"4 godziny", "5 godzin", "6 godzin", "7 godzin", "8 godzin",
        "9 godzin", "10 godzin", "11 godzin", "12 godzin", "13 godzin", "14 godzin", "15 godzin",
        "16 godzin", "17 godzin", "18 godzin", "19 godzin", "20 godzin", "21 godzin", "22 godziny",
        "23 godziny", "24 godziny"};
    const QStringList temperatures {
        "3", "4 ", "5 ", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17"};
    QCOMPARE(fishHoursItems(), hours);
    QCOMPARE(fishTemperatureItems(), temperatures);
}

void TestFishSalting::results_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("temperatureIndex");
    QTest::addColumn<QString>("fish");
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("concentration");
    QTest::addColumn<QString>("salt");

    QTest::newRow("4 h, 3 C, 1 kg") << 0 << 0 << "1"
                                    << "1 l."
                                    << "14,0 %."
                                    << "162,8 g";
    QTest::newRow("24 h, 3 C, 2 kg") << 20 << 0 << "2"
                                     << "2 l."
                                     << "7,3 %."
                                     << "158,3 g";
    QTest::newRow("10 h, 9 C, 1,5 kg") << 6 << 6 << "1,5"
                                       << "1,5 l."
                                       << "10,0 %."
                                       << "166,7 g";
    QTest::newRow("empty fish") << 0 << 0 << ""
                                << "0 l."
                                << "14,0 %."
                                << "0,0 g";
    // C = 12, X = round(21,6) = 22, 22 / 88 = 0,25: the printed half goes up
    QTest::newRow("salt half away") << 0 << 6 << "0,0018"
                                    << "0,0018 l."
                                    << "12,0 %."
                                    << "0,3 g";
    // Below 4 % the results are still computed when nobody is asked.
    QTest::newRow("weak brine") << 20 << 12 << "1"
                                << "1 l."
                                << "3,3 %."
                                << "34,5 g";
}

void TestFishSalting::results()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, temperatureIndex);
    QFETCH(QString, fish);
    QFETCH(QString, water);
    QFETCH(QString, concentration);
    QFETCH(QString, salt);

    const FishSaltingResult r
        = computeFishSalting({fish, hoursIndex, temperatureIndex, FishFocus::Other});
    QCOMPARE(r.water, water);
    QCOMPARE(r.texts.concentration, concentration);
    QCOMPARE(r.texts.salt, salt);
    QVERIFY(!r.proposal);
}

void TestFishSalting::badFish()
{
    try {
        computeFishSalting({"1,5,", 0, 0, FishFocus::Other});
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("'1,5,' is not a valid floating point value"));
    }
}

void TestFishSalting::proposal_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("temperatureIndex");
    QTest::addColumn<FishFocus>("focus");
    QTest::addColumn<QString>("message"); // empty: no question
    QTest::addColumn<int>("proposedHours");
    QTest::addColumn<int>("proposedTemperature");
    QTest::addColumn<QString>("proposedConcentration");
    QTest::addColumn<QString>("proposedSalt");

    QTest::newRow("24 h, then 15 C")
        << 20 << 12 << FishFocus::TemperatureList
        << QString::fromUtf8("3,3 % to za niskie stężenie solanki,\r"
                             "proponuję zmniejszyć ilość godzin solenia do 22")
        << 18 << 12 << "4,0 %."
        << "41,7 g";
    QTest::newRow("15 C, then 24 h")
        << 20 << 12 << FishFocus::HoursList
        << QString::fromUtf8("3,3 % to za niskie stężenie solanki,\r"
                             "proponuję obniżyć temperaturę wody do 13°C")
        << 20 << 10 << "4,0 %."
        << "41,7 g";
    QTest::newRow("21 h, then 17 C")
        << 17 << 14 << FishFocus::TemperatureList
        << QString::fromUtf8("3,7 % to za niskie stężenie solanki,\r"
                             "proponuję zmniejszyć ilość godzin solenia do 20")
        << 16 << 14 << "4,0 %."
        << "41,7 g";
    QTest::newRow("exactly 4 % asks nothing")
        << 20 << 10 << FishFocus::HoursList << QString() << 0 << 0 << ""
        << "";
    QTest::newRow("fish field changed asks nothing")
        << 20 << 12 << FishFocus::Other << QString() << 0 << 0 << ""
        << "";
}

void TestFishSalting::proposal()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, temperatureIndex);
    QFETCH(FishFocus, focus);
    QFETCH(QString, message);
    QFETCH(int, proposedHours);
    QFETCH(int, proposedTemperature);
    QFETCH(QString, proposedConcentration);
    QFETCH(QString, proposedSalt);

    const FishSaltingResult r = computeFishSalting({"1", hoursIndex, temperatureIndex, focus});
    QCOMPARE(r.proposal.has_value(), !message.isEmpty());
    if (!r.proposal)
        return;
    QCOMPARE(r.proposal->message, message);
    QCOMPARE(r.proposal->hoursIndex, proposedHours);
    QCOMPARE(r.proposal->temperatureIndex, proposedTemperature);
    QCOMPARE(r.proposal->texts.concentration, proposedConcentration);
    QCOMPARE(r.proposal->texts.salt, proposedSalt);
}

// Every weak combination is questioned, and either proposal lies inside the lists and gives
// exactly 4 %.
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
                if (focus == FishFocus::HoursList) {
                    QCOMPARE(r.proposal->hoursIndex, i);
                    QVERIFY(r.proposal->temperatureIndex >= 10);
                    QVERIFY(r.proposal->temperatureIndex <= 13);
                } else {
                    QCOMPARE(r.proposal->temperatureIndex, j);
                    QVERIFY(r.proposal->hoursIndex >= 16);
                    QVERIFY(r.proposal->hoursIndex <= 19);
                }
                QCOMPARE(r.proposal->texts.concentration, QStringLiteral("4,0 %."));
            }
        }
    }
    QCOMPARE(weak, 2 * 10);
}

void TestFishSalting::temperatureColour_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<WaterTemperatureBand>("band");
    QTest::addColumn<unsigned>("rgb");

    QTest::newRow("3 C") << 0 << WaterTemperatureBand::Cool << 0xFAC896u;
    QTest::newRow("7 C") << 4 << WaterTemperatureBand::Cool << 0xFAC896u;
    QTest::newRow("8 C") << 5 << WaterTemperatureBand::Warm << 0xFA9664u;
    QTest::newRow("12 C") << 9 << WaterTemperatureBand::Warm << 0xFA9664u;
    QTest::newRow("13 C") << 10 << WaterTemperatureBand::Hot << 0xFA140Fu;
    QTest::newRow("17 C") << 14 << WaterTemperatureBand::Hot << 0xFA140Fu;
    QTest::newRow("no selection") << -1 << WaterTemperatureBand::None << 0u;
    QTest::newRow("past the list") << 15 << WaterTemperatureBand::None << 0u;
}

void TestFishSalting::temperatureColour()
{
    QFETCH(int, index);
    QFETCH(WaterTemperatureBand, band);
    QFETCH(unsigned, rgb);
    QCOMPARE(waterTemperatureBand(index), band);
    QCOMPARE(waterTemperatureRgb(band), rgb);
}

void TestFishSalting::clocks_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<Digits>("nowDigits");
    QTest::addColumn<Digits>("endDigits");
    QTest::addColumn<QString>("endDay");

    const auto at = [](int y, int mo, int d, int h, int mi) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc());
    };
    QTest::newRow("22:30 + 4 h") << at(2024, 5, 14, 22, 30) << 0 << Digits {2, 2, 3, 0}
                                 << Digits {0, 2, 3, 0} << QString::fromUtf8("jutro");
    QTest::newRow("10:05 + 4 h") << at(2024, 5, 14, 10, 5) << 0 << Digits {1, 0, 0, 5}
                                 << Digits {1, 4, 0, 5} << QString::fromUtf8("dziś");
    QTest::newRow("19:59 + 4 h stays today") << at(2024, 5, 14, 19, 59) << 0 << Digits {1, 9, 5, 9}
                                             << Digits {2, 3, 5, 9} << QString::fromUtf8("dziś");
    QTest::newRow("20:00 + 4 h is midnight") << at(2024, 5, 14, 20, 0) << 0 << Digits {2, 0, 0, 0}
                                             << Digits {0, 0, 0, 0} << QString::fromUtf8("jutro");
    QTest::newRow("end of month") << at(2024, 4, 30, 22, 30) << 0 << Digits {2, 2, 3, 0}
                                  << Digits {0, 2, 3, 0} << QString::fromUtf8("jutro");
    QTest::newRow("end of February") << at(2023, 2, 28, 23, 10) << 5 << Digits {2, 3, 1, 0}
                                     << Digits {0, 8, 1, 0} << QString::fromUtf8("jutro");
    QTest::newRow("end of year") << at(2024, 12, 31, 21, 45) << 1 << Digits {2, 1, 4, 5}
                                 << Digits {0, 2, 4, 5} << QString::fromUtf8("jutro");
    QTest::newRow("midnight + 24 h") << at(2024, 12, 31, 0, 0) << 20 << Digits {0, 0, 0, 0}
                                     << Digits {0, 0, 0, 0} << QString::fromUtf8("jutro");
    QTest::newRow("morning + 12 h") << at(2024, 1, 1, 7, 20) << 8 << Digits {0, 7, 2, 0}
                                    << Digits {1, 9, 2, 0} << QString::fromUtf8("dziś");
}

void TestFishSalting::clocks()
{
    QFETCH(QDateTime, now);
    QFETCH(int, hoursIndex);
    QFETCH(Digits, nowDigits);
    QFETCH(Digits, endDigits);
    QFETCH(QString, endDay);

    const FishClocks c = fishClocks(now, hoursIndex);
    QCOMPARE(c.now, nowDigits);
    QCOMPARE(c.end, endDigits);
    QCOMPARE(c.endDay, endDay);
}

// Salting lasts real hours: on the night the clocks go forward 4 hours from 00:30 end at 05:30.
void TestFishSalting::clocksAcrossDaylightSaving()
{
    const QTimeZone warsaw("Europe/Warsaw");
    if (!warsaw.isValid())
        QSKIP("no time-zone data");
    const FishClocks c = fishClocks(QDateTime(QDate(2024, 3, 31), QTime(0, 30), warsaw), 0);
    QCOMPARE(c.end, (Digits {0, 5, 3, 0}));
    QCOMPARE(c.endDay, QString::fromUtf8("dziś"));
}

QTEST_GUILESS_MAIN(TestFishSalting)
#include "tst_fishsalting.moc"
