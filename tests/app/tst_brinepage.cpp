#include "FormFixture.h"

#include "BrinePage.h"

class TestBrinePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void startState();
    void brine_data();
    void brine();
    void onlyFocusedFieldsRecalculate();
    void pickle_data();
    void pickle();
    void firstRowCaption();
    void zeroDivisors_data();
    void zeroDivisors();
    void badTextReported();
};

// Fields typed in this order, then the expected texts of the listed fields.
using Steps = QList<QPair<QString, QString>>;

static void typeAll(const FormFixture &f, const Steps &steps)
{
    for (const auto &[field, text] : steps)
        f.type(field.toLatin1().constData(), text);
}

static void compareAll(const FormFixture &f, const Steps &expected)
{
    for (const auto &[field, text] : expected)
        QCOMPARE(f.get<QLineEdit>(field.toLatin1().constData())->text(), text);
}

void TestBrinePage::startState()
{
    FormFixture f;
    for (const char *empty : {"Edit3", "Edit4", "Edit5", "Edit14", "Edit15", "Edit16", "Edit19"})
        QCOMPARE(f.get<QLineEdit>(empty)->text(), QString());
    QCOMPARE(f.get<QLineEdit>("Edit17")->text(), QStringLiteral("0"));
    QCOMPARE(f.get<QLineEdit>("Edit18")->text(), QStringLiteral("10"));
    QCOMPARE(f.text("Label28"), QStringLiteral("Woda  litry"));
    QCOMPARE(f.text("Label29"), QStringLiteral("Sól gramy"));
    QCOMPARE(f.text("Label91"), QStringLiteral("Woda   litry"));
    QCOMPARE(f.text("Label92"), QStringLiteral("Ocet     litry"));
    QCOMPARE(f.text("Label93"), QStringLiteral("Zalewa litry"));
    // The three brine fields follow the water caption by 50 pixels, the "%" the last one by 20.
    const QWidget *water = f.get("Label28");
    for (const char *field : {"Edit3", "Edit4", "Edit5"})
        QCOMPARE(f.get<QWidget>(field)->x(), water->x() + 50 + water->width());
    const QWidget *percent = f.get<QWidget>("Edit5");
    QCOMPARE(f.get("Label30")->x(), percent->x() + 20 + percent->width());
}

void TestBrinePage::brine_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<Steps>("expected");
    QTest::newRow("water and salt give the percentage")
        << Steps {{"Edit3", "1"}, {"Edit4", "100"}} << Steps {{"Edit5", "9,09"}};
    QTest::newRow("percentage gives the salt, rounded")
        << Steps {{"Edit3", "1"}, {"Edit5", "10"}} << Steps {{"Edit4", "111"}, {"Edit5", "10"}};
    QTest::newRow("no salt at all")
        << Steps {{"Edit3", "2"}, {"Edit4", "0"}} << Steps {{"Edit5", "0,00"}};
    QTest::newRow("water alone changes nothing")
        << Steps {{"Edit3", "2,5"}} << Steps {{"Edit4", ""}, {"Edit5", ""}};
    QTest::newRow("new water keeps the salt, recomputes the percentage") << Steps {{"Edit3", "1"},
        {"Edit4", "100"}, {"Edit3", "2"}} << Steps {{"Edit4", "100"}, {"Edit5", "4,76"}};
    QTest::newRow("salt emptied stops")
        << Steps {{"Edit3", "1"}, {"Edit4", "100"}, {"Edit4", ""}} << Steps {{"Edit5", "9,09"}};
}

