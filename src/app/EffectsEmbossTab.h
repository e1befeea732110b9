#pragma once

#include "app/EffectsTab.h"

#include <cstdint>

class EffectsColourBox;
class EffectsKnob;
class EffectsRadioGroup;
class QLineEdit;
class QSpinBox;
class QToolButton;
class TPotencjometr;

// "Płaskorzeźba": level, direction (a number or the knob), relief colour and edge kind.
class EffectsEmbossTab : public EffectsTab
{
    Q_OBJECT

public:
    explicit EffectsEmbossTab(EffectsPanel *panel);

    void enter() override;
    QImage effect(const QImage &source) const override;

    // The relief colour the effect uses, 0xBBGGRR.
    uint32_t reliefColour() const { return m_reliefColour; }

    void Potencjometr5Scroll();
    void Potencjometr5CanScroll();
    void SpinEdit2Change();
    void Image6MouseDown();
    void Image6MouseMove(const QPoint &at);
    void Image6MouseUp(const QPoint &at);
    void ReliefColourGroupClick();
    void ScrolkolorClick();
    void PipetteButtonClick();
    void EdgeKindGroupClick();

    TPotencjometr *Potencjometr5;
    QLineEdit *Edit7;
    QSpinBox *SpinEdit2;
    EffectsKnob *Image6;
    EffectsRadioGroup *ReliefColourGroup;
    EffectsColourBox *Scrolkolor;
    QToolButton *PipetteButton;
    EffectsRadioGroup *EdgeKindGroup;

private:
    void setSpin(int angle);

    uint32_t m_reliefColour = 0x808080;
    bool m_knobDragging = false;
};
