#pragma once

#include <QDialog>
#include <QImage>

// The viewer's navigator: a small window with the whole picture as a thumbnail. Dragging over the
// thumbnail with the left button reports where the view should go; releasing closes the window.
// The mouse cursor over the thumbnail is the outline of the view.
class TFormTorvel : public QDialog
{
    Q_OBJECT

public:
    explicit TFormTorvel(const QImage &picture, QWidget *parent = nullptr);
    ~TFormTorvel() override;

    QWidget *thumbnail() const { return m_thumbnail; }
    QSize thumbnailSize() const;
    // The view's outline in thumbnail pixels; it becomes the cursor, hot spot at its top-left,
    // and the pointer is kept where the whole outline lies on the thumbnail.
    void setViewOutline(QSize outline);
    QSize viewOutline() const { return m_outline; }
    // Thumbnail point the pointer is put on when the window shows.
    void setStartPoint(QPoint point);
    // Screen point the window's bottom-right corner is put on when it shows.
    void setAnchor(QPoint bottomRight);

    // Moving the pointer is possible on X11 (and on Windows and macOS), never on Wayland or the
    // offscreen platform of the tests, where it would fake mouse moves.
    static bool canMovePointer();

signals:
    // Left button held over the thumbnail; the point is confined as the outline requires.
    void thumbnailDragged(QPoint point);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placePointer(QPoint thumbnailPoint) const;

    QImage m_picture;
    QWidget *m_thumbnail;
    QSize m_outline;
    QPoint m_start;
    QPoint m_anchor;
    bool m_hasAnchor = false;
};
