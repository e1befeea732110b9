#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/Description.h"
#include "cookbook/Quantity.h"
#include "cookbook/XmlService.h"
#include "core/AppError.h"
#include "core/Clock.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtTest>

namespace {

// A book of the related format with everything a reader must carry along: unknown attributes
// and elements, a namespace, a comment, a processing instruction, an entity, a <br/> description.
const char kVelmaroBook[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE Velmaro [ <!ENTITY sol "sól"> ]><!-- a comment -->
<Velmaro wersja="2.1" extra="keep me" xmlns:x="urn:ex&amp;ample"><slowniki><jednostki>
<jednostka nazwa="łyżka" m.lp="łyżka" d.lp="łyżki" x:note="n"/></jednostki><skladniki>
<skladnik nazwa="&sol;" d.lp="soli"/></skladniki></slowniki><przepisy><?app-data keep?>
<przepis tytul="Żurek" porcje="4" ulubione="tak" unknown="u"><kategoria nazwa="Zupy"/>
<skladnik nazwa="Zakwas" ilosc="1/2" jednostka="l">świeży &amp; kwaśny</skladnik>
<x:extra a="1"><inner>text</inner></x:extra><opis>
      Zagotuj wodę.<br/>
      Dodaj &lt;zakwas&gt; &amp; &sol;.<br/>
      <br/>
    </opis></przepis></przepisy></Velmaro>
)";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sample books ship in examples/ at the top of the source tree.
QString example(const QString &name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../examples/" + name;
}

} // namespace

class TestBookFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void newBookAndSavedLayout();
    void relatedFormatRoundTrip();
    void sampleBook_data();
    void sampleBook();
    void lettersInAndOutsideTheCodePage();
    void ownDescription();
    void descriptionLines_data();
    void descriptionLines();
    void collections();
    void failedSaveKeepsTheOldFile();
    void bookName_data();
    void bookName();
};

void TestBookFormat::newBookAndSavedLayout()
{
    TestEnv env;
    Clock::setFixedForTests(QDateTime(QDate(2024, 12, 31), QTime(22, 30)));
    Book book = Book::newBook();
    QCOMPARE(book.rootName(), QStringLiteral("Solvarin"));
    QCOMPARE(book.root().wersja(), QStringLiteral("1.0"));
    QCOMPARE(book.root().data(), QLocale().toString(QDate(2024, 12, 31), QLocale::ShortFormat));
    QVERIFY(book.BookPath().isEmpty() && !book.rootNode().firstElement(u"slowniki"));
    QCOMPARE(book.root().przepisy().count(), 1);
    // slowniki appears only once asked for, in front of przepisy; the empty recipe stays.
    book.root().slowniki();
    book.root().przepisy().item(0).setTytul(QStringLiteral("A"));
    book.save(env.file("new.xml"));
    // The prologue and the layout are pinned by the sample books, saved byte for byte below.
    QVERIFY(!readFile(env.file("new.xml")).contains("xmlns"));
    QVERIFY_THROWS_EXCEPTION(AppError, XmlService::prettyPrint(QStringLiteral("<a>")));
    Book again = Book::fromFile(env.file("new.xml"));
    QCOMPARE(again.rootNode().child(0)->name() + u' ' + again.rootNode().child(1)->name(),
        QStringLiteral("slowniki przepisy"));
    QCOMPARE(again.BookPath(), env.file("new.xml"));
    QVERIFY(again.rootNode().sameAs(book.rootNode()));
}

// Load, save, load: the same tree with everything a reader does not know, and the same root;
// saving again gives the same bytes.
void TestBookFormat::relatedFormatRoundTrip()
{
    TestEnv env;
    Book book = Book::fromBytes(kVelmaroBook, "v.xml");
    const TXMLPrzepisType recipe = book.root().przepisy()[0];
    QCOMPARE(recipe.tytul() + u'|' + recipe.skladnik()[0].text() + u'|'
            + book.root().slowniki().skladniki()[0].nazwa(),
        QStringLiteral("Żurek|świeży & kwaśny|sól"));
    book.save(env.file("v2.xml"));
    Book second = Book::fromFile(env.file("v2.xml"));
    QCOMPARE(second.rootName(), QStringLiteral("Velmaro"));
    QVERIFY(second.rootNode().sameAs(book.rootNode()));
    TXMLPrzepisType copy = second.root().przepisy().item(0);
    QCOMPARE(copy.attribute(u"unknown") + u'|' + second.root().attribute(u"xmlns:x") + u'|'
            + second.root().slowniki().jednostki()[0].attribute(u"x:note") + u'|'
            + copy.node()->firstElement(u"x:extra")->textContent(),
        QStringLiteral("u|urn:ex&ample|n|text"));
    second.save(env.file("v3.xml"));
    QCOMPARE(readFile(env.file("v3.xml")), readFile(env.file("v2.xml")));
    // A namespace name that is no address, in a book with a document type: opened, and so is the
    // copy the program writes (which has none).
    Book odd = Book::fromBytes("<?xml version=\"1.0\"?><!DOCTYPE Velmaro [ <!ENTITY s \"sól\"> ]>"
                               "<Velmaro xmlns:x=\"u&amp;rn:x\" x:a=\"1\"><przepisy><przepis "
                               "tytul=\"&s;\"/></przepisy></Velmaro>",
        "odd.xml");
    odd.save(env.file("odd.xml"));
    QCOMPARE(Book::fromFile(env.file("odd.xml")).root().przepisy()[0].tytul(), "sól");

    // Copied into an own book, the lines (a <br/> is a line break) get the own layout.
    QCOMPARE(CopiedDescriptionText(copy.opis().markup()),
        QStringLiteral("\r\t\t\t\t      Zagotuj wodę.\r\n\r\n      Dodaj <zakwas> & sól.\r\n"
                       "\r\n      \r\n\r\n\r\t\t\t"));
}

