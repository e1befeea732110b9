#include "core/Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

// The code page is our own table; the system's converter is the reference it must agree with.
class TestWin1250 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteDecodesAsTheSystemConverterDoes();
    void everyCharacterOfThePageEncodesBack();
    void whatThePageCannotHold();
};

void TestWin1250::everyByteDecodesAsTheSystemConverterDoes()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QStringDecoder system("windows-1250");
    const QString reference = system.decode(all);
    QCOMPARE(win1250::decode(all), reference);
    QCOMPARE(win1250::encode(reference), all);
    QCOMPARE(win1250::decode(QByteArray()), QString());
}

void TestWin1250::everyCharacterOfThePageEncodesBack()
{
    // Every 16-bit character the system converter writes as one byte and reads back the same.
    int held = 0;
    for (char16_t c = 1; c < 0xD800; ++c) {
        const QString one(QChar {c});
        QStringEncoder system("windows-1250", QStringConverter::Flag::Stateless);
        const QByteArray expected = system.encode(one);
        bool lossless = false;
        const QByteArray ours = win1250::encode(one, &lossless);
        const bool inPage = !system.hasError() && expected.size() == 1
            && QStringDecoder("windows-1250").decode(expected) == one;
        if (inPage) {
            ++held;
            QVERIFY2(lossless && ours == expected, qPrintable(QString::number(c, 16)));
        } else {
            QVERIFY2(!lossless && ours == "\x1a", qPrintable(QString::number(c, 16)));
        }
    }
    QCOMPARE(held, 255);
}

void TestWin1250::whatThePageCannotHold()
{
    bool lossless = true;
    // One substitute for each character: a pair of surrogates is one, a lone one is one too.
    QCOMPARE(win1250::encode(QStringLiteral("a😀b\u00e9\u0104"), &lossless),
        "a\x1a"
        "b\xe9\xa5");
    QVERIFY(!lossless);
    QCOMPARE(win1250::encode(QString(u'a') + QChar(0xD800)), "a\x1a");
    QCOMPARE(win1250::encode(QString(QChar(0xDC00)) + u'z'), "\x1az");
    QVERIFY(win1250::encode(QStringLiteral("Łódź, €"), &lossless)
        == "\xa3\xf3"
           "d\x9f, \x80");
    QVERIFY(lossless);
    QCOMPARE(win1250::unencodable(QStringLiteral("żółw ж😀ж")), QStringLiteral("ж😀"));
}

QTEST_APPLESS_MAIN(TestWin1250)
#include "tst_win1250.moc"
