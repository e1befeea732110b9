// Carrying recipes and dictionaries to and from another book file, and the description window.
#include "AppFixture.h"

#include "app/BookCopyCommands.h"
#include "app/CookbookEditorHost.h"
#include "app/RecipeView.h"
#include "app/TForm7.h"
#include "controls/TPrzycisk.h"
#include "cookbook/Book.h"
#include "core/SafeFile.h"
#include "editor/DictionaryHalf.h"
#include "editor/TForm4.h"

namespace {

QByteArray otherXml()
{
    return bookXml(QStringLiteral("<przepis tytul=\"Pstrąg\"/>"))
        .replace("<skladniki/>",
            "<skladniki><skladnik nazwa=\"Schab\" m.lp=\"s1\"/><skladnik nazwa=\"pieprz\" "
            "m.lp=\"pieprz\" d.lp=\"pieprzu\"/></skladniki>")
        .replace("</jednostki>",
            "<jednostka nazwa=\"łyżka\" m.lp=\"łyżka\" d.lp=\"łyżki\" m.lm=\"łyżki\" "
            "d.lm=\"łyżek\"/></jednostki>");
}

QStringList titles(const QString &path)
{
    Book book = Book::fromFile(path);
    QStringList out;
    for (int i = 0; i < book.root().przepisy().count(); ++i)
        out << book.root().przepisy()[i].tytul();
    return out;
}

QStringList ingredients(Book &book)
{
    QStringList out;
    const TXMLSkladnikiType list = book.root().slowniki().skladniki();
    for (int i = 0; i < list.count(); ++i)
        out << list[i].nazwa() + u':' + list[i].mLp();
    return out;
}

QStringList units(Book &book)
{
    QStringList out;
    const TXMLJednostkiType list = book.root().slowniki().jednostki();
    for (int i = 0; i < list.count(); ++i)
        out << list[i].nazwa() + u':' + list[i].dLm();
    return out;
}

} // namespace

