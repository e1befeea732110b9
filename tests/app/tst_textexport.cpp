#include "TestEnv.h"
#include "app/TextExport.h"
#include "core/AppError.h"

#include <QtTest>

class TestTextExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::initProcess(); }
    void headerLeavesOutMidnight();
    void unencodableTextIsReported();
};

void TestTextExport::headerLeavesOutMidnight()
{
    QCOMPARE(exportHeader(QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9))),
        QStringLiteral("Ustawienia z dnia: 6.12.2026 14:05:09"));
    QCOMPARE(exportHeader(QDateTime(QDate(2026, 1, 31), QTime(0, 0))),
        QStringLiteral("Ustawienia z dnia: 31.01.2026"));
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

QTEST_MAIN(TestTextExport)
#include "tst_textexport.moc"
