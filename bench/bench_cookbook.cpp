// Cookbook figures: opening a book (parse, tree, list, first rendering), saving and reloading it
// after one change, the memory with the book open, rendering one recipe, and copying 1,000
// recipes into another book.
// Usage: bench_cookbook <book.xml>   (prints "name value" lines)
#include "BenchUtil.h"
#include "app/CookbookPage.h"
#include "app/RecipeView.h"
#include "controls/DecimalInputFilter.h"
#include "cookbook/BookCopying.h"
#include "cookbook/TXMLPrzepisType.h"
#include "cookbook/TXMLVelmaroType.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_cookbook <book.xml>\n");
        return 2;
    }
    BenchSetup setup(argv[1]);
    const QString &path = setup.book;

    DecimalInputFilter filter;
    CookbookPage page(&filter, nullptr);
    page.resize(689, 470);
    page.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    page.LoadBook(path);
    std::printf("open_ms %.1f\n", timer.nsecsElapsed() / 1e6);
    std::printf("recipes %d\n", page.book().root().przepisy().count());
    QApplication::processEvents();
    std::printf("rss_open_kb %ld\n", residentKb());

    // One change, then the whole write-and-reload every change goes through.
    page.book().root().przepisy()[0].setTytul(QStringLiteral("Szynka zmieniona"));
    timer.restart();
    page.SaveAndReloadBook();
    std::printf("save_reload_ms %.1f\n", timer.nsecsElapsed() / 1e6);

    // Rendering one recipe with 30 ingredients (the generator gives up to 30).
    auto recipes = page.book().root().przepisy();
    int index = 0;
    for (int i = 0; i < recipes.count(); ++i)
        if (recipes[i].skladnik().count() == 30) {
            index = i;
            break;
        }
    std::printf("render_ingredients %d\n", recipes[index].skladnik().count());
    const int rounds = 200;
    timer.restart();
    for (int i = 0; i < rounds; ++i)
        page.RenderRecipe(index, page.RichEdit1);
    std::printf("render_ms %.3f\n", timer.nsecsElapsed() / 1e6 / rounds);

    // 1,000 selected titles copied into an empty book: load it, copy, write it.
    QStringList titles;
    for (int i = 0; titles.size() < 1000 && i < recipes.count(); ++i)
        if (!titles.contains(recipes[i].tytul()))
            titles << recipes[i].tytul();
    const QString empty = setup.dir.filePath(QStringLiteral("pusta.xml"));
    Book::newBook().save(empty);
    timer.restart();
    Book other = Book::fromFile(empty);
    const int copied = bookcopy::CopyRecipesToOtherBook(page.book(), titles, other);
    other.save(empty);
    std::printf("copy_ms %.1f\n", timer.nsecsElapsed() / 1e6);
    std::printf("copied %d\n", copied);
    return 0;
}
