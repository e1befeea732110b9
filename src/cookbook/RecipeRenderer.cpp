#include "cookbook/RecipeRenderer.h"

#include "cookbook/Quantity.h"
#include "cookbook/ShownText.h"
#include "core/AppError.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

enum Group {
    Title = 15,
    Caption = 16,
    Value = 17,
    Ingredient = 18,
    Amount = 19,
    Remark = 20,
    Method = 21
};

const QString kFiveBlanks = QStringLiteral("     ");

// Appends text the way the view is written: always at the end, in the current font, a line
// break closing the paragraph.
class ParagraphWriter
{
public:
    explicit ParagraphWriter(QList<RecipeParagraph> &out)
        : m_out(out)
    { }

    void font(int group) { m_group = group; }
    void insert(const QString &text)
    {
        if (!text.isEmpty())
            m_current.runs.append({m_group, text});
    }
    void lineBreak()
    {
        m_current.breakGroup = m_group;
        m_out.append(m_current);
        m_current = RecipeParagraph();
    }
    void centre() { m_current.centred = true; }
    void finish()
    {
        m_current.breakGroup = m_group;
        m_out.append(m_current);
    }

    void AddLabeledLine(const QString &caption, const QString &value)
    {
        if (value.isEmpty())
            return;
        font(Caption);
        insert(caption);
        font(Value);
        insert(value);
        lineBreak();
    }

private:
    QList<RecipeParagraph> &m_out;
    RecipeParagraph m_current;
    int m_group = Title;
};

} // namespace

RenderedRecipe RecipeRenderer::layout(const TXMLPrzepisType &recipe, bool velmaroBook,
    const TXMLJednostkiType &units, const QString &wantedPortions)
{
    RenderedRecipe r;
    if (recipe.porcje().isEmpty())
        recipe.setPorcje(QStringLiteral("1"));
    const Fixed4 recipePortions = ParseQuantity(recipe.porcje());
    // The portions field is filled from the recipe's own portions, which may be a fraction
    // ("1 1/2"); read those as quantities are read instead of refusing to show the recipe.
    Fixed4 wanted;
    if (!Fixed4::tryParse(wantedPortions, &wanted)) {
        if (!wantedPortions.contains(u'/') || (wanted = ParseQuantity(wantedPortions)).isZero())
            throw AppError::invalidFloat(wantedPortions);
    }
    r.scaleFactor = ScaleFactor(wanted, recipePortions);

    r.title = recipe.tytul();
    r.portionCaption = recipe.jednostka().isEmpty() ? QStringLiteral("Porcje") : recipe.jednostka();
    r.www = recipe.www();
    r.photo = recipe.zdjecie();

    ParagraphWriter w(r.paragraphs);
    w.centre();
    w.font(Title);
    w.insert(r.title);
    w.lineBreak();

    w.AddLabeledLine(QStringLiteral("Autor: "), recipe.autor());
    w.AddLabeledLine(QStringLiteral("Data: "), recipe.data());
    w.AddLabeledLine(QStringLiteral("Czas przyrządzania: "), recipe.czas());
    w.AddLabeledLine(QStringLiteral("Kuchnia: "), recipe.kuchnia());
    if (!recipe.kalorie().isEmpty())
        w.AddLabeledLine(
            QStringLiteral("Kalorycznosc 1 porcji: "), recipe.kalorie() + QStringLiteral(" kcal"));
    w.AddLabeledLine(QStringLiteral("Ocena: "), recipe.ocena());

    w.font(Caption);
    w.insert(QStringLiteral("Kategoria: "));
    const TXMLKategoriaTypeList categories = recipe.kategoria();
    for (int i = 0, n = categories.count(); i < n; ++i) {
        w.font(Value);
        w.insert(categories[i].nazwa());
        if (i < n - 1)
            w.insert(QStringLiteral(", "));
    }
    w.lineBreak();

    w.font(Caption);
    w.insert(QStringLiteral("Skladniki:  "));
    w.lineBreak();

    const TXMLSkladnikTypeList lines = recipe.skladnik();
    for (int i = 0, n = lines.count(); i < n; ++i) {
        const TXMLSkladnikType line = lines[i];
        const Fixed4 q = ParseQuantity(line.ilosc());
        w.font(Ingredient);
        w.insert(kFiveBlanks + line.nazwa() + u':');
        w.font(Amount);
        if (q > Fixed4()) {
            w.insert(kFiveBlanks + ScaledQuantityText(q, r.scaleFactor));
            w.insert(UnitForm(line.jednostka(), ScaledUnitQuantity(q, r.scaleFactor), units));
        } else {
            // A word, an empty text or zero is shown as written, with the unit's form for 0.
            w.insert(kFiveBlanks + line.ilosc());
            w.insert(UnitForm(line.jednostka(), Fixed4(), units));
        }
        const QString remark = line.text();
        if (!remark.isEmpty()) {
            w.font(Remark);
            w.insert(QStringLiteral(" -- ") + remark);
        }
        w.lineBreak();
    }

    w.font(Remark);
    w.lineBreak();
    w.insert(QStringLiteral("Sposób wykonania:"));
    w.lineBreak();
    for (const QString &methodLine : recipe.opis().lines(velmaroBook)) {
        w.font(Method);
        w.insert(methodLine);
        w.lineBreak();
    }
    w.finish();
    return r;
}

