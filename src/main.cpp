#include "app/AppStart.h"
#include "app/TForm1.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    AppStart start;
    QApplication app(argc, argv);
    start.prepare();
    QtPlatform platform;
    Platform::install(&platform);
    // From the start: the first-start question may be waiting when the session ends.
    installQuitSignals();
    // The first page is painted first; the rest of the window follows before any input.
    TForm1 form(nullptr, TForm1::Assembly::FirstPageFirst);
    setQuitWindow(&form);
    if (quitSignalled()) {
        form.close();
        return 0;
    }
    start.show(form);
    return app.exec();
}
