#include "TestEnv.h"
#include "controls/SliderGeometry.h"
#include "controls/TPotencjometr.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <climits>

using namespace SliderGeometry;

Q_DECLARE_METATYPE(SliderGeometry::Input)

namespace {

// The default control: buttons 14 x 14 at both ends, track 172 x 8 from x 14 at y 16, thumb
// 10 x 16 at y 12 travelling 162 pixels from x 14 to x 176.
const int DefaultLowest = 14;
const int DefaultHighest = 176;
const QPoint DownButtonCentre(7, 20);
const QPoint UpButtonCentre(193, 20);

const QColor Background(0xF0, 0xF0, 0xF0);
const QColor Silver(0xC0, 0xC0, 0xC0);

QImage renderOf(TPotencjometr &slider)
{
    QImage image(slider.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    slider.render(&image);
    return image;
}

QPixmap filled(int width, int height, const QColor &colour)
{
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

// Shown so that mouse events reach it; the auto-repeat is driven by the test alone.
void prepare(TPotencjometr &slider)
{
    slider.setRepeatInterval(0);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
}

// "S" for each OnScroll, "C" for each OnCanScroll, in the order they came.
class EventLog
{
public:
    explicit EventLog(TPotencjometr &slider)
    {
        QObject::connect(&slider, &TPotencjometr::OnScroll, &slider,
            [this, &slider](TPotencjometr *sender) { note('S', sender == &slider); });
        QObject::connect(&slider, &TPotencjometr::OnCanScroll, &slider,
            [this, &slider](TPotencjometr *sender) { note('C', sender == &slider); });
    }
    QString text;

private:
    void note(char event, bool fromSlider) { text += fromSlider ? QChar(event) : QChar('?'); }
};

int thumbLeftOf(const TPotencjometr &slider)
{
    return slider.thumbRect().left();
}

} // namespace

class TestPotencjometr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }

    void layoutOfParts_data();
    void layoutOfParts();
    void thumbLeftFromPosition_data();
    void thumbLeftFromPosition();
    void positionFromThumb_data();
    void positionFromThumb();
    void clamping();
    void frameLines();
    void frameColours();
    void framesOfParts();
    void arrowsPointOutwardsInsideTheButton();

    void defaults();
    void positionSetterClampsAndSnaps_data();
    void positionSetterClampsAndSnaps();
    void minAndMaxPullPositionInside();
    void settingsAndResizeLayOutAgain();
    void programmaticChangesFireNothing();

    void draggingFollowsTheGrabPoint();
    void draggingPastEitherEndStops();
    void clickOnThumbFiresCanScrollOnce();
    void clicksBesideThePartsDoNothing();
    void stepButtonsMoveOnePixel();
    void autoRepeatTiming_data();
    void autoRepeatTiming();
    void theTimerDrivesTheRepeat();
    void hidingReleasesTheButton();

    void trackIsDrawnSunken();
    void thumbIsDrawnRaised();
    void pressedButtonIsDrawnSunken();
    void pressedIconButtonMovesOnePixel();
    void picturesSizeTheirPartsAndColoursUndoThem();
    void backgroundPictureAndColour();
    void positionLabel();
};

void TestPotencjometr::layoutOfParts_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QRect>("buttonDown");
    QTest::addColumn<QRect>("buttonUp");
    QTest::addColumn<QRect>("track");
    QTest::addColumn<int>("thumbTop");
    QTest::addColumn<int>("travel");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");

    Input plain;
    plain.client = QSize(200, 40);
    plain.buttonDown = plain.buttonUp = QSize(14, 14);
    plain.trackHeight = 8;
    plain.thumb = QSize(10, 16);
    QTest::newRow("default parts") << plain << QRect(0, 13, 14, 14) << QRect(186, 13, 14, 14)
                                   << QRect(14, 16, 172, 8) << 12 << 162 << 14 << 176;

    Input shifted;
    shifted.client = QSize(200, 40);
    shifted.buttonDown = QSize(20, 30);
    shifted.buttonUp = QSize(16, 10);
    shifted.trackHeight = 7;
    shifted.trackShiftUp = 3;
    shifted.trackShiftDown = 2;
    shifted.thumb = QSize(11, 21);
    shifted.thumbShiftVertical = -1;
    shifted.thumbShiftUp = 4;
    shifted.thumbShiftDown = 5;
    QTest::newRow("shifts") << shifted << QRect(0, 5, 20, 30) << QRect(184, 15, 16, 10)
                            << QRect(18, 16, 169, 7) << 8 << 167 << 13 << 180;

    // Halving truncates toward zero, also for parts taller than the control.
    Input low = plain;
    low.client = QSize(100, 11);
    low.trackHeight = 5;
    low.thumb = QSize(9, 15);
    QTest::newRow("parts taller than the control")
        << low << QRect(0, -1, 14, 14) << QRect(86, -1, 14, 14) << QRect(14, 3, 72, 5) << -2 << 63
        << 14 << 77;
}

