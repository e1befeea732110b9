#pragma once

#include "platform/PageId.h"

#include <QDate>
#include <QMainWindow>

class BackgroundCommands;
class BookCopyCommands;
class BrinePage;
class CalculatorPage;
class CookbookPage;
class DecimalInputFilter;
class DryCuringPage;
class EffectsPanel;
class FishPage;
class ImageLinkButton;
class LabelFontMenu;
class QAction;
class QMenu;
class QTabWidget;
class QTimer;
class TForm7;
class TmxCalendar;
class WetCuringPage;

// The main window: the calendar, two web buttons, the page control with the four calculator
// pages and the cookbook, the menus, and the start / activate / close behaviour.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    static QString windowCaption() { return QStringLiteral("Solvarin  autor Orvendal"); }
    static QString applicationTitle() { return QStringLiteral("Peklowanie mięsa"); }

    // Handlers named as the window's events.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void PageControl1Change();
    void Timer1Timer();
    void CzytajUstawienia();
    void UstawNapisy();
    void UlozEtykiety();
    void MarkHolidays();
    void Zapiszobliczenia1Click();
    void Oprogramie1Click();

    int activePage() const;
    // The calculator page showing, or nullptr on the cookbook page.
    CalculatorPage *activeCalculatorPage() const;
    QAction *action(const QString &objectName) const;

    // Colour of the recipe editor's edit controls, as the settings file keeps it.
    int ControlColour = int(0x80000005);

    QTabWidget *PageControl1;
    TmxCalendar *mxCalendar1;
    ImageLinkButton *WebButton1, *WebButton2;
    WetCuringPage *WetPage;
    DryCuringPage *DryPage;
    BrinePage *BrineAndPicklePage;
    FishPage *FishSaltingPage;
    CookbookPage *CookbookPage1;
    EffectsPanel *Panel3;
    TForm7 *Form7; // the description window
    QTimer *Timer1, *Timer2;
    QMenu *PopupMenu1, *PopupMenu2, *PopupMenu3, *PopupMenu4, *PopupMenu5;
    LabelFontMenu *labelFonts() const { return m_labelFonts; }
    BackgroundCommands *backgrounds() const { return m_backgrounds; }
    BookCopyCommands *copying() const { return m_copying; }

    static QUrl webAddress1();
    static QUrl webAddress2();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildPopupMenus();
    void connectLateMenus();
    void connectBackgroundMenus();
    // The description window and the commands that reach another book (TForm1Books.cpp).
    void connectBookWindows();
    // The nitrite window and the recipe search (TForm1Extras.cpp).
    void addExtraMenus();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, bool enabled = false);
    QWidget *addPage(const char *name, const QString &caption);

    DecimalInputFilter *m_decimalFilter;
    LabelFontMenu *m_labelFonts = nullptr;
    BackgroundCommands *m_backgrounds = nullptr;
    BookCopyCommands *m_copying = nullptr;
    QList<CalculatorPage *> m_pages; // in tab order
    QDate m_lastCalendarDate;
    bool m_firstStart = false; // no settings file when the program started
};
