#include "editor/OptionsPage.h"

#include "controls/TPrzycisk.h"
#include "editor/EditorWidgets.h"
#include "editor/RecipeEditorHost.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QGridLayout>
#include <QGroupBox>

using namespace editorwidgets;

OptionsPage::OptionsPage(RecipeEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("OptionsPage"));
    const QString captions[] = {QStringLiteral("Tytuł przepisu"), QStringLiteral("Opis informacji"),
        QStringLiteral("Informacje"), QStringLiteral("Składnik"), QStringLiteral("Ilość składnika"),
        QStringLiteral("Opis składnika"), QStringLiteral("Opis przepisu"), QStringLiteral("Okno"),
        QStringLiteral("Kontrolek")};
    RecipeFontsGroup = new QGroupBox(QStringLiteral("Czcionki przepisu"), this);
    RecipeFontsGroup->setObjectName(QStringLiteral("RecipeFontsGroup"));
    OtherFontsGroup = new QGroupBox(QStringLiteral("Inne czcionki"), this);
    OtherFontsGroup->setObjectName(QStringLiteral("OtherFontsGroup"));
    OtherGroup = new QGroupBox(QStringLiteral("Inne"), this);
    OtherGroup->setObjectName(QStringLiteral("OtherGroup"));

    auto *recipe = new QGridLayout(RecipeFontsGroup);
    auto *other = new QHBoxLayout(OtherFontsGroup);
    for (int g = 15; g <= 23; ++g) {
        QGroupBox *box = g <= 21 ? RecipeFontsGroup : OtherFontsGroup;
        TPrzycisk *b = button(box, QStringLiteral("FontButton%1").arg(g), captions[g - 15]);
        // The longer captions need more than the usual 80 pixels.
        b->setFixedSize(112, 40);
        FontButton[g] = b;
        if (g <= 21)
            recipe->addWidget(b, (g - 15) / 4, (g - 15) % 4);
        else
            other->addWidget(b);
        connect(
            b, &TPrzycisk::OnClick, this, [this, g] { runGuarded([&] { FontButtonClick(g); }); });
    }
    ControlColourButton = button(
        OtherGroup, QStringLiteral("ControlColourButton"), QStringLiteral("Kolor kontrolek"));
    ControlColourButton->setFixedSize(112, 40);
    (new QHBoxLayout(OtherGroup))->addWidget(ControlColourButton);
    connect(ControlColourButton, &TPrzycisk::OnClick, this,
        handler(this, &OptionsPage::ControlColourClick));
    for (QLayout *l :
        {RecipeFontsGroup->layout(), OtherFontsGroup->layout(), OtherGroup->layout()}) {
        l->setContentsMargins(10, 6, 10, 10);
        l->setSpacing(8);
    }

    auto *page = new QGridLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->setSpacing(12);
    page->addWidget(RecipeFontsGroup, 0, 0, 1, 2, Qt::AlignLeft);
    page->addWidget(OtherFontsGroup, 1, 0, Qt::AlignLeft);
    page->addWidget(OtherGroup, 1, 1, Qt::AlignLeft);
    page->setColumnStretch(1, 1);
    page->setRowStretch(2, 1);
}

// The font dialog starts with the group's font; what is chosen is written first, then used.
void OptionsPage::FontButtonClick(int group)
{
    StoredFont font = m_host.recipeFont(group);
    const auto choice
        = Platform::get().chooseFont(Platform::FontChoice(font.font, colorFromTColor(font.color)));
    if (!choice)
        return;
    font.font = choice->font;
    if (choice->color.isValid())
        font.color = tColorFromColor(choice->color);
    Settings().ZapiszCzcionke(group, font);
    m_host.setRecipeFont(group, font);
    if (group <= 21)
        m_host.renderCurrentRecipe();
    else if (group == 22)
        emit windowFontChanged();
    else
        emit controlStyleChanged();
}

void OptionsPage::ControlColourClick()
{
    const auto colour = Platform::get().chooseColor(colorFromTColor(m_host.ControlColour()));
    if (!colour)
        return;
    const int value = tColorFromColor(*colour);
    Settings().setControlColour(value);
    m_host.setControlColour(value);
    emit controlStyleChanged();
}
