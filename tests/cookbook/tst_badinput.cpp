#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/UnrecognisedBookError.h"
#include "cookbook/XmlService.h"
#include "core/AppError.h"
#include "tools/common/CraftedBooks.h"

#include <QFile>
#include <QtTest>

namespace {

const char kGoodBook[] = "<?xml version=\"1.0\" encoding=\"Windows-1250\"?>"
                         "<Solvarin wersja=\"1.0\"><przepisy><przepis tytul=\"Dobry\"/>"
                         "</przepisy></Solvarin>";

QByteArray billionLaughs()
{
    QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE Solvarin [\n<!ENTITY l0 \"ha\">\n";
    for (int i = 1; i <= 10; ++i) {
        doc += "<!ENTITY l" + QByteArray::number(i) + " \"";
        for (int k = 0; k < 10; ++k)
            doc += "&l" + QByteArray::number(i - 1) + ";";
        doc += "\">\n";
    }
    doc += "]>\n<Solvarin><przepisy><przepis tytul=\"&l10;\">&l10;</przepis></przepisy></Solvarin>";
    return doc;
}

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
    return crafted::oneRecipeBook(crafted::entityDoctype("e", length, 'y'), {},
        "<opis>" + crafted::repeated("&e;", references) + "</opis>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void rejected_data();
    void rejected();
    void wrongRootIsRecognisedAsSuch();
    void missingFile();
    void externalDtdIsNeverRead();
    void largeButHonestBooksOpen();
};

void TestBadInput::rejected_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("not well-formed")
        << QByteArray("<Solvarin><przepisy></Solvarin>")
        << "line 1: Opening and ending tag mismatch: przepisy line 1 and Solvarin";
    QTest::newRow("truncated") << QByteArray(kGoodBook).left(80) << "line 1: ";
    QTest::newRow("wrong root") << QByteArray("<Ksiazka><przepisy/></Ksiazka>")
                                << "ta baza jest nie jadajna :(";
    QTest::newRow("external entity") << QByteArray(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE Solvarin [\n"
        "<!ENTITY xxe SYSTEM \"file:///etc/passwd\">\n]>\n"
        "<Solvarin><przepisy><przepis tytul=\"x\">&xxe;</przepis></przepisy>"
        "</Solvarin>") << "line 5: External entity 'xxe' is not allowed in a book";
    QTest::newRow("external entity in attribute") << QByteArray(
        "<!DOCTYPE Solvarin [<!ENTITY xxe SYSTEM \"file:///etc/passwd\">]>"
        "<Solvarin wersja=\"&xxe;\"/>") << "Attribute references external entity 'xxe'";
    QTest::newRow("billion laughs") << billionLaughs() << "Detected an entity reference loop";
    QTest::newRow("huge attribute") << QByteArray("<Solvarin><przepisy><przepis tytul=\"")
            + QByteArray(11'000'000, 'a') + QByteArray("\"/></przepisy></Solvarin>")
                                    << "AttValue length too long";
    QTest::newRow("deep nesting") << QByteArray("<Solvarin>") + QByteArray("<a>").repeated(300)
            + QByteArray("</a>").repeated(300) + QByteArray("</Solvarin>")
                                  << "Excessive depth in document";
    // Books built to exhaust memory or time, refused long before they can.
    for (const crafted::CraftedBook &b : crafted::hostileBooks(1.0))
        if (b.name.contains(u"entity bomb") || b.name.startsWith(u"nested")
            || b.name.contains(u"references near"))
            QTest::newRow(qPrintable(b.name))
                << b.bytes
                << (b.name.startsWith(u"nested") ? "Detected an entity reference loop"
                                                 : "Entity expansion is too large");
    QTest::newRow("too many attributes") << crafted::oneRecipeBook({}, attributes(9999), {})
                                         << "line 2: more than 10000 attributes on one element";
    QTest::newRow("entities past the bound")
        << entityBook(10000, 1100) << "Entity expansion is too large";
}

void TestBadInput::rejected()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestEnv env;
    writeFile(env.file("good.xml"), kGoodBook);
    writeFile(env.file("bad.xml"), content);
    Book book = Book::fromFile(env.file("good.xml"));
    book.root().przepisy().item(0).setOcena(QStringLiteral("5"));
    const std::unique_ptr<XmlNode> before = book.rootNode().clone();

    QString shown;
    try {
        book.load(env.file("bad.xml"));
    } catch (const AppError &e) {
        shown = e.message();
    }
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QVERIFY(!shown.contains(QStringLiteral("root:")));
    // The open book, its path and its unsaved change are untouched.
    QVERIFY(book.rootNode().sameAs(*before));
    QCOMPARE(book.BookPath(), env.file("good.xml"));
    QCOMPARE(book.root().przepisy().item(0).ocena(), QStringLiteral("5"));
}

void TestBadInput::wrongRootIsRecognisedAsSuch()
{
    try {
        Book::fromBytes("<?xml version=\"1.0\"?><solvarin/>", QStringLiteral("x.xml"));
        QFAIL("no error");
    } catch (const UnrecognisedBookError &e) {
        QCOMPARE(e.rootName(), QStringLiteral("solvarin"));
        QCOMPARE(e.message(), QStringLiteral("ta baza jest nie jadajna :("));
    }
}

void TestBadInput::missingFile()
{
    TestEnv env;
    Book book = Book::newBook();
    QVERIFY_THROWS_EXCEPTION(AppError, book.load(env.file("none.xml")));
    QVERIFY(book.BookPath().isEmpty());
    QCOMPARE(book.root().przepisy().count(), 1);
}

void TestBadInput::externalDtdIsNeverRead()
{
    TestEnv env;
    // A DTD that would add a default attribute and a parameter entity pointing outside: neither
    // is fetched, so the book reads as it is written.
    writeFile(env.file("evil.dtd"), "<!ATTLIST Solvarin wersja CDATA \"from-dtd\">");
    const QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE Solvarin SYSTEM \"file://"
        + env.file("evil.dtd").toUtf8()
        + "\" [\n<!ENTITY % pe SYSTEM \"file:///etc/passwd\">\n%pe;\n]>\n"
          "<Solvarin><przepisy/></Solvarin>";
    Book book = Book::fromBytes(doc, QStringLiteral("dtd.xml"));
    QVERIFY(book.root().wersja().isEmpty());
    QVERIFY(!book.toBytes().contains("root:"));
    QVERIFY(!book.toBytes().contains("DOCTYPE"));
}

// What entities expand to is bounded, ordinary text and attributes are not: a book may be large.
void TestBadInput::largeButHonestBooksOpen()
{
    Book ten = Book::fromBytes(crafted::oneRecipeBook({}, attributes(9998), {}), "a.xml");
    const XmlNode *recipe = ten.rootNode().child(0)->child(0);
    QCOMPARE(recipe->attributes().size(), 10000);
    QCOMPARE(recipe->attribute(u"a9997"), QStringLiteral(">"));

    Book expanded = Book::fromBytes(entityBook(10000, 500), "e.xml");
    QCOMPARE(expanded.root().przepisy()[0].opis().text().size(), 5'000'000);

    const QByteArray plain(4'000'000, 'z');
    Book large = Book::fromBytes(
        crafted::oneRecipeBook({}, " autor=\"" + plain + "\"", "<opis>" + plain + "</opis>"),
        "p.xml");
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
