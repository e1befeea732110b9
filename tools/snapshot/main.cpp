// Renders every page of the main window (and the open panels) to PNG files, under the offscreen
// platform, so the pages can be looked at without a desktop. Usage: snapshot <output folder>
#include "app/CookbookEditorHost.h"
#include "app/CookbookPage.h"
#include "app/DryCuringPage.h"
#include "app/EffectsPanel.h"
#include "app/OwnProportionsPanel.h"
#include "app/PhotoBox.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/WetCuringPage.h"
#include "assets/InitAssets.h"
#include "core/AppPaths.h"
#include "editor/TForm4.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {
// Nobody is there to answer: messages go to the terminal and questions are cancelled.
class UnattendedPlatform : public QtPlatform
{
public:
    Answer messageBox(const QString &text, const QString &caption, Buttons, Icon) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return Answer::Cancel;
    }
    void showError(const QString &message) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(message));
    }
};
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: snapshot <output folder> [book.xml]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    initSolvarinAssets();
    // A fresh application folder, so the pictures show the program as a new user sees it.
    QTemporaryDir appDir;
    AppPaths::setAppDirForTests(appDir.path());
    UnattendedPlatform platform;
    Platform::install(&platform);

    TForm1 form;
    form.show();
    form.activateWindow();
    QApplication::processEvents();
    form.FormActivate();

    auto save = [&](const QString &name) {
        QApplication::processEvents();
        const QString path = QDir(out).filePath(name + QStringLiteral(".png"));
        if (!form.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
    };
    for (int page = 0; page < form.PageControl1->count(); ++page) {
        form.PageControl1->setCurrentIndex(page);
        save(QStringLiteral("page%1").arg(page));
    }
    form.PageControl1->setCurrentIndex(0);
    form.WetPage->showOwnPanel();
    save(QStringLiteral("page0-own-variant"));
    form.WetPage->Panel8->hide();
    form.PageControl1->setCurrentIndex(1);
    form.DryPage->showOwnPanel();
    save(QStringLiteral("page1-own-variant"));
    form.DryPage->Panel2->hide();

    // The effects panel over the first page, on each of its tabs.
    form.PageControl1->setCurrentIndex(0);
    form.Panel3->Open();
    for (int tab = 0; tab < form.Panel3->PageControl2->count(); ++tab) {
        form.Panel3->PageControl2->setCurrentIndex(tab);
        save(QStringLiteral("effects-tab%1").arg(tab));
    }
    form.Panel3->Close();

    // With a book given, the cookbook page once more, showing a recipe with a photo.
    if (argc > 2) {
        form.CookbookPage1->LoadBook(QString::fromLocal8Bit(argv[2]));
        form.PageControl1->setCurrentIndex(4);
        QListWidget *list = form.CookbookPage1->ListBox1;
        for (int i = 0; i < list->count(); ++i) {
            const QRect r = list->visualItemRect(list->item(i));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            if (!form.CookbookPage1->PhotoBox1->picture().isNull())
                break;
        }
        save(QStringLiteral("page4-book"));

        // The recipe editor on that recipe, each of its pages.
        TForm4 editor(*form.findChild<CookbookEditorHost *>(), &form);
        editor.EditExistingRecipe = true;
        editor.show();
        for (int page = 0; page < editor.RecipePages->count(); ++page) {
            editor.RecipePages->setCurrentIndex(page);
            QApplication::processEvents();
            const QString path = QDir(out).filePath(QStringLiteral("editor-page%1.png").arg(page));
            if (editor.grab().save(path))
                std::printf("%s\n", qPrintable(path));
        }
    }
    // The nitrite window over the first page, and the recipe search.
    form.PageControl1->setCurrentIndex(0);
    form.action(QStringLiteral("Azotynwpeklowaniu1"))->trigger();
    form.action(QStringLiteral("Szukajprzepisu1"))->trigger();
    for (const char *name : {"NitriteWindow", "RecipeSearchWindow"}) {
        auto *window = form.findChild<QWidget *>(QString::fromLatin1(name));
        // With a book, the search shows what a few typed letters find.
        if (auto *search = form.findChild<QLineEdit *>(QStringLiteral("SearchEdit")))
            search->setText(QStringLiteral("ki"));
        QApplication::processEvents();
        if (window && window->grab().save(QDir(out).filePath(QString::fromLatin1(name) + ".png")))
            std::printf("%s\n", name);
    }

    TForm2 about(&form);
    about.show();
    QApplication::processEvents();
    about.grab().save(QDir(out).filePath(QStringLiteral("about.png")));
    return 0;
}
