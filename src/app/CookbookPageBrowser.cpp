// The recipe browser of the cookbook page: tree of groups, list of titles, deleting.
#include "app/CookbookPage.h"

#include "app/ItemText.h"

#include "platform/Platform.h"

#include <QCollator>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSet>
#include <QTreeWidget>
#include <algorithm>

namespace {

// The two node pictures: a closed book for a node, an open one for a selected node.
QIcon nodeIcon()
{
    auto draw = [](bool open) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor cover(0x8B, 0x3A, 0x2B);
        if (open) {
            p.setPen(QPen(cover, 1));
            p.setBrush(QColor(0xFF, 0xF8, 0xE7));
            p.drawRect(QRectF(1.5, 3.5, 6, 10));
            p.drawRect(QRectF(8.5, 3.5, 6, 10));
            p.setPen(QColor(0xB0, 0x9A, 0x80));
            for (int y = 6; y <= 11; y += 2) {
                p.drawLine(3, y, 6, y);
                p.drawLine(10, y, 13, y);
            }
        } else {
            p.setPen(QPen(cover.darker(130), 1));
            p.setBrush(cover);
            p.drawRoundedRect(QRectF(3.5, 1.5, 10, 13), 1.5, 1.5);
            p.setPen(QColor(0xE8, 0xC8, 0x70));
            p.drawLine(6, 5, 11, 5);
            p.drawLine(6, 7, 11, 7);
        }
        return pm;
    };
    QIcon icon;
    icon.addPixmap(draw(false), QIcon::Normal);
    icon.addPixmap(draw(true), QIcon::Selected);
    return icon;
}

QCollator titleCollator()
{
    QCollator c {QLocale(QLocale::Polish, QLocale::Poland)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(true);
    return c;
}

void sortTexts(QStringList &texts)
{
    const QCollator c = titleCollator();
    std::stable_sort(texts.begin(), texts.end(),
        [&c](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
}

QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &text, const QIcon &icon)
{
    auto *node = new QTreeWidgetItem(parent);
    itemtext::set(node, text);
    node->setIcon(0, icon);
    return node;
}

} // namespace

void CookbookPage::createGroupNodes()
{
    const QSignalBlocker quiet(TreeView1);
    TreeView1->clear();
    const QIcon icon = nodeIcon();
    QTreeWidgetItem *groups[3];
    const QString names[]
        = {QStringLiteral("Cała książka"), QStringLiteral("Kuchnia"), QStringLiteral("Autor")};
    for (int i = 0; i < 3; ++i) {
        groups[i] = new QTreeWidgetItem(TreeView1, QStringList {names[i]});
        groups[i]->setIcon(0, icon);
    }
    m_allNode = groups[0];
    m_cuisineNode = groups[1];
    m_authorNode = groups[2];
}

void CookbookPage::setListTitles(QStringList titles)
{
    sortTexts(titles);
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const QString &title : std::as_const(titles))
        itemtext::set(new QListWidgetItem(ListBox1), title);
    emit selectionChanged(false);
}

void CookbookPage::fillBrowser()
{
    // Equal texts share one node; a value contained in another (Azja in Azja Wschodnia) still
    // gets its own, so its recipes stay reachable.
    QStringList cuisines, authors, categories;
    QSet<QString> seenCuisines, seenAuthors, seenCategories;
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        const QString cuisine = r.kuchnia();
        if (!cuisine.isEmpty() && !seenCuisines.contains(cuisine)) {
            seenCuisines.insert(cuisine);
            cuisines << cuisine;
        }
        const QString author = r.autor();
        if (!author.isEmpty() && !seenAuthors.contains(author)) {
            seenAuthors.insert(author);
            authors << author;
        }
        const TXMLKategoriaTypeList cats = r.kategoria();
        for (int k = 0, m = cats.count(); k < m; ++k) {
            const QString name = cats[k].nazwa();
            if (!seenCategories.contains(name)) {
                seenCategories.insert(name);
                categories << name;
            }
        }
    }
    const QIcon icon = nodeIcon();
    const std::pair<QTreeWidgetItem *, QStringList *> groups[]
        = {{m_allNode, &categories}, {m_cuisineNode, &cuisines}, {m_authorNode, &authors}};
    for (auto [node, texts] : groups) {
        sortTexts(*texts);
        for (const QString &text : std::as_const(*texts))
            addNode(node, text, icon);
    }
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(m_allNode);
    }
    SelectTreeNode(m_allNode);
    m_allNode->setExpanded(true);
}

