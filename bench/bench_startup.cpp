// Start-up to the first painted main window. "minimal" shows a plain QWidget window with one
// label; "solvarin" starts and shows the program's main window as main.cpp does. Both quit right
// after their first paint and print the resident memory, so the script times whole processes.
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
#include <memory>

namespace {
class QuitAfterPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("rss_kb %ld\n", residentKb());
                qApp->quit();
            });
        }
        return false;
    }

private:
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
    QuitAfterPaint quit;
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
        window = std::make_unique<TForm1>();
    }
    window->installEventFilter(&quit);
    if (start)
        start->show(*window);
    else
        window->show();
    return app.exec();
}
