#include "FormFixture.h"

#include "app/OwnProportionsPanel.h"

#include "app/WetCuringPage.h"
#include "controls/TmxCalendar.h"
#include "core/Clock.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

class TestWetPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void typingRecalculates_data();
    void typingRecalculates();
    void firstExampleFillsEveryLabel();
    void onlyUserChangesRecalculate();
    void emptyOrZeroMeatKeepsLabels();
    void decimalInputRule_data();
    void decimalInputRule();
    void ownVariantSaveAndCancel();
    void ownVariantRestoredAtStart();
    void errorsReachTheHandler();
    void unwritableSettingsOnSave();
    void daysListMarksCalendar();
    void pickingEndDaySetsDays();
    void endDayBeyondTheList();
    void activationRecalculates();
};

void TestWetPage::typingRecalculates_data()
{
    QTest::addColumn<QString>("meat");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("salt");
    QTest::addColumn<QString>("injections");
    QTest::addColumn<QString>("massage");
    QTest::addColumn<QString>("lessSalt");
    QTest::addColumn<QString>("lessInjections");
    QTest::newRow("1 kg, 1 day") << "1" << 0 << "76 - 80 g"
                                 << "4 razy  60 ml/kg mięsa czyli w sumie : 240 ml"
                                 << " Tak"
                                 << "72 - 76 g"
                                 << "5 razy  60 ml/kg mięsa czyli w sumie : 300 ml";
    QTest::newRow("2,5 kg, 4 days") << "2,5" << 3 << "150 - 155 g"
                                    << "1,5 razy  60 ml/kg mięsa czyli w sumie : 225 ml"
                                    << "Nie"
                                    << "125 - 130 g"
                                    << "2 razy  60 ml/kg mięsa czyli w sumie : 300 ml";
    QTest::newRow("10 kg, 14 days") << "10" << 13 << "400 - 420 g"
                                    << "1 razy  60 ml/kg mięsa czyli w sumie : 600 ml"
                                    << "Nie"
                                    << "320 - 340 g"
                                    << "1 razy  60 ml/kg mięsa czyli w sumie : 600 ml";
}

void TestWetPage::typingRecalculates()
{
    QFETCH(QString, meat);
    QFETCH(int, days);
    FormFixture f;
    f.type("Edit1", meat);
    f.pick("ComboBox1", days);
    QTEST(f.text("Label4"), "salt");
    QTEST(f.text("Label8"), "injections");
    QTEST(f.text("Label10"), "massage");
    QTEST(f.text("Label12"), "lessSalt");
    QTEST(f.text("Label16"), "lessInjections");
    QCOMPARE(f.text("Label27"),
        QStringLiteral("--- Wersja mniej słona  według Fendra-----------------"));
}

void TestWetPage::firstExampleFillsEveryLabel()
{
    FormFixture f;
    f.type("Edit1", "3");
    f.type("Edit1", "1"); // back to the first example, typed
    QCOMPARE(f.text("Label26"),
        QStringLiteral("---  Wersja słona według Fendra --------------------------"));
    QCOMPARE(f.text("Label3"), QStringLiteral("Ilość peklosoli w przedziale:"));
    QCOMPARE(f.text("Label4"), QStringLiteral("76 - 80 g"));
    QCOMPARE(f.text("Label6"), QStringLiteral("0,4 l."));
    QCOMPARE(f.text("Label54"), QStringLiteral("15,97 - 16,67 %"));
    QCOMPARE(f.text("Label59"), QStringLiteral("4,0 - 8,2 g"));
    QCOMPARE(f.text("Label14"), QStringLiteral("0,4 l."));
    QCOMPARE(f.text("Label55"), QStringLiteral("15,25 - 15,97 %"));
    QCOMPARE(f.text("Label58"), QStringLiteral("Opcjonalnie cukier 1-2%:"));
    QCOMPARE(f.text("Label60"), QStringLiteral("3,8 - 7,8 g"));
    QCOMPARE(f.text("Label56"), QStringLiteral("Temperatura peklowania 4 - 8  °C:"));
    // Values sit 30 pixels after their captions.
    QCOMPARE(f.get("Label4")->x(), f.get("Label3")->x() + 30 + f.get("Label3")->width());
    QCOMPARE(f.get("Label60")->x(), f.get("Label17")->x() + 30 + f.get("Label58")->width());
}

