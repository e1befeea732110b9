#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPointF>

#include "controls/ViewerGeometry.h"

class QScrollBar;
class TFormTorvel;

// The look of both scroll bars of a TTorvelImage. Every change re-lays out the viewer.
// It lives beside the viewer because nothing else uses it.
class TScrollProperties : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor HandleColor READ HandleColor WRITE setHandleColor)
    Q_PROPERTY(TBackGnd BackGnd READ BackGnd WRITE setBackGnd)
    Q_PROPERTY(TBarStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool ShowArrows READ ShowArrows WRITE setShowArrows)
    Q_PROPERTY(bool ShowHandleGrip READ ShowHandleGrip WRITE setShowHandleGrip)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(int ButtonSize READ ButtonSize WRITE setButtonSize)

public:
    enum TBackGnd { bgPattern, bgSolid };
    Q_ENUM(TBackGnd)
    enum TBarStyle { rbsDefault, rbsMac };
    Q_ENUM(TBarStyle)

    explicit TScrollProperties(QObject *parent = nullptr);

    QColor Color() const { return m_color; }
    void setColor(const QColor &colour);
    QColor HandleColor() const { return m_handleColor; }
    void setHandleColor(const QColor &colour);
    TBackGnd BackGnd() const { return m_backGnd; }
    void setBackGnd(TBackGnd background);
    TBarStyle Style() const { return m_style; }
    void setStyle(TBarStyle style);
    // Steps below 1 are stored as 1: the arrows must move the bar.
    int Increment() const { return m_increment; }
    void setIncrement(int step);
    bool ShowArrows() const { return m_showArrows; }
    void setShowArrows(bool show);
    bool ShowHandleGrip() const { return m_showHandleGrip; }
    void setShowHandleGrip(bool show);
    // As set; values below 1 mean 16 (see thickness() and buttonLength()).
    int Size() const { return m_size; }
    void setSize(int size);
    int ButtonSize() const { return m_buttonSize; }
    void setButtonSize(int size);

    int thickness() const { return ViewerGeometry::barSize(m_size); }
    int buttonLength() const { return ViewerGeometry::barSize(m_buttonSize); }

signals:
    void changed();

private:
    QColor m_color;
    QColor m_handleColor;
    TBackGnd m_backGnd = bgPattern;
    TBarStyle m_style = rbsDefault;
    int m_increment = 8;
    bool m_showArrows = true;
    bool m_showHandleGrip = true;
    int m_size = 0;
    int m_buttonSize = 0;
};

// Shows one picture at a zoom, with two scroll bars, panning by dragging and a navigator window
// that opens from the corner between the bars when the picture does not fit.
class TTorvelImage : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double Zoom READ Zoom WRITE setZoom)
    Q_PROPERTY(TStylRysowania StylRysowania READ StylRysowania WRITE setStylRysowania)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)

public:
    // Only srObiekt (drag to pan) does anything.
    enum TStylRysowania {
        srObiekt,
        srGumka,
        srFigury,
        srLinia,
        srLiniaProsta,
        srLiniaLamana,
        srMaska,
        srSpray,
        srBeziera,
        srMalowanie
    };
    Q_ENUM(TStylRysowania)

    explicit TTorvelImage(QWidget *parent = nullptr);
    ~TTorvelImage() override;

    // A null picture empties the viewer.
    QImage Picture() const { return m_source; }
    void setPicture(const QImage &picture);
    // Above 0 magnifies, below 0 reduces by its absolute value; 0 is stored as 1.
    double Zoom() const { return m_zoom; }
    void setZoom(double zoom);
    TStylRysowania StylRysowania() const { return m_stylRysowania; }
    void setStylRysowania(TStylRysowania style);
    // The colour around and behind the picture.
    QColor Color() const { return m_color; }
    void setColor(const QColor &colour);
    TScrollProperties *ScrollBars() const { return m_scrollBars; }

    // The source picture to draw on; the view shows the drawing at its next repaint.
    QImage *Canvas();
    const QImage &Image() const { return m_source; }
    QWidget *ImageWidz() const { return m_view; }

    // Throws AppError with the reader's message when the file cannot be read as a picture.
    void LoadFromFile(const QString &fileName);
    // Replaces the file only once the whole picture is written; throws AppError otherwise.
    void SaveToFile(const QString &fileName) const;
    // Recomputes the scaled size and both scroll ranges from the zoom, picture and view.
    void GetZoom();
    // A view coordinate as a coordinate of the source picture.
    int Fx(int x) const;
    int Fy(int y) const;

    QSize scaledSize() const { return m_scaled; }
    const ViewerGeometry::Axis &horizontalAxis() const { return m_horizontal; }
    const ViewerGeometry::Axis &verticalAxis() const { return m_vertical; }
    // Bar positions (horizontal, vertical), each clamped to its bar.
    QPointF positions() const { return m_positions; }
    void setPositions(QPointF positions);
    QScrollBar *horizontalBar() const { return m_horizontalBar; }
    QScrollBar *verticalBar() const { return m_verticalBar; }
    QWidget *cornerPanel() const { return m_corner; }
    int cornerBorderWidth() const;
    // True while the picture is dragged or the navigator is open.
    bool isActive() const { return m_active; }
    bool pictureExceedsView() const;

    // What a press on the corner does: shows the navigator modally when the picture does not fit.
    void openNavigator();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseEnter();
    void OnMouseLeave();
    void OnResize();
    // Coordinates are those of the source picture (Fx, Fy).
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // A bar position changed.
    void OnScroll(TTorvelImage *sender, double vertical, double horizontal);
    // A mouse button went down on a bar.
    void OnEndScroll(TTorvelImage *sender, double vertical, double horizontal);
    // A mouse button was released on a bar.
    void OnCanScroll(TTorvelImage *sender, double vertical, double horizontal);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();
    void syncBars();
    void barMoved(Qt::Orientation orientation, int value);
    void redraw();
    void renderView();
    void drawBackground(QPainter &painter) const;
    void drawPicture(QPainter &painter) const;
    void paintView(QPainter &painter);
    void paintCorner(QPainter &painter) const;
    bool viewEvent(QEvent *event);
    bool barEvent(QScrollBar *bar, QEvent *event);
    void navigateTo(QPoint thumbnailPoint, QSize thumbnail);

    QImage m_source;
    QImage m_render;
    bool m_renderStale = true;
    double m_zoom = 1;
    TStylRysowania m_stylRysowania = srObiekt;
    QColor m_color;
    TScrollProperties *m_scrollBars;
    QWidget *m_view;
    QScrollBar *m_horizontalBar;
    QScrollBar *m_verticalBar;
    QWidget *m_corner;
    QSize m_scaled;
    ViewerGeometry::Axis m_horizontal;
    ViewerGeometry::Axis m_vertical;
    QPointF m_positions;
    QPointF m_panOrigin;
    QPoint m_panStart;
    bool m_active = false;
    bool m_syncingBars = false;
};
