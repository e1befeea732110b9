#pragma once

#include "app/EffectsTab.h"

class EffectsRadioGroup;
class QGroupBox;
class TPotencjometr;

// "Zmiana kolorów": brightness and red, green, blue shifts, plain or weighted by a sine.
class EffectsColourTab : public EffectsTab
{
    Q_OBJECT

public:
    explicit EffectsColourTab(EffectsPanel *panel);

    void enter() override;
    QImage effect(const QImage &source) const override;

    void SliderCanScroll();
    void WayGroupClick();
    void WyczyscClick();

    TPotencjometr *Potencjometr1; // brightness
    TPotencjometr *Potencjometr2; // red
    TPotencjometr *Potencjometr3; // green
    TPotencjometr *Potencjometr4; // blue
    QGroupBox *BrightnessGroup;
    EffectsRadioGroup *WayGroup;

private:
    void zeroSliders();
};
