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
    void easterMatchesGregorianWithinTable();
    void markers_data();
    void markers();
    void placement_data();
    void placement();
    void cellSize_data();
    void cellSize();
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
    QFETCH(QDate, expected);
    QCOMPARE(Holidays::easterSunday(year), expected);
}

void TestHolidays::easterMatchesGregorianWithinTable()
{
    for (int year = 1583; year <= 2199; ++year)
        QCOMPARE(Holidays::easterSunday(year), gregorianEaster(year));
}

void TestHolidays::markers_data()
{
    // Panel9, Panel10 and Panel11 as "day hint", "-" when hidden.
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, int year, int month, const char *expected) {
        QTest::newRow(name) << year << month << QString::fromUtf8(expected);
    };
    row("2014-01", 2014, 1, "1 Nowy Rok | 6 3 Króli | -");
    row("2014-02", 2014, 2, "- | - | -");
    row("2014-04", 2014, 4, "20 Wielkanoc | 21 Lany Poniedziałek | -");
    row("2014-05 corpus christi in June", 2014, 5, "1 1 Maja | 3 3 Maja | -");
    row("2014-06", 2014, 6, "- | - | 19 Boże ciało");
    row("2014-07", 2014, 7, "- | - | -");
    row("2014-08", 2014, 8, "15 Wniebowzięcie NMP | - | -");
    row("2014-11", 2014, 11, "1 Święto Zmarłych | 11 Święto Niepodległości | -");
    row("2014-12", 2014, 12, "25 Boże Narodzenie | 26 Drugi dzień świąt | -");
    row("2008-03 both in March", 2008, 3, "23 Wielkanoc | 24 Lany Poniedziałek | -");
    row("2008-05 three markers", 2008, 5, "1 1 Maja | 3 3 Maja | 22 Boże ciało");
    row("2024-03 only easter", 2024, 3, "31 Wielkanoc | - | -");
    row("2024-04 only monday", 2024, 4, "- | 1 Lany Poniedziałek | -");
}

void TestHolidays::markers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QStringList seen;
    for (const Holidays::MarkerSlot &slot : Holidays::markersFor(year, month))
        seen << (slot.visible ? QString::number(slot.day) + ' ' + slot.hint : QStringLiteral("-"));
    QTEST(seen.join(QStringLiteral(" | ")), "expected");
}

void TestHolidays::placement_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("topLeft");
    // Cell 67 x 24: left = column * 67 + 4, top = row * 24 + 28.
    QTest::newRow("Sunday start, day 1") << 2014 << 6 << 1 << 7 << 1 << QPoint(473, 52);
    QTest::newRow("Corpus Christi 2014") << 2014 << 6 << 19 << 4 << 4 << QPoint(272, 124);
    QTest::newRow("Sunday start, day 31") << 2015 << 3 << 31 << 2 << 6 << QPoint(138, 172);
    QTest::newRow("Saturday start, day 1") << 2014 << 2 << 1 << 6 << 1 << QPoint(406, 52);
    QTest::newRow("Monday start, day 1") << 2024 << 1 << 1 << 1 << 1 << QPoint(71, 52);
    QTest::newRow("Monday start, day 29") << 2024 << 1 << 29 << 1 << 5 << QPoint(71, 148);
}

void TestHolidays::placement()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QPoint, topLeft);
    const int offset = Holidays::firstDayOffset(year, month);
    QCOMPARE(Holidays::dayColumn(day, offset), column);
    QCOMPARE(Holidays::dayRow(day, offset), row);
    QCOMPARE(Holidays::markerTopLeft(day, offset, QSize(67, 24)), topLeft);
}

void TestHolidays::cellSize_data()
{
    QTest::addColumn<QSize>("calendar");
    QTest::addColumn<QSize>("cell");
    QTest::newRow("form size") << QSize(545, 225) << QSize(67, 24);
    QTest::newRow("width half rounds down to even") << QSize(42, 65) << QSize(4, 1);
    QTest::newRow("width half rounds up to even") << QSize(50, 65) << QSize(6, 1);
    QTest::newRow("height rounds up") << QSize(545, 62) << QSize(67, 1);
    QTest::newRow("height rounds down") << QSize(545, 61) << QSize(67, 0);
}

void TestHolidays::cellSize()
{
    QFETCH(QSize, calendar);
    QFETCH(QSize, cell);
    QCOMPARE(Holidays::cellSize(calendar), cell);
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
