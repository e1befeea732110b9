#include "CookbookFixture.h"

#include "app/PhotoFolder.h"

#include <QPushButton>

using namespace cookbook_test;

namespace {

const QColor kRed(Qt::red), kGreen(Qt::green), kBlue(Qt::blue);

void pressPhoto(CookbookFixture &f, int x)
{
    // x counts from the picture, inside the 2-pixel frame.
    QTest::mouseClick(f.page->PhotoBox1, Qt::LeftButton, {}, QPoint(x + 2, 100));
}

} // namespace

class TestCookbookPhotos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void fitRect_data();
    void fitRect();
    void clicksStepThroughThePhotos();
    void firstPhotoWithoutList();
    void unsafeNamesAreNotFollowed_data();
    void unsafeNamesAreNotFollowed();
    void folderAndNameIgnoreLetterCase();
    void printing();
    void webButton();
    void secondViewFollows();
    void enterAddsNoLine();
};

void TestCookbookPhotos::fitRect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("wide is cut, -34,5 to even") << QSize(400, 200) << QRect(-34, 0, 425, 213);
    QTest::newRow("narrow leaves margins") << QSize(200, 400) << QRect(125, 0, 107, 213);
    QTest::newRow("square") << QSize(300, 300) << QRect(72, 0, 213, 213);
}

void TestCookbookPhotos::fitRect()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);
    QCOMPARE(PhotoBox::fitRect(picture, QSize(357, 213)), drawn);
}

void TestCookbookPhotos::clicksStepThroughThePhotos()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(3); // Schab wędzony: schab1..3 red, green, blue
    QCOMPARE(f.photoCentre(), kRed);
    const QColor expected[] = {kGreen, kBlue, kBlue};
    for (const QColor &c : expected) {
        pressPhoto(f, 300);
        QCOMPARE(f.photoCentre(), c);
    }
    pressPhoto(f, 50);
    QCOMPARE(f.photoCentre(), kGreen);
    pressPhoto(f, 150);
    QCOMPARE(f.photoCentre(), kGreen);
    QCOMPARE(f.page->PhotoIndex, 1);
    pressPhoto(f, 99);
    pressPhoto(f, 99);
    QCOMPARE(f.page->PhotoIndex, 0);
    // A new rendering starts again at the first photo.
    f.typePortions(QStringLiteral("2"));
    QCOMPARE(f.page->PhotoIndex, 0);
    QCOMPARE(f.photoCentre(), kRed);
    // A picture that cannot be read is reported and the shown one stays.
    writeFile(f.env.file(QStringLiteral("zdjecia/schab2.png")), QByteArray("to nie jest obrazek"));
    pressPhoto(f, 300);
    QVERIFY2(f.env.platform.lastError().startsWith(QStringLiteral("schab2.png: ")),
        qPrintable(f.env.platform.lastError()));
    QCOMPARE(f.photoCentre(), kRed);
}

void TestCookbookPhotos::firstPhotoWithoutList()
{
    CookbookFixture f;
    writeFile(f.bookPath(),
        bookXml(QStringLiteral("<przepis tytul=\"A\" porcje=\"1\" zdjecie=\"a.png\"/>")));
    writePicture(f.env.file(QStringLiteral("zdjecia/a.png")), {357, 213}, kGreen);
    f.page->startUp(f.bookPath());
    pressPhoto(f, 300);
    QCOMPARE(f.photoCentre(), kGreen);
}

void TestCookbookPhotos::unsafeNamesAreNotFollowed_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../sekret.png";
    QTest::newRow("parent, other separator") << "..\\sekret.png";
    QTest::newRow("absolute") << "@ABS@";
    QTest::newRow("dot dot") << "..";
}

void TestCookbookPhotos::unsafeNamesAreNotFollowed()
{
    QFETCH(QString, name);
    CookbookFixture f;
    const QString secret = f.env.file(QStringLiteral("ksiazki/sekret.png"));
    writePicture(secret, {100, 100}, kRed);
    writePicture(f.env.file(QStringLiteral("ksiazki/zdjecia/dobre.png")), {100, 100}, kGreen);
    name.replace(QStringLiteral("@ABS@"), secret);
    const QString book = f.env.file(QStringLiteral("ksiazki/k.xml"));
    writeFile(book,
        bookXml(QStringLiteral("<przepis tytul=\"A\" porcje=\"1\" zdjecie=\"%1\">"
                               "<zdjecia nazwa=\"dobre.png\"/><zdjecia nazwa=\"%1\"/>"
                               "</przepis>")
                    .arg(name.toHtmlEscaped())));
    f.page->startUp(book);
    QVERIFY(f.env.platform.errors.isEmpty());
    QVERIFY(f.page->PhotoBox1->picture().isNull());
    pressPhoto(f, 10);
    QCOMPARE(f.photoCentre(), kGreen);
    pressPhoto(f, 300);
    QVERIFY(f.page->PhotoBox1->picture().isNull());
    QVERIFY(PhotoFolder(QString()).photoPath(QStringLiteral("dobre.png")).isEmpty());
}

