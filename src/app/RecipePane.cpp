#include "app/RecipePane.h"

#include "app/PhotoBox.h"
#include "app/RecipeView.h"
#include "platform/Platform.h"

#include <QBoxLayout>
#include <QDir>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int kSpacing = 6;

QString pdfNameFor(const QString &title)
{
    QString name = title.trimmed();
    for (QChar &c : name)
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'_';
    return (name.isEmpty() ? QStringLiteral("przepis") : name) + QStringLiteral(".pdf");
}

} // namespace

RecipePane::RecipePane(QMenu *viewMenu, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RecipePane"));
    PhotoBox1 = new PhotoBox(QStringLiteral("PhotoBox1"), this);
    WwwButton = new QPushButton(QStringLiteral("Strona www"), this);
    WwwButton->setObjectName(QStringLiteral("WwwButton"));
    WwwButton->setEnabled(false);
    RichEdit1 = new RecipeView(QStringLiteral("RichEdit1"), this);
    RichEdit1->setPopupMenu(viewMenu);

    auto *photoSide = new QVBoxLayout;
    photoSide->addStretch(1);
    photoSide->addWidget(WwwButton);
    auto *top = new QHBoxLayout;
    top->setSpacing(kSpacing);
    top->addWidget(PhotoBox1);
    top->addLayout(photoSide, 1);
    auto *pane = new QVBoxLayout(this);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->setSpacing(kSpacing);
    pane->addLayout(top);
    pane->addWidget(RichEdit1, 1);
}

void RecipePane::clear()
{
    RichEdit1->clear();
    PhotoBox1->clear();
    WwwButton->setEnabled(false);
}

void RecipePane::printPreview()
{
    Platform::get().printPreview(*RichEdit1->document(), RichEdit1->document()->begin().text());
}

void RecipePane::print(const QString &pdfFolder)
{
    Platform &platform = Platform::get();
    if (platform.hasPrinter()) {
        platform.print(*RichEdit1->document(), QString());
        return;
    }
    if (platform.messageBox(QStringLiteral("Nie znaleziono drukarki.\n"
                                           "Czy zapisać przepis do pliku PDF?"),
            QStringLiteral("Uwaga"), Platform::Buttons::YesNo, Platform::Icon::Warning)
        != Platform::Answer::Yes)
        return;
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Zapisz przepis jako PDF");
    dialog.filter = QStringLiteral("PDF|*.pdf");
    dialog.defaultSuffix = QStringLiteral("pdf");
    dialog.fileName = pdfNameFor(RichEdit1->document()->begin().text());
    if (!pdfFolder.isEmpty())
        dialog.fileName = QDir(pdfFolder).filePath(dialog.fileName);
    const QString path = platform.saveFile(dialog);
    if (!path.isEmpty())
        platform.printToPdf(*RichEdit1->document(), path);
}
