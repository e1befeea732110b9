#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/Description.h"
#include "cookbook/XmlService.h"
#include "core/AppError.h"
#include "core/Clock.h"
#include "core/Win1250.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

// A book of the related format with everything a reader must carry along: unknown attributes
// and elements, a namespace, a comment, a processing instruction, an entity, a <br/> description.
const char kVelmaroBook[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE Velmaro [ <!ENTITY sol "sól"> ]>
<Velmaro wersja="2.1" data="2009-01-05" extra="keep me" xmlns:x="urn:ex&amp;ample">
    <slowniki>
        <jednostki>
            <jednostka nazwa="łyżka" m.lp="łyżka" d.lp="łyżki" m.lm="łyżki" d.lm="łyżek" x:note="n"/>
        </jednostki>
        <skladniki>
            <skladnik nazwa="&sol;" m.lp="" d.lp="soli" m.lm="sole" d.lm="soli"/>
        </skladniki>
    </slowniki>
    <!-- a comment -->
    <przepisy>
        <przepis tytul="Żurek" porcje="4" ulubione="tak" kuchnia="Polska" unknown="u">
            <kategoria nazwa="Zupy"/>
            <kategoria nazwa="Polska"/>
            <zdjecia nazwa="zurek.jpg"/>
            <skladnik nazwa="Zakwas" ilosc="1/2" jednostka="l">świeży &amp; kwaśny</skladnik>
            <x:extra a="1"><inner>text</inner></x:extra>
            <?app-data keep?>
            <opis>
      Zagotuj wodę.<br/>
      Dodaj &lt;zakwas&gt; &amp; &sol;.<br/>
      <br/>
    </opis>
        </przepis>
    </przepisy>
</Velmaro>
)";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestBookFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void newBookAndSavedLayout();
    void roundTripKeepsEverything();
    void lettersInAndOutsideTheCodePage();
    void prettyPrint();
    void ownDescriptionLines();
    void velmaroAndCopiedDescription();
    void descriptionEdgeCases_data();
    void descriptionEdgeCases();
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
    QCOMPARE(book.root().data(), QLocale().toString(QDate(2024, 12, 31), QLocale::ShortFormat));
    QVERIFY(book.BookPath().isEmpty());
    QVERIFY(!book.rootNode().firstElement(u"slowniki"));
    QCOMPARE(book.root().przepisy().count(), 1);

    // slowniki appears only once asked for, in front of przepisy; the empty recipe stays.
    book.root().slowniki();
    book.root().przepisy().item(0).setTytul(QStringLiteral("A"));
    book.save(env.file("new.xml"));
    const QByteArray bytes = readFile(env.file("new.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"Windows-1250\"?>"
                             "<?xml-stylesheet type=\"text/xsl\" href=\"przepis.xsl\"?>"));
    QCOMPARE(bytes.count("<?xml "), 1);
    QVERIFY(!bytes.contains("xmlns"));
    QVERIFY(bytes.contains("\n  <przepisy>\n    <przepis tytul=\"A\"/>\n  </przepisy>\n"));
    QVERIFY(bytes.endsWith("</Solvarin>\n"));
    Book again = Book::fromFile(env.file("new.xml"));
    QCOMPARE(again.root().przepisy().count(), 1);
    QCOMPARE(again.rootNode().child(0)->name(), QStringLiteral("slowniki"));
    QCOMPARE(again.rootNode().child(1)->name(), QStringLiteral("przepisy"));
    QCOMPARE(again.BookPath(), env.file("new.xml"));
}

void TestBookFormat::roundTripKeepsEverything()
{
    TestEnv env;
    writeFile(env.file("v.xml"), kVelmaroBook);
    Book book = Book::fromFile(env.file("v.xml"));
    QCOMPARE(book.rootName(), QStringLiteral("Velmaro"));
    TXMLPrzepisType recipe = book.root().przepisy().item(0);
    QCOMPARE(recipe.tytul(), QStringLiteral("Żurek"));
    QCOMPARE(recipe.skladnik().item(0).text(), QStringLiteral("świeży & kwaśny"));
    QCOMPARE(book.root().slowniki().skladniki().item(0).nazwa(), QStringLiteral("sól"));

    book.save(env.file("v2.xml"));
    Book second = Book::fromFile(env.file("v2.xml"));
    QCOMPARE(second.rootName(), QStringLiteral("Velmaro"));
    QVERIFY(second.rootNode().sameAs(book.rootNode()));
    TXMLPrzepisType copy = second.root().przepisy().item(0);
    QCOMPARE(copy.attribute(u"unknown"), QStringLiteral("u"));
    QCOMPARE(second.root().attribute(u"extra"), QStringLiteral("keep me"));
    QCOMPARE(second.root().attribute(u"xmlns:x"), QStringLiteral("urn:ex&ample"));
    QCOMPARE(
        second.root().slowniki().jednostki().item(0).attribute(u"x:note"), QStringLiteral("n"));
    const XmlNode *extra = copy.node()->firstElement(u"x:extra");
    QVERIFY(extra);
    QCOMPARE(extra->textContent(), QStringLiteral("text"));
    QCOMPARE(copy.opis().lines(true), recipe.opis().lines(true));

    // Saving an unchanged book again gives the same bytes.
    second.save(env.file("v3.xml"));
    QCOMPARE(readFile(env.file("v3.xml")), readFile(env.file("v2.xml")));
}

