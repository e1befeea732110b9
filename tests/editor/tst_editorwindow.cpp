// The recipe editor as a whole: how the main window opens it, loading a recipe into it, and the
// bottom bar: adding, correcting, deleting a recipe and starting a new one.
#include "EditorFixture.h"

#include "core/Clock.h"
#include "core/SafeFile.h"
#include "editor/OtherPage.h"
#include "editor/PhotosPage.h"

namespace {

// A recipe as the book holds it, attributes and children in a fixed order.
QString summary(const TXMLPrzepisType &r)
{
    QStringList parts {r.tytul(), r.porcje(), r.kalorie(), r.autor(), r.kuchnia(), r.ocena(),
        r.jednostka(), r.czas(), r.data(), r.www(), r.zdjecie(), r.ulubione()};
    QStringList lists[3];
    for (int i = 0; i < r.kategoria().count(); ++i)
        lists[0] << r.kategoria()[i].nazwa();
    for (int i = 0; i < r.zdjecia().count(); ++i)
        lists[1] << r.zdjecia()[i].nazwa();
    for (int i = 0; i < r.skladnik().count(); ++i) {
        const TXMLSkladnikType s = r.skladnik()[i];
        lists[2] << QStringList {s.nazwa(), s.ilosc(), s.jednostka(), s.text()}.join(u' ');
    }
    for (const QStringList &list : lists)
        parts << list.join(u',');
    return parts.join(u'|') + u'|' + r.opis().lines(true).join(u'/');
}

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void openingCommandsAndWindow()
    {
        EditorFixture f;
        QStringList seen;
        for (const char *command : {"Nowyprzepis1", "Poprawprzepis1", "Opcje2", "Nowyprzepis2",
                 "PoprawPrzepis2", "Zmieczcionk1"}) {
            f.env.platform.modalScripts.enqueue([&](QDialog &dialog) {
                auto *e = qobject_cast<TForm4 *>(&dialog);
                seen << QStringLiteral("%1 %2 %3 %4")
                            .arg(e->RecipeTitleEdit->text(), e->CancelButton->Caption())
                            .arg(e->RecipePages->currentIndex())
                            .arg(e->parentWidget() == f.form.get());
                return int(QDialog::Rejected);
            });
            f.form->action(command)->trigger();
        }
        // "Nowy przepis" after "Opcje" opens on the first page again.
        QCOMPARE(seen,
            QStringList({" Anuluj 0 1", "Boczek Anuluj 0 1", " Zamknij 5 1", " Anuluj 0 1",
                "Boczek Anuluj 0 1", " Zamknij 5 1"}));
        QVERIFY(f.form->findChildren<TForm4 *>().isEmpty());

        TForm4 *e = f.open(false);
        QCOMPARE(e->size(), QSize(648, 504));
        QCOMPARE(e->windowTitle(), "Przepis");
        QStringList tabs;
        for (int i = 0; i < e->RecipePages->count(); ++i)
            tabs << e->RecipePages->tabText(i);
        QCOMPARE(tabs.join(u'|'), "Składniki|Sposób wykonania|  Inne|  Zdjęcia|Słownik|Opcje");
        QCOMPARE(QStringList({f.text("NewRecipeButton"), f.text("AddRecipeButton"),
                                 f.text("CorrectRecipeButton"), f.text("DeleteRecipeButton")})
                     .join(u'|'),
            "Nowy |Dodaj|Popraw|Usuń");
        QCOMPARE(e->palette().color(QPalette::Window), QColor(102, 102, 102));
        QCOMPARE(e->font().family(), f.page()->recipeFont(22).font.family());
        // A new recipe: an empty row under the header, no suggestions, 00:00, the design date.
        QCOMPARE(f.grid(), QStringList({"    "}));
        QVERIFY(f.items("AuthorCombo").isEmpty() && f.items("PortionUnitCombo").isEmpty());
        QCOMPARE(e->Other->TimePicker->time(), QTime(0, 0));
        QCOMPARE(e->Other->EntryDatePicker->date(), QDate(2014, 3, 23));
        // The cancel button's caption follows the page; it closes without writing.
        for (auto [page, caption] : {std::pair {4, "Zamknij"}, {3, "Anuluj"}, {5, "Zamknij"}}) {
            f.showPage(page);
            QCOMPARE(f.text("CancelButton"), caption);
        }
        e->EditExistingRecipe = true;
        const QByteArray before = f.file();
        f.click("CancelButton");
        QVERIFY(!e->isVisible() && !e->EditExistingRecipe && e->result() == QDialog::Rejected);
        QCOMPARE(f.file(), before);
    }

