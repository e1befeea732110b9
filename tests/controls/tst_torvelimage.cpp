#include "TestEnv.h"
#include "controls/TFormTorvel.h"
#include "controls/TTorvelImage.h"

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

// A shown 200 x 200 viewer, so a 184 x 184 view, with a coded picture; the mouse acts through
// the window at points of the view.
struct Shown : TTorvelImage
{
    explicit Shown(QSize picture)
    {
        setPicture(coded(picture));
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    void mouse(QTest::MouseAction action, QPoint at)
    {
        QTest::mouseEvent(action, windowHandle(), Qt::LeftButton, {}, at + ImageWidz()->pos());
    }
    QRgb shown(QPoint at) { return ImageWidz()->grab().toImage().pixel(at); }
    QPoint source(QPoint view) { return QPoint(Fx(view.x()), Fy(view.y())); }
};

} // namespace

class TestTorvelImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void sizesRangesAndMapping_data();
    void sizesRangesAndMapping();
    void userActions();
};

void TestTorvelImage::sizesRangesAndMapping_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("viewer");
    QTest::addColumn<QSize>("scaled");
    QTest::addColumn<QVector<int>>("bars"); // range and window, horizontal then vertical
    QTest::addColumn<QPoint>("source"); // of view point (5, 7)
    QTest::newRow("halved: one bar scrolls")
        << QSize(800, 600) << -2.0 << QSize(345, 321) << QSize(400, 300)
        << QVector {400, 329, 305, 300} << QPoint(10, 14);
    QTest::newRow("zoom 0 is 1") << QSize(800, 600) << 0.0 << QSize(200, 200) << QSize(800, 600)
                                 << QVector {800, 184, 600, 184} << QPoint(5, 7);
    QTest::newRow("scaled halves to even") << QSize(5, 3) << 1.5 << QSize(200, 200) << QSize(8, 4)
                                           << QVector {184, 8, 184, 4} << QPoint(3, 5);
    QTest::newRow("mapped halves to even")
        << QSize(184, 185) << 2.0 << QSize(200, 200) << QSize(368, 370)
        << QVector {368, 184, 370, 184} << QPoint(2, 4);
}

void TestTorvelImage::sizesRangesAndMapping()
{
    QFETCH(QSize, picture);
    QFETCH(double, zoom);
    QFETCH(QSize, viewer);
    Shown control(picture);
    control.resize(viewer);
    control.setZoom(zoom);
    QCOMPARE(control.Zoom(), zoom == 0 ? 1.0 : zoom);
    QTEST(control.scaledSize(), "scaled");
    const auto &h = control.horizontalAxis(), &v = control.verticalAxis();
    QTEST((QVector {h.range, h.window, v.range, v.window}), "bars");
    QCOMPARE(control.verticalBar()->maximum(), v.range - v.window);
    QTEST(QPoint(control.Fx(5), control.Fy(7)), "source");
}

// A larger picture scrolls against a drag; the bars step and page over it; the navigator moves
// the view over it.
void TestTorvelImage::userActions()
{
    Shown shown(QSize(800, 600));
    shown.ScrollBars()->setIncrement(1);
    QSignalSpy clicked(&shown, &TTorvelImage::OnClick), scrolled(&shown, &TTorvelImage::OnScroll);
    shown.mouse(QTest::MousePress, QPoint(100, 100));
    shown.mouse(QTest::MouseMove, QPoint(60, 70));
    QCOMPARE(shown.shown(QPoint(0, 0)), coded(QSize(800, 600)).pixel(40, 30));
    QCOMPARE(shown.source(QPoint(10, 0)), QPoint(50, 30));
    shown.mouse(QTest::MouseRelease, QPoint(60, 70));

    QSignalSpy down(&shown, &TTorvelImage::OnEndScroll), up(&shown, &TTorvelImage::OnCanScroll);
    const QPoint addArrow = shown.horizontalBar()->geometry().topRight() + QPoint(-5, 5);
    QTest::mouseClick(shown.windowHandle(), Qt::LeftButton, {}, addArrow);
    QCOMPARE(shown.shown(QPoint(0, 0)), coded(QSize(800, 600)).pixel(41, 30));
    // Without arrows the same spot is the track, which pages.
    shown.ScrollBars()->setShowArrows(false);
    QTest::mouseClick(shown.windowHandle(), Qt::LeftButton, {}, addArrow);
    QCOMPARE(shown.shown(QPoint(0, 0)), coded(QSize(800, 600)).pixel(41 + 184, 30));
    QCOMPARE((QList {clicked.count(), scrolled.count(), down.count(), up.count()}),
        (QList<qsizetype> {1, 4, 2, 2}));

    // A navigator that opens is noted and driven: dragged to the far corner of its thumbnail, the
    // outline (45 x 45 on 195 x 146, as 184 of 800 and of 600 pixels show) stays inside; released,
    // it closes.
    QString seen;
    QTimer navigate;
    QObject::connect(&navigate, &QTimer::timeout, [&] {
        if (auto *navigator = qobject_cast<TFormTorvel *>(QApplication::activeModalWidget())) {
            seen += navigator->windowTitle() + (shown.isActive() ? " for the larger picture" : "");
            const QPoint corner = navigator->thumbnail()->pos() + QPoint(190, 140);
            QTest::mousePress(navigator->windowHandle(), Qt::LeftButton, {}, corner);
            QTest::mouseMove(navigator->windowHandle(), corner + QPoint(0, 1));
            QTest::mouseRelease(navigator->windowHandle(), Qt::LeftButton, {}, corner);
            seen += navigator->isVisible() ? " stayed open" : "";
            navigator->reject();
        }
    });
    navigate.start(0);
    QTest::mousePress(shown.cornerPanel(), Qt::LeftButton);
    QVERIFY(!shown.isActive());
    QCOMPARE(shown.positions(), QPointF(150 * 800 / 195.0, 101 * 600 / 146.0));
    QCOMPARE(shown.shown(QPoint(0, 0)), coded(QSize(800, 600)).pixel(615, 415));

    // A smaller picture follows a drag inside the view, never past its edges; no navigator opens
    // for it. Thicker bars leave less room.
    Shown small(QSize(100, 80));
    small.mouse(QTest::MousePress, QPoint(10, 10));
    small.mouse(QTest::MouseMove, QPoint(40, 30));
    QCOMPARE(small.shown(QPoint(30, 20)), coded(QSize(100, 80)).pixel(0, 0));
    QCOMPARE(small.shown(QPoint(29, 20)), small.Color().rgb());
    small.mouse(QTest::MouseMove, QPoint(180, 180));
    QCOMPARE(small.positions(), QPointF(184 - 100, 184 - 80));
    small.mouse(QTest::MouseRelease, QPoint(180, 180));

    QTest::mousePress(small.cornerPanel(), Qt::LeftButton);
    QCOMPARE(seen, QStringLiteral("Nawigator for the larger picture"));

    small.ScrollBars()->setSize(20);
    QCOMPARE((QList {small.horizontalBar()->geometry(), small.verticalBar()->geometry(),
                 small.cornerPanel()->geometry(), small.ImageWidz()->geometry()}),
        (QList {QRect(0, 180, 180, 20), QRect(180, 0, 20, 180), QRect(180, 180, 20, 20),
            QRect(1, 1, 180, 180)}));
    QCOMPARE(small.cornerBorderWidth(), 5);
}

QTEST_MAIN(TestTorvelImage)
#include "tst_torvelimage.moc"
