#include "platform/StoredFont.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

const char *const kColorProperty = "solvarinTColor";
const char *const kCharSetProperty = "solvarinCharSet";

QPalette::ColorRole systemRole(int index)
{
    switch (index) {
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light; // button highlight
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::WindowText; // window text, menu text, caption text, ...
    }
}

} // namespace

QColor colorFromTColor(int value)
{
    if (value < 0)
        return QApplication::palette().color(systemRole(value & 0xFF));
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int tColorFromColor(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

int styleBits(const QFont &font)
{
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
        | (font.strikeOut() ? 8 : 0);
}

void setStyleBits(QFont &font, int bits)
{
    font.setBold(bits & 1);
    font.setItalic(bits & 2);
    font.setUnderline(bits & 4);
    font.setStrikeOut(bits & 8);
}

StoredFont StoredFont::of(const QWidget *widget)
{
    StoredFont f;
    f.font = widget->font();
    const QVariant color = widget->property(kColorProperty);
    f.color = color.isValid() ? color.toInt()
                              : tColorFromColor(widget->palette().color(QPalette::WindowText));
    const QVariant charSet = widget->property(kCharSetProperty);
    f.charSet = charSet.isValid() ? charSet.toInt() : 1;
    return f;
}

void StoredFont::applyTo(QWidget *widget) const
{
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colorFromTColor(color));
    widget->setPalette(palette);
    widget->setProperty(kColorProperty, color);
    widget->setProperty(kCharSetProperty, charSet);
}
