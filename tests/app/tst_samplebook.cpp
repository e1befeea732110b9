// The sample book offered to a new user of an installed copy.
#include "AppFixture.h"

#include "app/SampleBook.h"

class TestSampleBook : public QObject
{
    Q_OBJECT

private slots:
    void offeredOnceCopiedWithItsPhotos()
    {
        TestEnv env;
        const QString examples = env.file(QStringLiteral("share/examples"));
        const QString data = env.file(QStringLiteral("home/data"));
        writeFile(examples + QStringLiteral("/Przepisy babci.xml"), bookXml());
        writePicture(examples + QStringLiteral("/zdjecia/schab1.png"), {4, 4}, Qt::red);
        const QString own = data + QStringLiteral("/Moja książka.xml");

        // Declined: nothing copied.
        env.platform.answers << Platform::Answer::No;
        QCOMPARE(samplebook::offer(examples, data, own), QString());
        QCOMPARE(env.platform.messages.size(), 1);
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Przepisy babci.xml")));
        // Accepted: the book and its photos, a photo of the user's own kept as it is.
        writePicture(data + QStringLiteral("/zdjecia/schab1.png"), {2, 2}, Qt::blue);
        env.platform.answers << Platform::Answer::Yes;
        const QString copy = samplebook::offer(examples, data, own);
        QCOMPARE(copy, data + QStringLiteral("/Przepisy babci.xml"));
        QCOMPARE(readAll(copy), bookXml());
        QCOMPARE(QImage(data + QStringLiteral("/zdjecia/schab1.png")).size(), QSize(2, 2));
        // A user who has a book, or a copy without samples, is not asked.
        writeFile(own, bookXml());
        QCOMPARE(samplebook::offer(examples, data, own), QString());
        QCOMPARE(samplebook::offer(env.file(QStringLiteral("nic")), data, QString()), QString());
        QCOMPARE(env.platform.messages.size(), 2);
    }
};

QTEST_MAIN(TestSampleBook)
#include "tst_samplebook.moc"
