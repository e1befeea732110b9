#include "Pictures.h"
#include "core/AppError.h"
#include "effects/Emboss.h"
#include "effects/EmbossKernels.h"

#include <QtTest>

namespace {

EmbossParams params(int level, int angle, int colourItem, uint32_t colour = 0x808080, int edge = 0)
{
    return EmbossParams {level, angle, colourItem, colour, edge};
}

// A 3 x 3 picture whose only inner pixel is the centre: every pixel black but the given ones.
QImage threeByThree(std::initializer_list<std::tuple<int, int, QColor>> pixels)
{
    QImage p = flatPicture(3, 3, Qt::black);
    for (const auto &[x, y, c] : pixels) {
        uchar *b = p.scanLine(y) + 3 * x;
        b[0] = uchar(c.blue());
        b[1] = uchar(c.green());
        b[2] = uchar(c.red());
    }
    return p;
}

QColor grey(int v)
{
    return QColor(v, v, v);
}

} // namespace

class TestEmboss : public QObject
{
    Q_OBJECT

private slots:
    void direction_data();
    void direction();
    void flatOwnColourUnchanged_data();
    void flatOwnColourUnchanged();
    void flatReliefColourInsideBorderKept_data();
    void flatReliefColourInsideBorderKept();
    void flatReliefReadsProcessedNeighbour();
    void smallPicturesUnchanged();
    void interpolation_data();
    void interpolation();
    void processedNeighboursAreRead();
    void uniformEdge_data();
    void uniformEdge();
    void anySourceFormat();
    void fastFormMatchesPlain_data();
    void fastFormMatchesPlain();
    void levelForPosition_data();
    void levelForPosition();
    void levelFromText_data();
    void levelFromText();
    void reliefColourForItem();
    void knobAngle_data();
    void knobAngle();
    void knobDot_data();
    void knobDot();
    void knobPicture();
};

void TestEmboss::direction_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QList<int>>("offsets"); // a.row, a.col, b.row, b.col
    QTest::addColumn<int>("fraction");
    const auto row = [](int angle, QList<int> offsets, int fraction) {
        QTest::addRow("%d", angle) << angle << offsets << fraction;
    };
    row(1, {-1, +1, 0, +1}, 1);
    row(44, {-1, +1, 0, +1}, 44);
    row(45, {-1, 0, -1, +1}, 0);
    row(89, {-1, 0, -1, +1}, 44);
    row(90, {-1, -1, -1, 0}, 0);
    row(134, {-1, -1, -1, 0}, 44);
    row(135, {0, -1, -1, -1}, 0);
    row(179, {0, -1, -1, -1}, 44);
    row(180, {+1, -1, 0, -1}, 0);
    row(224, {+1, -1, 0, -1}, 44);
    row(225, {+1, 0, +1, -1}, 0);
    row(269, {+1, 0, +1, -1}, 44);
    row(270, {+1, +1, +1, 0}, 0);
    row(314, {+1, +1, +1, 0}, 44);
    row(315, {0, +1, +1, +1}, 0);
    row(359, {0, +1, +1, +1}, 44);
    row(360, {0, +1, +1, +1}, 0);
    row(0, {0, 0, 0, 0}, 0);
    row(361, {0, 0, 0, 0}, 1);
}

void TestEmboss::direction()
{
    QFETCH(int, angle);
    QFETCH(QList<int>, offsets);
    QFETCH(int, fraction);
    const EmbossDirection d = embossDirection(angle);
    QCOMPARE((QList<int> {d.aRow, d.aCol, d.bRow, d.bCol}), offsets);
    QCOMPARE(d.fraction, fraction);
}

void TestEmboss::flatOwnColourUnchanged_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("edge");
    QTest::newRow("level 100, angle 1, RGB") << 1 << 100 << 0;
    QTest::newRow("level 500, angle 200, RGB") << 200 << 500 << 0;
    QTest::newRow("level 37, angle 333, Jednolity") << 333 << 37 << 1;
    QTest::newRow("angle outside the table") << 400 << 100 << 0;
}

void TestEmboss::flatOwnColourUnchanged()
{
    QFETCH(int, angle);
    QFETCH(int, level);
    QFETCH(int, edge);
    const QColor colour(37, 150, 220);
    const QImage source = flatPicture(9, 7, colour);
    const QImage result = emboss(source, params(level, angle, 0, 0x808080, edge));
    COMPARE_EACH_PIXEL(result, [&](int, int) { return colour; });
}

void TestEmboss::flatReliefColourInsideBorderKept_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("inside");
    QTest::newRow("Szary") << 1 << 0x808080u << grey(128);
    QTest::newRow("Czarny") << 2 << 0x000000u << grey(0);
    // 0xBBGGRR: red is the low byte.
    QTest::newRow("Inny") << 3 << 0x0A141Eu << QColor(30, 20, 10);
}

