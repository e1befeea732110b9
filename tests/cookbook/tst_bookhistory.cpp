// The kept versions of a book: made at each write, at most twenty, restored, and never lost to a
// failed write.
#include "cookbook/BookHistory.h"
#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

QByteArray book(int recipes)
{
    return "<?xml version=\"1.0\"?><Solvarin><przepisy>"
        + QByteArray("<przepis tytul=\"a\"/>").repeated(recipes) + "</przepisy></Solvarin>";
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<QByteArray> contents(const QString &bookPath)
{
    QList<QByteArray> out;
    for (const bookhistory::Version &v : bookhistory::versions(bookPath))
        out << readAll(v.path);
    return out;
}

} // namespace

class TestBookHistory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Moja książka.xml")); }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        bookhistory::setHardLinksForTests(true);
        safefile::clearFaultsForTests();
    }

    void everyWriteKeepsTheFileItReplaces()
    {
        // The first write has nothing to keep.
        bookhistory::writeKeeping(path(), book(1));
        QVERIFY(bookhistory::versions(path()).isEmpty());
        for (int n = 2; n <= 25; ++n)
            bookhistory::writeKeeping(path(), book(n));
        // Twenty kept, newest first: the oldest removed.
        const QList<bookhistory::Version> versions = bookhistory::versions(path());
        QCOMPARE(versions.size(), bookhistory::MaxVersions);
        QCOMPARE(versions.first().recipes, 24);
        QCOMPARE(versions.last().recipes, 5);
        QVERIFY(versions.first().time >= versions.last().time);
        QVERIFY(versions.first().path.startsWith(m_dir.filePath("kopie/Moja książka ")));
        // Kept by linking: the version is the very file that was replaced.
        struct stat old, kept;
        QVERIFY(::stat(QFile::encodeName(path()).constData(), &old) == 0);
        bookhistory::writeKeeping(path(), book(26));
        QVERIFY(
            ::stat(QFile::encodeName(bookhistory::versions(path()).first().path).constData(), &kept)
            == 0);
        QCOMPARE(kept.st_ino, old.st_ino);
        // Files of another book in the same folder are not its versions.
        QFile other(m_dir.filePath("kopie/Inna 2024-01-01 10.00.00.000.xml"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QCOMPARE(bookhistory::versions(path()).size(), bookhistory::MaxVersions);
    }

    void restoringKeepsTheCurrentBook()
    {
        bookhistory::writeKeeping(path(), book(1));
        bookhistory::writeKeeping(path(), book(2));
        const QString first = bookhistory::versions(path()).first().path;
        bookhistory::restore(path(), first);
        QCOMPARE(readAll(path()), book(1));
        QCOMPARE(contents(path()), QList<QByteArray>({book(2), book(1)}));
    }

    void aFailedWriteLosesNothing_data()
    {
        QTest::addColumn<bool>("links");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("afterBytes");
        QTest::newRow("book, linked, at once") << true << "Moja książka.xml" << 0;
        QTest::newRow("book, linked, half-way") << true << "Moja książka.xml" << 30;
        QTest::newRow("book, copied, half-way") << false << "Moja książka.xml" << 30;
        QTest::newRow("book, at the flush") << true << "Moja książka.xml" << -1;
    }
    void aFailedWriteLosesNothing()
    {
        QFETCH(bool, links);
        QFETCH(QString, failing);
        QFETCH(int, afterBytes);
        bookhistory::setHardLinksForTests(links);
        for (int n = 1; n <= 22; ++n)
            bookhistory::writeKeeping(path(), book(n));
        const QList<QByteArray> before = contents(path());
        QCOMPARE(before.size(), bookhistory::MaxVersions);
        safefile::failNextWriteForTests(failing, qMax(afterBytes, 0), afterBytes < 0);
        QVERIFY_THROWS_EXCEPTION(AppError, bookhistory::writeKeeping(path(), book(30)));
        QCOMPARE(readAll(path()), book(22));
        QCOMPARE(contents(path()), before);
    }

    void aVersionThatCannotBeKeptDoesNotStopTheWrite()
    {
        bookhistory::writeKeeping(path(), book(1));
        // A file where the folder of versions should be: nothing can be kept there.
        QFile blocker(bookhistory::folder(path()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        bookhistory::writeKeeping(path(), book(2));
        QCOMPARE(readAll(path()), book(2));
        QVERIFY(bookhistory::versions(path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBookHistory)
#include "tst_bookhistory.moc"
