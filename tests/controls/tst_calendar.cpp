#include "TestEnv.h"
#include "controls/Holidays.h"
#include "controls/TmxCalendar.h"
#include "core/Clock.h"

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
QImage renderCells(TmxCalendar &cal, bool withMarkers = false)
{
    QImage image(cal.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    if (withMarkers)
        cal.render(&image);
    else
        cal.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// A pixel inside a cell, clear of the day number and the frame of the current date.
QColor cellColor(const QImage &image, const QRect &cell)
{
    return image.pixelColor(cell.topLeft() + QPoint(4, 4));
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
    void clickingDayCellsSelects();
    void buttonsKeysAndSetDayMoveDate();
    void gridColoursAndHints();
};

void TestCalendar::markersLandOnTheirDayCells_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("visibleCount");
    QTest::newRow("June 2014, Sunday start") << 2014 << 6 << 1;
    QTest::newRow("May 2008, three markers") << 2008 << 5 << 3;
    QTest::newRow("January 2024, Monday start") << 2024 << 1 << 2;
    QTest::newRow("May 2014, Corpus Christi in June") << 2014 << 5 << 2;
    QTest::newRow("February 2014, none") << 2014 << 2 << 0;
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
    cal.markHolidays(2008, 5, 1); // all three shown before, so hiding is tested too
    cal.markHolidays(year, month, 1);

    const Holidays::MonthMarkers expected = Holidays::markersFor(year, month);
    QLabel *const markers[] = {cal.Panel9, cal.Panel10, cal.Panel11};
    int visible = 0;
    for (int i = 0; i < 3; ++i) {
        QLabel *marker = markers[i];
        if (marker->isHidden())
            continue;
        ++visible;
        const QDate day(year, month, marker->text().toInt());
        QCOMPARE(marker->geometry(), cal.dayCellRect(day));
        QCOMPARE(marker->toolTip(), expected[i].hint);
        QCOMPARE(cellColor(renderCells(cal, true), marker->geometry()), Red);

        // A click on the marker picks its day and shows the marker as selected, until the
        // holidays are marked again.
        QTest::mouseClick(marker, Qt::LeftButton);
        QCOMPARE(cal.date(), day);
        QCOMPARE(cal.selectionEnd(), day);
        QCOMPARE(markerColorOf(marker), cal.SelectedColor());
        cal.markHolidays(year, month, day.day());
        QCOMPARE(markerColorOf(marker), Red);
    }
    QCOMPARE(visible, visibleCount);
}

void TestCalendar::clickingDayCellsSelects()
{
    TestEnv env;
    TmxCalendar cal;
    showAndWait(cal);
    QSignalSpy spy(&cal, &TmxCalendar::dateChanged);

    QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.dayCellRect(QDate(2014, 2, 3)).center());
    QCOMPARE(cal.date(), QDate(2014, 2, 3));
    QCOMPARE(cal.selectionStart(), QDate(2014, 2, 3));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 2, 3));
    QCOMPARE(spy.count(), 1);

    // Shift extends the selection from the day picked before.
    QTest::mouseClick(
        &cal, Qt::LeftButton, Qt::ShiftModifier, cal.dayCellRect(QDate(2014, 2, 6)).center());
    QCOMPARE(cal.selectionStart(), QDate(2014, 2, 3));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 2, 6));
    QCOMPARE(cal.date(), QDate(2014, 2, 6));
    QImage cells = renderCells(cal);
    for (int day = 3; day <= 6; ++day)
        QCOMPARE(cellColor(cells, cal.dayCellRect(QDate(2014, 2, day))), cal.SelectedColor());
    QVERIFY(cellColor(cells, cal.dayCellRect(QDate(2014, 2, 2))) != cal.SelectedColor());
    QVERIFY(cellColor(cells, cal.dayCellRect(QDate(2014, 2, 7))) != cal.SelectedColor());

    // A range set from outside, backwards, is drawn all the same.
    cal.setSelection(QDate(2014, 2, 20), QDate(2014, 2, 18));
    QCOMPARE(cellColor(renderCells(cal), cal.dayCellRect(QDate(2014, 2, 19))), cal.SelectedColor());

    // The first cell belongs to January; picking it moves to that month.
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(1, 1, cal.cellSize()).center());
    QCOMPARE(cal.date(), QDate(2014, 1, 27));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 1, 27));

    // Week numbers, weekday names and the header are not days.
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(0, 2, cal.cellSize()).center());
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(3, 0, cal.cellSize()).center());
    QTest::mouseClick(&cal, Qt::LeftButton, {}, QPoint(cal.width() / 2, 10));
    QCOMPARE(cal.date(), QDate(2014, 1, 27));
}

