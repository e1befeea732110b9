#include "calc/Casings.h"

#include "calc/CalcMath.h"
#include "core/Fixed4.h"

#include <array>

using rounding::i128;

namespace {

struct CasingLine
{
    const char16_t *prefix = nullptr; // nullptr ends the list
    int normThousandths = 0; // metres, pieces or kg per kg, three decimals
    const char16_t *suffix = nullptr;
};

struct CasingProduct
{
    const char16_t *name;
    std::array<const char16_t *, 6> perKg; // nullptr ends the list
    std::array<CasingLine, 6> lines;
};

// clang-format off
const CasingProduct kProducts[kCasingProductCount] = {
    {u"Szynka wieprzowa gotowana",
     {u"Siatki kurczliwe - 0,195 m /kg"},
     {{{u"Siatki kurczliwe - ", 195, u" m"}}}},
    {u"Szynka wieprzowa wędzona",
     {u"Siatki kurczliwe - 0,178 m /kg"},
     {{{u"Siatki kurczliwe - ", 178, u" m"}}}},
    {u"Baleron gotowany",
     {u"Kątnice bydlęce - 0,18 szt/kg.",
      u"pęcherze bydlęce - 0,63 sz/kg.",
      u"pęcherze wp - 0,87 szt/kg",
      u"Osłonki białkowe 85-120 mm - 0,235 m/kg",
      u"siatki kurczliwe - 0,217 m/kg "},
     {{{u"Kątnice bydlęce - ", 180, u" szt"},
       {u"pęcherze bydlęce - ", 630, u" szt"},
       {u"pęcherze wp - ", 870, u" szt"},
       {u"Osłonki białkowe 85-120 mm - ", 235, u" m"},
       {u"siatki kurczliwe - ", 217, u" m "}}}},
    {u"Polędwica wędzona",
     {u"Kątnice bydlęce - 0,225 sz/kg.",
      u"osłonki białkowe fi 65-85 mm - 0,588 m/kg"},
     {{{u"Kątnice bydlęce - ", 225, u" szt"},
       {u"osłonki białkowe fi 65-85 mm - ", 588, u" m"}}}},
    {u"Salami - batony o długości -35-40 cm",
     {u"Jelita środkowe bydlęce fi 50 mm - 0,693 m/kg",
      u"krzyżówki o większej średnicy - 0,264 kg/kg",
      u"Osłonki białkowe fi 60-65 mm - 0,756 m/kg"},
     {{{u"Jelita środkowe bydlęce fi 50 mm - ", 693, u"m"},
       {u"krzyżówki o większej średnicy - ", 264, u" kg"},
       {u"Osłonki białkowe fi 60-65 mm - ", 756, u" m"}}}},
    {u"Kabanosy - batony o długości 30-35 cm",
     {u"Jelita cienkie baranie 4,16 m/kg",
      u"osłonki białkowe fi 22 mm - 3,904 m/kg"},
     {{{u"Jelita cienkie baranie - ", 4160, u" m"},
       {u"osłonki białkowe fi 22 mm - ", 3904, u" m"}}}},
    {u"Kiełbasa myśliwska sucha odkręcana w odcinki 18-20 cm",
     {u"Kiełbaśnice o fi do 32 mm - 1,65 m/kg"},
     {{{u"Kiełbaśnice o fi do 32 mm - ", 1650, u" m"}}}},
    {u"Kiełbasa krakowska sucha batony o długości 35-40 cm",
     {u"Jelita środkowe bydlęce fi 50-60 mm- 0,732 m/kg ",
      u"osłonki białkowe fi 65 mm - 0,547 m/kg",
      u"Przełyki bydlęce 0,858 szt/kg"},
     {{{u"Jelita środkowe bydlęce fi 50-60 mm - ", 732, u" m"},
       {u"osłonki białkowe fi 65 mm - ", 547, u" m"},
       {u"Przełyki bydlęce -", 858, u"szt"}}}},
    {u"Kiełbasa bielska - batony o długości 35-45 cm",
     {u"Jelita środkowe bydlęce wszystkich kalibrów - 0,782 m/kg ",
      u"osłonki białkowe fi 65 mm-0,486 m/kg ",
      u" przełyki bydlęce - 0,850 m/kg"},
     {{{u"Jelita środkowe bydlęce wszystkich kalibrów - ", 782, u" m"},
       {u"osłonki białkowe fi 65 mm - ", 486, u" m"},
       {u" przełyki bydlęce - ", 850, u" m"}}}},
    {u"Frankfurterki - batony o długości 15-18 cm",
     {u"Jelita cienkie baranie o fi do 22 mm - 4,657 m/kg ",
      u"osłonki białkowe fi 22 mm - 4,05 m/kg"},
     {{{u"Jelita cienkie baranie o fi do 22 mm - ", 4657, u" m"},
       {u"osłonki białkowe fi 22 mm - ", 4050, u" m"}}}},
    {u"Kiełbasa jałowcowa - batony o dług. zewnętrznej 50-70 cm",
     {u"Jelita wiankowe bydlęce o fi powyżej 36 mm - 1.326 m/kg"},
     {{{u"Jelita wiankowe bydlęce o fi powyżej 36 mm - ", 1326, u" m"}}}},
    {u"Kiełbasa piwna",
     {u"Pęcherze małe - 1,156 szt/kg"},
     {{{u"Pęcherze małe - ", 1156, u" szt"}}}},
    {u"Kiełbasa polska wędzona - batony o długości 30-35 cm",
     {u"Kiełbaśnice fi 32-36 mm - 1,461 m/kg ",
      u"osłonki białkowe fi 32 do 40 mm - 1,176 m/kg"},
     {{{u"Kiełbaśnice fi 32-36 mm - ", 1461, u" m"},
       {u"osłonki białkowe fi 32 do 40 mm - ", 1176, u" m"}}}},
    {u"Kiełbasa bydgoska surowa - dług. batonu 20-30 cm",
     {u"Kiełbaśnice fi 32-36 mm - 1,512 m/kg ",
      u"osłonki wiskozowe fi 32 do 40 mm - 1,26 m/kg"},
     {{{u"Kiełbaśnice fi 32-36 mm - ", 1512, u" m"},
       {u"osłonki wiskozowe fi 32 do 40 mm - ", 1260, u" m"}}}},
    {u"Kiełbasa rzeszowska - dług. batonu 18-20 cm",
     {u"Kiełbaśnice fi 32-36 mm - 1,548 m/kg"},
     {{{u"Kiełbaśnice fi 32-36 mm - ", 1548, u"m"}}}},
    {u"Serwolatka - dług. batonu - 20-25 cm",
     {u"Osłonki białkowe lub celofanowe fi 60 - 65 mm - 0,54 m/kg"},
     {{{u"Osłonki białkowe lub celofanowe fi 60 - 65 mm - ", 540, u" m"}}}},
    {u"Serwolatka półtrwała - dług. batonu 20-25 cm",
     {u"Osłonki białkowe fi 60 mm - 0,72 m/kg"},
     {{{u"Osłonki białkowe fi 60 mm - ", 720, u" m"}}}},
    {u"Kiełbasa - żywiecka dług. batonu 35-45 cm",
     {u"Jelita środkowe bydlęce wszystkie kalibry - 0,780 m/kg ",
      u"przełyki bydlęce - 0,861szt/kg"},
     {{{u"Jelita środkowe bydlęce wszystkie kalibry - ", 780, u" m"},
       {u"przełyki bydlęce - ", 861, u" szt"}}}},
    {u"Kiełbasa bełzka - dług. batonu 35-45 cm",
     {u"Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg ",
      u"przełyki bydlęce - 0,820 m/kg"},
     {{{u"Jelita środkowe bydlęce wszystkich rozmiarów - ", 870, u" m"},
       {u"przełyki bydlęce - ", 820, u" szt"}}}},
    {u"Kiełbasa głogowska - dług. batonu 45-50cm",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,264 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1264, u" m"}}}},
    {u"Kiełbasa podhalańska - batony o dług 30-35 cm",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,411 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1411, u" m"}}}},
    {u"Kiełbasa białostocka ",
     {u"Jelita wiankowe bydlęce fi do 40 mm - 1,232 m/kg. ",
      u"osłonki białkowe lub wiskozowe fi 32-40 mm - 1,320 m/kg"},
     {{{u"Jelita wiankowe bydlęce fi do 40 mm - ", 1232, u" m"},
       {u"osłonki białkowe lub wiskozowe fi 32-40 mm - ", 1320, u" m"}}}},
    {u"Mortadela - batony o dług. 35-40 cm",
     {u"Osłonki białkowe fi 85 - 100 mm - 0,317 m/kg"},
     {{{u"Osłonki białkowe fi 85 - 100 mm - ", 317, u" m"}}}},
    {u"Metka dług. w jelitach wiankowych 45-70 cm na zewnętrznym obwodzie w osłonkach sztucznych - dług. batonu 20 - 25 cm",
     {u"Jelita wiankowe fi 36 - 40 mm - 1,116 m/kg ",
      u"osłonki wiskozowe fi 32 - 40 mm - 1,069 m/kg"},
     {{{u"Jelita wiankowe fi 36 - 40 mm - ", 1116, u" m"},
       {u"osłonki wiskozowe fi 32 - 40 mm - ", 1069, u" m"}}}},
    {u"Parówki - dług. batonu 12-14 cm",
     {u"Jelita cienkie baranie fi do 24 mm - 4,480 m/kg",
      u"osłonki białkowe lub wiskozowe fi do 24 mm - 4,256 m/kg"},
     {{{u"Jelita cienkie baranie fi do 24 mm - ", 4480, u" m"},
       {u"osłonki białkowe lub wiskozowe fi do 24 mm - ", 4256, u" m"}}}},
    {u"Kiełbasa parówkowa - dług. batonu 14-16 cm",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,711 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1711, u" m"}}}},
    {u"Serdelki - dług. batonu 6-8 cm ",
     {u"Osłonki białkowe fi 35 mm - 1,627 m/kg ",
      u"jelita wiankowe bydlęce fi 36 mm - 1,680 m/kg ",
      u"kiełbaśnice fi 32 - 36 mm - 1,680 m/kg"},
     {{{u"Osłonki białkowe fi 35 mm - ", 1627, u" m"},
       {u"jelita wiankowe bydlęce fi 36 mm - ", 1680, u" m"},
       {u"kiełbaśnice fi 32 - 36 mm - ", 1680, u" m"}}}},
    {u"Kiełbasa serdelowa - dług. batonu 25-30cm",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,851 m/kg ",
      u"osłonki celofanowe, wiskozowe lub białkowe fi 32-40 mm - 1,870 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1851, u" m"},
       {u"osłonki celofanowe, wiskozowe lub białkowe fi 32-40 mm - ", 1870, u" m"}}}},
    {u"Biała surowa - dług. batonu dowolna",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,780 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1780, u" m"}}}},
    {u"Kiełbasa mielona - długość batonu 40-50cm",
     {u"Osłonki białkowe fi 80 - 85 mm - 0,360 m/kg"},
     {{{u"Osłonki białkowe fi 80 - 85 mm - ", 360, u" m"}}}},
    {u"Kiełbasa zwyczajna - dług batonu 35-40cm",
     {u"Kiełbaśnice fi wszystkie kalibry - 1,650 m/kg"},
     {{{u"Kiełbaśnice fi wszystkie kalibry - ", 1650, u" m"}}}},
    {u"Kiełbasa śląska - długość batonu 12-14 cm",
     {u"Kiełbaśnice fi do 32 mm - 1,764 m/kg"},
     {{{u"Kiełbaśnice fi do 32 mm - ", 1764, u" m"}}}},
    {u"Kiełbasa podlaska - dług batonu 25-30 cm",
     {u"Kiełbaśnice fi 32 - 36 mm - 1,617 m/kg"},
     {{{u"Kiełbaśnice fi 32 - 36 mm - ", 1617, u" m"}}}},
};
// clang-format on