class TestBookCopy : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { safefile::clearFaultsForTests(); }

    void copyingSelectedRecipes()
    {
        AppFixture f;
        f.openSample();
        const QString other = f.env.file(QStringLiteral("inna.xml"));
        writeFile(other, otherXml());
        // Two titles selected, one of them held by two recipes: three recipes appended.
        f.clickTitle(0);
        f.clickTitle(3, Qt::ControlModifier);
        f.env.platform.fileAnswers << other;
        f.trigger("Kopiujzaznaczone1");
        QCOMPARE(titles(other).join(u'|'), "Pstrąg|Boczek parzony|Boczek parzony|Schab wędzony");
        QVERIFY(readAll(other).startsWith("<?xml version=\"1.0\" encoding=\"Windows-1250\"?>"));
        // The list's popup does the same, once there is a selection.
        emit f.cookbook()->PopupMenu4->aboutToShow();
        QVERIFY(f.cookbook()->Kopiujzaznaczone2->isEnabled());
        f.env.platform.fileAnswers << other;
        f.cookbook()->Kopiujzaznaczone2->trigger();
        QCOMPARE(titles(other).size(), 7);
        // Cancelled, a missing file, a file that is no book: nothing written anywhere.
        const QByteArray before = readAll(other);
        const QString foreign = f.env.file(QStringLiteral("obca.xml"));
        writeFile(foreign, "<?xml version=\"1.0\"?><inne/>");
        f.env.platform.fileAnswers << QString() << f.env.file(QStringLiteral("brak.xml"))
                                   << foreign;
        for (int i = 0; i < 3; ++i)
            f.trigger("Kopiujzaznaczone1");
        QCOMPARE(f.env.platform.messages.size(), 1);
        QCOMPARE(f.env.platform.messages[0].text + u'|' + f.env.platform.messages[0].caption,
            "ta baza jest nie jadajna :(|Uwaga");
        QCOMPARE(readAll(other), before);
        QCOMPARE(readAll(foreign), QByteArray("<?xml version=\"1.0\"?><inne/>"));
        // A failed write says why and leaves the other book as it was.
        safefile::failNextWriteForTests(QStringLiteral("inna.xml"), 100);
        f.env.platform.fileAnswers << other;
        f.trigger("Kopiujzaznaczone1");
        QVERIFY(f.env.platform.lastError().contains("inna.xml"));
        QCOMPARE(readAll(other), before);
        // Nothing selected, nothing to copy: the main menu's item waits as the list's does.
        f.cookbook()->ListBox1->clearSelection();
        QVERIFY(!f.form->action("Kopiujzaznaczone1")->isEnabled());
    }

    void copyingIntoTheOpenBooksOwnFile()
    {
        AppFixture f;
        f.openSample();
        f.clickTitle(3);
        f.env.platform.fileAnswers << f.bookPath();
        f.trigger("Kopiujzaznaczone1");
        // The open book itself holds the copy, in memory and on disk, and the list shows it.
        QCOMPARE(titles(f.bookPath()).count("Schab wędzony"), 2);
        QCOMPARE(f.listTitles().count("Schab wędzony"), 2);
        QCOMPARE(f.cookbook()->book().root().przepisy().count(), 6);
    }

    void importingDictionaries()
    {
        AppFixture f;
        f.openSample();
        const QString other = f.env.file(QStringLiteral("inna.xml"));
        writeFile(other, otherXml());
        writeFile(f.bookPath(),
            readAll(f.bookPath())
                .replace("<skladniki/>", "<skladniki><skladnik nazwa=\"Schab\"/></skladniki>"));
        f.env.platform.fileAnswers << f.bookPath();
        f.trigger("Otworz1");
        // The first entry is there already; the next is still taken, with its name only.
        f.env.platform.fileAnswers << other;
        f.trigger("Kopiujskladniki1");
        Book saved = Book::fromFile(f.bookPath());
        QCOMPARE(ingredients(saved).join(u'|'), "Schab:|pieprz:");
        f.env.platform.fileAnswers << other;
        f.trigger("Kopiujjednostki1");
        saved = Book::fromFile(f.bookPath());
        QCOMPARE(units(saved).join(u'|'), "kg:kg|łyżka:łyżek");
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // A book never saved changes in memory only.
        f.trigger("Nowa1");
        const QStringList files = QDir(f.env.file(QString())).entryList(QDir::Files);
        f.env.platform.fileAnswers << other;
        f.trigger("Kopiujjednostki1");
        QCOMPARE(units(f.cookbook()->book()).join(u'|'), "kg:kg|łyżka:łyżek");
        QCOMPARE(QDir(f.env.file(QString())).entryList(QDir::Files), files);
    }

    void exportingFromTheEditor()
    {
        AppFixture f;
        f.openBook(bookXml().replace("<skladniki/>",
            "<skladniki><skladnik nazwa=\"czosnek\" m.lp=\"czosnek\"/><skladnik nazwa=\"sól\" "
            "m.lp=\"sól\" d.lp=\"soli\"/></skladniki>"));
        const QString other = f.env.file(QStringLiteral("inna.xml"));
        writeFile(other, otherXml());
        TForm4 editor(*f.form->findChild<CookbookEditorHost *>(), f.form.get());
        editor.FormActivate();
        auto *ingredientsHalf = editor.findChild<DictionaryHalf *>("IngredientDictionary");
        auto *unitsHalf = editor.findChild<DictionaryHalf *>("UnitDictionary");
        // Both names highlighted; only the one the other book lacks goes over, with its forms.
        ingredientsHalf->List->selectAll();
        f.env.platform.fileAnswers << other;
        QTest::mouseClick(ingredientsHalf->SaveToButton, Qt::LeftButton);
        Book written = Book::fromFile(other);
        QCOMPARE(ingredients(written).join(u'|'), "Schab:s1|pieprz:pieprz|czosnek:czosnek|sól:sól");
        // A unit the other book lacks: the title traces the work.
        writeFile(other,
            bookXml(QString()).replace(
                "<jednostka nazwa=\"kg\" m.lp=\"kg\" m.lm=\"kg\" d.lm=\"kg\" d.lp=\"kg\"/>", ""));
        unitsHalf->List->selectAll();
        f.env.platform.fileAnswers << other;
        QTest::mouseClick(unitsHalf->SaveToButton, Qt::LeftButton);
        QCOMPARE(f.form->windowTitle(), "zaladowal skladniki/sel/nie ma/dodaje");
        written = Book::fromFile(other);
        QCOMPARE(units(written).join(u'|'), "kg:kg");
        // Nothing new: the other book is not written again.
        safefile::failNextWriteForTests(QStringLiteral("inna.xml"), 0);
        f.env.platform.fileAnswers << other;
        QTest::mouseClick(unitsHalf->SaveToButton, Qt::LeftButton);
        QCOMPARE(f.form->windowTitle(), "zaladowal skladniki/sel/jest");
        QVERIFY(f.env.platform.errors.isEmpty());
    }

    void descriptionWindow()
    {
        AppFixture f;
        f.openSample();
        TForm7 *window = f.form->Form7;
        QCOMPARE(window->size(), QSize(TForm7::Width, TForm7::Height));
        QVERIFY(!window->isVisible());
        QCheckBox *box = f.cookbook()->CheckBox2;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(window->isVisible());
        // It stands left of the main window, or at the screen's edge when there is no room.
        QVERIFY(window->frameGeometry().right() <= f.form->frameGeometry().left()
            || window->x() == window->screen()->availableGeometry().left());
        f.clickTitle(3);
        QCOMPARE(window->windowTitle(), "Schab wędzony");
        QCOMPARE(window->RichEdit1->toPlainText(), f.viewText());
        f.clickTitle(4);
        QCOMPARE(window->windowTitle(), "Śledzie w occie");
        QCOMPARE(window->RichEdit1->toPlainText(), f.viewText());
        // A selection shows its Windows-1250 codes as the title.
        window->RichEdit1->setPlainText(QStringLiteral("xąb"));
        QTextCursor cursor(window->RichEdit1->document());
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        window->RichEdit1->setTextCursor(cursor);
        QCOMPARE(window->windowTitle(), "185/");
        QCOMPARE(TForm7::selectionCodes("ab"), "97/98/");
        // Closed by its own button, the box unticks; leaving and entering the page keeps it shut.
        window->close();
        QVERIFY(!box->isChecked());
        f.showPage(0);
        f.showPage(4);
        QVERIFY(!window->isVisible());
        box->click();
        f.showPage(0);
        f.showPage(4);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestBookCopy)
#include "tst_bookcopy.moc"