void TestBookFormat::lettersInAndOutsideTheCodePage()
{
    TestEnv env;
    const QString letters = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");
    const QString foreign = QStringLiteral("Борщ 🍲 \"<&>\" ż\t\r\n");
    Book book = Book::newBook();
    TXMLPrzepisType recipe = book.root().przepisy().item(0);
    recipe.setTytul(foreign);
    recipe.skladnik().add().setText(letters);
    recipe.skladnik().add().setText(letters);
    recipe.skladnik().add().setText(QStringLiteral("a\x01"
                                                   "b\rc"));
    book.save(env.file("pl.xml"));
    const QByteArray bytes = readFile(env.file("pl.xml"));
    const QByteArray encoded = win1250::encode(letters);
    QCOMPARE(encoded.size(), letters.size());
    QCOMPARE(bytes.count(encoded), 2);
    // Only what the code page lacks becomes a character reference, never a question mark.
    QVERIFY(bytes.contains("&#"));
    QVERIFY(!bytes.contains("??"));
    Book again = Book::fromFile(env.file("pl.xml"));
    TXMLPrzepisType read = again.root().przepisy().item(0);
    QCOMPARE(read.tytul(), foreign);
    QCOMPARE(read.skladnik().item(0).text(), letters);
    // Control characters XML cannot carry are left out.
    QCOMPARE(read.skladnik().item(2).text(), QStringLiteral("ab\nc"));

    // Any conforming parser reads the file, not only ours.
    if (QFile::exists(QStringLiteral("/usr/bin/xmllint"))) {
        QProcess lint;
        lint.start(
            QStringLiteral("/usr/bin/xmllint"), {QStringLiteral("--noout"), env.file("pl.xml")});
        QVERIFY(lint.waitForFinished(30000));
        QCOMPARE(lint.exitCode(), 0);
    }
}

void TestBookFormat::prettyPrint()
{
    QCOMPARE(XmlService::prettyPrint(QStringLiteral("<a x=\"1\"><b><c/></b><d>t</d></a>")),
        QStringLiteral("<a x=\"1\">\n  <b>\n    <c/>\n  </b>\n  <d>t</d>\n</a>"));
    // Mixed content is left as it is.
    QCOMPARE(XmlService::prettyPrint(QStringLiteral("<a><opis>x<br/>y</opis></a>")),
        QStringLiteral("<a>\n  <opis>x<br/>y</opis>\n</a>"));
    QVERIFY_THROWS_EXCEPTION(AppError, XmlService::prettyPrint(QStringLiteral("<a>")));
}

