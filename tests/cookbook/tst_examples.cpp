#include "Book.h"
#include "Quantity.h"
#include "TestEnv.h"
#include "XmlService.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
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
    void loadsAndRoundTrips_data();
    void loadsAndRoundTrips();
    void recipesUseTheDictionaries_data();
    void recipesUseTheDictionaries();
    void photosExist_data();
    void photosExist();
    void everyPhotoIsUsed();
    void descriptions_data();
    void descriptions();
    void unitForms_data();
    void unitForms();

private:
    void booksTable();
};

void TestExamples::initTestCase()
{
    TestEnv::initProcess();
    QVERIFY2(examplesDir().exists(), qPrintable(examplesDir().path()));
}

void TestExamples::booksTable()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rootName");
    QTest::addColumn<int>("minRecipes");
    QTest::newRow("own book") << QString::fromUtf8(kMeatBook) << QStringLiteral("Solvarin") << 12;
    QTest::newRow("related format")
        << QString::fromUtf8(kGrandmaBook) << QStringLiteral("Velmaro") << 3;
}

void TestExamples::loadsAndRoundTrips_data()
{
    booksTable();
}

void TestExamples::loadsAndRoundTrips()
{
    QFETCH(QString, file);
    QFETCH(QString, rootName);
    QFETCH(int, minRecipes);
    const QByteArray bytes = readFile(examplePath(file));
    QVERIFY(bytes.startsWith(XmlService::bookPrologue() + '\n'));

    Book book = Book::fromFile(examplePath(file));
    QCOMPARE(book.rootName(), rootName);
    QCOMPARE(book.root().wersja(), QStringLiteral("1.0"));
    const TXMLPrzepisyType recipes = book.root().przepisy();
    QVERIFY(recipes.count() >= minRecipes);

    // Reading everything the program reads must not add anything (missing single children
    // would be created), and writing must give the file back byte for byte.
    book.root().slowniki().jednostki();
    book.root().slowniki().skladniki();
    for (int i = 0; i < recipes.count(); ++i)
        recipes.item(i).opis().lines(book.isVelmaro());
    QCOMPARE(book.toBytes(), bytes);
}

void TestExamples::recipesUseTheDictionaries_data()
{
    booksTable();
}

void TestExamples::recipesUseTheDictionaries()
{
    QFETCH(QString, file);
    Book book = Book::fromFile(examplePath(file));
    const TXMLJednostkiType units = book.root().slowniki().jednostki();
    const TXMLSkladnikiType ingredients = book.root().slowniki().skladniki();

    QSet<QString> unitNames;
    for (int i = 0; i < units.count(); ++i) {
        const TXMLJednostkaType u = units.item(i);
        QVERIFY2(!unitNames.contains(u.nazwa()), qPrintable(u.nazwa()));
        unitNames.insert(u.nazwa());
        QVERIFY2(
            !u.dLp().isEmpty() && !u.mLm().isEmpty() && !u.dLm().isEmpty(), qPrintable(u.nazwa()));
    }
    QSet<QString> ingredientNames;
    for (int i = 0; i < ingredients.count(); ++i) {
        const TXMLSkladnikType s = ingredients.item(i);
        QVERIFY2(!ingredientNames.contains(s.nazwa()), qPrintable(s.nazwa()));
        ingredientNames.insert(s.nazwa());
        QVERIFY2(
            !s.dLp().isEmpty() && !s.mLm().isEmpty() && !s.dLm().isEmpty(), qPrintable(s.nazwa()));
    }

    static const QRegularExpression time(QStringLiteral("^\\d\\d:[0-5]\\d$"));
    QSet<QString> titles;
    const TXMLPrzepisyType recipes = book.root().przepisy();
    for (int i = 0; i < recipes.count(); ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        const QString where = r.tytul();
        QVERIFY2(!r.tytul().isEmpty() && !titles.contains(r.tytul()), qPrintable(where));
        titles.insert(r.tytul());
        // The view divides by the portions, so they must be a number above 0.
        QVERIFY2(ParseQuantity(r.porcje()) > Fixed4(), qPrintable(where));
        QVERIFY2(time.match(r.czas()).hasMatch(), qPrintable(where));
        QVERIFY2(r.kategoria().count() >= 1, qPrintable(where));
        QVERIFY2(r.skladnik().count() >= 5, qPrintable(where));
        for (int k = 0; k < r.skladnik().count(); ++k) {
            const TXMLSkladnikType line = r.skladnik().item(k);
            const QString at = where + QStringLiteral(": ") + line.nazwa();
            QVERIFY2(unitNames.contains(line.jednostka()), qPrintable(at));
            QVERIFY2(units.indexOfName(line.jednostka()) >= 0, qPrintable(at));
            QVERIFY2(ingredientNames.contains(line.nazwa()), qPrintable(at));
            QVERIFY2(ParseQuantity(line.ilosc()) > Fixed4() || isKnownWordQuantity(line.ilosc()),
                qPrintable(at + QStringLiteral(" ") + line.ilosc()));
        }
    }
}

