#include "platform/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontColourDialog::FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent)
    : QDialog(parent)
    , m_colour(colour.isValid() ? colour : QColor(Qt::black))
{
    setObjectName(QStringLiteral("FontColourDialog"));
    setWindowTitle(QStringLiteral("Czcionka"));
    // Qt's chooser, shown as a part of this window: its own buttons give way to ours.
    m_fonts = new QFontDialog(font, this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);

    auto *colourCaption = new QLabel(QStringLiteral("&Kolor:"), this);
    m_colourButton = new QPushButton(this);
    m_colourButton->setObjectName(QStringLiteral("ColourButton"));
    m_colourButton->setMinimumWidth(120);
    colourCaption->setBuddy(m_colourButton);
    m_sample = new QLabel(QStringLiteral("Ilość peklosoli: 76 - 80 g"), this);
    m_sample->setObjectName(QStringLiteral("Sample"));
    m_sample->setMinimumHeight(48);
    m_sample->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(colourCaption);
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts, 1);
    layout->addLayout(colourRow);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);

    connect(m_fonts, &QFontDialog::currentFontChanged, this, &FontColourDialog::updateSample);
    connect(m_colourButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(m_colour, this);
        if (chosen.isValid())
            setColour(chosen);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setColour(m_colour);
}

QFont FontColourDialog::selectedFont() const
{
    return m_fonts->currentFont();
}

void FontColourDialog::setColour(const QColor &colour)
{
    m_colour = colour;
    QPixmap swatch(28, 14);
    swatch.fill(colour);
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setText(colour.name().toUpper());
    updateSample();
}

void FontColourDialog::updateSample()
{
    m_sample->setFont(m_fonts->currentFont());
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, m_colour);
    m_sample->setPalette(palette);
}
