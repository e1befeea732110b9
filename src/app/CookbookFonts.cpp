#include "app/CookbookFonts.h"

#include <QLabel>
#include <QWidget>

namespace CookbookFonts {

namespace {

enum : int {
    Maroon = 0x000080,
    Navy = 0x800000,
    Teal = 0x808000,
    Grey = 0x808080,
    Silver = 0xC0C0C0,
    Black = 0x000000
};
enum : int { Ansi = 0, EastEurope = 238 };

struct Design
{
    const char *family;
    int pixels;
    int color;
    bool bold, italic;
    int charSet;
};

// Heights are design pixels at 96 dpi; the settings file keeps point sizes.
constexpr Design kDesign[] = {
    {"Antique Olive", 16, Maroon, false, true, EastEurope}, // 15 title
    {"Palatino", 19, Navy, true, false, Ansi}, // 16 captions
    {"Palatino", 21, Teal, true, false, Ansi}, // 17 values
    {"Antique Olive", 19, Maroon, false, true, EastEurope}, // 18 ingredient
    {"Palatino", 19, Grey, false, false, Ansi}, // 19 quantity
    {"Palatino", 19, Maroon, false, true, Ansi}, // 20 remark
    {"Palatino", 19, Grey, false, false, Ansi}, // 21 method
    {"Palatino", 11, Silver, false, false, EastEurope}, // 22 editor window
    {"Microsoft Sans Serif", 13, Black, false, false, EastEurope}, // 23 edit controls
};

} // namespace

StoredFont defaultFont(int group)
{
    const Design &d = kDesign[group - FirstGroup];
    StoredFont f;
    f.font = QFont(QString::fromLatin1(d.family));
    f.font.setPointSize(qRound(d.pixels * 72.0 / 96.0));
    f.font.setBold(d.bold);
    f.font.setItalic(d.italic);
    f.color = d.color;
    f.charSet = d.charSet;
    return f;
}

int holderLabel(int group)
{
    return group <= 22 ? 80 + group - FirstGroup : 90;
}

RecipeFonts fromHolders(const QWidget *page)
{
    RecipeFonts fonts;
    for (int g = RecipeFonts::FirstGroup; g <= RecipeFonts::LastGroup; ++g) {
        const auto *label
            = page->findChild<QLabel *>(QStringLiteral("Label%1").arg(holderLabel(g)));
        const StoredFont f = label ? StoredFont::of(label) : defaultFont(g);
        fonts.of(g) = {f.font, colorFromTColor(f.color)};
    }
    return fonts;
}

} // namespace CookbookFonts
