#pragma once

#include <QWidget>

class DecimalInputFilter;
class PageBackground;
class QLineEdit;
class TLabel;

// Page 2, "Solanka i zalewa octowa": a salt brine (left) and a vinegar pickle (right), each
// computed both ways.
class BrinePage : public QWidget
{
    Q_OBJECT

public:
    BrinePage(DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczStezenie();
    void PrzeliczSol();
    void PrzeliczZalewe();
    void PrzeliczOcet();
    void UlozEtykiety();

    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit14Change();
    void Edit15Change();
    void Edit16Change();
    void Edit17Change();
    void Edit18Change();
    void Edit19Change();

    PageBackground *Image3;
    // Brine: water, salt and percentage with their captions.
    TLabel *Label28, *Label29, *Label30;
    QLineEdit *Edit3, *Edit4, *Edit5;
    // Pickle rows 1 (water or an earlier pickle), 2 (vinegar), 3 (the mix): captions, litres,
    // percent, and the "%" after each percent field.
    TLabel *Label91, *Label92, *Label93, *Label94, *Label95, *Label96;
    QLineEdit *Edit16, *Edit17, *Edit15, *Edit18, *Edit14, *Edit19;

private:
    QLineEdit *field(const char *name, const QString &text, DecimalInputFilter *filter);
};
