#include "app/TForm1.h"

#include "app/CookbookPage.h"
#include "app/DryCuringPage.h"
#include "app/ItemText.h"
#include "app/NitriteWindow.h"
#include "app/RecipeBrowser.h"
#include "app/RecipeSearchWindow.h"
#include "app/WetCuringPage.h"
#include "calc/DryCuring.h"
#include "calc/WetCuring.h"
#include "platform/ErrorHandler.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// The curing salt of the variant the wet page shows as its choice (the own variant when it is
// applied, the salty one otherwise), at the upper end of its range, and its water.
NitritePrefill fromWetPage(const WetCuringPage &page)
{
    NitritePrefill p;
    p.meat = page.Edit1->text();
    p.method = CureMethod::Brine;
    WetCuringInput in = page.calculatorInput();
    Fixed4 meat;
    if (!Fixed4::tryParse(in.meat, &meat))
        return p;
    // The own variant only when its salt is a number; the salty one otherwise.
    Fixed4 own;
    in.ownVariant = in.ownVariant && Fixed4::tryParse(in.ownSalt, &own);
    const WetSalt salt = wetCuringSalt(in);
    p.salt = salt.high.toGeneral();
    p.water = (meat * wetRowForIndex(in.daysIndex).water).toGeneral();
    p.note
        = QStringLiteral("Ze strony „Peklowanie na mokro” (%1, %2): peklosól %3 - %4 g, "
                         "przyjęto górną wartość.")
              .arg(page.ComboBox1->currentText(),
                  in.ownVariant ? QStringLiteral("wersja własna") : QStringLiteral("wersja słona"),
                  salt.low.toGeneral(), salt.high.toGeneral());
    return p;
}

// The official dry cure, 18 to 22 g per kg, at its upper end.
NitritePrefill fromDryPage(const DryCuringPage &page)
{
    NitritePrefill p;
    p.meat = page.Edit2->text();
    p.method = CureMethod::DryRub;
    Fixed4 meat;
    if (!Fixed4::tryParse(page.Edit2->text(), &meat))
        return p;
    const Fixed4 low = meat * OfficialSaltLowPerKg, high = meat * OfficialSaltHighPerKg;
    p.salt = high.toGeneral();
    p.note = QStringLiteral("Ze strony „Peklowanie na sucho” (wersja oficjalna): peklosól "
                            "%1 - %2 g, przyjęto górną wartość.")
                 .arg(low.toGeneral(), high.toGeneral());
    return p;
}

// As a click on the title: the whole book listed, then the title picked in the list.
void showTitleAsClicked(RecipeBrowser &browser, const QString &title)
{
    QTreeWidgetItem *all = browser.TreeView1->topLevelItem(0);
    if (!all)
        return;
    if (browser.TreeView1->currentItem() != all)
        browser.TreeView1->setCurrentItem(all);
    QListWidget *list = browser.ListBox1;
    for (int row = 0, n = list->count(); row < n; ++row) {
        if (itemtext::of(list->item(row)) != title)
            continue;
        list->clearSelection();
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
        browser.SelectListEntry();
        return;
    }
}

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void TForm1::addExtraMenus()
{
    auto *options = menuBar()->findChild<QMenu *>(QStringLiteral("Opcje1"));
    options->addSeparator();
    QAction *nitrite
        = addItem(options, "Azotynwpeklowaniu1", QStringLiteral("Azotyn w peklowaniu..."), true);
    connect(nitrite, &QAction::triggered, this, [this] {
        runGuarded([this] {
            auto *window = findChild<NitriteWindow *>(QStringLiteral("NitriteWindow"));
            if (!window)
                window = new NitriteWindow(this);
            if (activePage() == pageIndex(PageId::WetCuring))
                window->prefill(fromWetPage(*WetPage));
            else if (activePage() == pageIndex(PageId::DryCuring))
                window->prefill(fromDryPage(*DryPage));
            bringUp(window);
        });
    });

    auto *cookbook = menuBar()->findChild<QMenu *>(QStringLiteral("Ksiazkakucharska1"));
    QAction *first = cookbook->actions().value(0);
    auto *find = new QAction(QStringLiteral("Szukaj przepisu..."), cookbook);
    find->setObjectName(QStringLiteral("Szukajprzepisu1"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    cookbook->insertAction(first, find);
    cookbook->insertSeparator(first);
    connect(find, &QAction::triggered, this, [this] {
        runGuarded([this] {
            auto *window = findChild<RecipeSearchWindow *>(QStringLiteral("RecipeSearchWindow"));
            if (!window) {
                window = new RecipeSearchWindow(CookbookPage1->book(), this);
                connect(CookbookPage1, &CookbookPage::titleChanged, window,
                    &RecipeSearchWindow::bookChanged);
                connect(window, &RecipeSearchWindow::recipeChosen, this,
                    [this](int, const QString &title) {
                        runGuarded([this, title] {
                            PageControl1->setCurrentIndex(pageIndex(PageId::Cookbook));
                            showTitleAsClicked(*CookbookPage1->Browser, title);
                        });
                    });
            }
            window->refresh();
            bringUp(window);
            window->SearchEdit->setFocus();
            window->SearchEdit->selectAll();
        });
    });
}