void TestExamples::photosExist_data()
{
    booksTable();
}

void TestExamples::photosExist()
{
    QFETCH(QString, file);
    Book book = Book::fromFile(examplePath(file));
    const QDir photos(examplePath(QStringLiteral("zdjecia")));
    const TXMLPrzepisyType recipes = book.root().przepisy();
    int withPhotos = 0;
    for (int i = 0; i < recipes.count(); ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        const int n = r.zdjecia().count();
        if (n == 0) {
            QVERIFY2(r.zdjecie().isEmpty(), qPrintable(r.tytul()));
            continue;
        }
        ++withPhotos;
        // The editor stores the first photo of the list as the one shown first.
        QCOMPARE(r.zdjecie(), r.zdjecia().item(0).nazwa());
        for (int k = 0; k < n; ++k) {
            const QString name = r.zdjecia().item(k).nazwa();
            QVERIFY2(photos.exists(name), qPrintable(r.tytul() + QStringLiteral(": ") + name));
            const QImage image(photos.filePath(name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(640, 480));
        }
    }
    QVERIFY(withPhotos >= 1);
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

void TestExamples::descriptions_data()
{
    booksTable();
}

void TestExamples::descriptions()
{
    QFETCH(QString, file);
    Book book = Book::fromFile(examplePath(file));
    const TXMLPrzepisyType recipes = book.root().przepisy();
    for (int i = 0; i < recipes.count(); ++i) {
        const TXMLPrzepisType r = recipes.item(i);
        const QString markup = r.opis().markup();
        // Own books keep lines as text; the related format separates them with <br/>.
        QCOMPARE(markup.contains(QStringLiteral("<br/>")), book.isVelmaro());
        // As the view reads them: every line is a sentence, none is a leftover of the layout.
        const QStringList lines = r.opis().lines(book.isVelmaro());
        QVERIFY2(lines.size() >= 5, qPrintable(r.tytul()));
        for (const QString &line : lines) {
            QVERIFY2(!line.trimmed().isEmpty(), qPrintable(r.tytul()));
            QVERIFY2(!line.contains(u'<') && !line.contains(u'\t'), qPrintable(line));
        }
    }
}

void TestExamples::unitForms_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("form");
    const struct
    {
        const char *unit;
        const char *forms[5]; // for 1, 2, 5, 0,5 and 22
    } table[] = {
        {"szklanka", {"szklanka", "szklanki", "szklanek", "szklanki", "szklanki"}},
        {"łyżka", {"łyżka", "łyżki", "łyżek", "łyżki", "łyżki"}},
        {"łyżeczka", {"łyżeczka", "łyżeczki", "łyżeczek", "łyżeczki", "łyżeczki"}},
        {"ząbek", {"ząbek", "ząbki", "ząbków", "ząbka", "ząbki"}},
        {"kilogram", {"kilogram", "kilogramy", "kilogramów", "kilograma", "kilogramy"}},
        {"sztuka", {"sztuka", "sztuki", "sztuk", "sztuki", "sztuki"}},
        {"liść", {"liść", "liście", "liści", "liścia", "liście"}},
        {"ziarno", {"ziarno", "ziarna", "ziaren", "ziarna", "ziarna"}},
    };
    const char *const quantities[] = {"1", "2", "5", "0,5", "22"};
    for (const auto &row : table)
        for (int q = 0; q < 5; ++q)
            QTest::addRow("%s %s", quantities[q], row.unit)
                << QString::fromUtf8(row.unit) << QString::fromUtf8(quantities[q])
                << QString::fromUtf8(row.forms[q]);
    QTest::newRow("3 ząbki") << QStringLiteral("ząbek") << QStringLiteral("3")
                             << QStringLiteral("ząbki");
    QTest::newRow("6 ząbków") << QStringLiteral("ząbek") << QStringLiteral("6")
                              << QStringLiteral("ząbków");
    QTest::newRow("1 1/2 kilograma rounds to 2")
        << QStringLiteral("kilogram") << QStringLiteral("1 1/2") << QStringLiteral("kilogramy");
    QTest::newRow("1/2 szklanki") << QStringLiteral("szklanka") << QStringLiteral("1/2")
                                  << QStringLiteral("szklanki");
    QTest::newRow("25 gramów") << QStringLiteral("gram") << QStringLiteral("25")
                               << QStringLiteral("gramów");
    QTest::newRow("21 metrów") << QStringLiteral("metr") << QStringLiteral("21")
                               << QStringLiteral("metrów");
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
