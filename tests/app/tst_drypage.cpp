#include "FormFixture.h"

#include "Clock.h"
#include "DryCuringPage.h"
#include "IniFile.h"
#include "WetCuringPage.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

class TestDryPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void startState();
    void typingRecalculates_data();
    void typingRecalculates();
    void everyMeatChangeRecalculates();
    void pageChangeRecalculates();
    void badOwnProportion();
    void casings_data();
    void casings();
    void casingTriggers();
    void typedProductNameEmptiesBox();
    void ownPanelSaveAndCancel();
    void ownPanelRestoredAtStart();
    void unwritableSettingsOnSave();
};

static QStringList boxLines(const FormFixture &f)
{
    return f.get<QPlainTextEdit>("RichEdit2")->toPlainText().split(u'\n');
}

void TestDryPage::startState()
{
    FormFixture f;
    QCOMPARE(f.get<QLineEdit>("Edit2")->text(), QStringLiteral("0"));
    for (const char *value : {"Label21", "Label24", "Label25", "Label37", "Label39", "Label43"})
        QCOMPARE(f.text(value), QStringLiteral("0  g"));
    QCOMPARE(f.text("Label45"), QStringLiteral("---  Wersja oficjalna według Tobrin'a --"));
    QCOMPARE(f.text("Label44"), QStringLiteral("---  Wersja własna  -----------------------"));
    QCOMPARE(f.text("Label22"), QStringLiteral("Opcjonalnie Ilość pieprzu: "));
    QCOMPARE(f.text("Label36"), QStringLiteral("Ilość ziela angileskiego:"));
    const QStringList note = f.text("Label38").split(u'\n');
    QCOMPARE(note.size(), 6);
    QCOMPARE(note.first(),
        QStringLiteral(
            "Mięso rozdrabniane ręcznie (5 – 6 cm) pekluje się 72 – 96 godz. w temp. 4 – 6 °C."));
    QCOMPARE(note.last(), QStringLiteral("nie może być peklowane dłużej niż 4 doby."));

    auto *products = f.get<QComboBox>("ComboBox4");
    QCOMPARE(products->count(), 33);
    QCOMPARE(products->currentIndex(), -1);
    QCOMPARE(products->currentText(), QStringLiteral("Szynka wieprzowa gotowana"));
    QVERIFY(!f.get<QCheckBox>("CheckBox3")->isChecked());
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,195 m /kg"});
    QVERIFY(!f.form->DryPage->Panel2->isVisible());
    QCOMPARE(f.get<QLineEdit>("Edit6")->text(), QStringLiteral("20"));
    QCOMPARE(f.get<QLineEdit>("Edit8")->text(), QStringLiteral("0,5"));
    QCOMPARE(f.get<QLineEdit>("Edit9")->text(), QStringLiteral("0,5"));

    // Values and the meat field stand 50 pixels after their captions.
    auto after = [&](const char *caption) {
        QWidget *c = f.get<QWidget>(caption);
        return c->x() + 50 + c->width();
    };
    QCOMPARE(f.get<QWidget>("Edit2")->x(), after("Label19"));
    QCOMPARE(f.get("Label21")->x(), after("Label20"));
    QCOMPARE(f.get("Label37")->x(), after("Label20"));
    for (const char *value : {"Label24", "Label25", "Label39", "Label43"})
        QCOMPARE(f.get(value)->x(), after("Label23"));
}

void TestDryPage::typingRecalculates_data()
{
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QStringList>("values"); // official salt, pepper, allspice, own ones
    QTest::newRow("1 kg") << "1"
                          << QStringList {
                                 "18 - 22  g", "0,5  g", "0,5  g", "20  g", "0,5  g", "0,5  g"};
    QTest::newRow("2,5 kg") << "2,5"
                            << QStringList {"45 - 55  g", "1,25  g", "1,25  g", "50  g", "1,25  g",
                                   "1,25  g"};
    QTest::newRow("0 kg") << "0"
                          << QStringList {"0 - 0  g", "0  g", "0  g", "0  g", "0  g", "0  g"};
    QTest::newRow("empty") << ""
                           << QStringList {"0 - 0  g", "0  g", "0  g", "0  g", "0  g", "0  g"};
}

