#include "core/AppPaths.h"

#include <QtTest>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void decide_data();
    void decide();
};

void TestAppPaths::decide_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("xdgConfig");
    QTest::addColumn<QString>("xdgData");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("data");
    QTest::newRow("own folder writable: everything beside the program") << true << "/x/conf"
                                                                        << "/x/data"
                                                                        << "/opt/solvarin"
                                                                        << "/opt/solvarin";
    QTest::newRow("installed, variables unset") << false << ""
                                                << ""
                                                << "/home/ala/.config/solvarin"
                                                << "/home/ala/.local/share/solvarin";
    QTest::newRow("installed, variables set") << false << "/x/conf/"
                                              << "/x/data"
                                              << "/x/conf/solvarin"
                                              << "/x/data/solvarin";
    // A relative value is ignored, as the XDG rule says.
    QTest::newRow("installed, relative variables") << false << "conf"
                                                   << "data"
                                                   << "/home/ala/.config/solvarin"
                                                   << "/home/ala/.local/share/solvarin";
}

void TestAppPaths::decide()
{
    QFETCH(bool, writable);
    QFETCH(QString, xdgConfig);
    QFETCH(QString, xdgData);
    const AppPaths::Locations l = AppPaths::decide(
        QStringLiteral("/opt/solvarin"), writable, xdgConfig, xdgData, QStringLiteral("/home/ala"));
    QTEST(l.config, "config");
    QTEST(l.data, "data");
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
