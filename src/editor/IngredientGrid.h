#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

// One ingredient line as the grid holds it: the shown number and the four stored cells.
struct IngredientLine
{
    QString number, nazwa, ilosc, jednostka, uwagi;
};

// The recipe's ingredients in five fixed columns: "Nr", "Nazwa", "Ilość", "Jednostka", "Uwagi".
// The header row is the table's header, so grid row r (counted from 1, as the header is row 0)
// is table row r - 1. Whole rows are selected, cells are not edited in place, columns keep their
// order (everything is read by position) and a row is moved by dragging it to another row.
class IngredientGrid : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int Columns = 5;

    explicit IngredientGrid(QWidget *parent = nullptr);

    QList<IngredientLine> lines() const;
    void setLines(const QList<IngredientLine> &lines);
    IngredientLine line(int row) const;
    void setLine(int row, const IngredientLine &line);
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // Moves a row; the rows are then numbered 1, 2, 3 ...
    void moveLine(int from, int to);

signals:
    // The user moved a row by dragging it.
    void lineMoved(int from, int to);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_dragRow = -1;
};
