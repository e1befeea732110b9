#include "TestEnv.h"
#include "controls/PrzyciskLogic.h"
#include "controls/TPrzycisk.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QRgb Up = qRgb(200, 0, 0), Down = qRgb(0, 160, 0), Move = qRgb(0, 0, 200),
           MoveChecked = qRgb(220, 200, 0);

QImage solid(QRgb colour, QSize size = QSize(80, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage renderOf(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// A shown form with one blank-captioned button at (20, 20) whose four pictures are plain
// colours, so the state shows in any pixel. Mouse input goes through the window, as a user's does.
struct Form
{
    QWidget window;
    TPrzycisk *button = new TPrzycisk(&window);

    Form()
    {
        window.resize(300, 200);
        button->move(20, 20);
        button->setCaption(QStringLiteral(" "));
        button->setObrazekUp(solid(Up));
        button->setObrazekDown(solid(Down));
        button->setObrazekMove(solid(Move));
        button->setObrazekMoveChecked(solid(MoveChecked));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(window.windowHandle(), QPoint(250, 150));
    }
    // Button coordinates.
    void move(QPoint at) { QTest::mouseMove(window.windowHandle(), at + QPoint(20, 20)); }
    void press(QPoint at)
    {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at + QPoint(20, 20));
    }
    void release(QPoint at)
    {
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at + QPoint(20, 20));
    }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }
    QRgb shown() { return renderOf(*button).pixel(40, 20); }
};

} // namespace

class TestPrzycisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void captionOrigin_data();
    void captionOrigin();
    void builtInPicturesWithSilverCaption();
    void statesFollowTheMouse();
    void toggling();
    void regionHoverWithoutLeaving();
    void clicks();
    void captionTexts();
    void picturesFollowTheSize();
};

void TestPrzycisk::captionOrigin_data()
{
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("even margins") << QSize(50, 14) << QPoint(15, 13);
    QTest::newRow("odd margins drop the half") << QSize(51, 15) << QPoint(14, 12);
    QTest::newRow("wider than the button") << QSize(101, 41) << QPoint(-10, 0);
}

void TestPrzycisk::captionOrigin()
{
    QFETCH(QSize, text);
    QFETCH(QPoint, origin);
    QCOMPARE(PrzyciskLogic::captionOrigin(QSize(80, 40), text), origin);
}

void TestPrzycisk::builtInPicturesWithSilverCaption()
{
    TPrzycisk button;
    const QImage up = button.ObrazekUp(), down = button.ObrazekDown(), move = button.ObrazekMove();
    QCOMPARE(up.size(), QSize(80, 40));
    QVERIFY(up != down && up != move && down != move && button.ObrazekMoveChecked() == move);

    const QImage shown = renderOf(button);
    QCOMPARE(shown.pixel(5, 20), up.pixel(5, 20)); // left of the caption
    // Full-coverage caption pixels are exactly silver; nothing in the middle is brighter.
    int silver = 0, brighter = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 70; ++x) {
            silver += shown.pixel(x, y) == qRgb(192, 192, 192);
            brighter += qGray(shown.pixel(x, y)) > 192;
        }
    QVERIFY(silver > 0);
    QCOMPARE(brighter, 0);
    // The plates stay dark under the caption, so silver text reads on them.
    QVERIFY(
        std::max({qGray(up.pixel(40, 20)), qGray(down.pixel(40, 20)), qGray(move.pixel(40, 20))})
        < 110);
}

void TestPrzycisk::statesFollowTheMouse()
{
    Form form;
    TPrzycisk &button = *form.button;
    QSignalSpy enter(&button, &TPrzycisk::OnMouseEnter), leave(&button, &TPrzycisk::OnMouseLeave),
        down(&button, &TPrzycisk::OnMouseDown), up(&button, &TPrzycisk::OnMouseUp),
        click(&button, &TPrzycisk::OnClick);
    QCOMPARE(form.shown(), Up);
    form.move(QPoint(10, 10));
    QCOMPARE(enter.count(), 1);
    QCOMPARE(form.shown(), Move);
    form.press(QPoint(10, 10));
    QCOMPARE(form.shown(), Down);
    QCOMPARE(down.count(), 1);
    QCOMPARE(down.first().at(2).toInt(), 10);
    form.release(QPoint(10, 10));
    QCOMPARE(form.shown(), Up);
    QCOMPARE(up.count(), 1);
    QCOMPARE(click.count(), 1);
    // Without a region the hover picture comes once per entry.
    form.move(QPoint(12, 12));
    QCOMPARE(form.shown(), Up);
    form.move(QPoint(-10, -10));
    QCOMPARE(leave.count(), 1);
    form.move(QPoint(5, 5));
    QCOMPARE(form.shown(), Move);
    button.Click();
    QCOMPARE(click.count(), 2);
}

