#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/UnrecognisedBookError.h"
#include "core/AppError.h"
#include "core/SafeFile.h"
#include "tools/common/CraftedBooks.h"

#include <QtTest>

namespace {

using crafted::oneRecipeBook;
using crafted::repeated;

const char kGoodBook[] = "<?xml version=\"1.0\" encoding=\"Windows-1250\"?>"
                         "<Solvarin wersja=\"1.0\"><przepisy><przepis tytul=\"Dobry\"/>"
                         "</przepisy></Solvarin>";

QByteArray attributes(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += " a" + QByteArray::number(i) + "='>'";
    return out;
}

// A description of `references` references to one entity of `length` characters.
QByteArray entityBook(int length, int references)
{
    return oneRecipeBook(crafted::entityDoctype("e", length, 'y'), {},
        "<opis>" + repeated("&e;", references) + "</opis>");
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void rejected_data();
    void rejected();
    void externalDtdIsNeverRead();
    void largeButHonestBooksOpen();
};

void TestBadInput::rejected_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("message");
    const QByteArray xxe = "<!DOCTYPE Solvarin [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>";
    const auto row = [](const char *name, const QByteArray &content, const char *message) {
        QTest::newRow(name) << content << QString::fromUtf8(message);
    };
    row("no file", QByteArray(), "Cannot open file ");
    row("not well-formed", "<Solvarin><przepisy></Solvarin>",
        "line 1: Opening and ending tag mismatch: przepisy line 1 and Solvarin");
    row("truncated", QByteArray(kGoodBook).left(80), "line 1: ");
    row("root in other letter case", "<?xml version=\"1.0\"?><solvarin/>",
        "ta baza jest nie jadajna :(");
    row("external entity", oneRecipeBook(xxe, {}, "&xxe;"),
        "line 2: External entity 'xxe' is not allowed in a book");
    row("external entity in an attribute", oneRecipeBook(xxe, " autor=\"&xxe;\"", {}),
        "Attribute references external entity 'xxe'");
    row("huge attribute", oneRecipeBook({}, " autor=\"" + QByteArray(11'000'000, 'a') + "\"", {}),
        "AttValue length too long");
    row("deep nesting", "<Solvarin>" + repeated("<a>", 300) + repeated("</a>", 300) + "</Solvarin>",
        "Excessive depth in document");
    row("too many attributes", oneRecipeBook({}, attributes(9999), {}),
        "line 2: more than 10000 attributes on one element");
    row("entities past the bound", entityBook(10000, 1100), "Entity expansion is too large");
    // Books built to exhaust memory or time, refused long before they can.
    for (const crafted::CraftedBook &b : crafted::hostileBooks(1.0))
        if (b.name.contains(u"entity bomb") || b.name.startsWith(u"nested")
            || b.name.contains(u"references near"))
            row(qPrintable(b.name), b.bytes,
                b.name.startsWith(u"nested") ? "Detected an entity reference loop"
                                             : "Entity expansion is too large");
}

// The parser's message reaches the user; the open book, its path and an unsaved change stay.
void TestBadInput::rejected()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestEnv env;
    safefile::write(env.file("good.xml"), kGoodBook);
    if (!content.isNull())
        safefile::write(env.file("bad.xml"), content);
    Book book = Book::fromFile(env.file("good.xml"));
    book.root().przepisy().item(0).setOcena(QStringLiteral("5"));
    const std::unique_ptr<XmlNode> before = book.rootNode().clone();
    QString shown;
    try {
        book.load(env.file("bad.xml"));
    } catch (const UnrecognisedBookError &e) {
        QCOMPARE(e.rootName(), QStringLiteral("solvarin"));
        shown = e.message();
    } catch (const AppError &e) {
        shown = e.message();
    }
    QVERIFY2(
        shown.contains(message) && !shown.contains(QStringLiteral("root:")), qPrintable(shown));
    QVERIFY(book.rootNode().sameAs(*before));
    QCOMPARE(book.BookPath(), env.file("good.xml"));
    QCOMPARE(book.root().przepisy().item(0).ocena(), QStringLiteral("5"));
}

// A DTD that would add a default attribute and a parameter entity pointing outside: neither is
// fetched, so the book reads as it is written.
void TestBadInput::externalDtdIsNeverRead()
{
    TestEnv env;
    safefile::write(env.file("evil.dtd"), "<!ATTLIST Solvarin wersja CDATA \"from-dtd\">");
    const QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE Solvarin SYSTEM \"file://"
        + env.file("evil.dtd").toUtf8()
        + "\" [\n<!ENTITY % pe SYSTEM \"file:///etc/passwd\">\n%pe;\n]>\n"
          "<Solvarin><przepisy/></Solvarin>";
    Book book = Book::fromBytes(doc, QStringLiteral("dtd.xml"));
    QVERIFY(book.root().wersja().isEmpty());
    QVERIFY(!book.toBytes().contains("root:") && !book.toBytes().contains("DOCTYPE"));
}

// What entities expand to is bounded, ordinary text and attributes are not: a book may be large.
void TestBadInput::largeButHonestBooksOpen()
{
    Book ten = Book::fromBytes(oneRecipeBook({}, attributes(9998), {}), "a.xml");
    const XmlNode *recipe = ten.rootNode().child(0)->child(0);
    QCOMPARE(recipe->attributes().size(), 10000);
    QCOMPARE(recipe->attribute(u"a9997"), QStringLiteral(">"));
    Book expanded = Book::fromBytes(entityBook(10000, 500), "e.xml");
    QCOMPARE(expanded.root().przepisy()[0].opis().text().size(), 5'000'000);
    const QByteArray plain(4'000'000, 'z');
    Book large = Book::fromBytes(
        oneRecipeBook({}, " autor=\"" + plain + "\"", "<opis>" + plain + "</opis>"), "p.xml");
    QCOMPARE(large.root().przepisy()[0].autor().size(), plain.size());
    QCOMPARE(large.root().przepisy()[0].opis().text().size(), plain.size());
    // Many recipes, indentation between them dropped, text runs kept whole.
    Book many = Book::fromBytes(crafted::plainBook(20000), "m.xml");
    QCOMPARE(many.root().przepisy().count(), 20000);
    QCOMPARE(many.root().przepisy()[19999].tytul(), QStringLiteral("Kiełbasa 19999"));
    QCOMPARE(many.rootNode().child(0)->childCount(), 20000);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
