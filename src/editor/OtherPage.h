#pragma once

#include <QWidget>

class DecimalInputFilter;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimeEdit;
class TPrzycisk;

// Page "  Inne": author, cuisine, rating, entry date, preparation time, portions, calories and
// web page of the recipe, and the group "Kategoria:" with the recipe's categories.
class OtherPage : public QWidget
{
    Q_OBJECT

public:
    OtherPage(DecimalInputFilter *filter, QWidget *parent);

    QLabel *AuthorLabel, *CuisineLabel, *RatingLabel, *EntryDateLabel, *TimeLabel, *PortionsLabel,
        *CaloriesLabel, *CaloriesUnitLabel, *WebPageLabel;
    QComboBox *AuthorCombo, *CuisineCombo, *RatingCombo;
    QDateEdit *EntryDatePicker;
    QTimeEdit *TimePicker;
    QLineEdit *PortionsEdit;
    QComboBox *PortionUnitCombo;
    QLineEdit *CaloriesEdit;
    QLineEdit *WebPageEdit;

    QGroupBox *CategoryGroup;
    QListWidget *CategoryList;
    QComboBox *CategoryCombo;
    TPrzycisk *CategoryAddButton, *CategoryCorrectButton, *CategoryDeleteButton;

    // Handlers.
    void CategoryListClick();
    void CategoryAddClick();
    void CategoryCorrectClick();
    void CategoryDeleteClick();

private:
    QWidget *buildFields();
    QGroupBox *buildCategories();
};