void TestPotencjometr::layoutOfParts()
{
    QFETCH(Input, input);
    const Layout l = layout(input);
    QTEST(l.buttonDown, "buttonDown");
    QTEST(l.buttonUp, "buttonUp");
    QTEST(l.track, "track");
    QTEST(l.thumbTop, "thumbTop");
    QTEST(l.travel, "travel");
    QTEST(l.lowest, "lowest");
    QTEST(l.highest, "highest");
    QCOMPARE(l.highest, l.lowest + l.travel);
    QCOMPARE(l.background, QRect(QPoint(0, 0), input.client));
}

void TestPotencjometr::thumbLeftFromPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("travel");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("left");
    QTest::newRow("middle") << 50 << 0 << 100 << 162 << 14 << 95;
    QTest::newRow("min") << 0 << 0 << 100 << 162 << 14 << 14;
    QTest::newRow("max") << 100 << 0 << 100 << 162 << 14 << 176;
    QTest::newRow("2.5 rounds down to even") << 1 << 0 << 2 << 5 << 0 << 2;
    QTest::newRow("7.5 rounds up to even") << 3 << 0 << 2 << 5 << 0 << 8;
    QTest::newRow("-2.5 rounds to even") << -1 << 0 << 2 << 5 << 0 << -2;
    QTest::newRow("negative range") << -20 << -50 << 50 << 100 << 3 << 33;
    QTest::newRow("range wider than travel") << 200000 << 0 << 1000000 << 162 << 14 << 46;
    QTest::newRow("empty range") << 7 << 7 << 7 << 100 << 5 << 5;
    QTest::newRow("whole int range") << 0 << INT_MIN << INT_MAX << 1000 << 0 << 500;
}

void TestPotencjometr::thumbLeftFromPosition()
{
    QFETCH(int, position);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, travel);
    QFETCH(int, lowest);
    QTEST(thumbLeft(position, min, max, travel, lowest), "left");
}

void TestPotencjometr::positionFromThumb_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("travel");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("position");
    QTest::newRow("middle") << 95 << 0 << 100 << 162 << 14 << 50;
    QTest::newRow("lowest is min") << 14 << 0 << 100 << 162 << 14 << 0;
    QTest::newRow("highest is max") << 176 << 0 << 100 << 162 << 14 << 100;
    QTest::newRow("100.74 on 0..255") << 78 << 0 << 255 << 162 << 14 << 101;
    QTest::newRow("2.5 rounds down to even") << 1 << 0 << 5 << 2 << 0 << 2;
    QTest::newRow("7.5 rounds up to even") << 3 << 0 << 5 << 2 << 0 << 8;
    // 3.49995 is a tie at four decimals: 3.5000, then 4; rounded once it would be 3.
    QTest::newRow("3.49995 rounds twice to 4") << 3 << 0 << 23333 << 20000 << 0 << 4;
    QTest::newRow("3.49996 rounds twice to 4") << 1 << 0 << 87499 << 25000 << 0 << 4;
    QTest::newRow("3.49994 stays 3") << 1 << 0 << 349994 << 100000 << 0 << 3;
    QTest::newRow("2.49995 goes to 2.5, then 2") << 1 << 0 << 49999 << 20000 << 0 << 2;
    QTest::newRow("offset by min") << 10 << -50 << 50 << 100 << 0 << -40;
    QTest::newRow("no overflow") << 81 << -2000000000 << 2000000000 << 162 << 0 << 0;
}

void TestPotencjometr::positionFromThumb()
{
    QFETCH(int, left);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, travel);
    QFETCH(int, lowest);
    QTEST(SliderGeometry::positionFromThumb(left, min, max, travel, lowest), "position");
}

