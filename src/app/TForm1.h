#pragma once

#include "platform/PageId.h"

#include <QDate>
#include <QMainWindow>
#include <QStringList>

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
class Settings;
class TForm7;
class TmxCalendar;
class WetCuringPage;

// The main window: the calendar, two web buttons, the page control with the four calculator
// pages and the cookbook, the menus, and the start / activate / close behaviour.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // How much the constructor builds. Whole: everything, at once. FirstPageFirst, for the
    // program's own start: the frame, the menus and the wet-curing page, which is what the first
    // paint shows; the other pages, the effects panel and the book follow right after that paint,
    // and in any case before any input reaches the program (see completeWindow).
    enum class Assembly { Whole, FirstPageFirst };

    explicit TForm1(QWidget *parent = nullptr, Assembly assembly = Assembly::Whole);
    ~TForm1() override;

    // Builds what FirstPageFirst left for later; does nothing once the window is whole, or once
    // it was closed before that.
    void completeWindow();
    bool isWhole() const { return m_whole; }

    static QString windowCaption() { return QStringLiteral("Solvarin  autor Orvendal"); }
    static QString applicationTitle() { return QStringLiteral("Peklowanie mięsa"); }

    // Handlers named as the window's events.
    void FormCreate(); // the rest of the start, once every page exists
    void FormActivate();
    void FormClose();
    void PageControl1Change();
    void Timer1Timer();
    void CzytajUstawienia(const Settings &settings, const QList<CalculatorPage *> &pages);
    void UstawNapisy();
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
    DryCuringPage *DryPage = nullptr;
    BrinePage *BrineAndPicklePage = nullptr;
    FishPage *FishSaltingPage = nullptr;
    CookbookPage *CookbookPage1 = nullptr;
    EffectsPanel *Panel3 = nullptr;
    TForm7 *Form7 = nullptr; // the description window
    QTimer *Timer1 = nullptr, *Timer2 = nullptr;
    QMenu *PopupMenu1 = nullptr, *PopupMenu2 = nullptr, *PopupMenu3 = nullptr;
    QMenu *PopupMenu4 = nullptr, *PopupMenu5 = nullptr;
    LabelFontMenu *labelFonts() const { return m_labelFonts; }
    BackgroundCommands *backgrounds() const { return m_backgrounds; }
    BookCopyCommands *copying() const { return m_copying; }

    static QUrl webAddress1();
    static QUrl webAddress2();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWindow();
    void buildOtherPages();
    void attachPage(CalculatorPage *page);
    void startFirstPage();
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
    QList<CalculatorPage *> m_pages; // in tab order; only the first until the window is whole
    QWidget *m_sheets[5] = {}; // the tab sheets, in tab order
    QStringList m_unreadableBackgrounds; // reported together once every page has its own
    bool m_whole = false;
    bool m_completionPosted = false;
    bool m_closed = false; // closed, and not shown again since
    QDate m_lastCalendarDate;
    bool m_firstStart = false; // no settings file when the program started
};
