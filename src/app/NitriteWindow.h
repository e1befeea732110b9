#pragma once

#include "calc/Nitrite.h"

#include <QWidget>

class DecimalInputFilter;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// What a calculator page passes on to the nitrite window: its meat, its curing salt (the upper
// end of its range) and, for a wet cure, its water.
struct NitritePrefill
{
    QString meat;
    QString salt;
    CureMethod method = CureMethod::DryRub;
    QString water;
    QString note; // where the figures came from, shown above the fields
};

// "Azotyn w peklowaniu": the sodium nitrite a cure puts into the meat, beside the legal limits.
// Nothing is blocked: an amount above a limit is only shown in red with a sentence naming it.
class NitriteWindow : public QWidget
{
    Q_OBJECT

public:
    explicit NitriteWindow(QWidget *parent);

    void prefill(const NitritePrefill &values);
    void recalculate();

    QLabel *NoteLabel;
    QLineEdit *MeatEdit, *SaltEdit, *PercentEdit, *WaterEdit, *UptakeEdit;
    QComboBox *MethodBox;
    QLabel *WaterCaption, *UptakeCaption;
    QLabel *ResultLabel, *IonResultLabel, *EquilibriumCaption, *EquilibriumResultLabel;
    QLabel *WarningLabel;
    QTableWidget *LimitsTable;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *addField(const char *name);
    void fillLimits();
    void showBrineFields();
    void savePercent();

    DecimalInputFilter *m_filter;
    QString m_savedPercent;
};
