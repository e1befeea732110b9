#include "app/AppStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {
// The "more items" chevron of a menu bar too narrow for its menus, drawn only when shown: the
// menu bar asks for it when it is made, and it is seldom seen.
class ChevronIcon : public QIconEngine
{
public:
    explicit ChevronIcon(bool vertical)
        : m_vertical(vertical)
    { }

    void paint(QPainter *p, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 16.0, rect.height() / 16.0);
        p->setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
        QPainterPath chevrons;
        for (const qreal x : {4.0, 9.0}) {
            chevrons.moveTo(x, 4);
            chevrons.lineTo(x + 3.5, 8);
            chevrons.lineTo(x, 12);
        }
        p->drawPath(m_vertical ? QTransform().translate(16, 0).rotate(90).map(chevrons) : chevrons);
        p->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        paint(&p, QRect(QPoint(), size), mode, state);
        return picture;
    }

    QIconEngine *clone() const override { return new ChevronIcon(m_vertical); }

private:
    bool m_vertical;
};
} // namespace

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
    return QIcon(new ChevronIcon(icon == SP_ToolBarVerticalExtensionButton));
}
