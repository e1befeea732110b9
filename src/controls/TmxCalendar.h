#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QWidget>

#include <array>

class QLabel;

// Month calendar with ISO week numbers and three holiday marker panels laid over its day cells.
// The grid uses Holidays::cellRect, so the markers' placement arithmetic lands on the painted
// cells.
class TmxCalendar : public QWidget
{
    Q_OBJECT
public:
    enum class Button { PrevYear, PrevMonth, Today, NextMonth, NextYear };

    explicit TmxCalendar(QWidget *parent = nullptr);

    int Year() const { return m_date.year(); }
    int Month() const { return m_date.month(); }
    int Day() const { return m_date.day(); }
    void setDay(int day);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);

    QDate selectionStart() const { return m_selectionStart; }
    QDate selectionEnd() const { return m_selectionEnd; }
    void setSelection(const QDate &start, const QDate &end);
    void clearSelection();
    bool isSelected(const QDate &date) const;

    QColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(const QColor &color);

    QSize sizeHint() const override;

    // Holiday markers.
    QLabel *Panel9 = nullptr;
    QLabel *Panel10 = nullptr;
    QLabel *Panel11 = nullptr;
    // Sizes the markers to one day cell and puts the first at its resting place.
    void sizeMarkers();
    // Red for a marker of another day, the selection colour for the marker of the chosen day.
    void colourMarkersForSelectedDay();
    void markHolidays(int year, int month, int day);
    void setMarkerColor(QLabel *marker, const QColor &color);

    // Geometry of the current size and month, for painting, hit testing and tests.
    QSize cellSize() const;
    QDate firstShownDate() const; // Monday of the first week row
    QDate dateAtCell(int column, int row) const; // column 1..7, row 1..6
    QRect dayCellRect(const QDate &date) const; // null when the date is not shown
    QDate dateAt(const QPoint &pos) const; // invalid outside the day cells
    QRect buttonRect(Button button) const { return buttonRect(button, size()); }
    static QRect buttonRect(Button button, QSize calendarSize);
    QString headerText() const;
    QString footerText() const;
    QString hintAt(const QPoint &pos) const;

    static QString monthName(int month);
    static QString weekdayName(int dayOfWeek); // 1 = Monday

    // Colours of the form's settings.
    static QColor dayColor() { return QColor(0xFF, 0xFF, 0x00); }
    static QColor weekendColor() { return QColor(0x00, 0xFF, 0xFF); }
    static QColor dayNamesColor() { return QColor(0x00, 0x80, 0xFF); }
    static QColor todayColor() { return QColor(0xFF, 0x80, 0x40); }
    static QColor markerColor() { return QColor(0xFF, 0x00, 0x00); }

signals:
    void dateChanged(QDate date);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drawBackground(QPainter &p);
    void drawHeader(QPainter &p);
    void drawButton(QPainter &p, Button button, const QString &text);
    void drawWeekdayNames(QPainter &p);
    void drawWeekNumbers(QPainter &p);
    void drawDays(QPainter &p);
    void drawDayCell(QPainter &p, const QDate &date, const QRect &rect);
    void drawFooter(QPainter &p);

    QLabel *createMarker(const char *name);
    void pressButton(Button button);
    void pickDate(const QDate &date, bool extend);
    void onMarkerClicked(QLabel *marker);
    int buttonAt(const QPoint &pos) const; // index into Button or -1
    QColor indirectColor() const;

    QDate m_date;
    QDate m_selectionStart;
    QDate m_selectionEnd;
    QColor m_selectedColor;
    QFont m_font;
    QFont m_boldFont;
    int m_hoverButton = -1;
};
