#include "calc/Casings.h"
#include "core/AppError.h"

#include <QtTest>

// Lines of one text are separated by '\n' in this table.
class TestCasings : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void byMeat_data();
    void byMeat();
    void uncheckedIgnoresMeat();
    void noProductSelected();
    void badMeat();
};

static QStringList split(const char *text)
{
    return QString::fromUtf8(text).split(u'\n');
}

void TestCasings::table_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("perKg");
    QTest::addColumn<QString>("perOneKgOfMeat");

    const char *rows[][3] = {
        {"Szynka wieprzowa gotowana", "Siatki kurczliwe - 0,195 m /kg",
            "Siatki kurczliwe - 0,195 m"},
        {"Szynka wieprzowa wędzona", "Siatki kurczliwe - 0,178 m /kg",
            "Siatki kurczliwe - 0,178 m"},
        {"Baleron gotowany",
            "Kątnice bydlęce - 0,18 szt/kg.\npęcherze bydlęce - 0,63 sz/kg.\npęcherze wp - 0,87 "
            "szt/kg\nOsłonki białkowe 85-120 mm - 0,235 m/kg\nsiatki kurczliwe - 0,217 m/kg ",
            "Kątnice bydlęce - 0,180 szt\npęcherze bydlęce - 0,630 szt\npęcherze wp - 0,870 "
            "szt\nOsłonki białkowe 85-120 mm - 0,235 m\nsiatki kurczliwe - 0,217 m "},
        {"Polędwica wędzona",
            "Kątnice bydlęce - 0,225 sz/kg.\nosłonki białkowe fi 65-85 mm - 0,588 m/kg",
            "Kątnice bydlęce - 0,225 szt\nosłonki białkowe fi 65-85 mm - 0,588 m"},
        {"Salami - batony o długości -35-40 cm",
            "Jelita środkowe bydlęce fi 50 mm - 0,693 m/kg\nkrzyżówki o większej średnicy - 0,264 "
            "kg/kg\nOsłonki białkowe fi 60-65 mm - 0,756 m/kg",
            "Jelita środkowe bydlęce fi 50 mm - 0,693m\nkrzyżówki o większej średnicy - 0,264 "
            "kg\nOsłonki białkowe fi 60-65 mm - 0,756 m"},
        {"Kabanosy - batony o długości 30-35 cm",
            "Jelita cienkie baranie 4,16 m/kg\nosłonki białkowe fi 22 mm - 3,904 m/kg",
            "Jelita cienkie baranie - 4,160 m\nosłonki białkowe fi 22 mm - 3,904 m"},
        {"Kiełbasa myśliwska sucha odkręcana w odcinki 18-20 cm",
            "Kiełbaśnice o fi do 32 mm - 1,65 m/kg", "Kiełbaśnice o fi do 32 mm - 1,650 m"},
        {"Kiełbasa krakowska sucha batony o długości 35-40 cm",
            "Jelita środkowe bydlęce fi 50-60 mm- 0,732 m/kg \nosłonki białkowe fi 65 mm - 0,547 "
            "m/kg\nPrzełyki bydlęce 0,858 szt/kg",
            "Jelita środkowe bydlęce fi 50-60 mm - 0,732 m\nosłonki białkowe fi 65 mm - 0,547 "
            "m\nPrzełyki bydlęce -0,858szt"},
        {"Kiełbasa bielska - batony o długości 35-45 cm",
            "Jelita środkowe bydlęce wszystkich kalibrów - 0,782 m/kg \nosłonki białkowe fi 65 "
            "mm-0,486 m/kg \n przełyki bydlęce - 0,850 m/kg",
            "Jelita środkowe bydlęce wszystkich kalibrów - 0,782 m\nosłonki białkowe fi 65 mm - "
            "0,486 m\n przełyki bydlęce - 0,850 m"},
        {"Frankfurterki - batony o długości 15-18 cm",
            "Jelita cienkie baranie o fi do 22 mm - 4,657 m/kg \nosłonki białkowe fi 22 mm - 4,05 "
            "m/kg",
            "Jelita cienkie baranie o fi do 22 mm - 4,657 m\nosłonki białkowe fi 22 mm - 4,050 m"},
        {"Kiełbasa jałowcowa - batony o dług. zewnętrznej 50-70 cm",
            "Jelita wiankowe bydlęce o fi powyżej 36 mm - 1.326 m/kg",
            "Jelita wiankowe bydlęce o fi powyżej 36 mm - 1,326 m"},
        {"Kiełbasa piwna", "Pęcherze małe - 1,156 szt/kg", "Pęcherze małe - 1,156 szt"},
        {"Kiełbasa polska wędzona - batony o długości 30-35 cm",
            "Kiełbaśnice fi 32-36 mm - 1,461 m/kg \nosłonki białkowe fi 32 do 40 mm - 1,176 m/kg",
            "Kiełbaśnice fi 32-36 mm - 1,461 m\nosłonki białkowe fi 32 do 40 mm - 1,176 m"},
        {"Kiełbasa bydgoska surowa - dług. batonu 20-30 cm",
            "Kiełbaśnice fi 32-36 mm - 1,512 m/kg \nosłonki wiskozowe fi 32 do 40 mm - 1,26 m/kg",
            "Kiełbaśnice fi 32-36 mm - 1,512 m\nosłonki wiskozowe fi 32 do 40 mm - 1,260 m"},
        {"Kiełbasa rzeszowska - dług. batonu 18-20 cm", "Kiełbaśnice fi 32-36 mm - 1,548 m/kg",
            "Kiełbaśnice fi 32-36 mm - 1,548m"},
        {"Serwolatka - dług. batonu - 20-25 cm",
            "Osłonki białkowe lub celofanowe fi 60 - 65 mm - 0,54 m/kg",
            "Osłonki białkowe lub celofanowe fi 60 - 65 mm - 0,540 m"},
        {"Serwolatka półtrwała - dług. batonu 20-25 cm", "Osłonki białkowe fi 60 mm - 0,72 m/kg",
            "Osłonki białkowe fi 60 mm - 0,720 m"},
        {"Kiełbasa - żywiecka dług. batonu 35-45 cm",
            "Jelita środkowe bydlęce wszystkie kalibry - 0,780 m/kg \nprzełyki bydlęce - "
            "0,861szt/kg",
            "Jelita środkowe bydlęce wszystkie kalibry - 0,780 m\nprzełyki bydlęce - 0,861 szt"},
        {"Kiełbasa bełzka - dług. batonu 35-45 cm",
            "Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg \nprzełyki bydlęce - 0,820 "
            "m/kg",
            "Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m\nprzełyki bydlęce - 0,820 szt"},
        {"Kiełbasa głogowska - dług. batonu 45-50cm", "Kiełbaśnice fi 32 - 36 mm - 1,264 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,264 m"},
        {"Kiełbasa podhalańska - batony o dług 30-35 cm", "Kiełbaśnice fi 32 - 36 mm - 1,411 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,411 m"},
        {"Kiełbasa białostocka ",
            "Jelita wiankowe bydlęce fi do 40 mm - 1,232 m/kg. \nosłonki białkowe lub wiskozowe fi "
            "32-40 mm - 1,320 m/kg",
            "Jelita wiankowe bydlęce fi do 40 mm - 1,232 m\nosłonki białkowe lub wiskozowe fi "
            "32-40 "
            "mm - 1,320 m"},
        {"Mortadela - batony o dług. 35-40 cm", "Osłonki białkowe fi 85 - 100 mm - 0,317 m/kg",
            "Osłonki białkowe fi 85 - 100 mm - 0,317 m"},
        {"Metka dług. w jelitach wiankowych 45-70 cm na zewnętrznym obwodzie w osłonkach "
         "sztucznych - dług. batonu 20 - 25 cm",
            "Jelita wiankowe fi 36 - 40 mm - 1,116 m/kg \nosłonki wiskozowe fi 32 - 40 mm - 1,069 "
            "m/kg",
            "Jelita wiankowe fi 36 - 40 mm - 1,116 m\nosłonki wiskozowe fi 32 - 40 mm - 1,069 m"},
        {"Parówki - dług. batonu 12-14 cm",
            "Jelita cienkie baranie fi do 24 mm - 4,480 m/kg\nosłonki białkowe lub wiskozowe fi do "
            "24 mm - 4,256 m/kg",
            "Jelita cienkie baranie fi do 24 mm - 4,480 m\nosłonki białkowe lub wiskozowe fi do 24 "
            "mm - 4,256 m"},
        {"Kiełbasa parówkowa - dług. batonu 14-16 cm", "Kiełbaśnice fi 32 - 36 mm - 1,711 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,711 m"},
        {"Serdelki - dług. batonu 6-8 cm ",
            "Osłonki białkowe fi 35 mm - 1,627 m/kg \njelita wiankowe bydlęce fi 36 mm - 1,680 "
            "m/kg "
            "\nkiełbaśnice fi 32 - 36 mm - 1,680 m/kg",
            "Osłonki białkowe fi 35 mm - 1,627 m\njelita wiankowe bydlęce fi 36 mm - 1,680 "
            "m\nkiełbaśnice fi 32 - 36 mm - 1,680 m"},
        {"Kiełbasa serdelowa - dług. batonu 25-30cm",
            "Kiełbaśnice fi 32 - 36 mm - 1,851 m/kg \nosłonki celofanowe, wiskozowe lub białkowe "
            "fi 32-40 mm - 1,870 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,851 m\nosłonki celofanowe, wiskozowe lub białkowe fi "
            "32-40 mm - 1,870 m"},
        {"Biała surowa - dług. batonu dowolna", "Kiełbaśnice fi 32 - 36 mm - 1,780 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,780 m"},
        {"Kiełbasa mielona - długość batonu 40-50cm", "Osłonki białkowe fi 80 - 85 mm - 0,360 m/kg",
            "Osłonki białkowe fi 80 - 85 mm - 0,360 m"},
        {"Kiełbasa zwyczajna - dług batonu 35-40cm",
            "Kiełbaśnice fi wszystkie kalibry - 1,650 m/kg",
            "Kiełbaśnice fi wszystkie kalibry - 1,650 m"},
        {"Kiełbasa śląska - długość batonu 12-14 cm", "Kiełbaśnice fi do 32 mm - 1,764 m/kg",
            "Kiełbaśnice fi do 32 mm - 1,764 m"},
        {"Kiełbasa podlaska - dług batonu 25-30 cm", "Kiełbaśnice fi 32 - 36 mm - 1,617 m/kg",
            "Kiełbaśnice fi 32 - 36 mm - 1,617 m"},
    };
    QCOMPARE(int(std::size(rows)), kCasingProductCount);
    for (int i = 0; i < kCasingProductCount; ++i)
        QTest::addRow("%d", i) << i << QString::fromUtf8(rows[i][0])
                               << QString::fromUtf8(rows[i][1]) << QString::fromUtf8(rows[i][2]);
}

