#include "calc/WetCuring.h"
#include "core/AppError.h"

#include <QtTest>

using Texts = QMap<int, QString>;
Q_DECLARE_METATYPE(Texts)

namespace {

Texts run(const WetCuringInput &in, QString *error = nullptr)
{
    const WetCuringResult r = computeWetCuring(in);
    Texts out;
    for (const auto &[t, text] : r.texts)
        out[int(t)] = text;
    if (r.error) {
        if (!error)
            r.raise();
        *error = r.error->message();
    }
    return out;
}

WetCuringInput input(const QString &meat, int days, bool own = false, const QString &salt = "0",
    const QString &sugar = "0")
{
    return WetCuringInput {meat, days, own, salt, sugar};
}

QString t(WetTarget target, const Texts &texts)
{
    return texts.value(int(target), QStringLiteral("<unwritten>"));
}

} // namespace

class TestWetCuring : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void zeroOrEmptyMeatWritesNothing();
    void daysIndexOutsideTheList();
    void ownSugarCaptions_data();
    void ownSugarCaptions();
    void errorsStopHalfWay();
    void overflowWritesNothing();
};

void TestWetCuring::workedExamples_data()
{
    QTest::addColumn<WetCuringInput>("in");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("text");
    const auto S = [](WetTarget t) { return int(t); };
    QTest::newRow("1 kg 1 day less strength")
        << input("1", 0) << S(WetTarget::SecondConcentration) << "15,25 - 15,97 %";
    QTest::newRow("1 kg 1 day less sugar")
        << input("1", 0) << S(WetTarget::SecondSugar) << "3,8 - 7,8 g";
    QTest::newRow("2,5 kg 4 days strength")
        << input("2,5", 3) << S(WetTarget::SaltyConcentration) << "13,04 - 13,42 %";
    QTest::newRow("2,5 kg 4 days sugar")
        << input("2,5", 3) << S(WetTarget::SaltySugar) << "10,1 - 20,4 g";
    // low bound rounds per kg before the meat: round(60 × 0,84) × 2,5; high rounds the total.
    QTest::newRow("2,5 kg 4 days less salt")
        << input("2,5", 3) << S(WetTarget::SecondSalt) << "125 - 130 g";
    QTest::newRow("2,5 kg 4 days less strength")
        << input("2,5", 3) << S(WetTarget::SecondConcentration) << "11,11 - 11,50 %";
    QTest::newRow("2,5 kg 4 days less sugar uses water × factor")
        << input("2,5", 3) << S(WetTarget::SecondSugar) << "8,5 - 17,1 g";
    QTest::newRow("own 78 equals salty")
        << input("1", 0, true, "78") << S(WetTarget::SecondSalt) << "76 - 80 g";
    QTest::newRow("own 78 header") << input("1", 0, true, "78") << S(WetTarget::SecondHeader)
                                   << "--- Wersja własna ---------------------------------------";
    QTest::newRow("own 78, 1,3 kg rounds whole grams")
        << input("1,3", 0, true, "78") << S(WetTarget::SecondSalt) << "98,8 - 104 g";
    QTest::newRow("own 50 rounds f to 4 places")
        << input("1", 0, true, "50") << S(WetTarget::SecondSalt) << "49 - 51 g";
    QTest::newRow("own salt 0") << input("2", 0, true, "0") << S(WetTarget::SecondSalt)
                                << "0 - 0 g";
    QTest::newRow("own uses less-salty injections") << input("1", 0, true,
        "78") << S(WetTarget::SecondInjections) << "5 razy  60 ml/kg mięsa czyli w sumie : 300 ml";
    QTest::newRow("less header") << input("1", 5) << S(WetTarget::SecondHeader)
                                 << "--- Wersja mniej słona  według Fendra-----------------";
    QTest::newRow("fractional meat") << input("0,75", 1) << S(WetTarget::SaltyInjections)
                                     << "4 razy  60 ml/kg mięsa czyli w sumie : 180 ml";
}

