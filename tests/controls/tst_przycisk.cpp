#include "TestEnv.h"
#include "controls/PrzyciskLogic.h"
#include "controls/TPrzycisk.h"

#include <QtTest>

namespace {

const QRgb Up = qRgb(200, 0, 0), Down = qRgb(0, 160, 0), Move = qRgb(0, 0, 200),
           MoveChecked = qRgb(220, 200, 0);

// One pixel of the colour: the button stretches its pictures over itself.
QImage solid(QRgb colour)
{
    return QImage(reinterpret_cast<const uchar *>(&colour), 1, 1, QImage::Format_RGB32).copy();
}

// A shown form with a button in its top-left corner whose four pictures are plain colours. The
// mouse acts through the window, as a user's does. Each form is used for one script, so that no
// other window stands between it and the mouse.
struct Form : QWidget
{
    TPrzycisk button {this};
    QString log; // the button's events and, after each step, the picture shown

    explicit Form(TPrzycisk::TStyle style = TPrzycisk::tsButton, const QRegion &region = {})
    {
        resize(160, 100);
        button.setStyle(style);
        button.setRegion(region);
        button.setObrazekUp(solid(Up));
        button.setObrazekDown(solid(Down));
        button.setObrazekMove(solid(Move));
        button.setObrazekMoveChecked(solid(MoveChecked));
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        // Parked beside the button first, so that showing the form logs nothing.
        QTest::mouseMove(windowHandle(), QPoint(150, 90));
        connect(&button, &TPrzycisk::OnMouseEnter, [this] { log += "enter "; });
        connect(&button, &TPrzycisk::OnMouseLeave, [this] { log += "leave "; });
        connect(&button, &TPrzycisk::OnMouseDown, [this] { log += "down "; });
        connect(&button, &TPrzycisk::OnMouseUp, [this](auto, auto, int x, int y) {
            log += QStringLiteral("up(%1,%2) ").arg(x).arg(y);
        });
        connect(&button, &TPrzycisk::OnClick, [this] { log += "click "; });
        connect(&button, &TPrzycisk::OnDblClick, [this] { log += "double "; });
        connect(&button, &TPrzycisk::OnResize, [this] { log += "resize "; });
    }
    // Steps like "p10,12", the letter in the order of QTest::MouseAction: p press, r release,
    // c click, d double click, m move. After each, the picture shown in the button's corner, clear
    // of the caption, goes to the log: U up, D down, M move, K move-checked.
    QString act(const QString &steps)
    {
        for (const QString &step : steps.split(' ')) {
            const QStringList xy = step.mid(1).split(',');
            QTest::mouseEvent(QTest::MouseAction(QStringLiteral("prcdm").indexOf(step[0])),
                windowHandle(), Qt::LeftButton, {}, QPoint(xy[0].toInt(), xy[1].toInt()));
            const QRgb shown = button.grab().toImage().pixel(button.rect().bottomRight());
            const qsizetype picture = QList {Up, Down, Move, MoveChecked, shown}.indexOf(shown);
            log += QStringLiteral("UDMK?").mid(picture, 1) + ' ';
        }
        return log.trimmed();
    }
};

} // namespace

class TestPrzycisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void statesFollowTheMouse();
    void programChanges();
    void captions();
};

// Without a region the hover picture comes once per entry; a press counts as a click wherever it
// is released, and a double click clicks twice. A toggle rests on the pressed picture. With a
// region the hover follows it without leaving the button, and a press outside it shows nothing.
void TestPrzycisk::statesFollowTheMouse()
{
    QCOMPARE(Form().act("m10,10 p10,10 r10,10 m12,12 p10,10 m120,60 r120,60 m5,5 m120,60 d5,5"),
        QStringLiteral("enter M down D up(10,10) click U U down D D up(120,60) click leave U "
                       "enter M leave U enter down up(5,5) click double down up(5,5) click U"));
    QCOMPARE(Form(TPrzycisk::tsCheck).act("c10,10 m90,10 m10,10 c10,10"),
        QStringLiteral("enter down up(10,10) click D leave D enter K down up(10,10) click U"));
    QCOMPARE(Form(TPrzycisk::tsButton, QRegion(0, 0, 40, 40, QRegion::Ellipse))
                 .act("m70,20 m20,20 m2,2 m25,30 m60,10 p60,10 r60,10"),
        QStringLiteral("enter U M U M U down U up(60,10) click U"));
}

// Checked only as a toggle; Click() without the mouse; a new size stretches the pictures again.
void TestPrzycisk::programChanges()
{
    Form form;
    form.button.setChecked(true);
    QVERIFY(!form.button.Checked());
    form.button.setStyle(TPrzycisk::tsCheck);
    form.button.setChecked(true);
    form.button.setStyle(TPrzycisk::tsButton); // unchecks it: the hover is not the checked one
    form.button.Click();
    form.button.resize(160, 60);
    QCOMPARE(form.act("m10,80 m10,10"), QStringLiteral("click resize U enter M"));
}

void TestPrzycisk::captions()
{
    // Halves are dropped toward zero, also for captions wider than the button.
    QCOMPARE(PrzyciskLogic::captionOrigin(QSize(80, 40), QSize(51, 15)), QPoint(14, 12));
    QCOMPARE(PrzyciskLogic::captionOrigin(QSize(80, 40), QSize(101, 41)), QPoint(-10, 0));

    // Numbered per window; an empty caption is one blank.
    QWidget window, other;
    TPrzycisk first(&window), second(new QWidget(&window)), elsewhere(&other);
    QCOMPARE(first.Caption() + second.Caption() + elsewhere.Caption(),
        QStringLiteral("Przycisk1Przycisk2Przycisk1"));
    first.setCaption(QString());
    QCOMPARE(first.Caption(), QStringLiteral(" "));

    // Distinct built-in pictures, one for both hovers.
    const QImage up = first.ObrazekUp(), down = first.ObrazekDown(), move = first.ObrazekMove();
    QVERIFY(up != down && up != move && down != move && first.ObrazekMoveChecked() == move);

    // Silver text, exact at full coverage: the brightest pixel.
    first.setObrazekUp(solid(qRgb(0, 0, 0)));
    first.setCaption(QStringLiteral("W"));
    first.setColorCaption3D(qRgb(255, 0, 0));
    const QImage plain = first.grab().toImage();
    const auto *pixels = reinterpret_cast<const QRgb *>(plain.constBits());
    QCOMPARE(*std::max_element(pixels, pixels + plain.width() * plain.height(),
                 [](QRgb a, QRgb b) { return qGray(a) < qGray(b); }),
        qRgb(192, 192, 192));
    // The shadow copy in its own colour: black on the black picture is no shadow at all.
    first.setCaptionl3D(true);
    QVERIFY(first.grab().toImage() != plain);
    first.setColorCaption3D(qRgb(0, 0, 0));
    QCOMPARE(first.grab().toImage(), plain);
}

QTEST_MAIN(TestPrzycisk)
#include "tst_przycisk.moc"
