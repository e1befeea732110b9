#pragma once

#include <QWidget>

class QMenu;
class RecipeView;

// The description window: the recipe as the cookbook page shows it, at full height, standing
// beside the main window. Typing into it is allowed and never kept.
class TForm7 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 714;
    static constexpr int Height = 785;

    TForm7(QMenu *popupMenu, QWidget *mainWindow);

    // Immediately left of the main window, top edges level; kept on the screen when the main
    // window stands too near the left edge for the window to fit.
    void PlaceDescriptionWindow();
    // The codes (Windows-1250 byte values) of the selected text, each followed by "/"; empty for
    // an empty selection.
    static QString selectionCodes(const QString &selected);

    RecipeView *RichEdit1;

signals:
    // Closed by its own close button.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void RichEdit1SelectionChange();

    QWidget *m_mainWindow;
};
