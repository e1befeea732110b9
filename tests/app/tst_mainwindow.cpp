// The main window: its shape and menus, the decimal-input rule of the numeric fields, the web
// buttons and the about box, what it reads at start and writes at close.
#include "AppFixture.h"

#include "app/PageBackground.h"
#include "app/TForm2.h"

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void shapeMenusInputAndAboutBox()
    {
        AppFixture f;
        // No book yet, and nothing to say about it.
        QVERIFY(f.env.platform.messages.isEmpty() && f.cookbook()->BookPath().isEmpty());
        QCOMPARE(f.form->windowTitle(), "Solvarin  autor Orvendal");
        QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
        QVERIFY(!(f.form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QTabWidget *pages = f.form->PageControl1;
        QVERIFY2(pages->tabBar()->tabRect(4).right() < pages->width(), "every tab shows");
        // Captions with Polish letters replace the design ones at start.
        QCOMPARE(pages->tabText(3), "Solenie ryb na mokro według Pellowin'ego");
        QCOMPARE(f.form->action("Ladujtlo1")->text() + u'|' + f.form->action("Wersjamokre1")->text()
                + u'|' + f.form->action("Usuntlo1")->text(),
            "Ładuj tło|Wersja własna peklowania na mokro|Usuń tło");
        // Every item works; the two copy items wait for a selected title.
        QStringList disabled;
        for (QAction *a : f.form->findChildren<QAction *>())
            if (!a->isEnabled() && !a->menu() && !a->objectName().isEmpty())
                disabled << a->objectName();
        disabled.sort();
        QCOMPARE(disabled.join(u' '),
            "Kopiujzaznaczone1 Kopiujzaznaczone2");

        QTest::mouseClick(f.get<QWidget>("WebButton1"), Qt::LeftButton);
        QTest::mouseClick(f.get<QWidget>("WebButton2"), Qt::LeftButton);
        QCOMPARE(f.env.platform.openedUrls,
            (QList<QUrl> {TForm1::webAddress1(), TForm1::webAddress2()}));
        // The about box: modal over the window; the author's name writes him a mail, "Ok" closes.
        QString seen;
        f.env.platform.modalScripts.enqueue([&](QDialog &dialog) {
            auto *box = qobject_cast<TForm2 *>(&dialog);
            box->show();
            QTest::mouseClick(box->Label1, Qt::LeftButton);
            seen = box->windowTitle() + u' ' + box->Label1->text() + u' '
                + box->Label1->palette().color(QPalette::WindowText).name()
                + (box->isVisible() && box->parentWidget() == f.form.get() ? " shown" : "");
            QTest::mouseClick(box->Button1, Qt::LeftButton);
            seen += !box->isVisible() && box->result() == QDialog::Accepted ? " closed" : "";
            return box->result();
        });
        f.trigger("Oprogramie1");
        QCOMPARE(seen, "O programie Autor: Orvendal #800000 shown closed");
        QCOMPARE(f.env.platform.openedUrls.value(2).scheme(), "mailto");
        f.trigger("Wersjamokre1");
        // The decimal-input rule, in a field of a page, of an own-proportions panel and of the
        // cookbook.
        for (auto [page, field] : {std::pair {0, "Edit1"}, {0, "Edit11"}, {4, "Edit13"}}) {
            f.showPage(page);
            f.type(field, "-1 a,2.,5x");
            QCOMPARE(f.text(field), "1,25");
            // A comma is refused even over a selected comma; backspace still edits.
            f.type(field, ",");
            QTest::keyClick(f.get<QLineEdit>(field), Qt::Key_End);
            QTest::keyClick(f.get<QLineEdit>(field), Qt::Key_Backspace);
            QCOMPARE(f.text(field), "1,2");
        }
        f.trigger("Zamknij2");
        QVERIFY(!f.form->isVisible());
    }

    void settingsAtStartAndClose()
    {
        AppFixture f(false);
        writePicture(f.env.file("Tlo_suche.jpg"), {40, 30}, Qt::red);
        {
            IniFile ini(f.settings());
            ini.writeString("Tlo", "mokre", f.env.file("Tlo_mokre.nil"));
            ini.writeString("Tlo", "suche", f.env.file("Tlo_suche.jpg"));
            ini.writeString("Tlo", "solanka", f.env.file("brak.jpg"));
            ini.writeString("F4", "kolor", "$00FF00");
            ini.writeString("ksiazka", "baza", f.env.file("przepisy.old.xml"));
        }
        writeFile(f.env.file("przepisy.old.xml"), bookXml());
        const QByteArray stored = readAll(f.settings());
        f.start();
        QVERIFY(f.get<PageBackground>("Image1")->isEmpty());
        const QColor c = f.get<PageBackground>("Image2")->picture().pixelColor(5, 5);
        QVERIFY(c.red() > 200 && c.green() < 60);
        // A missing file, or none stored, keeps the built-in picture.
        QVERIFY(!f.get<PageBackground>("Image3")->isEmpty());
        QVERIFY(!f.get<PageBackground>("Image4")->isEmpty());
        QCOMPARE(f.form->ControlColour, 0x00FF00);
        QCOMPARE(f.form->windowTitle(), "Solvarin autor Orvendal : przepisy");
        QCOMPARE(readAll(f.settings()), stored); // nothing is written at start
        // At close: the book last used, while it exists, and the editor check box.
        const auto saveAsAndClose = [&](const char *name, bool remove) {
            f.env.platform.fileAnswers << f.env.file(name);
            f.trigger("Zapiszjako1");
            if (remove)
                QFile::remove(f.env.file(name));
            f.form->close();
            return f.saved("ksiazka", {"baza", "edytor"});
        };
        QCOMPARE(saveAsAndClose("kopia.xml", false), f.env.file("kopia.xml") + "|0");
        f.restart();
        f.showPage(4);
        QTest::mouseClick(f.cookbook()->CheckBox2, Qt::LeftButton);
        QCOMPARE(saveAsAndClose("inna.xml", true), f.env.file("kopia.xml") + "|1");
        // A settings file that cannot be written is reported, and the window still closes.
        f.restart();
        QVERIFY(QFile::remove(f.settings()) && QDir().mkpath(f.settings()));
        f.form->close();
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.env.platform.lastError(), QStringLiteral("Unable to write to ") + f.settings());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