void TestWetPage::onlyUserChangesRecalculate()
{
    FormFixture f;
    f.type("Edit1", "2");
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));
    // Text set by the program, without the focus, does not recalculate...
    f.form->WetPage->ComboBox1->setFocus();
    f.get<QLineEdit>("Edit1")->setText("5");
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));
    // ...and neither does a list index set by the program.
    f.form->WetPage->Edit1->setFocus();
    f.form->WetPage->ComboBox1->setCurrentIndex(3);
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));
    // The next user change uses both.
    f.type("Edit1", "1");
    QCOMPARE(f.text("Label4"), QStringLiteral("60 - 62 g"));
}

void TestWetPage::emptyOrZeroMeatKeepsLabels()
{
    FormFixture f;
    f.type("Edit1", "2");
    f.type("Edit1", "");
    QCOMPARE(f.get<QLineEdit>("Edit1")->text(), QString());
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));
    f.type("Edit1", "0");
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestWetPage::decimalInputRule_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::newRow("second comma refused") << "1,2,5"
                                          << "1,25";
    QTest::newRow("full stop refused, not converted") << "2.5"
                                                      << "25";
    QTest::newRow("minus, blank, letters refused") << "-1 a5x"
                                                   << "15";
    QTest::newRow("leading comma") << ",5"
                                   << ",5";
}

void TestWetPage::decimalInputRule()
{
    QFETCH(QString, keys);
    FormFixture f;
    for (const char *field : {"Edit1", "Edit11", "Edit12"}) {
        f.form->WetPage->showOwnPanel();
        f.type(field, keys);
        QTEST(f.get<QLineEdit>(field)->text(), "result");
    }
    // A comma is refused even when the existing comma is selected.
    auto *edit = f.get<QLineEdit>("Edit1");
    edit->setFocus();
    edit->setText("1,5");
    edit->setSelection(1, 1);
    QTest::keyClick(edit, ',');
    QCOMPARE(edit->text(), QStringLiteral("1,5"));
    // Backspace still edits.
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1,"));
}