void TestDryPage::typingRecalculates()
{
    QFETCH(QString, meat);
    QFETCH(QStringList, values);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.type("Edit2", "3");
    f.type("Edit2", meat);
    const char *labels[] = {"Label21", "Label24", "Label25", "Label37", "Label39", "Label43"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.text(labels[i]), values[i]);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestDryPage::everyMeatChangeRecalculates()
{
    // Unlike the other fields, the meat field follows text set without the focus too.
    FormFixture f;
    f.get<QCheckBox>("CheckBox3")->setChecked(true);
    f.choose("ComboBox4", 0);
    f.form->WetPage->Edit1->setFocus();
    f.get<QLineEdit>("Edit2")->setText("2");
    QCOMPARE(f.text("Label21"), QStringLiteral("36 - 44  g"));
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,390 m"});
}

void TestDryPage::pageChangeRecalculates()
{
    FormFixture f;
    f.type("Edit2", "2");
    // Own proportions edited without saving are used by the next recalculation: a page change.
    f.get<QLineEdit>("Edit6")->setText("25");
    QCOMPARE(f.text("Label37"), QStringLiteral("40  g"));
    f.form->PageControl1->setCurrentIndex(2);
    QCOMPARE(f.text("Label37"), QStringLiteral("50  g"));
}

void TestDryPage::badOwnProportion()
{
    FormFixture f;
    f.type("Edit2", "1");
    f.get<QLineEdit>("Edit6")->setText("");
    f.get<QLineEdit>("Edit2")->setText("2");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("'' is not a valid floating point value"));
    // The official values are current, the own ones keep their texts.
    QCOMPARE(f.text("Label21"), QStringLiteral("36 - 44  g"));
    QCOMPARE(f.text("Label24"), QStringLiteral("1  g"));
    QCOMPARE(f.text("Label37"), QStringLiteral("20  g"));
    QCOMPARE(f.text("Label39"), QStringLiteral("0,5  g"));

    // A page change reports the same, and the program goes on.
    f.form->PageControl1->setCurrentIndex(1);
    QCOMPARE(f.env.platform.errors.size(), 2);
    f.get<QLineEdit>("Edit6")->setText("20");
    f.form->PageControl1->setCurrentIndex(0);
    QCOMPARE(f.text("Label37"), QStringLiteral("40  g"));
    QCOMPARE(f.env.platform.errors.size(), 2);
}

void TestDryPage::casings_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("perMeat");
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("ham by 2 kg") << 0 << true << "2" << QStringList {"Siatki kurczliwe - 0,390 m"};
    QTest::newRow("krakowska by 1 kg")
        << 7 << true << "1"
        << QStringList {"Jelita środkowe bydlęce fi 50-60 mm - 0,732 m",
               "osłonki białkowe fi 65 mm - 0,547 m", "Przełyki bydlęce -0,858szt"};
    QTest::newRow("baleron by 2 kg")
        << 2 << true << "2"
        << QStringList {"Kątnice bydlęce - 0,360 szt", "pęcherze bydlęce - 1,260 szt",
               "pęcherze wp - 1,740 szt", "Osłonki białkowe 85-120 mm - 0,470 m",
               "siatki kurczliwe - 0,434 m "};
    QTest::newRow("bełzka by 0 kg")
        << 18 << true << "0"
        << QStringList {"Jelita środkowe bydlęce wszystkich rozmiarów - 0,000 m",
               "przełyki bydlęce - 0,000 szt"};
    QTest::newRow("bełzka per kg")
        << 18 << false << "3"
        << QStringList {"Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg ",
               "przełyki bydlęce - 0,820 m/kg"};
    QTest::newRow("jałowcowa per kg keeps its full stop")
        << 10 << false << "2"
        << QStringList {"Jelita wiankowe bydlęce o fi powyżej 36 mm - 1.326 m/kg"};
    QTest::newRow("podlaska by 1,5 kg")
        << 32 << true << "1,5" << QStringList {"Kiełbaśnice fi 32 - 36 mm - 2,426 m"};
}

void TestDryPage::casings()
{
    QFETCH(int, product);
    QFETCH(bool, perMeat);
    QFETCH(QString, meat);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.type("Edit2", meat);
    f.choose("ComboBox4", product);
    if (perMeat)
        QTest::mouseClick(f.get<QCheckBox>("CheckBox3"), Qt::LeftButton);
    QCOMPARE(f.get<QCheckBox>("CheckBox3")->isChecked(), perMeat);
    QTEST(boxLines(f), "lines");
}

void TestDryPage::casingTriggers()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    // Clicking the check box before any product was picked empties the box.
    auto *check = f.get<QCheckBox>("CheckBox3");
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(f.get<QPlainTextEdit>("RichEdit2")->toPlainText(), QString());

    f.choose("ComboBox4", 1);
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,000 m"});
    f.type("Edit2", "10");
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 1,780 m"});
    // Unticking shows the per-kg text; a meat change then rewrites the same text.
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,178 m /kg"});
    f.type("Edit2", "4");
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,178 m /kg"});
    // A meat text that is no number clears the box and reports.
    QTest::mouseClick(check, Qt::LeftButton);
    f.get<QLineEdit>("Edit2")->setText(",");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("',' is not a valid floating point value"));
    QCOMPARE(f.text("Label21"), QStringLiteral("72 - 88  g"));
}

