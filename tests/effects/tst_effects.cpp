#include "core/AppError.h"
#include "effects/AppRandom.h"
#include "effects/ColourChange.h"
#include "effects/Emboss.h"
#include "effects/EmbossKernels.h"
#include "effects/PixelEffect.h"
#include "effects/Sepia.h"

#include <QtTest>
#include <functional>

using Effect = std::function<QImage(const QImage &)>;
Q_DECLARE_METATYPE(Effect)

namespace {

// A 24-bit picture; a result compared with one (QCOMPARE) must be 24-bit too.
QImage picture(int w, int h, const std::function<QColor(int x, int y)> &colourAt)
{
    QImage p(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.setPixelColor(x, y, colourAt(x, y));
    return p;
}

// Every pixel different: red and green from the position, blue mixed from both.
QImage variedPicture(int w, int h)
{
    return picture(w, h, [](int x, int y) {
        return QColor((x * 37 + y * 11) % 256, (x * 5 + y * 91) % 256, (x * y * 13 + 7) % 256);
    });
}

// An effect with its settings, e.g. with(emboss, {100, 45, 0}).
template<typename Params>
Effect with(QImage (*effect)(const QImage &, const Params &), std::type_identity_t<Params> p)
{
    return [effect, p](const QImage &source) { return effect(source, p); };
}

enum { Wind, Paint, Pixelate, Explode, Overlay };

} // namespace

class TestEffects : public QObject
{
    Q_OBJECT

private slots:
    void init() { AppRandom::setState(0); }

