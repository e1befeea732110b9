#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/RecipeRenderer.h"
#include "cookbook/ShownText.h"
#include "core/AppError.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

const char kUnits[]
    = "<slowniki><jednostki>"
      "<jednostka nazwa=\"szklanka\" m.lp=\"szklanka\" m.lm=\"szklanki\" d.lm=\"szklanek\" "
      "d.lp=\"szklanki\"/>"
      "<jednostka nazwa=\"ząbek\" m.lp=\"ząbek\" m.lm=\"ząbki\" d.lm=\"ząbków\" d.lp=\"ząbka\"/>"
      "</jednostki></slowniki>";

Book bookOf(const QString &root, const QString &recipes)
{
    const QString xml
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><%1 wersja=\"1.0\">").arg(root)
        + QString::fromUtf8(kUnits) + QStringLiteral("<przepisy>") + recipes
        + QStringLiteral("</przepisy></%1>").arg(root);
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

// The document paragraph by paragraph, each run as [group]text.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            line += QStringLiteral("[%1]%2").arg(f.charFormat().font().pointSize()).arg(f.text());
        }
        out << line;
    }
    return out;
}

QStringList render(Book &book, const QString &wanted, int index = 0, QTextDocument *into = nullptr)
{
    QTextDocument local;
    QTextDocument *doc = into ? into : &local;
    TXMLVelmaroType root = book.root();
    RecipeRenderer::RenderRecipe(root.przepisy()[index], book.isVelmaro(),
        root.slowniki().jednostki(), wanted, numberedFonts(), doc);
    return runs(*doc);
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void wholeRecipeRunByRun();
    void sparseRecipeFontsAndAlignment();
    void ingredientLine_data();
    void ingredientLine();
    void velmaroMethodLines();
    void mixedNumberPortionsShow();
    void badPortionsLeaveTheDocument_data();
    void badPortionsLeaveTheDocument();
    void pageFacts();
    void longTextsAreBoundedOnScreen();
};

void TestRender::wholeRecipeRunByRun()
{
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral(
            "<przepis tytul=\"Schab wędzony\" porcje=\"2\" autor=\"Jan Nowak\" data=\"12.03.2024\" "
            "czas=\"01:30\" kuchnia=\"Polska\" kalorie=\"250\" ocena=\"5\">"
            "<kategoria nazwa=\"Wędzonki\"/><kategoria nazwa=\"Mięsa\"/>"
            "<skladnik nazwa=\"Mąka\" ilosc=\"1/2\" jednostka=\"szklanka\"/>"
            "<skladnik nazwa=\"Czosnek\" ilosc=\"3\" jednostka=\"ząbek\">drobno "
            "posiekany</skladnik>"
            "<skladnik nazwa=\"Sól\" ilosc=\"do smaku\" jednostka=\"ząbek\"/>"
            "<opis>\r\t\t\t\tNatrzeć mięso &amp; odstawić.\nWędzić 3 godziny.\r\t\t\t</opis>"
            "</przepis>"));
    const QStringList expected = {
        "[15]Schab wędzony",
        "[16]Autor: [17]Jan Nowak",
        "[16]Data: [17]12.03.2024",
        "[16]Czas przyrządzania: [17]01:30",
        "[16]Kuchnia: [17]Polska",
        "[16]Kalorycznosc 1 porcji: [17]250 kcal",
        "[16]Ocena: [17]5",
        "[16]Kategoria: [17]Wędzonki, Mięsa",
        "[16]Skladniki:  ",
        "[18]     Mąka:[19]     0,8     szklanka",
        "[18]     Czosnek:[19]     4,5     ząbki[20] -- drobno posiekany",
        "[18]     Sól:[19]     do smaku     ząbka",
        "",
        "[20]Sposób wykonania:",
        "[21]Natrzeć mięso & odstawić.",
        "[21]Wędzić 3 godziny.",
        "",
    };
    QCOMPARE(render(book, QStringLiteral("3")), expected);
}

