#pragma once

#include <QListWidget>

// The recipe's photo names in order. A name is moved by dragging it: the list's choice follows
// the mouse while the button is held, and the dragged name goes where the button is released.
class PhotoList : public QListWidget
{
    Q_OBJECT

public:
    explicit PhotoList(QWidget *parent = nullptr);

    // The row the current drag started on, -1 when none.
    int PhotoDragSource = -1;
    bool isDragging() const { return m_dragging; }

signals:
    void photoMoved(int from, int to);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_dragging = false;
};
