#include "Pictures.h"
#include "effects/ColourChange.h"

#include <QtTest>

namespace {

// One row of every channel value: pixel x has red x, green 255 - x, blue (x * 7) % 256.
QImage allValues()
{
    return picture(256, 1, [](int x, int) { return QColor(x, 255 - x, (x * 7) % 256); });
}

// The one channel value c after a shift of d applied to red.
int shifted(int way, int c, int d)
{
    const QImage source = flatPicture(1, 1, QColor(c, 0, 0));
    const QImage result = colourChange(source, ColourChangeParams {0, d, 0, 0, way});
    return at(result, 0, 0).red();
}

} // namespace

class TestColourChange : public QObject
{
    Q_OBJECT

private slots:
    void zeroLeavesPicture_data();
    void zeroLeavesPicture();
    void channelValue_data();
    void channelValue();
    void fullShiftSaturates();
    void amountsPerChannel();
    void sineEndsHardlyMove();
    void anySourceFormat();
};

void TestColourChange::zeroLeavesPicture_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Zwykły") << 0;
    QTest::newRow("Wyostrzający") << 1;
}

void TestColourChange::zeroLeavesPicture()
{
    QFETCH(int, way);
    const QImage source = allValues();
    QVERIFY(samePixels(colourChange(source, ColourChangeParams {0, 0, 0, 0, way}), source));
    // Brightness and colour sliders cancelling out are zero amounts too.
    QVERIFY(samePixels(colourChange(source, ColourChangeParams {40, -40, -40, -40, way}), source));
}

void TestColourChange::channelValue_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("result");
    // Zwykły: c + round((255 - c) * d / 255) up, c + round(c * d / 255) down.
    QTest::newRow("Zwykły 128 by 100: +49.8") << 0 << 128 << 100 << 178;
    QTest::newRow("Zwykły 200 by -50: -39.2") << 0 << 200 << -50 << 161;
    QTest::newRow("Zwykły 10 by 1: +0.96") << 0 << 10 << 1 << 11;
    QTest::newRow("Zwykły 10 by -12: -0.47") << 0 << 10 << -12 << 10;
    QTest::newRow("Zwykły 255 by 200") << 0 << 255 << 200 << 255;
    QTest::newRow("Zwykły 0 by -200") << 0 << 0 << -200 << 0;
    // Clamped, not wrapped: 0 + 510 is 255 (not 254), 200 - 400 is 0 (not 56).
    QTest::newRow("Zwykły 0 by 510 clamps to 255") << 0 << 0 << 510 << 255;
    QTest::newRow("Zwykły 100 by 300 clamps to 255") << 0 << 100 << 300 << 255;
    QTest::newRow("Zwykły 200 by -510 clamps to 0") << 0 << 200 << -510 << 0;
    // Wyostrzający: round(s * ((255 - c) / 255 * d) + c), s = sin(c * 0.705 degrees).
    QTest::newRow("Wyostrzający 128 by 100: s = 0.99999") << 1 << 128 << 100 << 178;
    QTest::newRow("Wyostrzający 100 by -100: s = 0.9426") << 1 << 100 << -100 << 63;
    QTest::newRow("Wyostrzający 50 by 60") << 1 << 50 << 60 << 78;
    QTest::newRow("Wyostrzający 200 by -300") << 1 << 200 << -300 << 52;
    QTest::newRow("Wyostrzający 128 by 510 clamps to 255") << 1 << 128 << 510 << 255;
    QTest::newRow("Wyostrzający 128 by -510 clamps to 0") << 1 << 128 << -510 << 0;
}

void TestColourChange::channelValue()
{
    QFETCH(int, way);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(int, result);
    QCOMPARE(shifted(way, c, d), result);
}

void TestColourChange::fullShiftSaturates()
{
    const QImage source = allValues();
    COMPARE_EACH_PIXEL(
        colourShift(source, 255, 255, 255), [](int, int) { return QColor(Qt::white); });
    COMPARE_EACH_PIXEL(
        colourShift(source, -255, -255, -255), [](int, int) { return QColor(Qt::black); });
    // Brightness 255 with a colour slider at 255 is d = 510; it still ends at 255.
    COMPARE_EACH_PIXEL(colourChange(source, ColourChangeParams {255, 255, 255, 255, 0}),
        [](int, int) { return QColor(Qt::white); });
}

void TestColourChange::amountsPerChannel()
{
    // Brightness 10 with red 20, green -30, blue 0: d is 30, -20, 10.
    const QImage source = flatPicture(2, 2, QColor(100, 100, 100));
    const QImage result = colourChange(source, ColourChangeParams {10, 20, -30, 0, 0});
    // 100 + round(155 * 30 / 255 = 18.2), 100 + round(100 * -20 / 255 = -7.8), 100 + round(6.1)
    COMPARE_EACH_PIXEL(result, [](int, int) { return QColor(118, 92, 106); });
    QCOMPARE(at(colourShift(source, 30, -20, 10), 1, 1), QColor(118, 92, 106));
}

void TestColourChange::sineEndsHardlyMove()
{
    for (const int d : {-510, -255, -1, 0, 1, 255, 510}) {
        QCOMPARE(shifted(1, 0, d), 0);
        if (d > 0)
            QCOMPARE(shifted(1, 255, d), 255);
        else
            QVERIFY2(shifted(1, 255, d) >= 253, qPrintable(QString::number(d)));
    }
    QCOMPARE(shifted(1, 255, -510), 253); // s = 0.0039: -2.003
    QCOMPARE(shifted(1, 255, -255), 254);
}

void TestColourChange::anySourceFormat()
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(QColor(128, 10, 200));
    const QImage result = sineShift(source, 100, 0, 0);
    COMPARE_EACH_PIXEL(result, [](int, int) { return QColor(178, 10, 200); });
}

QTEST_GUILESS_MAIN(TestColourChange)
#include "tst_colourchange.moc"
