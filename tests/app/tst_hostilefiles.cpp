// Files that are not what they claim: a FIFO or a folder as a book or a photo, a photo link that
// leads out of the photo folder, texts of a megabyte. The page answers each at once.
#include "CookbookFixture.h"

#include "cookbook/ShownText.h"
#include "platform/ErrorHandler.h"

#include <sys/stat.h>

using namespace cookbook_test;

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void specialFileAsBookIsRefused();
    void photoLinksStayInTheFolder();
    void longTextsAreShownBounded();
};

void TestHostileFiles::specialFileAsBookIsRefused()
{
    CookbookFixture f;
    f.openSample();
    const QStringList titles = f.listTitles();
    const QString fifo = f.env.file(QStringLiteral("fifo.xml"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, f.env.file(QStringLiteral("zdjecia"))}) {
        f.env.platform.fileAnswers.enqueue(path);
        runGuarded([&] { f.page->Otworz1Click(); });
        QCOMPARE(f.env.platform.lastError(),
            path + QStringLiteral(" nie jest zwykłym plikiem, więc program go nie odczyta."));
        QCOMPARE(f.page->BookPath(), f.bookPath());
        QCOMPARE(f.listTitles(), titles);
    }
}

void TestHostileFiles::photoLinksStayInTheFolder()
{
    CookbookFixture f;
    f.openSample();
    const QString photos = f.env.file(QStringLiteral("zdjecia/"));
    writePicture(f.env.file(QStringLiteral("outside.png")), {50, 50}, Qt::yellow);
    // schab2 leads out of the folder, schab3 to a picture inside it.
    QFile::remove(photos + QStringLiteral("schab2.png"));
    QVERIFY(QFile::link(f.env.file(QStringLiteral("outside.png")), photos + "schab2.png"));
    QFile::remove(photos + QStringLiteral("schab3.png"));
    QVERIFY(QFile::link(photos + QStringLiteral("schab1.png"), photos + "schab3.png"));

    f.clickTitle(3); // Schab wędzony, photos schab1..3
    QCOMPARE(f.photoCentre(), QColor(Qt::red));
    // x counts from the picture: the right half steps on, the left half back.
    auto step = [&](int x) { QTest::mouseClick(f.page->PhotoBox1, Qt::LeftButton, {}, {x, 100}); };
    step(300);
    QCOMPARE(f.photoCentre(), QColor()); // not shown
    step(300);
    QCOMPARE(f.photoCentre(), QColor(Qt::red)); // a link inside the folder is fine

    // A FIFO in place of a photo is named, not waited for.
    QFile::remove(photos + QStringLiteral("schab1.png"));
    QCOMPARE(mkfifo(QFile::encodeName(photos + "schab1.png").constData(), 0600), 0);
    f.env.platform.errors.clear();
    step(50);
    step(50);
    QVERIFY(f.env.platform.lastError().contains(QStringLiteral("nie jest zwykłym plikiem")));
}

void TestHostileFiles::longTextsAreShownBounded()
{
    CookbookFixture f;
    const QString title = QString(300'000, u'T');
    const QString method = QString(showntext::ViewCharacters + 10, u'm');
    writeFile(f.bookPath(),
        bookXml(QStringLiteral("<przepis tytul=\"%1\" porcje=\"1\"><kategoria nazwa=\"%1\"/>"
                               "<opis>%2</opis></przepis>"
                               "<przepis tytul=\"Ab\" porcje=\"1\"/>")
                    .arg(title, method)));
    f.page->startUp(f.bookPath());
    QCOMPARE(f.listTitles().size(), 2);
    QCOMPARE(f.listTitles()[1].size(), showntext::ItemCharacters + 1);
    QVERIFY(f.listTitles()[1].endsWith(QChar(0x2026)));
    QCOMPARE(f.node(QStringLiteral("Cała książka"))->child(0)->text(0), f.listTitles()[1]);

    // The whole title still finds its recipe, from the list and from the category node.
    f.clickTitle(1);
    QString shownTitle = f.viewTitle();
    shownTitle.remove(QChar(0x200B));
    QCOMPARE(shownTitle, title);
    QVERIFY(f.viewText().endsWith(QChar(0x2026)));
    QVERIFY(f.viewText().size() < showntext::ViewCharacters + 20000);
    f.clickNode(QStringLiteral("Cała książka"), f.listTitles()[1]);
    QCOMPARE(f.listTitles().size(), 1);
    QCOMPARE(f.page->CurrentRecipeIndex, 0);
    // The book itself keeps every character.
    QCOMPARE(f.page->book().root().przepisy()[0].opis().text(), method);
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
