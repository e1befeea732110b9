#include "FormFixture.h"

#include "AppPaths.h"
#include "Clock.h"
#include "LabelFontMenu.h"
#include "Win1250.h"

#include <QAction>
#include <QDir>
#include <QFile>

class TestLabelFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void officialHeaderChangesBothHeaders();
    void cancelledDialogKeepsFontsButLaysOut();
    void widerCaptionsMoveValues();
    void saveWritesGroupsOfActivePage_data();
    void saveWritesGroupsOfActivePage();
    void savedValueFontComesBack();
    void pickleCaptionsOpenNoGroup();
    void labelsWithoutMenu();
    void labelList();
    void labelListUnwritable();
};

namespace {

const char *const kValueLabels[] = {"Label4", "Label6", "Label8", "Label10", "Label12", "Label14",
    "Label16", "Label18", "Label54", "Label55", "Label59", "Label60"};

void changeFont(const FormFixture &f, const char *label)
{
    f.rightClick(f.get(label));
    f.clickItem(f.form->PopupMenu3, "Zmienkolor1");
}

QFont biggerFont(const QFont &from)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(from.pointSize() + 6);
    font.setBold(true);
    return font;
}

// The "Czcionka<N>" sections of the settings file, in file order.
QList<int> savedGroups()
{
    QFile file(AppPaths::settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<int> groups;
    for (const QString &line : win1250::decode(file.readAll()).split(u'\n')) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("[Czcionka")) && t.endsWith(u']'))
            groups << t.mid(9, t.size() - 10).toInt();
    }
    return groups;
}

// Left edge of a value control that stands gap pixels after its caption.
int after(const FormFixture &f, const char *caption, int gap)
{
    const QWidget *c = f.get<QWidget>(caption);
    return c->x() + gap + c->width();
}

void checkWetLayout(const FormFixture &f)
{
    const std::pair<const char *, const char *> pairs[] = {{"Label3", "Label4"},
        {"Label5", "Label6"}, {"Label7", "Label8"}, {"Label9", "Label10"}, {"Label11", "Label12"},
        {"Label13", "Label14"}, {"Label15", "Label16"}, {"Label17", "Label18"}};
    for (auto [caption, value] : pairs)
        QCOMPARE(f.get(value)->x(), after(f, caption, 30));
    const int left = f.get("Label17")->x() + 30;
    QCOMPARE(f.get("Label54")->x(), left + f.get("Label49")->width());
    QCOMPARE(f.get("Label55")->x(), left + f.get("Label49")->width());
    QCOMPARE(f.get("Label59")->x(), left + f.get("Label57")->width());
    QCOMPARE(f.get("Label60")->x(), left + f.get("Label58")->width());
}

} // namespace

void TestLabelFonts::officialHeaderChangesBothHeaders()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(1);
    const QFont before = f.get("Label45")->font();
    const QFont otherGroup = f.get("Label20")->font();
    const QFont chosen = biggerFont(before);
    f.env.platform.fontAnswers.enqueue(chosen);

    changeFont(f, "Label45");

    QCOMPARE(f.form->labelFonts()->SelectedLabel(), 45);
    QCOMPARE(f.env.platform.fontDialogs, 1);
    QCOMPARE(f.env.platform.fontDialogInitial.first(), before);
    for (const char *header : {"Label45", "Label44"}) {
        const QFont font = f.get(header)->font();
        QCOMPARE(font.family(), chosen.family());
        QCOMPARE(font.pointSize(), chosen.pointSize());
        QVERIFY(font.bold());
    }
    QCOMPARE(f.get("Label20")->font(), otherGroup);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestLabelFonts::cancelledDialogKeepsFontsButLaysOut()
{
    FormFixture f;
    QList<QFont> before;
    for (const char *value : kValueLabels)
        before << f.get(value)->font();
    // Knock two values out of place: only a new layout puts them back.
    f.get("Label4")->move(0, f.get("Label4")->y());
    f.get("Label59")->move(0, f.get("Label59")->y());

    changeFont(f, "Label6"); // no answer queued: the dialog is cancelled

    QCOMPARE(f.env.platform.fontDialogs, 1);
    for (int i = 0; i < int(std::size(kValueLabels)); ++i)
        QCOMPARE(f.get(kValueLabels[i])->font(), before[i]);
    checkWetLayout(f);
}

void TestLabelFonts::widerCaptionsMoveValues()
{
    FormFixture f;
    checkWetLayout(f);
    const QFont groupFont = f.get("Label3")->font();
    const int captionWidth = f.get("Label3")->width();
    const int valueLeft = f.get("Label4")->x();
    const int concentrationLeft = f.get("Label54")->x();
    f.env.platform.fontAnswers.enqueue(biggerFont(groupFont));

    changeFont(f, "Label58"); // any caption of the group opens it

    QCOMPARE(f.env.platform.fontDialogInitial.value(0), groupFont);
    QVERIFY(f.get("Label3")->width() > captionWidth);
    QVERIFY(f.get("Label4")->x() > valueLeft);
    QVERIFY(f.get("Label54")->x() > concentrationLeft);
    checkWetLayout(f);
}

