#include "Clock.h"
#include "Holidays.h"
#include "TestEnv.h"
#include "TmxCalendar.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Red(0xFF, 0x00, 0x00);

QColor markerColorOf(const QLabel *marker)
{
    return marker->palette().color(QPalette::Window);
}

// The calendar's own painting, without the marker panels on top.
QImage renderCells(TmxCalendar &cal)
{
    QImage image(cal.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    cal.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

QImage renderAll(TmxCalendar &cal)
{
    QImage image(cal.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    cal.render(&image);
    return image;
}

// A pixel inside a cell, clear of the day number and the frame of the current date.
QColor cellColor(const QImage &image, const QRect &cell)
{
    return image.pixelColor(cell.topLeft() + QPoint(4, 4));
}

// Text in the selected (white) font leaves near-white pixels, antialiasing aside.
bool hasLightPixel(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) > 200)
                return true;
    return false;
}

void showAndWait(TmxCalendar &cal)
{
    cal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cal));
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void markersLandOnTheirDayCells_data();
    void markersLandOnTheirDayCells();
    void monthsWithoutHolidaysHideMarkers();
    void markerClickSelectsItsDay();
    void clickingDayCellSelectsThatDay();
    void shiftClickExtendsSelection();
    void navigationButtons_data();
    void navigationButtons();
    void keyboardMovesDate();
    void gridFollowsMonth();
    void paintsCellColours();
    void hints();
    void setDayStaysInMonth();
};

void TestCalendar::markersLandOnTheirDayCells_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("visibleCount");
    QTest::newRow("June 2014, Sunday start") << 2014 << 6 << 1;
    QTest::newRow("May 2008, three markers") << 2008 << 5 << 3;
    QTest::newRow("March 2024, day 31") << 2024 << 3 << 1;
    QTest::newRow("April 2024, day 1") << 2024 << 4 << 1;
    QTest::newRow("January 2024, Monday start") << 2024 << 1 << 2;
    QTest::newRow("November 2015, Sunday start") << 2015 << 11 << 2;
    QTest::newRow("December 2014") << 2014 << 12 << 2;
    QTest::newRow("August 2021, Sunday start") << 2021 << 8 << 1;
}

void TestCalendar::markersLandOnTheirDayCells()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, visibleCount);
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2000, 1, 10), QTime(12, 0)));
    TmxCalendar cal;
    showAndWait(cal);
    cal.setDate(QDate(year, month, 1));
    cal.sizeMarkers();
    cal.markHolidays(year, month, 1);

    int visible = 0;
    for (QLabel *marker : {cal.Panel9, cal.Panel10, cal.Panel11}) {
        if (marker->isHidden())
            continue;
        ++visible;
        const QDate day(year, month, marker->text().toInt());
        QVERIFY(day.isValid());
        QCOMPARE(marker->geometry(), cal.dayCellRect(day));
        QCOMPARE(markerColorOf(marker), Red);
        QCOMPARE(renderAll(cal).pixelColor(marker->geometry().topLeft() + QPoint(4, 4)), Red);

        // The cell the calendar paints under the marker is that day's: selecting the day colours
        // exactly that cell, with its number in the selected (white) font.
        cal.setSelection(day, day);
        const QImage cells = renderCells(cal);
        const QRect rect = marker->geometry();
        QCOMPARE(cellColor(cells, rect), cal.SelectedColor());
        QVERIFY(hasLightPixel(cells, rect.adjusted(rect.width() / 4, 4, -rect.width() / 4, -4)));
        QVERIFY(cellColor(cells, rect.translated(-rect.width(), 0)) != cal.SelectedColor());
        QVERIFY(cellColor(cells, rect.translated(0, -rect.height())) != cal.SelectedColor());

        // A click where the marker sits, with the marker out of the way, picks the same day.
        marker->hide();
        QTest::mouseClick(&cal, Qt::LeftButton, {}, rect.center());
        QCOMPARE(cal.date(), day);
        marker->show();
    }
    QCOMPARE(visible, visibleCount);
}