void TestBookFormat::sampleBook_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<int>("minRecipes");
    QTest::newRow("own book") << "Wędliny i ryby.xml"
                              << "Solvarin" << 12;
    QTest::newRow("related format") << "Przepisy babci.xml"
                                    << "Velmaro" << 3;
}

// Every book the program ships opens, holds what the view needs, and is written back byte for
// byte (nothing added by reading, the same pretty-printing).
void TestBookFormat::sampleBook()
{
    QFETCH(QString, file);
    const QByteArray bytes = readFile(example(file));
    QVERIFY(bytes.startsWith(XmlService::bookPrologue() + '\n'));
    Book book = Book::fromFile(example(file));
    QTEST(book.rootName(), "rootName");
    const TXMLSlownikiType dictionaries = book.root().slowniki();
    for (int u = 0; u < dictionaries.jednostki().count(); ++u)
        QVERIFY(!dictionaries.jednostki()[u].dLm().isEmpty()
            && !dictionaries.jednostki()[u].mLm().isEmpty());
    const TXMLPrzepisyType recipes = book.root().przepisy();
    QFETCH(int, minRecipes);
    QVERIFY(recipes.count() >= minRecipes);
    for (int i = 0; i < recipes.count(); ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        QVERIFY2(ParseQuantity(r.porcje()) > Fixed4(), qPrintable(r.tytul()));
        for (int k = 0; k < r.skladnik().count(); ++k) {
            const TXMLSkladnikType line = r.skladnik().item(k);
            QVERIFY2(dictionaries.jednostki().indexOfName(line.jednostka()) >= 0
                    && dictionaries.skladniki().indexOfName(line.nazwa()) >= 0
                    && (ParseQuantity(line.ilosc()) > Fixed4() || line.ilosc() == u"pół"),
                qPrintable(r.tytul() + u' ' + line.nazwa()));
        }
        // The editor stores the first photo of the list as the one shown first.
        QCOMPARE(r.zdjecie(), r.zdjecia().count() ? r.zdjecia()[0].nazwa() : QString());
        for (int k = 0; k < r.zdjecia().count(); ++k)
            QVERIFY(!QImage(example("zdjecia/" + r.zdjecia()[k].nazwa())).isNull());
        // Own books keep lines as text; the related format separates them with <br/>.
        QCOMPARE(r.opis().markup().contains(QStringLiteral("<br/>")), book.isVelmaro());
        for (const QString &line : r.opis().lines(book.isVelmaro()))
            QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'<') && !line.contains(u'\t'),
                qPrintable(r.tytul() + u' ' + line));
    }
    QCOMPARE(book.toBytes(), bytes);
}

