// The pages of the recipe editor: the ingredient grid and its entry group, the categories, the
// photos with the copy into the book's photo folder, the two dictionaries, the fonts and colour.
#include "EditorFixture.h"

#include "app/RecipeView.h"
#include "controls/TTorvelImage.h"
#include "editor/EditorRules.h"
#include "editor/IngredientsPage.h"
#include "platform/IniFile.h"

namespace {

void writePicture(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

// Drags from one row of a list or grid to another, as the mouse does.
void drag(QAbstractItemView *view, QPoint from, QPoint to)
{
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
}

} // namespace

class TestEditorPages : public QObject
{
    Q_OBJECT

private slots:
    void storedDatesAndTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("year first") << "2023-10-05" << QDate(2023, 10, 5);
        QTest::newRow("day first") << "05-10-2023" << QDate(2023, 10, 5);
        QTest::newRow("short Polish date") << "6.12.2026" << QDate(2026, 12, 6);
        QTest::newRow("placeholder") << "0000-00-00" << QDate();
        QTest::newRow("words") << "wczoraj" << QDate();
    }
    void storedDatesAndTimes()
    {
        TestEnv env;
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(editorrules::storedDate(text), date);
        QCOMPARE(editorrules::storedTime(text.size() == 4 ? "7:05" : "25:00"),
            text.size() == 4 ? QTime(7, 5) : QTime(0, 0));
    }