void TestCalendar::monthsWithoutHolidaysHideMarkers()
{
    TestEnv env;
    TmxCalendar cal;
    for (QLabel *marker : {cal.Panel9, cal.Panel10, cal.Panel11})
        QVERIFY(marker->isHidden());
    cal.markHolidays(2008, 5, 1);
    QVERIFY(!cal.Panel11->isHidden());
    for (int month : {2, 7, 9, 10}) {
        cal.markHolidays(2014, month, 1);
        for (QLabel *marker : {cal.Panel9, cal.Panel10, cal.Panel11})
            QVERIFY(marker->isHidden());
    }
    cal.markHolidays(2014, 5, 1);
    QVERIFY(!cal.Panel9->isHidden());
    QVERIFY(!cal.Panel10->isHidden());
    QVERIFY(cal.Panel11->isHidden()); // Corpus Christi 2014 is in June
}

void TestCalendar::markerClickSelectsItsDay()
{
    TestEnv env;
    TmxCalendar cal;
    showAndWait(cal);
    cal.setDate(QDate(2008, 5, 10));
    cal.sizeMarkers();
    cal.markHolidays(2008, 5, 10);
    QCOMPARE(cal.Panel11->toolTip(), QString::fromUtf8("Boże ciało"));
    QCOMPARE(cal.Panel11->cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy spy(&cal, &TmxCalendar::dateChanged);

    QTest::mouseClick(cal.Panel11, Qt::LeftButton);
    QCOMPARE(cal.Day(), 22);
    QCOMPARE(cal.date(), QDate(2008, 5, 22));
    QCOMPARE(cal.selectionStart(), QDate(2008, 5, 22));
    QCOMPARE(cal.selectionEnd(), QDate(2008, 5, 22));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(markerColorOf(cal.Panel11), cal.SelectedColor());
    QCOMPARE(markerColorOf(cal.Panel9), Red);

    cal.setSelectedColor(Qt::green);
    QTest::mouseClick(cal.Panel10, Qt::LeftButton);
    QCOMPARE(cal.date(), QDate(2008, 5, 3));
    QCOMPARE(markerColorOf(cal.Panel10), QColor(Qt::green));

    // Marking again puts every marker back to red.
    cal.markHolidays(2008, 5, 3);
    for (QLabel *marker : {cal.Panel9, cal.Panel10, cal.Panel11})
        QCOMPARE(markerColorOf(marker), Red);
}

void TestCalendar::clickingDayCellSelectsThatDay()
{
    TestEnv env;
    TmxCalendar cal;
    showAndWait(cal);
    QCOMPARE(cal.date(), QDate(2014, 2, 24));
    QSignalSpy spy(&cal, &TmxCalendar::dateChanged);

    QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.dayCellRect(QDate(2014, 2, 10)).center());
    QCOMPARE(cal.date(), QDate(2014, 2, 10));
    QCOMPARE(cal.selectionStart(), QDate(2014, 2, 10));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 2, 10));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), QDate(2014, 2, 10));

    // The first cell belongs to January; picking it moves to that month.
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(1, 1, cal.cellSize()).center());
    QCOMPARE(cal.date(), QDate(2014, 1, 27));
    QCOMPARE(cal.Month(), 1);
    QCOMPARE(cal.selectionEnd(), QDate(2014, 1, 27));

    // Week numbers, weekday names and the header are not days.
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(0, 2, cal.cellSize()).center());
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(3, 0, cal.cellSize()).center());
    QTest::mouseClick(&cal, Qt::LeftButton, {}, QPoint(cal.width() / 2, 10));
    QCOMPARE(cal.date(), QDate(2014, 1, 27));
}

void TestCalendar::shiftClickExtendsSelection()
{
    TestEnv env;
    TmxCalendar cal;
    showAndWait(cal);
    cal.setDate(QDate(2014, 6, 10));
    QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.dayCellRect(QDate(2014, 6, 3)).center());
    QTest::mouseClick(
        &cal, Qt::LeftButton, Qt::ShiftModifier, cal.dayCellRect(QDate(2014, 6, 6)).center());
    QCOMPARE(cal.selectionStart(), QDate(2014, 6, 3));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 6, 6));
    QCOMPARE(cal.date(), QDate(2014, 6, 6));

    const QImage cells = renderCells(cal);
    for (int day = 3; day <= 6; ++day)
        QCOMPARE(cellColor(cells, cal.dayCellRect(QDate(2014, 6, day))), cal.SelectedColor());
    QVERIFY(cellColor(cells, cal.dayCellRect(QDate(2014, 6, 2))) != cal.SelectedColor());
    QVERIFY(cellColor(cells, cal.dayCellRect(QDate(2014, 6, 7))) != cal.SelectedColor());

    // A range set from outside, backwards, is drawn all the same.
    cal.setSelection(QDate(2014, 6, 20), QDate(2014, 6, 18));
    QCOMPARE(cellColor(renderCells(cal), cal.dayCellRect(QDate(2014, 6, 19))), cal.SelectedColor());
}

