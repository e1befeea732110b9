#pragma once

#include "TestEnv.h"
#include "app/CookbookPage.h"
#include "app/DecimalInputFilter.h"
#include "app/FittedLabel.h"
#include "app/PhotoBox.h"
#include "app/RecipeView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTreeWidget>
#include <QtTest>

namespace cookbook_test {

inline const char kUnits[]
    = "<slowniki><jednostki>"
      "<jednostka nazwa=\"szklanka\" m.lp=\"szklanka\" m.lm=\"szklanki\" d.lm=\"szklanek\" "
      "d.lp=\"szklanki\"/>"
      "<jednostka nazwa=\"ząbek\" m.lp=\"ząbek\" m.lm=\"ząbki\" d.lm=\"ząbków\" d.lp=\"ząbka\"/>"
      "<jednostka nazwa=\"kg\" m.lp=\"kg\" m.lm=\"kg\" d.lm=\"kg\" d.lp=\"kg\"/>"
      "</jednostki><skladniki/></slowniki>";

// Five recipes that exercise the browser: two categories on one recipe, equal titles,
// a recipe without categories, a cuisine inside another's text, an author inside another's.
inline const char kRecipes[]
    = "<przepis tytul=\"Schab wędzony\" porcje=\"4\" autor=\"Jan Kowalski\" kuchnia=\"Polska\" "
      "czas=\"03:00\" kalorie=\"320\" www=\"https://example.org/schab\" zdjecie=\"schab1.png\">"
      "<kategoria nazwa=\"Wędzonki\"/><kategoria nazwa=\"Mięsa\"/>"
      "<zdjecia nazwa=\"schab1.png\"/><zdjecia nazwa=\"schab2.png\"/><zdjecia "
      "nazwa=\"schab3.png\"/>"
      "<skladnik nazwa=\"Schab\" ilosc=\"2\" jednostka=\"kg\"/>"
      "<skladnik nazwa=\"Czosnek\" ilosc=\"1 1/2\" jednostka=\"ząbek\">przeciśnięty</skladnik>"
      "<opis>\r\t\t\t\tZapeklować.\nWędzić na zimno.\r\t\t\t</opis></przepis>"
      "<przepis tytul=\"Boczek parzony\" porcje=\"2\" autor=\"Anna Nowak\" "
      "kuchnia=\"Polska wschodnia\"><kategoria nazwa=\"Wędzonki\"/>"
      "<skladnik nazwa=\"Woda\" ilosc=\"1/2\" jednostka=\"szklanka\"/></przepis>"
      "<przepis tytul=\"Śledzie w occie\" porcje=\"1\" autor=\"Jan\" kuchnia=\"Azja Wschodnia\">"
      "<kategoria nazwa=\"Ryby\"/></przepis>"
      "<przepis tytul=\"Kiełbasa jałowcowa\" porcje=\"1/2\" autor=\"Anna Nowak\" kuchnia=\"Azja\"/>"
      "<przepis tytul=\"Boczek parzony\" autor=\"Piotr Zięba\" kuchnia=\"Polska\">"
      "<kategoria nazwa=\"Mięsa\"/></przepis>";

inline QByteArray bookXml(const QString &recipes = QString::fromUtf8(kRecipes),
    const QString &root = QStringLiteral("Solvarin"))
{
    return (
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<%1 wersja=\"1.0\">").arg(root)
        + QString::fromUtf8(kUnits) + QStringLiteral("<przepisy>") + recipes
        + QStringLiteral("</przepisy></%1>\n").arg(root))
        .toUtf8();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

inline void writePicture(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

// The cookbook page inside a plain window, in a fresh application folder.
struct CookbookFixture
{
    TestEnv env;
    DecimalInputFilter filter;
    QWidget host;
    CookbookPage *page = new CookbookPage(&filter, &host);
    QString title;

    CookbookFixture()
    {
        host.resize(689, 470);
        page->setGeometry(0, 0, 689, 470);
        QObject::connect(
            page, &CookbookPage::titleChanged, [this](const QString &t) { title = t; });
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
    }

    QString bookPath() const { return env.file(QStringLiteral("Moja książka.xml")); }
    // Writes the sample book (and its three photos) and opens it as at start-up.
    void openSample()
    {
        writeFile(bookPath(), bookXml());
        writePicture(env.file(QStringLiteral("zdjecia/schab1.png")), {400, 200}, Qt::red);
        writePicture(env.file(QStringLiteral("zdjecia/schab2.png")), {300, 300}, Qt::green);
        writePicture(env.file(QStringLiteral("zdjecia/schab3.png")), {200, 400}, Qt::blue);
        page->startUp(bookPath());
    }

    QStringList listTitles() const
    {
        QStringList out;
        for (int i = 0; i < page->ListBox1->count(); ++i)
            out << page->ListBox1->item(i)->text();
        return out;
    }
    QTreeWidgetItem *node(const QString &group, const QString &child = QString()) const
    {
        QTreeWidgetItem *item = page->TreeView1->findItems(group, Qt::MatchExactly).value(0);
        for (int i = 0; item && !child.isEmpty() && i < item->childCount(); ++i)
            if (item->child(i)->text(0) == child)
                return item->child(i);
        return child.isEmpty() ? item : nullptr;
    }
    QStringList childrenOf(const QString &group) const
    {
        QStringList out;
        for (int i = 0; node(group) && i < node(group)->childCount(); ++i)
            out << node(group)->child(i)->text(0);
        return out;
    }
    // A click on a tree node, as the user makes it.
    void clickNode(const QString &group, const QString &child = QString())
    {
        QTreeWidgetItem *item = node(group, child);
        QVERIFY2(item, qPrintable(group + u'/' + child));
        if (item->parent())
            item->parent()->setExpanded(true);
        page->TreeView1->scrollToItem(item);
        QTest::mouseClick(page->TreeView1->viewport(), Qt::LeftButton, {},
            page->TreeView1->visualItemRect(item).center());
        QCOMPARE(page->TreeView1->currentItem(), item);
    }
    void clickTitle(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidgetItem *item = page->ListBox1->item(row);
        QVERIFY(item);
        page->ListBox1->scrollToItem(item);
        QTest::mouseClick(page->ListBox1->viewport(), Qt::LeftButton, modifiers,
            page->ListBox1->visualItemRect(item).center());
    }
    void typePortions(const QString &keys)
    {
        page->Edit13->setFocus(Qt::MouseFocusReason);
        QVERIFY(page->Edit13->hasFocus());
        page->Edit13->selectAll();
        QTest::keyClicks(page->Edit13, keys);
    }
    QString viewTitle() const { return page->RichEdit1->document()->begin().text(); }
    QString viewText() const { return page->RichEdit1->toPlainText(); }
    // The view's line that starts with the text, or empty.
    QString viewLine(const QString &start) const
    {
        for (const QString &l : viewText().split(u'\n'))
            if (l.startsWith(start))
                return l;
        return QString();
    }
    QColor photoCentre() const
    {
        const QImage &p = page->PhotoBox1->picture();
        return p.isNull() ? QColor() : p.pixelColor(p.width() / 2, p.height() / 2);
    }
};

} // namespace cookbook_test
