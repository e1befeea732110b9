// Page backgrounds: loading a picture file of any format Qt reads, removing it, keeping it for the
// next start beside the program, and what happens when a file cannot be read or written.
#include "AppFixture.h"

#include "app/PageBackground.h"
#include "core/SafeFile.h"

#include <sys/stat.h>

namespace {

// Left half red, right half blue, of any size.
QImage halves(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return picture;
}

// Qt reads Targa pictures but does not write them: uncompressed, 24 bits, top row first, with
// the version 2 footer that Qt's reader asks for.
QByteArray targa(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_BGR888);
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = char(rgb.width() & 0xFF);
    bytes[13] = char(rgb.width() >> 8);
    bytes[14] = char(rgb.height() & 0xFF);
    bytes[15] = char(rgb.height() >> 8);
    bytes[16] = 24;
    bytes[17] = 0x20;
    for (int y = 0; y < rgb.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), 3 * rgb.width());
    return bytes + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
}

// Nor GIF: two colours (red 0, blue 1), every pixel after a clear code so that no compression is
// needed and every code is 3 bits wide.
QByteArray gif(const QImage &picture)
{
    QByteArray out("GIF89a");
    const auto le16 = [&](int v) { out += char(v & 0xFF) + QByteArray(1, char(v >> 8)); };
    le16(picture.width());
    le16(picture.height());
    out += QByteArray("\x80\0\0\xFF\0\0\0\0\xFF,", 10);
    out += QByteArray(4, '\0');
    le16(picture.width());
    le16(picture.height());
    out += QByteArray("\0\x02", 2);
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](quint32 c) {
        bits |= c << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            code(4);
            code(qRed(picture.pixel(x, y)) > 128 ? 0 : 1);
        }
    code(5);
    data += char(bits);
    for (qsizetype i = 0; i < data.size(); i += 255)
        out += char(data.mid(i, 255).size()) + data.mid(i, 255);
    return out + QByteArray("\0;", 2);
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24;
}

struct BackgroundFixture : AppFixture
{
    using AppFixture::AppFixture;

    PageBackground *page(int index) const
    {
        return get<PageBackground>(qPrintable(QStringLiteral("Image%1").arg(index + 1)));
    }
    void load(const QString &path)
    {
        env.platform.pictureAnswers << QStringList {path, env.file(QStringLiteral("other.png"))};
        trigger("Ladujtlo2");
    }
    // A popup item of the showing page's background.
    void popup(const char *item) const
    {
        rightClick(page(form->PageControl1->currentIndex()));
        clickItem(form->PopupMenu1, item);
    }
    QString stored(const char *key) const { return saved(QStringLiteral("Tlo"), {key}); }
};

} // namespace

