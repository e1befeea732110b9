#include "TForm1.h"

#include "ErrorHandler.h"
#include "PageBackground.h"
#include "WetCuringPage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// Items whose commands belong to parts of the program not built yet stay visible but disabled,
// so no item pretends to work.
QAction *TForm1::addItem(QMenu *menu, const char *name, const QString &caption, bool enabled)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(enabled);
    return a;
}

QAction *TForm1::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = bar->addMenu(QStringLiteral("Plik"));
    file->setObjectName(QStringLiteral("Plik1"));
    file->addSeparator();
    QAction *close = addItem(file, "Zamknij1", QStringLiteral("Zamknij"), true);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu *options = bar->addMenu(QStringLiteral("Opcje"));
    options->setObjectName(QStringLiteral("Opcje1"));
    addItem(options, "Ustawtlo1", QStringLiteral("Ustaw tlo"));
    addItem(options, "Ladujtlo1", QStringLiteral("Laduj tlo"));
    addItem(options, "Zapisztlo1", QStringLiteral("Zapisz tlo"));
    options->addSeparator();
    addItem(options, "Zapiszkolor2", QStringLiteral("Zapisz Czcionkę"));
    options->addSeparator();
    QAction *ownWet = addItem(options, "Wersjamokre1",
                              QStringLiteral("Wersja wlasna peklowania na mokro"), true);
    connect(ownWet, &QAction::triggered, this, [this] { runGuarded([this] { WetPage->showOwnPanel(); }); });
    addItem(options, "Wersjasuche1", QStringLiteral("Wersja wlasna peklowania na sucho"));

    QMenu *cookbook = bar->addMenu(QStringLiteral("Książka kucharska"));
    cookbook->setObjectName(QStringLiteral("Ksiazkakucharska1"));
    QMenu *book = cookbook->addMenu(QStringLiteral("Ksiązka"));
    book->setObjectName(QStringLiteral("Ksiazka1"));
    addItem(book, "Otworz1", QStringLiteral("Otwórz"));
    addItem(book, "Nowa1", QStringLiteral("Nowa"));
    addItem(book, "Zapisz1", QStringLiteral("Zapisz"));
    addItem(book, "Zapiszjako1", QStringLiteral("Zapisz jako"));
    cookbook->addSeparator();
    QMenu *recipes = cookbook->addMenu(QStringLiteral("Przepisy"));
    recipes->setObjectName(QStringLiteral("Przepisy1"));
    addItem(recipes, "Nowyprzepis1", QStringLiteral("Nowy przepis"));
    addItem(recipes, "Poprawprzepis1", QStringLiteral("Popraw przepis"));
    addItem(recipes, "Usunprzepis1", QStringLiteral("Usuń przepis"));
    recipes->addSeparator();
    addItem(recipes, "Drukujprzepis1", QStringLiteral("Drukuj przepis"));
    recipes->addSeparator();
    addItem(recipes, "Kopiujzaznaczone1", QStringLiteral("Kopiuj zaznaczone do książli"));
    recipes->addSeparator();
    QMenu *ingredients = cookbook->addMenu(QStringLiteral("Skladniki"));
    ingredients->setObjectName(QStringLiteral("Skladniki1"));
    addItem(ingredients, "Kopiujskladniki1", QStringLiteral("Kopiuj skladniki z innej książki"));
    addItem(ingredients, "Kopiujjednostki1", QStringLiteral("Kopiuj jednostki z innej książki"));
    cookbook->addSeparator();
    addItem(cookbook, "Opcjeksiazki1", QStringLiteral("Opcje"));

    QMenu *help = bar->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    addItem(help, "Oprogramie1", QStringLiteral("O programie"));
}

void TForm1::buildPopupMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addItem(PopupMenu1, "Ustawtlo2", QStringLiteral("Ustaw tlo"));
    addItem(PopupMenu1, "Ladujtlo2", QStringLiteral("Laduj tlo"));
    addItem(PopupMenu1, "Zapisztlo2", QStringLiteral("Zapisz tlo"));
    addItem(PopupMenu1, "Usuntlo1", QStringLiteral("Usuń tlo"));
    PopupMenu1->addSeparator();
    addItem(PopupMenu1, "Zapiszobliczenia1", QStringLiteral("Zapisz obliczenia"));
    PopupMenu1->addSeparator();
    QAction *close = addItem(PopupMenu1, "Zamknij2", QStringLiteral("Zamknij"), true);
    connect(close, &QAction::triggered, this, &QWidget::close);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addItem(PopupMenu2, "Calyobrazek1", QStringLiteral("Cały obrazek"));
    addItem(PopupMenu2, "Tylkofragment1", QStringLiteral("Tylko fragment"));

    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    addItem(PopupMenu3, "Zmienkolor1", QStringLiteral("Zmień czcionkę"));
    addItem(PopupMenu3, "Zapiszkolor1", QStringLiteral("Zapisz Czcionkę"));

    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    addItem(PopupMenu4, "Nowyprzepis2", QStringLiteral("Nowy przepis"));
    addItem(PopupMenu4, "Poprawprzepis2", QStringLiteral("Popraw Przepis"));
    addItem(PopupMenu4, "Usunprzepis2", QStringLiteral("Usuń przepis"));
    PopupMenu4->addSeparator();
    addItem(PopupMenu4, "Drukujprzepis2", QStringLiteral("Drukuj przepis"));
    addItem(PopupMenu4, "Kopiujzaznaczone2", QStringLiteral("Kopiuj zaznaczone do książki"));

    PopupMenu5 = new QMenu(this);
    PopupMenu5->setObjectName(QStringLiteral("PopupMenu5"));
    addItem(PopupMenu5, "Drukujprzepis3", QStringLiteral("Drukuj przepis"));
    addItem(PopupMenu5, "Zmienczcionke3", QStringLiteral("Zmień czcionkę"));

    for (PageBackground *bg : m_backgrounds)
        connect(bg, &PageBackground::contextMenuWanted, PopupMenu1,
                [this](const QPoint &pos) { PopupMenu1->popup(pos); });
}
