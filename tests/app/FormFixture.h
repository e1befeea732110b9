#pragma once

#include "TestEnv.h"
#include "app/TForm1.h"
#include "assets/InitAssets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

// The main window as the program makes it, in a fresh application folder with the scripted
// platform; shown and active so focus behaves as for a user.
struct FormFixture
{
    TestEnv env;
    std::unique_ptr<TForm1> form;

    explicit FormFixture(bool show = true) { start(show); }

    void start(bool show = true)
    {
        initSolvarinAssets();
        form = std::make_unique<TForm1>();
        if (show) {
            form->show();
            QApplication::setActiveWindow(form.get());
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        }
    }
    void restart()
    {
        form.reset();
        start();
    }

    template<class T = QLabel>
    T *get(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString text(const char *label) const { return get<QLabel>(label)->text(); }

    // Focus the field, select everything and type as a user would.
    void type(const char *field, const QString &keys) const
    {
        auto *edit = get<QLineEdit>(field);
        edit->setFocus(Qt::MouseFocusReason);
        QVERIFY(edit->hasFocus());
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
        box->setFocus(Qt::MouseFocusReason);
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentIndex(), index);
    }
    // Pick an item from the open list, as with the mouse: one choice, whatever lies between.
    void choose(const char *list, int index) const
    {
        auto *box = get<QComboBox>(list);
        box->setFocus(Qt::MouseFocusReason);
        QVERIFY(box->hasFocus());
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
};
