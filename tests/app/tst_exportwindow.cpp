#include "FormFixture.h"

#include "app/PageBackground.h"
#include "core/Clock.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

class TestExportWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }
    void pageLines_data();
    void pageLines();
    void cancelOrCookbookWritesNothing();
    void failedWriteIsReported();
};

// Fields typed (line edits) or chosen (lists, by index) in order, as a user does.
using Steps = QList<QPair<QString, QString>>;

namespace {

// "Zapisz obliczenia" from the popup menu of the active page's background.
void saveFromPopup(const FormFixture &f)
{
    auto *background = f.form->PageControl1->currentWidget()->findChild<PageBackground *>();
    QVERIFY(background);
    f.rightClick(background);
    f.clickItem(f.form->PopupMenu1, "Zapiszobliczenia1");
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

void TestExportWindow::pageLines_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Steps>("typed");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QStringList>("lines"); // after the header and an empty line

    QTest::newRow("wet curing, 1 kg, 1 day")
        << 0 << Steps {{"Edit1", "1"}, {"ComboBox1", "0"}} << "peklowanie na mokro "
        << QStringList {"Ilość dni peklowania:   1 dzień", "Ilość mięsa w kg:   1", "",
               "---  Wersja słona według Fendra --------------------------", "",
               "Ilość peklosoli w przedziale:   76 - 80 g",
               "Opcjonalnie cukier 1-2%:   4,0 - 8,2 g", "Woda:   0,4 l.",
               "Nastrzyk:   4 razy  60 ml/kg mięsa czyli w sumie : 240 ml",
               "Masowanie po nastrzyku:    Tak", "Stężenie procentowe:   15,97 - 16,67 %", "",
               "--- Wersja mniej słona  według Fendra-----------------", "",
               "Ilość peklosoli w przedziale:   72 - 76 g",
               "Opcjonalnie cukier 1-2%:   3,8 - 7,8 g", "Woda:   0,4 l.",
               "Nastrzyk:   5 razy  60 ml/kg mięsa czyli w sumie : 300 ml",
               "Masowanie po nastrzyku:    Tak", "Stężenie procentowe:   15,25 - 15,97 %"};
    QTest::newRow("wet curing, 2,5 kg, 4 days")
        << 0 << Steps {{"Edit1", "2,5"}, {"ComboBox1", "3"}} << "peklowanie na mokro "
        << QStringList {"Ilość dni peklowania:   4 dni", "*", "", "*", "", "*", "*", "*", "*",
               "Masowanie po nastrzyku:   Nie", "*", "", "*", "", "*", "*", "*", "*", "*", "*"};
    QTest::newRow("dry curing, 1 kg")
        << 1 << Steps {{"Edit2", "1"}} << "peklowanie na sucho "
        << QStringList {"Ilość mięsa w kg:   1", "", "---  Wersja oficjalna według Tobrin'a --", "",
               "Ilość peklosoli :   18 - 22  g", "Opcjonalnie Ilość pieprzu:    0,5  g",
               "Opcjonalnie Ilość ziela angielskiego :   0,5  g", "",
               "---  Wersja własna  -----------------------", "", "Ilość peklosoli:    20  g",
               "Ilość pieprzu:   0,5  g", "Ilość ziela angileskiego:   0,5  g"};
    QTest::newRow("brine, empty fields")
        << 2 << Steps {} << "solanka "
        << QStringList {"Woda  litry   ", "Sól gramy   ", "Solanka     %"};
    QTest::newRow("brine, 1 l and 100 g")
        << 2 << Steps {{"Edit3", "1"}, {"Edit4", "100"}} << "solanka "
        << QStringList {"Woda  litry   1", "Sól gramy   100", "Solanka   9,09  %"};
    QTest::newRow("fish, 4 h, 3 °C, 1 kg")
        << 3 << Steps {{"ComboBox2", "0"}, {"ComboBox3", "0"}, {"Edit10", "1"}}
        << "solenie ryb na mokro "
        << QStringList {"Ilość godzin solenia:   4 godziny", "Temp. wody w °C   3",
               "Ilość ryb w kg:   1", "", "Ilość soli :    162,8 g",
               "Zawartość procentowa soli :   14,0 %.", "Woda :   1 l."};
    QTest::newRow("fish, a list item ending in a blank")
        << 3 << Steps {{"ComboBox3", "1"}} << "solenie ryb na mokro "
        << QStringList {"*", "Temp. wody w °C   4 ", "*", "", "*", "*", "*"};
}

void TestExportWindow::pageLines()
{
    QFETCH(int, page);
    QFETCH(Steps, typed);
    QFETCH(QString, stem);
    QFETCH(QStringList, lines);
    FormFixture f;
    f.form->PageControl1->setCurrentIndex(page);
    for (const auto &[field, value] : typed) {
        const QByteArray name = field.toLatin1();
        if (field.startsWith(QLatin1String("ComboBox"))) {
            f.choose(name.constData(), value.toInt());
        } else {
            f.type(name.constData(), QStringLiteral("9")); // a change either way
            f.type(name.constData(), value);
        }
    }
    const QString target = f.env.file(QStringLiteral("wynik.txt"));
    f.env.platform.fileAnswers.enqueue(target);

    saveFromPopup(f);

    QCOMPARE(f.env.platform.fileDialogs.size(), 1);
    QCOMPARE(f.env.platform.fileDialogs.first().fileName,
        f.env.dir() + u'/' + stem + QStringLiteral("10.03.2024"));
    QVERIFY(f.env.platform.errors.isEmpty());

    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Every line, the last included, ends in CR LF; Polish letters are single Windows-1250 bytes.
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QStringDecoder decoder("windows-1250");
    QVERIFY(decoder.isValid());
    QStringList got = QString(decoder(bytes)).chopped(2).split(QStringLiteral("\r\n"));
    lines.prepend(QString());
    lines.prepend(QStringLiteral("Ustawienia z dnia: 10.03.2024 12:00:00"));
    // "*" stands for a line this row does not pin down (covered by the calculator's own tests).
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i] == QLatin1String("*"))
            lines[i] = got.value(i);
    QCOMPARE(got, lines);
}

void TestExportWindow::cancelOrCookbookWritesNothing()
{
    FormFixture f;
    const QStringList before = filesIn(f.env.dir());
    saveFromPopup(f); // no answer queued: the dialog is cancelled
    QCOMPARE(f.env.platform.fileDialogs.size(), 1);
    // The cookbook page has no calculations: not even a dialog.
    f.form->PageControl1->setCurrentIndex(4);
    f.env.platform.fileAnswers.enqueue(f.env.file(QStringLiteral("ksiazka.txt")));
    f.form->action(QStringLiteral("Zapiszobliczenia1"))->trigger();
    QCOMPARE(f.env.platform.fileDialogs.size(), 1);
    QCOMPARE(filesIn(f.env.dir()), before);
    QVERIFY(f.env.platform.errors.isEmpty());
}

void TestExportWindow::failedWriteIsReported()
{
    FormFixture f;
    const QString folder = f.env.file(QStringLiteral("eksport"));
    const QString target = folder + QStringLiteral("/obliczenia.txt");
    QVERIFY(QDir().mkpath(target)); // the chosen name is taken by a folder
    f.env.platform.fileAnswers.enqueue(target);

    saveFromPopup(f);

    QCOMPARE(f.env.platform.errors.size(), 1);
    QVERIFY(f.env.platform.errors.first().contains(QStringLiteral("obliczenia.txt")));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(filesIn(folder), QStringList {"obliczenia.txt"});
}

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
