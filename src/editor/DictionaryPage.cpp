#include "editor/DictionaryPage.h"

#include "editor/DictionaryHalf.h"

#include <QFrame>
#include <QHBoxLayout>

DictionaryPage::DictionaryPage(RecipeEditorHost &host, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DictionaryPage"));
    Ingredients = new DictionaryHalf(DictionaryHalf::Kind::Ingredients, host, this);
    Units = new DictionaryHalf(DictionaryHalf::Kind::Units, host, this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 6, 8, 8);
    page->setSpacing(8);
    page->addWidget(Ingredients, 1);
    page->addWidget(line);
    page->addWidget(Units, 1);
    connect(Ingredients, &DictionaryHalf::changed, this, &DictionaryPage::changed);
    connect(Units, &DictionaryHalf::changed, this, &DictionaryPage::changed);
}
