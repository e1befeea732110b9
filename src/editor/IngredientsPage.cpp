#include "editor/IngredientsPage.h"

#include "controls/DecimalInputFilter.h"
#include "controls/TPrzycisk.h"
#include "editor/EditorWidgets.h"
#include "platform/ErrorHandler.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace editorwidgets;

IngredientsPage::IngredientsPage(DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("IngredientsPage"));
    IngredientsGrid = new IngredientGrid(this);
    IngredientsGrid->setObjectName(QStringLiteral("IngredientsGrid"));

    IngredientGroup = new QGroupBox(QStringLiteral("Składnik"), this);
    IngredientGroup->setObjectName(QStringLiteral("IngredientGroup"));
    IngredientNameLabel = label(IngredientGroup, "IngredientNameLabel", QStringLiteral("Nazwa"));
    IngredientQuantityLabel
        = label(IngredientGroup, "IngredientQuantityLabel", QStringLiteral("Ilość"));
    IngredientUnitLabel
        = label(IngredientGroup, "IngredientUnitLabel", QStringLiteral("Jednostka"));
    IngredientRemarkLabel
        = label(IngredientGroup, "IngredientRemarkLabel", QStringLiteral("Uwagi"));
    IngredientNameCombo = combo(IngredientGroup, "IngredientNameCombo");
    IngredientQuantityEdit = edit(IngredientGroup, "IngredientQuantityEdit");
    filter->attach(IngredientQuantityEdit);
    IngredientUnitCombo = combo(IngredientGroup, "IngredientUnitCombo");
    IngredientRemarkEdit = edit(IngredientGroup, "IngredientRemarkEdit");
    IngredientNewButton = button(IngredientGroup, "IngredientNewButton", QStringLiteral("Nowy"));
    IngredientAddButton = button(IngredientGroup, "IngredientAddButton", QStringLiteral("Dodaj"));
    IngredientCorrectButton
        = button(IngredientGroup, "IngredientCorrectButton", QStringLiteral("Popraw"));
    IngredientDeleteButton
        = button(IngredientGroup, "IngredientDeleteButton", QStringLiteral("Usuń"));

    auto *fields = new QGridLayout(IngredientGroup);
    fields->setContentsMargins(8, 4, 8, 8);
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(4);
    fields->addWidget(IngredientNewButton, 0, 0, 2, 1, Qt::AlignTop);
    fields->addWidget(IngredientAddButton, 2, 0, 2, 1, Qt::AlignBottom);
    QLabel *labels[] = {
        IngredientNameLabel, IngredientQuantityLabel, IngredientUnitLabel, IngredientRemarkLabel};
    QWidget *controls[]
        = {IngredientNameCombo, IngredientQuantityEdit, IngredientUnitCombo, IngredientRemarkEdit};
    for (int r = 0; r < 4; ++r) {
        fields->addWidget(labels[r], r, 1, Qt::AlignRight);
        fields->addWidget(controls[r], r, 2);
    }
    IngredientQuantityEdit->setMaximumWidth(90);
    fields->addWidget(IngredientCorrectButton, 0, 3, 2, 1, Qt::AlignTop);
    fields->addWidget(IngredientDeleteButton, 2, 3, 2, 1, Qt::AlignBottom);
    fields->setColumnStretch(2, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);
    page->addWidget(IngredientsGrid, 1);
    page->addWidget(IngredientGroup);

    connect(IngredientsGrid, &QTableWidget::currentCellChanged, this,
        [this](int row) { runGuarded([&] { GridSelectCell(row); }); });
    connect(IngredientsGrid, &QTableWidget::cellPressed, this,
        [this](int row) { runGuarded([&] { GridSelectCell(row); }); });
    connect(IngredientAddButton, &TPrzycisk::OnClick, this,
        handler(this, &IngredientsPage::IngredientAddClick));
    connect(IngredientCorrectButton, &TPrzycisk::OnClick, this,
        handler(this, &IngredientsPage::IngredientCorrectClick));
    connect(IngredientDeleteButton, &TPrzycisk::OnClick, this,
        handler(this, &IngredientsPage::IngredientDeleteClick));
    connect(IngredientNewButton, &TPrzycisk::OnClick, this,
        handler(this, &IngredientsPage::IngredientNewClick));
}

void IngredientsPage::setIngredients(const QList<IngredientLine> &lines)
{
    QList<IngredientLine> numbered = lines;
    for (int i = 0; i < numbered.size(); ++i)
        numbered[i].number = QString::number(i);
    IngredientsGrid->setLines(numbered);
}

QList<IngredientLine> IngredientsPage::ingredients() const
{
    return IngredientsGrid->lines();
}

void IngredientsPage::clearIngredients()
{
    IngredientsGrid->setRowCount(0);
}

void IngredientsPage::clearEntry()
{
    IngredientNameCombo->setEditText(QString());
    IngredientQuantityEdit->clear();
    IngredientUnitCombo->setEditText(QString());
    IngredientRemarkEdit->clear();
}

void IngredientsPage::setDictionaryNames(const QStringList &ingredients, const QStringList &units)
{
    setItems(IngredientNameCombo, ingredients);
    setItems(IngredientUnitCombo, units);
    SelectedIngredientRow = 1;
    // The row "Popraw" and "Usuń" act on is the one the grid shows chosen.
    if (IngredientsGrid->rowCount() > 0 && !IngredientsGrid->hasFocus())
        IngredientsGrid->selectRow(0);
}

IngredientLine IngredientsPage::entry() const
{
    return {QString(), IngredientNameCombo->currentText(), IngredientQuantityEdit->text(),
        IngredientUnitCombo->currentText(), IngredientRemarkEdit->text()};
}

// Rows chosen by the program (filling, refreshing) do not touch the entry group.
void IngredientsPage::GridSelectCell(int row)
{
    if (!IngredientsGrid->hasFocus() || row < 0)
        return;
    SelectedIngredientRow = row + 1;
    const IngredientLine l = IngredientsGrid->line(row);
    IngredientNameCombo->setEditText(l.nazwa);
    IngredientQuantityEdit->setText(l.ilosc);
    IngredientUnitCombo->setEditText(l.jednostka);
    IngredientRemarkEdit->setText(l.uwagi);
}

void IngredientsPage::IngredientAddClick()
{
    const int rows = IngredientsGrid->rowCount();
    // A grid whose last row is still empty (a new recipe's) gets the ingredient in that row.
    if (rows == 0 || !IngredientsGrid->cell(rows - 1, 1).isEmpty())
        IngredientsGrid->setRowCount(rows + 1);
    const int last = IngredientsGrid->rowCount() - 1;
    IngredientLine l = entry();
    l.number = IngredientsGrid->cell(last, 0);
    IngredientsGrid->setLine(last, l);
}

void IngredientsPage::IngredientCorrectClick()
{
    const int row = SelectedIngredientRow - 1;
    if (row < 0 || row >= IngredientsGrid->rowCount())
        return;
    IngredientLine l = entry();
    l.number = IngredientsGrid->cell(row, 0);
    IngredientsGrid->setLine(row, l);
}

void IngredientsPage::IngredientDeleteClick()
{
    const int row = SelectedIngredientRow - 1;
    if (row < 0 || row >= IngredientsGrid->rowCount())
        return;
    const QString name = IngredientsGrid->cell(row, 1);
    if (name.isEmpty() || name != IngredientNameCombo->currentText())
        return;
    IngredientsGrid->removeRow(row);
    clearEntry();
}

void IngredientsPage::IngredientNewClick()
{
    clearEntry();
}
