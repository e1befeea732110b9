#include "TestEnv.h"
#include "controls/TFormTorvel.h"
#include "controls/TTorvelImage.h"
#include "controls/ViewerGeometry.h"
#include "core/AppError.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Each pixel tells where it came from: red and green are x and y modulo 256, blue the hundreds.
QImage coded(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return image;
}

QImage viewOf(TTorvelImage &viewer)
{
    QWidget *view = viewer.ImageWidz();
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);
    return image;
}

struct Shown
{
    TTorvelImage viewer;

    Shown(QSize picture, QSize size = QSize(200, 200))
    {
        viewer.setPicture(coded(picture));
        viewer.resize(size);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    }
    // A left-button drag on the view, in view coordinates.
    void drag(QPoint from, QPoint to)
    {
        QWindow *window = viewer.windowHandle();
        const QPoint offset = viewer.ImageWidz()->pos();
        QTest::mousePress(window, Qt::LeftButton, {}, from + offset);
        QTest::mouseMove(window, to + offset);
    }
    void release(QPoint at)
    {
        QTest::mouseRelease(
            viewer.windowHandle(), Qt::LeftButton, {}, at + viewer.ImageWidz()->pos());
    }
};

} // namespace

class TestTorvelImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void sizesAndRanges_data();
    void sizesAndRanges();
    void barThickness_data();
    void barThickness();
    void panPosition_data();
    void panPosition();
    void dragLargePicture();
    void dragSmallPictureStaysInside();
    void viewToSource_data();
    void viewToSource();
    void arrowsAndBarEvents();
    void barParts_data();
    void barParts();
    void navigatorOnlyWhenPictureOverflows();
    void navigatorMovesTheView();
    void loadAndSave();
};

void TestTorvelImage::sizesAndRanges_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("viewer");
    QTest::addColumn<QSize>("scaled");
    // range and window of the horizontal bar, then of the vertical one
    QTest::addColumn<QVector<int>>("bars");
    QTest::newRow("halved, one bar scrolls")
        << QSize(800, 600) << -2.0 << QSize(345, 321) << QSize(400, 300)
        << QVector<int> {400, 329, 305, 300};
    QTest::newRow("zoom 0 is 1") << QSize(800, 600) << 0.0 << QSize(200, 200) << QSize(800, 600)
                                 << QVector<int> {800, 184, 600, 184};
    QTest::newRow("halves to even, magnified")
        << QSize(5, 3) << 1.5 << QSize(200, 200) << QSize(8, 4) << QVector<int> {184, 8, 184, 4};
    QTest::newRow("halves to even, reduced")
        << QSize(7, 5) << -2.0 << QSize(200, 200) << QSize(4, 2) << QVector<int> {184, 4, 184, 2};
    QTest::newRow("exactly the view") << QSize(184, 185) << 1.0 << QSize(200, 200)
                                      << QSize(184, 185) << QVector<int> {184, 184, 185, 184};
}

void TestTorvelImage::sizesAndRanges()
{
    QFETCH(QSize, picture);
    QFETCH(double, zoom);
    QFETCH(QSize, viewer);
    QFETCH(QSize, scaled);
    QFETCH(QVector<int>, bars);
    TTorvelImage control;
    control.setPicture(coded(picture));
    control.resize(viewer);
    control.setZoom(zoom);
    QCOMPARE(control.Zoom(), zoom == 0 ? 1.0 : zoom);
    QCOMPARE(control.scaledSize(), scaled);
    const auto &h = control.horizontalAxis();
    const auto &v = control.verticalAxis();
    QCOMPARE((QVector<int> {h.range, h.window, v.range, v.window}), bars);
    QCOMPARE(control.horizontalBar()->maximum(), h.range - h.window);
    QCOMPARE(control.verticalBar()->pageStep(), v.window);
}

void TestTorvelImage::barThickness_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("border");
    QTest::newRow("0 means 16") << 0 << 16 << 4;
    QTest::newRow("negative means 16") << -3 << 16 << 4;
    QTest::newRow("20") << 20 << 20 << 5;
}

void TestTorvelImage::barThickness()
{
    QFETCH(int, size);
    QFETCH(int, thickness);
    QFETCH(int, border);
    TTorvelImage control;
    control.resize(300, 250);
    control.ScrollBars()->setSize(size);
    const int t = thickness;
    QCOMPARE(control.horizontalBar()->geometry(), QRect(0, 250 - t, 300 - t, t));
    QCOMPARE(control.verticalBar()->geometry(), QRect(300 - t, 0, t, 250 - t));
    QCOMPARE(control.cornerPanel()->geometry(), QRect(300 - t, 250 - t, t, t));
    QCOMPARE(control.cornerBorderWidth(), border);
    QCOMPARE(control.ImageWidz()->geometry(), QRect(1, 1, 300 - t, 250 - t));
    QCOMPARE(control.horizontalAxis().window, 300 - t);
}

