#include "core/AppError.h"
#include "core/Fixed4.h"

#include <QtTest>

namespace {

const QString kOverflow = QStringLiteral("Floating point overflow");

QString invalid(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

// One operation on two texts, given as its general text form, or the error it raises.
QString calculate(const QString &a, const QString &op, const QString &b)
{
    try {
        if (op == u"*")
            return (Fixed4::parse(a) * Fixed4::parse(b)).toGeneral();
        if (op == u"*k")
            return (Fixed4::parse(a) * b.toLongLong()).toGeneral();
        if (op == u"/")
            return (Fixed4::parse(a) / Fixed4::parse(b)).toGeneral();
        if (op == u"/k")
            return (Fixed4::parse(a) / b.toLongLong()).toGeneral();
        if (op == u"+")
            return (Fixed4::parse(a) + Fixed4::parse(b)).toGeneral();
        if (op == u"-")
            return (Fixed4::parse(a) - Fixed4::parse(b)).toGeneral();
        if (op == u"neg")
            return (-Fixed4::parse(a)).toGeneral();
        if (op == u"int")
            return Fixed4::fromInt(a.toLongLong()).toGeneral();
        // "round": to the nearest whole number, both as an integer and as a Fixed4
        const Fixed4 whole = Fixed4::parse(a).roundedHalfEven();
        return QString::number(Fixed4::parse(a).toIntHalfEven()) + u'|' + whole.toGeneral();
    } catch (const AppError &e) {
        return e.message();
    }
}

} // namespace

class TestFixed4 : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void arithmetic_data();
    void arithmetic();
    void patterns_data();
    void patterns();
};

// A text, the count it parses to and its general form; or, for a text that is not a number,
// the message.
void TestFixed4::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *text, qint64 raw, const QString &shown) {
        QTest::newRow(name) << QString::fromUtf8(text) << raw << shown;
    };
    row("whole", "76", 760000, "76");
    row("zero", "0", 0, "0");
    row("smallest", "0,0001", 1, "0,0001");
    row("leading comma", ",5", 5000, "0,5");
    row("trailing comma", "3,", 30000, "3");
    row("negative", "-1,25", -12500, "-1,25");
    row("negative fraction", "-0,0005", -5, "-0,0005");
    row("plus sign", "+4", 40000, "4");
    row("leading and trailing zeros", "007,0500", 70500, "7,05");
    row("blanks around", "  12 ", 120000, "12");
    row("tie to even down", "0,00005", 0, "0");
    row("tie to even up", "0,00015", 2, "0,0002");
    row("above the tie", "0,000050001", 1, "0,0001");
    row("below the tie", "0,0000499999", 0, "0");
    row("negative tie", "-0,00015", -2, "-0,0002");
    row("long tail", "1,23456789012345678901234567890", 12346, "1,2346");
    row("exponent", "2E3", 20000000, "2000");
    row("negative exponent", "15e-1", 15000, "1,5");
    row("smallest count", "-922337203685477,5808", std::numeric_limits<qint64>::min(),
        "-922337203685477,5808");
    for (const char *text : {"", "  ", ",", "1.5", "1,2,3", "abc", "12kg", "-", "1 000", "1E"})
        QTest::addRow("'%s'", text) << QString::fromUtf8(text) << qint64(0) << invalid(text);
    row("too large", "99999999999999999999", 0, kOverflow);
}

void TestFixed4::parse()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QFETCH(QString, shown);
    const bool blank = text.trimmed().isEmpty();
    try {
        const Fixed4 value = Fixed4::parse(text);
        QCOMPARE(value.raw(), raw);
        QCOMPARE(value.toGeneral(), shown);
        QCOMPARE(Fixed4::parseOrZero(text).raw(), raw);
        QVERIFY(Fixed4::tryParse(text, nullptr));
    } catch (const AppError &e) {
        QCOMPARE(e.message(), shown);
        QVERIFY(!Fixed4::tryParse(text, nullptr));
        // Only a blank field counts as zero.
        if (blank)
            QCOMPARE(Fixed4::parseOrZero(text).raw(), 0);
        else
            QVERIFY_THROWS_EXCEPTION(AppError, Fixed4::parseOrZero(text));
    }
}

