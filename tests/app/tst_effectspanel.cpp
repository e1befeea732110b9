// The effects panel over the pages: opening it, the working picture and its fragment, the
// controls of the four tabs, and what "Ok" and "Anuluj" do to the page background.
#include "AppFixture.h"

#include "app/EffectsPanel.h"
#include "app/EffectsPictureBox.h"
#include "app/PageBackground.h"
#include "controls/TPotencjometr.h"
#include "effects/Emboss.h"

namespace {

constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// Left half red, right half blue: a fragment shows by its colours where it comes from.
QImage halves()
{
    QImage picture(PageBackground::DesignSize, QImage::Format_RGB32);
    picture.fill(kBlue);
    QPainter(&picture).fillRect(0, 0, picture.width() / 2, picture.height(), QColor(kRed));
    return picture;
}

QRgb rgb(const QImage &picture, int x, int y)
{
    return picture.pixel(x, y) & 0xFFFFFF;
}

struct PanelFixture : AppFixture
{
    EffectsPanel *panel() const { return form->Panel3; }
    QImage working() const { return panel()->Image4r->picture(); }
    QImage preview() const { return panel()->Image5->picture(); }
    QImage background() const { return get<PageBackground>("Image1")->picture(); }
    TPotencjometr *slider(const char *name) const { return get<TPotencjometr>(name); }

    // The picture as the showing page's background, through "Ładuj tło".
    void loadBackground(const QImage &picture)
    {
        const QString path = env.file(QStringLiteral("tlo.png"));
        QVERIFY(picture.save(path));
        env.platform.pictureAnswers << QStringList {path};
        trigger("Ladujtlo2");
    }
    // A radio item is clicked on its indicator, anything else in its middle.
    void click(const char *name) const
    {
        QWidget *w = get<QWidget>(name);
        const bool radio = qobject_cast<QRadioButton *>(w);
        QTest::mouseClick(
            w, Qt::LeftButton, {}, radio ? QPoint(6, w->height() / 2) : w->rect().center());
    }
    void typeSpin(const QString &keys) const
    {
        auto *spin = get<QSpinBox>("SpinEdit2");
        focus(spin);
        spin->selectAll();
        QTest::keyClicks(spin, keys);
    }
    void showTab(int index) const
    {
        QTabBar *tabs = panel()->PageControl2->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCOMPARE(panel()->PageControl2->currentIndex(), index);
    }
    // A mouse drag on a control; release = false leaves the button down.
    static void drag(QWidget *w, QPoint from, QPoint to, bool release = true)
    {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, to);
        if (release)
            QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }
    void dragThumb(const char *name, int dx, bool release = true) const
    {
        const QPoint thumb = slider(name)->thumbRect().center();
        drag(slider(name), thumb, thumb + QPoint(dx, 0), release);
    }
    // Picture coordinates; the box has a 2-pixel frame.
    void dragPicture(QPoint from, QPoint to) const
    {
        drag(panel()->Image4r, from + QPoint(2, 2), to + QPoint(2, 2));
    }
};

} // namespace

class TestEffectsPanel : public QObject
{
    Q_OBJECT

private slots:
    void openingAndTheFragment()
    {
        PanelFixture f;
        f.loadBackground(halves());
        const QImage original = f.background();
        f.trigger("Ustawtlo1");
        QVERIFY(f.panel()->isVisible());
        QCOMPARE(f.panel()->pos(), QPoint(142, 320));
        // The whole page, squeezed into the box; the first preview is the relief in grey.
        QCOMPARE(f.working().size(), QSize(196, 146));
        QCOMPARE(rgb(f.working(), 5, 5), kRed);
        QCOMPARE(rgb(f.working(), 190, 140), kBlue);
        QCOMPARE(f.preview(), emboss(f.working(), EmbossParams()));

        // Reopening starts over on the first tab, but the level field keeps its text.
        f.dragThumb("Potencjometr5", -40);
        f.type("Edit7", "50");
        f.typeSpin("30");
        f.showTab(3);
        f.click("SepiaCancelButton");
        QVERIFY(!f.panel()->isVisible());
        f.trigger("Ustawtlo2");
        QCOMPARE(f.panel()->PageControl2->currentIndex(), 0);
        QCOMPARE(f.slider("Potencjometr5")->Position(), 100);
        QCOMPARE(f.get<QSpinBox>("SpinEdit2")->value(), 1);
        QCOMPARE(f.text("Edit7"), "50");

        // "Tylko fragment" shows the page at its own size; dragging right shows what lies left of
        // it, white outside the page, and a second drag goes on from there.
        f.rightClick(f.panel()->Image4r);
        f.clickItem(f.form->PopupMenu2, "Tylkofragment1");
        QCOMPARE(rgb(f.working(), 190, 140), kRed);
        const QImage before = f.preview();
        f.dragPicture({100, 70}, {110, 70});
        QCOMPARE(f.panel()->fragmentOffset(), QPoint(-10, 0));
        QCOMPARE(rgb(f.working(), 5, 70), kWhite);
        QCOMPARE(rgb(f.working(), 15, 70), kRed);
        QVERIFY(f.preview() != before);
        f.dragPicture({100, 70}, {70, 50});
        QCOMPARE(f.panel()->fragmentOffset(), QPoint(20, 20));
        f.rightClick(f.panel()->Image4r);
        f.clickItem(f.form->PopupMenu2, "Calyobrazek1");
        QCOMPARE(rgb(f.working(), 190, 140), kBlue);
        f.showTab(1);
        QCOMPARE(f.panel()->fragmentOffset(), QPoint(0, 0));
        // No popup on the colour tab.
        f.rightClick(f.panel()->Image4r);
        QVERIFY(!f.form->PopupMenu2->isVisible());

        // The panel follows the main page; previews never touch the page.
        f.showPage(1);
        QVERIFY(rgb(f.working(), 5, 5) != kRed);
        f.showPage(0);
        f.click("ColourCancelButton");
        QCOMPARE(f.background(), original);
    }