void TestPotencjometr::clamping()
{
    QCOMPARE(clampPosition(300, 0, 255), 255);
    QCOMPARE(clampPosition(-5, 0, 255), 0);
    QCOMPARE(clampPosition(17, 0, 255), 17);
    QCOMPARE(clampPosition(100, 50, 40), 50); // Max first, then Min

    Layout l;
    l.lowest = 14;
    l.highest = 176;
    QCOMPARE(clampThumb(100, l), 100);
    QCOMPARE(clampThumb(13, l), 14);
    QCOMPARE(clampThumb(177, l), 176);
    l.highest = 10; // a thumb wider than its track
    QCOMPARE(clampThumb(12, l), 14);
}

void TestPotencjometr::frameLines()
{
    const QRect rect(2, 3, 5, 4);
    QCOMPARE(topLeftLines(rect), (QVector<QRect> {QRect(2, 3, 4, 1), QRect(2, 3, 1, 3)}));
    QCOMPARE(bottomRightLines(rect), (QVector<QRect> {QRect(6, 3, 1, 4), QRect(2, 6, 5, 1)}));
}

void TestPotencjometr::frameColours()
{
    const QColor mixed(0xA0, 0x40, 0x00);
    QCOMPARE(sunkenDark(mixed), QColor(135, 87, 55));
    QCOMPARE(sunkenLight(mixed), QColor(207, 159, 127));

    QCOMPARE(raisedTopLeft(Silver, 3, 1), QColor(213, 213, 213));
    QCOMPARE(raisedBottomRight(Silver, 3, 1), QColor(165, 165, 165));
    QCOMPARE(raisedTopLeft(Silver, 3, 2), Silver);
    QCOMPARE(raisedBottomRight(Silver, 3, 2), Silver);
    QCOMPARE(raisedTopLeft(Qt::black, 4, 1), QColor(129, 129, 129));
    QCOMPARE(raisedBottomRight(Qt::black, 4, 1), QColor(57, 57, 57));
    QCOMPARE(raisedTopLeft(Qt::black, 4, 3), QColor(3, 3, 3));
    // (111 - 192) / 2 is -40: the division truncates toward zero.
    const QColor sky(0x20, 0xC0, 0xFF);
    QCOMPARE(raisedTopLeft(sky, 2, 1), QColor(33, 193, 255));
    QCOMPARE(raisedBottomRight(sky, 2, 1), QColor(33, 191, 255));
}

void TestPotencjometr::framesOfParts()
{
    const QVector<Frame> raised = raisedFrames(QSize(10, 16), Silver, 3, true);
    QCOMPARE(raised.size(), 3);
    QCOMPARE(raised[0].rect, QRect(0, 0, 10, 16));
    QCOMPARE(raised[0].topLeft, QColor(Qt::white));
    QCOMPARE(raised[0].bottomRight, FrameGrey);
    QCOMPARE(raised[2].rect, QRect(2, 2, 6, 12));
    QCOMPARE(raised[2].topLeft, raisedTopLeft(Silver, 3, 2));

    QCOMPARE(raisedFrames(QSize(4, 4), Silver, 3, true).size(), 2); // the third has no pixels
    QVERIFY(raisedFrames(QSize(10, 16), Silver, 0, true).isEmpty());
    QVERIFY(raisedFrames(QSize(10, 16), Silver, 3, false).isEmpty());

    const QVector<Frame> sunken = sunkenFrames(QSize(20, 8), Silver, true);
    QCOMPARE(sunken.size(), 2);
    QCOMPARE(sunken[0].topLeft, FrameGrey);
    QCOMPARE(sunken[0].bottomRight, QColor(Qt::white));
    QCOMPARE(sunken[1].rect, QRect(1, 1, 18, 6));
    QCOMPARE(sunken[1].topLeft, sunkenDark(Silver));
    QCOMPARE(sunken[1].bottomRight, sunkenLight(Silver));
    QVERIFY(sunkenFrames(QSize(20, 8), Silver, false).isEmpty());
}

void TestPotencjometr::arrowsPointOutwardsInsideTheButton()
{
    const QRect button(186, 13, 14, 14);
    const QRect inside = button.adjusted(3, 3, -3, -3); // within the default 3D frames
    for (bool right : {true, false}) {
        const QPolygon arrow = arrowPolygon(button, right);
        QCOMPARE(arrow.size(), 3);
        QVERIFY(inside.contains(arrow.boundingRect()));
        const int tip = arrow[2].x();
        QVERIFY(right ? tip > arrow[0].x() : tip < arrow[0].x());
        QCOMPARE(arrow[0].x(), arrow[1].x());
        QCOMPARE(arrow[2].y(), (arrow[0].y() + arrow[1].y()) / 2);
    }
}

