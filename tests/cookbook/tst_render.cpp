#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/Quantity.h"
#include "cookbook/RecipeRenderer.h"
#include "cookbook/ShownText.h"
#include "core/AppError.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

Book bookOf(const QString &root, const QString &recipes)
{
    const QString xml = QStringLiteral(
        "<%1><slowniki><jednostki><jednostka nazwa=\"szklanka\" m.lm=\"szklanki\" "
        "d.lm=\"szklanek\" d.lp=\"szklanki\"/><jednostka nazwa=\"ząbek\" m.lm=\"ząbki\" "
        "d.lm=\"ząbków\" d.lp=\"ząbka\"/><jednostka nazwa=\"ząbek\" m.lm=\"inne\"/><jednostka "
        "nazwa=\"pęczek\"/></jednostki></slowniki><przepisy>%2</przepisy></%1>")
                            .arg(root, recipes);
    return Book::fromBytes(xml.toUtf8(), QStringLiteral("test.xml"));
}

// Each group gets its number as point size, so every run tells its group.
RecipeFonts numberedFonts()
{
    RecipeFonts fonts;
    for (int g = RecipeFonts::FirstGroup; g <= RecipeFonts::LastGroup; ++g) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(g);
        f.setItalic(g == 15);
        fonts.of(g) = {f, QColor::fromHsv((g - 15) * 40, 255, 160)};
    }
    return fonts;
}

// The document paragraph by paragraph, each run as [group]text; "^" starts a centred paragraph,
// "!" marks a run not in its group's colour and style.
QStringList runs(const QTextDocument &doc)
{
    const RecipeFonts fonts = numberedFonts();
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line = b.blockFormat().alignment() & Qt::AlignHCenter ? "^" : "";
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const int g = qBound(15, f.font().pointSize(), 21);
            const bool own = g == f.font().pointSize() && f.font().italic() == (g == 15)
                && f.foreground().color() == fonts.of(g).color;
            line += QStringLiteral("[%1%2]%3").arg(g).arg(own ? "" : "!", it.fragment().text());
        }
        out << line;
    }
    return out;
}

RenderedRecipe render(Book &book, const QString &wanted, QTextDocument *doc, int index = 0)
{
    TXMLVelmaroType root = book.root();
    return RecipeRenderer::RenderRecipe(root.przepisy()[index], book.isVelmaro(),
        root.slowniki().jednostki(), wanted, numberedFonts(), doc);
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void parseQuantity_data();
    void parseQuantity();
    void unitForm_data();
    void unitForm();
    void wholeRecipeRunByRun();
    void sparseRecipe();
    void ingredientLine_data();
    void ingredientLine();
    void methodLines();
    void longTextsAreBoundedOnScreen();
};

void TestRender::parseQuantity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");
    const auto row = [](const char *name, const char *text, qint64 raw) {
        QTest::newRow(name) << QString::fromUtf8(text) << raw;
    };
    row("whole", "2", 20000);
    row("decimal comma", "0,5", 5000);
    row("fraction", "1/2", 5000);
    row("fraction tie to even up", "3/20000", 2);
    row("mixed", "1 1/2", 15000);
    row("negative", "-2", -20000);
    row("largest 32 bits", "2147483647/1", 21474836470000);
    // Everything else is 0.
    row("empty", "", 0);
    row("words with blank", "do smaku", 0);
    row("division by zero", "1/0", 0);
    row("blank after fraction", "1/2 ", 0);
    row("beyond 32 bits", "2147483648/1", 0);
}

void TestRender::parseQuantity()
{
    QFETCH(QString, text);
    QTEST(qint64(ParseQuantity(text).raw()), "raw");
}

// Each row: one form and the quantities that take it. 0,5 and 4,5 round to the even 0 and 4;
// above 21 the last digit of the whole part counts.
void TestRender::unitForm_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("quantities");
    QTest::addColumn<QString>("form");
    const auto row = [](const char *name, const char *unit, const QStringList &quantities,
                         const char *form) {
        QTest::newRow(name) << QString::fromUtf8(unit) << quantities << QString::fromUtf8(form);
    };
    row("d.lp up to one half", "ząbek", {"0", "0,3", "0,5"}, "ząbka");
    row("the name for one", "ząbek", {"0,7", "1", "1,4"}, "ząbek");
    row("m.lm for 2 to 4", "ząbek", {"1,5", "2", "4", "4,5", "22", "24", "32", "112"}, "ząbki");
    row("d.lm for the rest", "ząbek", {"5", "12", "21", "21,5", "25", "31", "-1"}, "ząbków");
    // Without a usable form the name itself is shown.
    row("not in the dictionary", "garść", {"0", "5"}, "garść");
    row("letter case differs", "Ząbek", {"5"}, "Ząbek");
    row("no forms", "pęczek", {"0", "3", "7"}, "pęczek");
}

