#pragma once

#include <QColor>
#include <QWidget>

namespace CyfraGeometry {
struct Layout;
}

// One decimal digit drawn as a seven-segment figure, with an optional colon at the right edge.
// Four of them side by side make an "HH:MM" clock, the second one carrying the colon.
class TImageCyfra : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Cyfra READ Cyfra WRITE setCyfra)
    Q_PROPERTY(int Grubosc READ Grubosc WRITE setGrubosc)
    Q_PROPERTY(bool Dwukropek READ Dwukropek WRITE setDwukropek)
    Q_PROPERTY(QColor ColorTla READ ColorTla WRITE setColorTla)
    Q_PROPERTY(QColor ColorKreski READ ColorKreski WRITE setColorKreski)

public:
    explicit TImageCyfra(QWidget *parent = nullptr);
    ~TImageCyfra() override;

    // Every setter redraws, even when the value does not change.
    int Cyfra() const { return m_cyfra; }
    void setCyfra(int digit);
    int Grubosc() const { return m_grubosc; }
    void setGrubosc(int thickness);
    bool Dwukropek() const { return m_dwukropek; }
    void setDwukropek(bool colon);
    QColor ColorTla() const { return m_colorTla; }
    void setColorTla(const QColor &colour);
    QColor ColorKreski() const { return m_colorKreski; }
    void setColorKreski(const QColor &colour);

    // Segment length L for the current size and thickness.
    int segmentLength() const;

    QSize sizeHint() const override;

    // Tells the change listeners, then redraws. Runs on every resize.
    virtual void Change();

signals:
    void changed(TImageCyfra *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();
    void drawBackground(QPainter &painter, const CyfraGeometry::Layout &layout) const;
    void drawSegments(QPainter &painter, const CyfraGeometry::Layout &layout) const;
    void drawColon(QPainter &painter, const CyfraGeometry::Layout &layout) const;

    int m_cyfra = 8;
    int m_grubosc = 5;
    bool m_dwukropek = false;
    QColor m_colorTla = QColor(0xC0, 0xC0, 0xC0);
    QColor m_colorKreski = Qt::black;
};
