#include "TestEnv.h"
#include "controls/Holidays.h"
#include "controls/TmxCalendar.h"
#include "core/Clock.h"

#include <QLabel>
#include <QTest>

namespace {

// A shown calendar with today fixed.
struct Calendar : TmxCalendar
{
    TestEnv env;

    explicit Calendar(const QDate &today)
    {
        Clock::setFixedForTests(QDateTime(today, QTime(12, 0)));
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    // A pixel inside the cell, clear of the day number and the frame of the current date, without
    // the markers on top.
    QColor cell(const QDate &date)
    {
        QImage image(size(), QImage::Format_RGB32);
        render(&image, {}, {}, DrawWindowBackground);
        return image.pixelColor(dayCellRect(date).topLeft() + QPoint(4, 4));
    }
};

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void markersLandOnTheirDayCells();
    void mouseAndButtons();
    void gridColoursTextsAndHints();
};

// Each placed marker covers its day cell, red, with its day as caption and the holiday's name as
// hint; a click on it picks its day and shows it selected until the holidays are marked again.
void TestCalendar::markersLandOnTheirDayCells()
{
    Calendar cal(QDate(2000, 1, 10));
    cal.sizeMarkers();
    cal.setDate(QDate(2008, 5, 1));
    cal.markHolidays(2008, 5, 1);
    const Holidays::MonthMarkers expected = Holidays::markersFor(2008, 5);
    QLabel *const markers[] = {cal.Panel9, cal.Panel10, cal.Panel11};
    for (int i = 0; i < 3; ++i) {
        QLabel *marker = markers[i];
        const QDate day(2008, 5, expected[i].day);
        QCOMPARE(marker->geometry(), cal.dayCellRect(day));
        QCOMPARE(marker->text(), QString::number(day.day()));
        QCOMPARE(marker->toolTip(), expected[i].hint);
        QCOMPARE(marker->palette().color(QPalette::Window), QColor(Qt::red));
        QTest::mouseClick(marker, Qt::LeftButton);
        QCOMPARE(cal.selectionEnd(), day);
        QCOMPARE(marker->palette().color(QPalette::Window), cal.SelectedColor());
        cal.markHolidays(2008, 5, day.day());
        QCOMPARE(marker->palette().color(QPalette::Window), QColor(Qt::red));
    }
    // A month with fewer holidays hides the other markers.
    cal.setDate(QDate(2014, 6, 1));
    cal.markHolidays(2014, 6, 1);
    QVERIFY(cal.Panel9->isHidden() && cal.Panel10->isHidden());
    QCOMPARE(cal.Panel11->geometry(), cal.dayCellRect(QDate(2014, 6, 19)));
}

// A click picks a day, also of a neighbouring month; the buttons go by months and years, keeping
// the day where the month allows it.
void TestCalendar::mouseAndButtons()
{
    Calendar cal(QDate(2025, 7, 15));
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(1, 1, cal.cellSize()).center());
    // Week numbers and weekday names are not days.
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(0, 2, cal.cellSize()).center());
    QTest::mouseClick(&cal, Qt::LeftButton, {}, Holidays::cellRect(3, 0, cal.cellSize()).center());
    QCOMPARE(cal.date(), QDate(2014, 1, 27));

    cal.setDate(QDate(2024, 1, 31));
    using B = TmxCalendar::Button;
    for (B button : {B::NextMonth, B::NextYear, B::PrevYear, B::PrevMonth, B::PrevMonth})
        QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.buttonRect(button).center());
    QCOMPARE(cal.date(), QDate(2023, 12, 28)); // by 2024-02-29, 2025-02-28, 2024-02-28, 2024-01-28
    QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.buttonRect(B::Today).center());
    QCOMPARE(cal.date(), QDate(2025, 7, 15));
    cal.setDay(32); // past the month's end
    QCOMPARE(cal.date(), QDate(2025, 7, 31));
}

void TestCalendar::gridColoursTextsAndHints()
{
    Calendar cal(QDate(2014, 2, 12));
    // Monday first, a week-number column and a 28-pixel band above the weekday names.
    QCOMPARE(cal.dayCellRect(QDate(2014, 1, 27)), QRect(67 + 4, 24 + 28, 67, 24));
    QCOMPARE(cal.dayCellRect(QDate(2014, 3, 9)), QRect(7 * 67 + 4, 6 * 24 + 28, 67, 24));

    QCOMPARE((QList {cal.cell(QDate(2014, 2, 12)), cal.cell(QDate(2014, 2, 10)),
                 cal.cell(QDate(2014, 2, 15)), cal.cell(QDate(2014, 2, 16)),
                 cal.cell(QDate(2014, 3, 1))}),
        (QList {TmxCalendar::todayColor(), TmxCalendar::dayColor(), TmxCalendar::weekendColor(),
            TmxCalendar::weekendColor(), cal.palette().color(QPalette::Button)}));
    QCOMPARE(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 12)).center()), "This date is today");
    QVERIFY(cal.hintAt(cal.dayCellRect(QDate(2014, 2, 13)).center()).isEmpty());
    // A selected range, even set backwards, is drawn selected, over today's colour.
    cal.setSelection(QDate(2014, 2, 13), QDate(2014, 2, 11));
    for (int day = 10; day <= 14; ++day)
        QCOMPARE(cal.cell(QDate(2014, 2, day)) == cal.SelectedColor(), day >= 11 && day <= 13);

    cal.setDate(QDate(2014, 6, 30));
    QCOMPARE(cal.headerText(), QString::fromUtf8("czerwiec, 2014"));
    QCOMPARE(cal.footerText(), QStringLiteral("30.06.2014"));
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