void TestWetPage::ownVariantSaveAndCancel()
{
    FormFixture f;
    QAction *open = f.form->action("Wersjamokre1");
    QVERIFY(open->isEnabled());
    QCOMPARE(open->text(), QStringLiteral("Wersja własna peklowania na mokro"));
    open->trigger();
    auto *panel = f.form->WetPage->Panel8;
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(150, 250));
    QCOMPARE(panel->size(), QSize(401, 225));

    f.type("Edit11", "78");
    f.type("Edit12", "0");
    f.get<QCheckBox>("CheckBox1")->setChecked(true);
    QCOMPARE(f.text("Label27"),
        QStringLiteral("--- Wersja mniej słona  według Fendra-----------------"));
    QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(f.text("Label27"),
        QStringLiteral("--- Wersja własna ---------------------------------------"));
    QCOMPARE(f.text("Label12"), QStringLiteral("76 - 80 g"));
    QCOMPARE(f.text("Label58"), QStringLiteral("Opcjonalnie cukier 0,0-0,5%:"));
    QCOMPARE(f.text("Label60"), QStringLiteral("0,0 - 2,0 g"));

    IniFile ini(f.env.file("Ustawienia.ini"));
    QCOMPARE(ini.readString("Peklowanie mokre wlasne", "peklosol", ""), QStringLiteral("78"));
    QCOMPARE(ini.readString("Peklowanie mokre wlasne", "cukier", ""), QStringLiteral("0"));
    QCOMPARE(ini.readString("Peklowanie mokre wlasne", "zastosuj", ""), QStringLiteral("1"));

    // Cancel hides and writes nothing, but the edited values take part in the next calculation.
    open->trigger();
    f.type("Edit11", "50");
    QTest::mouseClick(f.get<QPushButton>("Button10"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(f.text("Label12"), QStringLiteral("76 - 80 g"));
    QCOMPARE(
        IniFile(f.env.file("Ustawienia.ini")).readString("Peklowanie mokre wlasne", "peklosol", ""),
        QStringLiteral("78"));
    f.type("Edit1", "1");
    QCOMPARE(f.text("Label12"), QStringLiteral("49 - 51 g"));

    // Escape cancels from the keyboard.
    open->trigger();
    QTest::keyClick(f.get<QLineEdit>("Edit11"), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
}

void TestWetPage::ownVariantRestoredAtStart()
{
    FormFixture f(false);
    QCOMPARE(f.get<QLineEdit>("Edit11")->text(), QStringLiteral("0"));
    QCOMPARE(f.get<QLineEdit>("Edit12")->text(), QStringLiteral("0"));
    QVERIFY(!f.get<QCheckBox>("CheckBox1")->isChecked());
    {
        IniFile ini(f.env.file("Ustawienia.ini"));
        ini.writeString("PEKLOWANIE MOKRE WLASNE", "Peklosol", "80");
        ini.writeString("Peklowanie mokre wlasne", "cukier", "2,5");
        ini.writeString("Peklowanie mokre wlasne", "zastosuj", "$1");
    }
    f.restart();
    QCOMPARE(f.get<QLineEdit>("Edit11")->text(), QStringLiteral("80"));
    QCOMPARE(f.get<QLineEdit>("Edit12")->text(), QStringLiteral("2,5"));
    QVERIFY(f.get<QCheckBox>("CheckBox1")->isChecked());
    // Activation already used them.
    QCOMPARE(f.text("Label27"),
        QStringLiteral("--- Wersja własna ---------------------------------------"));
    QCOMPARE(f.text("Label58"), QStringLiteral("Opcjonalnie cukier 2,0-3,0%:"));
}

void TestWetPage::errorsReachTheHandler()
{
    FormFixture f;
    f.type("Edit1", "2");
    // A lone comma: the message, and every label keeps its text.
    f.type("Edit1", ",");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("',' is not a valid floating point value"));
    QCOMPARE(f.text("Label4"), QStringLiteral("152 - 160 g"));

    // Pasted letters in the own salt: the salty block and the header are written, the rest not.
    f.get<QLineEdit>("Edit11")->setText("abc");
    f.get<QCheckBox>("CheckBox1")->setChecked(true);
    f.type("Edit1", "1");
    QCOMPARE(
        f.env.platform.lastError(), QStringLiteral("'abc' is not a valid floating point value"));
    QCOMPARE(f.text("Label4"), QStringLiteral("76 - 80 g"));
    QCOMPARE(f.text("Label27"),
        QStringLiteral("--- Wersja własna ---------------------------------------"));
    QCOMPARE(f.text("Label12"), QStringLiteral("144 - 152 g")); // still the 2 kg text

    // Own sugar 99,5 divides by zero: the caption is written, the amounts are not.
    f.get<QLineEdit>("Edit11")->setText("78");
    f.get<QLineEdit>("Edit12")->setText("99,5");
    f.type("Edit1", "1");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("Floating point division by zero"));
    QCOMPARE(f.text("Label58"), QStringLiteral("Opcjonalnie cukier 99,0-100,0%:"));
    QCOMPARE(f.text("Label12"), QStringLiteral("76 - 80 g"));
    QCOMPARE(f.env.platform.errors.size(), 3);
    // The program goes on.
    f.get<QLineEdit>("Edit12")->setText("1");
    f.type("Edit1", "2");
    QCOMPARE(f.text("Label60"), QStringLiteral("4,0 - 12,2 g"));
    QCOMPARE(f.env.platform.errors.size(), 3);
}

