#include "controls/CyfraGeometry.h"
#include "controls/TImageCyfra.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QRgb Silver = qRgb(0xC0, 0xC0, 0xC0), Black = qRgb(0, 0, 0);

// A digit that counts its paintings.
struct Digit : TImageCyfra
{
    int paints = 0;
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TImageCyfra::paintEvent(event);
    }
    QImage image()
    {
        QImage image(size(), QImage::Format_RGB32);
        render(&image);
        return image;
    }
};

} // namespace

class TestImageCyfra : public QObject
{
    Q_OBJECT

private slots:
    void litSegments_data();
    void litSegments();
    void scanLines_data();
    void scanLines();
    void redrawing();
};

void TestImageCyfra::litSegments_data()
{
    // Segments in drawing order: upper left, lower left, upper right, lower right, top, middle,
    // bottom; digits outside 0..9 light none.
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("lit");
    const char *const table[] = {"abcde-g", "--cd---", "-bc-efg", "--cdefg", "a-cd-f-", "a--defg",
        "ab-defg", "--cde--", "abcdefg", "a-cdefg"};
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("%d", digit) << digit << QString::fromLatin1(table[digit]);
    QTest::newRow("10") << 10 << "-------";
    QTest::newRow("-1") << -1 << "-------";
}

void TestImageCyfra::litSegments()
{
    QFETCH(int, digit);
    QString seen;
    for (int i = 0; i < 7; ++i)
        seen += CyfraGeometry::isLit(digit, CyfraGeometry::DrawingOrder[i]) ? QChar('a' + i) : '-';
    QTEST(seen, "lit");
}

void TestImageCyfra::scanLines_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<bool>("colon");
    QTest::addColumn<QLine>("line");
    QTest::addColumn<QString>("pixels"); // of digit 8: # drawn, . background
    const QSize big(50, 80), clock(33, 57);
    // The default digit: L = 28, X0 = 8, Y0 = 10, segments 2 * 2 + 1 wide.
    QTest::newRow("default, no colon") << big << 5 << false << QLine(0, 24, 49, 24)
                                       << "......#####.........................#####.........";
    // The clock digit: L = 17, X0 = 5, Y0 = 10, segments with pointed ends and seams between
    // them; colon squares from x 28 and y 15 and 37.
    QTest::newRow("clock, row 17")
        << clock << 5 << true << QLine(0, 17, 32, 17) << "...#####..............#####.#####";
    QTest::newRow("clock, column 5") << clock << 5 << true << QLine(5, 0, 5, 56)
                                     << "..........##################.##################..........";
    QTest::newRow("clock, column 14")
        << clock << 5 << true << QLine(14, 0, 14, 56)
        << ".......#####..............#####..............#####.......";
    QTest::newRow("clock, column 30")
        << clock << 5 << true << QLine(30, 0, 30, 56)
        << "...............#####.................#####...............";
    QTest::newRow("thickness 7") << clock << 7 << true << QLine(0, 20, 32, 20)
                                 << "..#######..........##############";
}

void TestImageCyfra::scanLines()
{
    QFETCH(QSize, size);
    QFETCH(int, thickness);
    QFETCH(bool, colon);
    QFETCH(QLine, line);
    Digit control;
    control.resize(size);
    control.setGrubosc(thickness);
    control.setDwukropek(colon);
    const QImage image = control.image();
    const QPoint step(line.dx() ? 1 : 0, line.dy() ? 1 : 0);
    QString pixels;
    for (QPoint at = line.p1(); at != line.p2() + step; at += step)
        pixels += image.pixel(at) == Black ? '#' : image.pixel(at) == Silver ? '.' : '?';
    QTEST(pixels, "pixels");
}

// Every property, even set to its value, redraws; a new size runs Change, a property does not.
void TestImageCyfra::redrawing()
{
    Digit control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QSignalSpy changed(&control, &TImageCyfra::changed);
    control.resize(33, 57);
    for (const char *name : {"Cyfra", "Grubosc", "Dwukropek", "ColorTla", "ColorKreski"}) {
        QCoreApplication::processEvents();
        control.paints = 0;
        QVERIFY(control.setProperty(name, control.property(name)));
        QTRY_VERIFY2(control.paints > 0, name);
    }
    // The digit and colours drawn are those set: a 1 has no upper left segment; the upper right
    // one, edges included, and the colon are in the segment colour.
    control.setProperty("Cyfra", 1);
    control.setProperty("Dwukropek", true);
    control.setProperty("ColorTla", QColor(10, 20, 30));
    control.setProperty("ColorKreski", QColor(250, 200, 0));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<TImageCyfra *>(), &control);
    const QImage image = control.image();
    QCOMPARE((QList {image.pixel(5, 18), image.pixel(22, 18), image.pixel(30, 38)}),
        (QList {qRgb(10, 20, 30), qRgb(250, 200, 0), qRgb(250, 200, 0)}));
}

QTEST_MAIN(TestImageCyfra)
#include "tst_imagecyfra.moc"