// norm (thousandths) x meat (ten-thousandths) is exact in units of 10^-7; printed with three
// decimals, halves away from zero like the "0.000" pattern.
QString timesMeat(int normThousandths, Fixed4 meat)
{
    return calcmath::decimalText(
        rounding::divHalfAway(i128(normThousandths) * meat.raw(), 10000), 3);
}

} // namespace

QStringList casingProductNames()
{
    QStringList names;
    for (const CasingProduct &p : kProducts)
        names << QString::fromUtf16(p.name);
    return names;
}

QStringList casingNormLines(const CasingInput &in)
{
    QStringList lines;
    // The meat is read before the product is looked at, so a bad text is reported even with no
    // product selected.
    const Fixed4 m = in.perMeat ? Fixed4::parseOrZero(in.meat) : Fixed4();
    if (in.productIndex < 0 || in.productIndex >= kCasingProductCount)
        return lines;
    const CasingProduct &product = kProducts[in.productIndex];
    if (in.perMeat) {
        for (const CasingLine &line : product.lines) {
            if (!line.prefix)
                break;
            lines << QString::fromUtf16(line.prefix) + timesMeat(line.normThousandths, m)
                    + QString::fromUtf16(line.suffix);
        }
    } else {
        for (const char16_t *text : product.perKg) {
            if (!text)
                break;
            lines << QString::fromUtf16(text);
        }
    }
    return lines;
}