void TestEmboss::flatReliefColourInsideBorderKept()
{
    QFETCH(int, item);
    QFETCH(uint, colour);
    QFETCH(QColor, inside);
    const QColor border(200, 100, 50);
    const QImage source = flatPicture(6, 5, border);
    // Angles 225..360 read neighbours below and to the right, which are not processed yet.
    for (const int angle : {225, 300, 360}) {
        const QImage result = emboss(source, params(100, angle, item, colour));
        COMPARE_EACH_PIXEL(result,
            [&](int x, int y) { return (x == 0 || y == 0 || x == 5 || y == 4) ? border : inside; });
    }
    QCOMPARE(at(source, 2, 2), border); // the source is never touched
}

void TestEmboss::flatReliefReadsProcessedNeighbour()
{
    // Angle 1 interpolates toward the upper right neighbour. In the first inner row that is the
    // border, as flat as the pixel; from the second inner row on it is already grey, so the
    // difference (128 - c) / 45 of each channel shows: red (128 - 200) / 45 = -1.6 -> -2,
    // green 0.62 -> 1, blue 1.73 -> 2. The last inner column still reads the border.
    const QColor border(200, 100, 50);
    const QImage result = emboss(flatPicture(6, 5, border), params(100, 1, 1));
    COMPARE_EACH_PIXEL(result, [&](int x, int y) {
        if (x == 0 || y == 0 || x == 5 || y == 4)
            return border;
        return (y == 1 || x == 4) ? grey(128) : QColor(126, 129, 130);
    });
}

void TestEmboss::smallPicturesUnchanged()
{
    for (const QSize size : {QSize(2, 10), QSize(10, 2), QSize(1, 1), QSize(2, 2)}) {
        const QImage source = variedPicture(size.width(), size.height());
        const QImage result = emboss(source, params(100, 1, 1));
        QCOMPARE(result.format(), QImage::Format_BGR888);
        QVERIFY2(samePixels(result, source), qPrintable(QString::number(size.width())));
    }
    QVERIFY(emboss(QImage(), params(100, 1, 1)).isNull());
}

void TestEmboss::interpolation_data()
{
    // The centre of a 3 x 3 picture, own colour: C + round((Bn - (Bn - A) * f - C) * level / 100).
    QTest::addColumn<QImage>("source");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("centre");
    // Upper right (0, 2) is 90, right (1, 2) is 0, the centre 0.
    const QImage upperRight = threeByThree({{2, 0, grey(90)}});
    QTest::newRow("45 takes b = upper right fully") << upperRight << 45 << 100 << 90;
    QTest::newRow("44 takes a = upper right by 44/45") << upperRight << 44 << 100 << 88;
    QTest::newRow("1 takes a = upper right by 1/45") << upperRight << 1 << 100 << 2;
    QTest::newRow("level doubles") << upperRight << 44 << 200 << 176;
    QTest::newRow("level 500 clamps at 255") << upperRight << 45 << 500 << 255;
    // Halves go to the even neighbour: level 50 of 1 is 0.5 -> 0, of 3 is 1.5 -> 2.
    const auto upperRightOver = [](int above) {
        return threeByThree({{1, 1, grey(100)}, {2, 0, grey(100 + above)}});
    };
    QTest::newRow("0.5 rounds to 0") << upperRightOver(1) << 45 << 50 << 100;
    QTest::newRow("1.5 rounds to 2") << upperRightOver(3) << 45 << 50 << 102;
    QTest::newRow("-0.5 rounds to 0") << upperRightOver(-1) << 45 << 50 << 100;
    QTest::newRow("-1.5 rounds to -2") << upperRightOver(-3) << 45 << 50 << 98;
    // 1/45 of 45 * 1 exactly, then a half: (0 - (0 - 45) / 45 - 0) * 0.5 = 0.5 -> 0.
    QTest::newRow("exact fraction, then a half")
        << threeByThree({{2, 0, grey(45)}}) << 1 << 50 << 0;
}

void TestEmboss::interpolation()
{
    QFETCH(QImage, source);
    QFETCH(int, angle);
    QFETCH(int, level);
    QFETCH(int, centre);
    const QImage result = emboss(source, params(level, angle, 0));
    QCOMPARE(at(result, 1, 1), grey(centre));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            if (x != 1 || y != 1)
                QCOMPARE(at(result, x, y), at(source, x, y));
}

