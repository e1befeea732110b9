#include "CookbookFixture.h"

#include "cookbook/XmlService.h"
#include "platform/ErrorHandler.h"

using namespace cookbook_test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCookbookFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void firstRunWithoutBook();
    void newBookThenSaveAsksForAName();
    void saveAsMovesBothPaths();
    void velmaroBookKeepsItsRoot();
    void badBookChangesNothing_data();
    void badBookChangesNothing();
    void unreadableRememberedBookLeavesANewOne();
};

void TestCookbookFiles::firstRunWithoutBook()
{
    CookbookFixture f;
    QSignalSpy paths(f.page, &CookbookPage::bookPathChanged);
    f.page->startUp(f.bookPath());
    QVERIFY(f.env.platform.messages.isEmpty());
    QCOMPARE(f.page->TreeView1->topLevelItemCount(), 0);
    QVERIFY(f.listTitles().isEmpty());
    QVERIFY(f.page->BookPath().isEmpty());

    const QString target = f.env.file(QStringLiteral("nowa.xml"));
    f.env.platform.fileAnswers << target;
    f.page->Zapisz1Click();
    QVERIFY(readAll(target).startsWith(XmlService::bookPrologue()));
    QCOMPARE(f.page->BookPath(), target);
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal : nowa"));
    QCOMPARE(paths.size(), 1);
    QCOMPARE(paths[0][0].toString(), target);
    // The new book's one empty recipe shows as an empty line once saved and reloaded.
    QCOMPARE(f.listTitles(), QStringList({QString()}));
}

void TestCookbookFiles::newBookThenSaveAsksForAName()
{
    CookbookFixture f;
    f.openSample();
    const QString title = f.title;
    f.page->Nowa1Click();
    QCOMPARE(f.page->TreeView1->topLevelItemCount(), 0);
    QVERIFY(f.listTitles().isEmpty());
    QVERIFY(f.viewText().isEmpty());
    QCOMPARE(f.title, title);
    f.page->Zapisz1Click(); // cancelled
    QCOMPARE(f.env.platform.fileDialogs.size(), 1);
    QVERIFY(f.page->BookPath().isEmpty());
    QCOMPARE(f.page->LastBookPath(), f.bookPath());
    QCOMPARE(Book::fromFile(f.bookPath()).root().przepisy().count(), 5);
}

void TestCookbookFiles::saveAsMovesBothPaths()
{
    CookbookFixture f;
    f.openSample();
    // A failed write keeps the book where it was.
    const QString missing = f.env.file(QStringLiteral("brak/folderu/x.xml"));
    f.env.platform.fileAnswers << missing;
    runGuarded([&] { f.page->Zapiszjako1Click(); });
    QVERIFY2(f.env.platform.lastError().startsWith(QStringLiteral("Unable to write to")),
        qPrintable(f.env.platform.lastError()));
    QCOMPARE(f.page->BookPath(), f.bookPath());
    QVERIFY(!QFileInfo::exists(missing));

    const QString target = f.env.file(QStringLiteral("kopia.xml"));
    f.env.platform.fileAnswers << target;
    f.page->Zapiszjako1Click();
    QCOMPARE(f.page->BookPath(), target);
    QCOMPARE(f.page->LastBookPath(), target);
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal : kopia"));
}

void TestCookbookFiles::velmaroBookKeepsItsRoot()
{
    CookbookFixture f;
    // The book name is cut at the first full stop.
    const QString path = f.env.file(QStringLiteral("stara.old.xml"));
    writeFile(path, bookXml(QString::fromUtf8(kRecipes), QStringLiteral("Velmaro")));
    f.env.platform.fileAnswers << path;
    f.page->Otworz1Click();
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal Velmaro: stara"));
    QCOMPARE(f.page->LastBookPath(), path);
    f.page->Zapisz1Click();
    QVERIFY(readAll(path).contains("<Velmaro"));
    QCOMPARE(f.title, QStringLiteral("Solvarin autor Orvendal Velmaro: stara"));
}

void TestCookbookFiles::badBookChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("title");
    const QString unchanged = QStringLiteral("Solvarin autor Orvendal : Moja książka");
    QTest::newRow("not well-formed") << QByteArray("<Solvarin><przepisy></Solvarin>")
                                     << "Opening and ending tag mismatch" << unchanged;
    QTest::newRow("truncated") << bookXml().left(300) << "line" << unchanged;
    QTest::newRow("wrong root") << QByteArray("<Ksiazka><przepisy/></Ksiazka>") << QString()
                                << "ta baza jest nie jadajna :(";
}

void TestCookbookFiles::badBookChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QFETCH(QString, title);
    CookbookFixture f;
    f.openSample();
    const QStringList titles = f.listTitles();
    const QString view = f.viewText();
    QSignalSpy paths(f.page, &CookbookPage::bookPathChanged);
    const QString bad = f.env.file(QStringLiteral("zla.xml"));
    writeFile(bad, content);
    f.env.platform.fileAnswers << bad;
    runGuarded([&] { f.page->Otworz1Click(); });
    if (error.isEmpty())
        QVERIFY(f.env.platform.errors.isEmpty());
    else
        QVERIFY2(
            f.env.platform.lastError().contains(error), qPrintable(f.env.platform.lastError()));
    QCOMPARE(f.title, title);
    QCOMPARE(f.page->BookPath(), f.bookPath());
    QCOMPARE(f.page->LastBookPath(), f.bookPath());
    QVERIFY(paths.isEmpty());
    QCOMPARE(f.listTitles(), titles);
    QCOMPARE(f.viewText(), view);
}

void TestCookbookFiles::unreadableRememberedBookLeavesANewOne()
{
    CookbookFixture f;
    writeFile(f.bookPath(), QByteArray("<Solvarin><przepisy>"));
    f.page->startUp(f.bookPath());
    QCOMPARE(f.env.platform.messages.size(), 1);
    const auto message = f.env.platform.messages.first();
    QVERIFY(message.text.contains(QStringLiteral("Moja książka.xml")));
    QVERIFY2(message.text.contains(QStringLiteral("line 1")), qPrintable(message.text));
    QVERIFY(message.text.contains(QStringLiteral("nową, pustą książkę")));
    QVERIFY(f.page->BookPath().isEmpty());
    QCOMPARE(f.page->TreeView1->topLevelItemCount(), 0);
    QCOMPARE(f.page->book().root().przepisy().count(), 1);
    // The remembered path stays, so the next run tries the same book again.
    QCOMPARE(f.page->LastBookPath(), f.bookPath());
}

QTEST_MAIN(TestCookbookFiles)
#include "tst_cookbookfiles.moc"
