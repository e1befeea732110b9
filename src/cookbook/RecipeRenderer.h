#pragma once

#include "cookbook/TXMLJednostkiType.h"
#include "cookbook/TXMLPrzepisType.h"
#include "core/Fixed4.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QTextDocument;
class QTextCharFormat;

// One full font of the recipe view: face, size, style and colour.
struct RecipeFont
{
    QFont font;
    QColor color;
};

// The fonts of a rendered recipe, font groups 15 to 21.
struct RecipeFonts
{
    static constexpr int FirstGroup = 15;
    static constexpr int LastGroup = 21;
    RecipeFont group[LastGroup - FirstGroup + 1];

    const RecipeFont &of(int groupNumber) const { return group[groupNumber - FirstGroup]; }
    RecipeFont &of(int groupNumber) { return group[groupNumber - FirstGroup]; }
};

// Text of one font group inside a paragraph.
struct RecipeRun
{
    int group;
    QString text;
};

// One line of the view: its runs and the font group current when its line break was written.
struct RecipeParagraph
{
    bool centred = false;
    QList<RecipeRun> runs;
    int breakGroup = RecipeFonts::FirstGroup;
};

// Everything a rendering produces: the paragraphs of the view and what the page shows around it.
struct RenderedRecipe
{
    QList<RecipeParagraph> paragraphs;
    Fixed4 scaleFactor;
    QString title;
    QString portionCaption; // the recipe's portion unit, or "Porcje"
    QString www;
    QString photo; // zdjecie: the photo shown first
};

// Writes a recipe out as the recipe view shows it. Laying out does every calculation that can
// fail, so a failed rendering never leaves a half-written view behind.
class RecipeRenderer
{
public:
    // Lays out the recipe for the wanted portions (the portions field's text). An empty porcje
    // is set to "1" in the book first. Throws the number errors when the wanted portions are not
    // a number or the recipe's portions are not a number or 0.
    static RenderedRecipe layout(const TXMLPrzepisType &recipe, bool velmaroBook,
        const TXMLJednostkiType &units, const QString &wantedPortions);

    // Replaces the document's contents by the laid-out recipe in the given fonts; the document's
    // default font becomes the title font.
    static void write(
        const RenderedRecipe &recipe, const RecipeFonts &fonts, QTextDocument *document);

    // Both steps: the routine every view uses.
    static RenderedRecipe RenderRecipe(const TXMLPrzepisType &recipe, bool velmaroBook,
        const TXMLJednostkiType &units, const QString &wantedPortions, const RecipeFonts &fonts,
        QTextDocument *document);

    static QTextCharFormat ApplyElementFont(const RecipeFonts &fonts, int group);
};
