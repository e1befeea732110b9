// The cookbook page: the tree and the list of titles, the recipe shown and its portions,
// deleting, the photos, the web page, printing, the second view, and the book commands.
#include "AppFixture.h"

#include "cookbook/XmlService.h"

namespace {
const QString kBook = QStringLiteral("Cała książka"), kCuisine = QStringLiteral("Kuchnia");
const QColor kRed(Qt::red), kGreen(Qt::green), kBlue(Qt::blue);
} // namespace

class TestCookbook : public QObject
{
    Q_OBJECT

private slots:
    void treeListAndPortions()
    {
        AppFixture f;
        f.openSample();
        QCOMPARE(f.form->windowTitle(), "Solvarin autor Orvendal : Moja książka");
        QVERIFY(f.node(kBook)->isExpanded());
        QCOMPARE(f.childrenOf(kBook).join(u'|'), "Mięsa|Ryby|Wędzonki");
        // Nodes are told apart by their exact text, even when one contains another.
        QCOMPARE(f.childrenOf(kCuisine).join(u'|'), "Azja|Azja Wschodnia|Polska|Polska wschodnia");
        QCOMPARE(f.childrenOf("Autor").join(u'|'), "Anna Nowak|Jan|Jan Kowalski|Piotr Zięba");
        QCOMPARE(f.listTitles().join(u'|'),
            "Boczek parzony|Boczek parzony|Kiełbasa jałowcowa|Schab wędzony|Śledzie w occie");
        // Of two equal titles the refilled list shows the later recipe, a click the first.
        QCOMPARE(f.viewLine("Autor: ") + u' ' + f.text("Edit13"), "Autor: Piotr Zięba 1");
        f.clickTitle(0);
        QCOMPARE(f.viewLine("Autor: ") + u' ' + f.text("Edit13"), "Autor: Anna Nowak 2");
        // Keys move through the list as clicks do.
        QTest::keyClick(f.cookbook()->ListBox1, Qt::Key_End);
        QCOMPARE(f.viewTitle() + u' ' + f.text("Edit13"), "Śledzie w occie 1");

        // A group node lists nothing and leaves the view alone.
        const QString shown = f.viewText();
        f.clickNode(kCuisine);
        QVERIFY(f.listTitles().isEmpty());
        QCOMPARE(f.viewText(), shown);
        // A category, a cuisine contained in the recipe's, an author by exact text; the first
        // recipe listed is shown.
        const std::tuple<QString, QString, QStringList> nodes[]
            = {{kBook, "Wędzonki", {"Boczek parzony", "Schab wędzony"}},
                {kBook, "Mięsa", {"Boczek parzony", "Schab wędzony"}},
                {kCuisine, "Polska", {"Boczek parzony", "Boczek parzony", "Schab wędzony"}},
                {kCuisine, "Azja", {"Kiełbasa jałowcowa", "Śledzie w occie"}},
                {"Autor", "Jan", {"Śledzie w occie"}}};
        for (const auto &[group, child, titles] : nodes) {
            f.clickNode(group, child);
            QCOMPARE(f.listTitles(), titles);
            QCOMPARE(f.viewTitle(), titles.first());
        }
        f.clickNode(kBook);
        QCOMPARE(f.listTitles().size(), 5);

        // Portions typed rescale the recipe.
        CookbookPage *page = f.cookbook();
        f.clickTitle(3);
        QCOMPARE(f.viewLine("     Schab:") + u' ' + f.text("Edit13"), "     Schab:     2     kg 4");
        f.type("Edit13", "8");
        QCOMPARE(f.viewLine("     Schab:"), "     Schab:     4     kg");
        // A half-typed number, or a text set by the program, leaves the view alone.
        const QString before = f.viewText();
        f.type("Edit13", ",");
        page->ListBox1->setFocus();
        page->Edit13->setText("1");
        QCOMPARE(f.viewText(), before);
        // Enter in the view adds no line.
        page->RichEdit1->setFocus();
        QTest::keyClick(page->RichEdit1, Qt::Key_Return);
        QTest::keyClick(page->RichEdit1, Qt::Key_Enter);
        QCOMPARE(f.viewText(), before);
        QVERIFY(f.env.platform.errors.isEmpty());

        // A click on the portions caption puts the count of selected titles in the window's title.
        f.clickTitle(0);
        f.clickTitle(2, Qt::ControlModifier);
        f.clickTitle(3, Qt::ControlModifier);
        QTest::mouseClick(page->Label77, Qt::LeftButton);
        QCOMPARE(f.form->windowTitle(), "3");
        // Copying the selection is offered only with a selection.
        QAction *copy = page->Kopiujzaznaczone2;
        emit page->PopupMenu4->aboutToShow();
        QVERIFY(copy->isEnabled());
        page->ListBox1->clearSelection();
        emit page->PopupMenu4->aboutToShow();
        QVERIFY(!copy->isEnabled());
    }