void TestPotencjometr::defaults()
{
    TPotencjometr slider;
    QCOMPARE(slider.size(), QSize(200, 40));
    QCOMPARE(slider.sizeHint(), QSize(200, 40));
    QCOMPARE(slider.Max(), 100);
    QCOMPARE(slider.Min(), 0);
    QCOMPARE(slider.Position(), 0);
    QCOMPARE(slider.repeatInterval(), 50);
    QCOMPARE(slider.Suwak().Style(), TStyle::tsButton);
    QCOMPARE(slider.ButtonUp().Style(), TStyle::tsButton);
    QCOMPARE(slider.ButtonDown().Style(), TStyle::tsButton);
    QCOMPARE(slider.trackRect(), QRect(14, 16, 172, 8));
    QCOMPARE(slider.thumbRect(), QRect(DefaultLowest, 12, 10, 16));
    QCOMPARE(slider.buttonDownRect(), QRect(0, 13, 14, 14));
    QCOMPARE(slider.buttonUpRect(), QRect(186, 13, 14, 14));
    QCOMPARE(slider.partsLayout().highest, DefaultHighest);
    QCOMPARE(slider.labelText(), QStringLiteral("0"));
    QCOMPARE(slider.labelRect().topLeft(), QPoint(170, 28));
    QVERIFY(slider.labelRect().bottom() < 40);
    QCOMPARE(slider.property("Max").toInt(), 100);
}

void TestPotencjometr::positionSetterClampsAndSnaps_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("left");
    QTest::newRow("300 on 0..255") << 255 << 300 << 255 << DefaultHighest;
    QTest::newRow("-5 on 0..255") << 255 << -5 << 0 << DefaultLowest;
    QTest::newRow("100 on 0..255 is no pixel's value") << 255 << 100 << 101 << 78;
    QTest::newRow("50 on 0..100") << 100 << 50 << 50 << 95;
}

void TestPotencjometr::positionSetterClampsAndSnaps()
{
    QFETCH(int, max);
    QFETCH(int, value);
    TPotencjometr slider;
    EventLog log(slider);
    slider.setMax(max);
    slider.setPosition(17);
    slider.setPosition(value);
    QTEST(slider.Position(), "position");
    QTEST(thumbLeftOf(slider), "left");
    QCOMPARE(slider.labelText(), QString::number(slider.Position()));
    QCOMPARE(log.text, QString());
}

void TestPotencjometr::minAndMaxPullPositionInside()
{
    TPotencjometr slider;
    slider.setPosition(10);
    slider.setMin(30);
    QCOMPARE(slider.Position(), 30);
    QCOMPARE(thumbLeftOf(slider), DefaultLowest);
    slider.setPosition(60);
    slider.setMin(10); // a Min below Position keeps it
    QCOMPARE(slider.Position(), 60);
    slider.setMax(40);
    QCOMPARE(slider.Position(), 40);
    QCOMPARE(thumbLeftOf(slider), DefaultHighest);
    slider.setMax(100);
    QCOMPARE(slider.Position(), 40);

    // Too narrow for its thumb: no pixel per value, but Position stays and stays in range.
    slider.Suwak().setWidth(200);
    QCOMPARE(slider.Position(), 40);
    QCOMPARE(thumbLeftOf(slider), DefaultLowest);
    slider.setMin(45);
    QCOMPARE(slider.Position(), 45);
}

void TestPotencjometr::settingsAndResizeLayOutAgain()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setPosition(50);
    slider.resize(300, 40);
    QTRY_COMPARE(slider.trackRect(), QRect(14, 16, 272, 8));
    QCOMPARE(thumbLeftOf(slider), 14 + 131);
    QCOMPARE(slider.Position(), 50);

    slider.ButtonDown().setWidth(30);
    QCOMPARE(slider.trackRect(), QRect(30, 16, 256, 8));
    slider.Suwak().setWidth(20);
    slider.Suwak().setShiftVertical(3);
    QCOMPARE(slider.thumbRect(), QRect(30 + 118, 15, 20, 16));
    slider.Podstawa().setHeight(20);
    QCOMPARE(slider.trackRect(), QRect(30, 10, 256, 20));
    slider.ButtonUp().setHeight(20);
    QCOMPARE(slider.labelRect().top(), 10 + 20 + 1);
    slider.PosLabel().setWidth(50);
    QCOMPARE(slider.labelRect().left(), 250);
}

