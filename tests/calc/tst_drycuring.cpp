#include "calc/DryCuring.h"

#include <QtTest>

class TestDryCuring : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data();
    void amounts();
};

void TestDryCuring::amounts_data()
{
    QTest::addColumn<QStringList>("input"); // meat, own salt, own pepper, own allspice
    QTest::addColumn<QStringList>("labels"); // official salt, pepper, allspice, own ones
    QTest::addColumn<QString>("error");

    QTest::newRow("1 kg, own defaults")
        << QStringList {"1", "20", "0,5", "0,5"}
        << QStringList {"18 - 22  g", "0,5  g", "0,5  g", "20  g", "0,5  g", "0,5  g"} << "";
    QTest::newRow("2,5 kg") << QStringList {"2,5", "20", "0,5",
        "0,5"} << QStringList {"45 - 55  g", "1,25  g", "1,25  g", "50  g", "1,25  g", "1,25  g"}
                            << "";
    QTest::newRow("empty meat counts as zero")
        << QStringList {"", "20", "0,5", "0,5"}
        << QStringList {"0 - 0  g", "0  g", "0  g", "0  g", "0  g", "0  g"} << "";
    QTest::newRow("own proportions")
        << QStringList {"1,5", "22,5", "1", "0,75"}
        << QStringList {"27 - 33  g", "0,75  g", "0,75  g", "33,75  g", "1,5  g", "1,125  g"} << "";
    // 0,0001 x 0,5 = 0,00005, stored ties to even as 0; 0,0003 x 0,5 = 0,00015 -> 0,0002
    QTest::newRow("products round ties to even")
        << QStringList {"0,0001", "0,5", "1,5", "3"}
        << QStringList {"0,0018 - 0,0022  g", "0  g", "0  g", "0  g", "0,0002  g", "0,0003  g"}
        << "";
    // A bad field stops the texts half way; the official ones are current whatever the own hold.
    QTest::newRow("bad meat writes nothing") << QStringList {",", "20", "0,5",
        "0,5"} << QStringList {} << "',' is not a valid floating point value";
    QTest::newRow("own salt cleared")
        << QStringList {"2", "", "0,5", "0,5"} << QStringList {"36 - 44  g", "1  g", "1  g"}
        << "'' is not a valid floating point value";
    QTest::newRow("own allspice lone comma")
        << QStringList {"2", "20", "0,5", ","}
        << QStringList {"36 - 44  g", "1  g", "1  g", "40  g", "1  g"}
        << "',' is not a valid floating point value";
}

void TestDryCuring::amounts()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, labels);
    const DryCuringResult r = computeDryCuring({input[0], input[1], input[2], input[3]});
    QStringList written;
    for (const auto &[target, text] : r.texts) {
        QCOMPARE(int(target), written.size()); // given in label order
        written << text;
    }
    QCOMPARE(written, labels);
    QTEST(r.error ? r.error->message() : QString(), "error");
}

QTEST_GUILESS_MAIN(TestDryCuring)
#include "tst_drycuring.moc"