    void loadAndCorrectKeepEveryField()
    {
        EditorFixture f;
        Clock::setFixedForTests(QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        f.choose("Schab wędzony");
        const int index = f.page()->CurrentRecipeIndex;
        f.open(true);
        QCOMPARE(f.text("RecipeTitleEdit") + u'|' + f.text("AuthorCombo") + u'|'
                + f.text("PortionUnitCombo") + u'|' + f.text("PortionsEdit") + u'|'
                + f.text("CaloriesEdit") + u'|' + f.text("WebPageEdit"),
            "Schab wędzony|Jan Kowalski|Porcje|4|250|https://ex.org/s");
        // Suggestions by exact text: a value inside another one is still offered.
        QCOMPARE(f.items("AuthorCombo").join(u'|'), "Jan|Jan Kowalski");
        QCOMPARE(f.items("CuisineCombo").join(u'|'), "Polska|Polska wschodnia");
        QCOMPARE(f.items("PortionUnitCombo").join(u'|'), "pęta|Porcje");
        QCOMPARE(f.items("CategoryCombo").join(u'|'), "Mięsa|Wędzonki");
        QCOMPARE(f.items("CategoryList").join(u'|'), "Wędzonki|Mięsa");
        QCOMPARE(f.items("PhotoListBox").join(u'|'), "a.png|b.png");
        QCOMPARE(f.grid(),
            QStringList({"0 schab 2 kg bez kości", "1 sól 1,5 łyżka ", "2 pieprz 1/2 łyżka "}));
        QCOMPARE(f.text("DescriptionMemo"), "Zapeklować & uwędzić.\nSchłodzić <dobrze>.\n\nPodać.");
        // A recipe without a time gets 00:00 in the book as soon as it is opened.
        QCOMPARE(f.editor->Other->TimePicker->time(), QTime(0, 0));
        QCOMPARE(f.recipe(index).czas(), "00:00");
        QCOMPARE(f.editor->Other->EntryDatePicker->date(), QDate(2023, 10, 15));
        QVERIFY(!f.editor->Ingredients->IngredientNameCombo->currentText().size());

        // "Popraw" unchanged: no question, the same place, today's date, the favourite kept.
        f.click("CorrectRecipeButton");
        QVERIFY(f.env.platform.messages.isEmpty() && f.env.platform.errors.isEmpty());
        const QString expected = "Schab wędzony|4|250|Jan Kowalski|Polska wschodnia|dobra|Porcje|"
                                 "00:00|6.12.2026|https://ex.org/s|a.png|tak|Wędzonki,Mięsa|"
                                 "a.png,b.png|schab 2 kg bez kości,sól 1,5 łyżka ,pieprz 1/2 "
                                 "łyżka |Zapeklować & uwędzić./Schłodzić <dobrze>.//Podać.";
        QCOMPARE(summary(Book::fromFile(f.bookPath()).root().przepisy()[index]), expected);
        QCOMPARE(summary(f.recipe(index)), expected);
        // Loaded and stored once more, the description does not grow.
        f.choose("Schab wędzony");
        f.open(true);
        QCOMPARE(f.text("DescriptionMemo"), "Zapeklować & uwędzić.\nSchłodzić <dobrze>.\n\nPodać.");

        // The short date a new recipe gets reads back; an unreadable date and time show today
        // and 00:00, and the stored date is left alone.
        const std::tuple<const char *, QDate, QTime> dates[] = {
            {"Kiełbasa", QDate(2026, 12, 6), QTime(1, 30)}, {"Boczek", QDate(2026, 12, 6), {0, 0}}};
        Clock::setFixedForTests(QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        for (const auto &[title, date, time] : dates) {
            f.choose(title);
            f.open(true);
            QCOMPARE(f.editor->Other->EntryDatePicker->date(), date);
            QCOMPARE(f.editor->Other->TimePicker->time(), time);
        }
        QCOMPARE(f.recipe(2).data(), "zepsuta");
    }

    void addCorrectDelete()
    {
        EditorFixture f;
        Clock::setFixedForTests(QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        f.open(false);
        f.type("RecipeTitleEdit", "Kiełbasa");
        f.showPage(2);
        f.type("AuthorCombo", "Ewa");
        // A second recipe of a title is added only when the user wants it.
        const QByteArray before = f.file();
        f.env.platform.answers << Platform::Answer::No;
        f.click("AddRecipeButton");
        QCOMPARE(f.env.platform.messages.value(0).text,
            "Taki przepis już istnieje\rczy mimo to chcesz go dodać ?");
        QCOMPARE(f.env.platform.messages.value(0).caption, "Uwaga");
        QCOMPARE(f.file(), before);
        f.env.platform.answers << Platform::Answer::Yes;
        f.click("AddRecipeButton");
        // The new window's empty grid row is stored as an empty ingredient line.
        QCOMPARE(summary(Book::fromFile(f.bookPath()).root().przepisy()[3]),
            "Kiełbasa|||Ewa||||00:00|6.12.2026||||||   |");
        QCOMPARE(f.page()->ListBox1->count(), 4);

        // "Popraw" corrects the recipe of the window, even after a dictionary write made another
        // recipe current in the main window.
        f.showPage(4);
        f.type("UnitDictionaryNameEdit", "szt");
        f.click("UnitDictionaryAddButton");
        QCOMPARE(f.page()->CurrentRecipeIndex, 2);
        f.type("RecipeTitleEdit", "Kiełbasa biała");
        f.click("CorrectRecipeButton");
        QCOMPARE(f.recipe(3).tytul() + u'|' + f.recipe(1).tytul() + u'|' + f.recipe(2).tytul(),
            "Kiełbasa biała|Kiełbasa|Boczek");
        QCOMPARE(f.env.platform.messages.size(), 2);

        // Deleting asks; the window then shows the recipe the main window shows.
        f.env.platform.answers << Platform::Answer::No << Platform::Answer::Yes;
        f.click("DeleteRecipeButton");
        QCOMPARE(f.env.platform.messages.value(2).text, "Czy napewno chcesz usunąc przepis ?");
        QCOMPARE(f.book().root().przepisy().count(), 4);
        f.click("DeleteRecipeButton");
        QCOMPARE(Book::fromFile(f.bookPath()).root().przepisy().count(), 3);
        QCOMPARE(f.text("RecipeTitleEdit"), "Boczek");
        QVERIFY(f.items("UnitDictionaryList").contains("szt"));

        // "Nowy " empties the title, the entry group and the grid, and nothing else.
        f.editor->DescriptionMemo->setPlainText("opis");
        f.type("IngredientRemarkEdit", "uwaga");
        f.click("NewRecipeButton");
        QCOMPARE(f.text("RecipeTitleEdit") + f.text("IngredientRemarkEdit"), "");
        QCOMPARE(f.editor->Ingredients->IngredientsGrid->rowCount(), 0);
        QCOMPARE(f.text("DescriptionMemo"), "opis");
    }

    void failedWriteKeepsInput()
    {
        EditorFixture f;
        f.choose("Schab wędzony");
        f.open(true);
        f.type("RecipeTitleEdit", "Schab na zimno");
        const QByteArray before = f.file();
        safefile::failNextWriteForTests(QFileInfo(f.bookPath()).fileName(), 100);
        f.click("CorrectRecipeButton");
        QVERIFY2(f.env.platform.lastError().startsWith("Unable to write to"),
            qPrintable(f.env.platform.lastError()));
        QCOMPARE(f.file(), before);
        QVERIFY(f.editor->isVisible());
        QCOMPARE(f.text("RecipeTitleEdit"), "Schab na zimno");
        QCOMPARE(f.grid().size(), 3);
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
