#include "platform/QuitSignals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
bool g_signalled = false;

QPointer<QWidget> &quitWindow()
{
    static QPointer<QWidget> window;
    return window;
}

// Only async-signal-safe work here: one byte into the pipe; the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
}

} // namespace

void installQuitSignals()
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    auto *notifier
        = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(g_pipe[1], &byte, 1);
        notifier->setEnabled(false);
        g_signalled = true;
        // Open dialogs are answered as by Esc (the program's own loop may not run yet, and then
        // nothing else would end theirs), the window closes as by its button.
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(top); dialog && dialog->isVisible())
                dialog->reject();
        if (quitWindow())
            quitWindow()->close();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void setQuitWindow(QWidget *window)
{
    quitWindow() = window;
}

bool quitSignalled()
{
    return g_signalled;
}
