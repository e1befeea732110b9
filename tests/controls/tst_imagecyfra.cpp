#include "CyfraGeometry.h"
#include "TImageCyfra.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

using CyfraGeometry::Segment;

namespace {

const QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb Black = qRgb(0, 0, 0);

QImage renderOf(TImageCyfra &digit)
{
    QImage image(digit.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    digit.render(&image);
    return image;
}

// Point inside or on a convex polygon given in either orientation; a flat polygon is its line.
bool insideConvex(const QPolygon &polygon, QPoint p)
{
    if (!polygon.boundingRect().contains(p))
        return false;
    bool positive = false;
    bool negative = false;
    for (int i = 0; i + 1 < polygon.size(); ++i) {
        const QPoint a = polygon[i];
        const QPoint b = polygon[i + 1];
        const qint64 cross
            = qint64(b.x() - a.x()) * (p.y() - a.y()) - qint64(b.y() - a.y()) * (p.x() - a.x());
        positive |= cross > 0;
        negative |= cross < 0;
    }
    return !(positive && negative);
}

// The picture the geometry asks for: a pixel is a segment pixel when its point lies inside or on
// a lit polygon, or inside a colon square.
QImage expectedPicture(QSize size, int thickness, int digit, bool colon, QRgb back, QRgb front)
{
    const auto layout = CyfraGeometry::layout(size.width(), size.height(), thickness);
    const auto polygons = CyfraGeometry::litSegments(layout, digit);
    const auto squares = CyfraGeometry::colonRects(layout);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            bool lit = false;
            for (const QPolygon &polygon : polygons)
                lit = lit || insideConvex(polygon, {x, y});
            if (colon)
                lit = lit || squares[0].contains(x, y) || squares[1].contains(x, y);
            image.setPixel(x, y, lit ? front : back);
        }
    }
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return {};
}

// Segments of a digit as letters in drawing order: upper left, lower left, upper right,
// lower right, top, middle, bottom.
const char *const SegmentLetters = "abcdefg";

QPoint segmentCentre(const CyfraGeometry::Layout &layout, Segment segment)
{
    const QPoint a = CyfraGeometry::anchor(layout, segment);
    return CyfraGeometry::isVertical(segment) ? a + QPoint(0, layout.length / 2)
                                              : a + QPoint(layout.length / 2, 0);
}

} // namespace

class TestImageCyfra : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void segmentShape();
    void colonSquares_data();
    void colonSquares();
    void litSegmentsOfDigits_data();
    void litSegmentsOfDigits();
    void pictureFollowsGeometry_data();
    void pictureFollowsGeometry();
    void exactPixels_data();
    void exactPixels();
    void outOfRangeDigits_data();
    void outOfRangeDigits();
    void thicknessChange();
    void colours();
    void propertiesByName();
    void everySetterRepaints();
    void resizeRunsChange();
};

void TestImageCyfra::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("y0");
    QTest::newRow("default 50x80") << 50 << 80 << 5 << 28 << 8 << 10;
    QTest::newRow("clock 33x57") << 33 << 57 << 5 << 17 << 5 << 10;
    QTest::newRow("clock thick 7") << 33 << 57 << 7 << 15 << 5 << 12;
    QTest::newRow("clock even 4") << 33 << 57 << 4 << 18 << 5 << 9;
    // (10 - 23) / 2 truncates toward zero to -6, not down to -7.
    QTest::newRow("too small") << 10 << 10 << 5 << -6 << 5 << 10;
}

void TestImageCyfra::layout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, thickness);
    const auto l = CyfraGeometry::layout(width, height, thickness);
    QTEST(l.length, "length");
    QTEST(l.x0, "x0");
    QTEST(l.y0, "y0");
}

void TestImageCyfra::segmentShape()
{
    const auto l = CyfraGeometry::layout(33, 57, 5);
    const QPolygon upperLeft = CyfraGeometry::segmentPolygon(l, Segment::UpperLeft);
    QCOMPARE(upperLeft, QPolygon({{5, 10}, {7, 12}, {7, 25}, {5, 27}, {3, 25}, {3, 12}, {5, 10}}));
    const QPolygon bottom = CyfraGeometry::segmentPolygon(l, Segment::Bottom);
    QCOMPARE(bottom, QPolygon({{6, 47}, {8, 45}, {21, 45}, {23, 47}, {21, 49}, {8, 49}, {6, 47}}));
    QCOMPARE(CyfraGeometry::anchor(l, Segment::LowerRight), QPoint(24, 29));
    QCOMPARE(CyfraGeometry::anchor(l, Segment::Middle), QPoint(6, 28));
}