    void recipePane()
    {
        // A photo fills the height: a wide one is cut on both sides, a narrow one leaves margins.
        QCOMPARE(PhotoBox::fitRect({400, 200}, {357, 213}), QRect(-34, 0, 425, 213));
        QCOMPARE(PhotoBox::fitRect({200, 400}, {357, 213}), QRect(125, 0, 107, 213));
        AppFixture f;
        f.openSample(QStringLiteral("<przepis tytul=\"Zły adres\" porcje=\"1\" "
                                    "www=\"file:///etc/passwd\" zdjecie=\"schab2.png\"/>"));
        QTextEdit second;
        f.cookbook()->setDescriptionView(&second);
        QSignalSpy secondTitle(f.cookbook(), &CookbookPage::descriptionTitleChanged);
        QPushButton *www = f.cookbook()->WwwButton;
        QVERIFY(!www->isEnabled()); // Boczek parzony has none
        // An address that is no web page is refused; a photo without a list shows all the same.
        f.clickTitle(5);
        QCOMPARE(f.photoCentre(), kGreen);
        f.pressPhoto(300);
        QCOMPARE(f.photoCentre(), kGreen);
        QTest::mouseClick(www, Qt::LeftButton);
        QCOMPARE(f.env.platform.messages.size(), 1);
        f.clickTitle(3);
        QCOMPARE(second.toPlainText(), f.viewText());
        QCOMPARE(secondTitle.last().value(0).toString(), "Schab wędzony");
        QTest::mouseClick(www, Qt::LeftButton);
        QCOMPARE(f.env.platform.openedUrls, QList<QUrl>({QUrl("https://example.org/schab")}));
        QCOMPARE(f.form->windowTitle(), "https://example.org/schab");

        // Printing what the view shows; without a printer a PDF file is offered instead.
        f.trigger("Drukujprzepis3");
        QCOMPARE(f.env.platform.printedDocuments, QStringList({f.viewText()}));
        f.env.platform.printerPresent = false;
        f.env.platform.answers << Platform::Answer::No << Platform::Answer::Yes;
        f.trigger("Drukujprzepis1");
        QVERIFY(f.env.platform.fileDialogs.isEmpty());
        const QString pdf = f.env.file("schab.pdf");
        f.env.platform.fileAnswers << pdf;
        f.trigger("Drukujprzepis2");
        QCOMPARE(f.env.platform.fileDialogs.value(0).fileName, f.env.file("Schab wędzony.pdf"));
        QCOMPARE(f.env.platform.pdfFiles, QStringList({pdf}));
        QCOMPARE(f.env.platform.messages.size(), 3);

        // The folder and the names are found whatever their letter case.
        QVERIFY(QDir(f.env.dir()).rename("zdjecia", "Zdjecia"));
        QVERIFY(QFile::rename(f.env.file("Zdjecia/schab3.png"), f.env.file("Zdjecia/SCHAB3.PNG")));
        f.clickTitle(3); // red, green, blue
        QCOMPARE(f.photoCentre(), kRed);
        // The right part steps on, the left part back, the middle nowhere; never beyond the ends.
        const std::pair<int, QColor> steps[] = {{300, kGreen}, {300, kBlue}, {300, kBlue},
            {50, kGreen}, {150, kGreen}, {99, kRed}, {99, kRed}};
        for (auto [x, colour] : steps) {
            f.pressPhoto(x);
            QCOMPARE(f.photoCentre(), colour);
        }
        // A new rendering starts again at the first photo.
        f.pressPhoto(300);
        f.type("Edit13", "2");
        QCOMPARE(f.photoCentre(), kRed);
        // A picture that cannot be read is reported and the shown one stays.
        writeFile(f.env.file("Zdjecia/schab2.png"), "to nie jest obrazek");
        f.pressPhoto(300);
        QVERIFY2(f.env.platform.lastError().startsWith("schab2.png: "),
            qPrintable(f.env.platform.lastError()));
        QCOMPARE(f.photoCentre(), kRed);
        f.trigger("Nowa1");
        QVERIFY(second.toPlainText().isEmpty());
    }

