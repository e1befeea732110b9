#pragma once

#include "TestEnv.h"
#include "app/CookbookPage.h"
#include "app/PhotoBox.h"
#include "app/RecipeView.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"
#include "platform/IniFile.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

// Five recipes that exercise the browser: two categories on one recipe, equal titles,
// a recipe without categories, a cuisine inside another's text, an author inside another's.
inline const char kRecipes[]
    = "<przepis tytul=\"Schab wędzony\" porcje=\"4\" autor=\"Jan Kowalski\" kuchnia=\"Polska\" "
      "www=\"https://example.org/schab\" zdjecie=\"schab1.png\"><kategoria nazwa=\"Wędzonki\"/>"
      "<kategoria nazwa=\"Mięsa\"/><zdjecia nazwa=\"schab1.png\"/><zdjecia nazwa=\"schab2.png\"/>"
      "<zdjecia nazwa=\"schab3.png\"/><skladnik nazwa=\"Schab\" ilosc=\"2\" jednostka=\"kg\"/>"
      "<opis>Zapeklować.\nWędzić na zimno.</opis></przepis>"
      "<przepis tytul=\"Boczek parzony\" porcje=\"2\" autor=\"Anna Nowak\" "
      "kuchnia=\"Polska wschodnia\"><kategoria nazwa=\"Wędzonki\"/></przepis>"
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
        + "<slowniki><jednostki><jednostka nazwa=\"kg\" m.lp=\"kg\" m.lm=\"kg\" d.lm=\"kg\" "
          "d.lp=\"kg\"/></jednostki><skladniki/></slowniki><przepisy>"
        + recipes + QStringLiteral("</przepisy></%1>\n").arg(root))
        .toUtf8();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writePicture(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

// The main window as the program makes it, in a fresh application folder with the scripted
// platform; shown and active so focus behaves as for a user. AppFixture(false) leaves the start
// to the test, which may first put files in the folder.
struct AppFixture
{
    TestEnv env;
    std::unique_ptr<TForm1> form;

    explicit AppFixture(bool startNow = true)
    {
        if (startNow)
            start();
    }
    void start()
    {
        initSolvarinAssets();
        form = std::make_unique<TForm1>();
        form->show();
        activate(form.get());
    }
    void restart()
    {
        form.reset();
        start();
    }
    static void activate(QWidget *window)
    {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // Another window comes to the front, then the main window again.
    void reactivate()
    {
        QWidget other;
        other.show();
        activate(&other);
        activate(form.get());
    }

    QString settings() const { return env.file(QStringLiteral("Ustawienia.ini")); }
    // Values of the settings file, joined by "|".
    QString saved(const QString &section, const QStringList &keys) const
    {
        QStringList values;
        for (const QString &key : keys)
            values << IniFile(settings()).readString(section, key, "<none>");
        return values.join(u'|');
    }

    template<class T = QLabel>
    T *get(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromLatin1(name));
        return w ? w : (qFatal("no control %s", name), nullptr);
    }
    // The text of a label, a field or a text box.
    QString text(const char *name) const
    {
        QWidget *w = get<QWidget>(name);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text();
        if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            return box->toPlainText();
        return get<QLabel>(name)->text();
    }
    template<class Names = std::initializer_list<const char *>>
    QStringList texts(const Names &labels) const
    {
        QStringList out;
        for (const char *l : labels)
            out << text(l);
        return out;
    }

    void showPage(int index) const
    {
        QTabBar *tabs = form->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCOMPARE(form->PageControl1->currentIndex(), index);
    }
    // The keyboard focus as a click gives it. A list's closed popup may still hold the
    // activation, so the main window takes it back first.
    void focus(QWidget *w) const
    {
        activate(form.get());
        w->setFocus(Qt::MouseFocusReason);
        QVERIFY(w->hasFocus());
    }
    // Focus the field, select everything and type as a user would.
    void type(const char *field, const QString &keys) const
    {
        auto *edit = get<QLineEdit>(field);
        focus(edit);
        edit->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, keys);
    }
    // Pick an item of a list with the keyboard.
    void pick(const char *list, int index) const
    {
        auto *box = get<QComboBox>(list);
        focus(box);
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentIndex(), index);
    }
    // Pick an item from the open list, as with the mouse: one choice, whatever lies between.
    void choose(const char *list, int index) const
    {
        auto *box = get<QComboBox>(list);
        focus(box);
        box->showPopup();
        QAbstractItemView *view = box->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(box->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }
    // A right click as the mouse gives it: press and release, then the context-menu request.
    void rightClick(QWidget *w) const
    {
        const QPoint pos = w->rect().center();
        QTest::mousePress(w, Qt::RightButton, {}, pos);
        QTest::mouseRelease(w, Qt::RightButton, {}, pos);
        QContextMenuEvent request(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
        QApplication::sendEvent(w, &request);
    }
    // Click an item (by its object name) of a popup menu that must be open.
    void clickItem(QMenu *menu, const char *item) const
    {
        QTRY_VERIFY(menu->isVisible());
        QAction *a = form->action(QString::fromLatin1(item));
        QVERIFY(a && menu->actions().contains(a));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    void trigger(const char *action) const { form->action(QString::fromLatin1(action))->trigger(); }

    // The cookbook page.
    CookbookPage *cookbook() const { return form->CookbookPage1; }
    QString bookPath() const { return env.file(QStringLiteral("Moja książka.xml")); }
    // Writes the book and starts the program with it as the remembered book, on the cookbook page.
    void openBook(const QByteArray &xml)
    {
        writeFile(bookPath(), xml);
        restart();
        showPage(4);
    }
    // The sample book, and any recipes added, with three photos: red, green and blue.
    void openSample(const QString &moreRecipes = QString())
    {
        writePicture(env.file(QStringLiteral("zdjecia/schab1.png")), {400, 200}, Qt::red);
        writePicture(env.file(QStringLiteral("zdjecia/schab2.png")), {300, 300}, Qt::green);
        writePicture(env.file(QStringLiteral("zdjecia/schab3.png")), {200, 400}, Qt::blue);
        openBook(bookXml(QString::fromUtf8(kRecipes) + moreRecipes));
    }
    QStringList listTitles() const
    {
        QStringList out;
        for (int i = 0; i < cookbook()->ListBox1->count(); ++i)
            out << cookbook()->ListBox1->item(i)->text();
        return out;
    }
    QTreeWidgetItem *node(const QString &group, const QString &child = QString()) const
    {
        QTreeWidgetItem *item = cookbook()->TreeView1->findItems(group, Qt::MatchExactly).value(0);
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
    void clickNode(const QString &group, const QString &child = QString()) const
    {
        QTreeWidgetItem *item = node(group, child);
        QVERIFY2(item, qPrintable(group + u'/' + child));
        QTreeWidget *tree = cookbook()->TreeView1;
        if (item->parent())
            item->parent()->setExpanded(true);
        tree->scrollToItem(item);
        QTest::mouseClick(
            tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    void clickTitle(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QListWidget *list = cookbook()->ListBox1;
        QListWidgetItem *item = list->item(row);
        QVERIFY(item);
        list->scrollToItem(item);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
    }
    // x counts from the picture, inside the 2-pixel frame.
    void pressPhoto(int x) const
    {
        QTest::mouseClick(cookbook()->PhotoBox1, Qt::LeftButton, {}, QPoint(x + 2, 100));
    }
    QString viewTitle() const { return cookbook()->RichEdit1->document()->begin().text(); }
    QString viewText() const { return cookbook()->RichEdit1->toPlainText(); }
    // The view's line that starts with the text, or empty.
    QString viewLine(const QString &start) const
    {
        return viewText().split(u'\n').filter(QRegularExpression(u'^' + start)).value(0);
    }
    QColor photoCentre() const
    {
        const QImage &p = cookbook()->PhotoBox1->picture();
        return p.isNull() ? QColor() : p.pixelColor(p.width() / 2, p.height() / 2);
    }
};
