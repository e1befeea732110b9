#include "AppError.h"
#include "Brine.h"

#include <QtTest>

// Runs `call` and returns the message of the AppError it throws ("" when it does not throw).
template<typename F>
static QString errorOf(F call)
{
    try {
        call();
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

static const QString kDivByZero = QStringLiteral("Floating point division by zero");
static const QString kInvalidOp = QStringLiteral("Invalid floating point operation");

class TestBrine : public QObject
{
    Q_OBJECT

private slots:
    void percentage_data();
    void percentage();
    void salt_data();
    void salt();
    void mix_data();
    void mix();
    void split_data();
    void split();
    void emptyFieldsStop();
    void errors_data();
    void errors();
    void firstRowCaption_data();
    void firstRowCaption();
};

void TestBrine::percentage_data()
{
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("salt");
    QTest::addColumn<QString>("percentage");

    QTest::newRow("1 l, 100 g") << "1"
                                << "100"
                                << "9,09";
    QTest::newRow("no salt") << "2"
                             << "0"
                             << "0,00";
    QTest::newRow("no water") << "0"
                              << "50"
                              << "100,00";
    QTest::newRow("fractions") << "0,75"
                               << "37,5"
                               << "4,76";
    // 1 / 1,5 * 100 = 66,6667 stored, printed 66,67
    QTest::newRow("half away in print") << "0,0005"
                                        << "1"
                                        << "66,67";
}

void TestBrine::percentage()
{
    QFETCH(QString, water);
    QFETCH(QString, salt);
    QFETCH(QString, percentage);
    QCOMPARE(brinePercentage({water, salt, "ignored"}), std::optional<QString>(percentage));
}

void TestBrine::salt_data()
{
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("salt");

    QTest::newRow("1 l at 10 %") << "1"
                                 << "10"
                                 << "111";
    QTest::newRow("no percentage") << "3"
                                   << "0"
                                   << "0";
    QTest::newRow("2 l at 20 %") << "2"
                                 << "20"
                                 << "500";
    // 1 l at 0,1 %: 100 / 99,9 = 1,001 -> 1
    QTest::newRow("small") << "1"
                           << "0,1"
                           << "1";
    // 0,5 l at 50 %: exactly 500
    QTest::newRow("half") << "0,5"
                          << "50"
                          << "500";
    // 0,0025 l at 50 %: exactly 2,5 -> ties to even 2; 0,0035 l: 3,5 -> 4
    QTest::newRow("tie to even down") << "0,0025"
                                      << "50"
                                      << "2";
    QTest::newRow("tie to even up") << "0,0035"
                                    << "50"
                                    << "4";
}

void TestBrine::salt()
{
    QFETCH(QString, water);
    QFETCH(QString, percentage);
    QFETCH(QString, salt);
    QCOMPARE(brineSalt({water, "ignored", percentage}), std::optional<QString>(salt));
}

void TestBrine::mix_data()
{
    QTest::addColumn<QStringList>("rows"); // first l, first %, vinegar l, vinegar %
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("litres");

    QTest::newRow("water and vinegar") << QStringList {"1", "0", "1", "10"} << "5,0"
                                       << "2,0";
    QTest::newRow("earlier pickle") << QStringList {"2", "4", "0,5", "10"} << "5,2"
                                    << "2,5";
    QTest::newRow("only vinegar") << QStringList {"0", "0", "0,25", "10"} << "10,0"
                                  << "0,3";
    QTest::newRow("thirds") << QStringList {"2", "0", "1", "10"} << "3,3"
                            << "3,0";
}

void TestBrine::mix()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, percent);
    QFETCH(QString, litres);
    PickleInput in;
    in.firstLitres = rows[0];
    in.firstPercent = rows[1];
    in.vinegarLitres = rows[2];
    in.vinegarPercent = rows[3];
    const std::optional<PickleMix> r = mixPickle(in);
    QVERIFY(r);
    QCOMPARE(r->totalPercent, percent);
    QCOMPARE(r->totalLitres, litres);
}

void TestBrine::split_data()
{
    QTest::addColumn<QStringList>("rows"); // total l, total %, first %, vinegar %
    QTest::addColumn<QString>("vinegar");
    QTest::addColumn<QString>("first");

    QTest::newRow("3 l at 6 %") << QStringList {"3", "6", "0", "10"} << "1,8"
                                << "1,2";
    QTest::newRow("from earlier pickle") << QStringList {"2", "6", "4", "10"} << "0,7"
                                         << "1,3";
    QTest::newRow("target below both") << QStringList {"1", "2", "4", "10"} << "-0,3"
                                       << "1,3";
}