void TestRender::sparseRecipeFontsAndAlignment()
{
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral("<przepis tytul=\"T\" porcje=\"1\" autor=\"A\"/>"));
    QTextDocument doc;
    const QStringList expected = {"[15]T", "[16]Autor: [17]A",
        "[16]Kategoria: ", "[16]Skladniki:  ", "", "[20]Sposób wykonania:", ""};
    QCOMPARE(render(book, QStringLiteral("1"), 0, &doc), expected);
    const RecipeFonts fonts = numberedFonts();
    QTextBlock title = doc.begin();
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    QVERIFY(titleFormat.font().italic());
    QCOMPARE(titleFormat.foreground().color(), fonts.of(15).color);
    for (QTextBlock b = title.next(); b.isValid(); b = b.next())
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextFragment value = (++title.next().begin()).fragment();
    QCOMPARE(value.charFormat().foreground().color(), fonts.of(17).color);
    // The blank line before the method is as high as the remark font.
    QCOMPARE(doc.findBlockByNumber(4).charFormat().font().pointSize(), 20);
}

void TestRender::ingredientLine_data()
{
    QTest::addColumn<QString>("ilosc");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("porcje");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("line");
    const auto row = [](const char *name, const char *ilosc, const char *unit, const char *porcje,
                         const char *wanted, const char *line) {
        QTest::newRow(name) << QString::fromUtf8(ilosc) << QString::fromUtf8(unit)
                            << QString::fromUtf8(porcje) << QString::fromUtf8(wanted)
                            << QString::fromUtf8(line);
    };
    row("recipe for a half, wanted 1", "1/2", "ząbek", "1/2", "1", "[19]     1     ząbek");
    row("a third times three", "1/3", "ząbek", "1", "3", "[19]     1,0     ząbek");
    row("portions field 0", "3", "ząbek", "1", "0", "[19]     0     ząbka");
    row("empty portions count as one", "2", "ząbek", "", "2", "[19]     4     ząbki");
    row("empty quantity", "", "ząbek", "1", "2", "[19]          ząbka");
    row("negative shown as written", "-2", "ząbek", "1", "1", "[19]     -2     ząbka");
    row("unit not in dictionary", "2", "garść", "1", "1", "[19]     2     garść");
}

void TestRender::ingredientLine()
{
    QFETCH(QString, ilosc);
    QFETCH(QString, unit);
    QFETCH(QString, porcje);
    QFETCH(QString, wanted);
    QFETCH(QString, line);
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral("<przepis tytul=\"T\" porcje=\"%1\">"
                       "<skladnik nazwa=\"X\" ilosc=\"%2\" jednostka=\"%3\"/>"
                       "</przepis>")
            .arg(porcje, ilosc, unit));
    const QStringList doc = render(book, wanted);
    QCOMPARE(doc.at(3), QStringLiteral("[18]     X:") + line);
    if (porcje.isEmpty())
        QCOMPARE(book.root().przepisy()[0].porcje(), QStringLiteral("1"));
}

void TestRender::velmaroMethodLines()
{
    const QString recipe = QStringLiteral("<przepis tytul=\"Śledzie\" porcje=\"1\"><opis>\n"
                                          "      Namoczyć śledzie.<br/>\n"
                                          "      <br/>\n"
                                          "      Zalać octem.<br/>\n"
                                          "    </opis></przepis>");
    Book velmaro = bookOf(QStringLiteral("Velmaro"), recipe);
    QCOMPARE(render(velmaro, QStringLiteral("1")).mid(5),
        QStringList({"[21]      Namoczyć śledzie.", "[21]      Zalać octem.", ""}));
    // Own books keep the lines of six blanks: only the other format uses them as spacing.
    Book own = bookOf(QStringLiteral("Solvarin"), recipe);
    QCOMPARE(render(own, QStringLiteral("1")).mid(5),
        QStringList({"[21]      Namoczyć śledzie.", "[21]      ", "[21]      Zalać octem.", ""}));
}

