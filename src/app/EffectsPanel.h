#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <functional>

class CalculatorPage;
class EffectsColourTab;
class EffectsEmbossTab;
class EffectsPictureBox;
class EffectsPixelTab;
class EffectsSepiaTab;
class EffectsTab;
class PageBackground;
class QMenu;
class QTabWidget;

// The effects workspace: the working picture and the preview side by side above one tab per
// effect family. It loads small copies of the current page's background, lets the user drag the
// visible fragment, and changes the page background only when a tab's "Ok" applies its effect.
class EffectsPanel : public QFrame
{
    Q_OBJECT

public:
    struct Pages
    {
        QList<CalculatorPage *> calculators; // in tab order, indexes 0 to 3
        std::function<int()> current; // the main page index
        std::function<QImage()> cookbookPhoto; // the recipe photo, for the emboss tab
    };

    // popup is the working picture's menu ("Cały obrazek", "Tylko fragment").
    EffectsPanel(const Pages &pages, QMenu *popup, QWidget *parent);

    static constexpr QPoint OpenedAt {142, 320};

    void Open();
    void Close();
    void PageControl2Change();
    void Calyobrazek1Click();
    void Tylkofragment1Click();
    // The main page changed: a panel that is open reloads its pictures from the new page.
    void followPage();

    // The background of the calculator page showing; nullptr on the cookbook page.
    PageBackground *currentBackground() const;
    bool onCookbookPage() const;
    // Load whole into the working picture and the preview: the calculator page's background, or
    // on the cookbook page the recipe photo when withPhoto (otherwise both stay as they are).
    void loadWhole(bool withPhoto);
    // The tab's effect on the page background, then the panel closes.
    void apply(const EffectsTab &tab);

    QPoint fragmentOffset() const { return m_offset; }
    bool pipetteArmed() const { return m_pipetteArmed; }
    void armPipette();
    EffectsTab *currentTab() const;

    // A white picture of the box's size with the whole source stretched onto it.
    static QImage wholePicture(const QImage &source);
    // A white picture of the box's size with the canvas's pixels from offset on at actual size.
    static QImage fragmentPicture(const QPoint &offset, const QImage &canvas);
    // Runs an effect under the hourglass cursor.
    static void busy(const std::function<void()> &work);

    EffectsPictureBox *Image4r;
    EffectsPictureBox *Image5;
    QTabWidget *PageControl2;
    EffectsEmbossTab *EmbossTab;
    EffectsColourTab *ColourTab;
    EffectsPixelTab *PixelTab;
    EffectsSepiaTab *SepiaTab;

signals:
    // The pipette took this colour from the working picture.
    void pipetteTook(const QColor &colour);

private:
    void Image4rMouseDown(const QPoint &at);
    void Image4rMouseMove(const QPoint &at);
    void Image4rMouseUp(const QPoint &at);
    // The current page's background as the page shows it, stretched to the page.
    QImage canvas() const;

    Pages m_pages;
    QPoint m_offset;
    QPoint m_dragStart;
    bool m_dragging = false;
    bool m_pipetteArmed = false;
    mutable QImage m_canvas;
    mutable qint64 m_canvasKey = 0;
};
