#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "controls/PrzyciskLogic.h"

// A push button made of pictures: one for rest, one while pressed, one while the mouse is over it
// (and one for hovering over a checked toggle), with its caption written centred on top. It can
// be a plain button or a toggle, and can limit where it reacts to a region.
//
// Like the buttons it stands for it takes no keyboard focus; Click() lets a shortcut or an action
// press it from the keyboard.
class TPrzycisk : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Captionl3D READ Captionl3D WRITE setCaptionl3D)
    Q_PROPERTY(QColor ColorCaption3D READ ColorCaption3D WRITE setColorCaption3D)
    Q_PROPERTY(QRegion Region READ Region WRITE setRegion)
    Q_PROPERTY(QImage ObrazekUp READ ObrazekUp WRITE setObrazekUp)
    Q_PROPERTY(QImage ObrazekDown READ ObrazekDown WRITE setObrazekDown)
    Q_PROPERTY(QImage ObrazekMove READ ObrazekMove WRITE setObrazekMove)
    Q_PROPERTY(QImage ObrazekMoveChecked READ ObrazekMoveChecked WRITE setObrazekMoveChecked)

public:
    enum TStyle { tsButton, tsCheck };
    Q_ENUM(TStyle)

    explicit TPrzycisk(QWidget *parent = nullptr);
    ~TPrzycisk() override;

    // An empty caption is stored as one blank.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // Leaving tsCheck unchecks the button.
    TStyle Style() const { return m_style; }
    void setStyle(TStyle style);
    using QWidget::setStyle;
    // Stays false unless the style is tsCheck.
    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool Captionl3D() const { return m_caption3D; }
    void setCaptionl3D(bool shadow);
    QColor ColorCaption3D() const { return m_colorCaption3D; }
    void setColorCaption3D(const QColor &colour);
    // Control coordinates; empty means the whole control reacts.
    QRegion Region() const { return m_region; }
    void setRegion(const QRegion &region);

    // The pictures are stretched over the control when their size differs from it.
    QImage ObrazekUp() const { return m_up; }
    void setObrazekUp(const QImage &picture);
    QImage ObrazekDown() const { return m_down; }
    void setObrazekDown(const QImage &picture);
    QImage ObrazekMove() const { return m_move; }
    void setObrazekMove(const QImage &picture);
    QImage ObrazekMoveChecked() const { return m_moveChecked; }
    void setObrazekMoveChecked(const QImage &picture);

    QSize sizeHint() const override;

public slots:
    // Fires OnClick as a mouse click would, without changing the picture or the toggle state.
    void Click();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseEnter();
    void OnMouseLeave();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnResize();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showResting();
    // The shown picture becomes a copy of `picture` with the caption written over it.
    void showState(const QImage &picture);
    void drawPicture(QPainter &painter, const QImage &picture) const;
    void drawCaption(QPainter &painter) const;
    void press(QMouseEvent *event);
    bool reactsAt(QPoint point) const;

    QString m_caption;
    TStyle m_style = tsButton;
    bool m_checked = false;
    bool m_caption3D = false;
    QColor m_colorCaption3D = Qt::black;
    QRegion m_region;
    QImage m_up;
    QImage m_down;
    QImage m_move;
    QImage m_moveChecked;
    QImage m_display;
    PrzyciskLogic::HoverFlags m_flags;
};
