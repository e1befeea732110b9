#include "AppError.h"
#include "TestEnv.h"
#include "TextExport.h"

#include <QtTest>

class TestTextExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void headerLeavesOutMidnight();
    void brineLayoutWithEmptyFields();
    void fishLayoutKeepsTrailingBlanks();
    void bytesAreWindows1250WithCrLf();
    void unencodableTextIsReported();
    void cookbookPageHasNoLayout();
};

void TestTextExport::headerLeavesOutMidnight()
{
    QCOMPARE(exportHeader(QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9))),
             QStringLiteral("Ustawienia z dnia: 6.12.2026 14:05:09"));
    QCOMPARE(exportHeader(QDateTime(QDate(2026, 1, 31), QTime(0, 0))),
             QStringLiteral("Ustawienia z dnia: 31.01.2026"));
}

void TestTextExport::brineLayoutWithEmptyFields()
{
    const QMap<QString, QString> texts = {{"Label28", "Woda  litry"}, {"Label29", "Sól gramy"}};
    const QStringList lines = exportLines(2, [&](const QString &n) { return texts.value(n); },
                                          QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
    QCOMPARE(lines, (QStringList{"Ustawienia z dnia: 2.01.2026 10:00:00", "", "Woda  litry   ",
                                 "Sól gramy   ", "Solanka     %"}));
}

void TestTextExport::fishLayoutKeepsTrailingBlanks()
{
    const QStringList lines = exportLines(3, [](const QString &n) {
        return n == "Label63" ? QStringLiteral("Ilość soli : ") : n;
    }, QDateTime(QDate(2026, 1, 2), QTime(10, 0)));
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[2], QStringLiteral("Label61   ComboBox2"));
    QCOMPARE(lines[6], QStringLiteral("Ilość soli :    Label66"));
    QCOMPARE(lines[8], QStringLiteral("Label65   Label68"));
}

void TestTextExport::bytesAreWindows1250WithCrLf()
{
    const QByteArray bytes = exportBytes({"Ilość", "", "a\rb"});
    QCOMPARE(bytes, QByteArray("Ilo\x9c\xe6\r\n\r\na\rb\r\n"));
}

void TestTextExport::unencodableTextIsReported()
{
    try {
        exportBytes({"Ryba 🐟"});
        QFAIL("no error");
    } catch (const AppError &e) {
        QVERIFY(e.message().contains(QStringLiteral("🐟")));
    }
}

void TestTextExport::cookbookPageHasNoLayout()
{
    QVERIFY(exportLines(4, [](const QString &) { return QString(); }, QDateTime::currentDateTime()).isEmpty());
    QVERIFY(exportStem(4).isEmpty());
    QCOMPARE(exportStem(3), QStringLiteral("solenie ryb na mokro "));
}

QTEST_MAIN(TestTextExport)
#include "tst_textexport.moc"
