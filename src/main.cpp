#include "app/AppStyle.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"
#include "controls/PictureFile.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(TForm1::applicationTitle());
    // The desktop entry's name ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.solvarin.Solvarin"));
    AppStyle::install();
    initSolvarinAssets();
    // Read as the PNGs they are: an icon made from file names asks every image plugin first.
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addPixmap(QPixmap::fromImage(
            picturefile::tryRead(QStringLiteral(":/icons/%1/solvarin.png").arg(size))));
    QApplication::setWindowIcon(icon);
    QtPlatform platform;
    Platform::install(&platform);
    // From the start: the first-start question may be waiting when the session ends.
    installQuitSignals();
    TForm1 form;
    setQuitWindow(&form);
    if (quitSignalled()) {
        form.close();
        return 0;
    }
    form.show();
    return app.exec();
}
