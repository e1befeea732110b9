#pragma once

#include <QProxyStyle>

// The desktop's style with a few of its pictures drawn, when shown, instead of read from files.
// Reading any picture through Qt's image reader opens every image-format plugin and its libraries
// (TIFF, WebP, MNG...), a good part of the start-up time; the menu bar asks for one such picture
// when it is made. Installed once, before the main window is made.
class AppStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static void install();

    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override;
};
