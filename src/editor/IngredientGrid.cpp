#include "editor/IngredientGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

IngredientGrid::IngredientGrid(QWidget *parent)
    : QTableWidget(1, Columns, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Nazwa"),
        QStringLiteral("Ilość"), QStringLiteral("Jednostka"), QStringLiteral("Uwagi")});
    const int widths[Columns] = {20, 173, 47, 120, 215};
    for (int c = 0; c < Columns; ++c)
        setColumnWidth(c, widths[c]);
    QHeaderView *header = horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: olive; color: white; padding: 0 2px; "
        "border: none; border-right: 1px solid #5a5a00; }"));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(18);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

QString IngredientGrid::cell(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void IngredientGrid::setCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *it = item(row, column))
        it->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

IngredientLine IngredientGrid::line(int row) const
{
    return {cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3), cell(row, 4)};
}

void IngredientGrid::setLine(int row, const IngredientLine &l)
{
    const QString texts[Columns] = {l.number, l.nazwa, l.ilosc, l.jednostka, l.uwagi};
    for (int c = 0; c < Columns; ++c)
        setCell(row, c, texts[c]);
}

QList<IngredientLine> IngredientGrid::lines() const
{
    QList<IngredientLine> out;
    for (int r = 0; r < rowCount(); ++r)
        out << line(r);
    return out;
}

void IngredientGrid::setLines(const QList<IngredientLine> &lines)
{
    clearContents();
    setRowCount(int(lines.size()));
    for (int r = 0; r < rowCount(); ++r)
        setLine(r, lines[r]);
}

void IngredientGrid::moveLine(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount())
        return;
    QList<IngredientLine> all = lines();
    all.move(from, to);
    for (int r = 0; r < all.size(); ++r)
        all[r].number = QString::number(r + 1);
    setLines(all);
    selectRow(to);
}

void IngredientGrid::mousePressEvent(QMouseEvent *event)
{
    QTableWidget::mousePressEvent(event);
    m_dragRow = event->button() == Qt::LeftButton ? rowAt(int(event->position().y())) : -1;
}

// The selection follows the mouse while the button is held; the row goes where it is released.
void IngredientGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    const int from = std::exchange(m_dragRow, -1);
    int to = rowAt(int(event->position().y()));
    if (to < 0)
        to = currentRow();
    if (event->button() != Qt::LeftButton || from < 0 || to < 0 || from == to)
        return;
    moveLine(from, to);
    emit lineMoved(from, to);
}
