// "Zapisz obliczenia": what each calculator page writes, in Windows-1250 with CR LF line ends.
#include "AppFixture.h"

#include "app/PageBackground.h"
#include "core/Clock.h"
#include "core/Win1250.h"

namespace {

// "Zapisz obliczenia" from the popup menu of the showing page's background.
void saveFromPopup(AppFixture &f, const QString &target = QString())
{
    if (!target.isEmpty())
        f.env.platform.fileAnswers.enqueue(target);
    f.rightClick(f.form->PageControl1->currentWidget()->findChild<PageBackground *>());
    f.clickItem(f.form->PopupMenu1, "Zapiszobliczenia1");
}

// Saves the showing page; the file name the dialog proposed, then the lines written, each of
// which, the last included, ends in CR LF.
QStringList save(AppFixture &f)
{
    const QString target = f.env.file("wynik.txt");
    saveFromPopup(f, target);
    const QByteArray bytes = readAll(target);
    if (!bytes.endsWith("\r\n") || bytes.count('\n') != bytes.count("\r\n"))
        return {QStringLiteral("not CR LF")};
    return QStringList {QFileInfo(f.env.platform.fileDialogs.last().fileName).fileName()}
    + win1250::decode(bytes.chopped(2)).split("\r\n");
}

} // namespace

class TestExportWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(12, 0))); }

    void everyPageWritesItsLines()
    {
        AppFixture f;
        QCOMPARE(save(f),
            (QStringList {"peklowanie na mokro 10.03.2024",
                "Ustawienia z dnia: 10.03.2024 12:00:00", "", "Ilość dni peklowania:   1 dzień",
                "Ilość mięsa w kg:   1", "",
                "---  Wersja słona według Fendra --------------------------", "",
                "Ilość peklosoli w przedziale:   76 - 80 g",
                "Opcjonalnie cukier 1-2%:   4,0 - 8,2 g", "Woda:   0,4 l.",
                "Nastrzyk:   4 razy  60 ml/kg mięsa czyli w sumie : 240 ml",
                "Masowanie po nastrzyku:    Tak", "Stężenie procentowe:   15,97 - 16,67 %", "",
                "--- Wersja mniej słona  według Fendra-----------------", "",
                "Ilość peklosoli w przedziale:   72 - 76 g",
                "Opcjonalnie cukier 1-2%:   3,8 - 7,8 g", "Woda:   0,4 l.",
                "Nastrzyk:   5 razy  60 ml/kg mięsa czyli w sumie : 300 ml",
                "Masowanie po nastrzyku:    Tak", "Stężenie procentowe:   15,25 - 15,97 %"}));
        QCOMPARE(QFileInfo(f.env.platform.fileDialogs.last().fileName).path(), f.env.dir());
        QVERIFY(f.env.platform.errors.isEmpty());

        // The other pages by their distinctive lines. At midnight the header leaves the time out.
        Clock::setFixedForTests(QDateTime(QDate(2024, 3, 10), QTime(0, 0)));
        f.showPage(1);
        f.type("Edit2", "1");
        QCOMPARE(save(f).join(u'|'),
            "peklowanie na sucho 10.03.2024|Ustawienia z dnia: 10.03.2024||Ilość mięsa w kg:   1|"
            "|---  Wersja oficjalna według Tobrin'a --||Ilość peklosoli :   18 - 22  g|"
            "Opcjonalnie Ilość pieprzu:    0,5  g|Opcjonalnie Ilość ziela angielskiego :   0,5  g|"
            "|---  Wersja własna  -----------------------||Ilość peklosoli:    20  g|"
            "Ilość pieprzu:   0,5  g|Ilość ziela angileskiego:   0,5  g");
        // The pickle calculator is not written.
        f.showPage(2);
        f.type("Edit3", "1");
        f.type("Edit4", "100");
        QCOMPARE(save(f).join(u'|'),
            "solanka 10.03.2024|Ustawienia z dnia: 10.03.2024||Woda  litry   1|Sól gramy   100|"
            "Solanka   9,09  %");
        // A list item and a caption ending in a blank keep it.
        f.showPage(3);
        f.choose("ComboBox3", 1);
        QCOMPARE(save(f).join(u'|'),
            "solenie ryb na mokro 10.03.2024|Ustawienia z dnia: 10.03.2024||Ilość godzin "
            "solenia:   4 godziny|Temp. wody w °C   4 |Ilość ryb w kg:   1||Ilość soli :    "
            "158,3 g|Zawartość procentowa soli :   13,7 %.|Woda :   1 l.");

        // A cancelled dialog, a text the code page cannot hold and the cookbook page write
        // nothing.
        const auto files = [&] { return QDir(f.env.dir()).entryList(QDir::Files | QDir::Hidden); };
        const QStringList before = files();
        const qsizetype dialogs = f.env.platform.fileDialogs.size();
        saveFromPopup(f); // no answer: the dialog is cancelled
        // A text the code page cannot hold is reported, not written as "?".
        f.get<QLineEdit>("Edit10")->setText("1🐟");
        saveFromPopup(f, f.env.file("ryby.txt"));
        QVERIFY2(f.env.platform.lastError().contains("🐟"), qPrintable(f.env.platform.lastError()));
        // The cookbook page has no calculations: not even a dialog.
        f.showPage(4);
        f.env.platform.fileAnswers.enqueue(f.env.file("ksiazka.txt"));
        f.trigger("Zapiszobliczenia1");
        QCOMPARE(f.env.platform.fileDialogs.size(), dialogs + 2);
        QCOMPARE(files(), before);
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
