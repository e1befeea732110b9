// Hostile and huge books through the real cookbook page: how long until the user has an answer
// (the book shown, or refused with a message), and whether reading grows linearly.
// Usage: bench_crafted hostile <folder> [name part]   writes each crafted book there, opens it
//        bench_crafted linear <folder>    opens plain books of 100,000 and 200,000 recipes
// Prints "name<TAB>milliseconds<TAB>outcome" lines.
#include "app/CookbookPage.h"
#include "assets/InitAssets.h"
#include "controls/DecimalInputFilter.h"
#include "cookbook/TXMLPrzepisyType.h"
#include "cookbook/TXMLVelmaroType.h"
#include "core/AppPaths.h"
#include "platform/ErrorHandler.h"
#include "platform/QtPlatform.h"
#include "tools/common/CraftedBooks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

// Errors are counted, not shown: nobody is there to close a box.
class QuietPlatform : public QtPlatform
{
public:
    QString lastError;
    void showError(const QString &message) override { lastError = message; }
    Answer messageBox(const QString &text, const QString &, Buttons, Icon) override
    {
        lastError = text;
        return Answer::Ok;
    }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Opens the book on the page and lets it paint, as a user would see it.
double openAndShow(CookbookPage &page, QuietPlatform &platform, const QString &path)
{
    platform.lastError.clear();
    QElapsedTimer timer;
    timer.start();
    runGuarded([&] { page.LoadBook(path); });
    page.grab();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

QString outcome(const QuietPlatform &platform, CookbookPage &page)
{
    if (!platform.lastError.isEmpty())
        return QStringLiteral("refused: ") + platform.lastError.left(100);
    return QStringLiteral("shown, %1 recipes").arg(page.book().root().przepisy().count());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_crafted hostile|linear <folder>\n");
        return 2;
    }
    initSolvarinAssets();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    AppPaths::setAppDirForTests(folder);
    QuietPlatform platform;
    Platform::install(&platform);
    DecimalInputFilter filter;
    CookbookPage page(&filter, nullptr);
    page.resize(689, 470);
    page.show();
    QApplication::processEvents();

    if (mode == u"hostile") {
        const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
        for (const crafted::CraftedBook &book : crafted::hostileBooks(1.0)) {
            if (!book.name.contains(only))
                continue;
            const QString path = folder + QStringLiteral("/crafted.xml");
            writeFile(path, book.bytes);
            const double ms = openAndShow(page, platform, path);
            std::printf(
                "%s\t%.0f\t%s\n", qPrintable(book.name), ms, qPrintable(outcome(platform, page)));
            std::fflush(stdout);
        }
        return 0;
    }
    for (int recipes : {100000, 200000}) {
        const QString path = folder + QStringLiteral("/plain%1.xml").arg(recipes);
        writeFile(path, crafted::plainBook(recipes));
        const double ms = openAndShow(page, platform, path);
        std::printf("%d recipes\t%.0f\t%s\n", recipes, ms, qPrintable(outcome(platform, page)));
        std::fflush(stdout);
    }
    return 0;
}
