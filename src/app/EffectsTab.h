#pragma once

#include <QImage>
#include <QWidget>

class EffectsPanel;
class QLabel;
class QPushButton;
class TPotencjometr;

// One tab of the effects panel. Each tab renders its effect from the working picture into the
// preview and, on "Ok", applies the same effect with the same settings to the page background.
// The bottom row is the same on every tab: the "Przesuń" hint and the three buttons.
class EffectsTab : public QWidget
{
    Q_OBJECT

public:
    // Controls of the bottom row are named prefix + "ResetButton", "OkButton", "CancelButton",
    // "MovePanel".
    EffectsTab(EffectsPanel *panel, const QString &prefix, const QString &resetCaption);

    // The tab was selected (or the panel opened on it, or the main page changed).
    virtual void enter() = 0;
    // The working picture changed under the tab: show the tab's effect of it again.
    virtual void redrawPreview() { renderPreview(); }
    // The effect with the tab's current settings.
    virtual QImage effect(const QImage &source) const = 0;
    // False when the settings choose no effect: "Ok" then leaves the background as it is.
    virtual bool hasEffect() const { return true; }

    void OkClick();
    void AnulujClick();

    QPushButton *ResetButton;
    QPushButton *OkButton;
    QPushButton *CancelButton;
    QLabel *MovePanel;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A slider over the tab's own background colour, at a position in its range.
    TPotencjometr *addSlider(const char *name, const QRect &geometry, int min, int max,
        int position, QWidget *parent = nullptr);
    // Preview := effect(working picture), under the hourglass.
    void renderPreview();
    // Preview := the working picture as it is.
    void showWorkingAsPreview();

    EffectsPanel *m_panel;
};
