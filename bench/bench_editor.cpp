// Recipe editor figures: opening the editor on a recipe (activation complete, first paint) and
// "Popraw" (the recipe built from the editor, the book written and reloaded, the browser and the
// view refreshed). Usage: bench_editor <book.xml>   (prints "name ms" lines, medians)
#include "BenchUtil.h"
#include "app/CookbookEditorHost.h"
#include "app/CookbookPage.h"
#include "app/TForm1.h"
#include "cookbook/TXMLPrzepisType.h"
#include "cookbook/TXMLVelmaroType.h"
#include "editor/TForm4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double medianMs(int rounds, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_editor <book.xml>\n");
        return 2;
    }
    BenchSetup setup(argv[1]);
    const QString &path = setup.book;

    TForm1 form;
    form.show();
    CookbookPage *page = form.CookbookPage1;
    page->LoadBook(path);
    form.PageControl1->setCurrentIndex(4);
    QApplication::processEvents();
    auto *host = form.findChild<CookbookEditorHost *>();

    // A recipe with the most ingredients the generator gives.
    const TXMLPrzepisyType recipes = page->book().root().przepisy();
    int index = 0;
    for (int i = 0; i < recipes.count(); ++i)
        if (recipes[i].skladnik().count() > recipes[index].skladnik().count())
            index = i;
    std::printf("recipes %d\n", recipes.count());

    // "Popraw przepis" on that recipe: the editor opened and shown.
    const auto open = [&](TForm4 &editor) {
        page->CurrentRecipeIndex = index;
        editor.EditExistingRecipe = true;
        editor.FormActivate();
        editor.show();
        QApplication::processEvents();
    };
    const double opening = medianMs(9, [&] {
        TForm4 editor(*host, &form);
        open(editor);
    });
    std::printf("editor_open_ms %.1f\n", opening);

    TForm4 editor(*host, &form);
    open(editor);
    const double correct = medianMs(5, [&] {
        editor.CorrectRecipeAndSave();
        QApplication::processEvents();
    });
    std::printf("popraw_ms %.1f\n", correct);
    return 0;
}