    void embossControls()
    {
        PanelFixture f;
        f.loadBackground(halves());
        f.trigger("Ustawtlo1");
        // The level field follows each step of the slider; the preview waits for the release.
        const QImage first = f.preview();
        f.dragThumb("Potencjometr5", 300, false);
        QCOMPARE(f.text("Edit7"), "500");
        QCOMPARE(f.preview(), first);
        QTest::mouseRelease(f.slider("Potencjometr5"), Qt::LeftButton);
        EmbossParams expected;
        expected.level = 500;
        QCOMPARE(f.preview(), emboss(f.working(), expected));

        // The knob: straight above its centre is 180, the centre row changes nothing, straight
        // below is 360; the spin moves the knob.
        auto *knob = f.get<QWidget>("Image6");
        auto *spin = f.get<QSpinBox>("SpinEdit2");
        const QColor face = knob->palette().color(QPalette::Button);
        PanelFixture::drag(knob, {20, 20}, {20, 4});
        QCOMPARE(spin->value(), 180);
        QCOMPARE(knob->grab().toImage().convertToFormat(QImage::Format_BGR888),
            embossKnobPicture(180, face));
        PanelFixture::drag(knob, {20, 20}, {35, 20});
        QCOMPARE(spin->value(), 180);
        PanelFixture::drag(knob, {20, 20}, {20, 36});
        QCOMPARE(spin->value(), 360);
        f.typeSpin("250");
        QCOMPARE(knob->grab().toImage().convertToFormat(QImage::Format_BGR888),
            embossKnobPicture(250, face));

        // Relief colours on the flat inner area (its neighbours below still unchanged): black,
        // the colour box's, the pipette's, the pixels' own.
        f.click("ReliefColourGroup2");
        QCOMPARE(rgb(f.preview(), 50, 50), 0x000000u);
        f.env.platform.colorAnswers << QColor(0x12, 0x34, 0x56);
        f.click("Scrolkolor");
        QCOMPARE(rgb(f.preview(), 50, 50), 0x000000u);
        f.click("ReliefColourGroup3");
        QCOMPARE(rgb(f.preview(), 50, 50), 0x123456u);
        f.click("PipetteButton");
        QCOMPARE(f.panel()->Image4r->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(f.panel()->Image4r, Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(f.panel()->Image4r->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.panel()->fragmentOffset(), QPoint(0, 0));
        QCOMPARE(rgb(f.preview(), 50, 50), 0x123456u); // taken at the next colour choice
        f.click("ReliefColourGroup3");
        QCOMPARE(rgb(f.preview(), 50, 50), kBlue);
        f.click("ReliefColourGroup0");
        QCOMPARE(rgb(f.preview(), 50, 50), kRed);

        // A level that is not a number is reported and nothing is drawn or applied.
        const QImage shown = f.preview();
        const QImage original = f.background();
        f.type("Edit7", "5x");
        f.click("EdgeKindGroup1");
        QCOMPARE(f.env.platform.lastError(), "'5x' is not a valid integer value");
        QCOMPARE(f.preview(), shown);
        f.click("EmbossOkButton");
        QVERIFY(f.panel()->isVisible());
        QCOMPARE(f.background(), original);

        // "Ok" applies every setting to the whole page background, and closes the panel.
        f.type("Edit7", "300");
        f.click("EmbossOkButton");
        QVERIFY(!f.panel()->isVisible());
        expected = {300, 250, 0, 0xFF0000, 1};
        QCOMPARE(f.background(), emboss(original, expected));
    }

    void colourPixelAndSepiaTabs()
    {
        PanelFixture f;
        f.loadBackground(halves());
        f.trigger("Ustawtlo1");

        // Colour change: only a release redraws; full red shift, then by the sine (which leaves
        // a channel at 0 as it is); "Wyczyść" puts the preview and the sliders back.
        f.showTab(1);
        f.dragThumb("Potencjometr2", 200, false);
        QCOMPARE(f.preview(), f.working());
        QTest::mouseRelease(f.slider("Potencjometr2"), Qt::LeftButton);
        QCOMPARE(rgb(f.preview(), 190, 140), 0xFF00FFu);
        f.click("ColourWayGroup1");
        QCOMPARE(rgb(f.preview(), 190, 140), kBlue);
        f.click("ColourResetButton");
        QCOMPARE(f.preview(), f.working());
        QCOMPARE(f.slider("Potencjometr2")->Position(), 0);

        // Pixels: the label follows the slider; "Pixele" repeats each block's corner pixel.
        f.showTab(2);
        QCOMPARE(f.text("Label52"), "1");
        QCOMPARE(f.preview(), f.working());
        f.dragThumb("Potencjometr11", 300, false);
        QCOMPARE(f.text("Label52"), "100");
        QTest::mouseRelease(f.slider("Potencjometr11"), Qt::LeftButton);
        f.click("PixelModeGroup2");
        for (const QPoint p : {QPoint(50, 50), QPoint(120, 20), QPoint(150, 120)})
            QCOMPARE(
                f.preview().pixel(p), f.working().pixel(p.x() - p.x() % 100, p.y() - p.y() % 100));
        f.click("PixelResetButton");
        QCOMPARE(f.text("Label52"), "1");
        QCOMPARE(f.preview(), f.working());

        // Sepia: one toggle down at a time; sliders count only for the adjustable sepia, whose
        // channels stop at 255 instead of wrapping round.
        f.showTab(3);
        f.click("GreysButton");
        QCOMPARE(rgb(f.preview(), 5, 5), 0x555555u);
        f.click("SepiaButton");
        QVERIFY(!f.get<QPushButton>("GreysButton")->isChecked());
        QCOMPARE(rgb(f.preview(), 5, 5), 0x7D5541u);
        f.dragThumb("Potencjometr6", 400);
        QCOMPARE(rgb(f.preview(), 5, 5), 0x7D5541u);
        f.click("AdjustableSepiaButton");
        QCOMPARE(rgb(f.preview(), 5, 5), 0xFF5529u);
        f.dragThumb("Potencjometr6", -400);
        QCOMPARE(rgb(f.preview(), 5, 5), 0x555529u);
        f.dragThumb("Potencjometr7", -400);
        QCOMPARE(rgb(f.preview(), 5, 5), 0x555555u);
        f.click("SepiaResetButton");
        QCOMPARE(f.preview(), f.working());
        QCOMPARE(f.slider("Potencjometr6")->Position(), 40);
        QCOMPARE(f.slider("Potencjometr7")->Position(), 50);

        // A fragment drag redraws the preview of the tab that is showing, on any page.
        f.showPage(1);
        f.click("GreysButton");
        f.dragPicture({50, 50}, {60, 60});
        QCOMPARE(rgb(f.preview(), 2, 2), kWhite);
        QVERIFY(f.preview().isGrayscale());
        f.showPage(0);
        f.click("SepiaOkButton");
        QCOMPARE(rgb(f.background(), 5, 5), 0x555555u);
        QCOMPARE(rgb(f.background(), 600, 400), 0x555555u);
    }

    void onTheCookbookPage()
    {
        PanelFixture f;
        f.openSample();
        f.clickTitle(int(f.listTitles().indexOf(QStringLiteral("Schab wędzony"))));
        QList<QImage> backgrounds;
        for (const char *name : {"Image1", "Image2", "Image3", "Image4"})
            backgrounds << f.get<PageBackground>(name)->picture();
        // The emboss tab works on the recipe photo; the others leave the pictures as they are.
        f.trigger("Ustawtlo1");
        QCOMPARE(rgb(f.working(), 100, 70), kRed);
        f.click("ReliefColourGroup0");
        QCOMPARE(rgb(f.preview(), 100, 70), kRed);
        f.showTab(2);
        QCOMPARE(rgb(f.working(), 100, 70), kRed);
        f.dragPicture({50, 50}, {60, 60});
        QCOMPARE(rgb(f.working(), 2, 2), kRed);
        f.click("PixelOkButton");
        QVERIFY(!f.panel()->isVisible());
        for (const char *name : {"Image1", "Image2", "Image3", "Image4"})
            QCOMPARE(f.get<PageBackground>(name)->picture(), backgrounds.takeFirst());
    }
};

QTEST_MAIN(TestEffectsPanel)
#include "tst_effectspanel.moc"
