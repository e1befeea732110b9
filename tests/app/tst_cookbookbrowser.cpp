#include "CookbookFixture.h"

#include <QAction>
#include <QMenu>

using namespace cookbook_test;

class TestCookbookBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void loadFillsTreeAndSortedList();
    void categoryNodes();
    void equalTitles();
    void cuisineNodeMatchesBySubstring();
    void nodesAreDeduplicatedByExactText();
    void groupNodes();
    void portionsCaptionCountsSelection();
    void typingPortionsRescales();
    void deleteAsksThenWritesAndReloads();
    void deleteWithEmptyListDoesNothing();
    void copyItemFollowsSelection();
};

void TestCookbookBrowser::loadFillsTreeAndSortedList()
{
    CookbookFixture f;
    f.openSample();
    QTreeWidget *tree = f.page->TreeView1;
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Cała książka"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Kuchnia"));
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Autor"));
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QCOMPARE(
        f.childrenOf(QStringLiteral("Cała książka")), QStringList({"Mięsa", "Ryby", "Wędzonki"}));
    QCOMPARE(f.listTitles(),
        QStringList({"Boczek parzony", "Boczek parzony", "Kiełbasa jałowcowa", "Schab wędzony",
            "Śledzie w occie"}));
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal : Moja książka"));
    QCOMPARE(f.page->bookTitle(), f.title);
    // The first title of the list is shown: of two equal titles, the later recipe.
    QCOMPARE(f.page->CurrentRecipeIndex, 4);
    QCOMPARE(f.viewTitle(), QStringLiteral("Boczek parzony"));
    QCOMPARE(f.viewLine(QStringLiteral("Autor: ")), QStringLiteral("Autor: Piotr Zięba"));
    QCOMPARE(f.page->book().root().przepisy()[4].porcje(), QStringLiteral("1"));
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestCookbookBrowser::categoryNodes()
{
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Wędzonki"));
    QCOMPARE(f.listTitles(), QStringList({"Boczek parzony", "Schab wędzony"}));
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Mięsa"));
    QCOMPARE(f.listTitles(), QStringList({"Boczek parzony", "Schab wędzony"}));
    // A recipe without categories is only in the whole book.
    for (const QString &c : f.childrenOf(QStringLiteral("Cała książka"))) {
        f.clickNode(QStringLiteral("Cała książka"), c);
        QVERIFY(!f.listTitles().contains(QStringLiteral("Kiełbasa jałowcowa")));
    }
    f.clickNode(QStringLiteral("Cała książka"));
    QCOMPARE(f.listTitles().count(QStringLiteral("Schab wędzony")), 1);
    QVERIFY(f.listTitles().contains(QStringLiteral("Kiełbasa jałowcowa")));
}

void TestCookbookBrowser::equalTitles()
{
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Wędzonki"));
    QCOMPARE(f.page->ListBox1->currentRow(), 0);
    QCOMPARE(f.page->CurrentRecipeIndex, 4);
    QCOMPARE(f.viewLine(QStringLiteral("Autor: ")), QStringLiteral("Autor: Piotr Zięba"));
    QCOMPARE(f.page->Edit13->text(), QStringLiteral("1"));
    f.clickTitle(0);
    QCOMPARE(f.page->CurrentRecipeIndex, 1);
    QCOMPARE(f.viewLine(QStringLiteral("Autor: ")), QStringLiteral("Autor: Anna Nowak"));
    QCOMPARE(f.page->Edit13->text(), QStringLiteral("2"));
    // Keys move through the list as clicks do.
    QTest::keyClick(f.page->ListBox1, Qt::Key_Down);
    QCOMPARE(f.viewTitle(), QStringLiteral("Schab wędzony"));
}

void TestCookbookBrowser::cuisineNodeMatchesBySubstring()
{
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Kuchnia"), QStringLiteral("Polska"));
    QCOMPARE(f.listTitles(), QStringList({"Boczek parzony", "Boczek parzony", "Schab wędzony"}));
    f.clickNode(QStringLiteral("Kuchnia"), QStringLiteral("Polska wschodnia"));
    QCOMPARE(f.listTitles(), QStringList({"Boczek parzony"}));
}

void TestCookbookBrowser::nodesAreDeduplicatedByExactText()
{
    CookbookFixture f;
    f.openSample();
    QCOMPARE(f.childrenOf(QStringLiteral("Kuchnia")),
        QStringList({"Azja", "Azja Wschodnia", "Polska", "Polska wschodnia"}));
    QCOMPARE(f.childrenOf(QStringLiteral("Autor")),
        QStringList({"Anna Nowak", "Jan", "Jan Kowalski", "Piotr Zięba"}));
    f.clickNode(QStringLiteral("Kuchnia"), QStringLiteral("Azja"));
    QCOMPARE(f.listTitles(), QStringList({"Kiełbasa jałowcowa", "Śledzie w occie"}));
    f.clickNode(QStringLiteral("Autor"), QStringLiteral("Jan"));
    QCOMPARE(f.listTitles(), QStringList({"Śledzie w occie"}));
    QCOMPARE(f.viewTitle(), QStringLiteral("Śledzie w occie"));
}

