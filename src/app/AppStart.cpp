#include "app/AppStart.h"

#include "app/AppStyle.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"
#include "controls/PictureFile.h"

#include <QApplication>
#include <QIcon>
#include <fontconfig/fontconfig.h>

AppStart::AppStart()
    // Parsing the font configuration and its caches takes about as long as building the
    // application object; with a second core free, both run at once. The library keeps what it
    // read for Qt to find.
    : m_fonts([] { FcInit(); })
{ }

AppStart::~AppStart()
{
    if (m_fonts.joinable())
        m_fonts.join();
}

void AppStart::prepare()
{
    QApplication::setApplicationName(TForm1::applicationTitle());
    // The desktop entry's name ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.solvarin.Solvarin"));
    AppStyle::install();
    initSolvarinAssets();
    m_icons = std::async(std::launch::async, [] {
        QList<QImage> sizes;
        // In the screen's own format, so that making pixmaps of them copies nothing.
        for (const int size : {16, 32, 48, 256})
            sizes << picturefile::tryRead(QStringLiteral(":/icons/%1/solvarin.png").arg(size))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return sizes;
    });
    m_fonts.join();
}

void AppStart::show(QWidget &window)
{
    if (m_icons.valid()) {
        QIcon icon;
        for (QImage &picture : m_icons.get())
            icon.addPixmap(QPixmap::fromImage(std::move(picture)));
        QApplication::setWindowIcon(icon);
    }
    window.show();
}
