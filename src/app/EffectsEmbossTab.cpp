#include "app/EffectsEmbossTab.h"

#include "app/EffectsColourBox.h"
#include "app/EffectsKnob.h"
#include "app/EffectsPanel.h"
#include "app/EffectsPictureBox.h"
#include "app/EffectsRadioGroup.h"
#include "controls/PictureFile.h"
#include "controls/TPotencjometr.h"
#include "effects/Emboss.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QtMath>

namespace {

constexpr int kDialSize = 64;

uint32_t toBgr(const QColor &colour)
{
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

// The scale around the knob: a tick every 30 degrees, longer ones at the four main directions.
// Drawn when shown: the panel is hidden at start.
class DialScale : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QColor face = palette().color(QPalette::Button);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(kDialSize / 2.0, kDialSize / 2.0);
        p.setPen(QPen(face.darker(150), 1));
        p.setBrush(face);
        p.drawEllipse(QPointF(0, 0), 21.5, 21.5);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
        for (int degrees = 0; degrees < 360; degrees += 30) {
            const double r = qDegreesToRadians(double(degrees));
            const double inner = degrees % 90 == 0 ? 24 : 27;
            p.drawLine(QPointF(inner * std::cos(r), inner * std::sin(r)),
                QPointF(30 * std::cos(r), 30 * std::sin(r)));
        }
    }
};

} // namespace

EffectsEmbossTab::EffectsEmbossTab(EffectsPanel *panel)
    : EffectsTab(panel, QStringLiteral("Emboss"), QStringLiteral("Zresetuj"))
{
    auto *levelCaption = new QLabel(QStringLiteral("Poziom:"), this);
    levelCaption->setObjectName(QStringLiteral("EmbossLevelLabel"));
    levelCaption->move(10, 8);
    Potencjometr5 = addSlider("Potencjometr5", QRect(8, 28, 248, 40), 1, 200, 100);
    Potencjometr5->PosLabel().setVisible(false);
    auto *scale = new QLabel(
        QStringLiteral("|    |    |    |    |    |''''''''|''''''''|''''''''|''''''''|"), this);
    scale->setObjectName(QStringLiteral("EmbossLevelScale"));
    scale->setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
    scale->setGeometry(Potencjometr5->x() + Potencjometr5->trackRect().left(), 58,
        Potencjometr5->trackRect().width() + 4, 12);
    Edit7 = new QLineEdit(QStringLiteral("100"), this);
    Edit7->setObjectName(QStringLiteral("Edit7"));
    Edit7->setGeometry(208, 4, 48, 24);

    auto *directionCaption = new QLabel(QStringLiteral("Kierunek:"), this);
    directionCaption->setObjectName(QStringLiteral("EmbossDirectionLabel"));
    directionCaption->move(10, 86);
    SpinEdit2 = new QSpinBox(this);
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(1, 360);
    SpinEdit2->setGeometry(10, 106, 64, 24);
    auto *dial = new DialScale(this);
    dial->setObjectName(QStringLiteral("EmbossDial"));
    dial->setGeometry(120, 78, kDialSize, kDialSize);
    Image6 = new EffectsKnob(QStringLiteral("Image6"), this);
    Image6->move(dial->x() + (kDialSize - 40) / 2, dial->y() + (kDialSize - 40) / 2);

    ReliefColourGroup = new EffectsRadioGroup(QStringLiteral("ReliefColourGroup"),
        QStringLiteral("Kolor płaskorzeźby"),
        {QStringLiteral("kolor oryginalny"), QStringLiteral("Szary"), QStringLiteral("Czarny "),
            QStringLiteral("Inny")},
        1, 1, this);
    ReliefColourGroup->setGeometry(266, 0, 152, 100);
    Scrolkolor = new EffectsColourBox(QStringLiteral("Scrolkolor"), this);
    Scrolkolor->setGeometry(266, 106, 112, 26);
    PipetteButton = new QToolButton(this);
    PipetteButton->setObjectName(QStringLiteral("PipetteButton"));
    PipetteButton->setIcon(picturefile::icon(QStringLiteral(":/pipeta.png")));
    PipetteButton->setIconSize(QSize(20, 20));
    PipetteButton->setGeometry(384, 106, 34, 26);
    EdgeKindGroup
        = new EffectsRadioGroup(QStringLiteral("EdgeKindGroup"), QStringLiteral("Rodzaj krawędzi"),
            {QStringLiteral("RGB"), QStringLiteral("Jednolity")}, 2, 0, this);
    EdgeKindGroup->setGeometry(266, 136, 152, 44);

    connect(Potencjometr5, &TPotencjometr::OnScroll, this,
        handler(this, &EffectsEmbossTab::Potencjometr5Scroll));
    connect(Potencjometr5, &TPotencjometr::OnCanScroll, this,
        handler(this, &EffectsEmbossTab::Potencjometr5CanScroll));
    connect(SpinEdit2, &QSpinBox::valueChanged, this,
        handler(this, &EffectsEmbossTab::SpinEdit2Change));
    connect(Image6, &EffectsKnob::pressed, this, handler(this, &EffectsEmbossTab::Image6MouseDown));
    connect(Image6, &EffectsKnob::moved, this, handler(this, &EffectsEmbossTab::Image6MouseMove));
    connect(Image6, &EffectsKnob::released, this, handler(this, &EffectsEmbossTab::Image6MouseUp));
    connect(ReliefColourGroup, &EffectsRadioGroup::Click, this,
        handler(this, &EffectsEmbossTab::ReliefColourGroupClick));
    connect(Scrolkolor, &EffectsColourBox::clicked, this,
        handler(this, &EffectsEmbossTab::ScrolkolorClick));
    connect(PipetteButton, &QToolButton::clicked, this,
        handler(this, &EffectsEmbossTab::PipetteButtonClick));
    connect(EdgeKindGroup, &EffectsRadioGroup::Click, this,
        handler(this, &EffectsEmbossTab::EdgeKindGroupClick));
    connect(panel, &EffectsPanel::pipetteTook, Scrolkolor, &EffectsColourBox::setColour);
}

