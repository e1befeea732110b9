#include "TestEnv.h"
#include "cookbook/Book.h"
#include "cookbook/Quantity.h"
#include "cookbook/XmlService.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

// The sample books ship in examples/ at the top of the source tree.
QDir examplesDir()
{
    return QDir(
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../examples"));
}

QString examplePath(const QString &name)
{
    return examplesDir().filePath(name);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Every recipe line must be one of the forms the view scales, or a word it shows as written.
bool isKnownWordQuantity(const QString &text)
{
    return text == QStringLiteral("pół");
}

const char kMeatBook[] = "Wędliny i ryby.xml";
const char kGrandmaBook[] = "Przepisy babci.xml";

} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sampleBook_data();
    void sampleBook();
    void everyPhotoIsUsed();
    void unitForms_data();
    void unitForms();
};

void TestExamples::initTestCase()
{
    TestEnv::initProcess();
    QVERIFY2(examplesDir().exists(), qPrintable(examplesDir().path()));
}

void TestExamples::sampleBook_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<int>("minRecipes");
    QTest::newRow("own book") << QString::fromUtf8(kMeatBook) << QStringLiteral("Solvarin") << 12;
    QTest::newRow("related format")
        << QString::fromUtf8(kGrandmaBook) << QStringLiteral("Velmaro") << 3;
}

void TestExamples::sampleBook()
{
    QFETCH(QString, file);
    QFETCH(QString, rootName);
    QFETCH(int, minRecipes);
    const QByteArray bytes = readFile(examplePath(file));
    QVERIFY(bytes.startsWith(XmlService::bookPrologue() + '\n'));
    Book book = Book::fromFile(examplePath(file));
    QCOMPARE(book.rootName(), rootName);
    const TXMLJednostkiType units = book.root().slowniki().jednostki();
    const TXMLSkladnikiType ingredients = book.root().slowniki().skladniki();
    const TXMLPrzepisyType recipes = book.root().przepisy();
    QVERIFY(recipes.count() >= minRecipes);

    const QDir photos(examplePath(QStringLiteral("zdjecia")));
    for (int i = 0; i < recipes.count(); ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        // The view divides by the portions, so they must be a number above 0.
        QVERIFY2(ParseQuantity(r.porcje()) > Fixed4(), qPrintable(r.tytul()));
        for (int k = 0; k < r.skladnik().count(); ++k) {
            const TXMLSkladnikType line = r.skladnik().item(k);
            const QString at = r.tytul() + QStringLiteral(": ") + line.nazwa();
            QVERIFY2(units.indexOfName(line.jednostka()) >= 0, qPrintable(at));
            QVERIFY2(ingredients.indexOfName(line.nazwa()) >= 0, qPrintable(at));
            QVERIFY2(ParseQuantity(line.ilosc()) > Fixed4() || isKnownWordQuantity(line.ilosc()),
                qPrintable(at));
        }
        // The editor stores the first photo of the list as the one shown first.
        const int n = r.zdjecia().count();
        QCOMPARE(r.zdjecie(), n ? r.zdjecia().item(0).nazwa() : QString());
        for (int k = 0; k < n; ++k)
            QVERIFY2(!QImage(photos.filePath(r.zdjecia().item(k).nazwa())).isNull(),
                qPrintable(r.zdjecia().item(k).nazwa()));
        // Own books keep lines as text; the related format separates them with <br/>.
        QCOMPARE(r.opis().markup().contains(QStringLiteral("<br/>")), book.isVelmaro());
        for (const QString &line : r.opis().lines(book.isVelmaro()))
            QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'<') && !line.contains(u'\t'),
                qPrintable(r.tytul() + u' ' + line));
    }
    // Reading everything the program reads must not add anything (missing single children
    // would be created), and writing must give the file back byte for byte.
    QCOMPARE(book.toBytes(), bytes);
}

void TestExamples::everyPhotoIsUsed()
{
    QSet<QString> used;
    for (const char *file : {kMeatBook, kGrandmaBook}) {
        Book book = Book::fromFile(examplePath(QString::fromUtf8(file)));
        const TXMLPrzepisyType recipes = book.root().przepisy();
        for (int i = 0; i < recipes.count(); ++i)
            for (int k = 0; k < recipes.item(i).zdjecia().count(); ++k)
                used.insert(recipes.item(i).zdjecia().item(k).nazwa());
    }
    const QStringList files = QDir(examplePath(QStringLiteral("zdjecia")))
                                  .entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &f : files)
        QVERIFY2(used.contains(f), qPrintable(f));
}

void TestExamples::unitForms_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("form");
    const auto row = [](const char *unit, const char *quantity, const char *form) {
        QTest::addRow("%s %s", quantity, unit)
            << QString::fromUtf8(unit) << QString::fromUtf8(quantity) << QString::fromUtf8(form);
    };
    const struct
    {
        const char *unit;
        const char *forms[5]; // for 1, 2, 5, 0,5 and 22
    } table[] = {
        {"szklanka", {"szklanka", "szklanki", "szklanek", "szklanki", "szklanki"}},
        {"ząbek", {"ząbek", "ząbki", "ząbków", "ząbka", "ząbki"}},
        {"kilogram", {"kilogram", "kilogramy", "kilogramów", "kilograma", "kilogramy"}},
        {"liść", {"liść", "liście", "liści", "liścia", "liście"}},
        {"ziarno", {"ziarno", "ziarna", "ziaren", "ziarna", "ziarna"}},
    };
    const char *const quantities[] = {"1", "2", "5", "0,5", "22"};
    for (const auto &t : table)
        for (int q = 0; q < 5; ++q)
            row(t.unit, quantities[q], t.forms[q]);
    row("kilogram", "1 1/2", "kilogramy");
    row("gram", "25", "gramów");
    row("metr", "21", "metrów");
}

void TestExamples::unitForms()
{
    QFETCH(QString, unit);
    QFETCH(QString, quantity);
    QFETCH(QString, form);
    Book book = Book::fromFile(examplePath(QString::fromUtf8(kMeatBook)));
    const TXMLJednostkiType units = book.root().slowniki().jednostki();
    QVERIFY(units.indexOfName(unit) >= 0);
    QCOMPARE(UnitForm(unit, ParseQuantity(quantity), units), QStringLiteral("     ") + form);
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
