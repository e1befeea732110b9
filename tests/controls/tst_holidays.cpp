#include "controls/Holidays.h"

#include <QTest>

namespace {

// Anonymous Gregorian algorithm (Meeus/Jones/Butcher), an oracle independent of the century table.
QDate gregorianEaster(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, month, day);
}

} // namespace

class TestHolidays : public QObject
{
    Q_OBJECT
private slots:
    void easter_data();
    void easter();
    void easterIsGregorianWithinTheTable();
    void markers_data();
    void markers();
    void cellsAndPlacement();
};

void TestHolidays::easter_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("2014") << 2014 << QDate(2014, 4, 20);
    QTest::newRow("2024 in March") << 2024 << QDate(2024, 3, 31);
    QTest::newRow("2025") << 2025 << QDate(2025, 4, 20);
    QTest::newRow("1954 April 25 becomes 18") << 1954 << QDate(1954, 4, 18);
    QTest::newRow("2049 April 25 becomes 18") << 2049 << QDate(2049, 4, 18);
    QTest::newRow("1981 April 26 becomes 19") << 1981 << QDate(1981, 4, 19);
    // Before 1583 the constants give the Julian Easter, day and month taken as they are.
    QTest::newRow("1500 julian") << 1500 << QDate(1500, 4, 19);
    // Past the table the constants are (0, 0).
    QTest::newRow("2200 past the table") << 2200 << QDate(2200, 4, 6);
}

void TestHolidays::easter()
{
    QFETCH(int, year);
    QTEST(Holidays::easterSunday(year), "expected");
}

void TestHolidays::easterIsGregorianWithinTheTable()
{
    for (int year = 1583; year <= 2199; ++year)
        QCOMPARE(Holidays::easterSunday(year), gregorianEaster(year));
}

void TestHolidays::markers_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, int year, int month, const char *expected) {
        QTest::newRow(name) << year << month << QString::fromUtf8(expected);
    };
    row("2014-01", 2014, 1, "1 Nowy Rok | 6 3 Króli | -");
    for (int month : {2, 7, 9, 10})
        row(qPrintable(QStringLiteral("2014-%1 none").arg(month)), 2014, month, "- | - | -");
    row("2014-05 corpus christi in June", 2014, 5, "1 1 Maja | 3 3 Maja | -");
    row("2014-06", 2014, 6, "- | - | 19 Boże ciało");
    row("2014-08", 2014, 8, "15 Wniebowzięcie NMP | - | -");
    row("2014-11", 2014, 11, "1 Święto Zmarłych | 11 Święto Niepodległości | -");
    row("2014-12", 2014, 12, "25 Boże Narodzenie | 26 Drugi dzień świąt | -");
    row("2008-05 three markers", 2008, 5, "1 1 Maja | 3 3 Maja | 22 Boże ciało");
    row("2024-03 only easter", 2024, 3, "31 Wielkanoc | - | -");
    row("2024-04 only monday", 2024, 4, "- | 1 Lany Poniedziałek | -");
}

// Panel9, Panel10 and Panel11 as "day hint", "-" when hidden.
void TestHolidays::markers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QStringList seen;
    for (const Holidays::MarkerSlot &slot : Holidays::markersFor(year, month))
        seen << (slot.visible ? QString::number(slot.day) + ' ' + slot.hint : QStringLiteral("-"));
    QTEST(seen.join(QStringLiteral(" | ")), "expected");
}

// Cells of (w - 6) / 8 by (h - 58) / 7, halves to even (the calendar's own test has the form's
// 67 x 24); a marker's cell from its day and the weekday the month starts on.
void TestHolidays::cellsAndPlacement()
{
    QCOMPARE(Holidays::cellSize(QSize(42, 65)), QSize(4, 1)); // 4.5 and 1
    QCOMPARE(Holidays::cellSize(QSize(50, 61)), QSize(6, 0)); // 5.5 and 0.43
    // A month starting on Sunday puts day 1 in column 7 of row 1, day 31 in column 2 of row 6.
    const int sunday = Holidays::firstDayOffset(2015, 3);
    QCOMPARE(Holidays::markerTopLeft(1, sunday, QSize(67, 24)), QPoint(7 * 67 + 4, 1 * 24 + 28));
    QCOMPARE(Holidays::markerTopLeft(31, sunday, QSize(67, 24)), QPoint(2 * 67 + 4, 6 * 24 + 28));
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