QTextCharFormat RecipeRenderer::ApplyElementFont(const RecipeFonts &fonts, int group)
{
    const RecipeFont &f = fonts.of(group);
    QTextCharFormat format;
    format.setFont(f.font, QTextCharFormat::FontPropertiesAll);
    format.setForeground(f.color);
    return format;
}

void RecipeRenderer::write(
    const RenderedRecipe &recipe, const RecipeFonts &fonts, QTextDocument *document)
{
    QTextCharFormat formats[RecipeFonts::LastGroup - RecipeFonts::FirstGroup + 1];
    for (int g = RecipeFonts::FirstGroup; g <= RecipeFonts::LastGroup; ++g)
        formats[g - RecipeFonts::FirstGroup] = ApplyElementFont(fonts, g);
    auto format = [&](int group) -> const QTextCharFormat & {
        return formats[group - RecipeFonts::FirstGroup];
    };

    document->clear();
    document->setDefaultFont(fonts.of(Title).font);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    bool first = true;
    // What the view lays out is bounded, whatever the book holds (see ShownText.h).
    qsizetype budget = showntext::ViewCharacters;
    for (const RecipeParagraph &p : recipe.paragraphs) {
        if (budget <= 0) {
            cursor.insertBlock(QTextBlockFormat(), format(p.breakGroup));
            cursor.insertText(QString(QChar(0x2026)), format(p.breakGroup));
            break;
        }
        --budget;
        QTextBlockFormat block;
        block.setAlignment(p.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        // The paragraph mark carries the font of its line break, which sets the height of an
        // empty line.
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(format(p.breakGroup));
            first = false;
        } else {
            cursor.insertBlock(block, format(p.breakGroup));
        }
        for (const RecipeRun &run : p.runs) {
            if (budget <= 0)
                break;
            cursor.insertText(
                showntext::wrappable(showntext::cut(run.text, budget)), format(run.group));
            budget -= run.text.size();
        }
    }
    cursor.endEditBlock();
}

RenderedRecipe RecipeRenderer::RenderRecipe(const TXMLPrzepisType &recipe, bool velmaroBook,
    const TXMLJednostkiType &units, const QString &wantedPortions, const RecipeFonts &fonts,
    QTextDocument *document)
{
    RenderedRecipe r = layout(recipe, velmaroBook, units, wantedPortions);
    write(r, fonts, document);
    return r;
}