    void ingredientGrid()
    {
        EditorFixture f;
        f.open(false);
        QCOMPARE(f.items("IngredientNameCombo").join(u'|'), "schab|sól");
        QCOMPARE(f.items("IngredientUnitCombo").join(u'|'), "kg|łyżka");
        // The numeric filter: digits and one comma.
        f.type("IngredientQuantityEdit", "1.,5,-a");
        QCOMPARE(f.text("IngredientQuantityEdit"), "1,5");
        f.type("IngredientNameCombo", "sól");
        f.type("IngredientUnitCombo", "łyżka");
        f.type("IngredientRemarkEdit", "drobna");
        // The first "Dodaj" fills the empty row, the next one appends.
        f.click("IngredientAddButton");
        f.type("IngredientNameCombo", "pieprz");
        f.click("IngredientAddButton");
        QCOMPARE(f.grid(), QStringList({" sól 1,5 łyżka drobna", " pieprz 1,5 łyżka drobna"}));
        // A row chosen with the mouse fills the entry group; "Popraw" writes it back.
        IngredientGrid *grid = f.editor->Ingredients->IngredientsGrid;
        QTest::mouseClick(
            grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 1)).center());
        QCOMPARE(f.text("IngredientNameCombo") + f.text("IngredientRemarkEdit"), "sóldrobna");
        f.type("IngredientQuantityEdit", "2");
        f.click("IngredientCorrectButton");
        // "Usuń" only when the name field still holds the row's name; it empties the group.
        f.type("IngredientNameCombo", "sol");
        f.click("IngredientDeleteButton");
        QCOMPARE(f.grid(), QStringList({" sól 2 łyżka drobna", " pieprz 1,5 łyżka drobna"}));
        f.type("IngredientNameCombo", "sól");
        f.click("IngredientDeleteButton");
        QCOMPARE(f.grid(), QStringList({" pieprz 1,5 łyżka drobna"}));
        QCOMPARE(f.text("IngredientNameCombo") + f.text("IngredientQuantityEdit"), "");
        f.type("IngredientRemarkEdit", "x");
        f.click("IngredientNewButton");
        QCOMPARE(f.text("IngredientRemarkEdit"), "");

        // A loaded recipe is numbered from 0, without touching the entry group; a dragged row
        // renumbers the grid from 1.
        f.choose("Schab wędzony");
        f.open(true);
        QCOMPARE(f.text("IngredientNameCombo"), "");
        grid = f.editor->Ingredients->IngredientsGrid;
        drag(grid, grid->visualItemRect(grid->item(2, 1)).center(),
            grid->visualItemRect(grid->item(0, 1)).center());
        QCOMPARE(f.grid(),
            QStringList({"1 pieprz 1/2 łyżka ", "2 schab 2 kg bez kości", "3 sól 1,5 łyżka "}));
        QVERIFY(grid->horizontalHeader()->sectionsMovable() == false);
    }

    void categoriesAndPhotos()
    {
        EditorFixture f;
        writePicture(f.env.file("zdjecia/a.png"), {40, 30}, Qt::red);
        writePicture(f.env.file("zdjecia/d.png"), {10, 10}, Qt::green);
        writePicture(f.env.file("inne/c.png"), {50, 20}, Qt::blue);
        writePicture(f.env.file("inne/d.png"), {60, 20}, Qt::blue);
        f.choose("Schab wędzony");
        f.open(true);
        TTorvelImage *viewer = f.editor->findChild<TTorvelImage *>("TorvelImage1");
        QCOMPARE(viewer->Picture().size(), QSize(40, 30));
        f.showPage(2);
        // Categories: a click fills the entry; duplicates are allowed, empty entries ignored.
        f.clickItem("CategoryList", 1);
        QCOMPARE(f.text("CategoryCombo"), "Mięsa");
        f.click("CategoryAddButton");
        f.type("CategoryCombo", "");
        f.click("CategoryAddButton");
        f.click("CategoryCorrectButton");
        f.type("CategoryCombo", "Ryby");
        f.click("CategoryCorrectButton");
        QCOMPARE(f.items("CategoryList").join(u'|'), "Wędzonki|Ryby|Mięsa");
        f.click("CategoryDeleteButton");
        f.click("CategoryDeleteButton");
        QCOMPARE(f.items("CategoryList").join(u'|'), "Wędzonki|Mięsa");

        // Photos from outside the photo folder are offered to be copied into it; a name that is
        // there already is replaced only when the user says so.
        f.showPage(3);
        f.env.platform.pictureAnswers << QStringList {
            f.env.file("inne/c.png"), f.env.file("zdjecia/a.png"), f.env.file("inne/d.png")};
        f.env.platform.answers << Platform::Answer::Yes << Platform::Answer::No;
        f.click("PhotoAddButton");
        QVERIFY(f.env.platform.fileDialogs.value(0).multiSelect);
        QCOMPARE(viewer->Picture().size(), QSize(50, 20));
        QCOMPARE(f.items("PhotoListBox").join(u'|'), "a.png|b.png|c.png|a.png|d.png");
        QCOMPARE(f.env.platform.messages.size(), 2);
        QVERIFY(f.env.platform.messages.value(1).text.contains("\"d.png\""));
        QCOMPARE(QImage(f.env.file("zdjecia/c.png")).size(), QSize(50, 20));
        QCOMPARE(QImage(f.env.file("zdjecia/d.png")).size(), QSize(10, 10));
        // A click shows a photo of the folder; the last one dragged first becomes the main photo.
        f.clickItem("PhotoListBox", 2);
        QCOMPARE(viewer->Picture().size(), QSize(50, 20));
        auto *photos = f.get<QListWidget>("PhotoListBox");
        drag(photos, photos->visualItemRect(photos->item(4)).center(),
            photos->visualItemRect(photos->item(0)).center());
        f.click("CorrectRecipeButton");
        QCOMPARE(f.recipe(0).zdjecie() + u' ' + QString::number(f.recipe(0).zdjecia().count()),
            "d.png 5");
        QCOMPARE(f.recipe(0).kategoria().count(), 2);
        f.click("PhotoClearButton");
        f.click("CorrectRecipeButton");
        QVERIFY(f.recipe(0).zdjecia().count() == 0 && f.recipe(0).zdjecie().isEmpty());

        // A book never saved has no photo folder: the user is told instead.
        f.form->action("Nowa1")->trigger();
        f.open(false);
        f.showPage(3);
        f.env.platform.pictureAnswers << QStringList {f.env.file("inne/c.png")};
        f.click("PhotoAddButton");
        QVERIFY(
            f.env.platform.messages.last().text.startsWith("Książka nie jest jeszcze zapisana"));
    }

    void dictionaries()
    {
        EditorFixture f;
        f.open(false);
        f.showPage(4);
        QCOMPARE(f.text("IngredientDictionaryHeading") + u'|' + f.text("UnitDictionaryHeading"),
            "Lista składników 2 pozycji|Lista jednostek 2 pozycji");
        auto forms = [&](const char *half) {
            QStringList out;
            for (const char *edit : {"NameEdit", "Form0Edit", "Form2Edit", "Form5Edit"})
                out << f.text(qPrintable(QString::fromLatin1(half) + edit));
            return out.join(u'|');
        };
        // A click shows the entry's name and forms, on both sides.
        f.clickItem("UnitDictionaryList", 1);
        QCOMPARE(forms("UnitDictionary"), "łyżka|łyżki|łyżki|łyżek");
        f.clickItem("IngredientDictionaryList", 1);
        QCOMPARE(forms("IngredientDictionary"), "sól|soli|sole|soli");
        // A name that is there already is refused.
        f.click("IngredientDictionaryAddButton");
        const ScriptedPlatform::Message refused = f.env.platform.messages.value(0);
        QCOMPARE(refused.text + u'|' + refused.caption, "Taki składnik już istnieje|Komunikat");
        f.type("IngredientDictionaryNameEdit", "pieprz");
        f.click("IngredientDictionaryAddButton");
        QCOMPARE(f.text("IngredientDictionaryHeading"), "Lista składników 3 pozycji");
        QCOMPARE(f.items("IngredientNameCombo").join(u'|'), "pieprz|schab|sól");
        // "Popraw" writes the name and the forms shown, and keeps the one not shown.
        f.clickItem("IngredientDictionaryList", 2);
        f.type("IngredientDictionaryNameEdit", "sól kamienna");
        f.type("IngredientDictionaryForm0Edit", "soli kamiennej");
        f.click("IngredientDictionaryCorrectButton");
        Book book = Book::fromFile(f.bookPath());
        const TXMLSkladnikiType stored = book.root().slowniki().skladniki();
        QCOMPARE(stored.count(), 3);
        const TXMLSkladnikType salt = stored[0];
        QCOMPARE(
            QStringList({salt.nazwa(), salt.mLp(), salt.dLp(), salt.mLm(), salt.dLm()}).join(u'|'),
            "sól kamienna|sól|soli kamiennej|sole|soli");
        QCOMPARE(stored[2].nazwa() + u'|' + stored[2].dLp(), "pieprz|soli");
        // Removing needs a chosen name; "Nowy" empties the four fields.
        f.clickItem("UnitDictionaryList", 0);
        f.click("UnitDictionaryDeleteButton");
        QCOMPARE(f.items("UnitDictionaryList").join(u'|'), "łyżka");
        QCOMPARE(f.items("IngredientUnitCombo").join(u'|'), "łyżka");
        f.click("UnitDictionaryDeleteButton");
        QCOMPARE(f.items("UnitDictionaryList").size(), 1);
        f.click("UnitDictionaryNewButton");
        QCOMPARE(forms("UnitDictionary"), "|||");
        f.type("UnitDictionaryNameEdit", "łyżka");
        f.click("UnitDictionaryAddButton");
        QCOMPARE(f.env.platform.messages.last().text, "Taka jednostka już istnieje");
    }

    void fontsAndColours()
    {
        EditorFixture f;
        f.choose("Schab wędzony");
        f.open(true);
        f.showPage(5);
        IniFile settings(f.env.file("Ustawienia.ini"));
        // Cancelled, nothing is written; chosen, the recipe shows in the font at once.
        f.click("FontButton15");
        QVERIFY(!settings.sectionExists("Czcionka15"));
        f.env.platform.fontAnswers << Platform::FontChoice(QFont("DejaVu Serif", 20), Qt::red);
        f.click("FontButton15");
        QCOMPARE(IniFile(settings.path()).readString("Czcionka15", "Nazwa", ""), "DejaVu Serif");
        const QTextCharFormat title
            = f.page()->RichEdit1->document()->begin().begin().fragment().charFormat();
        QCOMPARE(title.font().pointSize(), 20);
        QCOMPARE(title.foreground().color(), QColor(Qt::red));
        // The window's font stays chosen for the next opening.
        f.env.platform.fontAnswers << Platform::FontChoice(QFont("DejaVu Sans", 13));
        f.click("FontButton22");
        QCOMPARE(f.editor->font().pointSize(), 13);
        f.open(true);
        QCOMPARE(f.editor->font().pointSize(), 13);
        // Edit controls take the control font and colour; labels, buttons keep theirs.
        f.showPage(5);
        f.env.platform.fontAnswers << Platform::FontChoice(QFont("DejaVu Sans Mono", 11));
        f.click("FontButton23");
        f.env.platform.colorAnswers << QColor(Qt::yellow);
        f.click("ControlColourButton");
        QCOMPARE(IniFile(settings.path()).readInteger("F4", "kolor", 0), 0x00FFFF);
        for (const char *name : {"RecipeTitleEdit", "IngredientsGrid", "AuthorCombo",
                 "DescriptionMemo", "CategoryList", "TimePicker"}) {
            QCOMPARE(f.get(name)->palette().color(QPalette::Base), QColor(Qt::yellow));
            QCOMPARE(f.get(name)->font().family(), "DejaVu Sans Mono");
        }
        QCOMPARE(f.get<TTorvelImage>("TorvelImage1")->Color(), QColor(Qt::yellow));
        QCOMPARE(f.get("RecipeTitleLabel")->font().family(), "DejaVu Sans");
        QCOMPARE(f.get("FontButton23")->font().family(), "DejaVu Sans");
    }
};

QTEST_MAIN(TestEditorPages)
#include "tst_editorpages.moc"
