// A save that fails half-way (a full disk) must leave the old file byte for byte and say so:
// the settings file, an export and the book, each through the window that writes it.
#include "AppFixture.h"

#include "app/PageBackground.h"
#include "core/SafeFile.h"

namespace {

// Byte counts at which a write is cut: nothing, one byte, one short of the whole file, and at
// the flush (-1).
QList<qint64> cutPoints(qint64 size)
{
    return {0, 1, size / 2, size - 1, -1};
}

void planFault(const QString &path, qint64 cut)
{
    safefile::failNextWriteForTests(QFileInfo(path).fileName(), cut < 0 ? 0 : cut, cut < 0);
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { safefile::clearFaultsForTests(); }

    void failedSavesKeepTheOldFile()
    {
        AppFixture f;
        const QString unable = QStringLiteral("Unable to write to ") + f.settings();
        f.trigger("Wersjamokre1");
        f.type("Edit11", "78");
        QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
        const QByteArray saved = readAll(f.settings());
        QVERIFY(saved.contains("peklosol=78"));

        for (const qint64 cut : cutPoints(saved.size())) {
            f.env.platform.errors.clear();
            f.trigger("Wersjamokre1");
            f.type("Edit11", "90");
            planFault(f.settings(), cut);
            QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
            QCOMPARE(f.env.platform.errors, QStringList {unable});
            QCOMPARE(readAll(f.settings()), saved);
            QCOMPARE(filesIn(f.env.dir()), QStringList {QStringLiteral("Ustawienia.ini")});
            // The rest of the save was skipped: the panel stays open for another try.
            QVERIFY(f.get<QWidget>("Panel8")->isVisible());
        }
        // The dry proportions likewise.
        QTest::mouseClick(f.get<QPushButton>("Button10"), Qt::LeftButton);
        f.showPage(1);
        f.trigger("Wersjasuche1");
        planFault(f.settings(), 1);
        QTest::mouseClick(f.get<QPushButton>("Button7"), Qt::LeftButton);
        QCOMPARE(f.env.platform.lastError(), unable);
        QCOMPARE(readAll(f.settings()), saved);
        QVERIFY(f.get<QWidget>("Panel2")->isVisible());

        // An export likewise.
        QTest::mouseClick(f.get<QPushButton>("Button8"), Qt::LeftButton);
        f.showPage(0);
        const QString target = f.env.file("obliczenia.txt");
        auto save = [&] {
            f.env.platform.fileAnswers.enqueue(target);
            f.rightClick(f.get<PageBackground>("Image1"));
            f.clickItem(f.form->PopupMenu1, "Zapiszobliczenia1");
        };
        f.type("Edit1", "1");
        save();
        const QByteArray first = readAll(target);
        QVERIFY(first.contains("76 - 80 g"));

        f.type("Edit1", "2");
        for (const qint64 cut : cutPoints(first.size())) {
            f.env.platform.errors.clear();
            planFault(target, cut);
            save();
            QCOMPARE(f.env.platform.errors.join(u'|'), "Unable to write to " + target);
            QCOMPARE(readAll(target), first);
        }

        // The book likewise.
        f.openSample();
        // Written once by the program, so the file is what a failed rewrite must give back.
        f.trigger("Zapisz1");
        const QByteArray book = readAll(f.bookPath());
        const QStringList titles = f.listTitles();
        const QString unableBook = QStringLiteral("Unable to write to ") + f.bookPath();

        for (const qint64 cut : cutPoints(book.size())) {
            f.env.platform.errors.clear();
            planFault(f.bookPath(), cut);
            f.trigger("Zapisz1");
            QCOMPARE(f.env.platform.errors, QStringList {unableBook});
            QCOMPARE(readAll(f.bookPath()), book);
            QCOMPARE(f.listTitles(), titles);
        }

        // A change that cannot be written stays in memory, and the browser keeps the open book.
        f.clickTitle(0);
        f.env.platform.answers.enqueue(Platform::Answer::Yes);
        planFault(f.bookPath(), 10);
        f.trigger("Usunprzepis1");
        QCOMPARE(f.env.platform.lastError(), unableBook);
        QCOMPARE(readAll(f.bookPath()), book);
        QCOMPARE(f.listTitles().size(), 4);
        QCOMPARE(f.cookbook()->BookPath(), f.bookPath());

        // Temporary files of writes cut short by a crash are removed at the next start.
        for (const char *name : {"Ustawienia.ini.Ab12Cd", "Moja książka.xml.x9Y8z7",
                 "Ustawienia.ini.stare", "inny.txt"})
            writeFile(f.env.file(QString::fromUtf8(name)), "x");
        f.restart();
        QCOMPARE(filesIn(f.env.dir()),
            QStringList({"Moja książka.xml", "Ustawienia.ini", "Ustawienia.ini.stare", "inny.txt",
                "obliczenia.txt"}));
        QCOMPARE(f.cookbook()->BookPath(), f.bookPath());
    }
};

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
