#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QString writeError(const QString &path, const QByteArray &bytes)
{
    try {
        safefile::write(path, bytes);
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

QString readError(const QString &path, qint64 max)
{
    try {
        safefile::read(path, max);
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { safefile::clearFaultsForTests(); }
    void failedWriteKeepsTheOldFileAtEveryByte();
    void failedFlushKeepsTheOldFile();
    void writesThroughALinkAndKeepsTheMode();
    void refusesToReplaceSpecialFiles();
    void readRefusesWhatIsNotARegularFile();
    void readIsBoundedByWhatArrives();
    void leftoversOfThisFileOnlyAreRemoved();
    void fullFileSystem();
};

void TestSafeFile::failedWriteKeepsTheOldFileAtEveryByte()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Ustawienia.ini"));
    const QByteArray old = "[Czcionka1]\r\nnazwa=Arial\r\n";
    const QByteArray fresh = QByteArray(5000, 'n');
    put(path, old);
    for (qint64 after = 0; after < fresh.size(); after += (after < 10 ? 1 : 997)) {
        safefile::failNextWriteForTests(QStringLiteral("Ustawienia.ini"), after);
        QCOMPARE(writeError(path, fresh), QStringLiteral("Unable to write to ") + path);
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
            QStringList {QStringLiteral("Ustawienia.ini")});
    }
    // The fault is used up: the next write goes through.
    QCOMPARE(writeError(path, fresh), QString());
    QCOMPARE(contents(path), fresh);
}

void TestSafeFile::failedFlushKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xml"));
    put(path, "old");
    safefile::failNextWriteForTests(QStringLiteral("other.xml"), 0, true);
    QCOMPARE(writeError(path, "new"), QString()); // a fault for another file leaves this one be
    safefile::failNextWriteForTests(QStringLiteral("book.xml"), 0, true);
    QVERIFY(!writeError(path, "newer").isEmpty());
    QCOMPARE(contents(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void TestSafeFile::writesThroughALinkAndKeepsTheMode()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    put(target, "old");
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link(target, link));
    safefile::write(link, "new");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(target), QByteArray("new"));
    struct stat st
    {
    };
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t(0640));
}

void TestSafeFile::refusesToReplaceSpecialFiles()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(writeError(fifo, "x"), QStringLiteral("Unable to write to ") + fifo);
    QVERIFY(!safefile::isRegularFile(fifo));
    QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo::exists(fifo));
}

void TestSafeFile::readRefusesWhatIsNotARegularFile()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("book.xml"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readError(fifo, 1000),
        fifo + QStringLiteral(" nie jest zwykłym plikiem, więc program go nie odczyta."));
    QVERIFY(readError(dir.path(), 1000).contains(QStringLiteral("nie jest zwykłym plikiem")));
    QVERIFY(readError(QStringLiteral("/dev/zero"), 1000).contains(QStringLiteral("zwykłym")));
    QVERIFY(readError(dir.filePath(QStringLiteral("none")), 10)
                .startsWith(QStringLiteral("Cannot open file ")));
    QVERIFY(timer.elapsed() < 10000); // nothing above may wait for a writer
}

void TestSafeFile::readIsBoundedByWhatArrives()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xml"));
    put(path, QByteArray(100, 'a'));
    QCOMPARE(safefile::read(path, 100), QByteArray(100, 'a'));
    QVERIFY(readError(path, 99).contains(QStringLiteral("za duży")));
    // Reports a size of 0, then delivers gigabytes.
    if (QFileInfo::exists(QStringLiteral("/proc/self/pagemap")))
        QVERIFY(readError(QStringLiteral("/proc/self/pagemap"), 256LL << 20)
                    .contains(QStringLiteral("za duży")));
}

void TestSafeFile::leftoversOfThisFileOnlyAreRemoved()
{
    QTemporaryDir dir;
    const QStringList names = {QStringLiteral("Ustawienia.ini"),
        QStringLiteral("Ustawienia.ini.a1B2c3"), QStringLiteral("Ustawienia.ini.bak"),
        QStringLiteral("Ustawienia.ini.a1B2c3d"), QStringLiteral("Inne.ini.a1B2c3")};
    for (const QString &name : names)
        put(dir.filePath(name), "x");
    safefile::removeLeftovers(dir.filePath(QStringLiteral("Ustawienia.ini")));
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    QCOMPARE(left,
        QStringList({QStringLiteral("Inne.ini.a1B2c3"), QStringLiteral("Ustawienia.ini"),
            QStringLiteral("Ustawienia.ini.a1B2c3d"), QStringLiteral("Ustawienia.ini.bak")}));
}

// The real thing, where the test may mount: a 1 MB file system filled to the last byte.
void TestSafeFile::fullFileSystem()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath(QStringLiteral("full"));
    QDir().mkpath(mountPoint);
    if (QProcess::execute(QStringLiteral("mount"),
            {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QStringLiteral("size=1m"), QStringLiteral("tmpfs"), mountPoint})
        != 0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mountPoint});
    });
    const QString path = mountPoint + QStringLiteral("/Ustawienia.ini");
    const QByteArray old = "[ksiazka]\r\nbaza=/x\r\n";
    put(path, old);
    {
        QFile filler(mountPoint + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) { }
    }
    for (const int size : {66, 4000, 9000, 31000}) {
        QVERIFY(!writeError(path, QByteArray(size, 's')).isEmpty());
        QCOMPARE(contents(path), old);
    }
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
