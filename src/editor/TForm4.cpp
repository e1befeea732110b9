#include "editor/TForm4.h"

#include "controls/DecimalInputFilter.h"
#include "controls/TPrzycisk.h"
#include "controls/TTorvelImage.h"
#include "cookbook/Book.h"
#include "cookbook/Description.h"
#include "core/Clock.h"
#include "editor/DictionaryHalf.h"
#include "editor/DictionaryPage.h"
#include "editor/EditorRules.h"
#include "editor/EditorWidgets.h"
#include "editor/IngredientsPage.h"
#include "editor/OptionsPage.h"
#include "editor/OtherPage.h"
#include "editor/PhotosPage.h"
#include "editor/RecipeEditorHost.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

using namespace editorwidgets;

namespace {
const QColor kWindowColour(102, 102, 102);
const QString kCaution = QStringLiteral("Uwaga");
} // namespace

TForm4::TForm4(RecipeEditorHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_filter(new DecimalInputFilter(this))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Przepis"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(648, 504);

    RecipeTitleLabel
        = label(this, QStringLiteral("RecipeTitleLabel"), QStringLiteral("Nazwa przepisu"));
    RecipeTitleEdit = edit(this, QStringLiteral("RecipeTitleEdit"));
    auto *title = new QHBoxLayout;
    title->setSpacing(8);
    title->addWidget(RecipeTitleLabel);
    title->addWidget(RecipeTitleEdit, 1);

    RecipePages = new QTabWidget(this);
    RecipePages->setObjectName(QStringLiteral("RecipePages"));
    Ingredients = new IngredientsPage(m_filter, RecipePages);
    auto *description = new QWidget(RecipePages);
    description->setObjectName(QStringLiteral("DescriptionPage"));
    DescriptionMemo = new QPlainTextEdit(description);
    DescriptionMemo->setObjectName(QStringLiteral("DescriptionMemo"));
    DescriptionMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *memo = new QVBoxLayout(description);
    memo->setContentsMargins(6, 6, 6, 6);
    memo->addWidget(DescriptionMemo);
    Other = new OtherPage(m_filter, RecipePages);
    Photos = new PhotosPage(m_host, RecipePages);
    Dictionaries = new DictionaryPage(m_host, RecipePages);
    Options = new OptionsPage(m_host, RecipePages);
    RecipePages->addTab(Ingredients, QStringLiteral("Składniki"));
    RecipePages->addTab(description, QStringLiteral("Sposób wykonania"));
    RecipePages->addTab(Other, QStringLiteral("  Inne"));
    RecipePages->addTab(Photos, QStringLiteral("  Zdjęcia"));
    RecipePages->addTab(Dictionaries, QStringLiteral("Słownik"));
    RecipePages->addTab(Options, QStringLiteral("Opcje"));
    // The pages take the window's dark colour, so that its light captions read on them; the
    // tabs keep the style's light face and dark text.
    for (int page = 0; page < RecipePages->count(); ++page)
        RecipePages->widget(page)->setAutoFillBackground(true);
    QPalette tabs = RecipePages->tabBar()->palette();
    tabs.setColor(QPalette::WindowText, Qt::black);
    RecipePages->tabBar()->setPalette(tabs);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(8, 8, 8, 6);
    window->setSpacing(6);
    window->addLayout(title);
    window->addWidget(RecipePages, 1);
    buildBottomBar();

    connect(
        RecipePages, &QTabWidget::currentChanged, this, handler(this, &TForm4::RecipePagesChange));
    connect(Dictionaries, &DictionaryPage::changed, this,
        handler(this, &TForm4::RefreshDictionaryLists));
    connect(
        Options, &OptionsPage::windowFontChanged, this, handler(this, &TForm4::applyWindowFont));
    connect(Options, &OptionsPage::controlStyleChanged, this,
        handler(this, &TForm4::ApplyControlStyle));
}

TForm4::~TForm4() = default;

void TForm4::buildBottomBar()
{
    NewRecipeButton = button(this, QStringLiteral("NewRecipeButton"), QStringLiteral("Nowy "));
    AddRecipeButton = button(this, QStringLiteral("AddRecipeButton"), QStringLiteral("Dodaj"));
    CorrectRecipeButton
        = button(this, QStringLiteral("CorrectRecipeButton"), QStringLiteral("Popraw"));
    DeleteRecipeButton = button(this, QStringLiteral("DeleteRecipeButton"), QStringLiteral("Usuń"));
    CancelButton = button(this, QStringLiteral("CancelButton"), QStringLiteral("Anuluj"));
    auto *bar = new QHBoxLayout;
    bar->setSpacing(0);
    bar->addSpacing(8);
    for (TPrzycisk *b :
        {NewRecipeButton, AddRecipeButton, CorrectRecipeButton, DeleteRecipeButton, CancelButton}) {
        bar->addWidget(b);
        bar->addStretch(1);
    }
    delete bar->takeAt(bar->count() - 1); // no stretch after the last button
    bar->addSpacing(8);
    static_cast<QVBoxLayout *>(layout())->addLayout(bar);

    connect(NewRecipeButton, &TPrzycisk::OnClick, this, handler(this, &TForm4::NewRecipe));
    connect(AddRecipeButton, &TPrzycisk::OnClick, this, handler(this, &TForm4::AddRecipeAndSave));
    connect(CorrectRecipeButton, &TPrzycisk::OnClick, this,
        handler(this, &TForm4::CorrectRecipeAndSave));
    connect(DeleteRecipeButton, &TPrzycisk::OnClick, this, handler(this, &TForm4::DeleteRecipe));
    connect(CancelButton, &TPrzycisk::OnClick, this, handler(this, &TForm4::CancelClick));
}

