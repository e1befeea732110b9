#pragma once

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Polish public holidays and where their markers sit on the month calendar. No widgets here:
// the calendar paints its grid with the same cell arithmetic, so a marker always covers its day.
namespace Holidays {

// Gauss's rule with the century constants; years outside 1..2199 use the constants (0, 0).
QDate easterSunday(int year);

struct MarkerSlot
{
    bool visible = false;
    int day = 0; // day of the shown month, 0 when hidden
    QString hint;
};

// The three marker slots in the order Panel9, Panel10, Panel11.
using MonthMarkers = std::array<MarkerSlot, 3>;
MonthMarkers markersFor(int year, int month);

// Weekday of the month's first day, Monday = 0 ... Sunday = 6.
int firstDayOffset(int year, int month);
// Column 1 (Monday) ... 7 (Sunday) and week row 1 ... 6 of a day of the month.
int dayColumn(int day, int offset);
int dayRow(int day, int offset);

// One day cell of a calendar of the given size: ((w - 6) / 8, (h - 58) / 7), ties to even.
QSize cellSize(QSize calendarSize);
// Grid cell: column 0 holds the week numbers, row 0 the weekday names.
QRect cellRect(int column, int row, QSize cell);
QPoint markerTopLeft(int day, int offset, QSize cell);

} // namespace Holidays