    void embossDirection_data()
    {
        // The share of a (f, in 45ths) is checked with the pictures.
        QTest::addColumn<QList<int>>("angles"); // both ends of a range
        QTest::addColumn<QList<int>>("offsets"); // a.row, a.col, b.row, b.col
        const auto row = [](QList<int> angles, QList<int> offsets) {
            QTest::addRow("%d, %d", angles[0], angles[1]) << angles << offsets;
        };
        row({1, 44}, {-1, +1, 0, +1});
        row({45, 89}, {-1, 0, -1, +1});
        row({90, 134}, {-1, -1, -1, 0});
        row({135, 179}, {0, -1, -1, -1});
        row({180, 224}, {+1, -1, 0, -1});
        row({225, 269}, {+1, 0, +1, -1});
        row({270, 314}, {+1, +1, +1, 0});
        row({315, 360}, {0, +1, +1, +1});
        row({0, 361}, {0, 0, 0, 0});
    }
    void embossDirection()
    {
        QFETCH(QList<int>, angles);
        QFETCH(QList<int>, offsets);
        for (const int angle : angles) {
            const EmbossDirection d = ::embossDirection(angle);
            QCOMPARE((QList<int> {d.aRow, d.aCol, d.bRow, d.bCol}), offsets);
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<Effect>("effect");
        QTest::addColumn<QImage>("result");
        const auto row = [](const char *name, QImage source, Effect effect, QImage result) {
            QTest::newRow(name) << source << effect << result;
        };
        // One colour all over; the source in another layout, read by colour.
        const auto oneColour = [&](const char *name, QColor source, Effect effect, QColor result) {
            const auto fill = [](QColor c) { return picture(3, 2, [&](int, int) { return c; }); };
            row(name, fill(source).convertToFormat(QImage::Format_RGB32), effect, fill(result));
        };
        const auto grey = [](int v) { return QColor(v, v, v); };

        const QColor border(200, 100, 50);
        const auto framed = [&](const QColor &inside) {
            return picture(6, 5, [&](int x, int y) { return x % 5 && y % 4 ? inside : border; });
        };
        const QImage flat = framed(border);
        row("emboss flat, own colour", flat, with(emboss, {100, 1, 0}), flat);
        // Angles from 225 on read neighbours below or to the right, not processed yet.
        row("emboss flat, Szary", flat.convertToFormat(QImage::Format_ARGB32),
            with(emboss, {100, 225, 1, 0x808080}), framed(grey(128)));
        row("emboss flat, Inny, red in the low byte", flat, with(emboss, {100, 360, 3, 0x0A141E}),
            framed({30, 20, 10}));
        row("emboss 2 wide", variedPicture(2, 9).convertToFormat(QImage::Format_ARGB32),
            with(emboss, {100, 1, 1}), variedPicture(2, 9));
        row("emboss 2 high", variedPicture(9, 2), with(emboss, {100, 1, 1}), variedPicture(9, 2));
        // Level 100 at f = 0 copies one neighbour. Left and above are read after they were
        // processed, which spreads column 0 or row 0 inwards.
        const QImage varied = variedPicture(8, 6);
        const auto inner = [&](std::function<QPoint(int, int)> from) {
            return picture(8, 6, [=](int x, int y) {
                return varied.pixelColor(x % 7 && y % 5 ? from(x, y) : QPoint(x, y));
            });
        };
        row("emboss above, processed", varied, with(emboss, {100, 90, 0}),
            inner([](int x, int) { return QPoint(x, 0); }));
        row("emboss left, processed", varied, with(emboss, {100, 180, 0}),
            inner([](int, int y) { return QPoint(0, y); }));
        // The centre of 3 x 3, where only it and its upper right neighbour are not black. Own
        // colour: C + round((Bn - (Bn - A) * f - C) * level / 100), clamped.
        const auto centre = [&](const char *name, QColor c, QColor upperRight, EmbossParams p,
                                QColor result) {
            const auto threeByThree = [&](const QColor &middle) {
                return picture(3, 3, [&](int x, int y) {
                    return x == 1 && y == 1 ? middle : (x == 2 && y == 0 ? upperRight : Qt::black);
                });
            };
            row(name, threeByThree(c), with(emboss, p), threeByThree(result));
        };
        centre("emboss 45 takes b fully", grey(0), grey(90), {100, 45, 0}, grey(90));
        centre("emboss 44 takes a by 44/45", grey(0), grey(90), {100, 44, 0}, grey(88));
        centre("emboss 1 takes a by 1/45", grey(0), grey(90), {100, 1, 0}, grey(2));
        centre("emboss level 500 clamps", grey(0), grey(90), {500, 45, 0}, grey(255));
        centre("emboss halves to even", grey(100), {101, 103, 99}, {50, 45, 0}, {100, 102, 100});
        centre("emboss 1/45 of 45 exactly, then a half", grey(0), grey(45), {50, 1, 0}, grey(0));
        // Jednolity: (d_r + d_g + d_b) / 3 for every channel, toward zero.
        centre("emboss Jednolity -10 / 3", grey(100), {90, 100, 100}, {100, 45, 0, 0, 1}, grey(97));
        centre(
            "emboss Jednolity on grey", grey(0), {30, 60, 0}, {100, 45, 1, 0x808080, 1}, grey(158));
        centre("emboss RGB on grey, clamped", {200, 0, 0}, {0, 255, 0}, {100, 45, 1, 0x808080},
            {0, 255, 128});

        // Colour change, brightness + red, green, blue. Zwykły: c + round((255 - c) * d / 255) up,
        // c + round(c * d / 255) down.
        oneColour(
            "Zwykły", {128, 200, 10}, with(colourChange, {0, 100, -50, 1, 0}), {178, 161, 11});
        oneColour("Zwykły, brightness in each", grey(100), with(colourChange, {10, 20, -30, 0, 0}),
            {118, 92, 106});
        // Clamped, not wrapped: 0 by 510 is 255 (not 254), 100 by 300 not 26, 200 by -510 not 56.
        oneColour("Zwykły, clamped at 255", {0, 100, 77},
            with(colourChange, {255, 255, 45, -255, 0}), {255, 255, 77});
        oneColour("Zwykły, clamped at 0", {200, 50, 50},
            with(colourChange, {-255, -255, 255, 255, 0}), {0, 50, 50});
        // Wyostrzający: round(s * ((255 - c) / 255 * d) + c) up, round(s * (c / 255 * d) + c)
        // down, s = sin(c * 0.705 degrees): about 1 at 128, 0 at 0, 0.0039 at 255.
        oneColour("Wyostrzający", {128, 100, 0}, with(colourChange, {0, 100, -100, 255, 1}),
            {178, 63, 0});
        oneColour("Wyostrzający, up, clamped", {255, 128, 128},
            with(colourChange, {255, 255, 255, -255, 1}), {255, 255, 128});
        oneColour("Wyostrzający, down, clamped", {255, 128, 0},
            with(colourChange, {-255, -255, -255, -255, 1}), {253, 0, 0});
        // Every value of every channel.
        const QImage all
            = picture(256, 1, [](int x, int) { return QColor(x, 255 - x, (x * 7) % 256); });
        const auto fill = [](QColor c) { return picture(256, 1, [&](int, int) { return c; }); };
        row("Zwykły, amounts cancel out", all, with(colourChange, {40, -40, -40, -40, 0}), all);
        row("Wyostrzający, no amounts", all, with(colourChange, {0, 0, 0, 0, 1}), all);
        row("Zwykły 255", all, with(colourChange, {255, 0, 0, 0, 0}), fill(Qt::white));
        row("Zwykły -255", all, with(colourChange, {-255, 0, 0, 0, 0}), fill(Qt::black));

        // Greys and sepia, from avg = (R + G + B) / 3 rounded down.
        const QColor white(255, 255, 255), black(0, 0, 0);
        const Effect greys = with(sepiaEffect, {SepiaKind::Greys}),
                     sepia = with(sepiaEffect, {SepiaKind::Sepia});
        const auto adjustable = [](int p, int q) {
            return with(sepiaEffect, {SepiaKind::Adjustable, p, q});
        };
        oneColour("greys: pure red", {255, 0, 0}, greys, grey(85));
        oneColour("greys: white", white, greys, white);
        oneColour("sepia: black", black, sepia, {60, 0, 0});
        oneColour("sepia: white", white, sepia, {255, 255, 195});
        oneColour("sepia: grey 128", grey(128), sepia, {158, 128, 98});
        oneColour("sepia: avg 20.67 rounds down", {10, 20, 32}, sepia, {75, 20, 15});
        // s = sin(128 * 0.705 degrees) = 0.99999: 128 + 37.99967, 128 - 50.99955.
        oneColour("adjustable: grey 128", grey(128), adjustable(38, 51), {166, 128, 77});
        oneColour("adjustable: black", black, adjustable(255, 255), black);
        oneColour("adjustable: white", white, adjustable(38, 51), white);
        oneColour(
            "adjustable: 383 and -127 clamped", grey(128), adjustable(255, 255), {255, 128, 0});
        oneColour("adjustable without strength is greys", {10, 20, 32}, adjustable(0, 0), grey(20));
        oneColour("no sepia button down", {10, 20, 32}, with(sepiaEffect, {SepiaKind::None}),
            {10, 20, 32});

        // Pixele: each 10 x 10 block repeats its top-left pixel; at the left and top edge the edge
        // test puts the source on column 0 or row 0, which is that same pixel.
        const QImage large = variedPicture(25, 23);
        row("Pixele 10", large.convertToFormat(QImage::Format_ARGB32),
            with(pixelEffect, {10, Pixelate}), picture(25, 23, [&](int x, int y) {
                return large.pixelColor(x - x % 10, y - y % 10);
            }));
    }
    void pictures()
    {
        QFETCH(QImage, source);
        QFETCH(Effect, effect);
        QFETCH(QImage, result);
        QCOMPARE(effect(source), result);
    }

    void embossFastFormMatchesPlain()
    {
        // A varied picture, and one of only 0 and 255 that drives every clamp; widths leave a few
        // bytes after the last whole block of a row. Each range, and where a share is 0.
        const QImage pictures[] = {variedPicture(17, 6), picture(40, 5, [](int x, int y) {
                                       return QColor((x * 7 + y) % 3 ? 255 : 0,
                                           (x + y) % 2 ? 255 : 0, (x * y) % 5 ? 0 : 255);
                                   })};
        for (const int level : {50, 333, 1000, -7, -1000})
            for (const int angle : {1, 60, 100, 135, 150, 180, 200, 250, 300, 340})
                for (int variant = 0; variant < 8; ++variant) {
                    const EmbossParams p {level, angle, variant & 1, 0x3C8CDC, (variant >> 1) & 1};
                    QImage plain = pictures[variant >> 2].copy(), fast = plain.copy();
                    embossPlain(plain, p);
                    if (!embossFast(fast, p))
                        QSKIP("no fast form on this processor");
                    QVERIFY2(fast == plain,
                        qPrintable(QString::asprintf(
                            "level %d, angle %d, variant %d", level, angle, variant)));
                }
    }

    void embossLevel()
    {
        // The level field for a slider position: 1..100 as is, then in steps of 4.
        QCOMPARE((QList<int> {embossLevelForPosition(100), embossLevelForPosition(101),
                     embossLevelForPosition(200)}),
            (QList<int> {100, 104, 500}));
    }

    void embossLevelFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result"); // the number, or the error message
        const auto row = [](const char *name, const char *text, const char *result) {
            QTest::newRow(name) << QString(text) << QString(result);
        };
        row("blanks, sign", "  -42", "-42");
        row("hexadecimal", "$1F", "31");
        row("largest", "2147483647", "2147483647");
        row("empty", "", "'' is not a valid integer value");
        row("trailing blank", "12 ", "'12 ' is not a valid integer value");
        row("too large", "2147483648", "'2147483648' is not a valid integer value");
    }
    void embossLevelFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        try {
            QCOMPARE(QString::number(::embossLevelFromText(text)), result);
        } catch (const AppError &e) {
            QCOMPARE(e.message(), result);
        }
    }