void TForm4::showEvent(QShowEvent *event)
{
    if (!m_activated)
        runGuarded([this] { FormActivate(); });
    QDialog::showEvent(event);
}

void TForm4::hideEvent(QHideEvent *event)
{
    m_activated = false;
    QDialog::hideEvent(event);
}

void TForm4::FormActivate()
{
    m_activated = true;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWindowColour);
    setPalette(colours);
    setAutoFillBackground(true);
    applyWindowFont();
    RefreshDictionaryLists();
    if (OpenOnOptionsPage) {
        CancelButton->setCaption(QStringLiteral("Zamknij"));
        RecipePages->setCurrentIndex(5);
    }
    if (EditExistingRecipe)
        LoadRecipeIntoEditor();
    ApplyControlStyle();
}

void TForm4::applyWindowFont()
{
    const StoredFont font = m_host.recipeFont(22);
    setFont(font.font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colorFromTColor(font.color));
    setPalette(colours);
}

void TForm4::ApplyControlStyle()
{
    const QColor colour = colorFromTColor(m_host.ControlColour());
    const StoredFont font = m_host.recipeFont(23);
    const QColor text = colorFromTColor(font.color);
    for (QWidget *w : findChildren<QWidget *>()) {
        const QWidget *parent = w->parentWidget();
        const bool inner = qobject_cast<const QComboBox *>(parent)
            || qobject_cast<const QAbstractSpinBox *>(parent);
        if (!(qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractItemView *>(w)
                || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                || (qobject_cast<QLineEdit *>(w) && !inner)))
            continue;
        QPalette p = w->palette();
        p.setColor(QPalette::Base, colour);
        p.setColor(QPalette::Text, text);
        w->setPalette(p);
        w->setFont(font.font);
    }
    Photos->TorvelImage1->setColor(colour);
}

void TForm4::RefreshDictionaryLists()
{
    const QStringList names = Dictionaries->Ingredients->refresh();
    const QStringList units = Dictionaries->Units->refresh();
    Ingredients->setDictionaryNames(names, units);
}

void TForm4::RecipePagesChange(int page)
{
    CancelButton->setCaption(page <= 3 ? QStringLiteral("Anuluj") : QStringLiteral("Zamknij"));
}

void TForm4::CancelClick()
{
    EditExistingRecipe = false;
    reject();
}

bool TForm4::recipeExists(int index) const
{
    return index >= 0 && index < m_host.book().root().przepisy().count();
}

int TForm4::editedRecipe() const
{
    return m_editedIndex >= 0 ? m_editedIndex : m_host.CurrentRecipeIndex();
}

void TForm4::LoadRecipeIntoEditor()
{
    Book &book = m_host.book();
    const int index = m_host.CurrentRecipeIndex();
    if (m_host.recipeListEmpty() || !recipeExists(index))
        return;
    const TXMLPrzepisType r = book.root().przepisy()[index];
    const editorrules::Suggestions s = editorrules::collectSuggestions(book);
    RecipeTitleEdit->setText(r.tytul());
    const std::tuple<QComboBox *, QStringList, QString> combos[] = {
        {Other->AuthorCombo, s.authors, r.autor()}, {Other->CuisineCombo, s.cuisines, r.kuchnia()},
        {Other->RatingCombo, s.ratings, r.ocena()},
        {Other->PortionUnitCombo, s.portionUnits,
            r.jednostka().isEmpty() ? QStringLiteral("Porcje") : r.jednostka()}};
    for (const auto &[combo, items, text] : combos) {
        setItems(combo, items);
        combo->setEditText(text);
    }
    if (r.czas().isEmpty())
        r.setCzas(QStringLiteral("00:00"));
    Other->TimePicker->setTime(editorrules::storedTime(r.czas()));
    Other->PortionsEdit->setText(r.porcje());
    Other->CaloriesEdit->setText(r.kalorie());

    QStringList categories;
    const TXMLKategoriaTypeList kategoria = r.kategoria();
    for (int i = 0; i < kategoria.count(); ++i)
        categories << kategoria[i].nazwa();
    Other->CategoryList->clear();
    Other->CategoryList->addItems(categories);

    QList<IngredientLine> lines;
    const TXMLSkladnikTypeList skladnik = r.skladnik();
    for (int i = 0; i < skladnik.count(); ++i) {
        const TXMLSkladnikType line = skladnik[i];
        lines << IngredientLine {
            QString(), line.nazwa(), line.ilosc(), line.jednostka(), line.text()};
    }
    Ingredients->setIngredients(lines);
    DescriptionMemo->setPlainText(r.opis().lines(true).join(u'\n'));

    // An unreadable stored date is only shown as today; it is never written back from here.
    const QDate date = editorrules::storedDate(r.data());
    Other->EntryDatePicker->setDate(date.isValid() ? date : Clock::today());
    setItems(Other->CategoryCombo, s.categories);
    Other->WebPageEdit->setText(r.www());

    QStringList photos;
    const TXMLZdjeciaTypeList zdjecia = r.zdjecia();
    for (int i = 0; i < zdjecia.count(); ++i)
        photos << zdjecia[i].nazwa();
    if (photos.isEmpty() && !r.zdjecie().isEmpty())
        photos << r.zdjecie();
    m_editedIndex = index;
    Photos->setPhotos(photos);
}

