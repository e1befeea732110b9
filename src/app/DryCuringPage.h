#pragma once

#include <QWidget>

class DecimalInputFilter;
class PageBackground;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TLabel;

// Page 1, "Peklowanie na sucho": dry curing in the official and the own proportions, the casing
// consumption norms, and the own-variant panel (Panel2).
class DryCuringPage : public QWidget
{
    Q_OBJECT

public:
    DryCuringPage(QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczSuche();
    void PrzeliczOslonki();
    void UlozEtykiety();
    void showOwnPanel();
    // The own proportions as the settings file gives them at start.
    void setOwnProportions(const QString &salt, const QString &pepper, const QString &allspice);

    void Edit2Change();
    void ComboBox4Change();
    void ComboBox4Typed();
    void CheckBox3Click();
    void Button7Click();
    void Button8Click();

    PageBackground *Image2;
    TLabel *Label19, *Label45, *Label44, *Label38;
    TLabel *Label20, *Label21, *Label22, *Label23, *Label24, *Label25;
    TLabel *Label34, *Label35, *Label36, *Label37, *Label39, *Label43;
    QLineEdit *Edit2;

    TLabel *CasingHeading;
    QComboBox *ComboBox4;
    QCheckBox *CheckBox3;
    QPlainTextEdit *RichEdit2;

    QFrame *Panel2;
    TLabel *Label46, *Label47, *Label48;
    QLineEdit *Edit6, *Edit8, *Edit9;
    QPushButton *Button7, *Button8;

private:
    void buildPage(DecimalInputFilter *filter);
    void buildCasings();
    void buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter);
};
