#include "Pictures.h"
#include "effects/Sepia.h"

#include <QtTest>

class TestSepia : public QObject
{
    Q_OBJECT

private slots:
    void flatPictures_data();
    void flatPictures();
    void averageRoundsDown();
    void adjustableWithoutStrengthIsGreys();
    void noneLeavesPicture();
    void anySourceFormat();
};

void TestSepia::flatPictures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("q");
    QTest::addColumn<QColor>("source");
    QTest::addColumn<QColor>("result");
    const int greys = int(SepiaKind::Greys), sepia = int(SepiaKind::Sepia),
              adjustable = int(SepiaKind::Adjustable);
    QTest::newRow("greys: pure red") << greys << 0 << 0 << QColor(255, 0, 0) << QColor(85, 85, 85);
    QTest::newRow("greys: white") << greys << 0 << 0 << QColor(255, 255, 255)
                                  << QColor(255, 255, 255);
    QTest::newRow("sepia: black") << sepia << 0 << 0 << QColor(0, 0, 0) << QColor(60, 0, 0);
    QTest::newRow("sepia: white") << sepia << 0 << 0 << QColor(255, 255, 255)
                                  << QColor(255, 255, 195);
    QTest::newRow("sepia: grey 128")
        << sepia << 0 << 0 << QColor(128, 128, 128) << QColor(158, 128, 98);
    QTest::newRow("sepia: avg 20") << sepia << 0 << 0 << QColor(60, 0, 0) << QColor(75, 20, 15);
    // s = sin(128 * 0.705 degrees) = 0.99999: 128 + 37.99967, 128 - 50.99955.
    QTest::newRow("adjustable 38/51: grey 128")
        << adjustable << 38 << 51 << QColor(128, 128, 128) << QColor(166, 128, 77);
    QTest::newRow("adjustable: black stays")
        << adjustable << 255 << 255 << QColor(0, 0, 0) << QColor(0, 0, 0);
    QTest::newRow("adjustable: white stays")
        << adjustable << 38 << 51 << QColor(255, 255, 255) << QColor(255, 255, 255);
    // 383 is clamped to 255 (not wrapped to 127); -127 to 0.
    QTest::newRow("adjustable 255/255: grey 128 clamps")
        << adjustable << 255 << 255 << QColor(128, 128, 128) << QColor(255, 128, 0);
}

void TestSepia::flatPictures()
{
    QFETCH(int, kind);
    QFETCH(int, p);
    QFETCH(int, q);
    QFETCH(QColor, source);
    QFETCH(QColor, result);
    const QImage out = sepiaEffect(flatPicture(4, 3, source), SepiaParams {SepiaKind(kind), p, q});
    COMPARE_EACH_PIXEL(out, [&](int, int) { return result; });
}

void TestSepia::averageRoundsDown()
{
    // (10 + 20 + 32) / 3 = 20.67 -> 20; (1 + 1 + 0) / 3 -> 0.
    const QImage source
        = picture(2, 1, [](int x, int) { return x == 0 ? QColor(10, 20, 32) : QColor(1, 1, 0); });
    const QImage out = greys(source);
    QCOMPARE(at(out, 0, 0), QColor(20, 20, 20));
    QCOMPARE(at(out, 1, 0), QColor(0, 0, 0));
}

void TestSepia::adjustableWithoutStrengthIsGreys()
{
    const QImage source = variedPicture(40, 30);
    QVERIFY(samePixels(adjustableSepia(source, 0, 0), greys(source)));
}

void TestSepia::noneLeavesPicture()
{
    const QImage source = variedPicture(7, 5);
    const QImage out = sepiaEffect(source, SepiaParams {SepiaKind::None, 38, 51});
    QCOMPARE(out.format(), QImage::Format_BGR888);
    QVERIFY(samePixels(out, source));
}

void TestSepia::anySourceFormat()
{
    QImage source(3, 3, QImage::Format_ARGB32);
    source.fill(QColor(128, 128, 128));
    COMPARE_EACH_PIXEL(sepia(source), [](int, int) { return QColor(158, 128, 98); });
}

QTEST_GUILESS_MAIN(TestSepia)
#include "tst_sepia.moc"
