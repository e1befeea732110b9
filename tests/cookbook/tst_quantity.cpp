#include "AppError.h"
#include "Book.h"
#include "Quantity.h"
#include "TestEnv.h"

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
    void unitFormFallsBackToTheName_data();
    void unitFormFallsBackToTheName();
    void unitFormTakesTheFirstEntryOfExactName();
    void scaleFactor_data();
    void scaleFactor();
    void scaleFactorOfZeroPortionsIsAnError();
    void scaledQuantity_data();
    void scaledQuantity();
    void ingredientLineExample();
};

void TestQuantity::parseQuantity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("whole") << "2" << qint64(20000);
    QTest::newRow("decimal comma") << "0,5" << qint64(5000);
    QTest::newRow("two decimals") << "1,25" << qint64(12500);
    QTest::newRow("fifth decimal, tie to even") << "0,12345" << qint64(1234);
    QTest::newRow("fifth decimal, up") << "0,12355" << qint64(1236);
    QTest::newRow("fraction") << "1/2" << qint64(5000);
    QTest::newRow("third") << "1/3" << qint64(3333);
    QTest::newRow("two thirds") << "2/3" << qint64(6667);
    QTest::newRow("fraction tie to even down") << "1/20000" << qint64(0);
    QTest::newRow("fraction tie to even up") << "3/20000" << qint64(2);
    QTest::newRow("mixed") << "1 1/2" << qint64(15000);
    QTest::newRow("mixed three quarters") << "2 3/4" << qint64(27500);
    QTest::newRow("mixed, numerator with blanks") << "1  1/2" << qint64(15000);
    QTest::newRow("negative") << "-2" << qint64(-20000);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("word") << "szczypta" << qint64(0);
    QTest::newRow("words with blank") << "do smaku" << qint64(0);
    QTest::newRow("full stop") << "1.5" << qint64(0);
    QTest::newRow("division by zero") << "1/0" << qint64(0);
    QTest::newRow("mixed division by zero") << "1 1/0" << qint64(0);
    QTest::newRow("zero over zero") << "0/0" << qint64(0);
    QTest::newRow("word fraction") << "a/2" << qint64(0);
    QTest::newRow("decimal fraction") << "1,5/2" << qint64(0);
    QTest::newRow("blank after fraction") << "1/2 " << qint64(0);
    QTest::newRow("blank after slash") << "1/ 2" << qint64(0);
    QTest::newRow("trailing word") << "2 1/2 x" << qint64(0);
    QTest::newRow("slash only") << "/" << qint64(0);
    QTest::newRow("beyond 32 bits") << "2147483648/1" << qint64(0);
    QTest::newRow("largest 32 bits") << "2147483647/1" << qint64(21474836470000);
    QTest::newRow("too large decimal") << "1e30" << qint64(0);
}

void TestQuantity::parseQuantity()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(ParseQuantity(text).raw(), raw);
}

// A unit with all forms: the form tells which branch was taken.
static Book bookWithUnit(const QString &name)
{
    Book book;
    TXMLJednostkaType unit = book.root().slowniki().jednostki().add();
    unit.setNazwa(name);
    unit.setDLp(QStringLiteral("DLP"));
    unit.setMLm(QStringLiteral("MLM"));
    unit.setDLm(QStringLiteral("DLM"));
    return book;
}

void TestQuantity::unitForm_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("form");
    QTest::newRow("0") << "0"
                       << "DLP";
    QTest::newRow("0,3") << "0,3"
                         << "DLP";
    QTest::newRow("0,5 rounds to even 0") << "0,5"
                                          << "DLP";
    QTest::newRow("0,7") << "0,7"
                         << "szklanka";
    QTest::newRow("1") << "1"
                       << "szklanka";
    QTest::newRow("1,4") << "1,4"
                         << "szklanka";
    QTest::newRow("1,5 rounds to 2") << "1,5"
                                     << "MLM";
    QTest::newRow("2") << "2"
                       << "MLM";
    QTest::newRow("2,5 rounds to even 2") << "2,5"
                                          << "MLM";
    QTest::newRow("4") << "4"
                       << "MLM";
    QTest::newRow("4,5 rounds to 4") << "4,5"
                                     << "MLM";
    QTest::newRow("5") << "5"
                       << "DLM";
    QTest::newRow("12 teen") << "12"
                             << "DLM";
    QTest::newRow("14 teen") << "14"
                             << "DLM";
    QTest::newRow("21") << "21"
                        << "DLM";
    QTest::newRow("21,5 rounds to 22, whole part 21") << "21,5"
                                                      << "DLM";
    QTest::newRow("22") << "22"
                        << "MLM";
    QTest::newRow("23") << "23"
                        << "MLM";
    QTest::newRow("24") << "24"
                        << "MLM";
    QTest::newRow("25") << "25"
                        << "DLM";
    QTest::newRow("30 last digit 0") << "30"
                                     << "DLM";
    QTest::newRow("31 last digit 1") << "31"
                                     << "DLM";
    QTest::newRow("32") << "32"
                        << "MLM";
    QTest::newRow("112 last digit 2") << "112"
                                      << "MLM";
    QTest::newRow("negative") << "-1"
                              << "DLM";
}

