#include "TestEnv.h"
#include "core/AppError.h"
#include "platform/IniFile.h"
#include "platform/Settings.h"

#include <QLabel>
#include <QtTest>
#include <unistd.h>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void missingFileReadsDefaults();
    void writeThroughAndReadBack();
    void fileIsWindows1250WithCrLf();
    void namesIgnoreLetterCase();
    void integerForms_data();
    void integerForms();
    void booleans();
    void unwritableFolderKeepsOldFile();
    void readOnlyFileIsNotReplaced();
    void unencodableTextIsRefused();
    void fontRoundTrip();
    void fontSectionWithMissingKeys();
};

void TestIniFile::missingFileReadsDefaults()
{
    TestEnv env;
    IniFile ini(env.file("Ustawienia.ini"));
    QVERIFY(!ini.sectionExists("Tlo"));
    QCOMPARE(ini.readString("Tlo", "mokre", "default value"), QStringLiteral("default value"));
    QCOMPARE(ini.readInteger("F4", "kolor", int(0x80000005)), -2147483643);
    QCOMPARE(ini.readBool("x", "y", true), true);
    QVERIFY(!QFile::exists(env.file("Ustawienia.ini"))); // reading creates nothing
}

void TestIniFile::writeThroughAndReadBack()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    {
        IniFile ini(path);
        ini.writeString("ksiazka", "baza", "/home/ala/Moja książka.xml");
        // Already on the disk before the object is released.
        IniFile other(path);
        QCOMPARE(
            other.readString("ksiazka", "baza", ""), QStringLiteral("/home/ala/Moja książka.xml"));
        ini.writeInteger("F4", "kolor", int(0x80000005));
        ini.writeBool("ksiazka", "edytor", true);
    }
    IniFile ini(path);
    QCOMPARE(ini.readInteger("F4", "kolor", 0), -2147483643);
    QCOMPARE(ini.readBool("ksiazka", "edytor", false), true);
    QCOMPARE(ini.readString("ksiazka", "baza", ""), QStringLiteral("/home/ala/Moja książka.xml"));
}

void TestIniFile::fileIsWindows1250WithCrLf()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile(path).writeString("ksiazka", "baza", "żółć");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes, QByteArray("[ksiazka]\r\nbaza=\xBF\xF3\xB3\xE6\r\n"));
}

void TestIniFile::namesIgnoreLetterCase()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[czcionka3]\r\nWIELKOSC=14\r\nnazwa=Arial\r\n[TLO]\r\nMokre=/x/Tlo_mokre.nil\r\n");
    f.close();
    IniFile ini(path);
    QVERIFY(ini.sectionExists("Czcionka3"));
    QCOMPARE(ini.readInteger("Czcionka3", "wielkosc", 0), 14);
    QCOMPARE(ini.readString("Czcionka3", "Nazwa", ""), QStringLiteral("Arial"));
    QCOMPARE(ini.readString("Tlo", "mokre", ""), QStringLiteral("/x/Tlo_mokre.nil"));
    // Writing an existing key in other letter case replaces it instead of adding a second one.
    ini.writeInteger("CZCIONKA3", "Wielkosc", 9);
    QCOMPARE(IniFile(path).readInteger("czcionka3", "wielkosc", 0), 9);
    QFile g(path);
    QVERIFY(g.open(QIODevice::ReadOnly));
    QCOMPARE(g.readAll().toLower().count("wielkosc"), 1);
}

void TestIniFile::integerForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "12" << 12;
    QTest::newRow("negative") << "-2147483643" << -2147483643;
    QTest::newRow("dollar hex") << "$FF" << 255;
    QTest::newRow("dollar hex system colour") << "$80000005" << -2147483643;
    QTest::newRow("0x hex") << "0x10" << 16;
    QTest::newRow("blanks") << "  7 " << 7;
    QTest::newRow("word gives default") << "duzo" << 42;
    QTest::newRow("decimal comma gives default") << "1,5" << 42;
    QTest::newRow("too big gives default") << "4294967296" << 42;
    QTest::newRow("empty gives default") << "" << 42;
    QTest::newRow("bare dollar gives default") << "$" << 42;
}

void TestIniFile::integerForms()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile(path).writeString("s", "k", text);
    QCOMPARE(IniFile(path).readInteger("s", "k", 42), value);
}

