// The nitrite window, filled from the curing pages, and the recipe search that shows a recipe on
// the cookbook page.
#include "AppFixture.h"

#include "core/Clock.h"

#include <QStringListModel>

namespace {

// Typing into a field of one of the small windows (the fixture's type() focuses the main window).
void typeInto(const AppFixture &f, const char *field, const QString &keys)
{
    auto *edit = f.get<QLineEdit>(field);
    edit->selectAll();
    keys.isEmpty() ? QTest::keyClick(edit, Qt::Key_Delete) : QTest::keyClicks(edit, keys);
}

// The result list's rows as the list shows them.
QStringList rows(const AppFixture &f)
{
    const QAbstractItemModel *model = f.get<QListView>("SearchResults")->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data().toString();
    return out;
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void nitriteFromTheWetPage()
    {
        AppFixture f;
        Clock::setFixedForTests(QDateTime(QDate(2026, 1, 15), QTime(12, 0)));
        f.type("Edit1", "2,5");
        f.pick("ComboBox1", 3);
        f.trigger("Azotynwpeklowaniu1");
        auto *w = f.get<QWidget>("NitriteWindow");
        QVERIFY(w->isVisible() && w->isWindow());
        QCOMPARE(f.get<QComboBox>("MethodBox")->currentIndex(), 2);
        // 155 g at 0,6 % in 1 l of water; a tenth of the meat's weight taken up.
        QCOMPARE(
            f.texts({"MeatEdit", "SaltEdit", "PercentEdit", "WaterEdit", "UptakeEdit",
                        "ResultLabel", "IonResultLabel", "EquilibriumResultLabel", "WarningLabel"})
                .join(u'|'),
            "2,5|155|0,6|1|10|80,5 mg/kg|53,9 mg/kg|254,4 mg/kg|");
        QVERIFY(f.text("NoteLabel").contains("150 - 155 g"));
        // With the own variant applied, the range the page shows, rounded as the page rounds it.
        f.get<QLineEdit>("Edit11")->setText("75");
        f.get<QCheckBox>("CheckBox1")->setChecked(true);
        f.type("Edit1", "2,5");
        f.trigger("Azotynwpeklowaniu1");
        QVERIFY2(f.text("NoteLabel")
                     .contains(QStringLiteral("wersja własna): peklosól ") + f.text("Label12")),
            qPrintable(f.text("NoteLabel") + QStringLiteral(" / ") + f.text("Label12")));
        f.get<QCheckBox>("CheckBox1")->setChecked(false);
        f.type("Edit1", "2,5");
        f.trigger("Azotynwpeklowaniu1");

        // Four times the curing salt passes the EU limit and the US one for pumped meat.
        typeInto(f, "SaltEdit", "620");
        QCOMPARE(f.text("ResultLabel"), "229,6 mg/kg");
        QVERIFY(f.text("WarningLabel").startsWith("Wynik przekracza limit UE 80 mg/kg"));
        QVERIFY(f.text("WarningLabel").contains("limit USA 200 mg/kg"));
        QCOMPARE(f.get("ResultLabel")->palette().color(QPalette::WindowText), QColor(0xC00000));

        // The nitrite content is remembered; the window stays one.
        typeInto(f, "PercentEdit", "6,25");
        w->close();
        QCOMPARE(f.saved("Azotyn", {"procent"}), "6,25");
        f.trigger("Azotynwpeklowaniu1");
        QCOMPARE(f.form->findChildren<QWidget *>("NitriteWindow"), QList<QWidget *> {w});
        QCOMPARE(f.text("PercentEdit"), "6,25");
        QVERIFY(f.env.platform.errors.isEmpty());
    }

    void nitriteFromTheDryPage()
    {
        AppFixture f;
        Clock::setFixedForTests(QDateTime(QDate(2026, 1, 15), QTime(12, 0)));
        f.showPage(1);
        f.type("Edit2", "2");
        f.trigger("Azotynwpeklowaniu1");
        QCOMPARE(f.get<QComboBox>("MethodBox")->currentIndex(), 0);
        QVERIFY(!f.get<QLineEdit>("WaterEdit")->isVisible());
        // 44 g at 0,6 % = 264 mg on 2 kg; 88,4 as ion is above the EU's 80, not yet checked.
        QCOMPARE(f.texts({"SaltEdit", "ResultLabel", "IonResultLabel"}).join(u'|'),
            "44|132,0 mg/kg|88,4 mg/kg");
        QVERIFY(f.text("WarningLabel").contains("nie sprawdzono ze źródłem"));
        // No meat: nothing to show, nothing to complain about.
        typeInto(f, "MeatEdit", "");
        QCOMPARE(f.text("ResultLabel") + f.text("WarningLabel"), QString());
        QVERIFY(f.env.platform.errors.isEmpty());
        // A lone comma is no number: the general handler says so.
        typeInto(f, "MeatEdit", "1");
        typeInto(f, "SaltEdit", ",");
        QCOMPARE(f.env.platform.lastError(), "',' is not a valid floating point value");
        QVERIFY(f.get<QTableWidget>("LimitsTable")->item(1, 4)->text().endsWith("ze źródłem"));
    }

    void searchShowsTheRecipe()
    {
        AppFixture f;
        f.openSample(QStringLiteral(
            "<przepis tytul=\"Kiełbasa myśliwska\"><skladnik nazwa=\"Czosnek\"/></przepis>"
            "<przepis tytul=\"Żurek\"><skladnik nazwa=\"Kiełbasa biała\"/>"
            "<skladnik nazwa=\"Czosnek\"/></przepis>"));
        f.clickNode("Kuchnia", "Azja");
        f.showPage(0);
        QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(f.get<QWidget>("RecipeSearchWindow")->isVisible());
        auto *edit = f.get<QLineEdit>("SearchEdit");
        QTest::keyClicks(edit, "kielbasa");
        QCOMPARE(rows(f),
            (QStringList {
                "Kiełbasa jałowcowa", "Kiełbasa myśliwska", "Żurek   – składnik: Kiełbasa biała"}));
        QCOMPARE(f.text("CountLabel"), "Znaleziono: 3");

        // Enter on the second result: the whole book listed, its title picked and shown.
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f.form->PageControl1->currentIndex(), 4);
        QCOMPARE(f.cookbook()->TreeView1->currentItem(), f.node("Cała książka"));
        QCOMPARE(f.cookbook()->ListBox1->currentItem()->text(), "Kiełbasa myśliwska");
        QCOMPARE(f.viewTitle(), "Kiełbasa myśliwska");

        // A double click does the same; the mouse sends a click before it.
        typeInto(f, "SearchEdit", "CZOSNEK");
        QCOMPARE(rows(f),
            (QStringList {
                "Kiełbasa myśliwska   – składnik: Czosnek", "Żurek   – składnik: Czosnek"}));
        auto *list = f.get<QListView>("SearchResults");
        QTRY_VERIFY(list->visualRect(list->model()->index(1, 0)).isValid());
        const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(f.viewTitle(), "Żurek");
        QCOMPARE(f.cookbook()->ListBox1->currentItem()->text(), "Żurek");
        QVERIFY(f.env.platform.errors.isEmpty());
    }