void TestEmboss::processedNeighboursAreRead()
{
    // Left (angle 180) and above (angle 90) are read after they were processed; with level 100 and
    // f = 0 each pixel takes that neighbour's new value, which spreads the border inwards. Right
    // and below are read as they were.
    const QImage source = variedPicture(8, 6);
    const QImage left = emboss(source, params(100, 180, 0));
    COMPARE_EACH_PIXEL(left, [&](int x, int y) {
        return (y == 0 || y == 5 || x == 7) ? at(source, x, y) : at(source, 0, y);
    });
    const QImage above = emboss(source, params(100, 90, 0));
    COMPARE_EACH_PIXEL(above, [&](int x, int y) {
        return (x == 0 || x == 7 || y == 5) ? at(source, x, y) : at(source, x, 0);
    });
    const QImage below = emboss(source, params(100, 225, 0)); // b = (+1, -1) at f = 0
    COMPARE_EACH_PIXEL(below, [&](int x, int y) {
        return (x == 0 || x == 7 || y == 0 || y == 5) ? at(source, x, y) : at(source, x - 1, y + 1);
    });
}

void TestEmboss::uniformEdge_data()
{
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("upperRight");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("edge");
    QTest::addColumn<QColor>("result");
    QTest::newRow("RGB keeps channels apart")
        << QColor(100, 100, 100) << QColor(110, 100, 100) << 0 << 0 << QColor(110, 100, 100);
    QTest::newRow("Jednolity: 10 / 3 = 3 to all")
        << QColor(100, 100, 100) << QColor(110, 100, 100) << 0 << 1 << QColor(103, 103, 103);
    QTest::newRow("Jednolity: -10 / 3 = -3, toward zero")
        << QColor(100, 100, 100) << QColor(90, 100, 100) << 0 << 1 << QColor(97, 97, 97);
    QTest::newRow("Jednolity: channels cancel")
        << QColor(10, 20, 30) << QColor(15, 25, 20) << 0 << 1 << QColor(10, 20, 30);
    QTest::newRow("Jednolity on grey relief")
        << QColor(0, 0, 0) << QColor(30, 60, 0) << 1 << 1 << QColor(158, 158, 158);
    QTest::newRow("RGB on grey relief, clamped")
        << QColor(200, 0, 0) << QColor(0, 255, 0) << 1 << 0 << QColor(0, 255, 128);
}

void TestEmboss::uniformEdge()
{
    QFETCH(QColor, centre);
    QFETCH(QColor, upperRight);
    QFETCH(int, item);
    QFETCH(int, edge);
    QFETCH(QColor, result);
    const QImage source = threeByThree({{1, 1, centre}, {2, 0, upperRight}});
    QCOMPARE(at(emboss(source, params(100, 45, item, 0x808080, edge)), 1, 1), result);
}

void TestEmboss::anySourceFormat()
{
    QImage source(5, 4, QImage::Format_ARGB32);
    source.fill(QColor(10, 20, 30));
    const QImage result = emboss(source, params(100, 300, 1));
    QCOMPARE(result.format(), QImage::Format_BGR888);
    QCOMPARE(at(result, 2, 2), grey(128));
    QCOMPARE(at(result, 0, 0), QColor(10, 20, 30));
}

void TestEmboss::fastFormMatchesPlain_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("angles");
    QList<int> every;
    for (int angle = 1; angle <= 360; ++angle)
        every << angle;
    // Both ends of every range and one inside.
    QList<int> ends;
    for (int from = 0; from < 360; from += 45)
        ends << from + 1 << from + 20 << from + 44 << from + 45;
    QTest::newRow("level 100, every angle") << 100 << every;
    QTest::newRow("level 333, every angle") << 333 << every;
    for (const int level : {1, 50, 104, 500, 1000, -7, -1000, 0})
        QTest::addRow("level %d", level) << level << ends;
}

void TestEmboss::fastFormMatchesPlain()
{
    // Noise, and a picture of only 0 and 255 that drives every clamp; widths that leave a few
    // bytes after the last whole block of a row.
    QFETCH(int, level);
    QFETCH(QList<int>, angles);
    uint32_t seed = 99;
    const auto noise = [&](int, int) {
        const auto next = [&] { return int((seed = seed * 1103515245u + 12345u) >> 24); };
        return QColor(next(), next(), next());
    };
    const auto extremes = [&](int x, int y) {
        return QColor((x * 7 + y) % 3 ? 255 : 0, (x + y) % 2 ? 255 : 0, (x * y) % 5 ? 0 : 255);
    };
    const QList<QImage> pictures = {picture(3, 3, noise), picture(17, 6, noise),
        picture(40, 5, extremes), picture(11, 9, extremes)};
    for (const int angle : angles)
        for (int item = 0; item < 2; ++item)
            for (int edge = 0; edge < 2; ++edge)
                for (const QImage &source : pictures) {
                    const EmbossParams p {level, angle, item, 0x3C8CDC, edge};
                    QImage plain = source, fast = source;
                    plain.detach();
                    fast.detach();
                    embossPlain(plain, p);
                    if (!embossFast(fast, p))
                        QSKIP("no fast form on this processor");
                    QVERIFY2(samePixels(fast, plain),
                        qPrintable(QStringLiteral("angle %1, item %2, edge %3, %4 x %5")
                                       .arg(angle)
                                       .arg(item)
                                       .arg(edge)
                                       .arg(source.width())
                                       .arg(source.height())));
                }
}