void TestIniFile::booleans()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile ini(path);
    ini.writeBool("s", "t", true);
    ini.writeBool("s", "f", false);
    ini.writeString("s", "two", "2");
    ini.writeString("s", "word", "tak");
    QCOMPARE(ini.readString("s", "t", ""), QStringLiteral("1"));
    QCOMPARE(ini.readString("s", "f", ""), QStringLiteral("0"));
    QCOMPARE(ini.readBool("s", "two", false), true);
    QCOMPARE(ini.readBool("s", "word", false), false);
    QCOMPARE(ini.readBool("s", "word", true), true);
    QCOMPARE(ini.readBool("s", "f", true), false);
}

void TestIniFile::unwritableFolderKeepsOldFile()
{
    TestEnv env;
    // A folder that cannot hold the file (it does not exist): the same failure as a read-only
    // folder, and it holds for root too.
    const QString path = env.file("brak/Ustawienia.ini");
    IniFile ini(path);
    try {
        ini.writeString("ksiazka", "baza", "x");
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), QStringLiteral("Unable to write to %1").arg(path));
    }

    if (geteuid() == 0)
        return; // root writes into read-only folders
    const QString dir = env.file("ro");
    QDir().mkpath(dir);
    const QString file = dir + "/Ustawienia.ini";
    IniFile(file).writeString("a", "b", "stare");
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY_THROWS_EXCEPTION(AppError, IniFile(file).writeString("a", "b", "nowe"));
    QFile::setPermissions(
        dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(IniFile(file).readString("a", "b", ""), QStringLiteral("stare"));
}

void TestIniFile::readOnlyFileIsNotReplaced()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile(path).writeString("a", "b", "stare");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (geteuid() != 0) {
        QVERIFY_THROWS_EXCEPTION(AppError, IniFile(path).writeString("a", "b", "nowe"));
        QCOMPARE(IniFile(path).readString("a", "b", ""), QStringLiteral("stare"));
    } else {
        // access() says root may write; what matters is that the old contents stay readable.
        QVERIFY(QFileInfo(path).isWritable());
    }
}

void TestIniFile::unencodableTextIsRefused()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile(path).writeString("ksiazka", "baza", "stara");
    try {
        IniFile(path).writeString("ksiazka", "baza", QStringLiteral("/dom/Книга 🍖.xml"));
        QFAIL("no error");
    } catch (const AppError &e) {
        QVERIFY(e.message().contains(QStringLiteral("Windows-1250")));
        QVERIFY(e.message().contains(QStringLiteral("🍖")));
    }
    QCOMPARE(IniFile(path).readString("ksiazka", "baza", ""), QStringLiteral("stara"));
}

void TestIniFile::fontRoundTrip()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    QLabel source, target;
    StoredFont font = StoredFont::of(&source);
    font.font.setFamily("DejaVu Serif");
    font.font.setPointSize(13);
    font.font.setBold(true);
    font.font.setUnderline(true);
    font.color = 0x0000FF; // red in BBGGRR
    font.charSet = 238;
    Settings(path).ZapiszCzcionke(4, font);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(),
        QByteArray("[Czcionka4]\r\nkolor=255\r\nwielkosc=13\r\nNazwa=DejaVu Serif\r\n"
                   "CharSet=238\r\nStyl=5\r\n"));
    StoredFont read = StoredFont::of(&target);
    Settings(path).CzytajCzcionke(4, read);
    read.applyTo(&target);
    QCOMPARE(target.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(target.font().pointSize(), 13);
    QVERIFY(target.font().bold() && target.font().underline() && !target.font().italic());
    QCOMPARE(target.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(StoredFont::of(&target).charSet, 238);
    QCOMPARE(StoredFont::of(&target).color, 255);
}

void TestIniFile::fontSectionWithMissingKeys()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    IniFile(path).writeString("Czcionka2", "wielkosc", "duza"); // unusable size
    IniFile(path).writeInteger("Czcionka2", "Styl", 2);
    QLabel label;
    QFont base("DejaVu Sans", 11);
    label.setFont(base);
    StoredFont font = StoredFont::of(&label);
    Settings(path).CzytajCzcionke(2, font);
    QCOMPARE(font.font.pointSize(), 11);
    QCOMPARE(font.font.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(font.font.italic());
    // A group without a section keeps everything.
    StoredFont untouched = StoredFont::of(&label);
    Settings(path).CzytajCzcionke(7, untouched);
    QVERIFY(!untouched.font.italic());
}

QTEST_MAIN(TestIniFile)
#include "tst_inifile.moc"