void TestCalendar::buttonsKeysAndSetDayMoveDate()
{
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2025, 7, 15), QTime(23, 59)));
    TmxCalendar cal;
    showAndWait(cal);
    // Buttons keep the day where the month allows it and leave the selection alone.
    cal.setDate(QDate(2024, 1, 31));
    cal.setSelection(QDate(2014, 3, 1), QDate(2014, 3, 5));
    const auto press = [&cal](TmxCalendar::Button button) {
        QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.buttonRect(button).center());
        return cal.date();
    };
    using B = TmxCalendar::Button;
    QCOMPARE(press(B::NextMonth), QDate(2024, 2, 29));
    QCOMPARE(press(B::NextYear), QDate(2025, 2, 28));
    QCOMPARE(press(B::PrevYear), QDate(2024, 2, 28));
    QCOMPARE(press(B::PrevMonth), QDate(2024, 1, 28));
    QCOMPARE(press(B::PrevMonth), QDate(2023, 12, 28));
    QCOMPARE(press(B::Today), QDate(2025, 7, 15));
    QCOMPARE(cal.selectionStart(), QDate(2014, 3, 1));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 5));

    QCOMPARE(cal.focusPolicy(), Qt::StrongFocus);
    cal.setDate(QDate(2014, 2, 28));
    QTest::keyClick(&cal, Qt::Key_Right);
    QCOMPARE(cal.date(), QDate(2014, 3, 1));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 1));
    QTest::keyClick(&cal, Qt::Key_Down);
    QCOMPARE(cal.date(), QDate(2014, 3, 8));
    QTest::keyClick(&cal, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(cal.selectionStart(), QDate(2014, 3, 8));
    QCOMPARE(cal.selectionEnd(), QDate(2014, 3, 9));
    QTest::keyClick(&cal, Qt::Key_PageDown);
    QCOMPARE(cal.date(), QDate(2014, 4, 9));
    QTest::keyClick(&cal, Qt::Key_Up);
    QCOMPARE(cal.date(), QDate(2014, 4, 2));

    QSignalSpy spy(&cal, &TmxCalendar::dateChanged);
    cal.setDay(31);
    QCOMPARE(cal.date(), QDate(2014, 4, 30));
    cal.setDay(30);
    QCOMPARE(spy.count(), 1); // no signal when nothing changes
    cal.setDate(QDate());
    QCOMPARE(cal.date(), QDate(2014, 4, 30));
}

void TestCalendar::gridColoursAndHints()
{
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2014, 2, 12), QTime(8, 0)));
    TmxCalendar cal;
    QCOMPARE(cal.firstShownDate(), QDate(2014, 1, 27));
    QCOMPARE(cal.dayCellRect(QDate(2014, 2, 1)), QRect(6 * 67 + 4, 52, 67, 24));
    QCOMPARE(cal.dayCellRect(QDate(2014, 3, 9)), QRect(7 * 67 + 4, 6 * 24 + 28, 67, 24));
    QVERIFY(cal.dayCellRect(QDate(2014, 3, 10)).isNull());

    const QImage image = renderCells(cal);
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 12))), TmxCalendar::todayColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 10))), TmxCalendar::dayColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 15))), TmxCalendar::weekendColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 2, 16))), TmxCalendar::weekendColor());
    QCOMPARE(cellColor(image, cal.dayCellRect(QDate(2014, 3, 1))),
        cal.palette().color(QPalette::Button));
    QCOMPARE(
        cellColor(image, Holidays::cellRect(0, 3, cal.cellSize())), TmxCalendar::dayNamesColor());
    QCOMPARE(
        cellColor(image, Holidays::cellRect(5, 0, cal.cellSize())), TmxCalendar::dayNamesColor());
    using B = TmxCalendar::Button;
    const std::pair<B, const char *> buttons[] = {{B::PrevYear, "Go to previous year"},
        {B::PrevMonth, "Go to previous month"}, {B::NextMonth, "Go to next month"},
        {B::NextYear, "Go to next year"}, {B::Today, "Set date to today"}};
    for (const auto &[button, hint] : buttons)
        QCOMPARE(cal.hintAt(cal.buttonRect(button).center()), QString::fromLatin1(hint));
    QCOMPARE(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 12)).center()),
        QStringLiteral("This date is today"));
    QVERIFY(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 13)).center()).isEmpty());
    // Selection wins over today's colour.
    cal.setSelection(QDate(2014, 2, 12), QDate(2014, 2, 13));
    QCOMPARE(cellColor(renderCells(cal), cal.dayCellRect(QDate(2014, 2, 12))), cal.SelectedColor());

    cal.setDate(QDate(2014, 6, 30));
    QCOMPARE(cal.dateAt(QPoint(7 * 67 + 4, 52)), QDate(2014, 6, 1));
    QCOMPARE(cal.dateAt(QPoint(67 + 4, 6 * 24 + 28 + 23)), QDate(2014, 6, 30));
    QVERIFY(!cal.dateAt(QPoint(67 + 3, 60)).isValid());
    QCOMPARE(cal.headerText(), QString::fromUtf8("czerwiec, 2014"));
    QCOMPARE(cal.footerText(), QStringLiteral("30.06.2014"));
    // A larger calendar keeps the same arithmetic.
    cal.resize(705, 281);
    QCOMPARE(cal.dayCellRect(QDate(2014, 6, 1)), QRect(7 * 87 + 4, 32 + 28, 87, 32));
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
