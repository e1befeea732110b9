#include "controls/TmxCalendar.h"

#include "controls/Holidays.h"
#include "core/Clock.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int HeaderHeight = 28;
constexpr int ButtonWidth = 24;
constexpr int ButtonHeight = 22;
constexpr int ButtonSpacing = 2;
constexpr int Margin = 4;

const QDate MinDate(1, 1, 1);
const QDate MaxDate(9999, 12, 31);

QDate clampDate(const QDate &date)
{
    return std::clamp(date, MinDate, MaxDate);
}

const char *buttonText(TmxCalendar::Button button)
{
    switch (button) {
    case TmxCalendar::Button::PrevYear:
        return "<<";
    case TmxCalendar::Button::PrevMonth:
        return "<";
    case TmxCalendar::Button::Today:
        return "T";
    case TmxCalendar::Button::NextMonth:
        return ">";
    case TmxCalendar::Button::NextYear:
        return ">>";
    }
    return "";
}

const char *buttonHint(TmxCalendar::Button button)
{
    switch (button) {
    case TmxCalendar::Button::PrevYear:
        return "Go to previous year";
    case TmxCalendar::Button::PrevMonth:
        return "Go to previous month";
    case TmxCalendar::Button::Today:
        return "Set date to today";
    case TmxCalendar::Button::NextMonth:
        return "Go to next month";
    case TmxCalendar::Button::NextYear:
        return "Go to next year";
    }
    return "";
}

constexpr std::array<TmxCalendar::Button, 5> AllButtons
    = {TmxCalendar::Button::PrevYear, TmxCalendar::Button::PrevMonth, TmxCalendar::Button::Today,
        TmxCalendar::Button::NextMonth, TmxCalendar::Button::NextYear};

} // namespace

TmxCalendar::TmxCalendar(QWidget *parent)
    : QWidget(parent)
    , m_date(2014, 2, 24)
    , m_selectedColor(0x80, 0x00, 0x00)
{
    m_font = QApplication::font();
    m_font.setPointSize(8);
    m_boldFont = m_font;
    m_boldFont.setBold(true);
    setFont(m_font);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(545, 225);

    Panel9 = createMarker("Panel9");
    Panel10 = createMarker("Panel10");
    Panel11 = createMarker("Panel11");
}

QLabel *TmxCalendar::createMarker(const char *name)
{
    auto *marker = new QLabel(this);
    marker->setObjectName(QString::fromLatin1(name));
    marker->setAlignment(Qt::AlignCenter);
    marker->setAutoFillBackground(true);
    marker->setFrameStyle(QFrame::Panel | QFrame::Raised);
    marker->setLineWidth(1);
    marker->setCursor(Qt::PointingHandCursor);
    marker->resize(cellSize());
    marker->installEventFilter(this);
    setMarkerColor(marker, markerColor());
    marker->hide();
    return marker;
}

QSize TmxCalendar::sizeHint() const
{
    return QSize(545, 225);
}

void TmxCalendar::setDay(int day)
{
    setDate(QDate(Year(), Month(), std::clamp(day, 1, m_date.daysInMonth())));
}

void TmxCalendar::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    const QDate clamped = clampDate(date);
    if (clamped == m_date)
        return;
    m_date = clamped;
    update();
    emit dateChanged(m_date);
}

void TmxCalendar::setSelection(const QDate &start, const QDate &end)
{
    m_selectionStart = start;
    m_selectionEnd = end;
    update();
}

void TmxCalendar::clearSelection()
{
    setSelection(QDate(), QDate());
}

bool TmxCalendar::isSelected(const QDate &date) const
{
    if (!m_selectionStart.isValid() || !m_selectionEnd.isValid())
        return false;
    const auto [first, last] = std::minmax(m_selectionStart, m_selectionEnd);
    return date >= first && date <= last;
}

void TmxCalendar::setSelectedColor(const QColor &color)
{
    m_selectedColor = color;
    update();
}

