#include "cookbook/Book.h"
#include "cookbook/BrowserRules.h"

#include <QtTest>

using namespace browserrules;
Q_DECLARE_METATYPE(browserrules::Group)

namespace {

// Book order matters: Azja Wschodnia comes before Azja, two recipes share a title.
Book smallBook()
{
    return Book::fromBytes(R"(<Solvarin><przepisy>
<przepis tytul="Żurek" kuchnia="Polska" autor="Ala"><kategoria nazwa="Zupy"/>
  <kategoria nazwa="Polskie"/></przepis>
<przepis tytul="bigos" kuchnia="Polska wschodnia" autor="Ala Nowak"><kategoria nazwa="Dania"/>
  </przepis>
<przepis tytul="Ramen" kuchnia="Azja Wschodnia" autor="Ola"><kategoria nazwa="Zupy rybne"/>
  </przepis><przepis tytul="Curry" kuchnia="Azja" autor="Ala"/>
<przepis tytul="Ćwikła"><kategoria nazwa="Łatwe"/><kategoria nazwa=""/></przepis>
<przepis tytul="bigos" kuchnia="Polska" autor="Ola"><kategoria nazwa="Dania"/>
  <kategoria nazwa="Łatwe"/></przepis>
<przepis tytul="Barszcz" kuchnia="Polska" autor="Ala"><kategoria nazwa="Zupy"/></przepis>
</przepisy></Solvarin>)",
        QStringLiteral("mala.xml"));
}

} // namespace

class TestBrowserRules : public QObject
{
    Q_OBJECT

private slots:
    void treeNodes();
    void titles_data();
    void titles();
    void recipeTitled();
};

// Each exact text once, in Polish order without regard to letter case.
void TestBrowserRules::treeNodes()
{
    Book book = smallBook();
    const Nodes nodes = browserrules::treeNodes(book);
    QCOMPARE(
        nodes.categories, QStringList({"", "Dania", "Łatwe", "Polskie", "Zupy", "Zupy rybne"}));
    QCOMPARE(nodes.cuisines, QStringList({"Azja", "Azja Wschodnia", "Polska", "Polska wschodnia"}));
    QCOMPARE(nodes.authors, QStringList({"Ala", "Ala Nowak", "Ola"}));
    // Texts that differ only in letter case keep their order.
    QStringList texts {"Żurek 10", "żurek 2", "Zupa", "Ćma", "Łosoś", "Lody", "ćma", "Cebula"};
    sortTexts(texts);
    QCOMPARE(texts,
        QStringList({"Cebula", "Ćma", "ćma", "Lody", "Łosoś", "Zupa", "żurek 2", "Żurek 10"}));
}

void TestBrowserRules::titles_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("titles");
    const auto row
        = [](const char *name, Group group, const char *text, const QStringList &titles) {
              QTest::newRow(name) << group << QString::fromUtf8(text) << titles;
          };
    row("whole book", Group::WholeBook, "",
        {"Barszcz", "bigos", "bigos", "Curry", "Ćwikła", "Ramen", "Żurek"});
    row("category by exact name", Group::Category, "Zupy", {"Barszcz", "Żurek"});
    row("category of two recipes of one title", Group::Category, "Dania", {"bigos", "bigos"});
    row("category with no name", Group::Category, "", {"Ćwikła"});
    row("category nobody has", Group::Category, "Desery", {});
    row("cuisine contained in another", Group::Cuisine, "Azja", {"Curry", "Ramen"});
    row("cuisine by substring", Group::Cuisine, "Polska", {"Barszcz", "bigos", "bigos", "Żurek"});
    row("longer cuisine", Group::Cuisine, "Polska wschodnia", {"bigos"});
    row("author by exact text", Group::Author, "Ala", {"Barszcz", "Curry", "Żurek"});
    row("longer author", Group::Author, "Ala Nowak", {"bigos"});
}

void TestBrowserRules::titles()
{
    QFETCH(Group, group);
    QFETCH(QString, text);
    Book book = smallBook();
    QTEST(titlesOf(book, group, text), "titles");
}

// A click takes the first recipe of a title, a refilled list the last.
void TestBrowserRules::recipeTitled()
{
    Book book = smallBook();
    QStringList found;
    for (const char *title : {"bigos", "Ramen", "Bigos", "bigo", ""})
        found << QStringLiteral("%1 %2")
                     .arg(browserrules::recipeTitled(book, title, Which::First))
                     .arg(browserrules::recipeTitled(book, title, Which::Last));
    QCOMPARE(found, QStringList({"1 5", "2 2", "-1 -1", "-1 -1", "-1 -1"}));
}

QTEST_GUILESS_MAIN(TestBrowserRules)
#include "tst_browserrules.moc"
