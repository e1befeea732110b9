#pragma once

#include "editor/IngredientGrid.h"

#include <QWidget>

class DecimalInputFilter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TPrzycisk;

// Page "Składniki": the ingredient grid and the entry group "Składnik" below it, in which one
// ingredient is typed or picked and then added to the grid or written over the chosen row.
class IngredientsPage : public QWidget
{
    Q_OBJECT

public:
    IngredientsPage(DecimalInputFilter *filter, QWidget *parent);

    // A recipe's ingredients, numbered from 0 as they are loaded.
    void setIngredients(const QList<IngredientLine> &lines);
    QList<IngredientLine> ingredients() const;
    // The grid keeps only its header row.
    void clearIngredients();
    // The four fields of the entry group emptied.
    void clearEntry();
    // The names of the two dictionaries for the name and unit lists; typed texts stay. The
    // chosen row goes back to the first.
    void setDictionaryNames(const QStringList &ingredients, const QStringList &units);

    // Grid row (from 1) the user last chose; "Popraw" and "Usuń" of the group act on it.
    int SelectedIngredientRow = 1;

    IngredientGrid *IngredientsGrid;
    QGroupBox *IngredientGroup;
    QLabel *IngredientNameLabel, *IngredientQuantityLabel, *IngredientUnitLabel,
        *IngredientRemarkLabel;
    QComboBox *IngredientNameCombo;
    QLineEdit *IngredientQuantityEdit;
    QComboBox *IngredientUnitCombo;
    QLineEdit *IngredientRemarkEdit;
    TPrzycisk *IngredientNewButton, *IngredientAddButton, *IngredientCorrectButton,
        *IngredientDeleteButton;

    // Handlers.
    void GridSelectCell(int row);
    void IngredientAddClick();
    void IngredientCorrectClick();
    void IngredientDeleteClick();
    void IngredientNewClick();

private:
    IngredientLine entry() const;
};