int TForm4::BuildRecipeFromEditor(int position, int replacing)
{
    const QString title = RecipeTitleEdit->text();
    TXMLPrzepisyType recipes = m_host.book().root().przepisy();
    for (int i = 0; i < recipes.count(); ++i) {
        if (i == replacing || recipes[i].tytul() != title)
            continue;
        if (Platform::get().messageBox(
                QStringLiteral("Taki przepis już istnieje\rczy mimo to chcesz go dodać ?"),
                kCaution, Platform::Buttons::YesNo, Platform::Icon::Warning)
            != Platform::Answer::Yes)
            return -1;
    }
    const TXMLPrzepisType r = recipes.insert(position);
    r.setTytul(title);
    r.setData(QLocale().toString(Clock::today(), QLocale::ShortFormat));
    r.setPorcje(Other->PortionsEdit->text());
    r.setKalorie(Other->CaloriesEdit->text());
    r.setAutor(Other->AuthorCombo->currentText());
    r.setKuchnia(Other->CuisineCombo->currentText());
    r.setOcena(Other->RatingCombo->currentText());
    r.setJednostka(Other->PortionUnitCombo->currentText());
    r.setCzas(Other->TimePicker->time().toString(QStringLiteral("hh:mm")));
    r.setWww(Other->WebPageEdit->text());
    for (const QString &category : items(Other->CategoryList))
        r.kategoria().add().setNazwa(category);
    const QStringList photos = Photos->photos();
    if (!photos.isEmpty())
        r.setZdjecie(photos.first());
    for (const QString &photo : photos)
        r.zdjecia().add().setNazwa(photo);
    for (const IngredientLine &line : Ingredients->ingredients()) {
        const TXMLSkladnikType added = r.skladnik().add();
        added.setNazwa(line.nazwa);
        added.setIlosc(line.ilosc);
        added.setJednostka(line.jednostka);
        added.setText(line.uwagi);
    }
    r.opis().setText(OwnDescriptionText(DescriptionMemo->toPlainText()));
    return position < 0 ? recipes.count() - 1 : position;
}

void TForm4::AddRecipeAndSave()
{
    const int index = BuildRecipeFromEditor(-1);
    if (index < 0)
        return;
    m_editedIndex = index;
    const QString path = m_host.book().BookPath();
    if (path.isEmpty())
        m_host.showBookInMemory();
    else
        m_host.SaveBook(path);
}

// The recipe keeps its place in the book and its favourite mark.
void TForm4::CorrectRecipeAndSave()
{
    const int target = editedRecipe();
    if (!recipeExists(target))
        return;
    const TXMLPrzepisType old = m_host.book().root().przepisy()[target];
    const bool favourite = old.node()->hasAttribute(u"ulubione");
    const QString mark = old.ulubione();
    if (BuildRecipeFromEditor(target, target) < 0)
        return;
    const TXMLPrzepisyType recipes = m_host.book().root().przepisy();
    recipes.remove(target + 1);
    if (favourite)
        recipes[target].setUlubione(mark);
    m_editedIndex = target;
    m_host.SaveAndReloadBook();
}

void TForm4::DeleteRecipe()
{
    const int target = editedRecipe();
    if (!recipeExists(target))
        return;
    if (Platform::get().messageBox(QStringLiteral("Czy napewno chcesz usunąc przepis ?"), kCaution,
            Platform::Buttons::YesNo, Platform::Icon::Warning)
        != Platform::Answer::Yes)
        return;
    m_host.book().root().przepisy().remove(target);
    m_editedIndex = -1;
    const QString path = m_host.book().BookPath();
    if (path.isEmpty())
        m_host.showBookInMemory();
    else
        m_host.SaveBook(path);
    RefreshDictionaryLists();
    LoadRecipeIntoEditor();
}

void TForm4::NewRecipe()
{
    RecipeTitleEdit->clear();
    Ingredients->clearEntry();
    Ingredients->clearIngredients();
}
