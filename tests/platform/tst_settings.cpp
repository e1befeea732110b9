#include "TestEnv.h"
#include "core/AppError.h"
#include "core/SafeFile.h"
#include "platform/IniFile.h"
#include "platform/Settings.h"

#include <QLabel>
#include <QProcess>
#include <QtTest>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

template<class Action>
QString messageOf(Action action)
{
    try {
        action();
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

// How many times the action put a new file in place of one in the folder (a rename each). The
// temporary files' creations are watched too, or the kernel would merge successive renames.
template<class Action>
int replacements(const QString &folder, Action action)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO);
    action();
    alignas(inotify_event) char events[8192];
    const ssize_t n = read(fd, events, sizeof events);
    int count = 0;
    for (char *p = events; p < events + n; p += sizeof(inotify_event) + ((inotify_event *)p)->len)
        count += (((inotify_event *)p)->mask & IN_MOVED_TO) != 0;
    close(fd);
    return count;
}

StoredFont font(int size, int style, int colour = 0, int charSet = 1)
{
    StoredFont f {QFont(QStringLiteral("DejaVu Sans"), size), colour, charSet};
    setStyleBits(f.font, style);
    return f;
}

QString fontText(const StoredFont &f)
{
    return QStringList(
        {f.font.family(), QString::number(f.font.pointSize()), QString::number(styleBits(f.font)),
            QString::number(f.color), QString::number(f.charSet)})
        .join(u' ');
}

const PageId kPages[] = {PageId::WetCuring, PageId::DryCuring, PageId::Brine, PageId::Fish};

// Every typed value but the fonts, in one list.
QStringList values(const Settings &s)
{
    QStringList out;
    for (PageId page : kPages)
        out << s.background(page);
    const Settings::OwnDry dry = s.ownDry();
    const Settings::OwnWet wet = s.ownWet();
    return out << dry.salt << dry.pepper << dry.allspice << wet.salt << wet.sugar
               << QString::number(wet.apply) << s.lastBook() << QString::number(s.controlColour());
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyRoundTrips();
    void handWrittenFile();
    void refusedWritesKeepTheFile();
    void integerAndBooleanForms_data();
    void integerAndBooleanForms();
};

// A fresh start reads the defaults; every key written is on the disk at once and comes back.
void TestSettings::everyKeyRoundTrips()
{
    TestEnv env;
    Settings s;
    const QString path = env.file("Ustawienia.ini"), none = QStringLiteral("default value");
    QCOMPARE(s.path(), path);
    QCOMPARE(values(s),
        QStringList({none, none, none, none, "20", "0,5", "0,5", "0", "0", "0",
            env.file("Moja książka.xml"), QString::number(int(0x80000005))}));
    QVERIFY(!s.hasFont(1));
    QVERIFY(!QFile::exists(path)); // reading creates nothing

    for (PageId page : kPages)
        s.setBackground(page, QStringLiteral("/p/%1.jpg").arg(int(page)));
    s.ZapiszCzcionke(23, font(13, 5, 0x0000FF, 238));
    s.setOwnDry({"22,5", "1", "0,75"});
    QCOMPARE(replacements(env.dir(), [&] { s.setOwnWet({"78", "1,5", true}); }), 1);
    s.setLastBook(QStringLiteral("/dom/Książki/żony.xml"));
    s.setExternalEditor(true);
    s.setControlColour(int(0x8000000F));
    // In the names and forms other versions of the program read.
    QCOMPARE(bytesOf(path),
        QByteArray("[Tlo]\nmokre=/p/0.jpg\nsuche=/p/1.jpg\nsolanka=/p/2.jpg\nryby=/p/3.jpg\n\n\n"
                   "[Czcionka23]\nkolor=255\nwielkosc=13\nNazwa=DejaVu Sans\nCharSet=238\nStyl=5\n"
                   "\n\n[Peklowanie suche wlasne]\npeklosol=22,5\npieprz=1\nziele=0,75\n\n\n"
                   "[Peklowanie mokre wlasne]\npeklosol=78\ncukier=1,5\nzastosuj=1\n\n\n"
                   "[ksiazka]\nbaza=/dom/Ksi\xB9\xBFki/\xBFony.xml\nedytor=1\n\n\n"
                   "[F4]\nkolor=-2147483633\n")
            .replace("\n", "\r\n"));
    const Settings read(path);
    QCOMPARE(values(read),
        QStringList({"/p/0.jpg", "/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "22,5", "1", "0,75", "78",
            "1,5", "1", "/dom/Książki/żony.xml", QString::number(int(0x8000000F))}));
    StoredFont f = font(9, 0);
    read.CzytajCzcionke(23, f);
    QLabel label;
    f.applyTo(&label);
    QCOMPARE(fontText(StoredFont::of(&label)) + label.palette().color(QPalette::WindowText).name(),
        "DejaVu Sans 13 5 255 238#ff0000");
    // Like the own proportions, the fonts of a dialog reach the disk whole or not at all.
    QCOMPARE(replacements(env.dir(), [&] { s.ZapiszCzcionki({{15, f}, {16, f}, {22, f}}); }), 1);
    QVERIFY(Settings().hasFont(15) && Settings().hasFont(22) && !Settings().hasFont(17));
}

