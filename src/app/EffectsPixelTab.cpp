#include "app/EffectsPixelTab.h"

#include "app/EffectsPanel.h"
#include "app/EffectsPictureBox.h"
#include "app/EffectsRadioGroup.h"
#include "controls/TPotencjometr.h"
#include "effects/PixelEffect.h"
#include "platform/ErrorHandler.h"

#include <QLabel>
#include <QPushButton>

EffectsPixelTab::EffectsPixelTab(EffectsPanel *panel)
    : EffectsTab(panel, QStringLiteral("Pixel"), QStringLiteral("Zresetuj"))
{
    auto *caption = new QLabel(QStringLiteral("Wielkość piksela"), this);
    caption->setObjectName(QStringLiteral("PixelSizeCaption"));
    caption->move(10, 8);
    Label52 = new QLabel(QStringLiteral("50"), this);
    Label52->setObjectName(QStringLiteral("Label52"));
    Label52->setGeometry(
        caption->x() + caption->sizeHint().width() + 8, 8, 40, caption->sizeHint().height());
    QFont bold = Label52->font();
    bold.setBold(true);
    Label52->setFont(bold);
    Potencjometr11 = addSlider("Potencjometr11", QRect(8, 28, 200, 40), 1, 100, 1);
    Potencjometr11->PosLabel().setVisible(false);
    auto *scale = new QLabel(QStringLiteral("| ' | ' | ' | ' | ' | ' | ' | ' | ' | ' |"), this);
    scale->setObjectName(QStringLiteral("PixelSizeScale"));
    scale->setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
    scale->setGeometry(Potencjometr11->x() + Potencjometr11->trackRect().left(), 58,
        Potencjometr11->trackRect().width() + 4, 12);
    ModeGroup = new EffectsRadioGroup(QStringLiteral("PixelModeGroup"), QStringLiteral("Sposób"),
        {QStringLiteral("Wiatr"), QStringLiteral("Farba"), QStringLiteral("Pixele"),
            QStringLiteral("Eksplozja"), QStringLiteral("Nakładanie")},
        1, 0, this);
    ModeGroup->setGeometry(240, 2, 178, 128);

    connect(Potencjometr11, &TPotencjometr::OnScroll, this,
        handler(this, &EffectsPixelTab::Potencjometr11Scroll));
    connect(Potencjometr11, &TPotencjometr::OnCanScroll, this,
        handler(this, &EffectsPixelTab::Potencjometr11CanScroll));
    connect(ModeGroup, &EffectsRadioGroup::Click, this,
        handler(this, &EffectsPixelTab::ModeGroupClick));
    connect(
        ResetButton, &QPushButton::clicked, this, handler(this, &EffectsPixelTab::ZresetujClick));
}

void EffectsPixelTab::enter()
{
    Label52->setText(QString::number(Potencjometr11->Position()));
    m_panel->loadWhole(false);
    // Size 1 leaves the picture as it is, but draws its numbers like any rendering.
    PixelEffectParams once;
    once.modeItem = ModeGroup->ItemIndex();
    EffectsPanel::busy(
        [&] { m_panel->Image5->setPicture(pixelEffect(m_panel->Image4r->picture(), once)); });
}

QImage EffectsPixelTab::effect(const QImage &source) const
{
    PixelEffectParams params;
    params.size = Potencjometr11->Position();
    params.modeItem = ModeGroup->ItemIndex();
    return pixelEffect(source, params);
}

void EffectsPixelTab::Potencjometr11Scroll()
{
    Label52->setText(QString::number(Potencjometr11->Position()));
}

void EffectsPixelTab::Potencjometr11CanScroll()
{
    renderPreview();
}

void EffectsPixelTab::ModeGroupClick()
{
    renderPreview();
}

void EffectsPixelTab::ZresetujClick()
{
    Potencjometr11->setPosition(1);
    Label52->setText(QStringLiteral("1"));
    renderPreview();
}
