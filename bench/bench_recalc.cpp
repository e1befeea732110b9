// One wet-curing recalculation through the real window: parse, compute, format, set the labels.
#include "BenchUtil.h"
#include "app/BrinePage.h"
#include "app/DryCuringPage.h"
#include "app/FishPage.h"
#include "app/TForm1.h"
#include "app/WetCuringPage.h"
#include "calc/WetCuring.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <cstdio>
#include <functional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchSetup setup;
    TForm1 form;
    form.show();
    QApplication::processEvents();

    const QString meats[] = {
        QStringLiteral("1"), QStringLiteral("2,5"), QStringLiteral("13,75"), QStringLiteral("0,3")};
    auto run = [&](const char *name, bool own) {
        form.WetPage->CheckBox1->setChecked(own);
        form.WetPage->Edit11->setText(QStringLiteral("70"));
        form.WetPage->Edit12->setText(QStringLiteral("1,5"));
        const int rounds = 20000;
        QElapsedTimer timer;
        timer.start();
        qint64 inRecalc = 0;
        for (int i = 0; i < rounds; ++i) {
            form.WetPage->Edit1->setText(meats[i % 4]);
            form.WetPage->ComboBox1->setCurrentIndex(i % 14);
            timer.restart();
            form.WetPage->PrzeliczMokre();
            inRecalc += timer.nsecsElapsed();
            if (i % 64 == 0)
                QApplication::processEvents(); // let repaints and layout requests run as they would
        }
        std::printf("wet_recalc_%s_us %.2f\n", name, double(inRecalc) / rounds / 1000.0);
        // The calculation alone, without the widgets.
        timer.restart();
        int sink = 0;
        for (int i = 0; i < rounds; ++i)
            sink += int(computeWetCuring(
                {meats[i % 4], i % 14, own, QStringLiteral("70"), QStringLiteral("1,5")})
                            .texts.size());
        std::printf("wet_compute_%s_us %.2f (%d)\n", name,
            double(timer.nsecsElapsed()) / rounds / 1000.0, sink % 10);
    };
    run("less_salty", false);
    run("own", true);

    // The other calculators, each through its page: fields set, then the routine timed.
    auto time = [&](const char *name, const std::function<void(int)> &prepare,
                    const std::function<void()> &recalc) {
        const int rounds = 20000;
        qint64 total = 0;
        QElapsedTimer timer;
        for (int i = 0; i < rounds; ++i) {
            {
                // Fields set quietly, so the timed call does the whole work and not a repeat.
                const QSignalBlocker block(&form);
                for (QObject *field : form.findChildren<QLineEdit *>())
                    field->blockSignals(true);
                prepare(i);
                for (QObject *field : form.findChildren<QLineEdit *>())
                    field->blockSignals(false);
            }
            timer.restart();
            recalc();
            total += timer.nsecsElapsed();
            if (i % 64 == 0)
                QApplication::processEvents();
        }
        std::printf("%s_us %.2f\n", name, double(total) / rounds / 1000.0);
    };
    DryCuringPage *dry = form.DryPage;
    time(
        "dry_recalc", [&](int i) { dry->Edit2->setText(meats[i % 4]); },
        [&] { dry->PrzeliczSuche(); });
    time(
        "casings_recalc",
        [&](int i) {
            dry->ComboBox4->setCurrentIndex(i % 33);
            dry->Edit2->setText(meats[i % 4]);
        },
        [&] { dry->PrzeliczOslonki(); });
    BrinePage *brine = form.BrineAndPicklePage;
    time(
        "brine_recalc",
        [&](int i) {
            brine->Edit3->setText(meats[i % 4]);
            brine->Edit4->setText(meats[(i + 1) % 4]);
        },
        [&] { brine->PrzeliczStezenie(); });
    time(
        "pickle_recalc",
        [&](int i) {
            brine->Edit16->setText(meats[i % 4]);
            brine->Edit15->setText(meats[(i + 1) % 4]);
        },
        [&] { brine->PrzeliczZalewe(); });
    FishPage *fish = form.FishSaltingPage;
    time(
        "fish_recalc",
        [&](int i) {
            fish->Edit10->setText(meats[i % 4]);
            fish->ComboBox2->setCurrentIndex(i % 4); // concentrations of 4 % and more: no question
        },
        [&] { fish->PrzeliczRyby(); });
    return 0;
}
