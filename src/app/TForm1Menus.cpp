#include "app/TForm1.h"

#include "app/CalculatorPage.h"
#include "app/CookbookEditorHost.h"
#include "app/CookbookPage.h"
#include "app/DryCuringPage.h"
#include "app/LabelFontMenu.h"
#include "app/PageBackground.h"
#include "app/WetCuringPage.h"
#include "platform/ErrorHandler.h"

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
    addItem(options, "Zapiszkolor2", QStringLiteral("Zapisz Czcionkę"), true);
    options->addSeparator();
    QAction *ownWet = addItem(
        options, "Wersjamokre1", QStringLiteral("Wersja wlasna peklowania na mokro"), true);
    connect(ownWet, &QAction::triggered, this,
        [this] { runGuarded([this] { WetPage->showOwnPanel(); }); });
    QAction *ownDry = addItem(
        options, "Wersjasuche1", QStringLiteral("Wersja wlasna peklowania na sucho"), true);
    connect(ownDry, &QAction::triggered, this,
        [this] { runGuarded([this] { DryPage->showOwnPanel(); }); });

    QMenu *cookbook = bar->addMenu(QStringLiteral("Książka kucharska"));
    cookbook->setObjectName(QStringLiteral("Ksiazkakucharska1"));
    QMenu *book = cookbook->addMenu(QStringLiteral("Ksiązka"));
    book->setObjectName(QStringLiteral("Ksiazka1"));
    addItem(book, "Otworz1", QStringLiteral("Otwórz"), true);
    addItem(book, "Nowa1", QStringLiteral("Nowa"), true);
    addItem(book, "Zapisz1", QStringLiteral("Zapisz"), true);
    addItem(book, "Zapiszjako1", QStringLiteral("Zapisz jako"), true);
    book->addSeparator();
    addItem(book, "Przywrocwersje1", QStringLiteral("Przywróć poprzednią wersję..."), true);
    cookbook->addSeparator();
    QMenu *recipes = cookbook->addMenu(QStringLiteral("Przepisy"));
    recipes->setObjectName(QStringLiteral("Przepisy1"));
    addItem(recipes, "Nowyprzepis1", QStringLiteral("Nowy przepis"), true);
    addItem(recipes, "Poprawprzepis1", QStringLiteral("Popraw przepis"), true);
    addItem(recipes, "Usunprzepis1", QStringLiteral("Usuń przepis"), true);
    recipes->addSeparator();
    addItem(recipes, "Drukujprzepis1", QStringLiteral("Drukuj przepis"), true);
    recipes->addSeparator();
    addItem(recipes, "Kopiujzaznaczone1", QStringLiteral("Kopiuj zaznaczone do książli"));
    recipes->addSeparator();
    QMenu *ingredients = cookbook->addMenu(QStringLiteral("Skladniki"));
    ingredients->setObjectName(QStringLiteral("Skladniki1"));
    addItem(ingredients, "Kopiujskladniki1", QStringLiteral("Kopiuj skladniki z innej książki"));
    addItem(ingredients, "Kopiujjednostki1", QStringLiteral("Kopiuj jednostki z innej książki"));
    cookbook->addSeparator();
    addItem(cookbook, "Opcje2", QStringLiteral("Opcje"), true);

    QMenu *help = bar->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    QAction *about = addItem(help, "Oprogramie1", QStringLiteral("O programie"), true);
    connect(about, &QAction::triggered, this, handler(this, &TForm1::Oprogramie1Click));
    // A developer aid, kept out of the way of a plain click on the page.
    addItem(help, "Zapiszlisteetykiet1", QStringLiteral("Zapisz listę etykiet"), true);
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
    QAction *save
        = addItem(PopupMenu1, "Zapiszobliczenia1", QStringLiteral("Zapisz obliczenia"), true);
    connect(save, &QAction::triggered, this, handler(this, &TForm1::Zapiszobliczenia1Click));
    PopupMenu1->addSeparator();
    QAction *close = addItem(PopupMenu1, "Zamknij2", QStringLiteral("Zamknij"), true);
    connect(close, &QAction::triggered, this, &QWidget::close);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addItem(PopupMenu2, "Calyobrazek1", QStringLiteral("Cały obrazek"));
    addItem(PopupMenu2, "Tylkofragment1", QStringLiteral("Tylko fragment"));

    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    addItem(PopupMenu3, "Zmienkolor1", QStringLiteral("Zmień czcionkę"), true);
    addItem(PopupMenu3, "Zapiszkolor1", QStringLiteral("Zapisz Czcionkę"), true);

    for (CalculatorPage *page : std::as_const(m_pages))
        attachPage(page);
}

void TForm1::attachPage(CalculatorPage *page)
{
    connect(page->background(), &PageBackground::contextMenuWanted, PopupMenu1,
        [this](const QPoint &pos) { PopupMenu1->popup(pos); });
}

// Items whose handlers live in objects made after the menus.
void TForm1::connectLateMenus()
{
    CookbookPage *page = CookbookPage1;
    const std::pair<const char *, void (CookbookPage::*)()> bookItems[] = {
        {"Otworz1", &CookbookPage::Otworz1Click}, {"Nowa1", &CookbookPage::Nowa1Click},
        {"Zapisz1", &CookbookPage::Zapisz1Click}, {"Zapiszjako1", &CookbookPage::Zapiszjako1Click},
        {"Przywrocwersje1", &CookbookPage::Przywrocwersje1Click},
        {"Usunprzepis1", &CookbookPage::Usunprzepis1Click},
        {"Drukujprzepis1", &CookbookPage::Drukujprzepis1Click}};
    for (const auto &[name, command] : bookItems)
        connect(
            action(QString::fromLatin1(name)), &QAction::triggered, page, handler(page, command));

    LabelFontMenu *fonts = m_labelFonts;
    connect(action(QStringLiteral("Zmienkolor1")), &QAction::triggered, fonts,
        handler(fonts, &LabelFontMenu::Zmienkolor1Click));
    for (const char *name : {"Zapiszkolor1", "Zapiszkolor2"})
        connect(action(QString::fromLatin1(name)), &QAction::triggered, fonts,
            handler(fonts, &LabelFontMenu::Zapiszkolor1Click));
    connect(action(QStringLiteral("Zapiszlisteetykiet1")), &QAction::triggered, fonts,
        handler(fonts, &LabelFontMenu::writeLabelList));

    auto *editor = new CookbookEditorHost(*CookbookPage1, ControlColour, this);
    const std::pair<const char *, void (CookbookEditorHost::*)()> editorItems[]
        = {{"Nowyprzepis1", &CookbookEditorHost::Nowyprzepis1Click},
            {"Nowyprzepis2", &CookbookEditorHost::Nowyprzepis1Click},
            {"Poprawprzepis1", &CookbookEditorHost::Poprawprzepis1Click},
            {"PoprawPrzepis2", &CookbookEditorHost::Poprawprzepis1Click},
            {"Opcje2", &CookbookEditorHost::Opcje2Click},
            {"Zmieczcionk1", &CookbookEditorHost::Opcje2Click}};
    for (const auto &[name, command] : editorItems)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, editor,
            handler(editor, command));
}