void TestPotencjometr::programmaticChangesFireNothing()
{
    TPotencjometr slider;
    prepare(slider);
    EventLog log(slider);
    slider.setPosition(70);
    slider.setMax(50);
    slider.setMin(60);
    slider.setMin(0);
    slider.setMax(255);
    slider.resize(150, 40);
    slider.Suwak().setWidth(14);
    slider.setObrazekSuw(filled(8, 20, Qt::blue));
    slider.setObrazekUp(filled(8, 8, Qt::blue));
    slider.setProperty("Position", 3);
    for (int tick = 0; tick < 10; ++tick)
        slider.repeatTick();
    QCoreApplication::processEvents();
    QCOMPARE(log.text, QString());
}

void TestPotencjometr::draggingFollowsTheGrabPoint()
{
    TPotencjometr slider;
    prepare(slider);
    EventLog log(slider);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(DefaultLowest + 7, 20));
    QCOMPARE(log.text, QString());
    QTest::mouseMove(&slider, QPoint(95 + 7, 30));
    QCOMPARE(thumbLeftOf(slider), 95);
    QCOMPARE(slider.Position(), 50);
    QCOMPARE(slider.labelText(), QStringLiteral("50"));
    QTest::mouseMove(&slider, QPoint(96 + 7, 0));
    QCOMPARE(thumbLeftOf(slider), 96);
    QCOMPARE(slider.Position(), 51); // 50.617
    QTest::mouseMove(&slider, QPoint(96 + 7, 10)); // fired even without movement
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(96 + 7, 10));
    QCOMPARE(log.text, QStringLiteral("SSSC"));
    QTest::mouseMove(&slider, QPoint(20, 20)); // no longer dragging
    QCOMPARE(thumbLeftOf(slider), 96);
    QCOMPARE(log.text, QStringLiteral("SSSC"));
}

void TestPotencjometr::draggingPastEitherEndStops()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setMin(-20);
    slider.setMax(300);
    slider.setPosition(100);
    EventLog log(slider);
    const QPoint grab = slider.thumbRect().center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&slider, QPoint(500, 20));
    QCOMPARE(thumbLeftOf(slider), DefaultHighest);
    QCOMPARE(slider.Position(), 300);
    QTest::mouseMove(&slider, QPoint(-300, 20));
    QCOMPARE(thumbLeftOf(slider), DefaultLowest);
    QCOMPARE(slider.Position(), -20);
    QTest::mouseMove(&slider, QPoint(1000, 20));
    QCOMPARE(slider.Position(), 300);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(1000, 20));
    QCOMPARE(log.text, QStringLiteral("SSSC"));
}

void TestPotencjometr::clickOnThumbFiresCanScrollOnce()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setPosition(30);
    const int left = thumbLeftOf(slider);
    EventLog log(slider);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, slider.thumbRect().center());
    QCOMPARE(log.text, QStringLiteral("C"));
    QCOMPARE(thumbLeftOf(slider), left);
    QCOMPARE(slider.Position(), 30);
    // Only the left button drags.
    QTest::mouseClick(&slider, Qt::RightButton, {}, slider.thumbRect().center());
    QCOMPARE(log.text, QStringLiteral("C"));
}

void TestPotencjometr::clicksBesideThePartsDoNothing()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setPosition(50);
    EventLog log(slider);
    for (QPoint point : {QPoint(50, 20), QPoint(100, 2), QPoint(185, 35)}) {
        QTest::mousePress(&slider, Qt::LeftButton, {}, point);
        QTest::mouseMove(&slider, point + QPoint(30, 0));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, point + QPoint(30, 0));
    }
    QCOMPARE(slider.Position(), 50);
    QCOMPARE(log.text, QString());
}

