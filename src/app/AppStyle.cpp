#include "app/AppStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

void AppStyle::install()
{
    if (!qobject_cast<AppStyle *>(QApplication::style()))
        QApplication::setStyle(new AppStyle);
}

QIcon AppStyle::standardIcon(
    StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The "more items" chevron of a menu bar too narrow for its menus.
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
    QPainterPath chevrons;
    for (const qreal x : {4.0, 9.0}) {
        chevrons.moveTo(x, 4);
        chevrons.lineTo(x + 3.5, 8);
        chevrons.lineTo(x, 12);
    }
    p.drawPath(icon == SP_ToolBarVerticalExtensionButton
            ? QTransform().translate(16, 0).rotate(90).map(chevrons)
            : chevrons);
    p.end();
    return QIcon(picture);
}
