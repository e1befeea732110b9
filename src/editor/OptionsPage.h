#pragma once

#include <QWidget>

class QGroupBox;
class RecipeEditorHost;
class TPrzycisk;

// Page "Opcje": the fonts a recipe is shown in (groups 15 to 21), the editor window's font (22),
// the font and colour of its edit controls (23). Each choice takes effect at once and is written
// to the settings file. The buttons are "FontButton15" ... "FontButton23" and
// "ControlColourButton".
class OptionsPage : public QWidget
{
    Q_OBJECT

public:
    OptionsPage(RecipeEditorHost &host, QWidget *parent);

    QGroupBox *RecipeFontsGroup, *OtherFontsGroup, *OtherGroup;
    TPrzycisk *FontButton[24] = {}; // by group number, 15 to 23
    TPrzycisk *ControlColourButton;

    // Handlers.
    void FontButtonClick(int group);
    void ControlColourClick();

signals:
    // The window's own font (group 22) changed.
    void windowFontChanged();
    // The font or colour of the edit controls changed.
    void controlStyleChanged();

private:
    RecipeEditorHost &m_host;
};
