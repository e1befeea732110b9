#include "FormFixture.h"

#include "app/TForm2.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void opensModallyAndOkCloses();
    void authorLabelOpensMailLink();
};

namespace {
// Runs "Pomoc" > "O programie" with a script acting on the box while it is shown.
void openAbout(FormFixture &f, const std::function<void(TForm2 &)> &script)
{
    f.env.platform.modalScripts.enqueue([script](QDialog &dialog) {
        auto *box = qobject_cast<TForm2 *>(&dialog);
        if (!box)
            qFatal("the about box was not shown");
        box->show();
        if (!QTest::qWaitForWindowExposed(box))
            qFatal("the about box did not show");
        script(*box);
        return box->result();
    });
    f.form->action(QStringLiteral("Oprogramie1"))->trigger();
    QVERIFY(f.env.platform.modalScripts.isEmpty());
}
} // namespace

void TestAboutBox::opensModallyAndOkCloses()
{
    FormFixture f;
    QPointer<TForm2> seen;
    bool closedByOk = false;
    openAbout(f, [&](TForm2 &box) {
        seen = &box;
        QCOMPARE(box.parentWidget(), f.form.get());
        QCOMPARE(box.size(), QSize(307, 169));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.windowTitle(), QStringLiteral("O programie"));
        QVERIFY(
            !(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        QCOMPARE(box.Image1->size(), QSize(105, 121));
        QVERIFY(!box.Image1->pixmap().isNull());
        QVERIFY(box.Image1->hasScaledContents());
        QVERIFY(box.Image1->frameWidth() > 0);

        QCOMPARE(box.Label1->text(), QStringLiteral("Autor: Orvendal"));
        QCOMPARE(box.Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QVERIFY(box.Label1->x() > box.Image1->geometry().right());
        QVERIFY(box.Label1->geometry().bottom() < box.Button1->y());
        QVERIFY(QRect(QPoint(), box.size()).contains(box.Label1->geometry()));

        QCOMPARE(box.Button1->text(), QStringLiteral("Ok"));
        QCOMPARE(box.Button1->size(), QSize(75, 25));
        QVERIFY(QRect(QPoint(), box.size()).contains(box.Button1->geometry()));
        QTest::mouseClick(box.Button1, Qt::LeftButton);
        closedByOk = !box.isVisible() && box.result() == QDialog::Accepted;
    });
    QVERIFY(closedByOk);
    QVERIFY(seen.isNull()); // destroyed when closed
    QVERIFY(f.env.platform.openedUrls.isEmpty());
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestAboutBox::authorLabelOpensMailLink()
{
    FormFixture f;
    bool stillOpen = false;
    openAbout(f, [&](TForm2 &box) {
        QTest::mouseClick(box.Label1, Qt::LeftButton);
        stillOpen = box.isVisible();
        box.reject();
    });
    QVERIFY(stillOpen);
    QCOMPARE(f.env.platform.openedUrls.size(), 1);
    const QUrl link = f.env.platform.openedUrls.first();
    QCOMPARE(link.scheme(), QStringLiteral("mailto"));
    QVERIFY(link.path().contains(u'@'));
    QVERIFY(f.env.platform.errors.isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