void TestEmboss::levelForPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("level");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("101") << 101 << 104;
    QTest::newRow("150") << 150 << 300;
    QTest::newRow("200") << 200 << 500;
}

void TestEmboss::levelForPosition()
{
    QFETCH(int, position);
    QFETCH(int, level);
    QCOMPARE(embossLevelForPosition(position), level);
}

void TestEmboss::levelFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("plain") << "100"
                           << "100";
    QTest::newRow("leading blanks") << "  42"
                                    << "42";
    QTest::newRow("signs") << "-5"
                           << "-5";
    QTest::newRow("hexadecimal") << "$1F"
                                 << "31";
    QTest::newRow("largest") << "2147483647"
                             << "2147483647";
    QTest::newRow("empty") << ""
                           << "'' is not a valid integer value";
    QTest::newRow("letters") << "abc"
                             << "'abc' is not a valid integer value";
    QTest::newRow("trailing blank") << "12 "
                                    << "'12 ' is not a valid integer value";
    QTest::newRow("too large") << "2147483648"
                               << "'2147483648' is not a valid integer value";
}

void TestEmboss::levelFromText()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    try {
        QCOMPARE(QString::number(embossLevelFromText(text)), result);
    } catch (const AppError &e) {
        QCOMPARE(e.message(), result);
    }
}

void TestEmboss::reliefColourForItem()
{
    QCOMPARE(::reliefColourForItem(0, 0x123456, 0xABCDEF), 0x123456u); // kolor oryginalny
    QCOMPARE(::reliefColourForItem(1, 0x123456, 0xABCDEF), 0x808080u);
    QCOMPARE(::reliefColourForItem(2, 0x123456, 0xABCDEF), 0x000000u);
    QCOMPARE(::reliefColourForItem(3, 0x123456, 0xABCDEF), 0xABCDEFu); // the colour box
}

void TestEmboss::knobAngle_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("angle"); // 0: no change
    QTest::newRow("straight above") << 20 << 5 << 180;
    QTest::newRow("straight below") << 20 << 35 << 360;
    QTest::newRow("centre row right") << 35 << 20 << 0;
    QTest::newRow("upper right") << 30 << 10 << 225;
    QTest::newRow("3.81 rounds to 4") << 19 << 35 << 4;
    QTest::newRow("0.32 rounds to 0, the spin makes it 1") << 19 << 200 << 1;
}

void TestEmboss::knobAngle()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, angle);
    QCOMPARE(knobAngleFromMouse(x, y).value_or(0), angle);
}

void TestEmboss::knobDot_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("1") << 1 << 28 << 16;
    QTest::newRow("45") << 45 << 24 << 8;
    QTest::newRow("90") << 90 << 16 << 4;
    QTest::newRow("180") << 180 << 4 << 16;
    QTest::newRow("270") << 270 << 16 << 28;
}

void TestEmboss::knobDot()
{
    QFETCH(int, angle);
    QFETCH(int, left);
    QFETCH(int, top);
    const KnobEllipse e = knobDotEllipse(angle);
    QCOMPARE((QList<int> {e.left, e.top, e.right, e.bottom}),
        (QList<int> {left, top, left + 8, top + 8}));
}

void TestEmboss::knobPicture()
{
    const QColor face(212, 208, 200);
    const QImage knob = embossKnobPicture(90, face);
    QCOMPARE(knob.size(), QSize(40, 40));
    QCOMPARE(at(knob, 20, 8), QColor(190, 0, 0)); // inside the dot at (16, 4, 24, 12)
    QCOMPARE(at(knob, 20, 4), QColor(Qt::black)); // its outline
    QCOMPARE(at(knob, 0, 0), face);
    QCOMPARE(at(knob, 20, 20), face); // the hub is drawn in the face colour
    QCOMPARE(at(embossKnobPicture(270, face), 20, 32), QColor(190, 0, 0));
}

QTEST_GUILESS_MAIN(TestEmboss)
#include "tst_emboss.moc"