    void historyAndPrintPreview()
    {
        AppFixture f;
        f.openSample();
        // Nothing written yet: nothing to restore.
        f.trigger("Przywrocwersje1");
        QCOMPARE(f.env.platform.messages.value(0).text,
            "Nie ma jeszcze wcześniejszych wersji tej książki.");
        // A recipe deleted, then the version before it restored: the recipe is back.
        f.clickTitle(3);
        f.env.platform.answers << Platform::Answer::Yes;
        f.trigger("Usunprzepis1");
        QCOMPARE(f.listTitles().count("Schab wędzony"), 0);
        QString shown;
        f.env.platform.modalScripts << [&shown](QDialog &dialog) {
            shown = dialog.findChild<QListWidget *>("VersionList")->item(0)->text();
            return int(QDialog::Accepted);
        };
        f.trigger("Przywrocwersje1");
        QVERIFY2(shown.endsWith("5 przepisów"), qPrintable(shown));
        QCOMPARE(f.listTitles().count("Schab wędzony"), 1);
        // The book without the recipe became a version in its turn; cancelling restores nothing.
        int listed = 0;
        f.env.platform.modalScripts << [&listed](QDialog &dialog) {
            listed = dialog.findChild<QListWidget *>("VersionList")->count();
            return int(QDialog::Rejected);
        };
        f.trigger("Przywrocwersje1");
        QCOMPARE(listed, 2);
        QCOMPARE(f.listTitles().count("Schab wędzony"), 1);

        // The preview shows what printing prints.
        f.clickTitle(3);
        f.cookbook()->Podgladwydruku1->trigger();
        f.cookbook()->Drukujprzepis3->trigger();
        QCOMPARE(f.env.platform.previewedDocuments, f.env.platform.printedDocuments);
        QVERIFY(f.env.platform.previewedDocuments.value(0).startsWith("Schab wędzony"));
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
