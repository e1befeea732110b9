#include "AppError.h"
#include "DryCuring.h"

#include <QtTest>

// The texts handed over, in order, as "target=text".
static QStringList collect(const DryCuringInput &input, QString *error = nullptr)
{
    QStringList written;
    try {
        computeDryCuring(input, [&](DryTarget target, const QString &text) {
            written << QString::number(int(target)) + u'=' + text;
        });
    } catch (const AppError &e) {
        if (!error)
            throw;
        *error = e.message();
    }
    return written;
}

static QStringList labels(const QStringList &texts)
{
    QStringList out;
    for (int i = 0; i < texts.size(); ++i)
        out << QString::number(i) + u'=' + texts[i];
    return out;
}

class TestDryCuring : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data();
    void amounts();
    void badMeatWritesNothing();
    void badOwnFieldStopsHalfWay_data();
    void badOwnFieldStopsHalfWay();
};

void TestDryCuring::amounts_data()
{
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QString>("ownSalt");
    QTest::addColumn<QString>("ownPepper");
    QTest::addColumn<QString>("ownAllspice");
    QTest::addColumn<QStringList>("labels");

    QTest::newRow("1 kg, own defaults")
        << "1"
        << "20"
        << "0,5"
        << "0,5" << QStringList {"18 - 22  g", "0,5  g", "0,5  g", "20  g", "0,5  g", "0,5  g"};
    QTest::newRow("2,5 kg") << "2,5"
                            << "20"
                            << "0,5"
                            << "0,5"
                            << QStringList {"45 - 55  g", "1,25  g", "1,25  g", "50  g", "1,25  g",
                                   "1,25  g"};
    QTest::newRow("zero meat writes zeros")
        << "0"
        << "20"
        << "0,5"
        << "0,5" << QStringList {"0 - 0  g", "0  g", "0  g", "0  g", "0  g", "0  g"};
    QTest::newRow("empty meat counts as zero")
        << ""
        << "20"
        << "0,5"
        << "0,5" << QStringList {"0 - 0  g", "0  g", "0  g", "0  g", "0  g", "0  g"};
    QTest::newRow("own proportions")
        << "1,5"
        << "22,5"
        << "1"
        << "0,75"
        << QStringList {"27 - 33  g", "0,75  g", "0,75  g", "33,75  g", "1,5  g", "1,125  g"};
    // 0,0001 x 0,5 = 0,00005, stored ties to even as 0; 0,0003 x 0,5 = 0,00015 -> 0,0002
    QTest::newRow("products round ties to even")
        << "0,0001"
        << "0,5"
        << "1,5"
        << "3"
        << QStringList {"0,0018 - 0,0022  g", "0  g", "0  g", "0  g", "0,0002  g", "0,0003  g"};
}

void TestDryCuring::amounts()
{
    QFETCH(QString, meat);
    QFETCH(QString, ownSalt);
    QFETCH(QString, ownPepper);
    QFETCH(QString, ownAllspice);
    QFETCH(QStringList, labels);

    QCOMPARE(collect({meat, ownSalt, ownPepper, ownAllspice}), ::labels(labels));
}

void TestDryCuring::badMeatWritesNothing()
{
    QString error;
    QVERIFY(collect({",", "20", "0,5", "0,5"}, &error).isEmpty());
    QCOMPARE(error, QStringLiteral("',' is not a valid floating point value"));
}

void TestDryCuring::badOwnFieldStopsHalfWay_data()
{
    QTest::addColumn<QString>("ownSalt");
    QTest::addColumn<QString>("ownPepper");
    QTest::addColumn<QString>("ownAllspice");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("ownWritten"); // own texts handed over before the error

    QTest::newRow("salt cleared") << ""
                                  << "0,5"
                                  << "0,5"
                                  << "'' is not a valid floating point value" << 0;
    QTest::newRow("pepper letters") << "20"
                                    << "abc"
                                    << "0,5"
                                    << "'abc' is not a valid floating point value" << 1;
    QTest::newRow("allspice lone comma") << "20"
                                         << "0,5"
                                         << ","
                                         << "',' is not a valid floating point value" << 2;
}

void TestDryCuring::badOwnFieldStopsHalfWay()
{
    QFETCH(QString, ownSalt);
    QFETCH(QString, ownPepper);
    QFETCH(QString, ownAllspice);
    QFETCH(QString, message);
    QFETCH(int, ownWritten);

    QString error;
    const QStringList written = collect({"2", ownSalt, ownPepper, ownAllspice}, &error);
    QCOMPARE(error, message);
    // The official values are current whatever the own fields hold.
    const QStringList expected
        = QStringList {"36 - 44  g", "1  g", "1  g", "40  g", "1  g"}.mid(0, 3 + ownWritten);
    QCOMPARE(written, labels(expected));
}

QTEST_GUILESS_MAIN(TestDryCuring)
#include "tst_drycuring.moc"
