// Page 0: the fields reach the calculator and the results their labels; the own-variant panel;
// the days list and the calendar following each other.
#include "AppFixture.h"

#include "controls/TmxCalendar.h"
#include "core/Clock.h"

namespace {
const QString kLessHeader
    = QStringLiteral("--- Wersja mniej słona  według Fendra-----------------");
const QString kOwnHeader
    = QStringLiteral("--- Wersja własna ---------------------------------------");
} // namespace

class TestWetPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }

    void typedInputsRecalculateProgramChangesDoNot()
    {
        AppFixture f;
        f.type("Edit1", "2,5");
        f.pick("ComboBox1", 3);
        QCOMPARE(f.texts({"Label4", "Label6", "Label8", "Label10", "Label54", "Label59"}),
            (QStringList {"150 - 155 g", "1 l.", "1,5 razy  60 ml/kg mięsa czyli w sumie : 225 ml",
                "Nie", "13,04 - 13,42 %", "10,1 - 20,4 g"}));
        QCOMPARE(
            f.texts({"Label27", "Label12", "Label14", "Label16", "Label18", "Label55", "Label60"}),
            (QStringList {kLessHeader, "125 - 130 g", "1 l.",
                "2 razy  60 ml/kg mięsa czyli w sumie : 300 ml", "Nie", "11,11 - 11,50 %",
                "8,5 - 17,1 g"}));
        // A text and an index set by the program, while another control has the focus...
        f.get<QComboBox>("ComboBox1")->setFocus();
        f.get<QLineEdit>("Edit1")->setText("5");
        f.get<QLineEdit>("Edit1")->setFocus();
        f.get<QComboBox>("ComboBox1")->setCurrentIndex(6);
        QCOMPARE(f.text("Label4"), "150 - 155 g");
        // ...wait for the next activation of the window; the calendar's tick in between does
        // not bring back the days the calendar showed.
        f.form->Timer1Timer();
        f.reactivate();
        QCOMPARE(f.texts({"Label4", "Label12"}), QStringList({"240 - 250 g", "200 - 210 g"}));
        // Letters pasted into the own salt: the message; the labels written before it are current.
        f.get<QLineEdit>("Edit11")->setText("abc");
        f.get<QCheckBox>("CheckBox1")->setChecked(true);
        f.type("Edit1", "1");
        QCOMPARE(f.env.platform.errors, QStringList {"'abc' is not a valid floating point value"});
        QCOMPARE(f.texts({"Label4", "Label27", "Label12"}),
            QStringList({"48 - 50 g", kOwnHeader, "200 - 210 g"}));
    }

    void ownVariantSaveAndCancel()
    {
        AppFixture f;
        auto *panel = f.get<QWidget>("Panel8");
        const auto saved = [&] {
            return f.saved("Peklowanie mokre wlasne", {"peklosol", "cukier", "zastosuj"});
        };
        f.trigger("Wersjamokre1");
        QCOMPARE(panel->pos(), QPoint(150, 250));
        f.type("Edit11", "78");
        f.type("Edit12", "1");
        QTest::mouseClick(f.get<QCheckBox>("CheckBox1"), Qt::LeftButton);
        QCOMPARE(f.text("Label27"), kLessHeader); // typing and ticking do not recalculate
        QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(saved(), "78|1|1");
        QCOMPARE(f.texts({"Label27", "Label12", "Label58"}),
            (QStringList {kOwnHeader, "76 - 80 g", "Opcjonalnie cukier 0,5-1,5%:"}));

        // "Anuluj" and Esc write nothing, but the edited values take part in the next calculation.
        f.trigger("Wersjamokre1");
        f.type("Edit11", "50");
        QTest::mouseClick(f.get<QPushButton>("Button10"), Qt::LeftButton);
        f.trigger("Wersjamokre1");
        f.type("Edit12", "3");
        QTest::keyClick(f.get<QLineEdit>("Edit12"), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QCOMPARE(saved(), "78|1|1");
        f.type("Edit1", "1");
        QCOMPARE(f.texts({"Label12", "Label58"}),
            (QStringList {"49 - 51 g", "Opcjonalnie cukier 2,5-3,5%:"}));

        // The saved variant comes back at the next start, and the first activation uses it.
        f.restart();
        QCOMPARE(f.texts({"Label27", "Label12", "Label58"}),
            (QStringList {kOwnHeader, "76 - 80 g", "Opcjonalnie cukier 0,5-1,5%:"}));
    }

    void calendarAndDaysFollowEachOther()
    {
        AppFixture f;
        auto *cal = f.get<TmxCalendar>("mxCalendar1");
        auto *days = f.get<QComboBox>("ComboBox1");
        const auto clickDay = [&](int day) {
            QTest::mouseClick(
                cal, Qt::LeftButton, {}, cal->dayCellRect(QDate(2024, 3, day)).center());
        };
        // Chosen days are marked from tomorrow on.
        f.choose("ComboBox1", 4);
        QCOMPARE(cal->selectionStart(), QDate(2024, 3, 11));
        QCOMPARE(cal->selectionEnd(), QDate(2024, 3, 15));
        // An end day picked in the calendar sets the days and recalculates.
        f.type("Edit1", "2");
        clickDay(18);
        QTRY_COMPARE(days->currentText(), "8 dni");
        QCOMPARE(f.text("Label4"), "88 - 92 g");
        // Twenty days ahead the list shows its last item.
        clickDay(30);
        QTRY_COMPARE(days->currentText(), "14 dni");
        QCOMPARE(f.text("Label4"), "80 - 84 g");
        // A past day changes nothing; off page 0 the calendar does not touch the days.
        clickDay(5);
        QTest::qWait(250);
        f.showPage(2);
        clickDay(13);
        QTest::qWait(250);
        QCOMPARE(days->currentText(), "14 dni");
    }
};

QTEST_MAIN(TestWetPage)
#include "tst_wetpage.moc"