    void bookCommands()
    {
        AppFixture f;
        f.openSample();
        // Deleting a recipe asks, then writes the book and reads it again.
        f.clickTitle(3);
        f.env.platform.answers << Platform::Answer::No << Platform::Answer::Yes;
        f.trigger("Usunprzepis1");
        QCOMPARE(f.env.platform.messages.value(0).text, "Czy napewno chcesz usunąc przepis ?");
        QCOMPARE(f.env.platform.messages.value(0).buttons, Platform::Buttons::YesNo);
        QCOMPARE(f.listTitles().size(), 5);
        f.trigger("Usunprzepis2");
        QCOMPARE(f.listTitles().join(u'|'),
            "Boczek parzony|Boczek parzony|Kiełbasa jałowcowa|Śledzie w occie");
        QCOMPARE(f.viewLine("Autor: "), "Autor: Piotr Zięba");
        QCOMPARE(Book::fromFile(f.bookPath()).root().przepisy().count(), 4);
        const QString title = f.form->windowTitle();
        const QStringList titles = f.listTitles();
        const QString view = f.viewText();
        const auto paths
            = [&] { return f.cookbook()->BookPath() + u'|' + f.cookbook()->LastBookPath(); };
        // A book that cannot be read, or is none of ours, changes nothing.
        const std::pair<QByteArray, const char *> badBooks[]
            = {{"<Solvarin><przepisy></Solvarin>", "Opening and ending tag mismatch"},
                {bookXml().left(300), "line"}, {"<Ksiazka><przepisy/></Ksiazka>", nullptr}};
        for (const auto &[content, error] : badBooks) {
            f.env.platform.errors.clear();
            writeFile(f.env.file("zla.xml"), content);
            f.env.platform.fileAnswers << f.env.file("zla.xml");
            f.trigger("Otworz1");
            QVERIFY2(error ? f.env.platform.lastError().contains(error)
                           : f.env.platform.errors.isEmpty(),
                qPrintable(f.env.platform.lastError()));
            QCOMPARE(f.form->windowTitle(), error ? title : "ta baza jest nie jadajna :(");
            QCOMPARE(paths(), f.bookPath() + u'|' + f.bookPath());
            QCOMPARE(f.listTitles(), titles);
            QCOMPARE(f.viewText(), view);
        }

        // A new book: nothing to delete; saving asks for a name, and cancelled, nothing moves.
        f.trigger("Nowa1");
        QCOMPARE(f.cookbook()->TreeView1->topLevelItemCount(), 0);
        QVERIFY(f.listTitles().isEmpty() && f.viewText().isEmpty());
        f.trigger("Usunprzepis1");
        QCOMPARE(f.env.platform.messages.size(), 2);
        f.trigger("Zapisz1");
        QCOMPARE(f.env.platform.fileDialogs.last().title, "Zapisz książkę");
        QCOMPARE(paths(), u'|' + f.bookPath());
        QCOMPARE(Book::fromFile(f.bookPath()).root().przepisy().count(), 4);

        // A book of the older program keeps its root; its name is cut at the first full stop.
        const QString old = f.env.file("stara.old.xml");
        writeFile(old, bookXml(QString::fromUtf8(kRecipes), QStringLiteral("Velmaro")));
        f.env.platform.fileAnswers << old;
        f.trigger("Otworz1");
        QCOMPARE(f.form->windowTitle(), "Solvarin autor Orvendal Velmaro: stara");
        QCOMPARE(paths(), old + u'|' + old);
        f.trigger("Zapisz1");
        QVERIFY(readAll(old).contains("<Velmaro"));

        // Save as: a failed write keeps the book where it was, a good one moves both paths.
        f.env.platform.fileAnswers << f.env.file("brak/folderu/x.xml");
        f.trigger("Zapiszjako1");
        QVERIFY(f.env.platform.lastError().startsWith("Unable to write to"));
        QCOMPARE(paths(), old + u'|' + old);
        const QString copy = f.env.file("kopia.xml");
        f.env.platform.fileAnswers << copy;
        f.trigger("Zapiszjako1");
        QCOMPARE(paths(), copy + u'|' + copy);
        QCOMPARE(f.form->windowTitle(), "Solvarin autor Orvendal Velmaro: kopia");

        // A remembered book that cannot be read leaves a new, empty book, and says why.
        writeFile(f.bookPath(), "<Solvarin><przepisy>");
        f.env.platform.messages.clear();
        f.restart();
        const QString message = f.env.platform.messages.value(0).text;
        QVERIFY2(message.contains("Moja książka.xml") && message.contains("line 1")
                && message.contains("nową, pustą książkę"),
            qPrintable(message));
        QCOMPARE(f.cookbook()->TreeView1->topLevelItemCount(), 0);
        // The remembered path stays, so the next run tries the same book again.
        QCOMPARE(paths(), u'|' + f.bookPath());
        // The new book asks for a name; saved and read back, its one empty recipe is listed.
        const QString target = f.env.file("nowa.xml");
        f.env.platform.fileAnswers << target;
        f.trigger("Zapisz1");
        QVERIFY(readAll(target).startsWith(XmlService::bookPrologue()));
        QCOMPARE(f.form->windowTitle(), "Solvarin autor Orvendal : nowa");
        QCOMPARE(f.listTitles(), QStringList({QString()}));
        QCOMPARE(f.env.platform.messages.size(), 1);
    }
};

QTEST_MAIN(TestCookbook)
#include "tst_cookbook.moc"