void TmxCalendar::sizeMarkers()
{
    const QSize cell = cellSize();
    for (QLabel *marker : {Panel9, Panel10, Panel11})
        marker->resize(cell);
    Panel9->move(cell.width() + 4, 6 * cell.height() + 30);
}

void TmxCalendar::colourMarkersForSelectedDay()
{
    for (QLabel *marker : {Panel9, Panel10, Panel11})
        setMarkerColor(marker, marker->text().toInt() != Day() ? QColor(Qt::red) : SelectedColor());
}

void TmxCalendar::markHolidays(int year, int month, int day)
{
    // The selected day plays no part in placing the markers; the caller passes it for symmetry
    // with the date it polls.
    Q_UNUSED(day);
    const std::array<QLabel *, 3> markers = {Panel9, Panel10, Panel11};
    if (!QDate(year, month, 1).isValid()) {
        for (QLabel *marker : markers)
            marker->hide();
        return;
    }
    const Holidays::MonthMarkers holidaySlots = Holidays::markersFor(year, month);
    const int offset = Holidays::firstDayOffset(year, month);
    const QSize cell = cellSize();
    for (size_t i = 0; i < markers.size(); ++i) {
        QLabel *marker = markers[i];
        const Holidays::MarkerSlot &slot = holidaySlots[i];
        marker->setVisible(slot.visible);
        if (!slot.visible)
            continue;
        marker->setToolTip(slot.hint);
        marker->move(Holidays::markerTopLeft(slot.day, offset, cell));
        marker->setText(QString::number(slot.day));
        setMarkerColor(marker, markerColor());
    }
}

void TmxCalendar::setMarkerColor(QLabel *marker, const QColor &color)
{
    if (!marker)
        return;
    QPalette pal = marker->palette();
    pal.setColor(QPalette::Window, color);
    marker->setPalette(pal);
}

QSize TmxCalendar::cellSize() const
{
    return Holidays::cellSize(size());
}

QDate TmxCalendar::firstShownDate() const
{
    const QDate first(Year(), Month(), 1);
    return first.addDays(-Holidays::firstDayOffset(Year(), Month()));
}

QDate TmxCalendar::dateAtCell(int column, int row) const
{
    return firstShownDate().addDays((row - 1) * 7 + (column - 1));
}

QRect TmxCalendar::dayCellRect(const QDate &date) const
{
    if (!date.isValid())
        return {};
    const qint64 index = firstShownDate().daysTo(date);
    if (index < 0 || index >= 42)
        return {};
    return Holidays::cellRect(int(index % 7) + 1, int(index / 7) + 1, cellSize());
}

QDate TmxCalendar::dateAt(const QPoint &pos) const
{
    const QSize cell = cellSize();
    if (cell.isEmpty())
        return {};
    const QRect first = Holidays::cellRect(1, 1, cell);
    const int dx = pos.x() - first.left();
    const int dy = pos.y() - first.top();
    if (dx < 0 || dy < 0)
        return {};
    const int column = dx / cell.width() + 1;
    const int row = dy / cell.height() + 1;
    if (column > 7 || row > 6)
        return {};
    return dateAtCell(column, row);
}

QRect TmxCalendar::buttonRect(Button button, QSize calendarSize)
{
    const int top = (HeaderHeight - ButtonHeight) / 2;
    const int step = ButtonWidth + ButtonSpacing;
    const int right = calendarSize.width() - Margin - ButtonWidth;
    int left = 0;
    switch (button) {
    case Button::PrevYear:
        left = Margin;
        break;
    case Button::PrevMonth:
        left = Margin + step;
        break;
    case Button::Today:
        left = right - 2 * step - 8; // set apart from the forward buttons
        break;
    case Button::NextMonth:
        left = right - step;
        break;
    case Button::NextYear:
        left = right;
        break;
    }
    return QRect(left, top, ButtonWidth, ButtonHeight);
}

QString TmxCalendar::headerText() const
{
    return QString::asprintf("%s, %d", monthName(Month()).toUtf8().constData(), Year());
}