    void reliefColourForItem()
    {
        // Item 0 keeps the current colour; 3 takes the colour box's.
        QList<uint> colours;
        for (int item = 0; item < 4; ++item)
            colours << ::reliefColourForItem(item, 0x123456, 0xABCDEF);
        QCOMPARE(colours, (QList<uint> {0x123456, 0x808080, 0x000000, 0xABCDEF}));
    }

    void embossKnob_data()
    {
        QTest::addColumn<QPoint>("mouse");
        QTest::addColumn<int>("angle"); // 0: no change
        QTest::addColumn<QPoint>("dot"); // left, top of the 8 x 8 ellipse
        QTest::newRow("straight above") << QPoint(20, 5) << 180 << QPoint(4, 16);
        QTest::newRow("straight below") << QPoint(20, 35) << 360 << QPoint(28, 16);
        QTest::newRow("centre row") << QPoint(35, 20) << 0 << QPoint();
        QTest::newRow("upper right") << QPoint(30, 10) << 225 << QPoint(8, 24);
        QTest::newRow("3.81 rounds to 4") << QPoint(19, 35) << 4 << QPoint(28, 15);
        QTest::newRow("0.32 rounds to 0, kept at 1") << QPoint(19, 200) << 1 << QPoint(28, 16);
    }
    void embossKnob()
    {
        QFETCH(QPoint, mouse);
        QFETCH(int, angle);
        QFETCH(QPoint, dot);
        QCOMPARE(knobAngleFromMouse(mouse.x(), mouse.y()).value_or(0), angle);
        if (angle == 0)
            return;
        const KnobEllipse e = knobDotEllipse(angle);
        QCOMPARE(QRect(e.left, e.top, e.right - e.left, e.bottom - e.top), QRect(dot, QSize(8, 8)));
        const QColor face(212, 208, 200);
        const QImage knob = embossKnobPicture(angle, face);
        QCOMPARE(knob.pixelColor(dot + QPoint(4, 4)), QColor(190, 0, 0));
        QCOMPARE(knob.pixelColor(dot + QPoint(4, 0)), QColor(Qt::black)); // the outline
        QCOMPARE(knob.pixelColor(0, 0), face);
        QCOMPARE(knob.pixelColor(20, 20), face); // the hub is drawn in the face colour
    }