void TestPotencjometr::stepButtonsMoveOnePixel()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setMax(1000);
    EventLog log(slider);
    QTest::mousePress(&slider, Qt::LeftButton, {}, UpButtonCentre);
    QCOMPARE(thumbLeftOf(slider), DefaultLowest + 1);
    QCOMPARE(slider.Position(), 6); // one pixel is 6.17 units
    QCOMPARE(log.text, QStringLiteral("S"));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, UpButtonCentre);
    QCOMPARE(log.text, QStringLiteral("SC"));

    QTest::mouseClick(&slider, Qt::LeftButton, {}, DownButtonCentre);
    QCOMPARE(slider.Position(), 0);
    // At the lower end the step still reports, without moving.
    QTest::mouseClick(&slider, Qt::LeftButton, {}, DownButtonCentre);
    QCOMPARE(thumbLeftOf(slider), DefaultLowest);
    QCOMPARE(log.text, QStringLiteral("SCSCSC"));

    slider.setPosition(1000);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, UpButtonCentre);
    QCOMPARE(thumbLeftOf(slider), DefaultHighest);
    QCOMPARE(slider.Position(), 1000);
}

void TestPotencjometr::autoRepeatTiming_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("pixels");
    QTest::newRow("press alone") << 0 << 1;
    QTest::newRow("three ticks wait") << 3 << 1;
    QTest::newRow("first repeat on the fourth tick") << 4 << 2;
    QTest::newRow("then one per tick") << 5 << 3;
    QTest::newRow("half a second") << 10 << 8;
}

void TestPotencjometr::autoRepeatTiming()
{
    QFETCH(int, ticks);
    QFETCH(int, pixels);
    for (int direction : {1, -1}) {
        TPotencjometr slider;
        prepare(slider);
        slider.setPosition(50);
        const int start = thumbLeftOf(slider);
        // Ticks before the press only count up to the cap and are reset by it.
        for (int tick = 0; tick < 7; ++tick)
            slider.repeatTick();
        EventLog log(slider);
        const QPoint button = direction > 0 ? UpButtonCentre : DownButtonCentre;
        QTest::mousePress(&slider, Qt::LeftButton, {}, button);
        for (int tick = 0; tick < ticks; ++tick)
            slider.repeatTick();
        QCOMPARE(thumbLeftOf(slider), start + direction * pixels);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, button);
        for (int tick = 0; tick < 10; ++tick)
            slider.repeatTick();
        QCOMPARE(thumbLeftOf(slider), start + direction * pixels);
        QCOMPARE(log.text, QString(pixels, QChar('S')) + QChar('C'));
    }
}

void TestPotencjometr::theTimerDrivesTheRepeat()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setRepeatInterval(1);
    QCOMPARE(slider.repeatInterval(), 1);
    QTest::mousePress(&slider, Qt::LeftButton, {}, UpButtonCentre);
    QTRY_VERIFY(thumbLeftOf(slider) > DefaultLowest + 2);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, UpButtonCentre);
}

void TestPotencjometr::hidingReleasesTheButton()
{
    TPotencjometr slider;
    prepare(slider);
    QTest::mousePress(&slider, Qt::LeftButton, {}, UpButtonCentre);
    slider.hide();
    for (int tick = 0; tick < 10; ++tick)
        slider.repeatTick();
    QCOMPARE(thumbLeftOf(slider), DefaultLowest + 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, UpButtonCentre); // QTest's own button state
}

void TestPotencjometr::trackIsDrawnSunken()
{
    TPotencjometr slider;
    slider.setPosition(50); // the thumb clear of the track's ends
    const QColor track(0xA0, 0xA0, 0xA0);
    QImage image = renderOf(slider);
    // Track 14..185 x 16..23.
    QCOMPARE(image.pixelColor(14, 16), FrameGrey);
    QCOMPARE(image.pixelColor(60, 16), FrameGrey);
    QCOMPARE(image.pixelColor(14, 22), FrameGrey);
    QCOMPARE(image.pixelColor(185, 16), QColor(Qt::white)); // the top-right corner is the right's
    QCOMPARE(image.pixelColor(14, 23), QColor(Qt::white)); // the bottom-left corner the bottom's
    QCOMPARE(image.pixelColor(185, 23), QColor(Qt::white));
    QCOMPARE(image.pixelColor(15, 17), QColor(135, 135, 135));
    QCOMPARE(image.pixelColor(184, 17), QColor(207, 207, 207));
    QCOMPARE(image.pixelColor(15, 22), QColor(207, 207, 207));
    QCOMPARE(image.pixelColor(60, 19), track);
    QCOMPARE(image.pixelColor(60, 15), Background);

    slider.Podstawa().setCtl3D(false);
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(14, 16), track);
    QCOMPARE(image.pixelColor(185, 23), track);
    slider.Podstawa().setVisible(false);
    QCOMPARE(renderOf(slider).pixelColor(60, 19), Background);
}

