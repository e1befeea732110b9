#include "calc/Casings.h"
#include "core/AppError.h"
#include "core/Fixed4.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtTest>

class TestCasings : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void wholeTable();
};

void TestCasings::lines_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("perMeat");
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QStringList>("lines"); // or the error
    const auto row = [](const char *name, int index, bool perMeat, const char *meat,
                         const QStringList &lines) {
        QTest::newRow(name) << index << perMeat << QString::fromUtf8(meat) << lines;
    };
    row("product 0, 2 kg", 0, true, "2", {"Siatki kurczliwe - 0,390 m"});
    row("product 7, 1 kg", 7, true, "1",
        {"Jelita środkowe bydlęce fi 50-60 mm - 0,732 m", "osłonki białkowe fi 65 mm - 0,547 m",
            "Przełyki bydlęce -0,858szt"});
    row("product 2, 2 kg", 2, true, "2",
        {"Kątnice bydlęce - 0,360 szt", "pęcherze bydlęce - 1,260 szt", "pęcherze wp - 1,740 szt",
            "Osłonki białkowe 85-120 mm - 0,470 m", "siatki kurczliwe - 0,434 m "});
    row("zero meat", 5, true, "0",
        {"Jelita cienkie baranie - 0,000 m", "osłonki białkowe fi 22 mm - 0,000 m"});
    row("empty meat counts as zero", 11, true, "", {"Pęcherze małe - 0,000 szt"});
    // 0,195 × 0,5 = 0,0975 exactly: the half goes away from zero; 0,178 × 0,0025 = 0,000445
    row("exact half rounds up", 0, true, "0,5", {"Siatki kurczliwe - 0,098 m"});
    row("below half rounds down", 1, true, "0,0025", {"Siatki kurczliwe - 0,000 m"});
    row("large weight", 9, true, "1000000",
        {"Jelita cienkie baranie o fi do 22 mm - 4657000,000 m",
            "osłonki białkowe fi 22 mm - 4050000,000 m"});
    row("bad meat", 3, true, "1,2,", {"'1,2,' is not a valid floating point value"});
    // Unticked, the per-kg text as it stands, whatever the meat field holds.
    row("per kg, bad meat", 10, false, ",",
        {"Jelita wiankowe bydlęce o fi powyżej 36 mm - 1.326 m/kg"});
    row("per kg in metres", 18, false, "1",
        {"Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg ",
            "przełyki bydlęce - 0,820 m/kg"});
    row("per meat in pieces", 18, true, "1",
        {"Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m", "przełyki bydlęce - 0,820 szt"});
    row("no product", -1, true, "0", {});
    row("no product, unticked", -1, false, "0", {});
    row("past the list", kCasingProductCount, false, "1", {});
}

void TestCasings::lines()
{
    QFETCH(int, index);
    QFETCH(bool, perMeat);
    QFETCH(QString, meat);
    try {
        QTEST(casingNormLines({index, perMeat, meat}), "lines");
    } catch (const AppError &e) {
        QTEST(QStringList {e.message()}, "lines");
    }
}

// The per-kg texts and the casing lines are kept apart and worded differently, but name the same
// casings with the same norms. The fingerprint is that of every text of the 33 products as they
// were checked line by line against the product table; a changed text needs the same check.
void TestCasings::wholeTable()
{
    static const QRegularExpression decimal(QStringLiteral("\\d+[,.]\\d+"));
    const auto lastNumber = [](const QString &line) {
        QString found;
        for (auto it = decimal.globalMatch(line); it.hasNext();)
            found = it.next().captured();
        return Fixed4::parse(found.replace(u'.', u','));
    };
    const QStringList names = casingProductNames();
    QCOMPARE(names.size(), kCasingProductCount);
    QStringList all;
    for (int i = 0; i < kCasingProductCount; ++i) {
        const QStringList perKg = casingNormLines({i, false, "0"});
        const QStringList perMeat = casingNormLines({i, true, "1"});
        QCOMPARE(perKg.size(), perMeat.size());
        for (int k = 0; k < perKg.size(); ++k)
            QVERIFY2(lastNumber(perKg[k]) == lastNumber(perMeat[k]), qPrintable(perMeat[k]));
        all << names[i] << perKg << perMeat;
    }
    QCOMPARE(QCryptographicHash::hash(all.join(u'\n').toUtf8(), QCryptographicHash::Sha256)
                 .toHex()
                 .left(16),
        QByteArray("96e5b1d62dd04626"));
}

QTEST_GUILESS_MAIN(TestCasings)
#include "tst_casings.moc"
