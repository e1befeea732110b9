#include "calc/Nitrite.h"

#include <QtTest>

using T = NitriteTarget;
using Texts = QList<std::pair<T, const char *>>;
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(CureMethod)

class TestNitrite : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data();
    void amounts();
    void passed_data();
    void passed();
    void warningNamesEachLimit();
};

void TestNitrite::amounts_data()
{
    QTest::addColumn<NitriteInput>("in");
    QTest::addColumn<Texts>("expected"); // empty: nothing is written at all
    QTest::addColumn<QString>("error");
    const auto dry = [](const char *name, CureMethod method, const QString &meat,
                         const QString &salt, const QString &pct, Texts texts,
                         const QString &error = {}) {
        QTest::newRow(name) << NitriteInput {meat, salt, pct, method, {}, {}} << texts << error;
    };
    const auto brine = [](const char *name, const QString &meat, const QString &salt,
                           const QString &pct, const QString &water, const QString &uptake,
                           Texts texts, const QString &error = {}) {
        QTest::newRow(name) << NitriteInput {meat, salt, pct, CureMethod::Brine, water, uptake}
                            << texts << error;
    };

    // 20 g × 0,6 % = 120 mg on 1 kg; × 0,67 = 80,4
    dry("rub, 1 kg, 20 g at 0,6 %", CureMethod::DryRub, "1", "20", "0,6",
        {{T::SodiumNitrite, "120,0 mg/kg"}, {T::NitriteIon, "80,4 mg/kg"},
            {T::Equilibrium, nullptr}});
    // 5 g × 6,25 % = 312,5 mg on 2,5 kg = 125; × 0,67 = 83,75
    dry("minced, curing powder", CureMethod::Minced, "2,5", "5", "6,25",
        {{T::SodiumNitrite, "125,0 mg/kg"}, {T::NitriteIon, "83,8 mg/kg"}});
    dry("empty salt", CureMethod::DryRub, "1", "", "0,6", {{T::SodiumNitrite, "0,0 mg/kg"}});
    dry("empty meat", CureMethod::DryRub, "", "20", "0,6", {});
    dry("zero meat parses nothing else", CureMethod::DryRub, "0", ",", "0,6", {});
    dry("bad salt", CureMethod::DryRub, "1", ",", "0,6", {},
        "',' is not a valid floating point value");
    dry("too large", CureMethod::DryRub, "0,0001", "900000000000000", "100", {},
        "Floating point overflow");

    // 240 mg in 0,44 kg of brine; 0,1 kg taken up: 240 × 0,1 / 0,44 = 54,55;
    // spread over 1,44 kg: 166,67
    brine("brine, 1 kg, 40 g, 0,4 l, 10 %", "1", "40", "0,6", "0,4", "10",
        {{T::SodiumNitrite, "54,5 mg/kg"}, {T::NitriteIon, "36,5 mg/kg"},
            {T::Equilibrium, "166,7 mg/kg"}});
    // 930 mg in 1,155 kg; 0,25 kg taken up: 80,52; over 3,655 kg: 254,45
    brine("brine, 2,5 kg, 155 g, 1 l, 10 %", "2,5", "155", "0,6", "1", "10",
        {{T::SodiumNitrite, "80,5 mg/kg"}, {T::NitriteIon, "53,9 mg/kg"},
            {T::Equilibrium, "254,4 mg/kg"}});
    // The meat would take up 1 kg of a 0,51 kg brine: it holds all 60 mg, 6 per kg.
    brine("uptake beyond the brine", "10", "10", "0,6", "0,5", "10",
        {{T::SodiumNitrite, "6,0 mg/kg"}, {T::Equilibrium, "5,7 mg/kg"}});
    // 0,04 kg of brine, less than the 0,1 kg the meat takes up: all 240 mg are in the meat.
    brine("empty water: the brine is its salt", "1", "40", "0,6", "", "10",
        {{T::SodiumNitrite, "240,0 mg/kg"}});
    brine(
        "no brine and no uptake", "1", "", "0,6", "", "0", {}, "Invalid floating point operation");
    brine("bad water", "1", "40", "0,6", "0,,4", "10", {},
        "'0,,4' is not a valid floating point value");
}

void TestNitrite::amounts()
{
    QFETCH(NitriteInput, in);
    QFETCH(Texts, expected);
    const NitriteResult r = computeNitrite(in);
    QTEST(r.error ? r.error->message() : QString(), "error");
    if (expected.isEmpty()) {
        QVERIFY(r.texts.isEmpty());
        QVERIFY(!r.sodiumNitrite);
    }
    for (const auto &[target, text] : expected) {
        if (text)
            QCOMPARE(r.text(target), QString::fromUtf8(text));
        else
            QVERIFY(!r.has(target));
    }
}

void TestNitrite::passed_data()
{
    QTest::addColumn<CureMethod>("method");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QStringList>("limits");
    const QDate lastOld(2025, 10, 8), firstNew(2025, 10, 9), later(2026, 12, 6);
    const auto row = [](const char *name, CureMethod method, const char *amount, QDate day,
                         const QStringList &limits) {
        QTest::newRow(name) << method << QString::fromLatin1(amount) << day << limits;
    };
    row("130 after the change: 87,1 as ion", CureMethod::DryRub, "130", firstNew, {"UE 80"});
    row("150 is not above 150", CureMethod::DryRub, "150", lastOld, {});
    row("151 before the change", CureMethod::Minced, "151", lastOld, {"UE 150"});
    row("119 is 79,73 as ion", CureMethod::DryRub, "119", later, {});
    row("120 is 80,4 as ion", CureMethod::DryRub, "120", later, {"UE 80"});
    row("brine above 200", CureMethod::Brine, "210", later, {"UE 80", "USA 200"});
    row("rub above 625", CureMethod::DryRub, "700", later, {"UE 80", "USA 625"});
}

void TestNitrite::passed()
{
    QFETCH(CureMethod, method);
    QFETCH(QString, amount);
    QFETCH(QDate, day);
    QStringList names;
    for (const NitriteLimit &l : passedLimits(method, Fixed4::parse(amount), day))
        names << l.region + u' ' + l.mgPerKg.toGeneral();
    QTEST(names, "limits");
}

void TestNitrite::warningNamesEachLimit()
{
    QCOMPARE(limitWarning({}), QString());
    const QString text
        = limitWarning(passedLimits(CureMethod::Minced, Fixed4::fromInt(160), QDate(2026, 1, 1)));
    QCOMPARE(text,
        QStringLiteral("Wynik przekracza limit UE 80 mg/kg jonu azotynowego (mięso przetworzone "
                       "(poza sterylizowanym)), liczby nie sprawdzono ze źródłem oraz limit USA "
                       "156 mg/kg azotynu sodu (mięso rozdrobnione)."));
}

QTEST_GUILESS_MAIN(TestNitrite)
#include "tst_nitrite.moc"