void TestBookFormat::ownDescriptionLines()
{
    TestEnv env;
    Book book = Book::newBook();
    TXMLOpisType opis = book.root().przepisy().item(0).opis();
    opis.setText(OwnDescriptionText(QStringLiteral("a\nb")));
    QCOMPARE(opis.text(), QStringLiteral("\r\t\t\t\ta\nb\r\t\t\t"));
    QCOMPARE(opis.lines(false), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    book.save(env.file("d.xml"));
    // In the file the description starts on its own line and the end tag stands on its own.
    QVERIFY(readFile(env.file("d.xml")).contains("<opis>\n\t\t\t\ta\nb\n\t\t\t</opis>"));
    Book again = Book::fromFile(env.file("d.xml"));
    QCOMPARE(again.root().przepisy().item(0).opis().lines(false),
        QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

void TestBookFormat::velmaroAndCopiedDescription()
{
    Book book = Book::fromBytes(kVelmaroBook, QStringLiteral("v"));
    TXMLOpisType opis = book.root().przepisy().item(0).opis();
    const QStringList lines
        = {QStringLiteral("      Zagotuj wodę."), QStringLiteral("      Dodaj <zakwas> & sól.")};
    QCOMPARE(opis.lines(true), lines);
    // Without dropping, the line that held only an indented mark stays as six blanks.
    QCOMPARE(opis.lines(false), lines + QStringList({QStringLiteral("      ")}));

    const QString copied = CopiedDescriptionText(opis.markup());
    QCOMPARE(copied,
        QStringLiteral("\r\t\t\t\t      Zagotuj wodę.\r\n\r\n      Dodaj <zakwas> & sól.\r\n"
                       "\r\n      \r\n\r\n\r\t\t\t"));
    // Stored into a recipe of an own book it reads back with the same text lines.
    Book target = Book::newBook();
    target.root().przepisy().item(0).opis().setText(copied);
    const QStringList read = target.root().przepisy().item(0).opis().lines(true);
    QCOMPARE(read.at(0), lines.at(0));
    QCOMPARE(read.at(2), lines.at(1));
}

void TestBookFormat::descriptionEdgeCases_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty element") << "<opis/>" << QStringList();
    QTest::newRow("one line") << "<opis>abc</opis>" << QStringList({"abc"});
    QTest::newRow("text after start tag") << "<opis>a\nb\n</opis>" << QStringList({"a", "b"});
    QTest::newRow("blank lines stay") << "<opis>\na\n\nb\n</opis>" << QStringList({"a", "", "b"});
    QTest::newRow("CR LF") << "<opis>\r\na\r\nb\r\n</opis>" << QStringList({"a", "b"});
    QTest::newRow("attributes on tag") << "<opis x=\"1\">\na\n</opis>" << QStringList({"a"});
}

void TestBookFormat::descriptionEdgeCases()
{
    QFETCH(QString, markup);
    QFETCH(QStringList, lines);
    QCOMPARE(DescriptionLines(markup, true), lines);
    QCOMPARE(
        UnescapeXmlText(QStringLiteral("&lt;a&gt; &amp;amp; &#261;&#x17C; &quot;&apos; &x; &")),
        QStringLiteral("<a> &amp; ąż \"' &x; &"));
}

void TestBookFormat::collections()
{
    Book book = Book::fromBytes("<Solvarin><przepisy><przepis/></przepisy></Solvarin>", "s");
    TXMLPrzepisyType recipes = book.root().przepisy();
    recipes.item(0).setTytul(QStringLiteral("b"));
    recipes.insert(0).setTytul(QStringLiteral("a"));
    recipes.insert(-1).setTytul(QStringLiteral("d"));
    recipes.insert(2).setTytul(QStringLiteral("c"));
    recipes.insert(99).setTytul(QStringLiteral("e"));
    QStringList titles;
    for (int i = 0; i < recipes.count(); ++i)
        titles << recipes.item(i).tytul();
    QCOMPARE(titles, QStringList({"a", "b", "c", "d", "e"}));
    recipes.remove(1);
    QCOMPARE(recipes.item(1).tytul(), QStringLiteral("c"));
    QVERIFY_THROWS_EXCEPTION(AppError, recipes.item(4));
    QVERIFY_THROWS_EXCEPTION(AppError, recipes.remove(-1));

    // Single children are created when first asked for; clearing a list keeps the others.
    TXMLPrzepisType r = recipes.item(0);
    QVERIFY(!r.node()->firstElement(u"opis"));
    r.opis().setText(QStringLiteral("x"));
    QCOMPARE(book.root().slowniki().jednostki().count(), 0);
    QCOMPARE(book.rootNode().elementCount(u"slowniki"), 1);
    r.skladnik().add().setNazwa(QStringLiteral("sól"));
    r.skladnik().clear();
    QCOMPARE(r.skladnik().count(), 0);
    QCOMPARE(r.opis().text(), QStringLiteral("x"));
}

void TestBookFormat::failedSaveKeepsTheOldFile()
{
    TestEnv env;
    Book book = Book::newBook();
    book.save(env.file("keep.xml"));
    const QByteArray before = readFile(env.file("keep.xml"));

    // A name that cannot be written in the code page stops the save before anything is written.
    book.root().przepisy().item(0).node()->appendChild(XmlNode::element(QStringLiteral("Борщ")));
    try {
        book.save(env.file("keep.xml"));
        QFAIL("no error");
    } catch (const AppError &e) {
        QVERIFY2(
            e.message().startsWith(QStringLiteral("Unable to write to ") + env.file("keep.xml")),
            qPrintable(e.message()));
    }
    QCOMPARE(readFile(env.file("keep.xml")), before);
}

void TestBookFormat::bookName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *tag, const char *path, const char *name) {
        QTest::newRow(tag) << QString::fromUtf8(path) << QString::fromUtf8(name);
    };
    row("first full stop", "/a/przepisy.old.xml", "przepisy");
    row("no full stop", "/a/przepisy", "");
    row("dot in folder", "/a.b/c.xml", "c");
    row("backslashes", "C:\\Ksiazki\\ryby.xml", "ryby");
}

void TestBookFormat::bookName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(Book::bookName(path), name);
}

QTEST_GUILESS_MAIN(TestBookFormat)
#include "tst_bookformat.moc"