class TestBackgrounds : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { safefile::clearFaultsForTests(); }

    void everyReadableFormat_data()
    {
        QTest::addColumn<QByteArray>("format");
        for (const char *format : {"png", "bmp", "jpg", "gif", "ppm", "tif", "tga", "webp"})
            QTest::newRow(format) << QByteArray(format);
    }
    void everyReadableFormat()
    {
        QFETCH(QByteArray, format);
        if (!QImageReader::supportedImageFormats().contains(format))
            QSKIP("no reader for this format here");
        BackgroundFixture f;
        const QString path = f.env.file(QStringLiteral("tlo.") + format);
        if (format == "tga" || format == "gif")
            writeFile(path, format == "tga" ? targa(halves({100, 40})) : gif(halves({100, 40})));
        else if (!halves({100, 40}).save(path, format))
            QSKIP("Qt cannot write this format to make the sample");
        f.showPage(2);
        f.load(path);
        // The first file chosen, stretched to the page's size whatever its proportions.
        const QImage picture = f.page(2)->picture();
        QCOMPARE(picture.size(), PageBackground::DesignSize);
        QVERIFY(near(picture.pixelColor(300, 400), Qt::red));
        QVERIFY(near(picture.pixelColor(400, 10), Qt::blue));
        // And the page shows it, not the picture it had before.
        const QImage shown = f.page(2)->grab().toImage();
        QVERIFY(near(shown.pixelColor(10, shown.height() / 2), Qt::red));
        QVERIFY(near(shown.pixelColor(shown.width() - 10, shown.height() / 2), Qt::blue));
    }

    void saveRemoveAndRestart()
    {
        BackgroundFixture f;
        const QString jpg = f.env.file(QStringLiteral("Tlo_suche.jpg"));
        f.showPage(1);
        QVERIFY(halves({60, 60}).save(f.env.file(QStringLiteral("a.png"))));
        f.load(f.env.file(QStringLiteral("a.png")));
        // Not saved: the next start shows the built-in picture again.
        f.restart();
        QVERIFY(!near(f.page(1)->picture().pixelColor(10, 10), Qt::red));

        f.showPage(1);
        f.load(f.env.file(QStringLiteral("a.png")));
        f.popup("Zapisztlo2");
        QCOMPARE(f.stored("suche"), jpg);
        const QByteArray bytes = readAll(jpg);
        // A baseline JPEG: start of frame 0, never the progressive 2.
        QVERIFY(bytes.startsWith("\xFF\xD8") && bytes.contains("\xFF\xC0")
            && !bytes.contains("\xFF\xC2"));
        f.restart();
        QVERIFY(near(f.page(1)->picture().pixelColor(10, 10), Qt::red));
        QCOMPARE(f.page(1)->picture().size(), PageBackground::DesignSize);

        // Removed and saved from the main menu: the ".nil" name, no such file, the old picture
        // file left alone; the next start shows no picture though a built-in one exists.
        f.showPage(1);
        f.popup("Usuntlo1");
        QVERIFY(f.page(1)->isEmpty());
        f.trigger("Zapisztlo1");
        QCOMPARE(f.stored("suche"), f.env.file(QStringLiteral("Tlo_suche.nil")));
        QVERIFY(!QFile::exists(f.env.file(QStringLiteral("Tlo_suche.nil"))));
        QCOMPARE(readAll(jpg), bytes);
        f.restart();
        QVERIFY(f.page(1)->isEmpty());
        QVERIFY(!f.page(0)->isEmpty());

        // A page still showing its built-in picture saves that picture.
        f.showPage(3);
        f.popup("Zapisztlo2");
        QCOMPARE(
            QImage(f.env.file(QStringLiteral("Tlo_ryby.jpg"))).size(), PageBackground::DesignSize);

        // On the cookbook page the commands do nothing.
        const QByteArray settings = readAll(f.settings());
        f.showPage(4);
        const int dialogs = int(f.env.platform.fileDialogs.size());
        for (const char *item : {"Ladujtlo1", "Zapisztlo1"})
            f.trigger(item);
        QCOMPARE(f.env.platform.fileDialogs.size(), dialogs);
        QCOMPARE(readAll(f.settings()), settings);
    }

    void unreadableAndUnwritable()
    {
        BackgroundFixture f(false);
        // Each with an error naming it, and the page keeps its picture: bytes that are no
        // picture, a folder, a FIFO that would block a plain read.
        const QString corrupt = f.env.file(QStringLiteral("zepsuty.jpg"));
        writeFile(corrupt, "\xFF\xD8\xFF\xE0 not a picture");
        const QString folder = f.env.file(QStringLiteral("folder.png"));
        QDir().mkpath(folder);
        const QString fifo = f.env.file(QStringLiteral("fifo.bmp"));
        QCOMPARE(mkfifo(qPrintable(fifo), 0600), 0);
        {
            IniFile ini(f.settings());
            ini.writeString("Tlo", "mokre", corrupt);
            ini.writeString("Tlo", "suche", fifo);
        }
        // At start: one report for both, and the built-in pictures.
        f.start();
        QCOMPARE(f.env.platform.errors.size(), 1);
        QVERIFY(f.env.platform.errors[0].contains("zepsuty.jpg"));
        QVERIFY(f.env.platform.errors[0].contains("fifo.bmp"));
        QVERIFY(!f.page(0)->isEmpty() && !f.page(1)->isEmpty());

        const QImage before = f.page(0)->picture();
        for (const QString &path : {corrupt, folder, fifo}) {
            f.env.platform.errors.clear();
            f.load(path);
            QCOMPARE(f.env.platform.errors.size(), 1);
            QVERIFY2(f.env.platform.errors[0].contains(QFileInfo(path).fileName()),
                qPrintable(f.env.platform.errors[0]));
            QCOMPARE(f.page(0)->picture(), before);
        }

        // A save that fails half-way says why and changes nothing: the old picture file stays,
        // and the settings keep saying "no picture".
        const QString jpg = f.env.file(QStringLiteral("Tlo_mokre.jpg"));
        f.popup("Zapisztlo2");
        const QByteArray saved = readAll(jpg);
        f.popup("Usuntlo1");
        f.popup("Zapisztlo2");
        const QByteArray settings = readAll(f.settings());
        QVERIFY(halves({30, 30}).save(f.env.file(QStringLiteral("b.png"))));
        f.load(f.env.file(QStringLiteral("b.png")));
        safefile::failNextWriteForTests(QStringLiteral("Tlo_mokre.jpg"), 100);
        f.popup("Zapisztlo2");
        QCOMPARE(f.env.platform.lastError(), QStringLiteral("Unable to write to ") + jpg);
        QCOMPARE(readAll(jpg), saved);
        QCOMPARE(readAll(f.settings()), settings);
    }
};

QTEST_MAIN(TestBackgrounds)
#include "tst_backgrounds.moc"
