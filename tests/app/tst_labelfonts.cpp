#include "FormFixture.h"

#include "app/LabelFontMenu.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/Win1250.h"

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
    void groupFontLaysOutValues();
    void saveWritesGroupsOfActivePage_data();
    void saveWritesGroupsOfActivePage();
    void savedValueFontComesBack();
    void pickleCaptionsOpenNoGroup();
    void labelsWithoutMenu();
    void labelList();
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

void compareChosen(const QFont &font, const QFont &chosen)
{
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(font.pointSize(), chosen.pointSize());
    QVERIFY(font.bold());
}

// The "Czcionka<N>" sections of the settings file, in file order.
QList<int> savedGroups()
{
    QFile file(AppPaths::settingsFile());
    QList<int> groups;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line : win1250::decode(file.readAll()).split(u'\n')) {
            const QString t = line.trimmed();
            if (t.startsWith(QLatin1String("[Czcionka")) && t.endsWith(u']'))
                groups << t.mid(9, t.size() - 10).toInt();
        }
    }
    return groups;
}

// Values stand 30 pixels after their captions; the concentrations after the widest of theirs.
void checkWetLayout(const FormFixture &f)
{
    for (int n = 3; n <= 17; n += 2) {
        const QWidget *c = f.get(qPrintable(QStringLiteral("Label%1").arg(n)));
        QCOMPARE(
            f.get(qPrintable(QStringLiteral("Label%1").arg(n + 1)))->x(), c->x() + 30 + c->width());
    }
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
    QCOMPARE(f.env.platform.fontDialogInitial, QList<QFont> {before});
    compareChosen(f.get("Label45")->font(), chosen);
    compareChosen(f.get("Label44")->font(), chosen);
    QCOMPARE(f.get("Label20")->font(), otherGroup);
}

void TestLabelFonts::groupFontLaysOutValues()
{
    FormFixture f;
    const QFont groupFont = f.get("Label3")->font();
    const QFont valueFont = f.get("Label60")->font();
    const int valueLeft = f.get("Label4")->x();
    // Knock two values out of place: a cancelled dialog changes no font but lays out anew.
    f.get("Label4")->move(0, f.get("Label4")->y());
    f.get("Label59")->move(0, f.get("Label59")->y());
    changeFont(f, "Label6");
    QCOMPARE(f.get("Label60")->font(), valueFont);
    checkWetLayout(f);

    // A wider caption font, from any caption of the group, moves the values right.
    f.env.platform.fontAnswers.enqueue(biggerFont(groupFont));
    changeFont(f, "Label58");
    QCOMPARE(f.env.platform.fontDialogInitial, (QList<QFont> {valueFont, groupFont}));
    QVERIFY(f.get("Label4")->x() > valueLeft);
    checkWetLayout(f);
}

void TestLabelFonts::saveWritesGroupsOfActivePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("label"); // right-clicked for the popup; empty: main menu
    QTest::addColumn<QList<int>>("groups");
    QTest::newRow("wet curing, main menu") << 0 << "" << QList<int> {1, 2, 3, 4, 11};
    QTest::newRow("dry curing, popup") << 1 << "Label38" << QList<int> {5, 6, 7, 9, 10};
    QTest::newRow("brine, popup") << 2 << "Label29" << QList<int> {8};
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

    for (const char *value : kValueLabels)
        compareChosen(f.get(value)->font(), chosen);
    QVERIFY(f.get("Label3")->font().family() != chosen.family());
    checkWetLayout(f);
}

void TestLabelFonts::pickleCaptionsOpenNoGroup()
{
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(2);
    const QFont brineCaption = f.get("Label28")->font();
    for (int n = 91; n <= 96; ++n) {
        const QByteArray name = QStringLiteral("Label%1").arg(n).toLatin1();
        const QFont own = f.get(name.constData())->font();
        f.env.platform.fontAnswers.enqueue(biggerFont(own));
        changeFont(f, name.constData());
        QCOMPARE(f.form->labelFonts()->SelectedLabel(), n);
        QCOMPARE(f.get(name.constData())->font(), own);
    }
    QCOMPARE(f.env.platform.fontDialogs, 0);
    QCOMPARE(f.get("Label28")->font(), brineCaption);
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
    QAction *save = f.form->action(QStringLiteral("Zapiszlisteetykiet1"));
    save->trigger();
    QVERIFY(f.env.platform.errors.isEmpty());

    QFile file(f.env.file(QStringLiteral("labele.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("form1.Label1.Caption:=Ilo\x9c\xe6 mi\xea"
                             "sa w kg:\r\n"));
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

    // A folder in the file's place is reported and left alone.
    file.close();
    QVERIFY(file.remove());
    QVERIFY(QDir(f.env.dir()).mkdir(QStringLiteral("labele.txt")));
    save->trigger();
    QCOMPARE(f.env.platform.errors.size(), 1);
    QVERIFY(QFileInfo(f.env.file(QStringLiteral("labele.txt"))).isDir());
}

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