void CookbookPage::showFirstOfList()
{
    if (ListBox1->count() == 0) {
        clearView();
        return;
    }
    const QString first = itemtext::of(ListBox1->item(0));
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i)
        if (recipes[i].tytul() == first)
            CurrentRecipeIndex = i;
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    emit selectionChanged(true);
    showRecipe(CurrentRecipeIndex);
}

void CookbookPage::refreshFromMemory()
{
    createGroupNodes();
    fillBrowser();
    showFirstOfList();
}

void CookbookPage::SelectTreeNode(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    const int count = recipes.count();
    QTreeWidgetItem *group = node->parent();
    if (!group || count == 0) {
        QStringList titles;
        if (node == m_allNode)
            for (int i = 0; i < count; ++i)
                titles << recipes[i].tytul();
        setListTitles(titles);
        return;
    }

    const QString text = itemtext::of(node);
    QStringList titles;
    for (int i = 0; i < count; ++i) {
        const TXMLPrzepisType r = recipes[i];
        bool listed = false;
        if (group == m_allNode)
            listed = r.kategoria().indexOfName(text) >= 0;
        else if (group == m_cuisineNode)
            listed = r.kuchnia().contains(text);
        else if (group == m_authorNode)
            listed = r.autor() == text;
        if (listed)
            titles << r.tytul();
    }
    setListTitles(titles);
    if (ListBox1->count() == 0)
        return;
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    emit selectionChanged(true);
    // The title may occur several times in the book: the last of them is shown.
    const QString first = itemtext::of(ListBox1->item(0));
    CurrentRecipeIndex = 0;
    for (int i = 0; i < count; ++i)
        if (recipes[i].tytul() == first)
            CurrentRecipeIndex = i;
    const TXMLPrzepisType current = recipes[CurrentRecipeIndex];
    if (current.porcje().isEmpty())
        current.setPorcje(QStringLiteral("1"));
    Edit13->setText(current.porcje());
    showRecipe(CurrentRecipeIndex);
}

void CookbookPage::SelectListEntry()
{
    const QListWidgetItem *entry = ListBox1->currentItem();
    if (!entry)
        return;
    const QString title = itemtext::of(entry);
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    for (int i = 0, n = recipes.count(); i < n; ++i) {
        const TXMLPrzepisType r = recipes[i];
        if (r.tytul() != title)
            continue;
        CurrentRecipeIndex = i;
        if (r.porcje().isEmpty())
            r.setPorcje(QStringLiteral("1"));
        Edit13->setText(r.porcje());
        showRecipe(i);
        return;
    }
}

void CookbookPage::DeleteCurrentRecipe()
{
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    if (ListBox1->count() == 0 || CurrentRecipeIndex < 0 || CurrentRecipeIndex >= recipes.count())
        return;
    if (Platform::get().messageBox(QStringLiteral("Czy napewno chcesz usunąc przepis ?"),
            QStringLiteral("Uwaga"), Platform::Buttons::YesNo, Platform::Icon::Warning)
        != Platform::Answer::Yes)
        return;
    recipes.remove(CurrentRecipeIndex);
    SaveAndReloadBook();
}

void CookbookPage::Usunprzepis1Click()
{
    DeleteCurrentRecipe();
}

int CookbookPage::selectedCount() const
{
    return int(ListBox1->selectedItems().size());
}

QStringList CookbookPage::selectedTitles() const
{
    QStringList titles;
    for (int i = 0, n = ListBox1->count(); i < n; ++i)
        if (ListBox1->item(i)->isSelected())
            titles << itemtext::of(ListBox1->item(i));
    return titles;
}
