#include "InitAssets.h"
#include "QtPlatform.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(TForm1::applicationTitle());
    initSolvarinAssets();
    QtPlatform platform;
    Platform::install(&platform);
    TForm1 form;
    form.show();
    return app.exec();
}
