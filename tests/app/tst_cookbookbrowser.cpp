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
    void nodeClickFiltersTheList_data();
    void nodeClickFiltersTheList();
    void equalTitles();
    void portionsCaptionCountsSelection();
    void typingPortionsRescales();
    void deleteAsksThenWritesAndReloads();
    void copyItemFollowsSelection();
};

void TestCookbookBrowser::loadFillsTreeAndSortedList()
{
    CookbookFixture f;
    f.openSample();
    QCOMPARE(f.page->TreeView1->topLevelItemCount(), 3);
    QVERIFY(f.node(QStringLiteral("Cała książka"))->isExpanded());
    QCOMPARE(
        f.childrenOf(QStringLiteral("Cała książka")), QStringList({"Mięsa", "Ryby", "Wędzonki"}));
    // Nodes are told apart by their exact text, even when one contains another.
    QCOMPARE(f.childrenOf(QStringLiteral("Kuchnia")),
        QStringList({"Azja", "Azja Wschodnia", "Polska", "Polska wschodnia"}));
    QCOMPARE(f.childrenOf(QStringLiteral("Autor")),
        QStringList({"Anna Nowak", "Jan", "Jan Kowalski", "Piotr Zięba"}));
    QCOMPARE(f.listTitles(),
        QStringList({"Boczek parzony", "Boczek parzony", "Kiełbasa jałowcowa", "Schab wędzony",
            "Śledzie w occie"}));
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal : Moja książka"));
    // The first title of the list is shown: of two equal titles, the later recipe.
    QCOMPARE(f.page->CurrentRecipeIndex, 4);
    QCOMPARE(f.viewLine(QStringLiteral("Autor: ")), QStringLiteral("Autor: Piotr Zięba"));
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestCookbookBrowser::nodeClickFiltersTheList_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("child");
    QTest::addColumn<QStringList>("titles");
    const QString book = QStringLiteral("Cała książka"), cuisine = QStringLiteral("Kuchnia");
    const QStringList smoked = {"Boczek parzony", "Schab wędzony"};
    QTest::newRow("category") << book << "Wędzonki" << smoked;
    QTest::newRow("second category") << book << "Mięsa" << smoked;
    QTest::newRow("cuisine by substring")
        << cuisine << "Polska"
        << QStringList({"Boczek parzony", "Boczek parzony", "Schab wędzony"});
    QTest::newRow("longer cuisine")
        << cuisine << "Polska wschodnia" << QStringList({"Boczek parzony"});
    QTest::newRow("cuisine also in another")
        << cuisine << "Azja" << QStringList({"Kiełbasa jałowcowa", "Śledzie w occie"});
    QTest::newRow("author by exact text") << "Autor"
                                          << "Jan" << QStringList({"Śledzie w occie"});
    QTest::newRow("group node empties the list") << cuisine << QString() << QStringList();
    QTest::newRow("whole book lists each recipe once")
        << book << QString()
        << QStringList({"Boczek parzony", "Boczek parzony", "Kiełbasa jałowcowa", "Schab wędzony",
               "Śledzie w occie"});
}

void TestCookbookBrowser::nodeClickFiltersTheList()
{
    QFETCH(QString, group);
    QFETCH(QString, child);
    QFETCH(QStringList, titles);
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Ryby"));
    const QString shown = f.viewText();
    f.clickNode(group, child);
    QCOMPARE(f.listTitles(), titles);
    // A recipe node shows the list's first recipe; a group node leaves the view alone.
    if (child.isEmpty())
        QCOMPARE(f.viewText(), shown);
    else
        QCOMPARE(f.viewTitle(), f.page->ListBox1->item(0)->text());
}

void TestCookbookBrowser::equalTitles()
{
    CookbookFixture f;
    f.openSample();
    f.clickNode(QStringLiteral("Cała książka"), QStringLiteral("Wędzonki"));
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

void TestCookbookBrowser::portionsCaptionCountsSelection()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(0);
    f.clickTitle(2, Qt::ControlModifier);
    f.clickTitle(3, Qt::ControlModifier);
    QCOMPARE(f.page->selectedTitles(),
        QStringList({"Boczek parzony", "Kiełbasa jałowcowa", "Schab wędzony"}));
    QTest::mouseClick(f.page->Label77, Qt::LeftButton);
    QCOMPARE(f.title, QStringLiteral("3"));
}

void TestCookbookBrowser::typingPortionsRescales()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(3);
    QCOMPARE(f.page->Edit13->text(), QStringLiteral("4"));
    QCOMPARE(f.viewLine(QStringLiteral("     Schab:")), QStringLiteral("     Schab:     2     kg"));
    f.typePortions(QStringLiteral("8"));
    QCOMPARE(f.viewLine(QStringLiteral("     Schab:")), QStringLiteral("     Schab:     4     kg"));
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
    QCOMPARE(question.buttons, Platform::Buttons::YesNo);
    QCOMPARE(f.listTitles().size(), 5);

    f.env.platform.answers << Platform::Answer::Yes;
    f.page->Usunprzepis1Click();
    QCOMPARE(f.listTitles(),
        QStringList({"Boczek parzony", "Boczek parzony", "Kiełbasa jałowcowa", "Śledzie w occie"}));
    QCOMPARE(f.viewTitle(), QStringLiteral("Boczek parzony"));
    const Book onDisk = Book::fromFile(f.bookPath());
    QCOMPARE(const_cast<Book &>(onDisk).root().przepisy().count(), 4);
    QVERIFY(f.env.platform.errors.isEmpty());

    // With an empty list there is nothing to ask about.
    f.page->Nowa1Click();
    f.page->Usunprzepis1Click();
    QCOMPARE(f.env.platform.messages.size(), 2);
    QCOMPARE(f.page->book().root().przepisy().count(), 1);
}

void TestCookbookBrowser::copyItemFollowsSelection()
{
    CookbookFixture f;
    f.openSample();
    QAction *copy = f.page->Kopiujzaznaczone2;
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
}

QTEST_MAIN(TestCookbookBrowser)
#include "tst_cookbookbrowser.moc"
