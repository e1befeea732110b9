#include "FormFixture.h"

#include "app/OwnProportionsPanel.h"

#include "app/DryCuringPage.h"
#include "core/Clock.h"
#include "platform/IniFile.h"

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
    void badOwnProportion();
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

static const char *const kValues[]
    = {"Label21", "Label24", "Label25", "Label37", "Label39", "Label43"};

void TestDryPage::startState()
{
    FormFixture f;
    for (const char *value : kValues)
        QCOMPARE(f.text(value), QStringLiteral("0  g"));
    // No product is picked, yet the first one's name and per-kg casing show.
    auto *products = f.get<QComboBox>("ComboBox4");
    QCOMPARE(products->currentIndex(), -1);
    QCOMPARE(products->currentText(), QStringLiteral("Szynka wieprzowa gotowana"));
    QCOMPARE(boxLines(f), QStringList {"Siatki kurczliwe - 0,195 m /kg"});
    QVERIFY(!f.form->DryPage->Panel2->isVisible());

    // Values and the meat field stand 50 pixels after their captions.
    const auto after = [&](const char *caption) {
        QWidget *c = f.get<QWidget>(caption);
        return c->x() + 50 + c->width();
    };
    QCOMPARE(f.get<QWidget>("Edit2")->x(), after("Label19"));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.get(kValues[i])->x(), after(i == 0 || i == 3 ? "Label20" : "Label23"));
}

void TestDryPage::typingRecalculates_data()
{
    QTest::addColumn<QString>("meat");
    QTest::addColumn<QStringList>("values"); // official salt, pepper, allspice, own ones
    QTest::newRow("2,5 kg") << "2,5"
                            << QStringList {"45 - 55  g", "1,25  g", "1,25  g", "50  g", "1,25  g",
                                   "1,25  g"};
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
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.text(kValues[i]), values[i]);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestDryPage::badOwnProportion()
{
    FormFixture f;
    f.type("Edit2", "1");
    f.get<QLineEdit>("Edit6")->setText("");
    f.get<QLineEdit>("Edit2")->setText("2");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("'' is not a valid floating point value"));
    // The official values are current, the own ones keep their texts.
    QCOMPARE(f.text("Label24"), QStringLiteral("1  g"));
    QCOMPARE(f.text("Label37"), QStringLiteral("20  g"));
    QCOMPARE(f.text("Label39"), QStringLiteral("0,5  g"));

    // A page change reports the same, and recalculates with the unsaved own proportion.
    f.form->PageControl1->setCurrentIndex(1);
    QCOMPARE(f.env.platform.errors.size(), 2);
    f.get<QLineEdit>("Edit6")->setText("25");
    f.form->PageControl1->setCurrentIndex(0);
    QCOMPARE(f.text("Label37"), QStringLiteral("50  g"));
    QCOMPARE(f.env.platform.errors.size(), 2);
}

void TestDryPage::casings()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.type("Edit2", "1");
    f.choose("ComboBox4", 18);
    QCOMPARE(boxLines(f),
        (QStringList {"Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg ",
            "przełyki bydlęce - 0,820 m/kg"}));
    f.choose("ComboBox4", 7);
    QTest::mouseClick(f.get<QCheckBox>("CheckBox3"), Qt::LeftButton);
    QCOMPARE(boxLines(f),
        (QStringList {"Jelita środkowe bydlęce fi 50-60 mm - 0,732 m",
            "osłonki białkowe fi 65 mm - 0,547 m", "Przełyki bydlęce -0,858szt"}));
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
    // The meat field recalculates even without the focus; a text that is no number reports.
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!f.get<QLineEdit>("Edit2")->hasFocus());
    f.get<QLineEdit>("Edit2")->setText(",");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("',' is not a valid floating point value"));
    QCOMPARE(f.text("Label21"), QStringLiteral("72 - 88  g"));
}

void TestDryPage::typedProductNameEmptiesBox()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    f.choose("ComboBox4", 3);
    auto *products = f.get<QComboBox>("ComboBox4");
    QTest::keyClick(products->lineEdit(), Qt::Key_End);
    QTest::keyClicks(products->lineEdit(), "ab");
    QCOMPARE(products->currentIndex(), -1);
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
    QFrame *panel = f.form->DryPage->Panel2;
    const auto saved = [&](const char *key) {
        return IniFile(f.env.file("Ustawienia.ini")).readString("Peklowanie suche wlasne", key, "");
    };
    open->trigger();
    QVERIFY(panel->isVisible());
    f.type("Edit6", "22");
    f.type("Edit8", "1,5");
    f.type("Edit9", "2");
    QTest::mouseClick(f.get<QPushButton>("Button7"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE((QStringList {saved("peklosol"), saved("pieprz"), saved("ziele")}),
        (QStringList {"22", "1,5", "2"}));
    QCOMPARE(f.text("Label37"), QStringLiteral("44  g"));
    QCOMPARE(f.text("Label43"), QStringLiteral("4  g"));

    // Cancel writes nothing, but the edited text takes part in the next calculation.
    open->trigger();
    f.type("Edit6", "30");
    QTest::mouseClick(f.get<QPushButton>("Button8"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(saved("peklosol"), QStringLiteral("22"));
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
    QCOMPARE(saved("ziele"), QStringLiteral("1"));
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
