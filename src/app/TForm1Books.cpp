#include "app/TForm1.h"

#include "app/BookCopyCommands.h"
#include "app/CookbookEditorHost.h"
#include "app/CookbookPage.h"
#include "app/RecipeView.h"
#include "app/TForm7.h"
#include "platform/ErrorHandler.h"

#include <QAction>
#include <QCheckBox>

void TForm1::connectBookWindows()
{
    CookbookPage *page = CookbookPage1;
    Form7 = new TForm7(page->PopupMenu5, this);
    page->setDescriptionView(Form7->RichEdit1);
    connect(page, &CookbookPage::descriptionTitleChanged, Form7, &QWidget::setWindowTitle);
    connect(page->CheckBox2, &QCheckBox::clicked, this, [this](bool checked) {
        Form7->PlaceDescriptionWindow();
        Form7->setVisible(checked);
    });
    connect(Form7, &TForm7::closed, this, [page] { page->CheckBox2->setChecked(false); });

    m_copying = new BookCopyCommands(*page, this);
    BookCopyCommands *copying = m_copying;
    const std::pair<const char *, void (BookCopyCommands::*)()> items[]
        = {{"Kopiujzaznaczone1", &BookCopyCommands::CopyRecipesToOtherBook},
            {"Kopiujskladniki1", &BookCopyCommands::ImportIngredients},
            {"Kopiujjednostki1", &BookCopyCommands::ImportUnits}};
    for (const auto &[name, command] : items) {
        QAction *item = action(QString::fromLatin1(name));
        item->setEnabled(true);
        connect(item, &QAction::triggered, copying, handler(copying, command));
    }
    // The main menu's copy item, like the list's, only while some title is selected.
    QAction *copySelected = action(QStringLiteral("Kopiujzaznaczone1"));
    copySelected->setEnabled(page->selectedCount() > 0);
    connect(page, &CookbookPage::selectionChanged, copySelected, &QAction::setEnabled);
    connect(page, &CookbookPage::copySelectedRequested, copying,
        [copying] { copying->CopyRecipesToOtherBook(); });
    if (auto *editorHost = findChild<CookbookEditorHost *>())
        editorHost->setCopying(copying);
}
