#include "FormFixture.h"

#include "app/OwnProportionsPanel.h"

#include "app/CookbookPage.h"
#include "app/ImageLinkButton.h"
#include "app/PageBackground.h"
#include "app/WetCuringPage.h"
#include "controls/TmxCalendar.h"
#include "platform/IniFile.h"

#include <QListWidget>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QMenu *menuNamed(const TForm1 &form, const char *name)
{
    return form.findChild<QMenu *>(QString::fromLatin1(name));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void windowShape();
    void mainMenu();
    void popupMenus();
    void onlyWorkingItemsAreEnabled();
    void webButtonsOpenThroughPlatform();
    void freshStartDefaults();
    void storedFontsComeBack();
    void storedBackgroundPaths();
    void closeWritesBookAndEditorFlag();
    void closeWithUnwritableSettingsStillCloses();
    void rememberedBookOpensAtStart();
    void bookMenuCommands();
};

void TestMainWindow::windowShape()
{
    FormFixture f;
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Solvarin  autor Orvendal"));
    QCOMPARE(f.form->size(), QSize(724, 785));
    QVERIFY(!(f.form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QTabWidget *pages = f.form->PageControl1;
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    QCOMPARE(tabs,
        (QStringList {"Peklowanie na mokro", "Peklowanie na sucho", "Solanka i zalewa octowa",
            "Solenie ryb na mokro według Pellowin'ego", "Książka kucharska"}));
    QCOMPARE(f.form->mxCalendar1->size(), QSize(545, 225));
    QCOMPARE(f.form->WebButton1->width(), 153);
    QCOMPARE(f.form->WebButton2->width(), 153);
    // The calculator pages carry a built-in picture; all tabs are visible without scrolling.
    for (const char *name : {"Image1", "Image2", "Image3", "Image4"})
        QVERIFY(!f.get<PageBackground>(name)->isEmpty());
    int tabsWidth = 0;
    for (int i = 0; i < pages->count(); ++i)
        tabsWidth += pages->tabBar()->tabRect(i).width();
    QVERIFY2(tabsWidth <= pages->width(), qPrintable(QString::number(tabsWidth)));
    QCOMPARE(f.form->Timer1->interval(), 100);
    QCOMPARE(f.form->Timer2->interval(), 1000);
}

void TestMainWindow::mainMenu()
{
    FormFixture f;
    QStringList top;
    for (QAction *a : f.form->menuBar()->actions())
        top << a->text();
    QCOMPARE(top, (QStringList {"Plik", "Opcje", "Książka kucharska", "Pomoc"}));
    QCOMPARE(captions(menuNamed(*f.form, "Plik1")), (QStringList {"-", "Zamknij"}));
    QCOMPARE(captions(menuNamed(*f.form, "Opcje1")),
        (QStringList {"Ustaw tło", "Ładuj tło", "Zapisz tło", "-", "Zapisz Czcionkę", "-",
            "Wersja własna peklowania na mokro", "Wersja własna peklowania na sucho"}));
    QCOMPARE(captions(menuNamed(*f.form, "Ksiazkakucharska1")),
        (QStringList {"Ksiązka", "-", "Przepisy", "Skladniki", "-", "Opcje"}));
    QCOMPARE(captions(menuNamed(*f.form, "Ksiazka1")),
        (QStringList {"Otwórz", "Nowa", "Zapisz", "Zapisz jako"}));
    QCOMPARE(captions(menuNamed(*f.form, "Przepisy1")),
        (QStringList {"Nowy przepis", "Popraw przepis", "Usuń przepis", "-", "Drukuj przepis", "-",
            "Kopiuj zaznaczone do książli", "-"}));
    QCOMPARE(captions(menuNamed(*f.form, "Skladniki1")),
        (QStringList {"Kopiuj skladniki z innej książki", "Kopiuj jednostki z innej książki"}));
    QCOMPARE(captions(menuNamed(*f.form, "Pomoc1")),
        (QStringList {"O programie", "Zapisz listę etykiet"}));
}

void TestMainWindow::popupMenus()
{
    FormFixture f;
    QCOMPARE(captions(f.form->PopupMenu1),
        (QStringList {"Ustaw tło", "Ładuj tło", "Zapisz tło", "Usuń tło", "-", "Zapisz obliczenia",
            "-", "Zamknij"}));
    QCOMPARE(captions(f.form->PopupMenu2), (QStringList {"Cały obrazek", "Tylko fragment"}));
    QCOMPARE(captions(f.form->PopupMenu3), (QStringList {"Zmień czcionkę", "Zapisz Czcionkę"}));
    QCOMPARE(captions(f.form->PopupMenu4),
        (QStringList {"Nowy przepis", "Popraw Przepis", "Usuń przepis", "-", "Drukuj przepis",
            "Kopiuj zaznaczone do książki"}));
    QCOMPARE(captions(f.form->PopupMenu5), (QStringList {"Drukuj przepis", "Zmień czcionkę"}));
}

void TestMainWindow::onlyWorkingItemsAreEnabled()
{
    FormFixture f;
    // Items of parts not built yet (backgrounds, effects, the recipe editor, copying between
    // books) are visible but disabled.
    QStringList disabled;
    for (QAction *a : f.form->findChildren<QAction *>())
        if (!a->isSeparator() && !a->menu() && !a->isEnabled() && !a->objectName().isEmpty())
            disabled << a->objectName();
    disabled.sort();
    QCOMPARE(disabled,
        (QStringList {"Calyobrazek1", "Kopiujjednostki1", "Kopiujskladniki1", "Kopiujzaznaczone1",
            "Kopiujzaznaczone2", "Ladujtlo1", "Ladujtlo2", "Nowyprzepis1", "Nowyprzepis2",
            "Opcjeksiazki1", "Poprawprzepis1", "Poprawprzepis2", "Tylkofragment1", "Ustawtlo1",
            "Ustawtlo2", "Usuntlo1", "Zapisztlo1", "Zapisztlo2", "Zmienczcionke3"}));
    f.form->action("Zamknij2")->trigger();
    QVERIFY(!f.form->isVisible());
}

void TestMainWindow::webButtonsOpenThroughPlatform()
{
    FormFixture f;
    QTest::mouseClick(f.form->WebButton1, Qt::LeftButton);
    QTest::mouseClick(f.form->WebButton2, Qt::LeftButton);
    QCOMPARE(
        f.env.platform.openedUrls, (QList<QUrl> {TForm1::webAddress1(), TForm1::webAddress2()}));
    // Keyboard users reach them too.
    f.form->WebButton1->setFocus();
    QTest::keyClick(f.form->WebButton1, Qt::Key_Space);
    QCOMPARE(f.env.platform.openedUrls.size(), 3);
}

void TestMainWindow::freshStartDefaults()
{
    FormFixture f(false);
    QCOMPARE(
        f.form->CookbookPage1->LastBookPath(), f.env.dir() + QStringLiteral("/Moja książka.xml"));
    QCOMPARE(f.form->ControlColour, int(0x80000005));
    QCOMPARE(f.get<QLineEdit>("Edit6")->text(), QStringLiteral("20"));
    QCOMPARE(f.get<QLineEdit>("Edit8")->text(), QStringLiteral("0,5"));
    QCOMPARE(f.get<QLineEdit>("Edit9")->text(), QStringLiteral("0,5"));
    QCOMPARE(f.get<QLineEdit>("Edit1")->text(), QStringLiteral("1"));
    QCOMPARE(f.form->WetPage->ComboBox1->count(), 14);
    QCOMPARE(f.form->WetPage->ComboBox1->itemText(0), QStringLiteral("1 dzień"));
    QCOMPARE(f.form->WetPage->ComboBox1->itemText(13), QStringLiteral("14 dni"));
    QVERIFY(!f.form->WetPage->Panel8->isVisible());
    QVERIFY(!QFile::exists(f.env.file("Ustawienia.ini")));
}

void TestMainWindow::storedFontsComeBack()
{
    FormFixture f(false);
    {
        IniFile ini(f.env.file("Ustawienia.ini"));
        ini.writeInteger("czcionka4", "kolor", 0x008000);
        ini.writeInteger("czcionka4", "wielkosc", 12);
        ini.writeString("czcionka4", "nazwa", "DejaVu Serif");
        ini.writeInteger("czcionka4", "styl", 2);
        ini.writeString("F4", "kolor", "$00FF00");
        ini.writeString("ksiazka", "baza", "/dom/przepisy.xml");
    }
    f.restart();
    for (const char *name : {"Label4", "Label6", "Label8", "Label10", "Label12", "Label14",
             "Label16", "Label18", "Label54", "Label55", "Label59", "Label60"}) {
        QLabel *l = f.get(name);
        QCOMPARE(l->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(l->font().pointSize(), 12);
        QVERIFY(l->font().italic());
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    }
    QCOMPARE(
        f.get("Label3")->font().pointSize(), f.form->font().pointSize()); // other groups untouched
    QCOMPARE(f.form->ControlColour, 0x00FF00);
    QCOMPARE(f.form->CookbookPage1->LastBookPath(), QStringLiteral("/dom/przepisy.xml"));
}

void TestMainWindow::storedBackgroundPaths()
{
    FormFixture f(false);
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(f.env.file("Tlo_suche.jpg")));
    {
        IniFile ini(f.env.file("Ustawienia.ini"));
        ini.writeString("Tlo", "mokre", f.env.file("Tlo_mokre.nil"));
        ini.writeString("Tlo", "suche", f.env.file("Tlo_suche.jpg"));
        ini.writeString("Tlo", "solanka", f.env.file("brak.jpg"));
    }
    f.restart();
    QVERIFY(f.get<PageBackground>("Image1")->isEmpty());
    const QColor c = f.get<PageBackground>("Image2")->picture().pixelColor(5, 5);
    QVERIFY(c.red() > 200 && c.green() < 60);
    QVERIFY(!f.get<PageBackground>("Image3")->isEmpty()); // missing file keeps the built-in one
}

void TestMainWindow::closeWritesBookAndEditorFlag()
{
    FormFixture f;
    QFile book(f.env.file("Moja książka.xml"));
    QVERIFY(book.open(QIODevice::WriteOnly));
    book.close();
    f.form->close();
    IniFile ini(f.env.file("Ustawienia.ini"));
    QCOMPARE(ini.readString("ksiazka", "baza", ""), f.env.file("Moja książka.xml"));
    QCOMPARE(ini.readString("ksiazka", "edytor", ""), QStringLiteral("0"));

    // With the book gone, the remembered path stays as it was.
    f.restart();
    QVERIFY(QFile::remove(f.env.file("Moja książka.xml")));
    f.form->CookbookPage1->CheckBox2->setChecked(true);
    f.form->close();
    QCOMPARE(IniFile(f.env.file("Ustawienia.ini")).readString("ksiazka", "edytor", ""),
        QStringLiteral("1"));
    QCOMPARE(IniFile(f.env.file("Ustawienia.ini")).readString("ksiazka", "baza", ""),
        f.env.file("Moja książka.xml"));
}

void TestMainWindow::closeWithUnwritableSettingsStillCloses()
{
    FormFixture f;
    QDir().mkpath(f.env.file("Ustawienia.ini"));
    f.form->close();
    QVERIFY(!f.form->isVisible());
    QCOMPARE(f.env.platform.lastError(),
        QStringLiteral("Unable to write to %1").arg(f.env.file("Ustawienia.ini")));
}

void TestMainWindow::rememberedBookOpensAtStart()
{
    FormFixture f(false);
    const QString book = f.env.file("przepisy.old.xml");
    QVERIFY(QFile::copy(QFINDTESTDATA("../../examples/Wędliny i ryby.xml"), book));
    IniFile(f.env.file("Ustawienia.ini")).writeString("ksiazka", "baza", book);
    f.restart();
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Solvarin autor Orvendal : przepisy"));
    QCOMPARE(f.form->CookbookPage1->LastBookPath(), book);
    QVERIFY(f.form->CookbookPage1->ListBox1->count() >= 12);
    f.form->close();
    QCOMPARE(IniFile(f.env.file("Ustawienia.ini")).readString("ksiazka", "baza", ""), book);

    // A remembered book that cannot be read: a new empty book, and the user is told why.
    QFile broken(book);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<Solvarin><przepisy>");
    broken.close();
    f.restart();
    QCOMPARE(f.form->CookbookPage1->ListBox1->count(), 0);
    QVERIFY(f.form->CookbookPage1->BookPath().isEmpty());
    QCOMPARE(f.env.platform.messages.size() + f.env.platform.errors.size(), 1);
}

void TestMainWindow::bookMenuCommands()
{
    FormFixture f;
    const QString book = f.env.file("babci.xml");
    QVERIFY(QFile::copy(QFINDTESTDATA("../../examples/Przepisy babci.xml"), book));
    f.env.platform.fileAnswers.enqueue(book);
    f.form->action("Otworz1")->trigger();
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Solvarin autor Orvendal Velmaro: babci"));
    QCOMPARE(f.form->CookbookPage1->LastBookPath(), book);

    const QString copy = f.env.file("kopia.xml");
    f.env.platform.fileAnswers.enqueue(copy);
    f.form->action("Zapiszjako1")->trigger();
    QCOMPARE(f.form->CookbookPage1->LastBookPath(), copy);
    QCOMPARE(f.form->CookbookPage1->BookPath(), copy);

    f.form->action("Nowa1")->trigger();
    QVERIFY(f.form->CookbookPage1->BookPath().isEmpty());
    QCOMPARE(f.form->CookbookPage1->LastBookPath(),
        copy); // a new book does not change the remembered one
    f.form->action("Zapisz1")->trigger(); // no path yet: asks, and the answer is cancel
    QCOMPARE(f.env.platform.fileDialogs.last().filter, QStringLiteral("Książka|*.xml"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