void TestPotencjometr::thumbIsDrawnRaised()
{
    TPotencjometr slider;
    slider.setPosition(50);
    QCOMPARE(slider.thumbRect(), QRect(95, 12, 10, 16));
    QImage image = renderOf(slider);
    QCOMPARE(image.pixelColor(95, 12), QColor(Qt::white));
    QCOMPARE(image.pixelColor(95, 26), QColor(Qt::white));
    QCOMPARE(image.pixelColor(104, 12), FrameGrey);
    QCOMPARE(image.pixelColor(95, 27), FrameGrey);
    QCOMPARE(image.pixelColor(96, 13), QColor(213, 213, 213));
    QCOMPARE(image.pixelColor(103, 26), QColor(165, 165, 165));
    QCOMPARE(image.pixelColor(97, 14), Silver);
    QCOMPARE(image.pixelColor(100, 20), Silver);

    slider.Suwak().setColor(QColor(0x20, 0xC0, 0xFF));
    slider.Suwak().setWidth3D(2);
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(95, 12), QColor(Qt::white));
    QCOMPARE(image.pixelColor(96, 13), QColor(33, 193, 255));
    QCOMPARE(image.pixelColor(103, 26), QColor(33, 191, 255));
    QCOMPARE(image.pixelColor(100, 20), QColor(0x20, 0xC0, 0xFF));
    slider.Suwak().setCtl3D(false);
    QCOMPARE(renderOf(slider).pixelColor(95, 12), QColor(0x20, 0xC0, 0xFF));
    slider.Suwak().setVisible(false);
    QCOMPARE(renderOf(slider).pixelColor(100, 12), Background);
}

void TestPotencjometr::pressedButtonIsDrawnSunken()
{
    TPotencjometr slider;
    prepare(slider);
    // Right button 186..199 x 13..26.
    QImage image = renderOf(slider);
    QCOMPARE(image.pixelColor(186, 13), QColor(Qt::white));
    QCOMPARE(image.pixelColor(199, 26), FrameGrey);
    QCOMPARE(image.pixelColor(192, 19), QColor(Qt::black)); // the arrow
    QCOMPARE(image.pixelColor(195, 19), Silver);

    QTest::mousePress(&slider, Qt::LeftButton, {}, UpButtonCentre);
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(186, 13), FrameGrey);
    QCOMPARE(image.pixelColor(199, 13), QColor(Qt::white));
    QCOMPARE(image.pixelColor(199, 26), QColor(Qt::white));
    QCOMPARE(image.pixelColor(187, 14), QColor(151, 151, 151));
    QCOMPARE(image.pixelColor(198, 25), QColor(223, 223, 223));
    QCOMPARE(image.pixelColor(193, 20), QColor(Qt::black)); // the arrow sinks with it
    QCOMPARE(slider.buttonUpRect(), QRect(186, 13, 14, 14)); // a drawn button does not move

    QTest::mouseRelease(&slider, Qt::LeftButton, {}, UpButtonCentre);
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(186, 13), QColor(Qt::white));
    QCOMPARE(image.pixelColor(187, 14), QColor(213, 213, 213));
}

void TestPotencjometr::pressedIconButtonMovesOnePixel()
{
    TPotencjometr slider;
    prepare(slider);
    slider.setPosition(50);
    slider.setObrazekUp(filled(10, 12, Qt::red));
    slider.setObrazekDown(filled(10, 12, Qt::blue));
    QCOMPARE(slider.ButtonUp().Style(), TStyle::tsIcon);
    QCOMPARE(slider.ButtonDown().Style(), TStyle::tsIcon);
    const QRect up(190, 14, 10, 12);
    const QRect down(0, 14, 10, 12);
    QCOMPARE(slider.buttonUpRect(), up);
    QCOMPARE(slider.buttonDownRect(), down);
    QCOMPARE(slider.trackRect(), QRect(10, 16, 180, 8));

    QImage image = renderOf(slider);
    QCOMPARE(image.pixelColor(190, 14), QColor(Qt::red));
    QCOMPARE(image.pixelColor(199, 25), QColor(Qt::red));
    QTest::mousePress(&slider, Qt::LeftButton, {}, up.center());
    QCOMPARE(slider.buttonUpRect(), up.translated(1, 1));
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(190, 14), Background);
    QCOMPARE(image.pixelColor(191, 14), Background);
    QCOMPARE(image.pixelColor(191, 15), QColor(Qt::red));
    QCOMPARE(image.pixelColor(199, 26), QColor(Qt::red));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, up.center());
    QCOMPARE(slider.buttonUpRect(), up);
    QCOMPARE(renderOf(slider).pixelColor(190, 14), QColor(Qt::red));

    QTest::mousePress(&slider, Qt::LeftButton, {}, down.center());
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(0, 14), Background);
    QCOMPARE(image.pixelColor(1, 15), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(10, 26), QColor(Qt::blue));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, down.center());
    QCOMPARE(renderOf(slider).pixelColor(0, 14), QColor(Qt::blue));
}