void TestRender::unitForm()
{
    QFETCH(QString, unit);
    QFETCH(QStringList, quantities);
    QFETCH(QString, form);
    Book book = bookOf("Solvarin", {});
    for (const QString &q : quantities)
        QCOMPARE(
            UnitForm(unit, Fixed4::parse(q), book.root().slowniki().jednostki()), "     " + form);
}

void TestRender::wholeRecipeRunByRun()
{
    Book book = bookOf("Solvarin",
        "<przepis tytul=\"Schab wędzony\" porcje=\"2\" autor=\"Jan Nowak\" data=\"12.03.2024\" "
        "czas=\"01:30\" kuchnia=\"Polska\" kalorie=\"250\" ocena=\"5\" jednostka=\"słoiki\" "
        "www=\"https://example.org/a\" zdjecie=\"a.jpg\">"
        "<kategoria nazwa=\"Wędzonki\"/><kategoria nazwa=\"Mięsa\"/>"
        "<skladnik nazwa=\"Mąka\" ilosc=\"1/2\" jednostka=\"szklanka\"/>"
        "<skladnik nazwa=\"Czosnek\" ilosc=\"3\" jednostka=\"ząbek\">drobno posiekany</skladnik>"
        "<skladnik nazwa=\"Sól\" ilosc=\"do smaku\" jednostka=\"ząbek\"/>"
        "<opis>\r\t\t\t\tNatrzeć mięso &amp; odstawić.\nWędzić 3 godziny.\r\t\t\t</opis>"
        "</przepis>");
    QTextDocument doc;
    const RenderedRecipe r = render(book, "3", &doc);
    QCOMPARE(runs(doc),
        QStringList({"^[15]Schab wędzony", "[16]Autor: [17]Jan Nowak", "[16]Data: [17]12.03.2024",
            "[16]Czas przyrządzania: [17]01:30", "[16]Kuchnia: [17]Polska",
            "[16]Kalorycznosc 1 porcji: [17]250 kcal", "[16]Ocena: [17]5",
            "[16]Kategoria: [17]Wędzonki, Mięsa",
            "[16]Skladniki:  ", "[18]     Mąka:[19]     0,8     szklanka",
            "[18]     Czosnek:[19]     4,5     ząbki[20] -- drobno posiekany",
            "[18]     Sól:[19]     do smaku     ząbka", "", "[20]Sposób wykonania:",
            "[21]Natrzeć mięso & odstawić.", "[21]Wędzić 3 godziny.", ""}));
    QCOMPARE(r.scaleFactor.raw(), 15000);
    QCOMPARE(QStringList({r.portionCaption, r.www, r.photo}),
        QStringList({"słoiki", "https://example.org/a", "a.jpg"}));
}

// Empty fields give no line, categories an empty one.
void TestRender::sparseRecipe()
{
    Book book = bookOf("Solvarin", "<przepis tytul=\"T\" porcje=\"1\" autor=\"A\"/>");
    QTextDocument doc;
    QCOMPARE(render(book, "1", &doc).portionCaption, QStringLiteral("Porcje"));
    QCOMPARE(runs(doc),
        QStringList({"^[15]T", "[16]Autor: [17]A", "[16]Kategoria: ", "[16]Skladniki:  ", "",
            "[20]Sposób wykonania:", ""}));
    // The blank line before the method is as high as the remark font.
    QCOMPARE(doc.findBlockByNumber(4).charFormat().font().pointSize(), 20);
}

