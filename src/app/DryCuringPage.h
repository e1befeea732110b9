#pragma once

#include "app/CalculatorPage.h"
#include "platform/Settings.h"

class FittedLabel;
class OwnProportionsPanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Page 1, "Peklowanie na sucho": dry curing in the official and the own proportions, the casing
// consumption norms, and the own-variant panel (Panel2).
class DryCuringPage : public CalculatorPage
{
    Q_OBJECT

public:
    DryCuringPage(QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczSuche();
    void PrzeliczOslonki();
    void recalculate() override { PrzeliczSuche(); }
    void UlozEtykiety() override;
    QList<LabelFontGroup> fontGroups() const override;
    QString exportStem() const override;
    QStringList exportLines() const override;

    void showOwnPanel();
    // The own proportions as the settings file keeps them.
    void setOwnProportions(const Settings::OwnDry &own);

    void Edit2Change();
    void ComboBox4Change();
    void ComboBox4Typed();
    void CheckBox3Click();
    void Button7Click();
    void Button8Click();

    FittedLabel *Label19, *Label45, *Label44, *Label38;
    FittedLabel *Label20, *Label21, *Label22, *Label23, *Label24, *Label25;
    FittedLabel *Label34, *Label35, *Label36, *Label37, *Label39, *Label43;
    QLineEdit *Edit2;

    FittedLabel *CasingHeading;
    QComboBox *ComboBox4;
    QCheckBox *CheckBox3;
    QPlainTextEdit *RichEdit2;

    OwnProportionsPanel *Panel2;
    FittedLabel *Label46, *Label47, *Label48;
    QLineEdit *Edit6, *Edit8, *Edit9;
    QPushButton *Button7, *Button8;

private:
    void buildPage(DecimalInputFilter *filter);
    void buildCasings();
    void buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter);
};