void TestCalendar::navigationButtons_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("expected");
    const int nextMonth = int(TmxCalendar::Button::NextMonth);
    const int prevMonth = int(TmxCalendar::Button::PrevMonth);
    const int nextYear = int(TmxCalendar::Button::NextYear);
    const int prevYear = int(TmxCalendar::Button::PrevYear);
    const int today = int(TmxCalendar::Button::Today);
    QTest::newRow("> clamps to February") << QDate(2024, 1, 31) << nextMonth << QDate(2024, 2, 29);
    QTest::newRow("> over the year end") << QDate(2014, 12, 15) << nextMonth << QDate(2015, 1, 15);
    QTest::newRow("< clamps to February") << QDate(2023, 3, 31) << prevMonth << QDate(2023, 2, 28);
    QTest::newRow("< over the year start") << QDate(2014, 1, 5) << prevMonth << QDate(2013, 12, 5);
    QTest::newRow(">> from leap day") << QDate(2024, 2, 29) << nextYear << QDate(2025, 2, 28);
    QTest::newRow("<<") << QDate(2014, 2, 24) << prevYear << QDate(2013, 2, 24);
    QTest::newRow("T") << QDate(2014, 2, 24) << today << QDate(2025, 7, 15);
}

void TestCalendar::navigationButtons()
{
    QFETCH(QDate, start);
    QFETCH(int, button);
    QFETCH(QDate, expected);
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2025, 7, 15), QTime(23, 59)));
    TmxCalendar cal;
    showAndWait(cal);
    cal.setDate(start);
    cal.setSelection(QDate(2014, 3, 1), QDate(2014, 3, 5));
    const QRect rect = cal.buttonRect(TmxCalendar::Button(button));
    QVERIFY(rect.bottom() < 28);
    QTest::mouseClick(&cal, Qt::LeftButton, {}, rect.center());
    QCOMPARE(cal.date(), expected);
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 5));
}

void TestCalendar::keyboardMovesDate()
{
    TestEnv env;
    TmxCalendar cal;
    QCOMPARE(cal.focusPolicy(), Qt::StrongFocus);
    showAndWait(cal);
    cal.setDate(QDate(2014, 2, 27));
    QTest::keyClick(&cal, Qt::Key_Right);
    QCOMPARE(cal.date(), QDate(2014, 2, 28));
    QTest::keyClick(&cal, Qt::Key_Right);
    QCOMPARE(cal.date(), QDate(2014, 3, 1));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 1));
    QTest::keyClick(&cal, Qt::Key_Down);
    QCOMPARE(cal.date(), QDate(2014, 3, 8));
    QTest::keyClick(&cal, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(cal.selectionStart(), QDate(2014, 3, 8));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 9));
    QTest::keyClick(&cal, Qt::Key_Up);
    QCOMPARE(cal.date(), QDate(2014, 3, 2));
    QTest::keyClick(&cal, Qt::Key_Left);
    QCOMPARE(cal.date(), QDate(2014, 3, 1));
    QTest::keyClick(&cal, Qt::Key_PageDown);
    QCOMPARE(cal.date(), QDate(2014, 4, 1));
    QTest::keyClick(&cal, Qt::Key_PageUp);
    QTest::keyClick(&cal, Qt::Key_PageUp);
    QCOMPARE(cal.date(), QDate(2014, 2, 1));
}

