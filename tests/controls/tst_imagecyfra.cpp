#include "controls/CyfraGeometry.h"
#include "controls/TImageCyfra.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

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

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestImageCyfra : public QObject
{
    Q_OBJECT

private slots:
    void litSegmentsOfDigits_data();
    void litSegmentsOfDigits();
    void exactPixels_data();
    void exactPixels();
    void outOfRangeDigits();
    void propertiesByNameRedraw();
    void everySetterRepaints();
    void resizeRunsChange();
};

void TestImageCyfra::litSegmentsOfDigits_data()
{
    // Segments in drawing order: upper left, lower left, upper right, lower right, top, middle,
    // bottom.
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("lit");
    const char *const table[] = {"abcde-g", "--cd---", "-bc-efg", "--cdefg", "a-cd-f-", "a--defg",
        "ab-defg", "--cde--", "abcdefg", "a-cdefg"};
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("%d", digit) << digit << QString::fromLatin1(table[digit]);
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
            const auto segment = CyfraGeometry::DrawingOrder[i];
            const QPoint a = CyfraGeometry::anchor(l, segment);
            const QPoint centre = CyfraGeometry::isVertical(segment) ? a + QPoint(0, l.length / 2)
                                                                     : a + QPoint(l.length / 2, 0);
            seen += image.pixel(centre) == Black ? QChar('a' + i) : QChar('-');
        }
        QVERIFY2(seen == lit, qPrintable(QStringLiteral("%1x%2: %3").arg(size.width()).arg(seen)));
    }
}

void TestImageCyfra::exactPixels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<bool>("colon");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("lit");
    const QSize big(50, 80);
    const QSize clock(33, 57);
    // Default size, digit 8: anchors of the segments and the width 2h + 1.
    QTest::newRow("50x80 upper left tip") << big << 5 << false << QPoint(8, 10) << true;
    QTest::newRow("50x80 right tip") << big << 5 << false << QPoint(38, 68) << true;
    QTest::newRow("50x80 left edge") << big << 5 << false << QPoint(6, 20) << true;
    QTest::newRow("50x80 beyond left edge") << big << 5 << false << QPoint(5, 20) << false;
    // Clock digit: colon squares x 28..32, y 15..19 and 37..41.
    QTest::newRow("33x57 colon upper corner") << clock << 5 << true << QPoint(28, 15) << true;
    QTest::newRow("33x57 colon below upper") << clock << 5 << true << QPoint(30, 20) << false;
    QTest::newRow("33x57 colon above upper") << clock << 5 << true << QPoint(30, 14) << false;
    QTest::newRow("33x57 colon left of") << clock << 5 << true << QPoint(27, 17) << false;
    QTest::newRow("33x57 colon lower end") << clock << 5 << true << QPoint(32, 41) << true;
    QTest::newRow("33x57 colon below lower") << clock << 5 << true << QPoint(30, 42) << false;
    QTest::newRow("33x57 colon above lower") << clock << 5 << true << QPoint(30, 36) << false;
    QTest::newRow("33x57 no colon") << clock << 5 << false << QPoint(30, 17) << false;
    // Clock digit outline, pointed tips and the diagonal seams between neighbouring segments.
    QTest::newRow("33x57 right edge") << clock << 5 << true << QPoint(26, 20) << true;
    QTest::newRow("33x57 right of digit") << clock << 5 << true << QPoint(27, 20) << false;
    QTest::newRow("33x57 top edge") << clock << 5 << false << QPoint(14, 7) << true;
    QTest::newRow("33x57 above top") << clock << 5 << false << QPoint(14, 6) << false;
    QTest::newRow("33x57 tip") << clock << 5 << false << QPoint(5, 10) << true;
    QTest::newRow("33x57 seam above tip") << clock << 5 << false << QPoint(5, 9) << false;
    QTest::newRow("33x57 seam at middle") << clock << 5 << false << QPoint(5, 28) << false;
    QTest::newRow("33x57 middle end") << clock << 5 << false << QPoint(23, 28) << true;
    QTest::newRow("33x57 seam right of middle") << clock << 5 << false << QPoint(24, 28) << false;
    // Other thicknesses: upper right segment 19..25 wide at 7, 25..27 at 3; colon follows T.
    QTest::newRow("thickness 7 right inner") << clock << 7 << false << QPoint(19, 20) << true;
    QTest::newRow("thickness 7 inside") << clock << 7 << false << QPoint(18, 20) << false;
    QTest::newRow("thickness 7 colon lower") << clock << 7 << true << QPoint(29, 35) << true;
    QTest::newRow("thickness 7 above colon") << clock << 7 << true << QPoint(29, 34) << false;
    QTest::newRow("thickness 3 right outer") << clock << 3 << false << QPoint(27, 20) << true;
    QTest::newRow("thickness 3 outside") << clock << 3 << false << QPoint(28, 20) << false;
}

