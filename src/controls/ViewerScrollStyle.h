#pragma once

#include <QProxyStyle>

class TScrollProperties;

// Draws and measures the picture viewer's scroll bars after its scroll settings: thickness, arrow
// length or no arrows, patterned or solid track, colours, grip marks, square or rounded look.
// Everything that is not a scroll bar goes to the application style.
class ViewerScrollStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ViewerScrollStyle(const TScrollProperties *settings, QObject *parent = nullptr);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        const QPoint &point, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    void drawTrack(QPainter &painter, const QRect &groove, const QPalette &palette) const;
    void drawArrowButton(QPainter &painter, const QRect &button, Qt::ArrowType arrow, bool sunken,
        bool enabled, const QPalette &palette) const;
    void drawThumb(QPainter &painter, const QRect &slider, Qt::Orientation orientation,
        const QPalette &palette) const;
    void drawGrip(QPainter &painter, const QRect &slider, Qt::Orientation orientation,
        const QPalette &palette) const;

    const TScrollProperties *m_settings;
};
