#include "cookbook/Book.h"
#include "cookbook/RecipeSearch.h"

#include <QtTest>

namespace {

QByteArray sampleBook()
{
    return QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Solvarin wersja=\"1.0\"><przepisy>"
        "<przepis tytul=\"Kiełbasa myśliwska\"><skladnik nazwa=\"Wieprzowina\"/>"
        "<skladnik nazwa=\"Czosnek\"/><skladnik nazwa=\"Pieprz\"/></przepis>"
        "<przepis tytul=\"Schab pieczony\"><skladnik nazwa=\"Schab\"/>"
        "<skladnik nazwa=\"Czosnek niedźwiedzi\"/><skladnik nazwa=\"Czosnek\"/></przepis>"
        "<przepis tytul=\"Żurek\"><skladnik nazwa=\"Kiełbasa biała\"/>"
        "<skladnik nazwa=\"Zakwas\"/></przepis>"
        "<przepis tytul=\"Boczek\"/>"
        "<przepis tytul=\"KIEŁBASA Jałowcowa\"><skladnik nazwa=\"Jałowiec\"/></przepis>"
        "</przepisy></Solvarin>\n")
        .toUtf8();
}

// "title#index" then "+" for a title match and the ingredient names that matched.
QStringList shown(const QList<RecipeMatch> &found)
{
    QStringList out;
    for (const RecipeMatch &m : found)
        out << QStringLiteral("%1#%2%3%4")
                   .arg(m.title)
                   .arg(m.index)
                   .arg(m.inTitle ? QStringLiteral("+") : QString(),
                       m.ingredients.isEmpty() ? QString() : u' ' + m.ingredients.join(u','));
    return out;
}

} // namespace

class TestRecipeSearch : public QObject
{
    Q_OBJECT

private slots:
    void fold_data();
    void fold();
    void find_data();
    void find();
    void preparedAgainAfterAChange();
};

void TestRecipeSearch::fold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("polish lower") << "ąćęłńóśźż"
                                  << "acelnoszz";
    QTest::newRow("polish upper") << "ĄĆĘŁŃÓŚŹŻ"
                                  << "acelnoszz";
    QTest::newRow("other accents") << "Crème brûlée, Äpfel"
                                   << "creme brulee, apfel";
}

void TestRecipeSearch::fold()
{
    QFETCH(QString, text);
    QTEST(RecipeSearch::fold(text), "folded");
}

void TestRecipeSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("without diacritics, titles first")
        << "kielbasa"
        << QStringList {"KIEŁBASA Jałowcowa#4+", "Kiełbasa myśliwska#0+", "Żurek#2 Kiełbasa biała"};
    QTest::newRow("every recipe with garlic")
        << "czosnek"
        << QStringList {
               "Kiełbasa myśliwska#0 Czosnek", "Schab pieczony#1 Czosnek niedźwiedzi,Czosnek"};
    QTest::newRow("title and ingredient at once")
        << "schab" << QStringList {"Schab pieczony#1+ Schab"};
    QTest::newRow("typed with diacritics and blanks") << "  ŻUREK " << QStringList {"Żurek#2+"};
    QTest::newRow("inside a word")
        << "wiedz" << QStringList {"Schab pieczony#1 Czosnek niedźwiedzi"};
    QTest::newRow("diacritic typed, plain in book") << "bóczek" << QStringList {"Boczek#3+"};
    QTest::newRow("nothing") << "xyz" << QStringList {};
    QTest::newRow("blanks only") << "   " << QStringList {};
}

void TestRecipeSearch::find()
{
    QFETCH(QString, text);
    Book book = Book::fromBytes(sampleBook(), QStringLiteral("a.xml"));
    const RecipeSearch search(book);
    QCOMPARE(search.recipeCount(), 5);
    QTEST(shown(search.find(text)), "found");
}

void TestRecipeSearch::preparedAgainAfterAChange()
{
    Book book = Book::fromBytes(sampleBook(), QStringLiteral("a.xml"));
    RecipeSearch search(book);
    const TXMLPrzepisType added = book.root().przepisy().add();
    added.setTytul(QStringLiteral("Łosoś"));
    added.skladnik().add().setNazwa(QStringLiteral("Czosnek"));
    QCOMPARE(search.find(QStringLiteral("losos")).size(), 0);
    search.prepare(book);
    QCOMPARE(shown(search.find(QStringLiteral("losos"))), QStringList {"Łosoś#5+"});
    QCOMPARE(search.find(QStringLiteral("czosnek")).size(), 3);
}

QTEST_GUILESS_MAIN(TestRecipeSearch)
#include "tst_recipesearch.moc"
