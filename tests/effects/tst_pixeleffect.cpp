#include "Pictures.h"
#include "effects/AppRandom.h"
#include "effects/PixelEffect.h"

#include <QtTest>
#include <set>

namespace {

enum { Wind, Paint, Pixelate, Explode, Overlay };

// Each pixel names its own place: red = column, green = row, so a result shows where every pixel
// was taken from.
QImage placesPicture(int w, int h)
{
    return picture(w, h, [](int x, int y) { return QColor(x, y, 200); });
}

// Sources of a places picture's result as "xy" pairs, rows separated by " / ".
QString sourceMap(const QImage &result)
{
    QStringList rows;
    for (int y = 0; y < result.height(); ++y) {
        QStringList row;
        for (int x = 0; x < result.width(); ++x)
            row << QStringLiteral("%1%2").arg(at(result, x, y).red()).arg(at(result, x, y).green());
        rows << row.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral(" / "));
}

QImage render(const QImage &source, int size, int mode)
{
    return pixelEffect(source, PixelEffectParams {size, mode});
}

} // namespace

class TestPixelEffect : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppRandom::setState(0); }
    void generatorFromZero();
    void advanceMatchesDrawing();
    void sizeOneUnchanged_data();
    void sizeOneUnchanged();
    void pixelateBlocks();
    void sourcesFromZero_data();
    void sourcesFromZero();
    void explosionRange_data();
    void explosionRange();
    void overlayAveragesExplosion();
    void reproducibleFromKnownState();
};

void TestPixelEffect::generatorFromZero()
{
    QCOMPARE(AppRandom::state(), 0u);
    QList<uint> values;
    for (int i = 0; i < 10; ++i)
        values << AppRandom::next(100);
    QCOMPARE(values, (QList<uint> {0, 3, 86, 20, 27, 67, 31, 16, 37, 42}));
    AppRandom::setState(0);
    AppRandom::next(100);
    QCOMPARE(AppRandom::state(), 1u);
    AppRandom::next(100);
    QCOMPARE(AppRandom::state(), 134775814u);
    AppRandom::next(100);
    QCOMPARE(AppRandom::state(), 3698175007u);
    AppRandom::setState(0);
    QList<uint> threes;
    for (int i = 0; i < 12; ++i)
        threes << AppRandom::next(3);
    QCOMPARE(threes, (QList<uint> {0, 0, 2, 0, 0, 2, 0, 0, 1, 1, 0, 1}));
}

void TestPixelEffect::advanceMatchesDrawing()
{
    for (const uint64_t count : {0ull, 1ull, 2ull, 3ull, 1000ull, 123457ull}) {
        AppRandom::setState(987654321u);
        for (uint64_t i = 0; i < count; ++i)
            AppRandom::next(5);
        QCOMPARE(AppRandom::advance(987654321u, count), AppRandom::state());
    }
}

void TestPixelEffect::sizeOneUnchanged_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("draws");
    const int pixels = 9 * 7;
    QTest::newRow("Wiatr") << int(Wind) << 2 * pixels;
    QTest::newRow("Farba") << int(Paint) << 2 * pixels;
    QTest::newRow("Pixele") << int(Pixelate) << 0;
    QTest::newRow("Eksplozja") << int(Explode) << 2 * pixels;
    QTest::newRow("Nakładanie") << int(Overlay) << 2 * pixels;
}

void TestPixelEffect::sizeOneUnchanged()
{
    QFETCH(int, mode);
    QFETCH(int, draws);
    const QImage source = variedPicture(9, 7);
    AppRandom::setState(12345);
    const QImage result = render(source, 1, mode);
    QCOMPARE(result.format(), QImage::Format_BGR888);
    QVERIFY(samePixels(result, source));
    // Random(1) is drawn all the same: the generator moves on as it would.
    const uint32_t after = AppRandom::state();
    AppRandom::setState(12345);
    for (int i = 0; i < draws; ++i)
        AppRandom::next(1);
    QCOMPARE(after, AppRandom::state());
}

void TestPixelEffect::pixelateBlocks()
{
    // Each 10 x 10 block repeats its top-left pixel; at the left and top edge the edge test puts
    // the source on column 0 or row 0, which is that same pixel.
    const QImage source = variedPicture(25, 23);
    const QImage result = render(source, 10, Pixelate);
    COMPARE_EACH_PIXEL(result, [&](int x, int y) { return at(source, x - x % 10, y - y % 10); });
    QCOMPARE(AppRandom::state(), 0u);
    COMPARE_EACH_PIXEL(render(placesPicture(4, 4), 3, Pixelate),
        [](int x, int y) { return QColor(x < 3 ? 0 : 3, y < 3 ? 0 : 3, 200); });
}