    void generatorFromZero()
    {
        QList<uint> values;
        for (int i = 0; i < 10; ++i)
            values << AppRandom::next(100);
        QCOMPARE(values, (QList<uint> {0, 3, 86, 20, 27, 67, 31, 16, 37, 42}));
    }

    void pixelSourcesFromZero_data()
    {
        // A 6 x 4 picture from state 0: where each pixel comes from as "xy", and the state after.
        // Random(3) from 0 gives 0 0 2 0 0 2 0 0 1 1 0 1 ...
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("size");
        QTest::addColumn<uint>("state");
        QTest::addColumn<QString>("sources");
        const auto row = [](const QByteArray &name, int mode, int size, uint state, QString map) {
            QTest::newRow(name) << mode << size << state << map;
        };
        // Wiatr: ox drawn at columns 0 and 3, oy at every pixel of row 0 (the last draw of row 0
        // leaves oy = 2 for rows 1 and 2, reset to the row by the edge test there: y - 2 < 1). In
        // row 1, columns 1 and 2 keep ox = 0 left by the edge test at column 0.
        row("Wiatr", Wind, 3, 1408429452u,
            "00 10 20 30 40 50 / 01 11 21 21 31 41 / 02 12 22 22 32 42 / 01 13 23 12 21 33");
        row("Farba", Paint, 3, 87174488u,
            "00 00 20 30 30 50 / 00 11 21 10 20 31 / 00 10 22 32 41 52 / 03 03 03 11 31 33");
        row("Pixele", Pixelate, 3, 0u,
            "00 00 00 30 30 30 / 00 00 00 30 30 30 / 00 00 00 30 30 30 / 03 03 03 33 33 33");
        row("Eksplozja", Explode, 3, 2794553296u,
            "11 01 30 41 40 00 / 10 22 11 22 30 42 / 13 13 13 33 33 41 / 02 00 30 30 40 43");
        // The average, rounded down, of the displaced and the undisplaced pixel.
        row("Nakładanie", Overlay, 3, 2794553296u,
            "00 00 20 30 40 20 / 00 11 11 21 30 41 / 02 12 12 32 32 41 / 02 01 21 31 41 43");
        // Displacements -2..1.
        row("Eksplozja, size 4", Explode, 4, 2794553296u,
            "22 02 30 42 51 01 / 20 32 12 22 40 52 / 23 20 13 40 33 41 / 12 00 40 30 40 43");
        // Size 1 moves nothing, but every mode save "Pixele" still draws two numbers a pixel.
        const char *names[] = {"Wiatr", "Farba", "Pixele", "Eksplozja", "Nakładanie"};
        for (int mode = Wind; mode <= Overlay; ++mode)
            row(QByteArray(names[mode]) + ", size 1", mode, 1, mode == Pixelate ? 0u : 2794553296u,
                "00 10 20 30 40 50 / 01 11 21 31 41 51 / 02 12 22 32 42 52 / 03 13 23 33 43 53");
    }
    void pixelSourcesFromZero()
    {
        QFETCH(int, mode);
        QFETCH(int, size);
        QFETCH(uint, state);
        QFETCH(QString, sources);
        // Each pixel names its own place: red = column, green = row.
        const QImage places = picture(6, 4, [](int x, int y) { return QColor(x, y, 200); });
        const auto sourceMap = [&] {
            const QImage result = pixelEffect(places, PixelEffectParams {size, mode});
            QString map;
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 6; ++x)
                    map += QString::asprintf("%d%d%s", qRed(result.pixel(x, y)),
                        qGreen(result.pixel(x, y)), x < 5 ? " " : (y < 3 ? " / " : ""));
            return map;
        };
        QCOMPARE(sourceMap(), sources);
        QCOMPARE(AppRandom::state(), state);
        // The state carries over: the next rendering differs where numbers are drawn.
        QCOMPARE(sourceMap() != sources, size > 1 && mode != Pixelate);
    }

    void pixelOverlayAveragesExplosion()
    {
        // Both draw ox and oy for every pixel in the same way, so from the same state "Nakładanie"
        // is the average, rounded down, of the "Eksplozja" pixel and the undisplaced one.
        const QImage source = variedPicture(30, 20);
        const QImage exploded = pixelEffect(source, PixelEffectParams {5, Explode});
        AppRandom::setState(0);
        QCOMPARE(
            pixelEffect(source, PixelEffectParams {5, Overlay}), picture(30, 20, [&](int x, int y) {
                const QColor e = exploded.pixelColor(x, y), o = source.pixelColor(x, y);
                return QColor((e.red() + o.red()) / 2, (e.green() + o.green()) / 2,
                    (e.blue() + o.blue()) / 2);
            }));
    }
};

QTEST_GUILESS_MAIN(TestEffects)
#include "tst_effects.moc"
