#include "app/ItemText.h"

#include "cookbook/ShownText.h"

#include <QListWidgetItem>
#include <QTreeWidgetItem>

namespace {
constexpr int FullTextRole = Qt::UserRole + 1;
} // namespace

namespace itemtext {

void set(QListWidgetItem *item, const QString &text)
{
    item->setText(showntext::cut(text, showntext::ItemCharacters));
    if (text.size() > showntext::ItemCharacters)
        item->setData(FullTextRole, text);
}

QString of(const QListWidgetItem *item)
{
    const QVariant full = item->data(FullTextRole);
    return full.isValid() ? full.toString() : item->text();
}

void set(QTreeWidgetItem *node, const QString &text)
{
    node->setText(0, showntext::cut(text, showntext::ItemCharacters));
    if (text.size() > showntext::ItemCharacters)
        node->setData(0, FullTextRole, text);
}

QString of(const QTreeWidgetItem *node)
{
    const QVariant full = node->data(0, FullTextRole);
    return full.isValid() ? full.toString() : node->text(0);
}

} // namespace itemtext