QString TmxCalendar::footerText() const
{
    return m_date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString TmxCalendar::hintAt(const QPoint &pos) const
{
    const int button = buttonAt(pos);
    if (button >= 0)
        return QString::fromLatin1(buttonHint(AllButtons[size_t(button)]));
    const QDate date = dateAt(pos);
    if (date.isValid() && date == Clock::today())
        return QStringLiteral("This date is today");
    return {};
}

QString TmxCalendar::monthName(int month)
{
    static const char *const names[] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
        "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf8(names[month - 1]);
}

QString TmxCalendar::weekdayName(int dayOfWeek)
{
    static const char *const names[] = {"Pn", "Wt", "Śr", "Cz", "Pt", "So", "N"};
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return QString::fromUtf8(names[dayOfWeek - 1]);
}

int TmxCalendar::buttonAt(const QPoint &pos) const
{
    for (size_t i = 0; i < AllButtons.size(); ++i) {
        if (buttonRect(AllButtons[i]).contains(pos))
            return int(i);
    }
    return -1;
}

QColor TmxCalendar::indirectColor() const
{
    return palette().color(QPalette::Button);
}

void TmxCalendar::pressButton(Button button)
{
    switch (button) {
    case Button::PrevYear:
        setDate(m_date.addYears(-1));
        break;
    case Button::PrevMonth:
        setDate(m_date.addMonths(-1));
        break;
    case Button::Today:
        setDate(Clock::today());
        break;
    case Button::NextMonth:
        setDate(m_date.addMonths(1));
        break;
    case Button::NextYear:
        setDate(m_date.addYears(1));
        break;
    }
}

void TmxCalendar::pickDate(const QDate &date, bool extend)
{
    if (!date.isValid())
        return;
    const QDate picked = clampDate(date);
    // The selection is set before the date so that a listener of dateChanged sees both.
    if (extend)
        setSelection(m_selectionStart.isValid() ? m_selectionStart : m_date, picked);
    else
        setSelection(picked, picked);
    setDate(picked);
}

void TmxCalendar::onMarkerClicked(QLabel *marker)
{
    bool ok = false;
    const int day = marker->text().toInt(&ok);
    if (!ok || day < 1 || day > m_date.daysInMonth())
        return;
    pickDate(QDate(Year(), Month(), day), false);
    setMarkerColor(marker, m_selectedColor);
}

void TmxCalendar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const int button = buttonAt(pos);
    if (button >= 0) {
        pressButton(AllButtons[size_t(button)]);
        return;
    }
    const QDate date = dateAt(pos);
    if (date.isValid())
        pickDate(date, event->modifiers() & Qt::ShiftModifier);
}

void TmxCalendar::mouseMoveEvent(QMouseEvent *event)
{
    const int hover = buttonAt(event->position().toPoint());
    if (hover != m_hoverButton) {
        m_hoverButton = hover;
        update(QRect(0, 0, width(), HeaderHeight));
    }
    QWidget::mouseMoveEvent(event);
}

void TmxCalendar::leaveEvent(QEvent *event)
{
    if (m_hoverButton >= 0) {
        m_hoverButton = -1;
        update(QRect(0, 0, width(), HeaderHeight));
    }
    QWidget::leaveEvent(event);
}

void TmxCalendar::keyPressEvent(QKeyEvent *event)
{
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        pickDate(m_date.addDays(-1), extend);
        break;
    case Qt::Key_Right:
        pickDate(m_date.addDays(1), extend);
        break;
    case Qt::Key_Up:
        pickDate(m_date.addDays(-7), extend);
        break;
    case Qt::Key_Down:
        pickDate(m_date.addDays(7), extend);
        break;
    case Qt::Key_PageUp:
        pressButton(Button::PrevMonth);
        break;
    case Qt::Key_PageDown:
        pressButton(Button::NextMonth);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool TmxCalendar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString hint = hintAt(help->pos());
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), hint, this);
        }
        return true;
    }
    return QWidget::event(event);
}