void TestBrinePage::brine()
{
    QFETCH(Steps, typed);
    QFETCH(Steps, expected);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(2);
    typeAll(f, typed);
    compareAll(f, expected);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestBrinePage::onlyFocusedFieldsRecalculate()
{
    FormFixture f;
    f.type("Edit3", "1");
    f.type("Edit4", "100");
    // Salt or percentage set without the focus start nothing...
    f.get<QLineEdit>("Edit14")->setFocus();
    f.get<QLineEdit>("Edit4")->setText("50");
    QCOMPARE(f.get<QLineEdit>("Edit5")->text(), QStringLiteral("9,09"));
    f.get<QLineEdit>("Edit5")->setText("20");
    QCOMPARE(f.get<QLineEdit>("Edit4")->text(), QStringLiteral("50"));
    // ...but the water field recalculates on every change.
    f.get<QLineEdit>("Edit3")->setText("2");
    QCOMPARE(f.get<QLineEdit>("Edit5")->text(), QStringLiteral("2,44"));
    // Pickle fields set by the program neither.
    f.get<QLineEdit>("Edit16")->setText("1");
    f.get<QLineEdit>("Edit15")->setText("1");
    QCOMPARE(f.get<QLineEdit>("Edit19")->text(), QString());
}

void TestBrinePage::pickle_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<Steps>("expected");
    QTest::newRow("water and vinegar mixed")
        << Steps {{"Edit16", "1"}, {"Edit15", "1"}} << Steps {{"Edit19", "5,0"}, {"Edit14", "2,0"}};
    QTest::newRow("a total split")
        << Steps {{"Edit14", "3"}, {"Edit19", "6"}} << Steps {{"Edit15", "1,8"}, {"Edit16", "1,2"}};
    QTest::newRow("an earlier pickle strengthened") << Steps {{"Edit16", "2"}, {"Edit17", "4"},
        {"Edit15", "0,5"}, {"Edit18", "9"}} << Steps {{"Edit19", "5,0"}, {"Edit14", "2,5"}};
    QTest::newRow("rounded to one decimal")
        << Steps {{"Edit16", "2"}, {"Edit15", "1"}} << Steps {{"Edit19", "3,3"}, {"Edit14", "3,0"}};
    QTest::newRow("vinegar percent changed after a split")
        << Steps {{"Edit14", "3"}, {"Edit19", "6"}, {"Edit18", "12"}}
        << Steps {{"Edit19", "7,2"}, {"Edit14", "3,0"}, {"Edit15", "1,8"}};
    QTest::newRow("row 1 litres missing stops")
        << Steps {{"Edit15", "1"}} << Steps {{"Edit19", ""}, {"Edit14", ""}};
}

void TestBrinePage::pickle()
{
    QFETCH(Steps, typed);
    QFETCH(Steps, expected);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(2);
    typeAll(f, typed);
    compareAll(f, expected);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestBrinePage::firstRowCaption()
{
    FormFixture f;
    f.type("Edit17", "4");
    QCOMPARE(f.text("Label91"), QStringLiteral("Zalewa litry"));
    f.type("Edit17", "0");
    QCOMPARE(f.text("Label91"), QStringLiteral("Woda   litry"));
    f.type("Edit17", "0,0");
    QCOMPARE(f.text("Label91"), QStringLiteral("Zalewa litry"));
    // Set by the program, the caption does not follow.
    f.get<QLineEdit>("Edit16")->setFocus();
    f.get<QLineEdit>("Edit17")->setText("0");
    QCOMPARE(f.text("Label91"), QStringLiteral("Zalewa litry"));
}

void TestBrinePage::zeroDivisors_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Steps>("unchanged");
    QTest::newRow("no water, no salt")
        << Steps {{"Edit3", "0"}, {"Edit4", "0"}} << "Invalid floating point operation"
        << Steps {{"Edit5", ""}};
    QTest::newRow("100 percent") << Steps {{"Edit3", "1"}, {"Edit5", "100"}}
                                 << "Floating point division by zero" << Steps {{"Edit4", "111"}};
    QTest::newRow("nothing to mix")
        << Steps {{"Edit16", "0"}, {"Edit15", "0"}} << "Invalid floating point operation"
        << Steps {{"Edit19", ""}, {"Edit14", ""}};
    QTest::newRow("equal row percents")
        << Steps {{"Edit17", "10"}, {"Edit14", "3"}, {"Edit19", "6"}}
        << "Floating point division by zero" << Steps {{"Edit15", ""}, {"Edit16", ""}};
}

void TestBrinePage::zeroDivisors()
{
    QFETCH(Steps, typed);
    QFETCH(QString, message);
    QFETCH(Steps, unchanged);
    FormFixture f;
    typeAll(f, typed);
    QCOMPARE(f.env.platform.lastError(), message);
    compareAll(f, unchanged);
}

void TestBrinePage::badTextReported()
{
    FormFixture f;
    f.type("Edit4", "100");
    f.type("Edit3", ",");
    QCOMPARE(f.env.platform.lastError(), QStringLiteral("',' is not a valid floating point value"));
    QCOMPARE(f.get<QLineEdit>("Edit5")->text(), QString());
    // The program goes on.
    f.type("Edit3", "1");
    QCOMPARE(f.get<QLineEdit>("Edit5")->text(), QStringLiteral("9,09"));
}

QTEST_MAIN(TestBrinePage)
#include "tst_brinepage.moc"