void TestImageCyfra::colonSquares_data()
{
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QRect>("upper");
    QTest::addColumn<QRect>("lower");
    QTest::newRow("thickness 5") << 5 << 15 << QRect(28, 15, 5, 5) << QRect(28, 37, 5, 5);
    QTest::newRow("thickness 7") << 7 << 15 << QRect(26, 15, 7, 7) << QRect(26, 35, 7, 7);
    QTest::newRow("thickness 3") << 3 << 15 << QRect(30, 15, 3, 3) << QRect(30, 39, 3, 3);
}

void TestImageCyfra::colonSquares()
{
    QFETCH(int, thickness);
    const auto l = CyfraGeometry::layout(33, 57, thickness);
    QTEST(CyfraGeometry::colonOffset(l), "offset");
    const auto squares = CyfraGeometry::colonRects(l);
    QTEST(squares[0], "upper");
    QTEST(squares[1], "lower");
}

void TestImageCyfra::litSegmentsOfDigits_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("lit");
    QTest::newRow("0") << 0 << "abcde-g";
    QTest::newRow("1") << 1 << "--cd---";
    QTest::newRow("2") << 2 << "-bc-efg";
    QTest::newRow("3") << 3 << "--cdefg";
    QTest::newRow("4") << 4 << "a-cd-f-";
    QTest::newRow("5") << 5 << "a--defg";
    QTest::newRow("6") << 6 << "ab-defg";
    QTest::newRow("7") << 7 << "--cde--";
    QTest::newRow("8") << 8 << "abcdefg";
    QTest::newRow("9") << 9 << "a-cdefg";
    QTest::newRow("10") << 10 << "-------";
    QTest::newRow("-1") << -1 << "-------";
}

// Each segment's centre pixel, on the rendered control, in both sizes the program uses.
void TestImageCyfra::litSegmentsOfDigits()
{
    QFETCH(int, digit);
    QFETCH(QString, lit);
    for (QSize size : {QSize(50, 80), QSize(33, 57)}) {
        TImageCyfra control;
        control.resize(size);
        control.setCyfra(digit);
        const QImage image = renderOf(control);
        const auto l = CyfraGeometry::layout(size.width(), size.height(), 5);
        QString seen;
        for (int i = 0; i < 7; ++i) {
            const QPoint centre = segmentCentre(l, CyfraGeometry::DrawingOrder[i]);
            seen += image.pixel(centre) == Black ? QChar(SegmentLetters[i]) : QChar('-');
        }
        QVERIFY2(seen == lit,
            qPrintable(QStringLiteral("%1x%2: %3").arg(size.width()).arg(size.height()).arg(seen)));
    }
}

void TestImageCyfra::pictureFollowsGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("colon");
    for (int digit = 0; digit <= 9; ++digit) {
        QTest::addRow("50x80 digit %d", digit) << QSize(50, 80) << 5 << digit << false;
        QTest::addRow("33x57 digit %d colon", digit) << QSize(33, 57) << 5 << digit << true;
    }
    QTest::newRow("33x57 thickness 7") << QSize(33, 57) << 7 << 8 << true;
    QTest::newRow("33x57 thickness 4") << QSize(33, 57) << 4 << 8 << true;
    QTest::newRow("33x57 thickness 1") << QSize(33, 57) << 1 << 8 << false;
    QTest::newRow("120x200 thickness 12") << QSize(120, 200) << 12 << 8 << true;
}

