#pragma once

#include <QImage>
#include <QWidget>

// The emboss direction knob: a 40 x 40 picture with a red dot that shows the direction. Mouse
// positions are reported as they come; the tab turns them into angles.
class EffectsKnob : public QWidget
{
    Q_OBJECT

public:
    explicit EffectsKnob(const QString &name, QWidget *parent);

    // Draws the knob for a direction in degrees.
    void drawFor(int angle);
    const QImage &picture() const;

signals:
    void pressed(const QPoint &at);
    void moved(const QPoint &at);
    void released(const QPoint &at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Drawn when first needed: the panel is hidden at start.
    mutable QImage m_picture;
    int m_angle = 1;
};