void TestImageCyfra::exactPixels()
{
    QFETCH(QSize, size);
    QFETCH(int, thickness);
    QFETCH(bool, colon);
    QFETCH(QPoint, pixel);
    QFETCH(bool, lit);
    TImageCyfra control;
    control.resize(size);
    control.setGrubosc(thickness);
    control.setDwukropek(colon);
    QCOMPARE(renderOf(control).pixel(pixel), lit ? Black : Silver);
}

void TestImageCyfra::outOfRangeDigits()
{
    for (int digit : {10, -1, 1000}) {
        for (bool colon : {false, true}) {
            TImageCyfra control;
            control.resize(33, 57);
            control.setDwukropek(colon);
            control.setCyfra(digit);
            QCOMPARE(control.Cyfra(), digit);
            const QImage image = renderOf(control);
            QCOMPARE(countPixels(image, Black), colon ? 2 * 5 * 5 : 0);
            QCOMPARE(countPixels(image, Silver), 33 * 57 - countPixels(image, Black));
        }
    }
}

// The clock pages reach the properties by these names; each change shows on the next picture.
void TestImageCyfra::propertiesByNameRedraw()
{
    TImageCyfra control;
    control.resize(33, 57);
    renderOf(control);
    QVERIFY(control.setProperty("Cyfra", 1));
    QVERIFY(control.setProperty("Grubosc", 7));
    QVERIFY(control.setProperty("Dwukropek", true));
    QVERIFY(control.setProperty("ColorTla", QColor(10, 20, 30)));
    QVERIFY(control.setProperty("ColorKreski", QColor(250, 200, 0)));
    const QImage image = renderOf(control);
    QCOMPARE(image.pixel(19, 20), qRgb(250, 200, 0)); // upper right, 7 wide
    QCOMPARE(image.pixel(5, 20), qRgb(10, 20, 30)); // upper left, off for 1
    QCOMPARE(image.pixel(29, 35), qRgb(250, 200, 0)); // lower colon square at thickness 7
}

void TestImageCyfra::everySetterRepaints()
{
    TImageCyfra control;
    control.resize(33, 57);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    PaintCounter counter;
    control.installEventFilter(&counter);
    for (const char *name : {"Cyfra", "Grubosc", "Dwukropek", "ColorTla", "ColorKreski"}) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        QVERIFY(control.setProperty(name, control.property(name)));
        QTRY_VERIFY2(counter.paints > 0, name);
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
    control.resize(10, 10);
    QCOMPARE(control.segmentLength(), -6); // (10 - 23) / 2 truncates toward zero
    renderOf(control); // a figure too small for its segments still draws
    QCOMPARE(spy.count(), 2);
    control.setCyfra(4); // property changes redraw without running Change
    QCOMPARE(spy.count(), 2);
}

QTEST_MAIN(TestImageCyfra)
#include "tst_imagecyfra.moc"
