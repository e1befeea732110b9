#include "TestEnv.h"
#include "core/AppError.h"
#include "core/Fixed4.h"

#include <QtTest>
#include <limits>

class TestFixed4 : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseRejects_data();
    void parseRejects();
    void parseOrZero();
    void product_data();
    void product();
    void quotient_data();
    void quotient();
    void divisionErrors();
    void general_data();
    void general();
    void patterns_data();
    void patterns();
    void roundHalfEven_data();
    void roundHalfEven();
    void overflowIsReported();
};

void TestFixed4::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << "76" << qint64(760000);
    QTest::newRow("comma") << "2,5" << qint64(25000);
    QTest::newRow("leading comma") << ",5" << qint64(5000);
    QTest::newRow("trailing comma") << "3," << qint64(30000);
    QTest::newRow("negative") << "-1,25" << qint64(-12500);
    QTest::newRow("plus sign") << "+4" << qint64(40000);
    QTest::newRow("leading zeros") << "007,0500" << qint64(70500);
    QTest::newRow("blanks around") << "  12 " << qint64(120000);
    QTest::newRow("tie to even down") << "0,00005" << qint64(0);
    QTest::newRow("tie to even up") << "0,00015" << qint64(2);
    QTest::newRow("tie to even 2,5 units") << "1,00025" << qint64(10002);
    QTest::newRow("above tie") << "0,000050001" << qint64(1);
    QTest::newRow("below tie") << "0,0000499999" << qint64(0);
    QTest::newRow("negative tie") << "-0,00015" << qint64(-2);
    QTest::newRow("long tail") << "1,23456789012345678901234567890" << qint64(12346);
    QTest::newRow("exponent") << "2E3" << qint64(20000000);
    QTest::newRow("negative exponent") << "15e-1" << qint64(15000);
    QTest::newRow("zero") << "0" << qint64(0);
}

void TestFixed4::parse()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(Fixed4::parse(text).raw(), raw);
}

void TestFixed4::parseRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("lone comma") << ",";
    QTest::newRow("full stop") << "1.5";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing letter") << "12kg";
    QTest::newRow("sign only") << "-";
    QTest::newRow("inner blank") << "1 000";
    QTest::newRow("bare exponent") << "1E";
}

void TestFixed4::parseRejects()
{
    QFETCH(QString, text);
    try {
        Fixed4::parse(text);
        QFAIL("accepted");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
    QVERIFY(!Fixed4::tryParse(text, nullptr));
}

void TestFixed4::parseOrZero()
{
    QCOMPARE(Fixed4::parseOrZero("").raw(), 0);
    QCOMPARE(Fixed4::parseOrZero("  ").raw(), 0);
    QCOMPARE(Fixed4::parseOrZero("1,5").raw(), 15000);
    QVERIFY_THROWS_EXCEPTION(AppError, Fixed4::parseOrZero(","));
}

void TestFixed4::product_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << "2,5"
                           << "62"
                           << "155";
    QTest::newRow("factor") << "76"
                            << "0,95"
                            << "72,2";
    QTest::newRow("tie to even down") << "0,0001"
                                      << "0,5"
                                      << "0"; // 0,00005
    QTest::newRow("tie to even up") << "0,0003"
                                    << "0,5"
                                    << "0,0002"; // 0,00015
    QTest::newRow("negative tie") << "-0,0003"
                                  << "0,5"
                                  << "-0,0002";
    QTest::newRow("above half") << "0,0001"
                                << "0,5001"
                                << "0,0001";
    QTest::newRow("large") << "123456789"
                           << "1000"
                           << "123456789000";
}

void TestFixed4::product()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    QCOMPARE((Fixed4::parse(a) * Fixed4::parse(b)).toGeneral(), expected);
}

void TestFixed4::quotient_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    QTest::newRow("third") << "1"
                           << "3"
                           << "0,3333";
    QTest::newRow("two thirds") << "2"
                                << "3"
                                << "0,6667";
    QTest::newRow("exact") << "78"
                           << "78"
                           << "1";
    QTest::newRow("tie to even") << "0,0001"
                                 << "2"
                                 << "0"; // 0,00005
    QTest::newRow("tie up to even") << "0,0003"
                                    << "2"
                                    << "0,0002";
    QTest::newRow("negative") << "-1"
                              << "3"
                              << "-0,3333";
    QTest::newRow("negative divisor") << "2"
                                      << "-3"
                                      << "-0,6667";
}

void TestFixed4::quotient()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    QCOMPARE((Fixed4::parse(a) / Fixed4::parse(b)).toGeneral(), expected);
}