// Names in any letter case, an unusable value, missing keys and sections.
void TestSettings::handWrittenFile()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    safefile::write(path,
        QByteArray(
            "[czcionka3]\nWIELKOSC=14\n[Czcionka2]\nwielkosc=duza\nStyl=2\n[TLO]\nMokre=/x/m.nil\n"
            "[PEKLOWANIE MOKRE WLASNE]\nZastosuj=1\n[Ksiazka]\nBAZA=/x/b.xml\n[f4]\nKOLOR=$FF\n")
            .replace("\n", "\r\n"));
    Settings s(path);
    QCOMPARE(values(s).at(0) + u'|' + values(s).mid(9).join(u'|'), "/x/m.nil|1|/x/b.xml|255");
    StoredFont three = font(11, 0), two = three, seven = three;
    s.CzytajCzcionke(3, three);
    s.CzytajCzcionke(2, two);
    s.CzytajCzcionke(7, seven);
    QCOMPARE(fontText(three) + u'|' + fontText(two) + u'|' + fontText(seven),
        QStringLiteral("DejaVu Sans 14 0 0 1|DejaVu Sans 11 2 0 1|DejaVu Sans 11 0 0 1"));
    // Writing replaces the keys found instead of adding a second section or key.
    s.setOwnWet({"1", "2", false});
    QCOMPARE(bytesOf(path).toLower().count("zastosuj"), 1);
    QVERIFY(bytesOf(path).contains("Zastosuj=0\r\n"));
    QCOMPARE(bytesOf(path).toLower().count("peklowanie mokre"), 1);
    QVERIFY(!Settings(path).ownWet().apply);
}

void TestSettings::refusedWritesKeepTheFile()
{
    TestEnv env;
    const QString path = env.file("Ustawienia.ini");
    Settings(path).setLastBook("/stara.xml");
    const QByteArray before = bytesOf(path);
    // Never a silent "?" in a path: the user is told which characters cannot be stored.
    const QString foreign = messageOf([&] { Settings(path).setLastBook("/dom/Книга 🍖.xml"); });
    QVERIFY2(foreign.contains("Windows-1250") && foreign.contains("🍖"), qPrintable(foreign));
    const QString missing = env.file("brak/Ustawienia.ini");
    QCOMPARE(messageOf([&] { Settings(missing).setControlColour(1); }),
        QStringLiteral("Unable to write to ") + missing);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    // Root ignores the mode, but not the immutable flag.
    if (QProcess::execute("chattr", {"+i", path}) != 0 && geteuid() == 0)
        QSKIP("no way to make a file read-only for root here");
    const auto undo = qScopeGuard([&] { QProcess::execute("chattr", {"-i", path}); });
    const auto save = [&] { Settings(path).setOwnWet({"1", "2", true}); };
    QCOMPARE(messageOf(save), QStringLiteral("Unable to write to ") + path);
    QCOMPARE(bytesOf(path), before);
}

void TestSettings::integerAndBooleanForms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("integer"); // 42 is the default
    QTest::addColumn<int>("boolean"); // -1: the default
    QTest::newRow("zero") << QByteArray("0") << 0 << 0;
    QTest::newRow("system colour") << QByteArray("-2147483643") << -2147483643 << 1;
    QTest::newRow("dollar hex colour") << QByteArray("$80000005") << -2147483643 << 1;
    QTest::newRow("0x hex") << QByteArray("0x10") << 16 << 1;
    QTest::newRow("blanks") << QByteArray("  7 ") << 7 << 1;
    QTest::newRow("word") << QByteArray("tak") << 42 << -1;
    QTest::newRow("decimal comma") << QByteArray("1,5") << 42 << -1;
    QTest::newRow("beyond 32 bits") << QByteArray("4294967296") << 42 << -1;
    QTest::newRow("empty") << QByteArray("") << 42 << -1;
}

void TestSettings::integerAndBooleanForms()
{
    QFETCH(QByteArray, text);
    QFETCH(int, boolean);
    IniFile ini(QStringLiteral("/nonexistent/Ustawienia.ini"));
    ini.setString("s", "k", QString::fromLatin1(text));
    QTEST(ini.readInteger("s", "k", 42), "integer");
    QCOMPARE(ini.readBool("s", "k", false), boolean == 1);
    QCOMPARE(ini.readBool("s", "k", true), boolean != 0);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
