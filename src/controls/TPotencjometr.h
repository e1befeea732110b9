#pragma once

#include "controls/SliderGeometry.h"
#include "controls/SliderParts.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QTimer;

// A horizontal slider made of parts: a background, a track, a thumb dragged with the mouse, a step
// button at each end (left down, right up) that moves the thumb one pixel per step with
// auto-repeat, and a label with the position. Each part is a coloured 3D shape or a picture.
// Only the user's actions emit OnScroll (every movement) and OnCanScroll (the end of a movement).
class TPotencjometr : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap ObrazekTlo READ ObrazekTlo WRITE setObrazekTlo)
    Q_PROPERTY(QPixmap ObrazekSuw READ ObrazekSuw WRITE setObrazekSuw)
    Q_PROPERTY(QPixmap ObrazekUp READ ObrazekUp WRITE setObrazekUp)
    Q_PROPERTY(QPixmap ObrazekDown READ ObrazekDown WRITE setObrazekDown)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Position READ Position WRITE setPosition)

public:
    explicit TPotencjometr(QWidget *parent = nullptr);
    ~TPotencjometr() override;

    TPodstawa &Podstawa() { return m_podstawa; }
    const TPodstawa &Podstawa() const { return m_podstawa; }
    TSuwak &Suwak() { return m_suwak; }
    const TSuwak &Suwak() const { return m_suwak; }
    TButtonUp &ButtonUp() { return m_buttonUp; }
    const TButtonUp &ButtonUp() const { return m_buttonUp; }
    TButtonDown &ButtonDown() { return m_buttonDown; }
    const TButtonDown &ButtonDown() const { return m_buttonDown; }
    TLab &PosLabel() { return m_posLabel; }
    const TLab &PosLabel() const { return m_posLabel; }

    // Drawn at its own size from the top-left corner, over the background colour.
    QPixmap ObrazekTlo() const { return m_obrazekTlo; }
    void setObrazekTlo(const QPixmap &picture);
    // A picture sizes its part to itself and switches the part to tsIcon.
    QPixmap ObrazekSuw() const { return m_obrazekSuw; }
    void setObrazekSuw(const QPixmap &picture);
    QPixmap ObrazekUp() const { return m_obrazekUp; }
    void setObrazekUp(const QPixmap &picture);
    QPixmap ObrazekDown() const { return m_obrazekDown; }
    void setObrazekDown(const QPixmap &picture);

    // Refills the background with the colour: the background picture is dropped.
    QColor Color() const { return m_color; }
    void setColor(const QColor &colour);

    int Max() const { return m_max; }
    void setMax(int max);
    int Min() const { return m_min; }
    void setMin(int min);
    int Position() const { return m_position; }
    // Clamped to Max, then to Min, then moved to the value the nearest thumb pixel represents.
    void setPosition(int position);

    // Where the parts are now, in the control's coordinates (pressed icon buttons included).
    QRect trackRect() const { return m_layout.track; }
    QRect thumbRect() const { return m_layout.thumbAt(m_thumbLeft); }
    QRect buttonDownRect() const;
    QRect buttonUpRect() const;
    QRect labelRect() const;
    QString labelText() const { return QString::number(m_position); }
    const SliderGeometry::Layout &partsLayout() const { return m_layout; }

    // The auto-repeat timer of the step buttons, 50 ms by default; 0 stops it so that a test can
    // drive repeatTick() itself.
    int repeatInterval() const;
    void setRepeatInterval(int milliseconds);
    // One tick of the auto-repeat timer.
    void repeatTick();

    QSize sizeHint() const override;

signals:
    void OnScroll(TPotencjometr *sender);
    void OnCanScroll(TPotencjometr *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Part { None, Thumb, ButtonDown, ButtonUp };

    void relayout();
    void setPictureOf(SliderButtonSettings &button, QPixmap &stored, const QPixmap &picture);
    Part partAt(const QPoint &point) const;
    void moveThumbTo(int left);
    void step(int pixels);

    void drawBackground(QPainter &painter) const;
    void drawTrack(QPainter &painter) const;
    void drawButton(QPainter &painter, const SliderButtonSettings &button, const QPixmap &picture,
        const QRect &laidOut, bool pressed, bool pointsRight) const;
    void drawThumb(QPainter &painter) const;
    void drawLabel(QPainter &painter) const;

    TPodstawa m_podstawa;
    TSuwak m_suwak;
    TButtonUp m_buttonUp;
    TButtonDown m_buttonDown;
    TLab m_posLabel;
    QPixmap m_obrazekTlo;
    QPixmap m_obrazekSuw;
    QPixmap m_obrazekUp;
    QPixmap m_obrazekDown;
    QColor m_color = QColor(0xF0, 0xF0, 0xF0);
    int m_max = 100;
    int m_min = 0;
    int m_position = 0;

    SliderGeometry::Layout m_layout;
    int m_thumbLeft = 0;
    bool m_layoutHeld = false; // while one change sets several settings
    Part m_pressedPart = Part::None;
    bool m_dragging = false;
    int m_grabX = 0;
    bool m_upPressed = false;
    bool m_downPressed = false;
    int m_repeatCount = 0;
    QTimer *m_repeatTimer = nullptr;
};