void TestWetPage::unwritableSettingsOnSave()
{
    FormFixture f;
    // The settings file's place is taken by a folder, so it cannot be written (also as root).
    QDir().mkpath(f.env.file("Ustawienia.ini"));
    f.form->WetPage->showOwnPanel();
    f.get<QCheckBox>("CheckBox1")->setChecked(true);
    QTest::mouseClick(f.get<QPushButton>("Button9"), Qt::LeftButton);
    QCOMPARE(f.env.platform.lastError(),
        QStringLiteral("Unable to write to %1").arg(f.env.file("Ustawienia.ini")));
    // The rest of the handler was skipped: the panel stays open for another try.
    QVERIFY(f.form->WetPage->Panel8->isVisible());
    // And the program goes on: Cancel still works.
    QTest::mouseClick(f.get<QPushButton>("Button10"), Qt::LeftButton);
    QVERIFY(!f.form->WetPage->Panel8->isVisible());
}

void TestWetPage::daysListMarksCalendar()
{
    FormFixture f;
    f.pick("ComboBox1", 4);
    TmxCalendar *cal = f.form->mxCalendar1;
    QCOMPARE(cal->selectionStart(), QDate(2024, 3, 11));
    QCOMPARE(cal->selectionEnd(), QDate(2024, 3, 15));
    QCOMPARE(f.text("Label4"), QStringLiteral("56 - 58 g"));
}

void TestWetPage::pickingEndDaySetsDays()
{
    FormFixture f;
    f.type("Edit1", "2");
    TmxCalendar *cal = f.form->mxCalendar1;
    const QRect cell = cal->dayCellRect(QDate(2024, 3, 18));
    QVERIFY(!cell.isNull());
    QTest::mouseClick(cal, Qt::LeftButton, {}, cell.center());
    QCOMPARE(cal->selectionEnd(), QDate(2024, 3, 18));
    QTRY_COMPARE(f.form->WetPage->ComboBox1->currentText(), QStringLiteral("8 dni"));
    QCOMPARE(f.text("Label4"), QStringLiteral("88 - 92 g")); // recalculated for 8 days
    // The same day again changes nothing; a past day neither.
    f.type("Edit1", "1");
    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->dayCellRect(QDate(2024, 3, 5)).center());
    QTest::qWait(250);
    QCOMPARE(f.form->WetPage->ComboBox1->currentText(), QStringLiteral("8 dni"));
    // Off page 0 the calendar does not touch the days.
    f.form->PageControl1->setCurrentIndex(2);
    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->dayCellRect(QDate(2024, 3, 13)).center());
    QTest::qWait(250);
    QCOMPARE(f.form->WetPage->ComboBox1->currentText(), QStringLiteral("8 dni"));
}

void TestWetPage::endDayBeyondTheList()
{
    FormFixture f;
    TmxCalendar *cal = f.form->mxCalendar1;
    cal->setSelection(QDate(2024, 3, 11), QDate(2024, 3, 30)); // 20 days ahead
    f.form->Timer1Timer();
    QCOMPARE(f.form->WetPage->ComboBox1->currentText(), QStringLiteral("14 dni"));
    QCOMPARE(f.text("Label4"), QStringLiteral("40 - 42 g"));
}

void TestWetPage::activationRecalculates()
{
    FormFixture f;
    f.form->WetPage->ComboBox1->setFocus();
    f.get<QLineEdit>("Edit1")->setText("3");
    QCOMPARE(f.text("Label4"), QStringLiteral("76 - 80 g"));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(f.text("Label4"), QStringLiteral("228 - 240 g"));
}

QTEST_MAIN(TestWetPage)
#include "tst_wetpage.moc"
