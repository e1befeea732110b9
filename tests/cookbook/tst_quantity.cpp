#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/Quantity.h"
#include "core/AppError.h"

#include <QtTest>

class TestQuantity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void parseQuantity_data();
    void parseQuantity();
    void unitForm_data();
    void unitForm();
    void scaleFactor_data();
    void scaleFactor();
    void scaledQuantity_data();
    void scaledQuantity();
};

void TestQuantity::parseQuantity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << "2" << qint64(20000);
    QTest::newRow("decimal comma") << "0,5" << qint64(5000);
    QTest::newRow("fifth decimal, tie to even") << "0,12345" << qint64(1234);
    QTest::newRow("fraction") << "1/2" << qint64(5000);
    QTest::newRow("fraction tie to even up") << "3/20000" << qint64(2);
    QTest::newRow("mixed") << "1 1/2" << qint64(15000);
    QTest::newRow("negative") << "-2" << qint64(-20000);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("words with blank") << "do smaku" << qint64(0);
    QTest::newRow("full stop") << "1.5" << qint64(0);
    QTest::newRow("division by zero") << "1/0" << qint64(0);
    QTest::newRow("zero over zero") << "0/0" << qint64(0);
    QTest::newRow("blank after fraction") << "1/2 " << qint64(0);
    QTest::newRow("beyond 32 bits") << "2147483648/1" << qint64(0);
    QTest::newRow("largest 32 bits") << "2147483647/1" << qint64(21474836470000);
}

void TestQuantity::parseQuantity()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(ParseQuantity(text).raw(), raw);
}

void TestQuantity::unitForm_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("blanked");
    QTest::addColumn<QString>("form");
    const auto row = [](const char *name, const char *unit, const char *q, const char *form,
                         const char *blanked = "") {
        QTest::newRow(name) << QString::fromUtf8(unit) << QString::fromUtf8(q)
                            << QString::fromUtf8(blanked) << QString::fromUtf8(form);
    };
    row("0,5 rounds to even 0", "szklanka", "0,5", "DLP");
    row("0,7", "szklanka", "0,7", "szklanka");
    row("1,5 rounds to 2", "szklanka", "1,5", "MLM");
    row("4,5 rounds to 4", "szklanka", "4,5", "MLM");
    row("5", "szklanka", "5", "DLM");
    row("12 teen", "szklanka", "12", "DLM");
    row("21", "szklanka", "21", "DLM");
    row("21,5 rounds to 22, whole part 21", "szklanka", "21,5", "DLM");
    row("22", "szklanka", "22", "MLM");
    row("25", "szklanka", "25", "DLM");
    row("32", "szklanka", "32", "MLM");
    row("112 last digit 2", "szklanka", "112", "MLM");
    row("negative", "szklanka", "-1", "DLM");
    // Without a usable form the name itself is shown.
    row("not in dictionary", "garść", "5", "garść");
    row("case differs", "Szklanka", "5", "Szklanka");
    row("empty d.lp", "szklanka", "0", "szklanka", "d.lp");
    row("empty m.lm", "szklanka", "3", "szklanka", "m.lm");
}

void TestQuantity::unitForm()
{
    QFETCH(QString, unit);
    QFETCH(QString, quantity);
    QFETCH(QString, blanked);
    QFETCH(QString, form);
    Book book;
    TXMLJednostkaType first = book.root().slowniki().jednostki().add();
    first.setNazwa(QStringLiteral("szklanka"));
    first.setDLp(QStringLiteral("DLP"));
    first.setMLm(QStringLiteral("MLM"));
    first.setDLm(QStringLiteral("DLM"));
    if (!blanked.isEmpty())
        first.setAttribute(blanked, QString());
    // A later entry of the same name is never used.
    TXMLJednostkaType second = book.root().slowniki().jednostki().add();
    second.setNazwa(QStringLiteral("szklanka"));
    second.setMLm(QStringLiteral("other"));
    QCOMPARE(UnitForm(unit, Fixed4::parse(quantity), book.root().slowniki().jednostki()),
        QStringLiteral("     ") + form);
}

void TestQuantity::scaleFactor_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("portions");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("error");
    QTest::newRow("3 for 2") << "3"
                             << "2" << qint64(15000) << QString();
    QTest::newRow("1 for a half doubles") << "1"
                                          << "1/2" << qint64(20000) << QString();
    QTest::newRow("2 for 3") << "2"
                             << "3" << qint64(6667) << QString();
    QTest::newRow("0 wanted") << "0"
                              << "4" << qint64(0) << QString();
    QTest::newRow("tie to even") << "1"
                                 << "80000" << qint64(0) << QString();
    QTest::newRow("portions a word") << "2"
                                     << "garść" << qint64(0) << "Floating point division by zero";
    QTest::newRow("0 of 0") << "0"
                            << "0" << qint64(0) << "Invalid floating point operation";
}

void TestQuantity::scaleFactor()
{
    QFETCH(QString, wanted);
    QFETCH(QString, portions);
    QFETCH(qint64, raw);
    QFETCH(QString, error);
    try {
        QCOMPARE(ScaleFactor(Fixed4::parse(wanted), ParseQuantity(portions)).raw(), raw);
        QVERIFY2(error.isEmpty(), "no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestQuantity::scaledQuantity_data()
{
    QTest::addColumn<QString>("ilosc");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("unitRaw");
    QTest::newRow("half of 1,5 portions") << "1/2" << qint64(15000) << "0,8" << qint64(7500);
    QTest::newRow("mixed unscaled") << "1 1/2" << qint64(10000) << "1,5" << qint64(15000);
    QTest::newRow("doubled") << "3" << qint64(20000) << "6" << qint64(60000);
    QTest::newRow("half away from zero") << "0,25" << qint64(10000) << "0,3" << qint64(2500);
    QTest::newRow("almost whole") << "2,96" << qint64(10000) << "3,0" << qint64(29600);
    QTest::newRow("unit quantity tie to even") << "0,0001" << qint64(5000) << "0,0" << qint64(0);
    QTest::newRow("zero portions") << "2" << qint64(0) << "0" << qint64(0);
}

void TestQuantity::scaledQuantity()
{
    QFETCH(QString, ilosc);
    QFETCH(qint64, scale);
    QFETCH(QString, text);
    QFETCH(qint64, unitRaw);
    const Fixed4 q = ParseQuantity(ilosc);
    QCOMPARE(ScaledQuantityText(q, Fixed4::fromRaw(scale)), text);
    QCOMPARE(ScaledUnitQuantity(q, Fixed4::fromRaw(scale)).raw(), unitRaw);
}

QTEST_GUILESS_MAIN(TestQuantity)
#include "tst_quantity.moc"
