#pragma once

#include <QColor>
#include <QFrame>

// A box filled with one colour that reports a click: the custom relief colour of the emboss tab.
class EffectsColourBox : public QFrame
{
    Q_OBJECT

public:
    explicit EffectsColourBox(const QString &name, QWidget *parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_colour = Qt::white;
};
