#include "TestEnv.h"
#include "controls/SliderGeometry.h"
#include "controls/TPotencjometr.h"

#include <QBitmap>
#include <QPixmap>
#include <QTest>

#include <climits>

using namespace SliderGeometry;
using Colours = QList<QColor>;

struct Case
{
    int position, min, max, travel, lowest, left;
};
Q_DECLARE_METATYPE(Case)

namespace {

// The default control: buttons 0..13 and 186..199 x 13..26, track 14..185 x 16..23, thumb
// 10 x 16 at y 12 travelling from x 14 to x 176 (95 at Position 50).
const int Lowest = 14;
const QPoint DownButton(7, 20), UpButton(193, 20);
const QColor Background(0xF0, 0xF0, 0xF0), Track(0xA0, 0xA0, 0xA0), Silver(0xC0, 0xC0, 0xC0),
    Sky(0x20, 0xC0, 0xFF), White(Qt::white), Black(Qt::black), Grey = FrameGrey;

QPixmap filled(int width, int height, const QColor &colour)
{
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

// A shown slider whose auto-repeat only the test drives; events gets "S" for each OnScroll and
// "C" for each OnCanScroll.
struct Slider : TPotencjometr
{
    QString events;

    Slider()
    {
        setRepeatInterval(0);
        connect(this, &TPotencjometr::OnScroll, [this] { events += 'S'; });
        connect(this, &TPotencjometr::OnCanScroll, [this] { events += 'C'; });
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    void press(QPoint at) { QTest::mousePress(this, Qt::LeftButton, {}, at); }
    void moveTo(QPoint at) { QTest::mouseMove(this, at); }
    void release(QPoint at) { QTest::mouseRelease(this, Qt::LeftButton, {}, at); }
    void ticks(int count)
    {
        while (count-- > 0)
            repeatTick();
    }
    int left() const { return thumbRect().left(); }
    Colours pixels(const QList<QPoint> &points)
    {
        const QImage image = grab().toImage();
        Colours colours;
        for (QPoint point : points)
            colours << image.pixelColor(point);
        return colours;
    }
};

} // namespace

class TestPotencjometr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void layoutAndClamps();
    void thumbAndPosition_data();
    void thumbAndPosition();
    void programChangesLayOutSilently();
    void draggingAndClicks();
    void stepButtonsRepeat();
    void drawing();
};

void TestPotencjometr::layoutAndClamps()
{
    // Client, left and right buttons, track height and shifts, thumb and its shifts.
    Layout l = layout({{200, 40}, {20, 41}, {16, 10}, 7, 3, 2, {11, 21}, -1, 4, 5});
    // (40 - 41) / 2 truncates to 0.
    QCOMPARE((QList {l.buttonDown, l.buttonUp, l.track}),
        (QList {QRect(0, 0, 20, 41), QRect(184, 15, 16, 10), QRect(18, 16, 169, 7)}));
    QCOMPARE((QList<int> {l.thumbTop, l.lowest, l.highest, l.travel}), (QList {8, 13, 180, 167}));
    l.highest = 10; // a thumb wider than its track stays at the lowest
    QCOMPARE(clampThumb(12, l), 13);
    QCOMPARE(clampPosition(100, 50, 40), 50); // Max first, then Min
}

// Each row holds both ways: the thumb's left for the position, and the position for that left.
void TestPotencjometr::thumbAndPosition_data()
{
    QTest::addColumn<Case>("c");
    QTest::newRow("pixel 2.5 rounds down to even") << Case {1, 0, 2, 5, 0, 2};
    QTest::newRow("value 2.5 rounds down to even") << Case {2, 0, 5, 2, 0, 1};
    // 3.49995 is a tie at four decimals: 3.5000, then 4; rounded once it would be 3.
    QTest::newRow("value 3.49995 rounds twice to 4") << Case {4, 0, 23333, 20000, 0, 3};
    QTest::newRow("value 3.49994 stays 3") << Case {3, 0, 349994, 100000, 0, 1};
    QTest::newRow("offset by lowest and min") << Case {-40, -50, 50, 100, 2, 12};
    QTest::newRow("empty range") << Case {7, 7, 7, 100, 5, 5};
    QTest::newRow("whole int range") << Case {0, INT_MIN, INT_MAX, 1000, 0, 500};
}

void TestPotencjometr::thumbAndPosition()
{
    QFETCH(Case, c);
    QCOMPARE(thumbLeft(c.position, c.min, c.max, c.travel, c.lowest), c.left);
    QCOMPARE(positionFromThumb(c.left, c.min, c.max, c.travel, c.lowest), c.position);
}

void TestPotencjometr::programChangesLayOutSilently()
{
    Slider s;
    s.setMax(255);
    s.setPosition(300);
    QCOMPARE(s.Position(), 255);
    s.setPosition(-5);
    QCOMPARE(s.Position(), 0);
    s.setPosition(100);
    QCOMPARE(s.Position(), 101); // no pixel stands for 100
    s.setMin(110);
    QCOMPARE(s.Position(), 110);
    s.setMin(0); // a Min below Position keeps it
    s.setMax(40);
    QCOMPARE(s.Position(), 40);

    s.resize(300, 40);
    QCOMPARE(s.left(), 300 - 14 - 10);
    s.ButtonDown().setWidth(30);
    QCOMPARE(s.trackRect(), QRect(30, 16, 256, 8));
    s.Suwak().setShiftVertical(3);
    QCOMPARE(s.thumbRect(), QRect(276, 15, 10, 16));
    s.Podstawa().setHeight(20);
    QCOMPARE(s.trackRect(), QRect(30, 10, 256, 20));
    s.ButtonUp().setHeight(20);
    QCOMPARE(s.labelRect().top(), 10 + 20 + 1);

    // A thumb as wide as the track has no pixel per value, but Position stays in range.
    s.Suwak().setWidth(256);
    s.setMin(55);
    QCOMPARE(s.Position(), 55);
    s.ticks(10);
    QCOMPARE(s.events, QString());
}

void TestPotencjometr::draggingAndClicks()
{
    Slider s;
    s.press(QPoint(Lowest + 7, 20));
    s.moveTo(QPoint(96 + 7, 0));
    QCOMPARE(s.Position(), 51); // 50.617
    s.moveTo(QPoint(500, 20));
    QCOMPARE(s.Position(), 100);
    s.moveTo(QPoint(-300, 20));
    QCOMPARE(s.Position(), 0);
    s.release(QPoint(-300, 20));
    QCOMPARE(s.events, QStringLiteral("SSSC"));

    // A click on the thumb ends a movement that moved nothing; at the end a step still reports;
    // other clicks do nothing.
    QTest::mouseClick(&s, Qt::LeftButton, {}, s.thumbRect().center());
    QTest::mouseClick(&s, Qt::LeftButton, {}, DownButton);
    QTest::mouseClick(&s, Qt::RightButton, {}, UpButton);
    s.press(QPoint(80, 20));
    s.moveTo(QPoint(120, 35));
    s.release(QPoint(120, 35));
    QCOMPARE(s.left(), Lowest);
    QCOMPARE(s.events, QStringLiteral("SSSCCSC"));
}

// Each step moves the thumb one pixel.
void TestPotencjometr::stepButtonsRepeat()
{
    Slider s;
    s.setPosition(50);
    s.ticks(7); // ticks before a press count up to the cap; the press starts again
    s.press(UpButton);
    s.ticks(3);
    QCOMPARE(s.left(), 96);
    s.ticks(1); // the first repeat comes on the fourth tick
    QCOMPARE(s.left(), 97);
    s.ticks(6); // half a second
    QCOMPARE(s.left(), 95 + 8);
    s.release(UpButton);
    s.ticks(10);
    s.press(DownButton);
    s.ticks(4);
    s.release(DownButton);
    QCOMPARE(s.left(), 103 - 2);
    QCOMPARE(s.events, QStringLiteral("SSSSSSSSCSSC"));

    QCOMPARE(TPotencjometr().repeatInterval(), 50);
    s.setRepeatInterval(1);
    s.press(UpButton);
    QTRY_VERIFY(s.left() > 101 + 2);
    s.hide(); // a release that never comes must not leave the button repeating
    const int left = s.left();
    QTest::qWait(20);
    QCOMPARE(s.left(), left);
    s.release(UpButton);
}

void TestPotencjometr::drawing()
{
    Slider s;
    s.setPosition(50);
    // Sunken track: grey and white, inside them the colour halved toward 111 and toward 255; the
    // bottom-right owns the corners. Raised thumb: white and grey, then frames toward the colour.
    QCOMPARE(s.pixels({{14, 16}, {185, 16}, {14, 23}, {15, 17}, {184, 17}, {60, 19}}),
        (Colours {Grey, White, White, QColor(135, 135, 135), QColor(207, 207, 207), Track}));
    QCOMPARE(s.pixels({{95, 12}, {104, 12}, {96, 13}, {103, 26}, {97, 14}}),
        (Colours {White, Grey, QColor(213, 213, 213), QColor(165, 165, 165), Silver}));
    // The arrows point outwards.
    QCOMPARE(s.pixels({{191, 17}, {195, 19}, {7, 17}}), (Colours {Black, Silver, Black}));
    // The digits are pressed against the right edge.
    const QImage label = s.grab(QRect(150, 28, 50, 12)).toImage();
    const QBitmap ink
        = QBitmap::fromImage(label.createMaskFromColor(Background.rgb(), Qt::MaskInColor));
    const QRect inked = QRegion(ink).boundingRect();
    QVERIFY2(inked.left() > 30 && inked.right() >= 45, qPrintable(QString::number(inked.left())));

    // Pressed, a button sinks in its own colour; released, it rises again.
    s.ButtonUp().setColor(Sky);
    s.ButtonUp().setWidth3D(2);
    s.press(UpButton);
    QCOMPARE(s.pixels({{186, 13}, {199, 13}, {187, 14}, {198, 25}, {193, 20}}),
        (Colours {Grey, White, QColor(71, 151, 183), QColor(143, 223, 255), Black}));
    s.release(UpButton);
    // (111 - 192) / 2 is -40: the division truncates toward zero.
    QCOMPARE(s.pixels({{186, 13}, {187, 14}, {198, 25}}),
        (Colours {White, QColor(33, 193, 255), QColor(33, 191, 255)}));

    // Position 51 puts the thumb at 97.
    s.Podstawa().setCtl3D(false);
    s.Suwak().setCtl3D(false);
    s.ButtonUp().setCtl3D(false);
    QCOMPARE(s.pixels({{14, 16}, {97, 12}, {186, 13}}), (Colours {Track, Silver, Sky}));

    // The label box: from x 200 - 30, one pixel below the right button.
    s.PosLabel().setTransparent(false);
    s.PosLabel().setColor(Qt::cyan);
    QCOMPARE(
        s.pixels({{170, 28}, {169, 28}, {170, 27}}), (Colours {Qt::cyan, Background, Background}));

    // Pictures size their parts and the track follows; a pressed icon moves down right.
    s.setObrazekUp(filled(10, 12, Qt::red));
    s.setObrazekDown(filled(10, 12, Qt::blue));
    s.setObrazekSuw(filled(6, 20, Qt::blue));
    QCOMPARE(s.pixels({{190, 14}, {199, 25}, {189, 16}, {9, 25}, {10, 16}, {99, 10}, {104, 29}}),
        (Colours {Qt::red, Qt::red, Track, Qt::blue, Track, Qt::blue, Qt::blue}));
    s.press(DownButton);
    QCOMPARE(s.pixels({{0, 14}, {1, 14}, {1, 15}, {10, 26}, {190, 14}}),
        (Colours {Background, Background, Qt::blue, Qt::blue, Qt::red}));
    s.release(DownButton);

    // A colour undoes a picture.
    s.setObrazekTlo(filled(50, 40, Qt::yellow));
    QCOMPARE(s.pixels({{30, 2}, {60, 2}}), (Colours {Qt::yellow, Background}));
    s.setColor(Qt::darkBlue);
    s.Suwak().setColor(Qt::green);
    s.ButtonUp().setColor(Qt::yellow);
    QCOMPARE(s.pixels({{30, 2}, {60, 2}, {101, 20}, {196, 22}}),
        (Colours {Qt::darkBlue, Qt::darkBlue, Qt::green, Qt::yellow}));
    s.Podstawa().setVisible(false);
    s.Suwak().setVisible(false);
    s.ButtonUp().setVisible(false);
    s.PosLabel().setVisible(false);
    QCOMPARE(s.pixels({{60, 19}, {101, 20}, {196, 22}, {170, 28}}), Colours(4, Qt::darkBlue));
}

QTEST_MAIN(TestPotencjometr)
#include "tst_potencjometr.moc"
