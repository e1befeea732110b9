// Recipe search figures: preparing the keys of a book, one search alone, and one keystroke in the
// search window (search, result list filled, window repainted), over several typed words.
// Usage: bench_search <book.xml>   (prints "name value" lines)
#include "app/RecipeSearchWindow.h"
#include "cookbook/Book.h"
#include "cookbook/RecipeSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_search <book.xml>\n");
        return 2;
    }
    Book book = Book::fromFile(QString::fromLocal8Bit(argv[1]));
    std::printf("recipes %d\n", book.root().przepisy().count());

    QElapsedTimer timer;
    timer.start();
    RecipeSearch search(book);
    std::printf("prepare_ms %.1f\n", timer.nsecsElapsed() / 1e6);

    const QStringList words = {QStringLiteral("kielbasa"), QStringLiteral("czosnek"),
        QStringLiteral("a"), QStringLiteral("szynka wedzona"), QStringLiteral("zzzz")};
    double findWorst = 0;
    for (const QString &word : words)
        for (int n = 1; n <= word.size(); ++n) {
            timer.restart();
            const auto found = search.find(word.left(n));
            const double ms = timer.nsecsElapsed() / 1e6;
            findWorst = std::max(findWorst, ms);
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                std::printf("  find %s %d %.2f\n", qPrintable(word.left(n)), int(found.size()), ms);
        }
    std::printf("find_worst_ms %.2f\n", findWorst);

    RecipeSearchWindow window(book, nullptr);
    window.show();
    window.refresh();
    QApplication::processEvents();
    double worst = 0, total = 0;
    int keystrokes = 0;
    for (const QString &word : words) {
        window.SearchEdit->clear();
        QApplication::processEvents();
        for (int n = 1; n <= word.size(); ++n) {
            timer.restart();
            window.SearchEdit->setText(word.left(n));
            window.repaint();
            QApplication::processEvents();
            const double ms = timer.nsecsElapsed() / 1e6;
            worst = std::max(worst, ms);
            total += ms;
            ++keystrokes;
        }
    }
    std::printf("keystroke_mean_ms %.2f\n", total / keystrokes);
    std::printf("keystroke_worst_ms %.2f\n", worst);
    return 0;
}
