#include "editor/OtherPage.h"

#include "controls/DecimalInputFilter.h"
#include "controls/TPrzycisk.h"
#include "editor/EditorWidgets.h"
#include "platform/ErrorHandler.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTimeEdit>

using namespace editorwidgets;

OtherPage::OtherPage(DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("OtherPage"));
    QWidget *fields = buildFields();
    filter->attach(PortionsEdit);
    filter->attach(CaloriesEdit);
    QGroupBox *categories = buildCategories();
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(12);
    page->addWidget(fields, 1);
    page->addWidget(categories);
}

QWidget *OtherPage::buildFields()
{
    auto *box = new QWidget(this);
    AuthorLabel = label(box, "AuthorLabel", QStringLiteral("Autor"));
    CuisineLabel = label(box, "CuisineLabel", QStringLiteral("Kuchnia"));
    RatingLabel = label(box, "RatingLabel", QStringLiteral("Ocena"));
    EntryDateLabel = label(box, "EntryDateLabel", QStringLiteral("Data wpisu"));
    TimeLabel = label(box, "TimeLabel", QStringLiteral("czas przygotowania"));
    PortionsLabel = label(box, "PortionsLabel", QStringLiteral("Ilość"));
    CaloriesLabel = label(box, "CaloriesLabel", QStringLiteral("Kaloryczność"));
    CaloriesUnitLabel = label(box, "CaloriesUnitLabel", QStringLiteral("Kcal"));
    WebPageLabel = label(box, "WebPageLabel", QStringLiteral("Strona w internecie"));
    AuthorCombo = combo(box, "AuthorCombo");
    CuisineCombo = combo(box, "CuisineCombo");
    RatingCombo = combo(box, "RatingCombo");

    EntryDatePicker = new QDateEdit(QDate(2014, 3, 23), box);
    EntryDatePicker->setObjectName(QStringLiteral("EntryDatePicker"));
    // The short Polish date, whatever the system locale says.
    EntryDatePicker->setDisplayFormat(QStringLiteral("d.MM.yyyy"));
    EntryDatePicker->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    EntryDatePicker->setCalendarPopup(true);
    EntryDatePicker->setFixedWidth(128);
    TimePicker = new QTimeEdit(QTime(0, 0), box);
    TimePicker->setObjectName(QStringLiteral("TimePicker"));
    TimePicker->setDisplayFormat(QStringLiteral("HH:mm"));

    PortionsEdit = edit(box, "PortionsEdit");
    PortionUnitCombo = combo(box, "PortionUnitCombo");
    CaloriesEdit = edit(box, "CaloriesEdit");
    WebPageEdit = edit(box, "WebPageEdit");
    TimePicker->setFixedWidth(96);
    PortionsEdit->setFixedWidth(96);
    CaloriesEdit->setFixedWidth(96);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    int row = 0;
    auto addRow = [&](QLabel *l, QWidget *a, QWidget *b = nullptr) {
        grid->addWidget(l, row, 0);
        if (b) {
            auto *pair = new QHBoxLayout;
            pair->setSpacing(6);
            pair->addWidget(a);
            pair->addWidget(b, b == CaloriesUnitLabel ? 0 : 1);
            if (b == CaloriesUnitLabel)
                pair->addStretch(1);
            grid->addLayout(pair, row, 1);
        } else {
            grid->addWidget(a, row, 1,
                a == EntryDatePicker || a == TimePicker ? Qt::AlignLeft : Qt::Alignment());
        }
        ++row;
    };
    addRow(AuthorLabel, AuthorCombo);
    addRow(CuisineLabel, CuisineCombo);
    addRow(RatingLabel, RatingCombo);
    addRow(EntryDateLabel, EntryDatePicker);
    addRow(TimeLabel, TimePicker);
    addRow(PortionsLabel, PortionsEdit, PortionUnitCombo);
    addRow(CaloriesLabel, CaloriesEdit, CaloriesUnitLabel);
    grid->addWidget(WebPageLabel, row++, 0, 1, 2);
    grid->addWidget(WebPageEdit, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return box;
}

QGroupBox *OtherPage::buildCategories()
{
    CategoryGroup = new QGroupBox(QStringLiteral("Kategoria:"), this);
    CategoryGroup->setObjectName(QStringLiteral("CategoryGroup"));
    CategoryList = list(CategoryGroup, "CategoryList");
    CategoryCombo = combo(CategoryGroup, "CategoryCombo");
    CategoryAddButton = button(CategoryGroup, "CategoryAddButton", QStringLiteral("Dodaj"));
    CategoryCorrectButton
        = button(CategoryGroup, "CategoryCorrectButton", QStringLiteral("Popraw"));
    CategoryDeleteButton = button(CategoryGroup, "CategoryDeleteButton", QStringLiteral("Usuń"));
    auto *box = new QVBoxLayout(CategoryGroup);
    box->setContentsMargins(8, 4, 8, 8);
    box->setSpacing(6);
    box->addWidget(CategoryList, 1);
    box->addWidget(CategoryCombo);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(CategoryAddButton);
    buttons->addWidget(CategoryCorrectButton);
    buttons->addWidget(CategoryDeleteButton);
    box->addLayout(buttons);
    CategoryGroup->setFixedWidth(272);

    connect(CategoryList, &QListWidget::itemClicked, this,
        handler(this, &OtherPage::CategoryListClick));
    connect(
        CategoryAddButton, &TPrzycisk::OnClick, this, handler(this, &OtherPage::CategoryAddClick));
    connect(CategoryCorrectButton, &TPrzycisk::OnClick, this,
        handler(this, &OtherPage::CategoryCorrectClick));
    connect(CategoryDeleteButton, &TPrzycisk::OnClick, this,
        handler(this, &OtherPage::CategoryDeleteClick));
    return CategoryGroup;
}

void OtherPage::CategoryListClick()
{
    if (const QListWidgetItem *item = CategoryList->currentItem())
        CategoryCombo->setEditText(item->text());
}

void OtherPage::CategoryAddClick()
{
    const QString text = CategoryCombo->currentText();
    if (!text.isEmpty())
        CategoryList->addItem(text);
}

void OtherPage::CategoryCorrectClick()
{
    const QString text = CategoryCombo->currentText();
    const int row = selectedRow(CategoryList);
    if (!text.isEmpty() && row >= 0)
        CategoryList->item(row)->setText(text);
}

void OtherPage::CategoryDeleteClick()
{
    const int row = selectedRow(CategoryList);
    if (row < 0)
        return;
    delete CategoryList->takeItem(row);
    // As after any removal, nothing is chosen: a second click removes nothing more.
    CategoryList->setCurrentRow(-1);
    CategoryList->clearSelection();
}
