#include "app/EffectsSepiaTab.h"

#include "app/EffectsPanel.h"
#include "controls/TPotencjometr.h"
#include "platform/ErrorHandler.h"

#include <QButtonGroup>
#include <QPushButton>

EffectsSepiaTab::EffectsSepiaTab(EffectsPanel *panel)
    : EffectsTab(panel, QStringLiteral("Sepia"), QStringLiteral("Zresetuj"))
    , m_kinds(new QButtonGroup(this))
{
    const std::pair<const char *, QString> kinds[] = {
        {"GreysButton", QStringLiteral("Odcienie szarosci")},
        {"SepiaButton", QStringLiteral("Sepia")},
        {"AdjustableSepiaButton", QStringLiteral("Sepia ustawiana")},
    };
    QPushButton **buttons[] = {&GreysButton, &SepiaButton, &AdjustableSepiaButton};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(kinds[i].second, this);
        button->setObjectName(QString::fromLatin1(kinds[i].first));
        button->setCheckable(true);
        button->setGeometry(10 + 138 * i, 10, 130, 30);
        // Exclusive: none is down at first, and once one is down one always stays down.
        m_kinds->addButton(button, i);
        *buttons[i] = button;
    }
    Potencjometr6 = addSlider("Potencjometr6", QRect(10, 56, 404, 40), 0, 255, 38);
    Potencjometr6->Suwak().setColor(QColor(220, 0, 0));
    Potencjometr7 = addSlider("Potencjometr7", QRect(10, 104, 404, 40), 0, 255, 51);
    Potencjometr7->Suwak().setColor(QColor(0, 0, 220));

    connect(
        m_kinds, &QButtonGroup::idClicked, this, handler(this, &EffectsSepiaTab::KindButtonClick));
    for (TPotencjometr *slider : {Potencjometr6, Potencjometr7})
        connect(slider, &TPotencjometr::OnCanScroll, this,
            handler(this, &EffectsSepiaTab::SliderCanScroll));
    connect(
        ResetButton, &QPushButton::clicked, this, handler(this, &EffectsSepiaTab::ZresetujClick));
}

SepiaKind EffectsSepiaTab::kind() const
{
    if (GreysButton->isChecked())
        return SepiaKind::Greys;
    if (SepiaButton->isChecked())
        return SepiaKind::Sepia;
    if (AdjustableSepiaButton->isChecked())
        return SepiaKind::Adjustable;
    return SepiaKind::None;
}

void EffectsSepiaTab::enter()
{
    m_panel->loadWhole(false);
}

void EffectsSepiaTab::redrawPreview()
{
    if (hasEffect())
        renderPreview();
    else
        showWorkingAsPreview();
}

QImage EffectsSepiaTab::effect(const QImage &source) const
{
    SepiaParams params;
    params.kind = kind();
    params.red = Potencjometr6->Position();
    params.blue = Potencjometr7->Position();
    return sepiaEffect(source, params);
}

void EffectsSepiaTab::KindButtonClick()
{
    renderPreview();
}

void EffectsSepiaTab::SliderCanScroll()
{
    if (kind() == SepiaKind::Adjustable)
        renderPreview();
}

void EffectsSepiaTab::ZresetujClick()
{
    showWorkingAsPreview();
    Potencjometr6->setPosition(40);
    Potencjometr7->setPosition(50);
}
