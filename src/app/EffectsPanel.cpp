#include "app/EffectsPanel.h"

#include "app/CalculatorPage.h"
#include "app/EffectsColourTab.h"
#include "app/EffectsEmbossTab.h"
#include "app/EffectsPictureBox.h"
#include "app/EffectsPixelTab.h"
#include "app/EffectsSepiaTab.h"
#include "app/PageBackground.h"
#include "effects/Bitmap24.h"
#include "platform/ErrorHandler.h"

#include <QApplication>
#include <QPainter>
#include <QTabWidget>

namespace {
constexpr QSize kPanelSize {436, 430};
constexpr QRect kTabsRect {4, 164, 428, 262};
} // namespace

EffectsPanel::EffectsPanel(const Pages &pages, QMenu *popup, QWidget *parent)
    : QFrame(parent)
    , m_pages(pages)
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(kPanelSize);
    hide();

    Image4r = new EffectsPictureBox(QStringLiteral("Image4r"), this);
    Image4r->move(12, 8);
    Image4r->setPopupMenu(popup);
    Image5 = new EffectsPictureBox(QStringLiteral("Image5"), this);
    Image5->move(224, 8);
    connect(
        Image4r, &EffectsPictureBox::pressed, this, handler(this, &EffectsPanel::Image4rMouseDown));
    connect(
        Image4r, &EffectsPictureBox::moved, this, handler(this, &EffectsPanel::Image4rMouseMove));
    connect(
        Image4r, &EffectsPictureBox::released, this, handler(this, &EffectsPanel::Image4rMouseUp));

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setTabPosition(QTabWidget::South);
    PageControl2->setGeometry(kTabsRect);
    EmbossTab = new EffectsEmbossTab(this);
    ColourTab = new EffectsColourTab(this);
    PixelTab = new EffectsPixelTab(this);
    SepiaTab = new EffectsSepiaTab(this);
    PageControl2->addTab(EmbossTab, QStringLiteral("Płaskorzeźba"));
    PageControl2->addTab(ColourTab, QStringLiteral("Zmiana kolorów"));
    PageControl2->addTab(PixelTab, QStringLiteral("Piksele"));
    PageControl2->addTab(SepiaTab, QStringLiteral("Sepia"));
    connect(PageControl2, &QTabWidget::currentChanged, this,
        handler(this, &EffectsPanel::PageControl2Change));
}

void EffectsPanel::Open()
{
    move(OpenedAt);
    show();
    raise();
    if (PageControl2->currentIndex() == 0) {
        PageControl2Change();
    } else {
        // Selecting the first tab runs the tab change itself.
        PageControl2->setCurrentIndex(0);
    }
}

void EffectsPanel::Close()
{
    hide();
    m_dragging = false;
    m_pipetteArmed = false;
    Image4r->unsetCursor();
}

void EffectsPanel::PageControl2Change()
{
    m_offset = QPoint(0, 0);
    Image4r->setPopupEnabled(currentTab() != ColourTab);
    currentTab()->enter();
}

void EffectsPanel::followPage()
{
    if (isVisible())
        PageControl2Change();
}

EffectsTab *EffectsPanel::currentTab() const
{
    return static_cast<EffectsTab *>(PageControl2->currentWidget());
}

PageBackground *EffectsPanel::currentBackground() const
{
    const int index = m_pages.current();
    return index >= 0 && index < m_pages.calculators.size()
        ? m_pages.calculators[index]->background()
        : nullptr;
}

bool EffectsPanel::onCookbookPage() const
{
    return currentBackground() == nullptr;
}

void EffectsPanel::loadWhole(bool withPhoto)
{
    QImage picture;
    if (const PageBackground *background = currentBackground())
        picture = wholePicture(background->picture());
    else if (withPhoto)
        picture = wholePicture(m_pages.cookbookPhoto());
    else
        return;
    Image4r->setPicture(picture);
    Image5->setPicture(picture);
}

QImage EffectsPanel::wholePicture(const QImage &source)
{
    const QSize size = EffectsPictureBox::PictureSize;
    if (source.isNull()) {
        QImage white(size, kBitmap24);
        white.fill(Qt::white);
        return white;
    }
    // Smooth scaling averages the covered source pixels, as halftone stretching does.
    const QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.hasAlphaChannel())
        return toBitmap24(scaled);
    QImage onWhite(size, kBitmap24);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, scaled);
    return onWhite;
}

QImage EffectsPanel::fragmentPicture(const QPoint &offset, const QImage &canvas)
{
    QImage fragment(EffectsPictureBox::PictureSize, kBitmap24);
    fragment.fill(Qt::white);
    if (!canvas.isNull())
        QPainter(&fragment).drawImage(QPoint(0, 0), canvas, QRect(offset, fragment.size()));
    return fragment;
}

QImage EffectsPanel::canvas() const
{
    const PageBackground *background = currentBackground();
    if (!background || background->isEmpty())
        return QImage();
    const QImage &picture = background->picture();
    const QSize shown = background->size().isEmpty() ? picture.size() : background->size();
    if (picture.size() == shown)
        return picture;
    // Dragging asks for it on every mouse move: stretch once per picture and page size.
    if (m_canvasKey != picture.cacheKey() || m_canvas.size() != shown) {
        m_canvas = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_canvasKey = picture.cacheKey();
    }
    return m_canvas;
}

void EffectsPanel::Calyobrazek1Click()
{
    m_dragging = false;
    if (const PageBackground *background = currentBackground())
        Image4r->setPicture(wholePicture(background->picture()));
    if (currentTab() == EmbossTab)
        EmbossTab->redrawPreview();
}

void EffectsPanel::Tylkofragment1Click()
{
    m_dragging = false;
    if (currentBackground())
        Image4r->setPicture(fragmentPicture(QPoint(0, 0), canvas()));
    if (currentTab() == EmbossTab)
        EmbossTab->redrawPreview();
}

void EffectsPanel::armPipette()
{
    m_pipetteArmed = true;
    Image4r->setCursor(QCursor(QPixmap(QStringLiteral(":/pipeta.png")), 0, 31));
}

void EffectsPanel::Image4rMouseDown(const QPoint &at)
{
    if (m_pipetteArmed) {
        // The click takes a colour; it does not start a drag.
        m_pipetteArmed = false;
        Image4r->unsetCursor();
        const QImage &picture = Image4r->picture();
        if (picture.valid(at))
            emit pipetteTook(picture.pixelColor(at));
        return;
    }
    // The cookbook page has no background to show a fragment of.
    if (!currentBackground())
        return;
    m_dragStart = at;
    m_dragging = true;
}

void EffectsPanel::Image4rMouseMove(const QPoint &at)
{
    if (m_dragging)
        Image4r->setPicture(fragmentPicture(m_dragStart - at + m_offset, canvas()));
}

void EffectsPanel::Image4rMouseUp(const QPoint &at)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_offset += m_dragStart - at;
    currentTab()->redrawPreview();
}

void EffectsPanel::apply(const EffectsTab &tab)
{
    PageBackground *background = currentBackground();
    if (background && !background->isEmpty() && tab.hasEffect())
        busy([&] { background->setPicture(tab.effect(background->picture())); });
    Close();
}

void EffectsPanel::busy(const std::function<void()> &work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        work();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}
