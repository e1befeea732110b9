#pragma once

#include "app/EffectsTab.h"

class EffectsRadioGroup;
class QLabel;
class TPotencjometr;

// "Piksele": the picture rebuilt from displaced copies of its own pixels, five ways.
class EffectsPixelTab : public EffectsTab
{
    Q_OBJECT

public:
    explicit EffectsPixelTab(EffectsPanel *panel);

    void enter() override;
    QImage effect(const QImage &source) const override;

    void Potencjometr11Scroll();
    void Potencjometr11CanScroll();
    void ModeGroupClick();
    void ZresetujClick();

    QLabel *Label52;
    TPotencjometr *Potencjometr11;
    EffectsRadioGroup *ModeGroup;
};