void TestRender::ingredientLine_data()
{
    QTest::addColumn<QString>("ilosc");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("porcje");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("line"); // or the error
    const auto row = [](const char *name, const char *ilosc, const char *unit, const char *porcje,
                         const char *wanted, const char *line) {
        QTest::newRow(name) << QString::fromUtf8(ilosc) << QString::fromUtf8(unit) << porcje
                            << wanted << QString::fromUtf8(line);
    };
    row("recipe for a half, wanted 1", "1/2", "ząbek", "1/2", "1", "[19]     1     ząbek");
    row("a third times three", "1/3", "ząbek", "1", "3", "[19]     1,0     ząbek");
    // The factor is rounded to a count: 2/3 is 0,6667, and 3 × 0,6667 not whole.
    row("2 for 3", "3", "ząbek", "3", "2", "[19]     2,0     ząbki");
    row("factor too small to count", "2", "ząbek", "80000", "1", "[19]     0     ząbka");
    row("half away from zero", "0,25", "ząbek", "1", "1", "[19]     0,3     ząbka");
    row("almost whole keeps its decimal", "2,96", "ząbek", "1", "1", "[19]     3,0     ząbki");
    row("portions field 0", "3", "ząbek", "1", "0", "[19]     0     ząbka");
    row("empty portions count as one", "2", "ząbek", "", "2", "[19]     4     ząbki");
    row("mixed-number portions in the field", "3", "ząbek", "1 1/2", "1 1/2",
        "[19]     3     ząbki");
    row("mixed-number portions doubled", "3", "ząbek", "1 1/2", "3", "[19]     6     ząbków");
    row("empty quantity", "", "ząbek", "1", "2", "[19]          ząbka");
    row("negative shown as written", "-2", "ząbek", "1", "1", "[19]     -2     ząbka");
    row("unit not in the dictionary", "2", "garść", "1", "1", "[19]     2     garść");
    // Portions that are not a number, or 0, stop the rendering before the view changes.
    row("recipe portions a word", "2", "ząbek", "dużo", "1", "Floating point division by zero");
    row("0 of 0", "2", "ząbek", "0", "0", "Invalid floating point operation");
    row("field empty", "2", "ząbek", "2", "", "'' is not a valid floating point value");
    row("field a fraction of nothing", "2", "ząbek", "2", "0/0",
        "'0/0' is not a valid floating point value");
}

void TestRender::ingredientLine()
{
    QFETCH(QString, ilosc);
    QFETCH(QString, unit);
    QFETCH(QString, porcje);
    QFETCH(QString, wanted);
    Book book = bookOf("Solvarin",
        QStringLiteral(
            "<przepis porcje=\"%1\"><skladnik nazwa=\"X\" ilosc=\"%2\" jednostka=\"%3\"/>"
            "</przepis>")
            .arg(porcje, ilosc, unit));
    QTextDocument doc;
    doc.setPlainText("poprzedni");
    try {
        render(book, wanted, &doc);
    } catch (const AppError &e) {
        QTEST(e.message(), "line");
        QCOMPARE(doc.toPlainText(), QStringLiteral("poprzedni"));
        return;
    }
    QTEST(runs(doc).at(3).mid(QStringLiteral("[18]     X:").size()), "line");
    // An empty porcje is written into the book as "1".
    QCOMPARE(book.root().przepisy()[0].porcje(), porcje.isEmpty() ? QStringLiteral("1") : porcje);
}

// Only the other format uses lines of six blanks as spacing; own books keep them.
void TestRender::methodLines()
{
    const QString recipe = "<przepis porcje='1'><opis>\n      Namoczyć.<br/>\n      <br/>\n"
                           "      Zalać.<br/>\n    </opis></przepis>";
    Book velmaro = bookOf("Velmaro", recipe), own = bookOf("Solvarin", recipe);
    QTextDocument doc;
    render(velmaro, "1", &doc);
    QCOMPARE(runs(doc).mid(5), QStringList({"[21]      Namoczyć.", "[21]      Zalać.", ""}));
    render(own, "1", &doc);
    QCOMPARE(runs(doc).mid(5),
        QStringList({"[21]      Namoczyć.", "[21]      ", "[21]      Zalać.", ""}));
}

void TestRender::longTextsAreBoundedOnScreen()
{
    using namespace showntext;
    const QChar zws(0x200B);
    // A letter outside the basic plane is never cut in half.
    QCOMPARE(cut("abc", 3) + u'|' + cut("abcd", 3) + u'|' + cut(QStringLiteral("ab\U0001F356"), 3),
        QStringLiteral("abc|abc\u2026|ab\u2026"));
    const QString a(UnbrokenCharacters, u'a'), words = a + u' ' + a;
    QCOMPARE(wrappable(words), words);
    QCOMPARE(wrappable(a + a + u'x'), a + zws + a + zws + u'x');
    const QString longer = a + QStringLiteral("a zzz");
    QString once = wrappable(longer);
    QCOMPARE(once.count(zws), 1);
    QCOMPARE(once.remove(zws), longer);
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