// Polish letters are single bytes; what the code page lacks becomes a character reference.
void TestBookFormat::lettersInAndOutsideTheCodePage()
{
    TestEnv env;
    const QString letters = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");
    const QString foreign = QStringLiteral("Борщ 🍲 \"<&>\" ż\t\r\n");
    Book book = Book::newBook();
    TXMLPrzepisType recipe = book.root().przepisy().item(0);
    recipe.setTytul(foreign);
    recipe.skladnik().add().setText(letters);
    recipe.skladnik().add().setText(QStringLiteral("a\001b\rc"));
    book.save(env.file("pl.xml"));
    const QByteArray bytes = readFile(env.file("pl.xml"));
    QVERIFY(bytes.contains(
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"));
    QVERIFY(bytes.contains("&#1041;") || bytes.contains("&#x411;"));
    QVERIFY(!bytes.contains("??"));
    Book again = Book::fromFile(env.file("pl.xml"));
    QCOMPARE(again.root().przepisy().item(0).tytul(), foreign);
    QCOMPARE(again.root().przepisy().item(0).skladnik().item(0).text(), letters);
    // Control characters XML cannot carry are left out.
    QCOMPARE(again.root().przepisy().item(0).skladnik().item(1).text(), QStringLiteral("ab\nc"));
    // Any conforming parser reads the file, not only ours.
    if (QFile::exists(QStringLiteral("/usr/bin/xmllint")))
        QCOMPARE(QProcess::execute("/usr/bin/xmllint", {"--noout", env.file("pl.xml")}), 0);
}

// An own book keeps the lines as text between a line of their own and the end tag's.
void TestBookFormat::ownDescription()
{
    TestEnv env;
    Book book = Book::newBook();
    QCOMPARE(OwnDescriptionText("a\nb"), QStringLiteral("\r\t\t\t\ta\nb\r\t\t\t"));
    book.root().przepisy()[0].opis().setText(OwnDescriptionText("a\nb"));
    book.save(env.file("d.xml"));
    QVERIFY(readFile(env.file("d.xml")).contains("<opis>\n\t\t\t\ta\nb\n\t\t\t</opis>"));
    QCOMPARE(Book::fromFile(env.file("d.xml")).root().przepisy()[0].opis().lines(false),
        QStringList({"a", "b"}));
}

void TestBookFormat::descriptionLines_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<bool>("dropSixBlanks");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char *name, const char *markup, bool drop, const QStringList &lines) {
        QTest::newRow(name) << QString::fromUtf8(markup) << drop << lines;
    };
    row("tabs are lost", "<opis>\n\t\ta\tb\n</opis>", true, {"ab"});
    row("empty element", "<opis/>", true, {});
    row("text after the start tag", "<opis>a\nb\n</opis>", true, {"a", "b"});
    row("blank lines stay", "<opis>\na\n\nb\n</opis>", true, {"a", "", "b"});
    row("CR LF", "<opis>\r\na\r\nb\r\n</opis>", true, {"a", "b"});
    row("attributes on the tag", "<opis x=\"1\">\na\n</opis>", true, {"a"});
    row("references", "<opis>&lt;&#261;&#x17C;&gt; &quot;&apos; &amp;amp; &x; &</opis>", true,
        {"<ąż> \"' &amp; &x; &"});
}

void TestBookFormat::descriptionLines()
{
    QFETCH(QString, markup);
    QFETCH(bool, dropSixBlanks);
    QTEST(DescriptionLines(markup, dropSixBlanks), "lines");
}

// Lists insert at an index (past the end or -1: at the end); single children appear when asked for.
void TestBookFormat::collections()
{
    Book book
        = Book::fromBytes("<Solvarin><przepisy><przepis tytul='b'/></przepisy></Solvarin>", "s");
    TXMLPrzepisyType recipes = book.root().przepisy();
    for (const auto &[at, title] : {std::pair {0, "a"}, {-1, "d"}, {2, "c"}, {99, "e"}})
        recipes.insert(at).setTytul(title);
    recipes.remove(4);
    QStringList titles;
    for (int i = 0; i < recipes.count(); ++i)
        titles << recipes[i].tytul();
    QCOMPARE(titles, QStringList({"a", "b", "c", "d"}));
    QVERIFY_THROWS_EXCEPTION(AppError, recipes.item(4));
    QVERIFY_THROWS_EXCEPTION(AppError, recipes.remove(-1));
    TXMLPrzepisType r = recipes[0];
    QVERIFY(!r.node()->firstElement(u"opis"));
    r.opis().setText("x");
    QCOMPARE(book.root().slowniki().jednostki().count(), 0);
    QCOMPARE(book.rootNode().elementCount(u"slowniki"), 1);
    r.skladnik().add().setNazwa("sól");
    r.skladnik().clear(); // clearing a list keeps the other children
    QVERIFY(r.skladnik().count() == 0 && r.opis().text() == u"x");
}

// A name that cannot be written in the code page stops the save before anything is written.
void TestBookFormat::failedSaveKeepsTheOldFile()
{
    TestEnv env;
    Book book = Book::newBook();
    book.save(env.file("keep.xml"));
    const QByteArray before = readFile(env.file("keep.xml"));
    book.root().przepisy()[0].node()->appendChild(XmlNode::element(QStringLiteral("Борщ")));
    QString message;
    try {
        book.save(env.file("keep.xml"));
    } catch (const AppError &e) {
        message = e.message();
    }
    QVERIFY2(message.startsWith("Unable to write to " + env.file("keep.xml")), qPrintable(message));
    QCOMPARE(readFile(env.file("keep.xml")), before);
}

// The file name without its folder and everything from its first full stop on.
void TestBookFormat::bookName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *name, const char *path, const char *bookName) {
        QTest::newRow(name) << path << bookName;
    };
    row("first full stop", "/a/przepisy.old.xml", "przepisy");
    row("no full stop", "/a/przepisy", "");
    row("full stop in the folder", "/a.b/c.xml", "c");
    row("backslashes", "C:\\Ksiazki\\ryby.xml", "ryby");
}

void TestBookFormat::bookName()
{
    QFETCH(QString, path);
    QTEST(Book::bookName(path), "name");
}

QTEST_GUILESS_MAIN(TestBookFormat)
#include "tst_bookformat.moc"
