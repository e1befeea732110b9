#pragma once

#include "app/CalculatorPage.h"

class FittedLabel;
class QLineEdit;

// Page 2, "Solanka i zalewa octowa": a salt brine (left) and a vinegar pickle (right), each
// computed both ways.
class BrinePage : public CalculatorPage
{
    Q_OBJECT

public:
    BrinePage(DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczStezenie();
    void PrzeliczSol();
    void PrzeliczZalewe();
    void PrzeliczOcet();
    // Its fields are inputs and results at once, so the page only ever computes as the user
    // types, never on its own.
    void recalculate() override { }
    void UlozEtykiety() override;
    QList<LabelFontGroup> fontGroups() const override;
    QList<QLabel *> labelsWithFontMenu() const override;
    QString exportStem() const override;
    QStringList exportLines() const override;

    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit14Change();
    void Edit15Change();
    void Edit16Change();
    void Edit17Change();
    void Edit18Change();
    void Edit19Change();

    // Brine: water, salt and percentage with their captions.
    FittedLabel *Label28, *Label29, *Label30;
    QLineEdit *Edit3, *Edit4, *Edit5;
    // Pickle rows 1 (water or an earlier pickle), 2 (vinegar), 3 (the mix): captions, litres,
    // percent, and the "%" after each percent field.
    FittedLabel *Label91, *Label92, *Label93, *Label94, *Label95, *Label96;
    QLineEdit *Edit16, *Edit17, *Edit15, *Edit18, *Edit14, *Edit19;

private:
    QLineEdit *field(const char *name, const QString &text, DecimalInputFilter *filter);
};