void TestPotencjometr::picturesSizeTheirPartsAndColoursUndoThem()
{
    TPotencjometr slider;
    slider.setPosition(50);
    slider.setObrazekSuw(filled(6, 20, Qt::blue));
    QCOMPARE(slider.Suwak().Style(), TStyle::tsIcon);
    QCOMPARE(slider.Suwak().Width(), 6);
    QCOMPARE(slider.Suwak().Height(), 20);
    QCOMPARE(slider.partsLayout().travel, 166);
    QCOMPARE(slider.Position(), 50);
    const QRect thumb = slider.thumbRect();
    QCOMPARE(thumb, QRect(14 + 83, 10, 6, 20));
    QCOMPARE(renderOf(slider).pixelColor(thumb.topLeft()), QColor(Qt::blue));

    slider.Suwak().setColor(Qt::green);
    QCOMPARE(slider.Suwak().Style(), TStyle::tsButton);
    QCOMPARE(renderOf(slider).pixelColor(thumb.center()), QColor(Qt::green));
    slider.Suwak().setStyle(TStyle::tsIcon);
    QCOMPARE(renderOf(slider).pixelColor(thumb.center()), QColor(Qt::blue));

    slider.setObrazekUp(filled(12, 12, Qt::red));
    slider.ButtonUp().setColor(Qt::yellow);
    QCOMPARE(slider.ButtonUp().Style(), TStyle::tsButton);
    QCOMPARE(slider.ButtonUp().Width(), 12);
    QCOMPARE(renderOf(slider).pixelColor(slider.buttonUpRect().topLeft() + QPoint(9, 8)),
        QColor(Qt::yellow));
}

void TestPotencjometr::backgroundPictureAndColour()
{
    TPotencjometr slider;
    slider.setObrazekTlo(filled(50, 40, Qt::yellow));
    QImage image = renderOf(slider);
    QCOMPARE(image.pixelColor(30, 2), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(60, 2), Background);
    slider.setColor(Qt::darkBlue);
    QVERIFY(slider.ObrazekTlo().isNull());
    image = renderOf(slider);
    QCOMPARE(image.pixelColor(30, 2), QColor(Qt::darkBlue));
    QCOMPARE(image.pixelColor(60, 2), QColor(Qt::darkBlue));
}

void TestPotencjometr::positionLabel()
{
    TPotencjometr slider;
    slider.setPosition(50);
    QCOMPARE(slider.labelText(), QStringLiteral("50"));
    const QRect label = slider.labelRect();
    QCOMPARE(label.left(), 170);
    QCOMPARE(label.top(), 28);

    // Black text, pressed against the right edge.
    QImage image = renderOf(slider);
    int rightmost = -1;
    int leftmost = 200;
    for (int y = label.top(); y <= std::min(label.bottom(), 39); ++y) {
        for (int x = label.left(); x < 200; ++x) {
            if (qGray(image.pixel(x, y)) < 0x60) {
                rightmost = std::max(rightmost, x);
                leftmost = std::min(leftmost, x);
            }
        }
    }
    QVERIFY2(rightmost >= 195, qPrintable(QString::number(rightmost)));
    QVERIFY(leftmost > 180);
    QCOMPARE(image.pixelColor(label.topLeft()), Background);

    slider.PosLabel().setTransparent(false);
    slider.PosLabel().setColor(Qt::cyan);
    QCOMPARE(renderOf(slider).pixelColor(label.topLeft()), QColor(Qt::cyan));
    slider.PosLabel().setVisible(false);
    QCOMPARE(renderOf(slider).pixelColor(label.topLeft()), Background);
}

QTEST_MAIN(TestPotencjometr)
#include "tst_potencjometr.moc"
