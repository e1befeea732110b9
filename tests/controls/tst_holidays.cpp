#include "Holidays.h"

#include <QTest>

using Holidays::MarkerSlot;

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

MarkerSlot shown(int day, const char *hint)
{
    return {true, day, QString::fromUtf8(hint)};
}

} // namespace

Q_DECLARE_METATYPE(MarkerSlot)

class TestHolidays : public QObject
{
    Q_OBJECT
private slots:
    void easter_data();
    void easter();
    void easterMatchesGregorianWithinTable();
    void markers_data();
    void markers();
    void offset_data();
    void offset();
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
    QTest::newRow("2000") << 2000 << QDate(2000, 4, 23);
    QTest::newRow("2008 early") << 2008 << QDate(2008, 3, 23);
    QTest::newRow("2038 latest") << 2038 << QDate(2038, 4, 25);
    QTest::newRow("1818 earliest") << 1818 << QDate(1818, 3, 22);
    QTest::newRow("1600") << 1600 << QDate(1600, 4, 2);
    QTest::newRow("2199 last of table") << 2199 << QDate(2199, 4, 14);
    // Before 1583 the constants give the Julian Easter, day and month taken as they are.
    QTest::newRow("1500 julian") << 1500 << QDate(1500, 4, 19);
    QTest::newRow("1000 julian") << 1000 << QDate(1000, 3, 31);
    // Past the table the constants are (0, 0).
    QTest::newRow("2200 other years") << 2200 << QDate(2200, 4, 6);
    QTest::newRow("2300 other years") << 2300 << QDate(2300, 4, 14);
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
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<MarkerSlot>("p9");
    QTest::addColumn<MarkerSlot>("p10");
    QTest::addColumn<MarkerSlot>("p11");
    const MarkerSlot off;
    QTest::newRow("2014-01") << 2014 << 1 << shown(1, "Nowy Rok") << shown(6, "3 Króli") << off;
    QTest::newRow("2014-02") << 2014 << 2 << off << off << off;
    QTest::newRow("2014-03 easter later") << 2014 << 3 << off << off << off;
    QTest::newRow("2014-04") << 2014 << 4 << shown(20, "Wielkanoc")
                             << shown(21, "Lany Poniedziałek") << off;
    QTest::newRow("2014-05 corpus christi in June")
        << 2014 << 5 << shown(1, "1 Maja") << shown(3, "3 Maja") << off;
    QTest::newRow("2014-06") << 2014 << 6 << off << off << shown(19, "Boże ciało");
    QTest::newRow("2014-07") << 2014 << 7 << off << off << off;
    QTest::newRow("2014-08") << 2014 << 8 << shown(15, "Wniebowzięcie NMP") << off << off;
    QTest::newRow("2014-09") << 2014 << 9 << off << off << off;
    QTest::newRow("2014-10") << 2014 << 10 << off << off << off;
    QTest::newRow("2014-11") << 2014 << 11 << shown(1, "Święto Zmarłych")
                             << shown(11, "Święto Niepodległości") << off;
    QTest::newRow("2014-12") << 2014 << 12 << shown(25, "Boże Narodzenie")
                             << shown(26, "Drugi dzień świąt") << off;
    QTest::newRow("2008-03 both in March")
        << 2008 << 3 << shown(23, "Wielkanoc") << shown(24, "Lany Poniedziałek") << off;
    QTest::newRow("2008-04 nothing") << 2008 << 4 << off << off << off;
    QTest::newRow("2008-05 three markers")
        << 2008 << 5 << shown(1, "1 Maja") << shown(3, "3 Maja") << shown(22, "Boże ciało");
    QTest::newRow("2008-06 nothing") << 2008 << 6 << off << off << off;
    QTest::newRow("2024-03 only easter") << 2024 << 3 << shown(31, "Wielkanoc") << off << off;
    QTest::newRow("2024-04 only monday")
        << 2024 << 4 << off << shown(1, "Lany Poniedziałek") << off;
    QTest::newRow("2038-04 late") << 2038 << 4 << shown(25, "Wielkanoc")
                                  << shown(26, "Lany Poniedziałek") << off;
    QTest::newRow("2038-06 late corpus christi")
        << 2038 << 6 << off << off << shown(24, "Boże ciało");
}

void TestHolidays::markers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(MarkerSlot, p9);
    QFETCH(MarkerSlot, p10);
    QFETCH(MarkerSlot, p11);
    const Holidays::MonthMarkers got = Holidays::markersFor(year, month);
    const MarkerSlot expected[] = {p9, p10, p11};
    const char *const names[] = {"Panel9", "Panel10", "Panel11"};
    for (size_t i = 0; i < 3; ++i) {
        QVERIFY2(got[i].visible == expected[i].visible, names[i]);
        if (expected[i].visible) {
            QCOMPARE(got[i].day, expected[i].day);
            QCOMPARE(got[i].hint, expected[i].hint);
        }
    }
}

void TestHolidays::offset_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("offset");
    QTest::newRow("2024-01 Monday") << 2024 << 1 << 0;
    QTest::newRow("2014-02 Saturday") << 2014 << 2 << 5;
    QTest::newRow("2014-06 Sunday") << 2014 << 6 << 6;
    QTest::newRow("2015-03 Sunday") << 2015 << 3 << 6;
}

void TestHolidays::offset()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, offset);
    QCOMPARE(Holidays::firstDayOffset(year, month), offset);
}

void TestHolidays::placement_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("topLeft");
    // Cell 67 x 24: left = column * 67 + 4, top = row * 24 + 28.
    QTest::newRow("Sunday start, day 1") << 1 << 6 << 7 << 1 << QPoint(473, 52);
    QTest::newRow("Sunday start, day 31") << 31 << 6 << 2 << 6 << QPoint(138, 172);
    QTest::newRow("Corpus Christi 2014") << 19 << 6 << 4 << 4 << QPoint(272, 124);
    QTest::newRow("Monday start, day 1") << 1 << 0 << 1 << 1 << QPoint(71, 52);
    QTest::newRow("Monday start, day 28") << 28 << 0 << 7 << 4 << QPoint(473, 124);
    QTest::newRow("Monday start, day 29") << 29 << 0 << 1 << 5 << QPoint(71, 148);
}

void TestHolidays::placement()
{
    QFETCH(int, day);
    QFETCH(int, offset);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QPoint, topLeft);
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
    QTest::newRow("too small") << QSize(2, 10) << QSize(0, 0);
}

void TestHolidays::cellSize()
{
    QFETCH(QSize, calendar);
    QFETCH(QSize, cell);
    QCOMPARE(Holidays::cellSize(calendar), cell);
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "tst_holidays.moc"
