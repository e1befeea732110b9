#pragma once

#include "app/CalculatorPage.h"
#include "calc/WetCuring.h"
#include "platform/Settings.h"

#include <QDate>

class FittedLabel;
class OwnProportionsPanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TmxCalendar;

// Page 0, "Peklowanie na mokro", with its own-variant panel (Panel8). The page follows the month
// calendar: choosing days highlights them there, and a day picked there sets the days.
class WetCuringPage : public CalculatorPage
{
    Q_OBJECT

public:
    WetCuringPage(
        TmxCalendar *calendar, QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczMokre();
    // The fields as the calculator takes them.
    WetCuringInput calculatorInput() const;
    void recalculate() override { PrzeliczMokre(); }
    void UlozEtykiety() override;
    QList<LabelFontGroup> fontGroups() const override;
    QString exportStem() const override;
    QStringList exportLines() const override;

    // The own variant as the settings file keeps it.
    void setOwnVariant(const Settings::OwnWet &own);
    void showOwnPanel();
    // The calendar poll: a new selection end picked in the calendar sets the days (only while
    // this page is showing), and the holiday markers take the colour of the chosen day.
    void followCalendar(bool pageShown);
    // Days list index as the calendar requests it: beyond the list it shows the last item.
    void setDaysFromCalendar(int index);

    void Edit1Change();
    void ComboBox1Change();
    void Button9Click();
    void Button10Click();

    FittedLabel *Label1, *Label2, *Label26, *Label27, *Label56;
    FittedLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    FittedLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;
    FittedLabel *Label49, *Label50, *Label54, *Label55, *Label57, *Label58, *Label59, *Label60;
    QLineEdit *Edit1;
    QComboBox *ComboBox1;

    OwnProportionsPanel *Panel8;
    FittedLabel *Label73, *Label74;
    QLineEdit *Edit11, *Edit12;
    QCheckBox *CheckBox1;
    QPushButton *Button9, *Button10;

private:
    void buildPage(DecimalInputFilter *filter);
    void buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter);
    TmxCalendar *m_calendar;
    QDate m_lastSelectionEnd;
};