void TestCalendar::gridFollowsMonth()
{
    TestEnv env;
    TmxCalendar cal;
    QCOMPARE(cal.size(), QSize(545, 225));
    QCOMPARE(cal.cellSize(), QSize(67, 24));
    QCOMPARE(cal.firstShownDate(), QDate(2014, 1, 27));
    QCOMPARE(cal.dayCellRect(QDate(2014, 2, 1)), QRect(6 * 67 + 4, 52, 67, 24));
    QCOMPARE(cal.dayCellRect(QDate(2014, 3, 9)), QRect(7 * 67 + 4, 6 * 24 + 28, 67, 24));
    QVERIFY(cal.dayCellRect(QDate(2014, 3, 10)).isNull());

    cal.setDate(QDate(2014, 6, 30));
    QCOMPARE(cal.firstShownDate(), QDate(2014, 5, 26));
    QCOMPARE(cal.dateAt(QPoint(7 * 67 + 4, 52)), QDate(2014, 6, 1));
    QCOMPARE(cal.dateAt(QPoint(67 + 4, 6 * 24 + 28 + 23)), QDate(2014, 6, 30));
    QVERIFY(!cal.dateAt(QPoint(67 + 3, 60)).isValid());
    QCOMPARE(cal.headerText(), QString::fromUtf8("czerwiec, 2014"));
    QCOMPARE(cal.footerText(), QStringLiteral("30.06.2014"));

    // A larger calendar keeps the same arithmetic.
    cal.resize(705, 281);
    QCOMPARE(cal.cellSize(), QSize(87, 32));
    QCOMPARE(cal.dayCellRect(QDate(2014, 6, 1)), QRect(7 * 87 + 4, 32 + 28, 87, 32));
}

void TestCalendar::paintsCellColours()
{
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2014, 2, 12), QTime(8, 0)));
    TmxCalendar cal;
    const QImage image = renderCells(cal);
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 12))), TmxCalendar::todayColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 10))), TmxCalendar::dayColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 15))), TmxCalendar::weekendColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 16))), TmxCalendar::weekendColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 1, 27))),
        cal.palette().color(QPalette::Button));
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 3, 1))),
        cal.palette().color(QPalette::Button));
    QCOMPARE(
        cellColor(image, Holidays::cellRect(0, 3, cal.cellSize())), TmxCalendar::dayNamesColor());
    QCOMPARE(
        cellColor(image, Holidays::cellRect(5, 0, cal.cellSize())), TmxCalendar::dayNamesColor());
    // Selection wins over today's colour.
    cal.setSelection(QDate(2014, 2, 12), QDate(2014, 2, 13));
    QCOMPARE(cellColor(renderCells(cal), cal.dayCellRect(QDate(2014, 2, 12))), cal.SelectedColor());
}

void TestCalendar::hints()
{
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2014, 2, 12), QTime(8, 0)));
    TmxCalendar cal;
    using B = TmxCalendar::Button;
    QCOMPARE(
        cal.hintAt(cal.buttonRect(B::PrevYear).center()), QStringLiteral("Go to previous year"));
    QCOMPARE(
        cal.hintAt(cal.buttonRect(B::PrevMonth).center()), QStringLiteral("Go to previous month"));
    QCOMPARE(cal.hintAt(cal.buttonRect(B::NextMonth).center()), QStringLiteral("Go to next month"));
    QCOMPARE(cal.hintAt(cal.buttonRect(B::NextYear).center()), QStringLiteral("Go to next year"));
    QCOMPARE(cal.hintAt(cal.buttonRect(B::Today).center()), QStringLiteral("Set date to today"));
    QCOMPARE(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 12)).center()),
        QStringLiteral("This date is today"));
    QVERIFY(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 13)).center()).isEmpty());
}

void TestCalendar::setDayStaysInMonth()
{
    TestEnv env;
    TmxCalendar cal;
    QSignalSpy spy(&cal, &TmxCalendar::dateChanged);
    cal.setDay(5);
    QCOMPARE(cal.date(), QDate(2014, 2, 5));
    cal.setDay(31);
    QCOMPARE(cal.date(), QDate(2014, 2, 28));
    cal.setDay(28);
    QCOMPARE(spy.count(), 2); // no signal when nothing changes
    cal.setDate(QDate());
    QCOMPARE(cal.date(), QDate(2014, 2, 28));
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
