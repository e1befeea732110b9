// Start-up to the first painted main window. "minimal" shows a plain QWidget window with one
// label; "solvarin" starts and shows the program's main window as main.cpp does. Both quit right
// after their first paint and print the resident memory. Given the monotonic clock's reading at
// the moment the script started the process (SPAWN_NS, in nanoseconds), they also print the time
// from then to the end of the first paint: start-up without the time the process takes to quit.
// The main window then builds the rest of itself, as the program does next, and prints the time
// to that as well.
#include "BenchUtil.h"
#include "app/AppStart.h"
#include "app/TForm1.h"
#include "core/AppPaths.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {
void printSinceSpawn(const char *name)
{
    if (const char *spawned = std::getenv("SPAWN_NS")) {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double ns = double(now.tv_sec) * 1e9 + double(now.tv_nsec);
        std::printf("%s %.3f\n", name, (ns - std::strtod(spawned, nullptr)) / 1e6);
    }
}

class QuitAfterPaint : public QObject
{
public:
    explicit QuitAfterPaint(QWidget *window)
        : m_window(window)
    { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // After the paint event: the whole window is painted by then.
            QTimer::singleShot(0, qApp, [this] {
                printSinceSpawn("to_paint_ms");
                // The rest of the main window, which the program builds next.
                if (auto *form = qobject_cast<TForm1 *>(m_window)) {
                    form->completeWindow();
                    printSinceSpawn("to_whole_ms");
                }
                std::printf("rss_kb %ld\n", residentKb());
                qApp->quit();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_done = false;
};
} // namespace

int main(int argc, char *argv[])
{
    const bool minimal = argc > 1 && qstrcmp(argv[1], "minimal") == 0;
    std::unique_ptr<AppStart> start;
    if (!minimal)
        start = std::make_unique<AppStart>();
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    QtPlatform platform;
    QTemporaryDir dir;
    if (minimal) {
        auto *w = new QWidget;
        auto *label = new QLabel(QStringLiteral("Peklowanie mięsa"), w);
        label->move(10, 10);
        w->resize(724, 785);
        window.reset(w);
    } else {
        start->prepare();
        AppPaths::setAppDirForTests(dir.path());
        Platform::install(&platform);
        window = std::make_unique<TForm1>(nullptr, TForm1::Assembly::FirstPageFirst);
    }
    QuitAfterPaint quit(window.get());
    window->installEventFilter(&quit);
    if (start)
        start->show(*window);
    else
        window->show();
    return app.exec();
}