// Every pixel of the rendered control against the polygons and squares of the geometry.
void TestImageCyfra::pictureFollowsGeometry()
{
    QFETCH(QSize, size);
    QFETCH(int, thickness);
    QFETCH(int, digit);
    QFETCH(bool, colon);
    TImageCyfra control;
    control.resize(size);
    control.setGrubosc(thickness);
    control.setDwukropek(colon);
    control.setCyfra(digit);
    const QImage actual = renderOf(control);
    const QImage expected = expectedPicture(size, thickness, digit, colon, Silver, Black);
    const QString difference = firstDifference(actual, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestImageCyfra::exactPixels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("colon");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("lit");
    const QSize big(50, 80);
    const QSize clock(33, 57);
    // Default size, digit 8: anchors of the left segments and the top one, and the width 2h + 1.
    QTest::newRow("50x80 upper left tip") << big << false << QPoint(8, 10) << true;
    QTest::newRow("50x80 lower left tip") << big << false << QPoint(8, 38) << true;
    QTest::newRow("50x80 right tip") << big << false << QPoint(38, 68) << true;
    QTest::newRow("50x80 top start") << big << false << QPoint(9, 9) << true;
    QTest::newRow("50x80 bottom end") << big << false << QPoint(37, 69) << true;
    QTest::newRow("50x80 left edge") << big << false << QPoint(6, 20) << true;
    QTest::newRow("50x80 beyond left edge") << big << false << QPoint(5, 20) << false;
    QTest::newRow("50x80 beyond inner edge") << big << false << QPoint(11, 20) << false;
    // Clock digit: colon squares x 28..32, y 15..19 and 37..41.
    QTest::newRow("33x57 colon upper corner") << clock << true << QPoint(28, 15) << true;
    QTest::newRow("33x57 colon upper end") << clock << true << QPoint(32, 19) << true;
    QTest::newRow("33x57 colon below upper") << clock << true << QPoint(30, 20) << false;
    QTest::newRow("33x57 colon above upper") << clock << true << QPoint(30, 14) << false;
    QTest::newRow("33x57 colon left of") << clock << true << QPoint(27, 17) << false;
    QTest::newRow("33x57 colon lower corner") << clock << true << QPoint(28, 37) << true;
    QTest::newRow("33x57 colon lower end") << clock << true << QPoint(32, 41) << true;
    QTest::newRow("33x57 colon below lower") << clock << true << QPoint(30, 42) << false;
    QTest::newRow("33x57 colon above lower") << clock << true << QPoint(30, 36) << false;
    QTest::newRow("33x57 no colon") << clock << false << QPoint(30, 17) << false;
    // Clock digit outline: right segments end at x 26, top at y 7, bottom at y 49.
    QTest::newRow("33x57 right edge") << clock << true << QPoint(26, 20) << true;
    QTest::newRow("33x57 right of digit") << clock << true << QPoint(27, 20) << false;
    QTest::newRow("33x57 top edge") << clock << false << QPoint(14, 7) << true;
    QTest::newRow("33x57 above top") << clock << false << QPoint(14, 6) << false;
    QTest::newRow("33x57 bottom edge") << clock << false << QPoint(14, 49) << true;
    QTest::newRow("33x57 below bottom") << clock << false << QPoint(14, 50) << false;
    // Pointed tips and the diagonal seams between neighbouring segments.
    QTest::newRow("33x57 tip") << clock << false << QPoint(5, 10) << true;
    QTest::newRow("33x57 beside tip") << clock << false << QPoint(4, 10) << false;
    QTest::newRow("33x57 top start") << clock << false << QPoint(6, 9) << true;
    QTest::newRow("33x57 seam above tip") << clock << false << QPoint(5, 9) << false;
    QTest::newRow("33x57 seam beside top") << clock << false << QPoint(6, 10) << false;
    QTest::newRow("33x57 upper left end") << clock << false << QPoint(5, 27) << true;
    QTest::newRow("33x57 seam at middle") << clock << false << QPoint(5, 28) << false;
    QTest::newRow("33x57 lower left start") << clock << false << QPoint(5, 29) << true;
    QTest::newRow("33x57 middle end") << clock << false << QPoint(23, 28) << true;
    QTest::newRow("33x57 seam right of middle") << clock << false << QPoint(24, 28) << false;
}

void TestImageCyfra::exactPixels()
{
    QFETCH(QSize, size);
    QFETCH(bool, colon);
    QFETCH(QPoint, pixel);
    QFETCH(bool, lit);
    TImageCyfra control;
    control.resize(size);
    control.setDwukropek(colon);
    QCOMPARE(renderOf(control).pixel(pixel), lit ? Black : Silver);
}

void TestImageCyfra::outOfRangeDigits_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("colon");
    QTest::newRow("10") << 10 << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("1000") << 1000 << false;
    QTest::newRow("10 with colon") << 10 << true;
    QTest::newRow("-1 with colon") << -1 << true;
}

