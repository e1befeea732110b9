// Writes a synthetic cookbook of N recipes, shaped like a large real book: full dictionaries,
// 10-30 ingredient lines, several categories, long methods, Polish letters everywhere. The same
// N and seed always give the same file, written through the book model exactly as the program
// writes its own books.
#include "cookbook/Book.h"
#include "cookbook/Description.h"
#include "core/AppError.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QSet>
#include <QTextStream>

namespace {

struct Forms
{
    const char *nazwa;
    const char *dLp;
    const char *mLm;
    const char *dLm;
};

// Units: the name (used with 1), then the forms for fractions, for 2-4 and for 5 and more.
const Forms kUnits[] = {
    {"kilogram", "kilograma", "kilogramy", "kilogramów"},
    {"dekagram", "dekagrama", "dekagramy", "dekagramów"},
    {"gram", "grama", "gramy", "gramów"},
    {"litr", "litra", "litry", "litrów"},
    {"mililitr", "mililitra", "mililitry", "mililitrów"},
    {"szklanka", "szklanki", "szklanki", "szklanek"},
    {"łyżka", "łyżki", "łyżki", "łyżek"},
    {"łyżeczka", "łyżeczki", "łyżeczki", "łyżeczek"},
    {"ząbek", "ząbka", "ząbki", "ząbków"},
    {"sztuka", "sztuki", "sztuki", "sztuk"},
    {"liść", "liścia", "liście", "liści"},
    {"ziarno", "ziarna", "ziarna", "ziaren"},
    {"szczypta", "szczypty", "szczypty", "szczypt"},
    {"garść", "garści", "garście", "garści"},
    {"plaster", "plastra", "plastry", "plastrów"},
    {"pęczek", "pęczka", "pęczki", "pęczków"},
    {"gałązka", "gałązki", "gałązki", "gałązek"},
    {"główka", "główki", "główki", "główek"},
    {"metr", "metra", "metry", "metrów"},
    {"słoik", "słoika", "słoiki", "słoików"},
    {"kostka", "kostki", "kostki", "kostek"},
    {"kawałek", "kawałka", "kawałki", "kawałków"},
    {"płat", "płata", "płaty", "płatów"},
    {"tuszka", "tuszki", "tuszki", "tuszek"},
    {"filet", "filetu", "filety", "filetów"},
    {"kieliszek", "kieliszka", "kieliszki", "kieliszków"},
    {"opakowanie", "opakowania", "opakowania", "opakowań"},
    {"puszka", "puszki", "puszki", "puszek"},
    {"butelka", "butelki", "butelki", "butelek"},
    {"filiżanka", "filiżanki", "filiżanki", "filiżanek"},
};

// Ingredients; each also appears with two origins, which do not decline, to fill a dictionary
// of the size real books reach.
const Forms kIngredients[] = {
    {"szynka wieprzowa", "szynki wieprzowej", "szynki wieprzowe", "szynek wieprzowych"},
    {"boczek", "boczku", "boczki", "boczków"},
    {"schab", "schabu", "schaby", "schabów"},
    {"karkówka", "karkówki", "karkówki", "karkówek"},
    {"golonka", "golonki", "golonki", "golonek"},
    {"łopatka wieprzowa", "łopatki wieprzowej", "łopatki wieprzowe", "łopatek wieprzowych"},
    {"wołowina", "wołowiny", "wołowiny", "wołowin"},
    {"cielęcina", "cielęciny", "cielęciny", "cielęcin"},
    {"dziczyzna", "dziczyzny", "dziczyzny", "dziczyzn"},
    {"kaczka", "kaczki", "kaczki", "kaczek"},
    {"gęsina", "gęsiny", "gęsiny", "gęsin"},
    {"indyk", "indyka", "indyki", "indyków"},
    {"wątróbka", "wątróbki", "wątróbki", "wątróbek"},
    {"słonina", "słoniny", "słoniny", "słonin"},
    {"podgardle", "podgardla", "podgardla", "podgardli"},
    {"ozorek", "ozorka", "ozorki", "ozorków"},
    {"śledź", "śledzia", "śledzie", "śledzi"},
    {"łosoś", "łososia", "łososie", "łososi"},
    {"makrela", "makreli", "makrele", "makreli"},
    {"pstrąg", "pstrąga", "pstrągi", "pstrągów"},
    {"węgorz", "węgorza", "węgorze", "węgorzy"},
    {"dorsz", "dorsza", "dorsze", "dorszy"},
    {"szprot", "szprota", "szproty", "szprotów"},
    {"woda", "wody", "wody", "wód"},
    {"peklosól", "peklosoli", "peklosole", "peklosoli"},
    {"sól kamienna", "soli kamiennej", "sole kamienne", "soli kamiennych"},
    {"cukier", "cukru", "cukry", "cukrów"},
    {"czosnek", "czosnku", "czosnki", "czosnków"},
    {"cebula", "cebuli", "cebule", "cebul"},
    {"marchew", "marchwi", "marchwie", "marchwi"},
    {"pietruszka", "pietruszki", "pietruszki", "pietruszek"},
    {"seler", "selera", "selery", "selerów"},
    {"por", "pora", "pory", "porów"},
    {"liść laurowy", "liścia laurowego", "liście laurowe", "liści laurowych"},
    {"ziele angielskie", "ziela angielskiego", "ziela angielskie", "ziel angielskich"},
    {"pieprz czarny", "pieprzu czarnego", "pieprze czarne", "pieprzy czarnych"},
    {"jałowiec", "jałowca", "jałowce", "jałowców"},
    {"kolendra", "kolendry", "kolendry", "kolender"},
    {"majeranek", "majeranku", "majeranki", "majeranków"},
    {"gorczyca", "gorczycy", "gorczyce", "gorczyc"},
    {"papryka słodka", "papryki słodkiej", "papryki słodkie", "papryk słodkich"},
    {"gałka muszkatołowa", "gałki muszkatołowej", "gałki muszkatołowe", "gałek muszkatołowych"},
    {"goździk", "goździka", "goździki", "goździków"},
    {"kminek", "kminku", "kminki", "kminków"},
    {"ocet winny", "octu winnego", "octy winne", "octów winnych"},
    {"olej rzepakowy", "oleju rzepakowego", "oleje rzepakowe", "olejów rzepakowych"},
    {"koperek", "koperku", "koperki", "koperków"},
    {"miód gryczany", "miodu gryczanego", "miody gryczane", "miodów gryczanych"},
    {"jelito wieprzowe", "jelita wieprzowego", "jelita wieprzowe", "jelit wieprzowych"},
    {"żurawina", "żurawiny", "żurawiny", "żurawin"},
};

const char *const kOrigins[] = {" z Podlasia", " z gospodarstwa"};

const char *const kDishes[] = {"Szynka", "Boczek", "Polędwica", "Kiełbasa", "Schab", "Karkówka",
    "Baleron", "Salceson", "Pasztet", "Golonka", "Słonina", "Kabanosy", "Żeberka", "Pieczeń",
    "Śledzie", "Łosoś", "Makrela", "Pstrąg", "Węgorz", "Dorsz", "Szprotki", "Kaszanka", "Mielonka",
    "Rolada", "Ozorki", "Wątrobianka", "Metka", "Krakowska", "Żywiecka", "Gęsina"};
const char *const kStyles[] = {"wędzona na zimno", "po staropolsku", "z jałowcem", "w ziołach",
    "parzona", "pieczona w rękawie", "po kaszubsku", "w occie", "w oleju", "z czosnkiem",
    "po góralsku", "na święta", "babuni", "z pieprzem", "po śląsku", "z żurawiną", "w zalewie",
    "z majerankiem", "wiejska", "z dymu olchowego", "po myśliwsku", "w galarecie", "z beczki",
    "z grilla", "po żydowsku"};
const char *const kFirstMale[] = {"Zdzisław", "Józef", "Tadeusz", "Stanisław", "Łukasz", "Grzegorz",
    "Mieczysław", "Bogdan", "Zbigniew", "Jarosław", "Wojciech", "Przemysław"};
const char *const kFirstFemale[] = {"Halina", "Grażyna", "Bożena", "Małgorzata", "Jadwiga",
    "Elżbieta", "Urszula", "Krystyna", "Agnieszka", "Zofia", "Wiesława", "Żaneta"};
// Surnames in their men's and women's forms.
const char *const kSurnames[][2] = {{"Kowalczyk", "Kowalczyk"}, {"Wróblewski", "Wróblewska"},
    {"Piątek", "Piątek"}, {"Zieliński", "Zielińska"}, {"Ćwikła", "Ćwikła"}, {"Łukasik", "Łukasik"},
    {"Grabowski", "Grabowska"}, {"Szczęsny", "Szczęsna"}, {"Małecki", "Małecka"},
    {"Żółkiewski", "Żółkiewska"}, {"Dąbrowski", "Dąbrowska"}, {"Kaszuba", "Kaszuba"},
    {"Gołębiowski", "Gołębiowska"}, {"Jaśkowiak", "Jaśkowiak"}, {"Śliwiński", "Śliwińska"}};
const char *const kCuisines[]
    = {"Polska", "Staropolska", "Kaszubska", "Śląska", "Podhalańska", "Kresowa", "Mazurska",
        "Wielkopolska", "Kurpiowska", "Łemkowska", "Litewska", "Węgierska", "Włoska", "Hiszpańska",
        "Skandynawska", "Niemiecka", "Czeska", "Żydowska", "Francuska", "Ukraińska"};
const char *const kCategories[] = {"Wędliny", "Kiełbasy", "Peklowanie na mokro",
    "Peklowanie na sucho", "Wędzenie", "Wędzenie na zimno", "Wędzenie na gorąco", "Parzenie",
    "Pieczenie", "Suszenie", "Ryby", "Śledzie", "Marynaty", "Przetwory", "Podroby", "Smalec",
    "Na święta", "Wigilia", "Wielkanoc", "Przystawki", "Dania główne", "Na grilla", "Kanapki",
    "Dziczyzna", "Drób", "Wołowina", "Wieprzowina", "Galarety", "Pasztety", "Szybkie",
    "Dla zaawansowanych", "Tradycyjne", "Regionalne", "Bez glutenu", "Na zimno", "Na ciepło",
    "Do piwa", "Do chleba", "Z ogródka", "Babcine"};
const char *const kRatings[] = {"wyśmienita", "bardzo dobra", "dobra", "5", "4", "3", ""};
const char *const kPortionUnits[] = {"", "", "kg mięsa", "kg ryby", "Słoiki", "Porcje", "Sztuki"};
const char *const kPortions[] = {"1", "2", "4", "6", "8", "10", "12", "1 1/2", "0,5", "2,5"};
const char *const kQuantities[] = {"1", "2", "3", "4", "5", "6", "8", "10", "12", "15", "20", "25",
    "30", "50", "80", "100", "250", "0,5", "0,25", "1,5", "2,5", "0,75", "1/2", "1/4", "3/4", "2/3",
    "1 1/2", "2 1/4", "3 1/2", "22", "do smaku"};
const char *const kRemarks[] = {"świeży", "drobno posiekany", "bez skóry", "grubo mielony",
    "przegotowana i wystudzona", "rozgnieciony", "pokrojony w kostkę", "z dobrego źródła",
    "ewentualnie mrożony", "lekko podsuszony", "w temperaturze pokojowej", "opcjonalnie",
    "najlepiej od znajomego rzeźnika", "do dekoracji", "utłuczony w moździerzu"};
// Method lines; %1 is an ingredient, %2 a number of minutes, %3 a temperature, %4 days.
const char *const kSteps[] = {"Mięso oczyść z błon i nadmiaru tłuszczu.",
    "Dodaj %1 i dokładnie wymieszaj.", "Gotuj na małym ogniu przez %2 minut.",
    "Wędź w temperaturze %3°C przez %2 minut, pilnując, żeby dym był jasny.",
    "Pekluj w lodówce przez %4 dni, codziennie obracając kawałki.",
    "Natrzyj mieszanką soli, pieprzu i %1.", "Osusz ręcznikiem i osadzaj w przewiewie.",
    "Parz w wodzie o temperaturze %3°C, aż środek osiągnie 68°C.",
    "Zmiel na sitku 8 mm i wyrabiaj, aż masa stanie się kleista.",
    "Napełnij jelita, nie za ciasno, i skręcaj w laski.",
    "Przygotuj zalewę: zagotuj wodę z cukrem i przyprawami, wystudź.",
    "Ułóż warstwami w słoju, przekładając %1.", "Piecz w %3°C przez %2 minut.",
    "Wystudź szybko w zimnej wodzie, potem schowaj do lodówki.",
    "Podawaj z chrzanem, musztardą albo ćwikłą.", "Susz w chłodnym miejscu przez %4 dni.",
    "Sprawdź termometrem temperaturę wewnątrz; nie może przekroczyć 72°C.",
    "Obwiąż sznurkiem, żeby kawałek trzymał kształt.",
    "Zalej solanką tak, by przykryła mięso, i przyciśnij talerzykiem.",
    "Zeskrob przyprawy, osusz i krój cienko, w poprzek włókien.",
    "Odstaw na %4 dni w chłodzie, żeby smaki się przegryzły.",
    "Przełóż do formy wyłożonej boczkiem i wyrównaj powierzchnię.",
    "Podlej %1 i duś pod przykryciem %2 minut.",
    "Dym powinien być z drewna olchowego, bukowego lub owocowego - nigdy iglastego.",
    "Żółty, gęsty dym nadaje goryczy; poczekaj, aż drewno się rozpali."};

// A fixed generator, so the book does not depend on the standard library's distributions.
class Rng
{
public:
    explicit Rng(quint64 seed)
        : m_state(seed * 0x9E3779B97F4A7C15ull + 1)
    { }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return quint32(m_state >> 16);
    }
    int below(int n) { return int(next() % quint32(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template<class T, size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    quint64 m_state;
};

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

void writeDictionaries(TXMLSlownikiType slowniki, QStringList &ingredientNames)
{
    const TXMLJednostkiType units = slowniki.jednostki();
    for (const Forms &f : kUnits) {
        const TXMLJednostkaType u = units.add();
        u.setNazwa(u8(f.nazwa));
        u.setMLp(u8(f.nazwa));
        u.setDLp(u8(f.dLp));
        u.setMLm(u8(f.mLm));
        u.setDLm(u8(f.dLm));
    }
    const TXMLSkladnikiType ingredients = slowniki.skladniki();
    for (int variant = 0; variant < 3; ++variant) {
        const QString origin = variant == 0 ? QString() : u8(kOrigins[variant - 1]);
        for (const Forms &f : kIngredients) {
            const TXMLSkladnikType s = ingredients.add();
            s.setNazwa(u8(f.nazwa) + origin);
            s.setMLp(u8(f.nazwa) + origin);
            s.setDLp(u8(f.dLp) + origin);
            s.setMLm(u8(f.mLm) + origin);
            s.setDLm(u8(f.dLm) + origin);
            ingredientNames.append(s.nazwa());
        }
    }
}

QString author(Rng &rng)
{
    const bool woman = rng.chance(50);
    const char *const(&surname)[2] = rng.pick(kSurnames);
    return (woman ? u8(rng.pick(kFirstFemale)) : u8(rng.pick(kFirstMale))) + u' '
        + u8(surname[woman ? 1 : 0]);
}

QString methodLine(Rng &rng, const QStringList &ingredientNames)
{
    QString line = u8(rng.pick(kSteps));
    // Only the placeholders a line holds are filled; arg() would warn about the others.
    const std::pair<QString, QString> fill[] = {
        {QStringLiteral("%1"), ingredientNames[rng.below(int(ingredientNames.size()))]},
        {QStringLiteral("%2"), QString::number(rng.between(2, 36) * 5)},
        {QStringLiteral("%3"), QString::number(rng.between(14, 36) * 5)},
        {QStringLiteral("%4"), QString::number(rng.between(2, 21))},
    };
    for (const auto &[mark, value] : fill)
        line.replace(mark, value);
    return line;
}

void writeRecipe(TXMLPrzepisType r, int index, Rng &rng, const QStringList &ingredientNames,
    QHash<QString, int> &titles)
{
    QString title = u8(rng.pick(kDishes)) + u' ' + u8(rng.pick(kStyles));
    const int seen = titles[title]++;
    if (seen > 0)
        title += QStringLiteral(" nr %1").arg(seen + 1);
    const QDate stored = QDate(2005, 1, 1).addDays(rng.below(7000));

    // The attributes in the order the recipe editor sets them.
    r.setTytul(title);
    r.setData(stored.toString(QStringLiteral("yyyy-MM-dd")));
    r.setPorcje(u8(rng.pick(kPortions)));
    r.setKalorie(rng.chance(90) ? QString::number(rng.between(8, 90) * 10) : QString());
    r.setAutor(author(rng));
    r.setKuchnia(u8(rng.pick(kCuisines)));
    r.setOcena(u8(rng.pick(kRatings)));
    r.setJednostka(u8(rng.pick(kPortionUnits)));
    r.setCzas(QStringLiteral("%1:%2")
                  .arg(rng.between(0, 9), 2, 10, QLatin1Char('0'))
                  .arg(rng.below(12) * 5, 2, 10, QLatin1Char('0')));
    r.setWww(rng.chance(30) ? QStringLiteral("https://przepisy.example/p/%1").arg(index + 1)
                            : QString());
    QStringList photos;
    if (rng.chance(40)) {
        for (int k = rng.between(1, 3); k > 0; --k)
            photos.append(
                QStringLiteral("zdjecie_%1_%2.jpg").arg(index + 1).arg(photos.size() + 1));
        r.setZdjecie(photos.first());
    }

    QSet<int> categories;
    for (int n = rng.between(2, 6); categories.size() < n;)
        categories.insert(rng.below(int(std::size(kCategories))));
    QList<int> ordered(categories.begin(), categories.end());
    std::sort(ordered.begin(), ordered.end());
    for (int c : std::as_const(ordered))
        r.kategoria().add().setNazwa(u8(kCategories[c]));
    for (const QString &photo : std::as_const(photos))
        r.zdjecia().add().setNazwa(photo);

    for (int n = rng.between(10, 30); n > 0; --n) {
        const TXMLSkladnikType line = r.skladnik().add();
        line.setNazwa(ingredientNames[rng.below(int(ingredientNames.size()))]);
        line.setIlosc(u8(rng.pick(kQuantities)));
        line.setJednostka(u8(rng.pick(kUnits).nazwa));
        if (rng.chance(25))
            line.setText(u8(rng.pick(kRemarks)));
    }

    QStringList method;
    for (int n = rng.between(5, 20); n > 0; --n)
        method.append(methodLine(rng, ingredientNames));
    r.opis().setText(OwnDescriptionText(method.join(QStringLiteral("\r\n"))));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    bool countOk = false, seedOk = true;
    const int count = argc >= 3 ? QString::fromLocal8Bit(argv[1]).toInt(&countOk) : 0;
    const quint64 seed = argc >= 4 ? QString::fromLocal8Bit(argv[3]).toULongLong(&seedOk) : 1;
    if (argc < 3 || argc > 4 || !countOk || count < 0 || !seedOk) {
        err << "usage: bookgen <N> <out.xml> [seed]\n";
        return 2;
    }

    Rng rng(seed);
    Book book;
    TXMLVelmaroType root = book.root();
    root.setWersja(QStringLiteral("1.0"));
    root.setData(QStringLiteral("2024-01-01"));
    QStringList ingredientNames;
    writeDictionaries(root.slowniki(), ingredientNames);
    const TXMLPrzepisyType recipes = root.przepisy();
    QHash<QString, int> titles;
    for (int i = 0; i < count; ++i)
        writeRecipe(recipes.add(), i, rng, ingredientNames, titles);

    try {
        book.save(QString::fromLocal8Bit(argv[2]));
    } catch (const AppError &e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
