// The effects panel's previews as the user meets them: one line "name milliseconds" per control
// event (the mean of several runs after a warm-up), through the panel's own handlers and with the
// preview painted. Then each tab's effect on the page-sized background (689 x 469), the work of
// its "Ok", and the fragment drag's mouse move. Runs under the offscreen platform.
// Usage: bench_effectspanel
#include "BenchUtil.h"
#include "app/EffectsColourTab.h"
#include "app/EffectsEmbossTab.h"
#include "app/EffectsPanel.h"
#include "app/EffectsPictureBox.h"
#include "app/EffectsPixelTab.h"
#include "app/EffectsRadioGroup.h"
#include "app/EffectsSepiaTab.h"
#include "app/PageBackground.h"
#include "app/TForm1.h"
#include "app/WetCuringPage.h"
#include "controls/TPotencjometr.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Gradients, blocks and noise, like a photograph with some texture.
QImage pagePicture()
{
    const QSize size = PageBackground::DesignSize;
    QImage p(size, QImage::Format_BGR888);
    uint32_t noise = 12345;
    for (int y = 0; y < size.height(); ++y) {
        uchar *row = p.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const bool block = ((x / 41) + (y / 29)) % 3 == 0;
            row[3 * x + 0] = uchar(std::clamp(y * 255 / size.height() + n, 0, 255));
            row[3 * x + 1] = uchar(std::clamp(int(127 + 120 * std::sin(x * 0.02)) + n, 0, 255));
            row[3 * x + 2] = uchar(std::clamp(x * 255 / size.width() + (block ? 40 : 0), 0, 255));
        }
    }
    return p;
}

void report(const char *name, int runs, const std::function<void()> &work)
{
    work();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    std::printf("%s %.3f\n", name, timer.nsecsElapsed() / 1e6 / runs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchSetup setup;

    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.WetPage->background()->setPicture(pagePicture());
    EffectsPanel *panel = form.Panel3;
    panel->Open();
    const auto painted = [panel] { panel->Image5->repaint(); };
    const int runs = 50;

    EffectsEmbossTab *emboss = panel->EmbossTab;
    EffectsColourTab *colour = panel->ColourTab;
    EffectsPixelTab *pixels = panel->PixelTab;
    EffectsSepiaTab *sepia = panel->SepiaTab;
    colour->Potencjometr1->setPosition(60);
    colour->Potencjometr2->setPosition(-90);
    pixels->Potencjometr11->setPosition(8);
    // Each setting: its tab, what the user chose, and the control event that redraws the preview.
    struct Setting
    {
        const char *name;
        EffectsTab *tab;
        std::function<void()> choose, event;
    };
    const auto item = [](EffectsRadioGroup *group, int index) {
        return [group, index] { group->setItemIndex(index); };
    };
    std::vector<Setting> settings = {
        {"emboss_grey", emboss, item(emboss->ReliefColourGroup, 1),
            [emboss] { emboss->Potencjometr5CanScroll(); }},
        {"emboss_own_uniform", emboss,
            [emboss] {
                emboss->ReliefColourGroup->setItemIndex(0);
                emboss->EdgeKindGroup->setItemIndex(1);
            },
            [emboss] { emboss->ReliefColourGroupClick(); }},
        {"colour_plain", colour, item(colour->WayGroup, 0),
            [colour] { colour->SliderCanScroll(); }},
        {"colour_sine", colour, item(colour->WayGroup, 1), [colour] { colour->SliderCanScroll(); }},
    };
    const char *modes[]
        = {"pixel_wind", "pixel_paint", "pixel_pixelate", "pixel_explode", "pixel_overlay"};
    for (int mode = 0; mode < 5; ++mode)
        settings.push_back({modes[mode], pixels, item(pixels->ModeGroup, mode),
            [pixels] { pixels->ModeGroupClick(); }});
    for (QPushButton *button :
        {sepia->GreysButton, sepia->SepiaButton, sepia->AdjustableSepiaButton})
        settings.push_back({button == sepia->GreysButton ? "greys"
                : button == sepia->SepiaButton           ? "sepia"
                                                         : "adjustable_sepia",
            sepia, [button] { button->setChecked(true); }, [button] { button->click(); }});

    std::printf("== previews through the panel (196 x 146, painted) ==\n");
    report("open_on_emboss", runs, [&] {
        panel->Open();
        painted();
    });
    for (const Setting &setting : settings) {
        panel->PageControl2->setCurrentWidget(setting.tab);
        setting.choose();
        report(setting.name, runs, [&] {
            setting.event();
            painted();
        });
    }

    // The drag's mouse moves, as the working picture receives them.
    const auto mouse = [panel](QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, panel->Image4r->mapToGlobal(at), Qt::LeftButton, held, {});
        QApplication::sendEvent(panel->Image4r, &event);
    };
    mouse(QEvent::MouseButtonPress, {100, 70});
    int step = 0;
    report("fragment_drag_move", runs, [&] {
        ++step;
        mouse(QEvent::MouseMove, {100 - step % 40, 70 - step % 30});
        panel->Image4r->repaint();
    });
    mouse(QEvent::MouseButtonRelease, {100, 70});

    std::printf("== the same on the page background (689 x 469), as \"Ok\" runs it ==\n");
    const QImage page = form.WetPage->background()->picture();
    for (const Setting &setting : settings) {
        setting.choose();
        report(setting.name, runs, [&] { setting.tab->effect(page); });
    }
    panel->Close();
    return 0;
}
