#include "editor/DictionaryHalf.h"

#include "controls/TPrzycisk.h"
#include "cookbook/Book.h"
#include "cookbook/BrowserRules.h"
#include "cookbook/Dictionaries.h"
#include "editor/EditorWidgets.h"
#include "editor/RecipeEditorHost.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace editorwidgets;

namespace {
const QString kName = QStringLiteral("nazwa");
const QString kForms[] = {QStringLiteral("d.lp"), QStringLiteral("m.lm"), QStringLiteral("d.lm")};
} // namespace

DictionaryHalf::DictionaryHalf(Kind kind, RecipeEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_host(host)
{
    const QString p = kind == Kind::Ingredients ? QStringLiteral("IngredientDictionary")
                                                : QStringLiteral("UnitDictionary");
    setObjectName(p);
    Heading = label(this, p + QLatin1String("Heading"), QString());
    List = list(this, p + QLatin1String("List"));
    List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    NameLabel = label(this, p + QLatin1String("NameLabel"), QStringLiteral("1 Nazwa"));
    Form0Label = label(this, p + QLatin1String("Form0Label"), QStringLiteral("0"));
    Form2Label = label(this, p + QLatin1String("Form2Label"), QStringLiteral("2"));
    Form5Label = label(this, p + QLatin1String("Form5Label"), QStringLiteral("5"));
    NameEdit = edit(this, p + QLatin1String("NameEdit"));
    Form0Edit = edit(this, p + QLatin1String("Form0Edit"));
    Form2Edit = edit(this, p + QLatin1String("Form2Edit"));
    Form5Edit = edit(this, p + QLatin1String("Form5Edit"));
    AddButton = button(this, p + QLatin1String("AddButton"), QStringLiteral("Dodaj"));
    CorrectButton = button(this, p + QLatin1String("CorrectButton"), QStringLiteral("Popraw"));
    DeleteButton = button(this, p + QLatin1String("DeleteButton"), QStringLiteral("Usuń"));
    NewButton = button(this, p + QLatin1String("NewButton"), QStringLiteral("Nowy"));
    SaveToButton = button(this, p + QLatin1String("SaveToButton"), QStringLiteral("Zapisz do"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(Heading, 0, 0, 1, 3);
    grid->addWidget(List, 1, 0, 6, 1);
    QLabel *labels[] = {NameLabel, Form0Label, Form2Label, Form5Label};
    QLineEdit *edits[] = {NameEdit, Form0Edit, Form2Edit, Form5Edit};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(labels[r], r + 1, 1, Qt::AlignRight);
        grid->addWidget(edits[r], r + 1, 2);
    }
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->setContentsMargins(0, 6, 0, 0);
    for (TPrzycisk *b : {AddButton, CorrectButton, DeleteButton, NewButton, SaveToButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 5, 2, Qt::AlignHCenter);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 1);
    for (QLineEdit *e : edits)
        e->setFixedWidth(112);

    connect(List, &QListWidget::itemClicked, this, handler(this, &DictionaryHalf::ListClick));
    connect(AddButton, &TPrzycisk::OnClick, this, handler(this, &DictionaryHalf::AddClick));
    connect(SaveToButton, &TPrzycisk::OnClick, this, handler(this, &DictionaryHalf::SaveToClick));
    connect(CorrectButton, &TPrzycisk::OnClick, this, handler(this, &DictionaryHalf::CorrectClick));
    connect(DeleteButton, &TPrzycisk::OnClick, this, handler(this, &DictionaryHalf::DeleteClick));
    connect(NewButton, &TPrzycisk::OnClick, this, handler(this, &DictionaryHalf::NewClick));
}

XmlNode *DictionaryHalf::dictionary() const
{
    const TXMLSlownikiType dictionaries = m_host.book().root().slowniki();
    return m_kind == Kind::Ingredients ? dictionaries.skladniki().node()
                                       : dictionaries.jednostki().node();
}

QString DictionaryHalf::entryTag() const
{
    return m_kind == Kind::Ingredients ? TXMLSkladnikType::tagName() : TXMLJednostkaType::tagName();
}

XmlNode *DictionaryHalf::entryNamed(const QString &name) const
{
    const XmlNode *d = dictionary();
    const QString tag = entryTag();
    for (int i = 0, n = d->elementCount(tag); i < n; ++i)
        if (XmlNode *entry = d->element(tag, i); entry->attribute(kName) == name)
            return entry;
    return nullptr;
}

QStringList DictionaryHalf::refresh()
{
    const XmlNode *d = dictionary();
    const QString tag = entryTag();
    QStringList names;
    for (int i = 0, n = d->elementCount(tag); i < n; ++i)
        names << d->element(tag, i)->attribute(kName);
    browserrules::sortTexts(names);
    List->clear();
    List->addItems(names);
    Heading->setText((m_kind == Kind::Ingredients ? QStringLiteral("Lista składników %1 pozycji")
                                                  : QStringLiteral("Lista jednostek %1 pozycji"))
                         .arg(names.size()));
    return names;
}

// A click shows the entry's name and forms, ready to be corrected.
void DictionaryHalf::ListClick()
{
    const QListWidgetItem *item = List->currentItem();
    if (!item)
        return;
    const XmlNode *entry = entryNamed(item->text());
    NameEdit->setText(entry ? entry->attribute(kName) : item->text());
    QLineEdit *forms[] = {Form0Edit, Form2Edit, Form5Edit};
    for (int f = 0; f < 3; ++f)
        forms[f]->setText(entry ? entry->attribute(kForms[f]) : QString());
}

void DictionaryHalf::writeBook()
{
    const QString path = m_host.book().BookPath();
    try {
        if (!path.isEmpty())
            m_host.SaveBook(path);
    } catch (...) {
        emit changed();
        throw;
    }
    emit changed();
}

void DictionaryHalf::AddClick()
{
    const DictionaryForms forms {
        NameEdit->text(), QString(), Form0Edit->text(), Form2Edit->text(), Form5Edit->text()};
    const bool added = m_kind == Kind::Ingredients
        ? AddIngredientToDictionary(m_host.book(), forms, -1)
        : AddUnitToDictionary(m_host.book(), forms);
    if (!added) {
        Platform::get().messageBox(m_kind == Kind::Ingredients
                ? QStringLiteral("Taki składnik już istnieje")
                : QStringLiteral("Taka jednostka już istnieje"),
            QStringLiteral("Komunikat"), Platform::Buttons::Ok, Platform::Icon::Exclamation);
        emit changed();
        return;
    }
    writeBook();
}

// The name and the three forms shown are written; the nominative singular, which this page does
// not show, is kept.
void DictionaryHalf::CorrectClick()
{
    const QListWidgetItem *item = List->currentItem();
    XmlNode *entry = item ? entryNamed(item->text()) : nullptr;
    if (!entry)
        return;
    entry->setAttribute(kName, NameEdit->text());
    const QLineEdit *forms[] = {Form0Edit, Form2Edit, Form5Edit};
    for (int f = 0; f < 3; ++f)
        entry->setAttribute(kForms[f], forms[f]->text());
    writeBook();
}

void DictionaryHalf::DeleteClick()
{
    const QListWidgetItem *item = List->currentItem();
    const XmlNode *entry = item ? entryNamed(item->text()) : nullptr;
    if (!entry)
        return;
    XmlNode *d = dictionary();
    const QString tag = entryTag();
    for (int i = 0, n = d->elementCount(tag); i < n; ++i)
        if (d->element(tag, i) == entry) {
            d->removeElement(tag, i);
            break;
        }
    writeBook();
}

void DictionaryHalf::NewClick()
{
    for (QLineEdit *e : {NameEdit, Form0Edit, Form2Edit, Form5Edit})
        e->clear();
}

// The highlighted names, in list order, go to another book.
void DictionaryHalf::SaveToClick()
{
    QStringList names;
    for (int i = 0; i < List->count(); ++i)
        if (List->item(i)->isSelected())
            names << List->item(i)->text();
    if (m_kind == Kind::Ingredients)
        m_host.ExportIngredients(names);
    else
        m_host.ExportUnits(names);
}
