// The program's own start: the first page is painted before the rest of the window is built, and
// the rest is there before anything the user does is handled.
#include "AppFixture.h"

#include "app/DryCuringPage.h"
#include "app/PageBackground.h"
#include "app/WetCuringPage.h"

namespace {
QStringList objectNames(const QObject &root)
{
    QStringList names;
    for (const QObject *o : root.findChildren<QObject *>())
        if (!o->objectName().isEmpty())
            names << o->objectName();
    names.sort();
    return names;
}

// Runs `atPaint` as the bench does: once the window's first paint is done, before anything
// posted after it.
class AfterFirstPaint : public QObject
{
public:
    explicit AfterFirstPaint(std::function<void()> atPaint)
        : m_atPaint(std::move(atPaint))
    { }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_atPaint)
            QTimer::singleShot(0, this, std::exchange(m_atPaint, {}));
        return false;
    }

private:
    std::function<void()> m_atPaint;
};

std::unique_ptr<TForm1> firstPageFirst()
{
    return std::make_unique<TForm1>(nullptr, TForm1::Assembly::FirstPageFirst);
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstPaintThenTheSameWindow()
    {
        AppFixture f(false);
        const QString corrupt = f.env.file(QStringLiteral("zepsuty.jpg"));
        writeFile(corrupt, "\xFF\xD8\xFF\xE0 not a picture");
        writePicture(f.env.file("Tlo_suche.jpg"), {40, 30}, Qt::red);
        writeFile(f.env.file("przepisy.xml"), bookXml());
        {
            IniFile ini(f.settings());
            ini.writeString("Tlo", "mokre", corrupt);
            ini.writeString("Tlo", "suche", f.env.file("Tlo_suche.jpg"));
            ini.writeString("ksiazka", "baza", f.env.file("przepisy.xml"));
        }
        f.start();
        const QImage whole = f.form->WetPage->grab().toImage();
        const QStringList wholeNames = objectNames(*f.form);
        const QStringList wholeErrors = f.env.platform.errors;
        QCOMPARE(wholeErrors.size(), 1);
        f.form.reset();
        f.env.platform.errors.clear();

        auto form = firstPageFirst();
        QVERIFY(!form->isWhole() && !form->DryPage && !form->findChild<QWidget *>("Image2"));
        QImage atPaint;
        bool wholeAtPaint = true;
        qsizetype errorsAtPaint = -1;
        AfterFirstPaint probe([&] {
            wholeAtPaint = form->isWhole();
            errorsAtPaint = f.env.platform.errors.size();
            atPaint = form->WetPage->grab().toImage();
        });
        form->installEventFilter(&probe);
        form->show();
        QTRY_VERIFY(!atPaint.isNull());
        // The first paint shows the first page as the whole window does, settings applied.
        QVERIFY(!wholeAtPaint);
        QCOMPARE(atPaint, whole);
        QCOMPARE(errorsAtPaint, 0);
        // Right after it: every control, the settings of the other pages, one report for both
        // unreadable pictures, the book.
        QTRY_VERIFY_WITH_TIMEOUT(form->isWhole(), 500); // not left to the fallback
        QCOMPARE(objectNames(*form), wholeNames);
        QCOMPARE(f.env.platform.errors, wholeErrors);
        QVERIFY(f.env.platform.errors[0].contains("zepsuty.jpg"));
        QVERIFY(
            form->findChild<PageBackground *>("Image2")->picture().pixelColor(5, 5).red() > 200);
        QCOMPARE(form->windowTitle(), "Solvarin autor Orvendal : przepisy");
    }

    void inputBeforeCompletionAndEarlyClose()
    {
        AppFixture f(false);
        writeFile(f.env.file("przepisy.xml"), bookXml());
        IniFile(f.settings()).writeString("ksiazka", "baza", f.env.file("przepisy.xml"));
        // A key pressed before the rest is built reaches a whole window.
        auto form = firstPageFirst();
        auto *edit = form->WetPage->findChild<QLineEdit *>("Edit1");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QVERIFY(form->isWhole() && form->DryPage && form->CookbookPage1);
        QTest::keyClick(form.get(), Qt::Key_Home); // and nothing is built twice
        QCOMPARE(form->findChildren<DryCuringPage *>().size(), 1);

        // Closed at once (or by the end of the session): nothing is built, asked or written, not
        // even by the completion its first paint asked for. Shown again, it carries on.
        form = firstPageFirst();
        const QByteArray settings = readAll(f.settings());
        AfterFirstPaint closeAtPaint([&] { form->close(); });
        form->installEventFilter(&closeAtPaint);
        form->show();
        QTRY_VERIFY(!form->isVisible());
        QTest::qWait(50);
        QVERIFY(!form->isWhole());
        QCOMPARE(readAll(f.settings()), settings);
        form->show();
        QTRY_VERIFY(form->isWhole());
        form->close();
        QCOMPARE(f.saved("ksiazka", {"baza", "edytor"}), f.env.file("przepisy.xml") + "|0");

        // A window never painted is completed all the same.
        form = firstPageFirst();
        QTRY_VERIFY_WITH_TIMEOUT(form->isWhole(), 5000);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