void TestWetCuring::workedExamples()
{
    QFETCH(WetCuringInput, in);
    QFETCH(int, target);
    QFETCH(QString, text);
    QCOMPARE(t(WetTarget(target), run(in)), text);
}

void TestWetCuring::zeroOrEmptyMeatWritesNothing()
{
    QVERIFY(run(input("", 0)).isEmpty());
    QVERIFY(run(input("0", 4)).isEmpty());
    QVERIFY(run(input("0,0000", 4, true, ",")).isEmpty()); // nothing else is even parsed
}

void TestWetCuring::daysIndexOutsideTheList()
{
    // Beyond the list: the 14-day row, not the saltiest one.
    QCOMPARE(t(WetTarget::SaltySalt, run(input("1", 19))), QStringLiteral("40 - 42 g"));
    QCOMPARE(wetRowForIndex(100).saltLow, Fixed4::fromInt(40));
    // No selection: the 1-day row.
    QCOMPARE(t(WetTarget::SaltySalt, run(input("1", -1))), QStringLiteral("76 - 80 g"));
}

void TestWetCuring::ownSugarCaptions_data()
{
    QTest::addColumn<QString>("sugar");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("grams");
    QTest::newRow("0 clamps the low bound") << "0"
                                            << "Opcjonalnie cukier 0,0-0,5%:"
                                            << "0,0 - 2,0 g";
    QTest::newRow("1,5 like the table") << "1,5"
                                        << "Opcjonalnie cukier 1,0-2,0%:"
                                        << "4,0 - 8,2 g";
    QTest::newRow("0,25 clamps one") << "0,25"
                                     << "Opcjonalnie cukier 0,0-0,8%:"
                                     << "0,0 - 3,0 g";
    QTest::newRow("3") << "3"
                       << "Opcjonalnie cukier 2,5-3,5%:"
                       << "10,3 - 14,5 g";
}

void TestWetCuring::ownSugarCaptions()
{
    QFETCH(QString, sugar);
    QFETCH(QString, caption);
    QFETCH(QString, grams);
    const Texts out = run(input("1", 0, true, "78", sugar));
    QCOMPARE(t(WetTarget::SecondSugarCaption, out), caption);
    QCOMPARE(t(WetTarget::SecondSugar, out), grams);
}

void TestWetCuring::errorsStopHalfWay()
{
    QString error;
    Texts out = run(input(",", 0), &error);
    QCOMPARE(error, QStringLiteral("',' is not a valid floating point value"));
    QVERIFY(out.isEmpty());

    error.clear();
    out = run(input("1", 0, true, "abc"), &error);
    QCOMPARE(error, QStringLiteral("'abc' is not a valid floating point value"));
    QCOMPARE(t(WetTarget::SecondHeader, out), wettext::OwnHeader); // written before the parse
    QCOMPARE(t(WetTarget::SaltySugar, out), QStringLiteral("4,0 - 8,2 g"));
    QVERIFY(!out.contains(int(WetTarget::SecondSalt)));

    error.clear();
    out = run(input("1", 0, true, "78", "99,5"), &error);
    QCOMPARE(error, QStringLiteral("Floating point division by zero"));
    QCOMPARE(
        t(WetTarget::SecondSugarCaption, out), QStringLiteral("Opcjonalnie cukier 99,0-100,0%:"));
    QVERIFY(!out.contains(int(WetTarget::SecondSugar)));

    error.clear();
    out = run(input("1", 0, true, "78", "150"), &error);
    QVERIFY(error.isEmpty()); // above 99,5 the amounts just come out negative
    QVERIFY(t(WetTarget::SecondSugar, out).startsWith(u'-'));
}

// Numbers too large for the type are reported and leave every label as it was.
void TestWetCuring::overflowWritesNothing()
{
    for (const WetCuringInput &in :
        {input("1", 0, true, "900000000000000"),
            input("1000000000000", 0, true, "78", "99999999999999"), input("922337203685477", 0)}) {
        QString error;
        const Texts out = run(in, &error);
        QCOMPARE(error, QStringLiteral("Floating point overflow"));
        QVERIFY(out.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestWetCuring)
#include "tst_wetcuring.moc"
