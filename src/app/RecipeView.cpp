#include "app/RecipeView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

RecipeView::RecipeView(const QString &name, QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(name);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void RecipeView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RecipeView::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_menu) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    m_menu->popup(event->globalPos());
    event->accept();
}