void TestRender::mixedNumberPortionsShow()
{
    // A list click puts the recipe's own portions in the field; "1 1/2" must still render.
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral("<przepis tytul=\"T\" porcje=\"1 1/2\"><skladnik nazwa=\"X\" ilosc=\"3\" "
                       "jednostka=\"ząbek\"/></przepis>"));
    QCOMPARE(render(book, QStringLiteral("1 1/2")).at(3),
        QStringLiteral("[18]     X:[19]     3     ząbki"));
    QCOMPARE(render(book, QStringLiteral("3")).at(3),
        QStringLiteral("[18]     X:[19]     6     ząbków"));
}

void TestRender::badPortionsLeaveTheDocument_data()
{
    QTest::addColumn<QString>("porcje");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("message");
    const auto row
        = [](const char *name, const char *porcje, const char *wanted, const char *message) {
              QTest::newRow(name) << QString::fromUtf8(porcje) << QString::fromUtf8(wanted)
                                  << QString::fromUtf8(message);
          };
    row("recipe portions a word", "dużo", "1", "Floating point division by zero");
    row("0 of 0", "0", "0", "Invalid floating point operation");
    row("field empty", "2", "", "'' is not a valid floating point value");
    row("field a fraction of nothing", "2", "0/0", "'0/0' is not a valid floating point value");
}

void TestRender::badPortionsLeaveTheDocument()
{
    QFETCH(QString, porcje);
    QFETCH(QString, wanted);
    QFETCH(QString, message);
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral("<przepis tytul=\"Dobry\" porcje=\"1\"/>"
                       "<przepis tytul=\"Zły\" porcje=\"%1\"/>")
            .arg(porcje));
    QTextDocument doc;
    const QStringList before = render(book, QStringLiteral("1"), 0, &doc);
    try {
        render(book, wanted, 1, &doc);
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(runs(doc), before);
}

void TestRender::pageFacts()
{
    Book book = bookOf(QStringLiteral("Solvarin"),
        QStringLiteral(
            "<przepis tytul=\"A\" porcje=\"4\" jednostka=\"słoiki\" www=\"https://example.org/a\" "
            "zdjecie=\"a.jpg\"/><przepis tytul=\"B\" porcje=\"1\"/>"));
    TXMLVelmaroType root = book.root();
    const RenderedRecipe a = RecipeRenderer::layout(
        root.przepisy()[0], false, root.slowniki().jednostki(), QStringLiteral("2"));
    QCOMPARE(a.scaleFactor.raw(), 5000);
    QCOMPARE(a.portionCaption, QStringLiteral("słoiki"));
    QCOMPARE(a.www, QStringLiteral("https://example.org/a"));
    QCOMPARE(a.photo, QStringLiteral("a.jpg"));
    const RenderedRecipe b = RecipeRenderer::layout(
        root.przepisy()[1], false, root.slowniki().jednostki(), QStringLiteral("1"));
    QCOMPARE(b.portionCaption, QStringLiteral("Porcje"));
}

void TestRender::longTextsAreBoundedOnScreen()
{
    using namespace showntext;
    const QChar zws(0x200B);
    QCOMPARE(cut(QStringLiteral("abc"), 3), QStringLiteral("abc"));
    QCOMPARE(cut(QStringLiteral("abcd"), 3), QStringLiteral("abc\u2026"));
    // A letter outside the basic plane is never cut in half.
    QCOMPARE(cut(QStringLiteral("ab\U0001F356"), 3), QStringLiteral("ab\u2026"));

    const QString words
        = QString(UnbrokenCharacters, u'a') + u' ' + QString(UnbrokenCharacters, u'b');
    QCOMPARE(wrappable(words), words);
    QCOMPARE(wrappable(QString(2 * UnbrokenCharacters + 1, u'x')),
        QString(UnbrokenCharacters, u'x') + zws + QString(UnbrokenCharacters, u'x') + zws + u'x');
    QString once = wrappable(QString(UnbrokenCharacters + 1, u'y') + u' ' + QString(10, u'z'));
    QCOMPARE(once.count(zws), 1);
    QCOMPARE(once.remove(zws), QString(UnbrokenCharacters + 1, u'y') + u' ' + QString(10, u'z'));
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
