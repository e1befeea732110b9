#pragma once

#include <QList>
#include <QObject>
#include <functional>

class CalculatorPage;
class QLabel;
class QMenu;
class QWidget;
struct LabelFontGroup;

// The label fonts of the calculator pages: a right click on a label opens the label menu;
// "Zmień czcionkę" changes the label's whole group through the font dialog, "Zapisz Czcionkę"
// writes the groups of the page that is showing to the settings file. The pages say which labels
// form which group.
class LabelFontMenu : public QObject
{
    Q_OBJECT

public:
    LabelFontMenu(QWidget *form, QMenu *menu, QList<CalculatorPage *> pages,
        std::function<CalculatorPage *()> activePage);

    // Hooks the menu to every label that carries it.
    void attach();

    // The number of the label last clicked (0 for none).
    int SelectedLabel() const;
    void Zmienkolor1Click();
    void Zapiszkolor1Click();
    // Developer aid: the captions of Label1..Label79 into "labele.txt" beside the program.
    void writeLabelList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    QMenu *m_menu;
    QList<CalculatorPage *> m_pages;
    std::function<CalculatorPage *()> m_activePage;
    QLabel *m_selected = nullptr;
};
