// Page 1: the meat field and the own proportions reach the six values; the casing norms per
// kilogram and per meat.
#include "AppFixture.h"

class TestDryPage : public QObject
{
    Q_OBJECT

private slots:
    void meatOwnProportionsAndCasings()
    {
        AppFixture f;
        auto *check = f.get<QCheckBox>("CheckBox3");
        auto *products = f.get<QComboBox>("ComboBox4");
        // No product is picked at start: ticking the box empties the norms.
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(f.text("RichEdit2"), QString());
        // Ticked, the norms follow the meat.
        f.type("Edit2", "10");
        f.choose("ComboBox4", 1);
        QCOMPARE(f.text("RichEdit2"), "Siatki kurczliwe - 1,780 m");
        f.type("Edit2", "1");
        QCOMPARE(f.text("RichEdit2"), "Siatki kurczliwe - 0,178 m");
        f.choose("ComboBox4", 7);
        QCOMPARE(f.text("RichEdit2"),
            "Jelita środkowe bydlęce fi 50-60 mm - 0,732 m\nosłonki białkowe fi 65 mm - 0,547 "
            "m\nPrzełyki bydlęce -0,858szt");
        // Unticked, the product's norms per kilogram.
        QTest::mouseClick(check, Qt::LeftButton);
        f.choose("ComboBox4", 18);
        f.type("Edit2", "4");
        QCOMPARE(f.text("RichEdit2"),
            "Jelita środkowe bydlęce wszystkich rozmiarów - 0,870 m/kg \nprzełyki bydlęce - "
            "0,820 m/kg");
        // A typed name is no product: the box empties, and Enter adds no item to the list.
        QTest::keyClick(products->lineEdit(), Qt::Key_End);
        QTest::keyClicks(products->lineEdit(), "ab");
        QCOMPARE(products->currentIndex(), -1);
        QCOMPARE(f.text("RichEdit2"), QString());
        QTest::keyClick(products->lineEdit(), Qt::Key_Return);
        QCOMPARE(products->count(), 33);
        // Opened, the list is wide enough for the longest name.
        f.showPage(1);
        products->showPopup();
        int widest = 0;
        for (int i = 0; i < products->count(); ++i)
            widest = qMax(
                widest, products->view()->fontMetrics().horizontalAdvance(products->itemText(i)));
        QVERIFY(products->view()->width() > widest);
        products->hidePopup();
        f.showPage(1);
        auto *panel = f.get<QWidget>("Panel2");
        const auto saved = [&] {
            return f.saved("Peklowanie suche wlasne", {"peklosol", "pieprz", "ziele"});
        };
        const auto values = [&] {
            return f.texts({"Label21", "Label24", "Label25", "Label37", "Label39", "Label43"});
        };
        f.type("Edit2", "2");
        f.trigger("Wersjasuche1");
        f.type("Edit6", "22");
        f.type("Edit8", "1,5");
        f.type("Edit9", "2");
        QTest::mouseClick(f.get<QPushButton>("Button7"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(saved(), "22|1,5|2");
        QCOMPARE(values(), (QStringList {"36 - 44  g", "1  g", "1  g", "44  g", "3  g", "4  g"}));

        // "Anuluj" and Esc write nothing, but a page change recalculates with the edited texts.
        f.trigger("Wersjasuche1");
        f.type("Edit6", "30");
        QTest::mouseClick(f.get<QPushButton>("Button8"), Qt::LeftButton);
        f.trigger("Wersjasuche1");
        f.type("Edit8", "1");
        QTest::keyClick(f.get<QLineEdit>("Edit8"), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QCOMPARE(saved(), "22|1,5|2");
        f.showPage(0);
        f.showPage(1);
        QCOMPARE(values().mid(3), (QStringList {"60  g", "2  g", "4  g"}));
        // The meat field recalculates on every change, also one the program makes.
        f.get<QComboBox>("ComboBox4")->setFocus();
        f.get<QLineEdit>("Edit2")->setText("1");
        QCOMPARE(
            values(), (QStringList {"18 - 22  g", "0,5  g", "0,5  g", "30  g", "1  g", "2  g"}));

        // Enter in a field saves; the saved proportions come back at the next start.
        f.trigger("Wersjasuche1");
        f.type("Edit9", "1");
        QTest::keyClick(f.get<QLineEdit>("Edit9"), Qt::Key_Return);
        QVERIFY(!panel->isVisible());
        QCOMPARE(saved(), "30|1|1");
        f.restart();
        f.showPage(1);
        f.type("Edit2", "2");
        QCOMPARE(values().mid(3), (QStringList {"60  g", "2  g", "2  g"}));
    }
};

QTEST_MAIN(TestDryPage)
#include "tst_drypage.moc"