void TestFixed4::divisionErrors()
{
    auto message = [](auto &&f) {
        try {
            f();
        } catch (const AppError &e) {
            return e.message();
        }
        return QString();
    };
    QCOMPARE(message([] { Fixed4::fromInt(1) / Fixed4(); }),
        QStringLiteral("Floating point division by zero"));
    QCOMPARE(
        message([] { Fixed4() / Fixed4(); }), QStringLiteral("Invalid floating point operation"));
    QCOMPARE(message([] { Fixed4::fromRatio(5, 0); }),
        QStringLiteral("Floating point division by zero"));
}

void TestFixed4::general_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << qint64(760000) << "76";
    QTest::newRow("tenths") << qint64(4000) << "0,4";
    QTest::newRow("hundredths") << qint64(12500) << "1,25";
    QTest::newRow("smallest") << qint64(1) << "0,0001";
    QTest::newRow("negative") << qint64(-15000) << "-1,5";
    QTest::newRow("negative fraction") << qint64(-5) << "-0,0005";
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("min") << std::numeric_limits<qint64>::min() << "-922337203685477,5808";
}

void TestFixed4::general()
{
    QFETCH(qint64, raw);
    QFETCH(QString, text);
    QCOMPARE(Fixed4::fromRaw(raw).toGeneral(), text);
}

void TestFixed4::patterns_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("half away up") << qint64(1250) << "0.0"
                                  << "0,1"; // 0,125 -> 0,1
    QTest::newRow("0,15 -> 0,2") << qint64(1500) << "0.0"
                                 << "0,2";
    QTest::newRow("0,25 -> 0,3 (not even)") << qint64(2500) << "0.0"
                                            << "0,3";
    QTest::newRow("negative half away") << qint64(-2500) << "0.0"
                                        << "-0,3";
    QTest::newRow("two decimals") << qint64(159722) << "0.00"
                                  << "15,97";
    QTest::newRow("two decimals tie") << qint64(166650) << "0.00"
                                      << "16,67";
    QTest::newRow("pads zeros") << qint64(40000) << "0.0"
                                << "4,0";
    QTest::newRow("three decimals") << qint64(12345) << "0.000"
                                    << "1,235";
    QTest::newRow("whole half away") << qint64(25000) << "0."
                                     << "3";
    QTest::newRow("whole negative") << qint64(-25000) << "0."
                                    << "-3";
    QTest::newRow("tiny negative is zero") << qint64(-4) << "0.0"
                                           << "0,0";
}

void TestFixed4::patterns()
{
    QFETCH(qint64, raw);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(Fixed4::fromRaw(raw).format(pattern.toLatin1().constData()), text);
}

void TestFixed4::roundHalfEven_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("2,5") << "2,5" << qint64(2);
    QTest::newRow("3,5") << "3,5" << qint64(4);
    QTest::newRow("72,2") << "72,2" << qint64(72);
    QTest::newRow("75,9999") << "75,9999" << qint64(76);
    QTest::newRow("-2,5") << "-2,5" << qint64(-2);
    QTest::newRow("-3,5") << "-3,5" << qint64(-4);
}

void TestFixed4::roundHalfEven()
{
    QFETCH(QString, value);
    QFETCH(qint64, whole);
    const Fixed4 v = Fixed4::parse(value);
    QCOMPARE(v.toIntHalfEven(), whole);
    QCOMPARE(v.roundedHalfEven(), Fixed4::fromInt(whole));
}

void TestFixed4::overflowIsReported()
{
    QVERIFY_THROWS_EXCEPTION(AppError, Fixed4::parse("99999999999999999999"));
    QVERIFY_THROWS_EXCEPTION(AppError, Fixed4::fromInt(900000000000000) * Fixed4::fromInt(1000));
    // Sums, differences, whole numbers and rounding never wrap around either.
    const Fixed4 big = Fixed4::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Fixed4 small = Fixed4::fromRaw(std::numeric_limits<std::int64_t>::min());
    QVERIFY_THROWS_EXCEPTION(OverflowError, big + Fixed4::fromRaw(1));
    QVERIFY_THROWS_EXCEPTION(OverflowError, small - Fixed4::fromRaw(1));
    QVERIFY_THROWS_EXCEPTION(OverflowError, -small);
    QVERIFY_THROWS_EXCEPTION(OverflowError, Fixed4::fromInt(922337203685478));
    QVERIFY_THROWS_EXCEPTION(OverflowError, big.roundedHalfEven());
    QCOMPARE((big - Fixed4::fromRaw(1) + Fixed4::fromRaw(1)).raw(), big.raw());
}

QTEST_GUILESS_MAIN(TestFixed4)
#include "tst_fixed4.moc"
