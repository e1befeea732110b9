#pragma once

#include <QColor>
#include <QFont>

#include <functional>

// The settings objects of TPotencjometr's parts. Each setter stores its value and tells the slider,
// which lays itself out again and redraws. Without designer pictures the parts are drawn as
// coloured 3D shapes in these default sizes and colours.

// tsButton draws a coloured 3D shape, tsIcon shows the part's picture.
enum class TStyle { tsButton, tsIcon };

class SliderPartSettings
{
public:
    SliderPartSettings() = default;
    SliderPartSettings(const SliderPartSettings &) = delete;
    SliderPartSettings &operator=(const SliderPartSettings &) = delete;

    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

protected:
    template<class T>
    void store(T &field, const T &value)
    {
        field = value;
        if (m_onChange)
            m_onChange();
    }

private:
    std::function<void()> m_onChange;
};

// The track.
class TPodstawa : public SliderPartSettings
{
public:
    int Height() const { return m_height; }
    void setHeight(int height) { store(m_height, height); }
    int ShiftUp() const { return m_shiftUp; }
    void setShiftUp(int shift) { store(m_shiftUp, shift); }
    int ShiftDown() const { return m_shiftDown; }
    void setShiftDown(int shift) { store(m_shiftDown, shift); }
    QColor Color() const { return m_color; }
    void setColor(const QColor &colour) { store(m_color, colour); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { store(m_visible, visible); }
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool ctl3D) { store(m_ctl3D, ctl3D); }

private:
    int m_height = 8;
    int m_shiftUp = 0;
    int m_shiftDown = 0;
    QColor m_color = QColor(0xA0, 0xA0, 0xA0);
    bool m_visible = true;
    bool m_ctl3D = true;
};

// What the thumb and both step buttons have. Setting the colour switches the part to tsButton.
class SliderButtonSettings : public SliderPartSettings
{
public:
    explicit SliderButtonSettings(int height = 14, int width = 14)
        : m_height(height)
        , m_width(width)
    { }

    TStyle Style() const { return m_style; }
    void setStyle(TStyle style) { store(m_style, style); }
    int Height() const { return m_height; }
    void setHeight(int height) { store(m_height, height); }
    int Width() const { return m_width; }
    void setWidth(int width) { store(m_width, width); }
    int Width3D() const { return m_width3D; }
    void setWidth3D(int width3D) { store(m_width3D, width3D); }
    QColor Color() const { return m_color; }
    void setColor(const QColor &colour)
    {
        m_style = TStyle::tsButton;
        store(m_color, colour);
    }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { store(m_visible, visible); }
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool ctl3D) { store(m_ctl3D, ctl3D); }

private:
    TStyle m_style = TStyle::tsButton;
    int m_height;
    int m_width;
    int m_width3D = 3;
    QColor m_color = QColor(0xC0, 0xC0, 0xC0);
    bool m_visible = true;
    bool m_ctl3D = true;
};

// The thumb: a button's settings, and how far it may go past the track's ends.
class TSuwak : public SliderButtonSettings
{
public:
    TSuwak()
        : SliderButtonSettings(16, 10)
    { }

    int ShiftVertical() const { return m_shiftVertical; }
    void setShiftVertical(int shift) { store(m_shiftVertical, shift); }
    int ShiftUp() const { return m_shiftUp; }
    void setShiftUp(int shift) { store(m_shiftUp, shift); }
    int ShiftDown() const { return m_shiftDown; }
    void setShiftDown(int shift) { store(m_shiftDown, shift); }

private:
    int m_shiftVertical = 0;
    int m_shiftUp = 0;
    int m_shiftDown = 0;
};

// The right step button.
class TButtonUp : public SliderButtonSettings
{
};

// The left step button.
class TButtonDown : public SliderButtonSettings
{
};

// The position label. Color fills its box unless Transparent; the text has FontColor.
class TLab : public SliderPartSettings
{
public:
    TLab() { m_font.setPixelSize(10); }

    int Width() const { return m_width; }
    void setWidth(int width) { store(m_width, width); }
    QFont Font() const { return m_font; }
    void setFont(const QFont &font) { store(m_font, font); }
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &colour) { store(m_fontColor, colour); }
    QColor Color() const { return m_color; }
    void setColor(const QColor &colour) { store(m_color, colour); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { store(m_visible, visible); }
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { store(m_transparent, transparent); }

private:
    int m_width = 30;
    QFont m_font;
    QColor m_fontColor = Qt::black;
    QColor m_color = QColor(0xF0, 0xF0, 0xF0);
    bool m_visible = true;
    bool m_transparent = true;
};
