#include "FormFixture.h"

#include "app/BrinePage.h"

class TestBrinePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void startLayout();
    void typing_data();
    void typing();
    void onlyFocusedFieldsRecalculate();
    void firstRowCaption();
};

// Fields typed in this order, then the expected texts of the listed fields.
using Steps = QList<QPair<QString, QString>>;

static QString field(const FormFixture &f, const QString &name)
{
    return f.get<QLineEdit>(name.toLatin1().constData())->text();
}

void TestBrinePage::startLayout()
{
    FormFixture f;
    // The three brine fields follow the water caption by 50 pixels, the "%" the last one by 20.
    const QWidget *water = f.get("Label28");
    for (const char *field : {"Edit3", "Edit4", "Edit5"})
        QCOMPARE(f.get<QWidget>(field)->x(), water->x() + 50 + water->width());
    const QWidget *percent = f.get<QWidget>("Edit5");
    QCOMPARE(f.get("Label30")->x(), percent->x() + 20 + percent->width());
}

void TestBrinePage::typing_data()
{
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<Steps>("expected");
    QTest::addColumn<QString>("error"); // the last one reported, if any
    const QString badNumber = QStringLiteral("',' is not a valid floating point value");

    QTest::newRow("water and salt give the percentage")
        << Steps {{"Edit3", "1"}, {"Edit4", "100"}} << Steps {{"Edit5", "9,09"}} << "";
    QTest::newRow("percentage gives the salt, rounded")
        << Steps {{"Edit3", "1"}, {"Edit5", "10"}} << Steps {{"Edit4", "111"}} << "";
    QTest::newRow("water alone changes nothing")
        << Steps {{"Edit3", "2,5"}} << Steps {{"Edit4", ""}, {"Edit5", ""}} << "";
    QTest::newRow("new water keeps the salt, recomputes the percentage")
        << Steps {{"Edit3", "1"}, {"Edit4", "100"}, {"Edit3", "2"}}
        << Steps {{"Edit4", "100"}, {"Edit5", "4,76"}} << "";
    QTest::newRow("salt emptied stops") << Steps {{"Edit3", "1"}, {"Edit4", "100"}, {"Edit4", ""}}
                                        << Steps {{"Edit5", "9,09"}} << "";
    QTest::newRow("bad water reported, then corrected") << Steps {{"Edit4", "100"}, {"Edit3", ","},
        {"Edit3", "1"}} << Steps {{"Edit5", "9,09"}} << badNumber;
    QTest::newRow("100 percent") << Steps {{"Edit3", "1"}, {"Edit5", "100"}}
                                 << Steps {{"Edit4", "111"}} << "Floating point division by zero";
    QTest::newRow("pickle: water and vinegar mixed")
        << Steps {{"Edit16", "1"}, {"Edit15", "1"}} << Steps {{"Edit19", "5,0"}, {"Edit14", "2,0"}}
        << "";
    QTest::newRow("pickle: a total split") << Steps {{"Edit14", "3"}, {"Edit19", "6"}}
                                           << Steps {{"Edit15", "1,8"}, {"Edit16", "1,2"}} << "";
    QTest::newRow("pickle: an earlier pickle strengthened")
        << Steps {{"Edit16", "2"}, {"Edit17", "4"}, {"Edit15", "0,5"}, {"Edit18", "9"}}
        << Steps {{"Edit19", "5,0"}, {"Edit14", "2,5"}} << "";
    QTest::newRow("pickle: vinegar percent changed after a split")
        << Steps {{"Edit14", "3"}, {"Edit19", "6"}, {"Edit18", "12"}}
        << Steps {{"Edit19", "7,2"}, {"Edit14", "3,0"}, {"Edit15", "1,8"}} << "";
    QTest::newRow("pickle: row 1 litres missing stops")
        << Steps {{"Edit15", "1"}} << Steps {{"Edit19", ""}, {"Edit14", ""}} << "";
    QTest::newRow("pickle: equal row percents")
        << Steps {{"Edit17", "10"}, {"Edit14", "3"}, {"Edit19", "6"}}
        << Steps {{"Edit15", ""}, {"Edit16", ""}} << "Floating point division by zero";
}

void TestBrinePage::typing()
{
    QFETCH(Steps, typed);
    QFETCH(Steps, expected);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(2);
    for (const auto &[name, text] : typed)
        f.type(name.toLatin1().constData(), text);
    for (const auto &[name, text] : expected)
        QCOMPARE(field(f, name), text);
    QTEST(f.env.platform.errors.isEmpty() ? QString() : f.env.platform.lastError(), "error");
}

void TestBrinePage::onlyFocusedFieldsRecalculate()
{
    FormFixture f;
    f.type("Edit3", "1");
    f.type("Edit4", "100");
    // Salt or percentage set without the focus start nothing...
    f.get<QLineEdit>("Edit14")->setFocus();
    f.get<QLineEdit>("Edit4")->setText("50");
    QCOMPARE(field(f, "Edit5"), QStringLiteral("9,09"));
    f.get<QLineEdit>("Edit5")->setText("20");
    QCOMPARE(field(f, "Edit4"), QStringLiteral("50"));
    // ...but the water field recalculates on every change.
    f.get<QLineEdit>("Edit3")->setText("2");
    QCOMPARE(field(f, "Edit5"), QStringLiteral("2,44"));
    // Pickle fields set by the program neither.
    f.get<QLineEdit>("Edit16")->setText("1");
    f.get<QLineEdit>("Edit15")->setText("1");
    QCOMPARE(field(f, "Edit19"), QString());
}

void TestBrinePage::firstRowCaption()
{
    FormFixture f;
    f.type("Edit17", "4");
    QCOMPARE(f.text("Label91"), QStringLiteral("Zalewa litry"));
    f.type("Edit17", "0");
    QCOMPARE(f.text("Label91"), QStringLiteral("Woda   litry"));
    // Set by the program, the caption does not follow.
    f.get<QLineEdit>("Edit16")->setFocus();
    f.get<QLineEdit>("Edit17")->setText("5");
    QCOMPARE(f.text("Label91"), QStringLiteral("Woda   litry"));
}

QTEST_MAIN(TestBrinePage)
#include "tst_brinepage.moc"
