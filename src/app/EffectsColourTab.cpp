#include "app/EffectsColourTab.h"

#include "app/EffectsPanel.h"
#include "app/EffectsRadioGroup.h"
#include "controls/TPotencjometr.h"
#include "effects/ColourChange.h"
#include "platform/ErrorHandler.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

EffectsColourTab::EffectsColourTab(EffectsPanel *panel)
    : EffectsTab(panel, QStringLiteral("Colour"), QStringLiteral("Wyczyść"))
{
    const std::tuple<const char *, const char *, const char *, QColor> channels[] = {
        {"Potencjometr2", "ColourRedLabel", "R", QColor(220, 0, 0)},
        {"Potencjometr3", "ColourGreenLabel", "G", QColor(0, 170, 0)},
        {"Potencjometr4", "ColourBlueLabel", "B", QColor(0, 0, 220)},
    };
    TPotencjometr **sliders[] = {&Potencjometr2, &Potencjometr3, &Potencjometr4};
    int top = 6;
    for (int i = 0; i < 3; ++i) {
        const auto &[name, labelName, caption, thumb] = channels[i];
        auto *label = new QLabel(QString::fromLatin1(caption), this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setGeometry(10, top + 10, 14, 20);
        *sliders[i] = addSlider(name, QRect(26, top, 200, 40), -255, 255, 0);
        (*sliders[i])->Suwak().setColor(thumb);
        top += 46;
    }
    BrightnessGroup = new QGroupBox(QStringLiteral("Jasność"), this);
    BrightnessGroup->setObjectName(QStringLiteral("BrightnessGroup"));
    BrightnessGroup->setGeometry(240, 2, 178, 66);
    Potencjometr1
        = addSlider("Potencjometr1", QRect(6, 20, 166, 40), -255, 255, 0, BrightnessGroup);
    WayGroup = new EffectsRadioGroup(QStringLiteral("ColourWayGroup"), QStringLiteral("Sposób"),
        {QStringLiteral("Zwykły"), QStringLiteral("Wyostrzający")}, 1, 0, this);
    WayGroup->setGeometry(240, 74, 178, 62);

    for (TPotencjometr *slider : {Potencjometr1, Potencjometr2, Potencjometr3, Potencjometr4})
        connect(slider, &TPotencjometr::OnCanScroll, this,
            handler(this, &EffectsColourTab::SliderCanScroll));
    connect(
        WayGroup, &EffectsRadioGroup::Click, this, handler(this, &EffectsColourTab::WayGroupClick));
    connect(
        ResetButton, &QPushButton::clicked, this, handler(this, &EffectsColourTab::WyczyscClick));
}

void EffectsColourTab::zeroSliders()
{
    for (TPotencjometr *slider : {Potencjometr1, Potencjometr2, Potencjometr3, Potencjometr4})
        slider->setPosition(0);
}

void EffectsColourTab::enter()
{
    zeroSliders();
    m_panel->loadWhole(false);
}

QImage EffectsColourTab::effect(const QImage &source) const
{
    ColourChangeParams params;
    params.brightness = Potencjometr1->Position();
    params.red = Potencjometr2->Position();
    params.green = Potencjometr3->Position();
    params.blue = Potencjometr4->Position();
    params.wayItem = WayGroup->ItemIndex();
    return colourChange(source, params);
}

void EffectsColourTab::SliderCanScroll()
{
    renderPreview();
}

void EffectsColourTab::WayGroupClick()
{
    renderPreview();
}

void EffectsColourTab::WyczyscClick()
{
    showWorkingAsPreview();
    zeroSliders();
}