// Every result is the exact one rounded once to a count, ties to even; nothing wraps around.
void TestFixed4::arithmetic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");
    const auto row = [](const char *name, const char *a, const char *op, const char *b,
                         const QString &result) { QTest::newRow(name) << a << op << b << result; };
    const char *max = "922337203685477,5807", *min = "-922337203685477,5808";
    row("product", "2,5", "*", "62", "155");
    row("product tie to even down", "0,0001", "*", "0,5", "0");
    row("product tie to even up", "0,0003", "*", "0,5", "0,0002");
    row("product negative tie", "-0,0003", "*", "0,5", "-0,0002");
    row("product above the tie", "0,0001", "*", "0,5001", "0,0001");
    row("large product", "123456789", "*", "1000", "123456789000");
    row("product too large", "900000000000000", "*", "1000", kOverflow);
    row("times a whole number", "-0,25", "*k", "60", "-15");
    row("times a whole number too large", max, "*k", "2", kOverflow);
    row("third", "1", "/", "3", "0,3333");
    row("two thirds", "2", "/", "3", "0,6667");
    row("quotient tie to even down", "0,0001", "/", "2", "0");
    row("quotient tie to even up", "0,0003", "/", "2", "0,0002");
    row("negative quotient", "-1", "/", "3", "-0,3333");
    row("negative divisor", "2", "/", "-3", "-0,6667");
    row("division by zero", "1", "/", "0", "Floating point division by zero");
    row("zero by zero", "0", "/", "0", "Invalid floating point operation");
    row("by a whole number", "0,0003", "/k", "2", "0,0002");
    row("by whole zero", "5", "/k", "0", "Floating point division by zero");
    row("zero by whole zero", "0", "/k", "0", "Invalid floating point operation");
    row("round 2,5", "2,5", "round", "", "2|2");
    row("round 3,5", "3,5", "round", "", "4|4");
    row("round 72,2", "72,2", "round", "", "72|72");
    row("round 75,9999", "75,9999", "round", "", "76|76");
    row("round -2,5", "-2,5", "round", "", "-2|-2");
    row("round -3,5", "-3,5", "round", "", "-4|-4");
    row("round the largest", max, "round", "", kOverflow);
    row("sum at the limit", "922337203685477,5806", "+", "0,0001", max);
    row("sum too large", max, "+", "0,0001", kOverflow);
    row("difference too small", min, "-", "0,0001", kOverflow);
    row("negation", "1,5", "neg", "", "-1,5");
    row("negation of the smallest", min, "neg", "", kOverflow);
    row("whole number", "-5", "int", "", "-5");
    row("whole number too large", "922337203685478", "int", "", kOverflow);
}

void TestFixed4::arithmetic()
{
    QFETCH(QString, a);
    QFETCH(QString, op);
    QFETCH(QString, b);
    QTEST(calculate(a, op, b), "result");
}

// The patterns round half away from zero, unlike everything else.
void TestFixed4::patterns_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, qint64 raw, const char *pattern, const char *text) {
        QTest::newRow(name) << raw << pattern << text;
    };
    row("0,125 down", 1250, "0.0", "0,1");
    row("0,15 up", 1500, "0.0", "0,2");
    row("0,25 away, not to even", 2500, "0.0", "0,3");
    row("negative half away", -2500, "0.0", "-0,3");
    row("tiny negative is zero", -4, "0.0", "0,0");
    row("pads zeros", 40000, "0.0", "4,0");
    row("two decimals", 159722, "0.00", "15,97");
    row("two decimals half away", 166650, "0.00", "16,67");
    row("three decimals", 12345, "0.000", "1,235");
    row("whole half away", 25000, "0.", "3");
    row("whole negative", -25000, "0.", "-3");
}

void TestFixed4::patterns()
{
    QFETCH(qint64, raw);
    QFETCH(QString, pattern);
    QTEST(Fixed4::fromRaw(raw).format(pattern.toLatin1().constData()), "text");
}

QTEST_GUILESS_MAIN(TestFixed4)
#include "tst_fixed4.moc"
