// Files that are not what they claim: a FIFO or a folder as a book or a photo, photo names and
// links that lead out of the photo folder, texts of a megabyte. The page answers each at once.
#include "AppFixture.h"

#include "cookbook/ShownText.h"

#include <sys/stat.h>

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void hostileBooksAndPhotos()
    {
        AppFixture f;
        const QString photos = f.env.file("zdjecia/"), outside = f.env.file("outside.png");
        writePicture(outside, {50, 50}, Qt::yellow);
        f.openSample(
            QStringLiteral("<przepis tytul=\"Obce\" porcje=\"1\" zdjecie=\"../outside.png\">"
                           "<zdjecia nazwa=\"schab1.png\"/><zdjecia nazwa=\"..\\outside.png\"/>"
                           "<zdjecia nazwa=\"%1\"/><zdjecia nazwa=\"..\"/></przepis>")
                .arg(outside));
        // A FIFO or a folder chosen as a book is refused at once.
        const QStringList titles = f.listTitles();
        const QString fifo = f.env.file("fifo.xml");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString &path : {fifo, f.env.file(QStringLiteral("zdjecia"))}) {
            f.env.platform.fileAnswers.enqueue(path);
            f.trigger("Otworz1");
            QCOMPARE(f.env.platform.lastError(),
                path + " nie jest zwykłym plikiem, więc program go nie odczyta.");
            QCOMPARE(f.cookbook()->BookPath(), f.bookPath());
            QCOMPARE(f.listTitles(), titles);
        }
        // Photo names with a folder part, whatever the separator, and ".." lead nowhere.
        f.env.platform.errors.clear();
        f.clickTitle(3);
        QCOMPARE(f.photoCentre(), QColor());
        for (int i = 0; i < 3; ++i) {
            f.pressPhoto(300);
            QCOMPARE(f.photoCentre(), QColor());
        }
        for (int i = 0; i < 3; ++i)
            f.pressPhoto(50);
        QCOMPARE(f.photoCentre(), QColor(Qt::red));
        QVERIFY(f.env.platform.errors.isEmpty());

        // Links: schab2 leads out of the folder, schab3 to a picture inside it.
        QFile::remove(photos + "schab2.png");
        QVERIFY(QFile::link(outside, photos + "schab2.png"));
        QFile::remove(photos + "schab3.png");
        QVERIFY(QFile::link(photos + QStringLiteral("schab1.png"), photos + "schab3.png"));
        f.clickTitle(4); // Schab wędzony, photos schab1..3
        QCOMPARE(f.photoCentre(), QColor(Qt::red));
        f.pressPhoto(300);
        QCOMPARE(f.photoCentre(), QColor()); // not shown
        f.pressPhoto(300);
        QCOMPARE(f.photoCentre(), QColor(Qt::red)); // a link inside the folder is fine

        // A FIFO in place of a photo is named, not waited for.
        QFile::remove(photos + "schab1.png");
        QCOMPARE(mkfifo(QFile::encodeName(photos + "schab1.png").constData(), 0600), 0);
        f.env.platform.errors.clear();
        f.pressPhoto(50);
        f.pressPhoto(50);
        QVERIFY(f.env.platform.lastError().contains(QStringLiteral("nie jest zwykłym plikiem")));

        // Texts of a megabyte are shown bounded.
        const QString title = QString(300'000, u'T');
        const QString method = QString(showntext::ViewCharacters + 10, u'm');
        f.openBook(
            bookXml(QStringLiteral("<przepis tytul=\"%1\" porcje=\"1\"><kategoria nazwa=\"%1\"/>"
                                   "<opis>%2</opis></przepis>"
                                   "<przepis tytul=\"Ab\" porcje=\"1\"/>")
                        .arg(title, method)));
        QCOMPARE(f.listTitles().size(), 2);
        QCOMPARE(f.listTitles()[1].size(), showntext::ItemCharacters + 1);
        QVERIFY(f.listTitles()[1].endsWith(QChar(0x2026)));
        QCOMPARE(f.node("Cała książka")->child(0)->text(0), f.listTitles()[1]);

        // The whole title still finds its recipe, from the list and from the category node.
        f.clickTitle(1);
        QCOMPARE(f.viewTitle().remove(QChar(0x200B)), title);
        QVERIFY(f.viewText().endsWith(QChar(0x2026)));
        QVERIFY(f.viewText().size() < showntext::ViewCharacters + 20000);
        f.clickNode("Cała książka", f.listTitles()[1]);
        QCOMPARE(f.listTitles().size(), 1);
        QCOMPARE(f.cookbook()->CurrentRecipeIndex, 0);
        // The book itself keeps every character.
        QCOMPARE(f.cookbook()->book().root().przepisy()[0].opis().text(), method);
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
