#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/BookCopying.h"

#include <QtTest>

namespace {

Book bookOf(const char *root, const char *dictionaries, const char *recipes)
{
    return Book::fromBytes(QByteArray("<") + root + ">" + dictionaries + "<przepisy>" + recipes
            + "</przepisy></" + root + ">",
        QStringLiteral("b.xml"));
}

const char kOpen[]
    = "<slowniki><jednostki>"
      "<jednostka nazwa='kg' m.lp='kg' d.lp='kg' m.lm='kg' d.lm='kg'/>"
      "<jednostka nazwa='łyżka' m.lp='łyżka' d.lp='łyżki' m.lm='łyżki' d.lm='łyżek'/>"
      "</jednostki><skladniki><skladnik nazwa='sól' d.lp='soli'/><skladnik nazwa='pieprz'/>"
      "</skladniki></slowniki>";

QStringList names(const TXMLJednostkiType &units)
{
    QStringList out;
    for (int i = 0; i < units.count(); ++i)
        out << units[i].nazwa() + u'|' + units[i].dLp() + u'|' + units[i].dLm();
    return out;
}

} // namespace

class TestBookCopying : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void recipesAreCopiedWithEveryField();
    void dictionariesComeIn();
    void dictionariesGoOut();
};

void TestBookCopying::recipesAreCopiedWithEveryField()
{
    Book open = bookOf("Velmaro", kOpen,
        "<przepis tytul='Schab' porcje='4' autor='Jan' jednostka='kg' kalorie='300' kuchnia='PL' "
        "ocena='5' czas='01:30' data='2024-01-02' zdjecie='a.jpg' www='http://x' ulubione='1'>"
        "<kategoria nazwa='Mięsa'/><zdjecia nazwa='a.jpg'/><zdjecia nazwa='b.jpg'/>"
        "<skladnik nazwa='sól' ilosc='1 1/2' jednostka='łyżka'>drobna &amp; biała</skladnik>"
        "<opis>\n\t\tNatrzeć &lt;mocno&gt;<br/>\n\t\tWędzić<br/></opis></przepis>"
        "<przepis tytul='Boczek'/><przepis tytul='Schab' porcje='2'/>");
    Book other = Book::newBook();
    QCOMPARE(bookcopy::CopyRecipesToOtherBook(open, {"Boczek", "Schab"}, other), 3);
    const TXMLPrzepisyType copies = other.root().przepisy();
    QCOMPARE(copies.count(), 4); // the new book's one empty recipe, then the three
    QCOMPARE(copies[1].tytul(), QStringLiteral("Boczek"));
    QCOMPARE(copies[3].porcje(), QStringLiteral("2")); // one title, two recipes, book order
    const TXMLPrzepisType c = copies[2];
    for (auto [got, want] : {std::pair {c.porcje(), "4"}, {c.autor(), "Jan"}, {c.jednostka(), "kg"},
             {c.kalorie(), "300"}, {c.kuchnia(), "PL"}, {c.ocena(), "5"}, {c.czas(), "01:30"},
             {c.data(), "2024-01-02"}, {c.zdjecie(), "a.jpg"}, {c.www(), "http://x"},
             {c.ulubione(), ""}, {c.kategoria()[0].nazwa(), "Mięsa"},
             {c.zdjecia()[1].nazwa(), "b.jpg"}, {c.skladnik()[0].ilosc(), "1 1/2"},
             {c.skladnik()[0].jednostka(), "łyżka"}, {c.skladnik()[0].text(), "drobna & biała"}})
        QCOMPARE(got, QString::fromUtf8(want));
    // A line mark becomes a line break of its own; every line ends in CR LF.
    QCOMPARE(
        c.opis().text(), QStringLiteral("\r\t\t\t\tNatrzeć <mocno>\r\n\r\nWędzić\r\n\r\t\t\t"));
    // The source is left as it was.
    QCOMPARE(open.root().przepisy().count(), 3);
}

void TestBookCopying::dictionariesComeIn()
{
    Book open = bookOf("Solvarin", kOpen, "");
    Book other = bookOf("Solvarin",
        "<slowniki><jednostki><jednostka nazwa='kg' d.lp='X'/>"
        "<jednostka nazwa='szklanka' m.lp='szklanka' d.lp='szklanki' m.lm='szklanki' "
        "d.lm='szklanek'/></jednostki><skladniki><skladnik nazwa='sól'/>"
        "<skladnik nazwa='czosnek' d.lp='czosnku'/><skladnik nazwa='czosnek'/></skladniki>"
        "</slowniki>",
        "");
    // A name the open book has is skipped; the names after it still come in.
    QCOMPARE(bookcopy::ImportIngredients(open, other), 1);
    const TXMLSkladnikiType ingredients = open.root().slowniki().skladniki();
    QCOMPARE(ingredients.count(), 3);
    QCOMPARE(ingredients[2].nazwa(), QStringLiteral("czosnek"));
    QVERIFY(ingredients[2].dLp().isEmpty() && ingredients[2].node()->hasAttribute(u"d.lp"));
    QCOMPARE(bookcopy::ImportUnits(open, other), 1);
    QCOMPARE(names(open.root().slowniki().jednostki()),
        QStringList({"kg|kg|kg", "łyżka|łyżki|łyżek", "szklanka|szklanki|szklanek"}));
}

void TestBookCopying::dictionariesGoOut()
{
    Book open = bookOf("Solvarin", kOpen, "");
    Book other = bookOf("Solvarin",
        "<slowniki><jednostki><jednostka nazwa='kg' d.lp='inne'/></jednostki>"
        "<skladniki/></slowniki>",
        "");
    QString trace;
    QCOMPARE(bookcopy::ExportUnits(open, {"łyżka"}, other, &trace), 1);
    QCOMPARE(trace, QStringLiteral("zaladowal skladniki/sel/nie ma/dodaje"));
    QCOMPARE(bookcopy::ExportUnits(open, {"kg", "łyżka"}, other, &trace), 0);
    QCOMPARE(trace, QStringLiteral("zaladowal skladniki/sel/jest/sel/jest"));
    QCOMPARE(
        names(other.root().slowniki().jednostki()), QStringList({"kg|inne|", "łyżka|łyżki|łyżek"}));
    QCOMPARE(bookcopy::ExportIngredients(open, {"pieprz", "sól", "brak"}, other), 2);
    QCOMPARE(other.root().slowniki().skladniki()[1].dLp(), QStringLiteral("soli"));
}

QTEST_GUILESS_MAIN(TestBookCopying)
#include "tst_bookcopying.moc"
