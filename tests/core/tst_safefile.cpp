#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h> // mkfifo
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
    void failedWriteKeepsTheOldFile();
    void writesThroughALinkAndKeepsTheMode();
    void specialFilesAreLeftAlone();
    void readIsBoundedByWhatArrives();
    void leftoversOfThisFileOnlyAreRemoved();
    void fullFileSystem();
};

// Cut short at any byte or when flushed to the disk, a write leaves the old file and nothing else.
void TestSafeFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Ustawienia.ini");
    const QByteArray old = "[Czcionka1]\r\nnazwa=Arial\r\n", fresh(5000, 'n');
    put(path, old);
    // -1: every byte written, the flush fails.
    for (qint64 after : {0, 1, 2, 9, 10, 997, 2500, 4096, 4999, -1}) {
        safefile::failNextWriteForTests("Ustawienia.ini", qMax(after, 0), after < 0);
        QCOMPARE(writeError(path, fresh), QStringLiteral("Unable to write to ") + path);
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Ustawienia.ini"});
    }
    // A fault is used up by the write it breaks, and one for another file leaves this one be.
    safefile::failNextWriteForTests("Inne.ini", 0, true);
    QCOMPARE(writeError(path, fresh), QString());
    QCOMPARE(contents(path), fresh);
}

void TestSafeFile::writesThroughALinkAndKeepsTheMode()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.txt"), link = dir.filePath("link.txt");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    put(target, "old");
    QVERIFY(QFile::setPermissions(target, mode) && QFile::link(target, link));
    safefile::write(link, "new");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(target), QByteArray("new"));
    QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser), mode);
}

// A FIFO, a folder or a device in place of a file is neither replaced nor waited for.
void TestSafeFile::specialFilesAreLeftAlone()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("book.xml");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(writeError(fifo, "x"), QStringLiteral("Unable to write to ") + fifo);
    QVERIFY(!safefile::isRegularFile(fifo) && QFileInfo::exists(fifo) && !QFileInfo(fifo).isFile());
    QCOMPARE(readError(fifo, 1000),
        fifo + QStringLiteral(" nie jest zwykłym plikiem, więc program go nie odczyta."));
    QVERIFY(readError(dir.path(), 1000).contains(QStringLiteral("nie jest zwykłym plikiem")));
    QVERIFY(readError(QStringLiteral("/dev/zero"), 1000).contains(QStringLiteral("zwykłym")));
    QVERIFY(readError(dir.filePath("none"), 10).startsWith(QStringLiteral("Cannot open file ")));
    QVERIFY(timer.elapsed() < 10000); // nothing above may wait for a writer
}

void TestSafeFile::readIsBoundedByWhatArrives()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.xml");
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
    for (const char *name : {"Ustawienia.ini", "Ustawienia.ini.a1B2c3", "Ustawienia.ini.bak",
             "Ustawienia.ini.a1B2c3d", "Inne.ini.a1B2c3"})
        put(dir.filePath(name), "x");
    safefile::removeLeftovers(dir.filePath("Ustawienia.ini"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
        QStringList(
            {"Inne.ini.a1B2c3", "Ustawienia.ini", "Ustawienia.ini.a1B2c3d", "Ustawienia.ini.bak"}));
}

// The real thing, where the test may mount: a 1 MB file system filled to the last byte.
void TestSafeFile::fullFileSystem()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath("full");
    QDir().mkpath(mountPoint);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", mountPoint}) != 0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {"-l", mountPoint}); });
    const QString path = mountPoint + "/Ustawienia.ini";
    const QByteArray old = "[ksiazka]\r\nbaza=/x\r\n";
    put(path, old);
    {
        QFile filler(mountPoint + "/filler");
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
