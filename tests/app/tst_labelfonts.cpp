// The labels of the calculator pages: the label menu, font groups changed through the font
// dialog and kept in the settings file, values laid out beside their captions, texts refitted.
#include "AppFixture.h"

#include "core/Win1250.h"

namespace {

const char *const kValueLabels[] = {"Label4", "Label6", "Label8", "Label10", "Label12", "Label14",
    "Label16", "Label18", "Label54", "Label55", "Label59", "Label60"};

// "Zmień czcionkę" from the menu of a right-clicked label.
void changeFont(const AppFixture &f, const char *label)
{
    f.rightClick(f.get(label));
    f.clickItem(f.form->PopupMenu3, "Zmienkolor1");
}

// A font far bigger than any of the design, as the font dialog gives it.
QFont chosenFont()
{
    return QFont("DejaVu Serif", 17, QFont::Bold);
}

QString fontOf(const AppFixture &f, const char *label)
{
    const QFont font = f.get(label)->font();
    return font.family() + u' ' + QString::number(font.pointSize()) + (font.bold() ? "b" : "");
}

// The numbers of the font sections in the settings file, in file order.
QString savedGroups(const AppFixture &f)
{
    const QStringList lines = QString::fromLatin1(readAll(f.settings())).split("\r\n");
    return lines.filter("[Czcionka").join(u' ').remove("[Czcionka").remove(u']');
}

// Each value stands its page's gap after its caption; page 0's concentrations and sugars count
// from the second block's left edge and the widest caption of their row.
void checkLayout(const AppFixture &f)
{
    const std::tuple<const char *, const char *, int> rules[]
        = {{"Label3", "Label4", 30}, {"Label17", "Label18", 30}, {"Label19", "Edit2", 50},
            {"Label20", "Label37", 50}, {"Label23", "Label43", 50}, {"Label28", "Edit5", 50},
            {"Edit5", "Label30", 20}, {"Label61", "Edit10", 50}, {"Label65", "Label68", 50}};
    for (auto [caption, value, gap] : rules) {
        const QWidget *c = f.get<QWidget>(caption);
        QCOMPARE(f.get<QWidget>(value)->x(), c->x() + gap + c->width());
    }
    const int left = f.get("Label17")->x() + 30;
    QCOMPARE(f.get("Label55")->x(), left + f.get("Label49")->width());
    QCOMPARE(f.get("Label59")->x(), left + f.get("Label57")->width());
}

} // namespace

class TestLabelFonts : public QObject
{
    Q_OBJECT

private slots:
    void changeFontChangesOneGroup()
    {
        AppFixture f;
        const QFont captions = f.get("Label3")->font(), values = f.get("Label60")->font();
        // Knock two values out of place: a cancelled dialog changes no font but lays out anew.
        f.get("Label4")->move(0, f.get("Label4")->y());
        f.get("Label59")->move(0, f.get("Label59")->y());
        changeFont(f, "Label6");
        QCOMPARE(f.get("Label60")->font(), values);
        checkLayout(f);
        // A wider caption font, from any caption of the group, moves the values with it.
        f.env.platform.fontAnswers.enqueue(chosenFont());
        changeFont(f, "Label58");
        QCOMPARE(f.env.platform.fontDialogInitial, (QList<QFont> {values, captions}));
        QCOMPARE(
            fontOf(f, "Label3") + u'|' + fontOf(f, "Label49"), "DejaVu Serif 17b|DejaVu Serif 17b");
        checkLayout(f);
        // The official header opens its group, which holds both headers of page 1.
        f.showPage(1);
        const QFont before = f.get("Label45")->font(), otherGroup = f.get("Label20")->font();
        f.env.platform.fontAnswers.enqueue(chosenFont());
        changeFont(f, "Label45");
        QCOMPARE(f.env.platform.fontDialogInitial.last(), before);
        QCOMPARE(fontOf(f, "Label45") + u'|' + fontOf(f, "Label44"),
            "DejaVu Serif 17b|DejaVu Serif 17b");
        QCOMPARE(f.get("Label20")->font(), otherGroup);
        // The pickle captions carry the menu, but their font is nobody's to change.
        f.showPage(2);
        f.env.platform.fontAnswers.enqueue(chosenFont());
        for (const char *n : {"Label91", "Label92", "Label93", "Label94", "Label95", "Label96"})
            changeFont(f, n);
        QCOMPARE(f.env.platform.fontDialogs, 3);
        // The "dziś" beside the clock belongs to a group but carries no menu.
        f.showPage(3);
        f.rightClick(f.get("Label88"));
        QTest::qWait(50);
        QVERIFY(!f.form->PopupMenu3->isVisible());
    }

