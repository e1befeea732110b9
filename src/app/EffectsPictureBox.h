#pragma once

#include <QFrame>
#include <QImage>

class QMenu;

// One of the two small pictures of the effects panel: a 196 x 146 picture in a 200 x 150 sunken
// box. Mouse positions are reported in picture coordinates; the right button opens the box's
// popup menu while it is switched on.
class EffectsPictureBox : public QFrame
{
    Q_OBJECT

public:
    static constexpr QSize PictureSize {196, 146};

    explicit EffectsPictureBox(const QString &name, QWidget *parent);

    // Always a 24-bit picture of PictureSize (white until something is loaded).
    const QImage &picture() const;
    void setPicture(const QImage &picture);

    void setPopupMenu(QMenu *menu) { m_menu = menu; }
    bool popupEnabled() const { return m_popupEnabled; }
    void setPopupEnabled(bool enabled) { m_popupEnabled = enabled; }

    // Picture coordinates of a point of the box.
    static QPoint toPicture(const QPoint &boxPoint);

signals:
    void pressed(const QPoint &at);
    void moved(const QPoint &at);
    void released(const QPoint &at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The white picture is made when first needed: the panel is hidden at start.
    mutable QImage m_picture;
    mutable bool m_white = true;
    QMenu *m_menu = nullptr;
    bool m_popupEnabled = true;
};
