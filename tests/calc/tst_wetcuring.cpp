#include "calc/WetCuring.h"

#include <QtTest>

using T = WetTarget;
// The texts a row expects; a null text means the label must not be written.
using Texts = QList<std::pair<T, const char *>>;
Q_DECLARE_METATYPE(Texts)

class TestWetCuring : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
};

void TestWetCuring::texts_data()
{
    QTest::addColumn<WetCuringInput>("in");
    QTest::addColumn<Texts>("expected"); // empty: nothing is written at all
    QTest::addColumn<QString>("error");
    const auto row = [](const char *name, const QString &meat, int days, Texts texts,
                         const QString &error = {}, bool own = false, const QString &salt = "0",
                         const QString &sugar = "0") {
        QTest::newRow(name) << WetCuringInput {meat, days, own, salt, sugar} << texts << error;
    };
    const auto own = [&row](const char *name, const QString &meat, const QString &salt,
                         const QString &sugar, Texts texts, const QString &error = {}) {
        row(name, meat, 0, texts, error, true, salt, sugar);
    };

    row("1 kg, 1 day", "1", 0,
        {{T::SaltySalt, "76 - 80 g"}, {T::SaltyWater, "0,4 l."},
            {T::SaltyInjections, "4 razy  60 ml/kg mięsa czyli w sumie : 240 ml"},
            {T::SaltyMassage, " Tak"}, {T::SaltyConcentration, "15,97 - 16,67 %"},
            {T::SaltySugar, "4,0 - 8,2 g"},
            {T::SecondHeader, "--- Wersja mniej słona  według Fendra-----------------"},
            // round(76 × 0,95) = 72, round(1 × 80 × 0,95) = 76
            {T::SecondSalt, "72 - 76 g"}, {T::SecondWater, "0,4 l."},
            {T::SecondInjections, "5 razy  60 ml/kg mięsa czyli w sumie : 300 ml"},
            {T::SecondMassage, " Tak"}, {T::SecondConcentration, "15,25 - 15,97 %"},
            {T::SecondSugarCaption, "Opcjonalnie cukier 1-2%:"}, {T::SecondSugar, "3,8 - 7,8 g"}});
    row("2,5 kg, 4 days", "2,5", 3,
        {{T::SaltySalt, "150 - 155 g"}, {T::SaltyWater, "1 l."},
            {T::SaltyInjections, "1,5 razy  60 ml/kg mięsa czyli w sumie : 225 ml"},
            {T::SaltyMassage, "Nie"}, {T::SaltyConcentration, "13,04 - 13,42 %"},
            {T::SaltySugar, "10,1 - 20,4 g"},
            // round(60 × 0,84) × 2,5 for the low bound, round(2,5 × 62 × 0,84) for the high one
            {T::SecondSalt, "125 - 130 g"}, {T::SecondConcentration, "11,11 - 11,50 %"},
            {T::SecondInjections, "2 razy  60 ml/kg mięsa czyli w sumie : 300 ml"},
            // the water times the factor
            {T::SecondSugar, "8,5 - 17,1 g"}});
    row("beyond the list: the 14-day row", "1", 19, {{T::SaltySalt, "40 - 42 g"}});
    row("no selection: the 1-day row", "1", -1, {{T::SaltySalt, "76 - 80 g"}});
    row("empty meat", "", 0, {});
    row("zero meat", "0", 4, {});
    row("zero meat parses nothing else", "0,0000", 4, {}, {}, true, ",");
    own("own 78 is the salty range in whole grams", "1", "78", "0",
        {{T::SecondHeader, "--- Wersja własna ---------------------------------------"},
            {T::SecondSalt, "76 - 80 g"},
            {T::SecondInjections, "5 razy  60 ml/kg mięsa czyli w sumie : 300 ml"}});
    own("own sugar 0 clamps the low bound", "1", "78", "0",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 0,0-0,5%:"}, {T::SecondSugar, "0,0 - 2,0 g"}});
    own("own 78, 1,3 kg", "1,3", "78", "0", {{T::SecondSalt, "98,8 - 104 g"}});
    own("own 50: factor to 4 places", "1", "50", "0", {{T::SecondSalt, "49 - 51 g"}});
    own("own salt 0", "2", "0", "0", {{T::SecondSalt, "0 - 0 g"}});
    own("own sugar 1,5", "1", "78", "1,5",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 1,0-2,0%:"}, {T::SecondSugar, "4,0 - 8,2 g"}});
    own("own sugar 0,25", "1", "78", "0,25",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 0,0-0,8%:"}, {T::SecondSugar, "0,0 - 3,0 g"}});
    own("own sugar 3", "1", "78", "3",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 2,5-3,5%:"},
            {T::SecondSugar, "10,3 - 14,5 g"}});
    own("own sugar 150", "1", "78", "150",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 149,5-150,5%:"},
            {T::SecondSugar, "-1208,1 - -1192,1 g"}});
    // An error keeps the texts before it and writes none after it.
    row("bad meat", ",", 0, {}, "',' is not a valid floating point value");
    own("bad own salt", "1", "abc", "0",
        {{T::SaltySugar, "4,0 - 8,2 g"},
            {T::SecondHeader, "--- Wersja własna ---------------------------------------"},
            {T::SecondSalt, nullptr}},
        "'abc' is not a valid floating point value");
    own("own sugar 99,5", "1", "78", "99,5",
        {{T::SecondSugarCaption, "Opcjonalnie cukier 99,0-100,0%:"}, {T::SecondSugar, nullptr}},
        "Floating point division by zero");
    // A number too large for the type leaves every label as it was.
    own("own salt too large", "1", "900000000000000", "0", {}, "Floating point overflow");
    own("own sugar too large", "1000000000000", "78", "99999999999999", {},
        "Floating point overflow");
    row("meat too large", "922337203685477", 0, {}, "Floating point overflow");
}

void TestWetCuring::texts()
{
    QFETCH(WetCuringInput, in);
    QFETCH(Texts, expected);
    const WetCuringResult r = computeWetCuring(in);
    QTEST(r.error ? r.error->message() : QString(), "error");
    if (expected.isEmpty())
        QVERIFY(r.texts.isEmpty());
    for (const auto &[target, text] : expected) {
        if (text)
            QCOMPARE(r.text(target), QString::fromUtf8(text));
        else
            QVERIFY(!r.has(target));
    }
}

QTEST_GUILESS_MAIN(TestWetCuring)
#include "tst_wetcuring.moc"