void TestTorvelImage::panPosition_data()
{
    QTest::addColumn<int>("scaled");
    QTest::addColumn<double>("origin");
    QTest::addColumn<int>("moved");
    QTest::addColumn<double>("position");
    // A 100-pixel view over a 300-pixel picture scrolls against the drag.
    QTest::newRow("larger, dragged left") << 300 << 50.0 << -30 << 80.0;
    QTest::newRow("larger, past the end") << 300 << 150.0 << -500 << 200.0;
    QTest::newRow("larger, past the start") << 300 << 20.0 << 40 << 0.0;
    // A 60-pixel picture in the same view moves with the drag, 0 to 40.
    QTest::newRow("smaller, dragged right") << 60 << 10.0 << 25 << 35.0;
    QTest::newRow("smaller, past the right") << 60 << 10.0 << 90 << 40.0;
    QTest::newRow("smaller, past the left") << 60 << 10.0 << -11 << 0.0;
}

void TestTorvelImage::panPosition()
{
    QFETCH(int, scaled);
    QFETCH(double, origin);
    QFETCH(int, moved);
    QFETCH(double, position);
    const auto axis = ViewerGeometry::axis(100, scaled);
    QCOMPARE(ViewerGeometry::panPosition(axis, origin, 70, 70 + moved), position);
}

void TestTorvelImage::dragLargePicture()
{
    Shown shown(QSize(800, 600));
    QSignalSpy scrolled(&shown.viewer, &TTorvelImage::OnScroll);
    shown.drag(QPoint(100, 100), QPoint(60, 70));
    QVERIFY(shown.viewer.isActive());
    QCOMPARE(shown.viewer.positions(), QPointF(40, 30));
    QCOMPARE(shown.viewer.horizontalBar()->value(), 40);
    QVERIFY(scrolled.count() >= 2);
    QCOMPARE(viewOf(shown.viewer).pixel(0, 0), coded(QSize(800, 600)).pixel(40, 30));
    QSignalSpy clicked(&shown.viewer, &TTorvelImage::OnClick);
    shown.release(QPoint(60, 70));
    QVERIFY(!shown.viewer.isActive());
    QCOMPARE(clicked.count(), 1);
}

void TestTorvelImage::dragSmallPictureStaysInside()
{
    Shown shown(QSize(100, 80));
    const QImage picture = coded(QSize(100, 80));
    QCOMPARE(viewOf(shown.viewer).pixel(0, 0), picture.pixel(0, 0));
    shown.drag(QPoint(10, 10), QPoint(40, 30));
    QCOMPARE(shown.viewer.positions(), QPointF(30, 20));
    QCOMPARE(viewOf(shown.viewer).pixel(30, 20), picture.pixel(0, 0));
    QCOMPARE(viewOf(shown.viewer).pixel(29, 20), shown.viewer.Color().rgb());
    // Far past the bottom-right corner the picture stops at the view's edge.
    QTest::mouseMove(shown.viewer.windowHandle(), QPoint(190, 190));
    QCOMPARE(shown.viewer.positions(), QPointF(184 - 100, 184 - 80));
    QCOMPARE(viewOf(shown.viewer).pixel(183, 183), picture.pixel(99, 79));
    shown.release(QPoint(189, 189));
}

void TestTorvelImage::viewToSource_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPointF>("positions");
    QTest::addColumn<QPoint>("view");
    QTest::addColumn<QPoint>("source");
    // An 800 x 600 picture in a 184 x 184 view; the second axis of the halved one fits.
    QTest::newRow("zoom 1") << 1.0 << QPointF(40, 30) << QPoint(10, 0) << QPoint(50, 30);
    QTest::newRow("doubled") << 2.0 << QPointF(10, 20) << QPoint(0, 1) << QPoint(5, 10);
    QTest::newRow("doubled, half to even") << 2.0 << QPointF(0, 0) << QPoint(5, 7) << QPoint(2, 4);
    QTest::newRow("quartered, picture inside")
        << -4.0 << QPointF(10, 30) << QPoint(25, 40) << QPoint(140, 40);
}

void TestTorvelImage::viewToSource()
{
    QFETCH(double, zoom);
    QFETCH(QPointF, positions);
    QFETCH(QPoint, view);
    QFETCH(QPoint, source);
    TTorvelImage control;
    control.setPicture(coded(QSize(800, 600)));
    control.setZoom(zoom);
    control.setPositions(positions);
    QCOMPARE(control.positions(), positions);
    QCOMPARE(QPoint(control.Fx(view.x()), control.Fy(view.y())), source);
}