bool TmxCalendar::eventFilter(QObject *watched, QEvent *event)
{
    auto *marker = qobject_cast<QLabel *>(watched);
    if (marker && (marker == Panel9 || marker == Panel10 || marker == Panel11)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                onMarkerClicked(marker);
            return true; // a marker click never reaches the day cell beneath it
        case QEvent::MouseButtonRelease:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TmxCalendar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawBackground(p);
    drawHeader(p);
    drawWeekdayNames(p);
    drawWeekNumbers(p);
    drawDays(p);
    drawFooter(p);
}

void TmxCalendar::drawBackground(QPainter &p)
{
    p.fillRect(rect(), indirectColor());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TmxCalendar::drawHeader(QPainter &p)
{
    const QRect prev = buttonRect(Button::PrevMonth);
    const QRect today = buttonRect(Button::Today);
    const QRect title(prev.right() + 1, 0, today.left() - prev.right() - 1, HeaderHeight);
    p.setFont(m_boldFont);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(title, Qt::AlignCenter, headerText());
    for (Button button : AllButtons)
        drawButton(p, button, QString::fromLatin1(buttonText(button)));
}

void TmxCalendar::drawButton(QPainter &p, Button button, const QString &text)
{
    const QRect r = buttonRect(button);
    // Flat buttons: a frame only under the mouse.
    if (m_hoverButton >= 0 && AllButtons[size_t(m_hoverButton)] == button) {
        p.fillRect(r, palette().color(QPalette::Light));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.setFont(m_boldFont);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(r, Qt::AlignCenter, text);
}

void TmxCalendar::drawWeekdayNames(QPainter &p)
{
    const QSize cell = cellSize();
    p.setFont(m_font);
    for (int column = 0; column <= 7; ++column) {
        const QRect r = Holidays::cellRect(column, 0, cell);
        p.fillRect(r.adjusted(0, 0, -1, -1), dayNamesColor());
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, column == 0 ? QStringLiteral("CW") : weekdayName(column));
    }
}

void TmxCalendar::drawWeekNumbers(QPainter &p)
{
    const QSize cell = cellSize();
    p.setFont(m_font);
    p.setPen(Qt::white);
    for (int row = 1; row <= 6; ++row) {
        const QRect r = Holidays::cellRect(0, row, cell);
        p.fillRect(r.adjusted(0, 0, -1, -1), dayNamesColor());
        p.drawText(r, Qt::AlignCenter, QString::number(dateAtCell(1, row).weekNumber()));
    }
}

void TmxCalendar::drawDays(QPainter &p)
{
    const QSize cell = cellSize();
    p.setFont(m_font);
    for (int row = 1; row <= 6; ++row) {
        for (int column = 1; column <= 7; ++column)
            drawDayCell(p, dateAtCell(column, row), Holidays::cellRect(column, row, cell));
    }
}

void TmxCalendar::drawDayCell(QPainter &p, const QDate &date, const QRect &rect)
{
    QColor background = dayColor();
    QColor text = Qt::black;
    if (isSelected(date)) {
        background = m_selectedColor;
        text = Qt::white;
    } else if (date == Clock::today()) {
        background = todayColor();
    } else if (date.month() != Month()) {
        background = indirectColor();
        text = QColor(0x80, 0x80, 0x80);
    } else if (date.dayOfWeek() >= 6) {
        background = weekendColor();
    }
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    p.fillRect(inner, background);
    if (date == m_date) {
        p.setPen(isSelected(date) ? Qt::white : Qt::black);
        p.drawRect(inner.adjusted(1, 1, -2, -2));
    }
    p.setPen(text);
    p.drawText(rect, Qt::AlignCenter, QString::number(date.day()));
}

void TmxCalendar::drawFooter(QPainter &p)
{
    const QSize cell = cellSize();
    const int top = Holidays::cellRect(0, 7, cell).top();
    const QRect r(Margin, top, width() - 2 * Margin, height() - top);
    p.setFont(m_font);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(r, Qt::AlignCenter, footerText());
}
