#pragma once

#include <QString>

class QListWidgetItem;
class QTreeWidgetItem;

// List entries and tree nodes show at most a few hundred characters: an item view lays out an
// item's whole text to measure and paint it, which for a title of a megabyte takes seconds on
// every paint. The whole text stays with the item, and lookups read it from there.
namespace itemtext {

void set(QListWidgetItem *item, const QString &text);
QString of(const QListWidgetItem *item);
void set(QTreeWidgetItem *node, const QString &text);
QString of(const QTreeWidgetItem *node);

} // namespace itemtext