void TestCookbookPhotos::folderAndNameIgnoreLetterCase()
{
    TestEnv env;
    writePicture(env.file(QStringLiteral("Zdjecia/Foto.PNG")), {10, 10}, kRed);
    const PhotoFolder folder(env.file(QStringLiteral("k.xml")));
    QCOMPARE(
        folder.photoPath(QStringLiteral("foto.png")), env.file(QStringLiteral("Zdjecia/Foto.PNG")));
    QVERIFY(folder.photoPath(QStringLiteral("inne.png")).isEmpty());
}

void TestCookbookPhotos::printing()
{
    CookbookFixture f;
    f.openSample();
    f.clickTitle(3);
    f.page->Drukujprzepis3->trigger();
    QCOMPARE(f.env.platform.printedDocuments, QStringList({f.viewText()}));
    QVERIFY(f.env.platform.messages.isEmpty());

    // Without a printer a PDF file is offered instead.
    f.env.platform.printedDocuments.clear();
    f.env.platform.printerPresent = false;
    f.env.platform.answers << Platform::Answer::No;
    f.page->Drukujprzepis1Click();
    QCOMPARE(f.env.platform.messages.size(), 1);
    QVERIFY(f.env.platform.fileDialogs.isEmpty());
    const QString pdf = f.env.file(QStringLiteral("schab.pdf"));
    f.env.platform.answers << Platform::Answer::Yes;
    f.env.platform.fileAnswers << pdf;
    f.page->Drukujprzepis2->trigger();
    QCOMPARE(QFileInfo(f.env.platform.fileDialogs.value(0).fileName).fileName(),
        QStringLiteral("Schab wędzony.pdf"));
    QCOMPARE(f.env.platform.pdfFiles, QStringList({pdf}));
    QCOMPARE(f.env.platform.printedDocuments, QStringList({f.viewText()}));
}

void TestCookbookPhotos::webButton()
{
    CookbookFixture f;
    const QString recipes = QString::fromUtf8(kRecipes)
        + QStringLiteral("<przepis tytul=\"Zły adres\" porcje=\"1\" www=\"file:///etc/passwd\"/>");
    writeFile(f.bookPath(), bookXml(recipes));
    f.page->startUp(f.bookPath());
    QPushButton *www = f.page->WwwButton;
    QVERIFY(!www->isEnabled()); // Boczek parzony has none
    f.clickTitle(3);
    QVERIFY(www->isEnabled());
    QTest::mouseClick(www, Qt::LeftButton);
    QCOMPARE(f.env.platform.openedUrls,
        QList<QUrl>({QUrl(QStringLiteral("https://example.org/schab"))}));
    QCOMPARE(f.title, QStringLiteral("https://example.org/schab"));
    f.clickTitle(f.listTitles().indexOf(QStringLiteral("Zły adres")));
    QTest::mouseClick(www, Qt::LeftButton);
    QCOMPARE(f.env.platform.openedUrls.size(), 1);
    QCOMPARE(f.env.platform.messages.size(), 1);
}

void TestCookbookPhotos::secondViewFollows()
{
    CookbookFixture f;
    QTextEdit second;
    f.page->setDescriptionView(&second);
    QSignalSpy titles(f.page, &CookbookPage::descriptionTitleChanged);
    f.openSample();
    f.clickTitle(3);
    QCOMPARE(second.toPlainText(), f.viewText());
    QCOMPARE(titles.last().at(0).toString(), QStringLiteral("Schab wędzony"));
    f.page->Nowa1Click();
    QVERIFY(second.toPlainText().isEmpty());
}

void TestCookbookPhotos::enterAddsNoLine()
{
    CookbookFixture f;
    f.openSample();
    const int blocks = f.page->RichEdit1->document()->blockCount();
    f.page->RichEdit1->setFocus();
    QTest::keyClick(f.page->RichEdit1, Qt::Key_Return);
    QTest::keyClick(f.page->RichEdit1, Qt::Key_Enter);
    QCOMPARE(f.page->RichEdit1->document()->blockCount(), blocks);
}

QTEST_MAIN(TestCookbookPhotos)
#include "tst_cookbookphotos.moc"