void TestPrzycisk::toggling()
{
    Form form;
    TPrzycisk &button = *form.button;
    button.setChecked(true);
    QVERIFY(!button.Checked());
    form.move(QPoint(10, 10));
    form.click(QPoint(10, 10));
    QVERIFY(!button.Checked());

    button.setStyle(TPrzycisk::tsCheck);
    form.click(QPoint(10, 10));
    QVERIFY(button.Checked());
    QCOMPARE(form.shown(), Down);
    form.move(QPoint(-10, -10));
    form.move(QPoint(10, 10));
    QCOMPARE(form.shown(), MoveChecked);
    form.click(QPoint(10, 10));
    QVERIFY(!button.Checked());
    QCOMPARE(form.shown(), Up);
    button.setChecked(true);
    button.setStyle(TPrzycisk::tsButton);
    QVERIFY(!button.Checked());
    QCOMPARE(form.shown(), Up);
}

void TestPrzycisk::regionHoverWithoutLeaving()
{
    Form form;
    TPrzycisk &button = *form.button;
    button.setRegion(QRegion(0, 0, 40, 40, QRegion::Ellipse));
    QSignalSpy leave(&button, &TPrzycisk::OnMouseLeave), down(&button, &TPrzycisk::OnMouseDown),
        click(&button, &TPrzycisk::OnClick);
    form.move(QPoint(70, 20));
    QCOMPARE(form.shown(), Up);
    form.move(QPoint(20, 20));
    QCOMPARE(form.shown(), Move);
    form.move(QPoint(2, 2)); // a corner outside the circle
    QCOMPARE(form.shown(), Up);
    form.move(QPoint(25, 30));
    QCOMPARE(form.shown(), Move);
    form.move(QPoint(60, 10));
    QCOMPARE(form.shown(), Up);
    QCOMPARE(leave.count(), 0);
    // Outside the region a press shows nothing but is still reported, and so is the click.
    form.press(QPoint(60, 10));
    QCOMPARE(form.shown(), Up);
    form.release(QPoint(60, 10));
    QCOMPARE(down.count(), 1);
    QCOMPARE(click.count(), 1);
}

// A press counts as a click wherever it is released; a double click clicks twice.
void TestPrzycisk::clicks()
{
    Form form;
    QSignalSpy up(form.button, &TPrzycisk::OnMouseUp), click(form.button, &TPrzycisk::OnClick),
        dbl(form.button, &TPrzycisk::OnDblClick);
    form.move(QPoint(10, 10));
    form.press(QPoint(10, 10));
    form.move(QPoint(200, 120));
    form.release(QPoint(200, 120));
    QCOMPARE(click.count(), 1);
    QCOMPARE(up.first().at(2).toInt(), 200);
    QCOMPARE(form.shown(), Up);
    QTest::mouseDClick(form.window.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(dbl.count(), 1);
    QCOMPARE(click.count(), 3);
}

void TestPrzycisk::captionTexts()
{
    QWidget window;
    auto *first = new TPrzycisk(&window);
    auto *panel = new QWidget(&window);
    auto *second = new TPrzycisk(panel);
    QWidget other;
    auto *elsewhere = new TPrzycisk(&other);
    QCOMPARE(first->Caption(), QStringLiteral("Przycisk1"));
    QCOMPARE(second->Caption(), QStringLiteral("Przycisk2"));
    QCOMPARE(elsewhere->Caption(), QStringLiteral("Przycisk1"));
    first->setCaption(QString());
    QCOMPARE(first->Caption(), QStringLiteral(" "));

    // The shadow copy sits one pixel up and left, under the caption.
    first->setObrazekUp(solid(qRgb(0, 0, 0)));
    first->setCaption(QStringLiteral("W"));
    first->setColorCaption3D(qRgb(255, 0, 0));
    const auto reddish = [&] {
        const QImage shown = renderOf(*first);
        int count = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x)
                count += qRed(shown.pixel(x, y)) > 150 && qGreen(shown.pixel(x, y)) < 80;
        return count;
    };
    QCOMPARE(reddish(), 0);
    first->setCaptionl3D(true);
    QVERIFY(reddish() > 5);
}

void TestPrzycisk::picturesFollowTheSize()
{
    TPrzycisk button;
    button.setCaption(QStringLiteral(" "));
    QImage halves = solid(Up);
    for (int y = 0; y < 40; ++y)
        for (int x = 40; x < 80; ++x)
            halves.setPixel(x, y, Down);
    button.setObrazekUp(halves);
    QSignalSpy resized(&button, &TPrzycisk::OnResize);
    button.resize(160, 60);
    const QImage shown = renderOf(button);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(shown.pixel(5, 55), Up);
    QCOMPARE(shown.pixel(150, 5), Down);
}

QTEST_MAIN(TestPrzycisk)
#include "tst_przycisk.moc"
