#pragma once

#include <QObject>
#include <functional>

class QMenu;
class QLabel;
class QWidget;

// The label fonts of the calculator pages: a right click on a label opens the label menu;
// "Zmień czcionkę" changes the label's whole group through the font dialog, "Zapisz Czcionkę"
// writes the groups of the active page to the settings file.
class LabelFontMenu : public QObject
{
    Q_OBJECT

public:
    // relayout is run after every font change, so values follow their captions.
    LabelFontMenu(QWidget *form, QMenu *menu, std::function<int()> activePage,
        std::function<void()> relayout);

    // Hooks the menu to every existing label that carries it.
    void attach();

    int SelectedLabel() const { return m_selected; }
    void Zmienkolor1Click();
    void Zapiszkolor1Click();
    // Developer aid: the captions of Label1..Label79 into "labele.txt" beside the program.
    void writeLabelList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *label(int number) const;

    QWidget *m_form;
    QMenu *m_menu;
    std::function<int()> m_activePage;
    std::function<void()> m_relayout;
    int m_selected = 0;
};
