#pragma once

#include <QWidget>

class DecimalInputFilter;
class PageBackground;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class TLabel;
class TmxCalendar;

// Page 0, "Peklowanie na mokro", with its own-variant panel (Panel8).
class WetCuringPage : public QWidget
{
    Q_OBJECT

public:
    WetCuringPage(
        TmxCalendar *calendar, QWidget *panelParent, DecimalInputFilter *filter, QWidget *parent);

    void PrzeliczMokre();
    void UlozEtykiety();
    void showOwnPanel();
    // Days list index as the calendar requests it: beyond the list it shows the last item.
    void setDaysFromCalendar(int index);

    void Edit1Change();
    void ComboBox1Change();
    void Button9Click();
    void Button10Click();

    PageBackground *Image1;
    TLabel *Label1, *Label2, *Label26, *Label27, *Label56;
    TLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    TLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;
    TLabel *Label49, *Label50, *Label54, *Label55, *Label57, *Label58, *Label59, *Label60;
    QLineEdit *Edit1;
    QComboBox *ComboBox1;

    QFrame *Panel8;
    TLabel *Label73, *Label74;
    QLineEdit *Edit11, *Edit12;
    QCheckBox *CheckBox1;
    QPushButton *Button9, *Button10;

private:
    void buildPage(DecimalInputFilter *filter);
    void buildOwnPanel(QWidget *panelParent, DecimalInputFilter *filter);
    TmxCalendar *m_calendar;
};
