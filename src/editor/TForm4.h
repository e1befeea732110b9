#pragma once

#include <QDialog>

class DecimalInputFilter;
class DictionaryPage;
class IngredientsPage;
class OptionsPage;
class OtherPage;
class PhotosPage;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class RecipeEditorHost;
class TPrzycisk;

// The recipe editor "Przepis": a new recipe is typed and added, the current one corrected or
// deleted, the book's dictionaries kept and the recipe fonts chosen. Made, shown modally and
// destroyed by each command that opens it; every change is written to the book at once.
//
// Object names, for whoever drives the window:
//   title         "RecipeTitleLabel", "RecipeTitleEdit"
//   pages         "RecipePages" (QTabWidget) with "IngredientsPage", "DescriptionPage",
//                 "OtherPage", "PhotosPage", "DictionaryPage", "OptionsPage"
//   bottom bar    "NewRecipeButton" ("Nowy "), "AddRecipeButton" ("Dodaj"),
//                 "CorrectRecipeButton" ("Popraw"), "DeleteRecipeButton" ("Usuń"),
//                 "CancelButton" ("Anuluj" / "Zamknij")
//   ingredients   "IngredientsGrid" (table row r-1 is grid row r: the header row is the table's
//                 header), group "IngredientGroup" with "IngredientNameCombo",
//                 "IngredientQuantityEdit", "IngredientUnitCombo", "IngredientRemarkEdit" and
//                 "IngredientNewButton", "IngredientAddButton", "IngredientCorrectButton",
//                 "IngredientDeleteButton"
//   description   "DescriptionMemo"
//   other         "AuthorCombo", "CuisineCombo", "RatingCombo", "EntryDatePicker", "TimePicker",
//                 "PortionsEdit", "PortionUnitCombo", "CaloriesEdit", "WebPageEdit"; group
//                 "CategoryGroup" with "CategoryList", "CategoryCombo", "CategoryAddButton",
//                 "CategoryCorrectButton", "CategoryDeleteButton"
//   photos        "PhotoListBox", "PhotoAddButton", "PhotoDeleteButton", "PhotoClearButton",
//                 "TorvelImage1"
//   dictionaries  "IngredientDictionary..." and "UnitDictionary...": "Heading", "List",
//                 "NameEdit", "Form0Edit", "Form2Edit", "Form5Edit", "AddButton",
//                 "CorrectButton", "DeleteButton", "NewButton", "SaveToButton"
//   options       "FontButton15" ... "FontButton23", "ControlColourButton"
// SelectedIngredientRow lives on the ingredients page, PhotoDragSource on the photo list.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(RecipeEditorHost &host, QWidget *parent = nullptr);
    ~TForm4() override;

    // Set by the opener before the window is shown.
    bool EditExistingRecipe = false;
    bool OpenOnOptionsPage = false;

    // Runs once per showing, before the window is first painted; the opener may run it itself
    // before handing the window over to be shown.
    void FormActivate();

    void LoadRecipeIntoEditor();
    // Builds a recipe from the controls and inserts it at position (-1 appends). Returns its
    // index, or -1 when the user declined to add a second recipe of that title.
    int BuildRecipeFromEditor(int position, int replacing = -1);
    void AddRecipeAndSave();
    void CorrectRecipeAndSave();
    void DeleteRecipe();
    void NewRecipe();
    void RefreshDictionaryLists();
    void ApplyControlStyle();
    // The recipe "Popraw" and "Usuń" act on: the one loaded into the window (or added from it),
    // otherwise the main window's current recipe.
    int editedRecipe() const;

    QLabel *RecipeTitleLabel;
    QLineEdit *RecipeTitleEdit;
    QTabWidget *RecipePages;
    IngredientsPage *Ingredients;
    QPlainTextEdit *DescriptionMemo;
    OtherPage *Other;
    PhotosPage *Photos;
    DictionaryPage *Dictionaries;
    OptionsPage *Options;
    TPrzycisk *NewRecipeButton, *AddRecipeButton, *CorrectRecipeButton, *DeleteRecipeButton,
        *CancelButton;

    // Handlers.
    void RecipePagesChange(int page);
    void CancelClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildBottomBar();
    void applyWindowFont();
    bool recipeExists(int index) const;

    RecipeEditorHost &m_host;
    DecimalInputFilter *m_filter;
    bool m_activated = false;
    int m_editedIndex = -1;
};
