#include "app/EffectsTab.h"

#include "app/EffectsPanel.h"
#include "app/EffectsPictureBox.h"
#include "controls/TPotencjometr.h"
#include "platform/ErrorHandler.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 26;
constexpr int kMargin = 8;
} // namespace

EffectsTab::EffectsTab(EffectsPanel *panel, const QString &prefix, const QString &resetCaption)
    : m_panel(panel)
{
    setObjectName(prefix + QStringLiteral("Tab"));
    // One plain colour under the tab's controls, the sliders' pictures included.
    setAutoFillBackground(true);
    const auto button = [&](const QString &caption, const char *suffix) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(prefix + QLatin1String(suffix));
        b->resize(kButtonWidth, kButtonHeight);
        return b;
    };
    ResetButton = button(resetCaption, "ResetButton");
    OkButton = button(QStringLiteral("Ok"), "OkButton");
    CancelButton = button(QStringLiteral("Anuluj"), "CancelButton");
    // Tells the user that the working picture can be dragged; it does nothing itself.
    MovePanel = new QLabel(QStringLiteral("Przesuń"), this);
    MovePanel->setObjectName(prefix + QStringLiteral("MovePanel"));
    MovePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    MovePanel->setAlignment(Qt::AlignCenter);
    MovePanel->setCursor(Qt::PointingHandCursor);
    MovePanel->resize(kButtonWidth, kButtonHeight);
    connect(OkButton, &QPushButton::clicked, this, handler(this, &EffectsTab::OkClick));
    connect(CancelButton, &QPushButton::clicked, this, handler(this, &EffectsTab::AnulujClick));
}

void EffectsTab::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int top = height() - kButtonHeight - kMargin;
    int left = width() - kMargin - kButtonWidth;
    for (QPushButton *b : {CancelButton, OkButton, ResetButton}) {
        b->move(left, top);
        left -= kButtonWidth + 6;
    }
    MovePanel->move(kMargin, top);
}

TPotencjometr *EffectsTab::addSlider(
    const char *name, const QRect &geometry, int min, int max, int position, QWidget *parent)
{
    auto *slider = new TPotencjometr(parent ? parent : this);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(geometry);
    slider->setColor(palette().color(QPalette::Window));
    slider->setMax(max);
    slider->setMin(min);
    slider->setPosition(position);
    return slider;
}

void EffectsTab::OkClick()
{
    m_panel->apply(*this);
}

void EffectsTab::AnulujClick()
{
    m_panel->Close();
}

void EffectsTab::renderPreview()
{
    EffectsPanel::busy(
        [this] { m_panel->Image5->setPicture(effect(m_panel->Image4r->picture())); });
}

void EffectsTab::showWorkingAsPreview()
{
    m_panel->Image5->setPicture(m_panel->Image4r->picture());
}