void EffectsEmbossTab::enter()
{
    Potencjometr5->setPosition(100);
    setSpin(1);
    Image6->drawFor(SpinEdit2->value());
    m_panel->loadWhole(true);
    if (const int item = ReliefColourGroup->ItemIndex(); item == 1 || item == 2)
        m_reliefColour = reliefColourForItem(item, m_reliefColour, toBgr(Scrolkolor->colour()));
    // The first rendering is always in grey, whichever colour is chosen.
    EmbossParams grey;
    grey.level = embossLevelFromText(Edit7->text());
    grey.angle = SpinEdit2->value();
    grey.edgeItem = EdgeKindGroup->ItemIndex();
    EffectsPanel::busy(
        [&] { m_panel->Image5->setPicture(emboss(m_panel->Image4r->picture(), grey)); });
}

QImage EffectsEmbossTab::effect(const QImage &source) const
{
    EmbossParams params;
    params.level = embossLevelFromText(Edit7->text());
    params.angle = SpinEdit2->value();
    params.colourItem = ReliefColourGroup->ItemIndex();
    params.colour = m_reliefColour;
    params.edgeItem = EdgeKindGroup->ItemIndex();
    return emboss(source, params);
}

void EffectsEmbossTab::setSpin(int angle)
{
    const QSignalBlocker quiet(SpinEdit2);
    SpinEdit2->setValue(angle);
}

void EffectsEmbossTab::Potencjometr5Scroll()
{
    Edit7->setText(QString::number(embossLevelForPosition(Potencjometr5->Position())));
}

void EffectsEmbossTab::Potencjometr5CanScroll()
{
    renderPreview();
}

void EffectsEmbossTab::SpinEdit2Change()
{
    if (m_knobDragging)
        return;
    Image6->drawFor(SpinEdit2->value());
    renderPreview();
}

void EffectsEmbossTab::Image6MouseDown()
{
    m_knobDragging = true;
}

void EffectsEmbossTab::Image6MouseMove(const QPoint &at)
{
    if (!m_knobDragging)
        return;
    if (const std::optional<int> angle = knobAngleFromMouse(at.x(), at.y()))
        SpinEdit2->setValue(*angle);
    Image6->drawFor(SpinEdit2->value());
}

void EffectsEmbossTab::Image6MouseUp(const QPoint &at)
{
    if (const std::optional<int> angle = knobAngleFromMouse(at.x(), at.y()))
        SpinEdit2->setValue(*angle);
    Image6->drawFor(SpinEdit2->value());
    m_knobDragging = false;
    renderPreview();
}

void EffectsEmbossTab::ReliefColourGroupClick()
{
    m_reliefColour = reliefColourForItem(
        ReliefColourGroup->ItemIndex(), m_reliefColour, toBgr(Scrolkolor->colour()));
    renderPreview();
}

void EffectsEmbossTab::ScrolkolorClick()
{
    if (const std::optional<QColor> chosen = Platform::get().chooseColor(Scrolkolor->colour()))
        Scrolkolor->setColour(*chosen);
    ReliefColourGroupClick();
}

void EffectsEmbossTab::PipetteButtonClick()
{
    m_panel->armPipette();
}

void EffectsEmbossTab::EdgeKindGroupClick()
{
    renderPreview();
}