void TestCasings::table()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, perKg);
    QFETCH(QString, perOneKgOfMeat);

    QCOMPARE(casingProductNames().value(index), name);
    QCOMPARE(casingNormLines({index, false, QStringLiteral("1")}), perKg.split(u'\n'));
    QCOMPARE(casingNormLines({index, true, QStringLiteral("1")}), perOneKgOfMeat.split(u'\n'));
}

void TestCasings::byMeat_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("product 0, 2 kg") << 0 << "2" << split("Siatki kurczliwe - 0,390 m");
    QTest::newRow("product 2, 2 kg")
        << 2 << "2"
        << split("Kątnice bydlęce - 0,360 szt\npęcherze bydlęce - 1,260 szt\npęcherze wp - "
                 "1,740 szt\nOsłonki białkowe 85-120 mm - 0,470 m\nsiatki kurczliwe - 0,434 "
                 "m ");
    QTest::newRow("zero meat")
        << 5 << "0"
        << split("Jelita cienkie baranie - 0,000 m\nosłonki białkowe fi 22 mm - 0,000 m");
    QTest::newRow("empty meat counts as zero") << 11 << "" << split("Pęcherze małe - 0,000 szt");
    QTest::newRow("fraction") << 1 << "2,5" << split("Siatki kurczliwe - 0,445 m");
    // 0,195 x 0,5 = 0,0975 exactly: the half goes away from zero
    QTest::newRow("exact half rounds up") << 0 << "0,5" << split("Siatki kurczliwe - 0,098 m");
    // 0,178 x 0,0025 = 0,000445
    QTest::newRow("below half rounds down") << 1 << "0,0025" << split("Siatki kurczliwe - 0,000 m");
    QTest::newRow("large weight")
        << 9 << "1000000"
        << split("Jelita cienkie baranie o fi do 22 mm - 4657000,000 m\nosłonki białkowe fi 22 "
                 "mm - 4050000,000 m");
}

void TestCasings::byMeat()
{
    QFETCH(int, index);
    QFETCH(QString, meat);
    QFETCH(QStringList, lines);
    QCOMPARE(casingNormLines({index, true, meat}), lines);
}

void TestCasings::uncheckedIgnoresMeat()
{
    const QStringList expected = split("Pęcherze małe - 1,156 szt/kg");
    QCOMPARE(casingNormLines({11, false, QStringLiteral("7,25")}), expected);
    QCOMPARE(casingNormLines({11, false, QStringLiteral(",")}), expected);
}

void TestCasings::noProductSelected()
{
    QVERIFY(casingNormLines({-1, true, QStringLiteral("0")}).isEmpty());
    QVERIFY(casingNormLines({-1, false, QStringLiteral("0")}).isEmpty());
    QVERIFY(casingNormLines({kCasingProductCount, false, QStringLiteral("1")}).isEmpty());
}

void TestCasings::badMeat()
{
    try {
        casingNormLines({3, true, QStringLiteral("1,2,")});
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("'1,2,' is not a valid floating point value"));
    }
}

QTEST_GUILESS_MAIN(TestCasings)
#include "tst_casings.moc"
