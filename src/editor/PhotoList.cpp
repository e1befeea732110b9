#include "editor/PhotoList.h"

#include <QMouseEvent>

PhotoList::PhotoList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void PhotoList::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    m_dragging = true;
    PhotoDragSource = row(itemAt(event->position().toPoint()));
}

void PhotoList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    const int from = PhotoDragSource;
    int to = row(itemAt(event->position().toPoint()));
    if (to < 0)
        to = currentRow();
    const bool move = m_dragging && from >= 0 && from < count() && to >= 0
        && !selectedItems().isEmpty() && from != to;
    m_dragging = false;
    PhotoDragSource = -1;
    if (!move)
        return;
    QListWidgetItem *item = takeItem(from);
    insertItem(to, item);
    setCurrentItem(item);
    emit photoMoved(from, to);
}
