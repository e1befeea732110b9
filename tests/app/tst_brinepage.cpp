// Page 2: both calculators work in both directions, and a result written by the program never
// starts another calculation.
#include "AppFixture.h"

class TestBrinePage : public QObject
{
    Q_OBJECT

private slots:
    void bothCalculatorsBothWays()
    {
        AppFixture f;
        f.showPage(2);
        f.type("Edit3", "1");
        f.type("Edit4", "100");
        QCOMPARE(f.text("Edit5"), "9,09");
        // The salt written back does not recompute the percentage typed.
        f.type("Edit5", "10");
        QCOMPARE(f.texts({"Edit4", "Edit5"}), QStringList({"111", "10"}));
        // Salt or percentage set by the program start nothing; the water field recalculates on
        // every change.
        f.get<QLineEdit>("Edit14")->setFocus();
        f.get<QLineEdit>("Edit4")->setText("50");
        f.get<QLineEdit>("Edit5")->setText("20");
        QCOMPARE(f.texts({"Edit4", "Edit5"}), QStringList({"50", "20"}));
        f.get<QLineEdit>("Edit3")->setText("2");
        QCOMPARE(f.text("Edit5"), "2,44");
        // The pickle: water and vinegar mixed.
        f.type("Edit16", "1");
        f.type("Edit15", "1");
        QCOMPARE(f.texts({"Edit19", "Edit14", "Edit15", "Edit16"}),
            QStringList({"5,0", "2,0", "1", "1"}));
        // A total split into water and vinegar; the split written back does not mix again.
        f.type("Edit14", "3");
        f.type("Edit19", "6");
        QCOMPARE(f.texts({"Edit15", "Edit16", "Edit14", "Edit19"}),
            QStringList({"1,8", "1,2", "3", "6"}));
        // A new vinegar strength mixes anew.
        f.type("Edit18", "12");
        QCOMPARE(f.texts({"Edit19", "Edit14"}), QStringList({"7,2", "3,0"}));
        // An earlier pickle as the first liquid names its row.
        f.type("Edit17", "4");
        QCOMPARE(
            f.texts({"Label91", "Edit19", "Edit14"}), QStringList({"Zalewa litry", "8,8", "3,0"}));
        f.type("Edit17", "0");
        QCOMPARE(f.text("Label91"), "Woda   litry");
        f.get<QLineEdit>("Edit16")->setFocus();
        f.get<QLineEdit>("Edit17")->setText("5");
        QCOMPARE(f.text("Label91"), "Woda   litry");
    }
};

QTEST_MAIN(TestBrinePage)
#include "tst_brinepage.moc"
