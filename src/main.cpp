#include "app/AppStyle.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(TForm1::applicationTitle());
    AppStyle::install();
    initSolvarinAssets();
    QtPlatform platform;
    Platform::install(&platform);
    TForm1 form;
    form.show();
    return app.exec();
}