void TestPixelEffect::sourcesFromZero_data()
{
    // Size 3 on a 6 x 4 picture from state 0. Random(3) from 0 gives 0 0 2 0 0 2 0 0 1 1 0 1 ...
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sources");
    QTest::addColumn<uint>("state");
    // Wiatr: ox drawn at columns 0 and 3, oy at every pixel of row 0 (the last draw of row 0
    // leaves oy = 2 for rows 1 and 2, reset to the row by the edge test there: y - 2 < 1). In row
    // 1, columns 1 and 2 keep ox = 0 left by the edge test at column 0.
    QTest::newRow("Wiatr") << int(Wind)
                           << "00 10 20 30 40 50 / 01 11 21 21 31 41 / 02 12 22 22 32 42 / "
                              "01 13 23 12 21 33"
                           << 1408429452u;
    QTest::newRow("Farba") << int(Paint)
                           << "00 00 20 30 30 50 / 00 11 21 10 20 31 / 00 10 22 32 41 52 / "
                              "03 03 03 11 31 33"
                           << 87174488u;
    QTest::newRow("Eksplozja") << int(Explode)
                               << "11 01 30 41 40 00 / 10 22 11 22 30 42 / 13 13 13 33 33 41 / "
                                  "02 00 30 30 40 43"
                               << 2794553296u;
}

void TestPixelEffect::sourcesFromZero()
{
    QFETCH(int, mode);
    QFETCH(QString, sources);
    QFETCH(uint, state);
    QCOMPARE(sourceMap(render(placesPicture(6, 4), 3, mode)), sources);
    QCOMPARE(AppRandom::state(), state);
}

void TestPixelEffect::explosionRange_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("displacements");
    QTest::newRow("5: -2..2") << 5 << QList<int> {-2, -1, 0, 1, 2};
    QTest::newRow("4: -2..1") << 4 << QList<int> {-2, -1, 0, 1};
}

void TestPixelEffect::explosionRange()
{
    QFETCH(int, size);
    QFETCH(QList<int>, displacements);
    const int w = 60, h = 50;
    for (const int mode : {int(Explode)}) {
        const QImage result = render(placesPicture(w, h), size, mode);
        std::set<int> seenX, seenY;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QColor c = at(result, x, y);
                // A displacement off the picture (or onto column or row 0) is reset to 0 there.
                if (c.red() != 0)
                    seenX.insert(x - c.red());
                if (c.green() != 0)
                    seenY.insert(y - c.green());
            }
        QCOMPARE(QList<int>(seenX.begin(), seenX.end()), displacements);
        QCOMPARE(QList<int>(seenY.begin(), seenY.end()), displacements);
    }
}

void TestPixelEffect::overlayAveragesExplosion()
{
    // Both draw ox and oy for every pixel in the same way, so from the same state "Nakładanie" is
    // the average, rounded down, of the "Eksplozja" pixel and the undisplaced one.
    const QImage source = variedPicture(30, 20);
    const QImage exploded = render(source, 5, Explode);
    const uint32_t after = AppRandom::state();
    AppRandom::setState(0);
    const QImage overlaid = render(source, 5, Overlay);
    QCOMPARE(AppRandom::state(), after);
    QVERIFY(!samePixels(exploded, source));
    COMPARE_EACH_PIXEL(overlaid, [&](int x, int y) {
        const QColor e = at(exploded, x, y), o = at(source, x, y);
        return QColor(
            (e.red() + o.red()) / 2, (e.green() + o.green()) / 2, (e.blue() + o.blue()) / 2);
    });
    // An odd sum rounds down: 0 and 255 side by side average to 127.
    const QImage stripes
        = picture(40, 40, [](int x, int) { return x % 2 ? Qt::white : Qt::black; });
    AppRandom::setState(0);
    const QImage averaged = render(stripes, 2, Overlay);
    QSet<int> values;
    for (int x = 0; x < 40; ++x)
        values << at(averaged, x, 5).red();
    QVERIFY(values.contains(127));
    QVERIFY(!values.contains(128));
}

void TestPixelEffect::reproducibleFromKnownState()
{
    const QImage source = variedPicture(50, 40);
    for (const int mode : {int(Wind), int(Paint), int(Explode), int(Overlay)}) {
        AppRandom::setState(0);
        const QImage first = render(source, 5, mode);
        const QImage second = render(source, 5, mode);
        QVERIFY2(!samePixels(first, second), qPrintable(QString::number(mode)));
        AppRandom::setState(0);
        QVERIFY(samePixels(render(source, 5, mode), first));
    }
    QImage argb = variedPicture(12, 12).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(samePixels(render(argb, 4, Pixelate), render(variedPicture(12, 12), 4, Pixelate)));
}

QTEST_GUILESS_MAIN(TestPixelEffect)
#include "tst_pixeleffect.moc"
