#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class TPrzycisk;

// The editor's controls are made alike: each with its object name, image buttons 80 x 40,
// drop-down lists that take any typed text and never change it by completing it.
namespace editorwidgets {

TPrzycisk *button(QWidget *parent, const QString &name, const QString &caption);
QLabel *label(QWidget *parent, const QString &name, const QString &text);
QLineEdit *edit(QWidget *parent, const QString &name);
QComboBox *combo(QWidget *parent, const QString &name);
QListWidget *list(QWidget *parent, const QString &name);

// New items for a drop-down list; the text typed in it stays.
void setItems(QComboBox *combo, const QStringList &items);
QStringList items(const QListWidget *list);

// The row of a list's focus item when it is also selected, else -1.
int selectedRow(const QListWidget *list);

} // namespace editorwidgets
