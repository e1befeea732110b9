#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QLabel;
class QPushButton;

// A font dialog that also offers the colour of the text: Qt's font chooser with a colour button
// and a sample line drawn in the chosen font and colour.
class FontColourDialog : public QDialog
{
    Q_OBJECT

public:
    FontColourDialog(const QFont &font, const QColor &colour, QWidget *parent);

    QFont selectedFont() const;
    QColor selectedColour() const { return m_colour; }
    void setColour(const QColor &colour);

private:
    void updateSample();

    QFontDialog *m_fonts;
    QPushButton *m_colourButton;
    QLabel *m_sample;
    QColor m_colour;
};
