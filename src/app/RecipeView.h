#pragma once

#include <QTextEdit>

class QMenu;

// The formatted recipe. The user may type into it, but nothing typed is kept: every rendering
// replaces the text. Enter inserts no line break.
class RecipeView : public QTextEdit
{
    Q_OBJECT

public:
    RecipeView(const QString &name, QWidget *parent);
    void setPopupMenu(QMenu *menu) { m_menu = menu; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QMenu *m_menu = nullptr;
};