void TestImageCyfra::outOfRangeDigits()
{
    QFETCH(int, digit);
    QFETCH(bool, colon);
    TImageCyfra control;
    control.resize(33, 57);
    control.setDwukropek(colon);
    control.setCyfra(digit);
    QCOMPARE(control.Cyfra(), digit);
    const QImage image = renderOf(control);
    QCOMPARE(countPixels(image, Black), colon ? 2 * 5 * 5 : 0);
    QCOMPARE(countPixels(image, Silver), 33 * 57 - countPixels(image, Black));
}

void TestImageCyfra::thicknessChange()
{
    TImageCyfra control;
    control.resize(33, 57);
    control.setCyfra(1);
    control.setGrubosc(7);
    QCOMPARE(control.segmentLength(), 15);
    QImage image = renderOf(control);
    // Upper right segment now at x 22 (5 + 2 + 15), seven pixels wide: 19..25, from y 12.
    QCOMPARE(image.pixel(19, 20), Black);
    QCOMPARE(image.pixel(25, 20), Black);
    QCOMPARE(image.pixel(18, 20), Silver);
    QCOMPARE(image.pixel(26, 20), Silver);
    QCOMPARE(image.pixel(22, 12), Black);
    QCOMPARE(image.pixel(22, 11), Silver);

    control.setGrubosc(3);
    image = renderOf(control);
    // Thinner: three pixels wide around x 5 + 2 + 19 = 26.
    QCOMPARE(control.segmentLength(), 19);
    QCOMPARE(image.pixel(25, 20), Black);
    QCOMPARE(image.pixel(27, 20), Black);
    QCOMPARE(image.pixel(24, 20), Silver);
    QCOMPARE(image.pixel(28, 20), Silver);
}

void TestImageCyfra::colours()
{
    TImageCyfra control;
    control.resize(33, 57);
    control.setDwukropek(true);
    control.setCyfra(7);
    control.setColorTla(QColor(10, 20, 30));
    control.setColorKreski(QColor(250, 200, 0));
    const QImage image = renderOf(control);
    const QRgb back = qRgb(10, 20, 30);
    const QRgb front = qRgb(250, 200, 0);
    const QString difference
        = firstDifference(image, expectedPicture({33, 57}, 5, 7, true, back, front));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// The clock pages and anyone debugging reach the properties by these names.
void TestImageCyfra::propertiesByName()
{
    TImageCyfra control;
    QVERIFY(control.setProperty("Cyfra", 3));
    QVERIFY(control.setProperty("Grubosc", 6));
    QVERIFY(control.setProperty("Dwukropek", true));
    QVERIFY(control.setProperty("ColorTla", QColor(Qt::white)));
    QVERIFY(control.setProperty("ColorKreski", QColor(Qt::red)));
    QCOMPARE(control.Cyfra(), 3);
    QCOMPARE(control.Grubosc(), 6);
    QVERIFY(control.Dwukropek());
    QCOMPARE(control.ColorTla(), QColor(Qt::white));
    QCOMPARE(control.ColorKreski(), QColor(Qt::red));
}

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

void TestImageCyfra::everySetterRepaints()
{
    TImageCyfra control;
    control.resize(33, 57);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    PaintCounter counter;
    control.installEventFilter(&counter);

    const QList<std::function<void()>> sameValueSetters = {
        [&] { control.setCyfra(control.Cyfra()); },
        [&] { control.setGrubosc(control.Grubosc()); },
        [&] { control.setDwukropek(control.Dwukropek()); },
        [&] { control.setColorTla(control.ColorTla()); },
        [&] { control.setColorKreski(control.ColorKreski()); },
    };
    for (int i = 0; i < sameValueSetters.size(); ++i) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        sameValueSetters[i]();
        QTRY_VERIFY2(counter.paints > 0, qPrintable(QStringLiteral("setter %1").arg(i)));
    }
}

void TestImageCyfra::resizeRunsChange()
{
    TImageCyfra control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QSignalSpy spy(&control, &TImageCyfra::changed);
    control.resize(33, 57);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<TImageCyfra *>(), &control);
    QCOMPARE(control.segmentLength(), 17);
    control.setCyfra(4); // property changes redraw without running Change
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestImageCyfra)
#include "tst_imagecyfra.moc"
