#pragma once

#include <QLabel>

// A caption whose size always fits its text, so layout code can measure it and nothing is
// clipped. Placed by hand on a widget that carries a LabelFitting layout, it refits whatever sets
// its text (through this class or a plain QLabel pointer): QLabel tells its parent's layout that
// its geometry changed, and LabelFitting answers by refitting. In an ordinary layout the layout
// sizes it.
//
// Measuring loads the font's glyphs, so a label that is not showing (one on another page) is
// measured when it is shown, or when layout code asks for it with fit().
class FittedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittedLabel(const QString &name, const QString &text, QWidget *parent);
    // Sizes the label to its text now, when the text or font changed since the last fit.
    void fit();
    // The same, but only for a label that is showing; the others wait for their Show event.
    void fitIfShown();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitNow();
    QString m_fittedText;
    bool m_fontChanged = true;
};
