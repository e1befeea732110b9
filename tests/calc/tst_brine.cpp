#include "calc/Brine.h"
#include "core/AppError.h"

#include <QtTest>

static const QString kDivByZero = QStringLiteral("Floating point division by zero");
static const QString kInvalidOp = QStringLiteral("Invalid floating point operation");

// Runs one calculator (0 percentage, 1 salt, 2 mix, 3 split) on fields in the order of its input
// struct: its texts joined by " | ", "none" when it stops, or the message of its error.
static QString run(int calculator, const QStringList &f)
{
    try {
        if (calculator < 2) {
            const BrineInput in {f[0], f[1], f[2]};
            return (calculator == 0 ? brinePercentage(in) : brineSalt(in)).value_or("none");
        }
        const PickleInput in {f[0], f[1], f[2], f[3], f[4], f[5]};
        if (calculator == 2) {
            const std::optional<PickleMix> r = mixPickle(in);
            return r ? r->totalPercent + " | " + r->totalLitres : "none";
        }
        const std::optional<PickleSplit> r = splitPickle(in);
        return r ? r->vinegarLitres + " | " + r->firstLitres : "none";
    } catch (const AppError &e) {
        return e.message();
    }
}

class TestBrine : public QObject
{
    Q_OBJECT

private slots:
    void calculators_data();
    void calculators();
    void firstRowCaption();
};

void TestBrine::calculators_data()
{
    QTest::addColumn<int>("calculator");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    const auto row
        = [](const char *name, int calculator, const QStringList &fields, const QString &result) {
              QTest::newRow(name) << calculator << fields << result;
          };

    row("percentage: 1 l, 100 g", 0, {"1", "100", "x"}, "9,09");
    row("percentage: no salt", 0, {"2", "0", ""}, "0,00");
    row("percentage: no water", 0, {"0", "50", ""}, "100,00");
    // 1 / 1,5 * 100 = 66,6667 stored, printed 66,67
    row("percentage: half away in print", 0, {"0,0005", "1", ""}, "66,67");
    row("percentage: no salt field", 0, {"1", "", ""}, "none");
    row("percentage: empties checked before parsing", 0, {",", "", ""}, "none");
    row("percentage: water and salt 0", 0, {"0", "0", ""}, kInvalidOp);
    row("percentage: bad water", 0, {"1,,", "5", ""}, "'1,,' is not a valid floating point value");
    row("salt: 1 l at 10 %", 1, {"1", "x", "10"}, "111");
    // 0,0025 l at 50 %: exactly 2,5 -> ties to even 2; 0,0035 l: 3,5 -> 4
    row("salt: tie to even down", 1, {"0,0025", "", "50"}, "2");
    row("salt: tie to even up", 1, {"0,0035", "", "50"}, "4");
    row("salt: no water field", 1, {"", "", "10"}, "none");
    row("salt: percentage 100", 1, {"1", "", "100"}, kDivByZero);
    row("salt: percentage 100, no water", 1, {"0", "", "100"}, kInvalidOp);
    // Each pickle calculator reads only its own fields.
    row("mix: water and vinegar", 2, {"1", "0", "1", "10", "", ""}, "5,0 | 2,0");
    row("mix: earlier pickle", 2, {"2", "4", "0,5", "10", "", ""}, "5,2 | 2,5");
    row("mix: only vinegar", 2, {"0", "0", "0,25", "10", "", ""}, "10,0 | 0,3");
    row("mix: no vinegar litres", 2, {"1", "0", "", "10", "3", "6"}, "none");
    row("mix: no litres", 2, {"0", "0", "0", "10", "", ""}, kInvalidOp);
    row("mix: litres cancel out", 2, {"1", "0", "-1", "10", "", ""}, kDivByZero);
    row("split: 3 l at 6 %", 3, {"", "0", "", "10", "3", "6"}, "1,8 | 1,2");
    row("split: from earlier pickle", 3, {"", "4", "", "10", "2", "6"}, "0,7 | 1,3");
    row("split: target below both", 3, {"", "4", "", "10", "1", "2"}, "-0,3 | 1,3");
    row("split: no total percent", 3, {"1", "0", "1", "10", "3", ""}, "none");
    row("split: equal percents", 3, {"", "6", "", "6", "3", "7"}, kDivByZero);
    row("split: equal percents, target equal", 3, {"", "6", "", "6", "3", "6"}, kInvalidOp);
    row("split: bad total", 3, {"", "0", "", "10", "3x", "6"},
        "'3x' is not a valid floating point value");
}

void TestBrine::calculators()
{
    QFETCH(int, calculator);
    QFETCH(QStringList, fields);
    QTEST(run(calculator, fields), "result");
}

// Only the exact text "0" means plain water; anything else is an earlier pickle.
void TestBrine::firstRowCaption()
{
    QCOMPARE(pickleFirstRowCaption("0"), QStringLiteral("Woda   litry"));
    for (const char *percent : {"4", "0,", "00", ""})
        QCOMPARE(pickleFirstRowCaption(percent), QStringLiteral("Zalewa litry"));
}

QTEST_GUILESS_MAIN(TestBrine)
#include "tst_brine.moc"