void TestDryPage::typedProductNameEmptiesBox()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.choose("ComboBox4", 3);
    QCOMPARE(boxLines(f).size(), 2);
    auto *products = f.get<QComboBox>("ComboBox4");
    QTest::keyClick(products->lineEdit(), Qt::Key_End);
    QTest::keyClicks(products->lineEdit(), "ab");
    QCOMPARE(products->currentIndex(), -1);
    QCOMPARE(products->currentText(), QStringLiteral("Polędwica wędzonaab"));
    QCOMPARE(f.get<QPlainTextEdit>("RichEdit2")->toPlainText(), QString());
    // Enter does not add the typed name to the list.
    QTest::keyClick(products->lineEdit(), Qt::Key_Return);
    QCOMPARE(products->count(), 33);
    f.choose("ComboBox4", 3);
    QCOMPARE(boxLines(f).first(), QStringLiteral("Kątnice bydlęce - 0,225 sz/kg."));
}

void TestDryPage::ownPanelSaveAndCancel()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.type("Edit2", "2");
    QAction *open = f.form->action("Wersjasuche1");
    QVERIFY(open->isEnabled());
    open->trigger();
    QFrame *panel = f.form->DryPage->Panel2;
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(150, 250));
    QCOMPARE(panel->size(), QSize(401, 233));
    QVERIFY(f.get<QLineEdit>("Edit8")->isVisible());
    QVERIFY(f.get<QLineEdit>("Edit9")->isVisible());

    f.type("Edit6", "22");
    f.type("Edit8", "1,5");
    f.type("Edit9", "2");
    QTest::mouseClick(f.get<QPushButton>("Button7"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    {
        IniFile ini(f.env.file("Ustawienia.ini"));
        QCOMPARE(ini.readString("Peklowanie suche wlasne", "peklosol", ""), QStringLiteral("22"));
        QCOMPARE(ini.readString("Peklowanie suche wlasne", "pieprz", ""), QStringLiteral("1,5"));
        QCOMPARE(ini.readString("Peklowanie suche wlasne", "ziele", ""), QStringLiteral("2"));
    }
    QCOMPARE(f.text("Label37"), QStringLiteral("44  g"));
    QCOMPARE(f.text("Label39"), QStringLiteral("3  g"));
    QCOMPARE(f.text("Label43"), QStringLiteral("4  g"));

    // Cancel writes nothing, but the edited text takes part in the next calculation.
    open->trigger();
    f.type("Edit6", "30");
    QTest::mouseClick(f.get<QPushButton>("Button8"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(
        IniFile(f.env.file("Ustawienia.ini")).readString("Peklowanie suche wlasne", "peklosol", ""),
        QStringLiteral("22"));
    QCOMPARE(f.text("Label37"), QStringLiteral("44  g"));
    f.type("Edit2", "1");
    QCOMPARE(f.text("Label37"), QStringLiteral("30  g"));

    // Escape cancels; Enter in a field saves.
    open->trigger();
    QTest::keyClick(f.get<QLineEdit>("Edit8"), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    open->trigger();
    f.type("Edit9", "1");
    QTest::keyClick(f.get<QLineEdit>("Edit9"), Qt::Key_Return);
    QVERIFY(!panel->isVisible());
    QCOMPARE(
        IniFile(f.env.file("Ustawienia.ini")).readString("Peklowanie suche wlasne", "ziele", ""),
        QStringLiteral("1"));
}

void TestDryPage::ownPanelRestoredAtStart()
{
    FormFixture f(false);
    {
        IniFile ini(f.env.file("Ustawienia.ini"));
        ini.writeString("PEKLOWANIE SUCHE WLASNE", "Peklosol", "19,5");
        ini.writeString("Peklowanie suche wlasne", "pieprz", "1");
        ini.writeString("Peklowanie suche wlasne", "ziele", "0,25");
    }
    f.restart();
    QCOMPARE(f.get<QLineEdit>("Edit6")->text(), QStringLiteral("19,5"));
    QCOMPARE(f.get<QLineEdit>("Edit8")->text(), QStringLiteral("1"));
    QCOMPARE(f.get<QLineEdit>("Edit9")->text(), QStringLiteral("0,25"));
    f.type("Edit2", "2");
    QCOMPARE(f.text("Label37"), QStringLiteral("39  g"));
    QCOMPARE(f.text("Label39"), QStringLiteral("2  g"));
    QCOMPARE(f.text("Label43"), QStringLiteral("0,5  g"));
}

void TestDryPage::unwritableSettingsOnSave()
{
    FormFixture f;
    QDir().mkpath(f.env.file("Ustawienia.ini"));
    f.form->DryPage->showOwnPanel();
    QTest::mouseClick(f.get<QPushButton>("Button7"), Qt::LeftButton);
    QCOMPARE(f.env.platform.lastError(),
        QStringLiteral("Unable to write to %1").arg(f.env.file("Ustawienia.ini")));
    QVERIFY(f.form->DryPage->Panel2->isVisible());
    QTest::mouseClick(f.get<QPushButton>("Button8"), Qt::LeftButton);
    QVERIFY(!f.form->DryPage->Panel2->isVisible());
}

QTEST_MAIN(TestDryPage)
#include "tst_drypage.moc"