void TestTorvelImage::arrowsAndBarEvents()
{
    Shown shown(QSize(800, 600));
    shown.viewer.ScrollBars()->setIncrement(1);
    QScrollBar *bar = shown.viewer.horizontalBar();
    QSignalSpy down(&shown.viewer, &TTorvelImage::OnEndScroll),
        up(&shown.viewer, &TTorvelImage::OnCanScroll);
    const QPoint addArrow = bar->geometry().topRight() + QPoint(-5, 5);
    QTest::mousePress(shown.viewer.windowHandle(), Qt::LeftButton, {}, addArrow);
    QVERIFY(bar->hasFocus());
    QTest::mouseRelease(shown.viewer.windowHandle(), Qt::LeftButton, {}, addArrow);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(shown.viewer.positions().x(), 1.0);
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 1);
    // Without arrows the same spot is the track, which pages.
    shown.viewer.ScrollBars()->setShowArrows(false);
    QTest::mouseClick(shown.viewer.windowHandle(), Qt::LeftButton, {}, addArrow);
    QCOMPARE(bar->value(), 1 + 184);
}

void TestTorvelImage::barParts_data()
{
    QTest::addColumn<bool>("arrows");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("slider");
    // A 100 x 16 bar over a range of 150 with a page of 50: the thumb is a third of the track.
    QTest::newRow("start") << true << 0 << QRect(16, 0, 22, 16);
    QTest::newRow("end") << true << 100 << QRect(62, 0, 22, 16);
    QTest::newRow("middle, no arrows") << false << 50 << QRect(34, 0, 33, 16);
}

void TestTorvelImage::barParts()
{
    QFETCH(bool, arrows);
    QFETCH(int, value);
    QFETCH(QRect, slider);
    const auto parts = ViewerGeometry::barParts(
        QRect(0, 0, 100, 16), Qt::Horizontal, 16, arrows, {0, 100, 50, value});
    QCOMPARE(parts.slider, slider);
    QCOMPARE(parts.subPage.right() + 1, slider.left());
    QCOMPARE(parts.addPage.left(), slider.right() + 1);
    QCOMPARE(parts.addLine, arrows ? QRect(84, 0, 16, 16) : QRect(100, 0, 0, 16));
}

void TestTorvelImage::navigatorOnlyWhenPictureOverflows()
{
    Shown shown(QSize(150, 184));
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    QTest::mousePress(shown.viewer.cornerPanel(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!opened);
    QVERIFY(!shown.viewer.isActive());
}

void TestTorvelImage::navigatorMovesTheView()
{
    QVERIFY(!TFormTorvel::canMovePointer());
    Shown shown(QSize(800, 600));
    QString title;
    QSize thumbnail, outline;
    bool activeWhileOpen = false;
    const auto drive = [&](TFormTorvel *navigator) {
        QVERIFY(QTest::qWaitForWindowExposed(navigator));
        title = navigator->windowTitle();
        thumbnail = navigator->thumbnailSize();
        outline = navigator->viewOutline();
        activeWhileOpen = shown.viewer.isActive();
        QWindow *window = navigator->windowHandle();
        const QPoint origin = navigator->thumbnail()->pos();
        QTest::mousePress(window, Qt::LeftButton, {}, origin + QPoint(90, 40));
        QTest::mouseMove(window, origin + QPoint(100, 50));
        QCOMPARE(shown.viewer.positions(), QPointF(100 * 800 / 195.0, 50 * 600 / 146.0));
        // The outline is kept inside the thumbnail.
        QTest::mouseMove(window, origin + QPoint(190, 140));
        QCOMPARE(shown.viewer.positions(), QPointF(150 * 800 / 195.0, 101 * 600 / 146.0));
        QTest::mouseRelease(window, Qt::LeftButton, {}, origin + QPoint(190, 140));
    };
    QTimer::singleShot(0, [&] {
        auto *navigator = qobject_cast<TFormTorvel *>(QApplication::activeModalWidget());
        if (!navigator)
            return;
        drive(navigator);
        if (navigator->isVisible())
            navigator->reject();
    });
    QTest::mousePress(shown.viewer.cornerPanel(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Nawigator"));
    QCOMPARE(thumbnail, QSize(195, 146));
    // 184 of 800 and of 600 pixels show, on a 195 x 146 thumbnail.
    QCOMPARE(outline, QSize(45, 45));
    QVERIFY(activeWhileOpen);
    QVERIFY(!shown.viewer.isActive());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(viewOf(shown.viewer).pixel(0, 0), coded(QSize(800, 600)).pixel(615, 415));
}

void TestTorvelImage::loadAndSave()
{
    TestEnv env;
    TTorvelImage control;
    const QImage picture = coded(QSize(300, 120));
    control.setPicture(picture);
    control.SaveToFile(env.file("zdjecie.png"));
    control.setPicture(QImage());
    QCOMPARE(control.scaledSize(), QSize(0, 0));
    control.LoadFromFile(env.file("zdjecie.png"));
    QCOMPARE(control.Image(), picture);
    QCOMPARE(control.horizontalAxis().range, 300);
    QVERIFY_THROWS_EXCEPTION(AppError, control.LoadFromFile(env.file("brak.jpg")));
    QVERIFY_THROWS_EXCEPTION(AppError, control.SaveToFile(env.file("brak/zdjecie.png")));
}

QTEST_MAIN(TestTorvelImage)
#include "tst_torvelimage.moc"
