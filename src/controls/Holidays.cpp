#include "controls/Holidays.h"

#include "core/Rounding.h"

#include <algorithm>

namespace Holidays {

namespace {

struct CenturyConstants
{
    int m;
    int n;
};

CenturyConstants constantsFor(int year)
{
    if (year >= 1 && year <= 1582)
        return {15, 6};
    if (year >= 1583 && year <= 1699)
        return {22, 2};
    if (year >= 1700 && year <= 1799)
        return {23, 3};
    if (year >= 1800 && year <= 1899)
        return {23, 4};
    if (year >= 1900 && year <= 2099)
        return {24, 5};
    if (year >= 2100 && year <= 2199)
        return {24, 6};
    return {0, 0};
}

// Grid origin: a 4-pixel margin on the left and the 28-pixel header band on top.
constexpr int GridLeft = 4;
constexpr int GridTop = 28;

MarkerSlot fixedDay(int day, const char *hint)
{
    return {true, day, QString::fromUtf8(hint)};
}

MarkerSlot ifInMonth(const QDate &date, int month, const char *hint)
{
    if (date.isValid() && date.month() == month)
        return {true, date.day(), QString::fromUtf8(hint)};
    return {};
}

} // namespace

QDate easterSunday(int year)
{
    const CenturyConstants k = constantsFor(year);
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int d = (19 * a + k.m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + k.n) % 7;
    if (d + e + 22 <= 31)
        return QDate(year, 3, d + e + 22);
    int day = d + e - 9;
    if (day == 26)
        day = 19;
    else if (day == 25 && d == 28 && e == 6 && (11 * k.m + 11) % 30 < 19)
        day = 18;
    return QDate(year, 4, day);
}

MonthMarkers markersFor(int year, int month)
{
    const QDate easter = easterSunday(year);
    const QDate easterMonday = easter.addDays(1);
    const QDate corpusChristi = easter.addDays(60);

    switch (month) {
    case 1:
        return {fixedDay(1, "Nowy Rok"), fixedDay(6, "3 Króli"), MarkerSlot {}};
    case 3:
    case 4:
        return {ifInMonth(easter, month, "Wielkanoc"),
            ifInMonth(easterMonday, month, "Lany Poniedziałek"),
            ifInMonth(corpusChristi, month, "Boże ciało")};
    case 5:
        return {fixedDay(1, "1 Maja"), fixedDay(3, "3 Maja"),
            ifInMonth(corpusChristi, month, "Boże ciało")};
    case 6:
        return {MarkerSlot {}, MarkerSlot {}, ifInMonth(corpusChristi, month, "Boże ciało")};
    case 8:
        return {fixedDay(15, "Wniebowzięcie NMP"), MarkerSlot {}, MarkerSlot {}};
    case 11:
        return {
            fixedDay(1, "Święto Zmarłych"), fixedDay(11, "Święto Niepodległości"), MarkerSlot {}};
    case 12:
        return {fixedDay(25, "Boże Narodzenie"), fixedDay(26, "Drugi dzień świąt"), MarkerSlot {}};
    default:
        return {};
    }
}

int firstDayOffset(int year, int month)
{
    return QDate(year, month, 1).dayOfWeek() - 1;
}

int dayColumn(int day, int offset)
{
    return (day + offset - 1) % 7 + 1;
}

int dayRow(int day, int offset)
{
    return (day + offset - 1) / 7 + 1;
}

QSize cellSize(QSize calendarSize)
{
    const int w = int(rounding::divHalfEven(calendarSize.width() - 6, 8));
    const int h = int(rounding::divHalfEven(calendarSize.height() - 58, 7));
    return {std::max(w, 0), std::max(h, 0)};
}

QRect cellRect(int column, int row, QSize cell)
{
    return QRect(column * cell.width() + GridLeft, row * cell.height() + GridTop, cell.width(),
        cell.height());
}

QPoint markerTopLeft(int day, int offset, QSize cell)
{
    return cellRect(dayColumn(day, offset), dayRow(day, offset), cell).topLeft();
}

} // namespace Holidays
