#pragma once

#include "app/EffectsTab.h"

#include "effects/Sepia.h"

class QButtonGroup;
class QPushButton;
class TPotencjometr;

// "Sepia": greys, a fixed sepia tone, or a sepia whose red and blue strength the sliders set.
// Three toggle buttons choose and preview; "Ok" applies the one that is down.
class EffectsSepiaTab : public EffectsTab
{
    Q_OBJECT

public:
    explicit EffectsSepiaTab(EffectsPanel *panel);

    void enter() override;
    void redrawPreview() override;
    QImage effect(const QImage &source) const override;
    bool hasEffect() const override { return kind() != SepiaKind::None; }

    SepiaKind kind() const;

    void KindButtonClick();
    void SliderCanScroll();
    void ZresetujClick();

    QPushButton *GreysButton;
    QPushButton *SepiaButton;
    QPushButton *AdjustableSepiaButton;
    TPotencjometr *Potencjometr6; // red strength
    TPotencjometr *Potencjometr7; // blue strength

private:
    QButtonGroup *m_kinds;
};