    void chosenFontAndColourAreKept()
    {
        AppFixture f;
        const QFont before = f.get("Label4")->font(), captions = f.get("Label3")->font();
        const QColor green(0, 128, 0);
        f.env.platform.fontAnswers.enqueue(Platform::FontChoice {chosenFont(), green});
        changeFont(f, "Label60"); // any of the twelve values opens their group
        QCOMPARE(f.env.platform.fontDialogInitial, QList<QFont> {before});
        const auto checkValues = [&] {
            for (const char *value : kValueLabels) {
                QCOMPARE(fontOf(f, value), "DejaVu Serif 17b");
                QCOMPARE(f.get(value)->palette().color(QPalette::WindowText), green);
            }
            QCOMPARE(f.get("Label3")->font(), captions);
        };
        checkValues();
        f.rightClick(f.get("Label4"));
        f.clickItem(f.form->PopupMenu3, "Zapiszkolor1");
        // The colour as the file keeps it: blue, green, red from the high byte down.
        QVERIFY(readAll(f.settings()).contains("[Czcionka4]\r\nkolor=32768\r\n"));
        const char *const groups[] = {"1 2 3 4 11", "5 6 7 9 10", "8", "12 13 14", ""};
        QCOMPARE(savedGroups(f), groups[0]);
        f.restart();
        checkValues();
        checkLayout(f);
        // "Zapisz Czcionkę" writes the groups of the page showing; on the cookbook page nothing.
        for (int page = 1; page < 5; ++page) {
            QFile::remove(f.settings());
            f.showPage(page);
            f.trigger("Zapiszkolor2");
            QCOMPARE(savedGroups(f), groups[page]);
        }
        QVERIFY(!QFile::exists(f.settings()) && f.env.platform.errors.isEmpty());
    }

    void labelTexts()
    {
        AppFixture f;
        const auto lengthen = [&](const char *name) {
            QLabel *label = f.form->findChild<QLabel *>(QString::fromLatin1(name));
            label->setText(label->text().repeated(5));
            return label;
        };
        const auto fits = [](const QLabel *l) {
            return l->width() >= l->fontMetrics().horizontalAdvance(l->text());
        };
        const std::pair<int, const char *> labels[]
            = {{0, "Label4"}, {1, "Label21"}, {2, "Label30"}, {3, "Label66"}};
        for (auto [page, name] : labels) {
            f.showPage(page);
            QVERIFY2(fits(lengthen(name)), name);
        }
        // A label on another page fits its text when its page shows.
        const QLabel *hidden = lengthen("Label37");
        f.showPage(1);
        QVERIFY(fits(hidden));

        // "Zapisz listę etykiet" writes the captions of Label1 to Label79.
        f.trigger("Zapiszlisteetykiet1");
        const QStringList lines = win1250::decode(readAll(f.env.file("labele.txt"))).split("\r\n");
        QCOMPARE(lines.size(), 80); // the last line ends in CR LF too
        for (int i = 1; i <= 79; ++i) {
            const auto *l = f.form->findChild<QLabel *>(QStringLiteral("Label%1").arg(i));
            QCOMPARE(lines[i - 1],
                QStringLiteral("form1.Label%1.Caption:=").arg(i) + (l ? l->text() : QString()));
        }
    }
};

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