void TestCookbookBrowser::groupNodes()
{
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Ryby"));
    const QString shown = f.viewText();
    f.clickNode(QStringLiteral("Kuchnia"));
    QVERIFY(f.listTitles().isEmpty());
    QCOMPARE(f.viewText(), shown);
    f.clickNode(QStringLiteral("Autor"));
    QVERIFY(f.listTitles().isEmpty());
    f.clickNode(QStringLiteral("Cała książka"));
    QCOMPARE(f.listTitles().size(), 5);
    QCOMPARE(f.viewText(), shown);
}

void TestCookbookBrowser::portionsCaptionCountsSelection()
{
    CookbookFixture f;
    f.openSample();
    QSignalSpy selection(f.page, &CookbookPage::selectionChanged);
    f.clickTitle(0);
    f.clickTitle(2, Qt::ControlModifier);
    f.clickTitle(3, Qt::ControlModifier);
    QCOMPARE(f.page->selectedTitles(),
        QStringList({"Boczek parzony", "Kiełbasa jałowcowa", "Schab wędzony"}));
    QVERIFY(!selection.isEmpty());
    QCOMPARE(selection.last().at(0).toBool(), true);
    QTest::mouseClick(f.page->Label77, Qt::LeftButton);
    QCOMPARE(f.title, QStringLiteral("3"));
    QCOMPARE(f.page->Label77->text(), QStringLiteral("Porcje"));
}

void TestCookbookBrowser::typingPortionsRescales()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(3);
    QCOMPARE(f.viewTitle(), QStringLiteral("Schab wędzony"));
    QCOMPARE(f.page->Edit13->text(), QStringLiteral("4"));
    QCOMPARE(f.viewLine(QStringLiteral("     Schab:")), QStringLiteral("     Schab:     2     kg"));
    QCOMPARE(f.viewLine(QStringLiteral("     Czosnek:")),
        QStringLiteral("     Czosnek:     1,5     ząbki -- przeciśnięty"));
    f.typePortions(QStringLiteral("8"));
    QCOMPARE(f.viewLine(QStringLiteral("     Schab:")), QStringLiteral("     Schab:     4     kg"));
    QCOMPARE(f.page->ScaleFactor.raw(), 20000);
    // A half-typed number leaves the view alone and asks nothing.
    const QString before = f.viewText();
    f.typePortions(QStringLiteral(","));
    QCOMPARE(f.viewText(), before);
    QVERIFY(f.env.platform.errors.isEmpty());
    // Text put in by the program does not render.
    f.page->ListBox1->setFocus();
    f.page->Edit13->setText(QStringLiteral("1"));
    QCOMPARE(f.viewText(), before);
}

void TestCookbookBrowser::deleteAsksThenWritesAndReloads()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(3);
    f.env.platform.answers << Platform::Answer::No;
    f.page->Usunprzepis1Click();
    QCOMPARE(f.env.platform.messages.size(), 1);
    const auto question = f.env.platform.messages.first();
    QCOMPARE(question.text, QStringLiteral("Czy napewno chcesz usunąc przepis ?"));
    QCOMPARE(question.caption, QStringLiteral("Uwaga"));
    QCOMPARE(question.buttons, Platform::Buttons::YesNo);
    QCOMPARE(question.icon, Platform::Icon::Warning);
    QCOMPARE(f.listTitles().size(), 5);

    f.env.platform.answers << Platform::Answer::Yes;
    f.page->Usunprzepis1Click();
    QCOMPARE(f.listTitles(),
        QStringList({"Boczek parzony", "Boczek parzony", "Kiełbasa jałowcowa", "Śledzie w occie"}));
    QCOMPARE(f.viewTitle(), QStringLiteral("Boczek parzony"));
    const Book onDisk = Book::fromFile(f.bookPath());
    QCOMPARE(const_cast<Book &>(onDisk).root().przepisy().count(), 4);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestCookbookBrowser::deleteWithEmptyListDoesNothing()
{
    CookbookFixture f;
    f.openSample();
    f.page->Nowa1Click();
    f.page->Usunprzepis1Click();
    QVERIFY(f.env.platform.messages.isEmpty());
    QCOMPARE(f.page->book().root().przepisy().count(), 1);
}

void TestCookbookBrowser::copyItemFollowsSelection()
{
    CookbookFixture f;
    f.openSample();
    QAction *copy = f.page->Kopiujzaznaczone2;
    QCOMPARE(copy->text(), QStringLiteral("Kopiuj zaznaczone do książki"));
    f.clickTitle(1);
    emit f.page->PopupMenu4->aboutToShow();
    QVERIFY2(!copy->isEnabled(), "nothing copies yet");
    int copies = 0;
    QObject::connect(f.page, &CookbookPage::copySelectedRequested, [&copies] { ++copies; });
    emit f.page->PopupMenu4->aboutToShow();
    QVERIFY(copy->isEnabled());
    copy->trigger();
    QCOMPARE(copies, 1);
    f.page->ListBox1->clearSelection();
    emit f.page->PopupMenu4->aboutToShow();
    QVERIFY(!copy->isEnabled());
    QVERIFY(!f.page->Nowyprzepis2->isEnabled());
    QVERIFY(!f.page->Poprawprzepis2->isEnabled());
}

QTEST_MAIN(TestCookbookBrowser)
#include "tst_cookbookbrowser.moc"