void TestBrine::split()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, vinegar);
    QFETCH(QString, first);
    PickleInput in;
    in.totalLitres = rows[0];
    in.totalPercent = rows[1];
    in.firstPercent = rows[2];
    in.vinegarPercent = rows[3];
    const std::optional<PickleSplit> r = splitPickle(in);
    QVERIFY(r);
    QCOMPARE(r->vinegarLitres, vinegar);
    QCOMPARE(r->firstLitres, first);
}

void TestBrine::emptyFieldsStop()
{
    QVERIFY(!brinePercentage({"1", "", ""}));
    QVERIFY(!brinePercentage({"", "100", ""}));
    QVERIFY(!brineSalt({"1", "100", ""}));
    QVERIFY(!brineSalt({"", "", "10"}));
    // Empty fields are checked before anything is parsed.
    QVERIFY(!brinePercentage({",", "", ""}));

    PickleInput full {"1", "0", "1", "10", "3", "6"};
    QVERIFY(mixPickle(full) && splitPickle(full));
    for (QString PickleInput::*field : {&PickleInput::firstLitres, &PickleInput::firstPercent,
             &PickleInput::vinegarLitres, &PickleInput::vinegarPercent}) {
        PickleInput in = full;
        in.*field = QString();
        QVERIFY(!mixPickle(in));
    }
    for (QString PickleInput::*field : {&PickleInput::totalLitres, &PickleInput::totalPercent,
             &PickleInput::firstPercent, &PickleInput::vinegarPercent}) {
        PickleInput in = full;
        in.*field = QString();
        QVERIFY(!splitPickle(in));
    }
    // Each reads only its own fields.
    PickleInput noTotal = full;
    noTotal.totalLitres.clear();
    QVERIFY(mixPickle(noTotal));
    PickleInput noFirst = full;
    noFirst.firstLitres.clear();
    QVERIFY(splitPickle(noFirst));
}

void TestBrine::errors_data()
{
    QTest::addColumn<int>("calculator"); // 0 percentage, 1 salt, 2 mix, 3 split
    QTest::addColumn<QStringList>("fields"); // in the order of the input struct
    QTest::addColumn<QString>("message");

    QTest::newRow("water and salt 0") << 0 << QStringList {"0", "0", ""} << kInvalidOp;
    QTest::newRow("bad water") << 0 << QStringList {"1,,", "5", ""}
                               << "'1,,' is not a valid floating point value";
    QTest::newRow("bad salt") << 0 << QStringList {"1", ",", ""}
                              << "',' is not a valid floating point value";
    QTest::newRow("percentage 100") << 1 << QStringList {"1", "", "100"} << kDivByZero;
    QTest::newRow("percentage 100, no water") << 1 << QStringList {"0", "", "100"} << kInvalidOp;
    QTest::newRow("bad percentage")
        << 1 << QStringList {"1", "", "1e"} << "'1e' is not a valid floating point value";
    QTest::newRow("no litres") << 2 << QStringList {"0", "0", "0", "10", "", ""} << kInvalidOp;
    QTest::newRow("litres cancel out")
        << 2 << QStringList {"1", "0", "-1", "10", "", ""} << kDivByZero;
    QTest::newRow("bad vinegar") << 2 << QStringList {"1", "0", ",", "10", "", ""}
                                 << "',' is not a valid floating point value";
    QTest::newRow("equal percents") << 3 << QStringList {"", "6", "", "6", "3", "7"} << kDivByZero;
    QTest::newRow("equal percents, target equal")
        << 3 << QStringList {"", "6", "", "6", "3", "6"} << kInvalidOp;
    QTest::newRow("bad total") << 3 << QStringList {"", "0", "", "10", "3x", "6"}
                               << "'3x' is not a valid floating point value";
}

void TestBrine::errors()
{
    QFETCH(int, calculator);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QString got;
    if (calculator < 2) {
        const BrineInput in {fields[0], fields[1], fields[2]};
        got = calculator == 0 ? errorOf([&] { brinePercentage(in); })
                              : errorOf([&] { brineSalt(in); });
    } else {
        const PickleInput in {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
        got = calculator == 2 ? errorOf([&] { mixPickle(in); }) : errorOf([&] { splitPickle(in); });
    }
    QCOMPARE(got, message);
}

void TestBrine::firstRowCaption_data()
{
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain water") << "0"
                                 << "Woda   litry";
    QTest::newRow("earlier pickle") << "4"
                                    << "Zalewa litry";
    QTest::newRow("zero with comma is not exactly 0") << "0,"
                                                      << "Zalewa litry";
    QTest::newRow("empty") << ""
                           << "Zalewa litry";
}

void TestBrine::firstRowCaption()
{
    QFETCH(QString, percent);
    QFETCH(QString, caption);
    QCOMPARE(pickleFirstRowCaption(percent), caption);
}

QTEST_GUILESS_MAIN(TestBrine)
#include "tst_brine.moc"
