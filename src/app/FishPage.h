#pragma once

#include "app/CalculatorPage.h"
#include "calc/FishSalting.h"

class QComboBox;
class QFrame;
class QLineEdit;
class TImageCyfra;
class FittedLabel;

// Page 3, wet salting of fish: the brine for a salting time and water temperature, the salt and
// water for a weight of fish, and two clocks showing now and the end of salting.
class FishPage : public CalculatorPage
{
    Q_OBJECT

public:
    FishPage(DecimalInputFilter *filter, QWidget *parent);

    // `changedList` is the list the user has just changed; only then may a weak brine be
    // questioned. Window activation and the fish field pass nothing and never ask.
    void PrzeliczRyby(FishFocus changedList = FishFocus::Other);
    void recalculate() override { PrzeliczRyby(); }
    void UlozEtykiety() override;
    QList<LabelFontGroup> fontGroups() const override;
    QString exportStem() const override;
    QStringList exportLines() const override;

    void ComboBox2Change();
    void ComboBox3Change();
    void Edit10Change();
    void Timer2Timer();

    FittedLabel *Label61, *Label69, *Label62;
    QComboBox *ComboBox2, *ComboBox3;
    QLineEdit *Edit10;
    FittedLabel *Label63, *Label64, *Label65, *Label66, *Label67, *Label68;

    QFrame *NowClock, *EndClock;
    TImageCyfra *ImageCyfra1, *ImageCyfra2, *ImageCyfra3, *ImageCyfra4;
    TImageCyfra *ImageCyfra5, *ImageCyfra6, *ImageCyfra7, *ImageCyfra8;
    FittedLabel *Label88, *Label89;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void placeDayWords();
    void buildClocks();
    QFrame *clockBox(const char *name, int y, TImageCyfra **digits, const char *const *names);
    void writeResults(const FishSaltingTexts &texts);
    void colourTemperatureList();

    // The last accepted selection, restored when the user cancels a weak-brine question.
    int m_previousHours = 0;
    int m_previousTemperature = 0;
};