void TestQuantity::unitForm()
{
    QFETCH(QString, quantity);
    QFETCH(QString, form);
    Book book = bookWithUnit(QStringLiteral("szklanka"));
    const QString text = UnitForm(
        QStringLiteral("szklanka"), Fixed4::parse(quantity), book.root().slowniki().jednostki());
    QCOMPARE(text, QStringLiteral("     ") + form);
}

void TestQuantity::unitFormFallsBackToTheName_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("emptyForm");
    QTest::newRow("not in dictionary") << "garść"
                                       << "5"
                                       << "";
    QTest::newRow("case differs") << "Szklanka"
                                  << "5"
                                  << "";
    QTest::newRow("empty d.lp") << "szklanka"
                                << "0"
                                << "d.lp";
    QTest::newRow("empty m.lm") << "szklanka"
                                << "3"
                                << "m.lm";
    QTest::newRow("empty d.lm") << "szklanka"
                                << "7"
                                << "d.lm";
}

void TestQuantity::unitFormFallsBackToTheName()
{
    QFETCH(QString, unit);
    QFETCH(QString, quantity);
    QFETCH(QString, emptyForm);
    Book book = bookWithUnit(QStringLiteral("szklanka"));
    if (!emptyForm.isEmpty())
        book.root().slowniki().jednostki().item(0).setAttribute(emptyForm, QString());
    QCOMPARE(UnitForm(unit, Fixed4::parse(quantity), book.root().slowniki().jednostki()),
        QStringLiteral("     ") + unit);
}

void TestQuantity::unitFormTakesTheFirstEntryOfExactName()
{
    Book book = bookWithUnit(QStringLiteral("łyżka"));
    TXMLJednostkaType second = book.root().slowniki().jednostki().add();
    second.setNazwa(QStringLiteral("łyżka"));
    second.setMLm(QStringLiteral("other"));
    QCOMPARE(
        UnitForm(QStringLiteral("łyżka"), Fixed4::fromInt(3), book.root().slowniki().jednostki()),
        QStringLiteral("     MLM"));
}

void TestQuantity::scaleFactor_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("portions");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("3 for 2") << "3"
                             << "2" << qint64(15000);
    QTest::newRow("1 for a half doubles") << "1"
                                          << "1/2" << qint64(20000);
    QTest::newRow("1 for 3") << "1"
                             << "3" << qint64(3333);
    QTest::newRow("2 for 3") << "2"
                             << "3" << qint64(6667);
    QTest::newRow("0 wanted") << "0"
                              << "4" << qint64(0);
    QTest::newRow("tie to even") << "1"
                                 << "80000" << qint64(0);
}

void TestQuantity::scaleFactor()
{
    QFETCH(QString, wanted);
    QFETCH(QString, portions);
    QFETCH(qint64, raw);
    QCOMPARE(ScaleFactor(Fixed4::parse(wanted), ParseQuantity(portions)).raw(), raw);
}

void TestQuantity::scaleFactorOfZeroPortionsIsAnError()
{
    try {
        ScaleFactor(Fixed4::fromInt(2), ParseQuantity(QStringLiteral("garść")));
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("Floating point division by zero"));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, ScaleFactor(Fixed4(), Fixed4()));
}

void TestQuantity::scaledQuantity_data()
{
    QTest::addColumn<QString>("ilosc");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("unitRaw");
    QTest::newRow("half of 1,5 portions") << "1/2" << qint64(15000) << "0,8" << qint64(7500);
    QTest::newRow("mixed unscaled") << "1 1/2" << qint64(10000) << "1,5" << qint64(15000);
    QTest::newRow("whole unscaled") << "3" << qint64(10000) << "3" << qint64(30000);
    QTest::newRow("doubled") << "3" << qint64(20000) << "6" << qint64(60000);
    QTest::newRow("half away from zero") << "0,25" << qint64(10000) << "0,3" << qint64(2500);
    QTest::newRow("small fraction") << "0,04" << qint64(10000) << "0,0" << qint64(400);
    QTest::newRow("almost whole") << "2,96" << qint64(10000) << "3,0" << qint64(29600);
    QTest::newRow("third of 1") << "1" << qint64(3333) << "0,3" << qint64(3333);
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

void TestQuantity::ingredientLineExample()
{
    // Recipe for 2 portions shown for 3: half a glass becomes 0,8 and keeps the singular.
    Book book;
    TXMLJednostkaType unit = book.root().slowniki().jednostki().add();
    unit.setNazwa(QStringLiteral("szklanka"));
    unit.setDLp(QStringLiteral("szklanki"));
    const Fixed4 scale = ScaleFactor(Fixed4::fromInt(3), ParseQuantity(QStringLiteral("2")));
    const Fixed4 q = ParseQuantity(QStringLiteral("1/2"));
    QCOMPARE(scale.raw(), 15000);
    QCOMPARE(ScaledQuantityText(q, scale), QStringLiteral("0,8"));
    QCOMPARE(UnitForm(QStringLiteral("szklanka"), ScaledUnitQuantity(q, scale),
                 book.root().slowniki().jednostki()),
        QStringLiteral("     szklanka"));
    // A word is shown unscaled and takes the form for 0.
    const Fixed4 word = ParseQuantity(QStringLiteral("do smaku"));
    QCOMPARE(UnitForm(QStringLiteral("szklanka"), ScaledUnitQuantity(word, scale),
                 book.root().slowniki().jednostki()),
        QStringLiteral("     szklanki"));
}

QTEST_GUILESS_MAIN(TestQuantity)
#include "tst_quantity.moc"
