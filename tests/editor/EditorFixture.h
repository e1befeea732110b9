#pragma once

#include "TestEnv.h"
#include "app/CookbookEditorHost.h"
#include "app/CookbookPage.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"
#include "controls/TPrzycisk.h"
#include "cookbook/Book.h"
#include "editor/IngredientsPage.h"
#include "editor/TForm4.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

// Three recipes: one with every field, one whose values lie inside the first one's, one with an
// entry date no reader understands. The main window lists them Boczek, Kiełbasa, Schab.
inline const char kRecipes[]
    = "<przepis tytul=\"Schab wędzony\" porcje=\"4\" kalorie=\"250\" autor=\"Jan Kowalski\" "
      "kuchnia=\"Polska wschodnia\" ocena=\"dobra\" data=\"2023-10-15\" www=\"https://ex.org/s\" "
      "ulubione=\"tak\" zdjecie=\"a.png\"><kategoria nazwa=\"Wędzonki\"/>"
      "<kategoria nazwa=\"Mięsa\"/><zdjecia nazwa=\"a.png\"/><zdjecia nazwa=\"b.png\"/>"
      "<skladnik nazwa=\"schab\" ilosc=\"2\" jednostka=\"kg\">bez kości</skladnik>"
      "<skladnik nazwa=\"sól\" ilosc=\"1,5\" jednostka=\"łyżka\"/>"
      "<skladnik nazwa=\"pieprz\" ilosc=\"1/2\" jednostka=\"łyżka\"/>"
      "<opis>\n\t\t\t\tZapeklować &amp; uwędzić.\n      \n\tSchłodzić &lt;dobrze&gt;.\n\n"
      "Podać.\n\t\t\t</opis></przepis>"
      "<przepis tytul=\"Kiełbasa\" autor=\"Jan\" kuchnia=\"Polska\" jednostka=\"pęta\" "
      "data=\"6.12.2026\" czas=\"1:30\"><kategoria nazwa=\"Mięsa\"/></przepis>"
      "<przepis tytul=\"Boczek\" data=\"zepsuta\" czas=\"99:99\"/>";

inline QByteArray bookXml(const QString &recipes = QString::fromUtf8(kRecipes))
{
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Solvarin wersja=\"1.0\"><slowniki>"
            "<jednostki><jednostka nazwa=\"kg\" m.lp=\"kg\" d.lp=\"kg\" m.lm=\"kg\" d.lm=\"kg\"/>"
            "<jednostka nazwa=\"łyżka\" m.lp=\"łyżka\" d.lp=\"łyżki\" m.lm=\"łyżki\" "
            "d.lm=\"łyżek\"/></jednostki><skladniki><skladnik nazwa=\"sól\" m.lp=\"sól\" "
            "d.lp=\"soli\" m.lm=\"sole\" d.lm=\"soli\"/><skladnik nazwa=\"schab\"/></skladniki>"
            "</slowniki><przepisy>"
        + recipes + "</przepisy></Solvarin>")
        .toUtf8();
}

// The main window with the book as its remembered book, and the editor opened over it as the
// main window's commands open it.
struct EditorFixture
{
    TestEnv env;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm4> editor;

    explicit EditorFixture(const QByteArray &xml = bookXml())
    {
        QFile book(bookPath());
        if (!xml.isEmpty() && book.open(QIODevice::WriteOnly))
            book.write(xml);
        book.close();
        initSolvarinAssets();
        form = std::make_unique<TForm1>();
        form->show();
        form->PageControl1->setCurrentIndex(4);
        activate(form.get());
    }
    static void activate(QWidget *window)
    {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QString bookPath() const { return env.file(QStringLiteral("Moja książka.xml")); }
    CookbookPage *page() const { return form->CookbookPage1; }
    Book &book() const { return page()->book(); }
    TXMLPrzepisType recipe(int index) const { return book().root().przepisy()[index]; }

    // A click on the title in the main window's list makes that recipe current.
    void choose(const QString &title) const
    {
        QListWidget *list = page()->ListBox1;
        QListWidgetItem *item = list->findItems(title, Qt::MatchExactly).value(0);
        QVERIFY2(item, qPrintable(title));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    TForm4 *open(bool existing, bool options = false)
    {
        editor.reset();
        editor = std::make_unique<TForm4>(*form->findChild<CookbookEditorHost *>(), form.get());
        editor->EditExistingRecipe = existing;
        editor->OpenOnOptionsPage = options;
        editor->show();
        activate(editor.get());
        return editor.get();
    }

    template<class T = QWidget>
    T *get(const char *name) const
    {
        T *w = editor->findChild<T *>(QString::fromLatin1(name));
        return w ? w : (qFatal("no control %s", name), nullptr);
    }
    void showPage(int index) const
    {
        QTabBar *tabs = editor->RecipePages->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    void click(const char *button) const
    {
        QTest::mouseClick(get<TPrzycisk>(button), Qt::LeftButton);
    }
    // Focus the field, select everything and type as a user would.
    void type(const char *field, const QString &keys) const
    {
        QWidget *w = get(field);
        auto *combo = qobject_cast<QComboBox *>(w);
        QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(w);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // One key event per character, Polish letters included.
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString text(const char *name) const
    {
        QWidget *w = get(name);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            return combo->currentText();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text();
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            return memo->toPlainText();
        if (auto *button = qobject_cast<TPrzycisk *>(w))
            return button->Caption();
        return get<QLabel>(name)->text();
    }
    QStringList items(const char *name) const
    {
        QStringList out;
        if (auto *list = qobject_cast<QListWidget *>(get(name)))
            for (int i = 0; i < list->count(); ++i)
                out << list->item(i)->text();
        else if (auto *combo = qobject_cast<QComboBox *>(get(name)))
            for (int i = 0; i < combo->count(); ++i)
                out << combo->itemText(i);
        return out;
    }
    void clickItem(const char *list, int row) const
    {
        auto *l = get<QListWidget>(list);
        QTest::mouseClick(
            l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    // The grid's rows as "number name quantity unit remark" lines.
    QStringList grid() const
    {
        QStringList out;
        for (const IngredientLine &l : editor->Ingredients->IngredientsGrid->lines())
            out << QStringList {l.number, l.nazwa, l.ilosc, l.jednostka, l.uwagi}.join(u' ');
        return out;
    }
    QByteArray file() const
    {
        QFile f(bookPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
