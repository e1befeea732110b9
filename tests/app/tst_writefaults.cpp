// A save that fails half-way (a full disk) must leave the old file byte for byte and say so:
// the settings file, an export and the book, each through the window that writes it.
#include "CookbookFixture.h"
#include "FormFixture.h"

#include "app/PageBackground.h"
#include "app/WetCuringPage.h"
#include "core/AppPaths.h"
#include "core/SafeFile.h"
#include "platform/ErrorHandler.h"

#include <QPushButton>

using namespace cookbook_test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

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
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void cleanup() { safefile::clearFaultsForTests(); }
    void settingsSurviveAFailedSave();
    void exportSurvivesAFailedSave();
    void bookSurvivesAFailedSave();
    void leftoversAreRemovedAtStart();
};

void TestWriteFaults::settingsSurviveAFailedSave()
{
    FormFixture f;
    const QString settings = AppPaths::settingsFile();
    f.form->WetPage->showOwnPanel();
    f.type("Edit11", QStringLiteral("78"));
    f.type("Edit12", QStringLiteral("1,5"));
    QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
    const QByteArray saved = readAll(settings);
    QVERIFY(saved.contains("peklosol=78"));

    for (const qint64 cut : cutPoints(saved.size())) {
        f.env.platform.errors.clear();
        f.form->WetPage->showOwnPanel();
        f.type("Edit11", QStringLiteral("90"));
        planFault(settings, cut);
        QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
        QCOMPARE(
            f.env.platform.errors, QStringList {QStringLiteral("Unable to write to ") + settings});
        QCOMPARE(readAll(settings), saved);
        QCOMPARE(filesIn(f.env.dir()), QStringList {QStringLiteral("Ustawienia.ini")});
    }
}

void TestWriteFaults::exportSurvivesAFailedSave()
{
    FormFixture f;
    const QString target = f.env.file(QStringLiteral("obliczenia.txt"));
    auto save = [&] {
        f.env.platform.fileAnswers.enqueue(target);
        auto *background = f.form->PageControl1->currentWidget()->findChild<PageBackground *>();
        f.rightClick(background);
        f.clickItem(f.form->PopupMenu1, "Zapiszobliczenia1");
    };
    f.type("Edit1", QStringLiteral("1"));
    save();
    const QByteArray first = readAll(target);
    QVERIFY(first.contains("76 - 80 g"));

    f.type("Edit1", QStringLiteral("2"));
    for (const qint64 cut : cutPoints(first.size())) {
        f.env.platform.errors.clear();
        planFault(target, cut);
        save();
        QCOMPARE(
            f.env.platform.errors, QStringList {QStringLiteral("Unable to write to ") + target});
        QCOMPARE(readAll(target), first);
    }
}

void TestWriteFaults::bookSurvivesAFailedSave()
{
    CookbookFixture f;
    f.openSample();
    // Written once by the program, so the file is what a failed rewrite must give back.
    f.page->Zapisz1Click();
    const QByteArray book = readAll(f.bookPath());
    const QStringList titles = f.listTitles();

    for (const qint64 cut : cutPoints(book.size())) {
        f.env.platform.errors.clear();
        planFault(f.bookPath(), cut);
        runGuarded([&] { f.page->Zapisz1Click(); });
        QCOMPARE(f.env.platform.errors,
            QStringList {QStringLiteral("Unable to write to ") + f.bookPath()});
        QCOMPARE(readAll(f.bookPath()), book);
        QCOMPARE(f.listTitles(), titles);
    }

    // A change that cannot be written stays in memory, and the browser keeps the open book.
    f.clickTitle(0);
    f.env.platform.answers.enqueue(Platform::Answer::Yes);
    planFault(f.bookPath(), 10);
    runGuarded([&] { f.page->Usunprzepis1Click(); });
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("Unable to write to ") + f.bookPath());
    QCOMPARE(readAll(f.bookPath()), book);
    QCOMPARE(f.page->book().root().przepisy().count(), 4);
    QCOMPARE(f.page->BookPath(), f.bookPath());
}

void TestWriteFaults::leftoversAreRemovedAtStart()
{
    TestEnv env;
    const QString book = env.file(QStringLiteral("Moja książka.xml"));
    writeFile(book, bookXml());
    for (const char *name :
        {"Ustawienia.ini.Ab12Cd", "Moja książka.xml.x9Y8z7", "Ustawienia.ini.stare", "inny.txt"})
        writeFile(env.file(QString::fromUtf8(name)), "x");
    initSolvarinAssets();
    TForm1 form;
    QCOMPARE(filesIn(env.dir()),
        QStringList({QStringLiteral("Moja książka.xml"), QStringLiteral("Ustawienia.ini.stare"),
            QStringLiteral("inny.txt")}));
    QCOMPARE(form.CookbookPage1->BookPath(), book);
}

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