void TestLabelFonts::saveWritesGroupsOfActivePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("label"); // right-clicked for the popup; empty: main menu
    QTest::addColumn<QList<int>>("groups");
    QTest::newRow("wet curing, popup") << 0 << "Label56" << QList<int> {1, 2, 3, 4, 11};
    QTest::newRow("wet curing, main menu") << 0 << "" << QList<int> {1, 2, 3, 4, 11};
    QTest::newRow("dry curing, popup") << 1 << "Label38" << QList<int> {5, 6, 7, 9, 10};
    QTest::newRow("brine, popup") << 2 << "Label29" << QList<int> {8};
    QTest::newRow("brine, main menu") << 2 << "" << QList<int> {8};
    QTest::newRow("fish, popup") << 3 << "Label66" << QList<int> {12, 13, 14};
    QTest::newRow("cookbook, main menu") << 4 << "" << QList<int> {};
}

void TestLabelFonts::saveWritesGroupsOfActivePage()
{
    QFETCH(int, page);
    QFETCH(QString, label);
    QFETCH(QList<int>, groups);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(page);
    QVERIFY(!QFile::exists(AppPaths::settingsFile()));

    if (label.isEmpty()) {
        f.form->action(QStringLiteral("Zapiszkolor2"))->trigger();
    } else {
        f.rightClick(f.get(label.toLatin1().constData()));
        f.clickItem(f.form->PopupMenu3, "Zapiszkolor1");
    }

    QCOMPARE(QFile::exists(AppPaths::settingsFile()), !groups.isEmpty());
    QCOMPARE(savedGroups(), groups);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestLabelFonts::savedValueFontComesBack()
{
    FormFixture f;
    const QFont chosen = biggerFont(f.get("Label4")->font());
    f.env.platform.fontAnswers.enqueue(chosen);
    changeFont(f, "Label60");
    f.form->action(QStringLiteral("Zapiszkolor2"))->trigger();

    f.restart();

    for (const char *value : kValueLabels) {
        const QFont font = f.get(value)->font();
        QCOMPARE(font.family(), chosen.family());
        QCOMPARE(font.pointSize(), chosen.pointSize());
        QVERIFY(font.bold());
    }
    QVERIFY(f.get("Label3")->font().family() != chosen.family());
    checkWetLayout(f);
}

void TestLabelFonts::pickleCaptionsOpenNoGroup()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(2);
    QList<QFont> before;
    for (int n = 28; n <= 30; ++n)
        before << f.get(qPrintable(QStringLiteral("Label%1").arg(n)))->font();
    for (int n = 91; n <= 96; ++n) {
        const QByteArray name = QStringLiteral("Label%1").arg(n).toLatin1();
        const QFont own = f.get(name.constData())->font();
        f.env.platform.fontAnswers.enqueue(biggerFont(own));
        changeFont(f, name.constData());
        QCOMPARE(f.form->labelFonts()->SelectedLabel(), n);
        QCOMPARE(f.get(name.constData())->font(), own);
    }
    QCOMPARE(f.env.platform.fontDialogs, 0);
    for (int n = 28; n <= 30; ++n)
        QCOMPARE(f.get(qPrintable(QStringLiteral("Label%1").arg(n)))->font(), before[n - 28]);
}

void TestLabelFonts::labelsWithoutMenu()
{
    // The "dziś" clock caption belongs to group 12 but carries no menu.
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(3);
    f.rightClick(f.get("Label88"));
    QTest::qWait(50);
    QVERIFY(!f.form->PopupMenu3->isVisible());
    QCOMPARE(f.form->labelFonts()->SelectedLabel(), 0);
}

void TestLabelFonts::labelList()
{
    FormFixture f;
    f.form->action(QStringLiteral("Zapiszlisteetykiet1"))->trigger();
    QVERIFY(f.env.platform.errors.isEmpty());

    QFile file(f.env.file(QStringLiteral("labele.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("form1.Label1.Caption:=Ilo\x9c\xe6 mi\xea"
                             "sa w kg:\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));

    QStringList lines = win1250::decode(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 79);
    for (int i = 1; i <= 79; ++i) {
        const QString start = QStringLiteral("form1.Label%1.Caption:=").arg(i);
        QVERIFY2(lines[i - 1].startsWith(start), qPrintable(lines[i - 1]));
        if (auto *l = f.form->findChild<QLabel *>(QStringLiteral("Label%1").arg(i)))
            QCOMPARE(lines[i - 1].mid(start.size()), l->text());
    }
    // The six-line curing note keeps its line breaks.
    QCOMPARE(lines[37].count(u'\n'), 5);
}

void TestLabelFonts::labelListUnwritable()
{
    FormFixture f;
    QVERIFY(QDir(f.env.dir()).mkdir(QStringLiteral("labele.txt")));
    f.form->action(QStringLiteral("Zapiszlisteetykiet1"))->trigger();
    QCOMPARE(f.env.platform.errors.size(), 1);
    QVERIFY(QFileInfo(f.env.file(QStringLiteral("labele.txt"))).isDir());
}

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
