#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class RecipeEditorHost;
class TPrzycisk;
class XmlNode;

// One half of the dictionary page: the book's ingredients or its units, with a name and its three
// grammatical forms. Its controls are named after the half: "IngredientDictionaryList",
// "UnitDictionaryNameEdit", ... Every change is written to the book at once.
class DictionaryHalf : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Ingredients, Units };

    DictionaryHalf(Kind kind, RecipeEditorHost &host, QWidget *parent);

    // The list and heading filled from the book; returns the names, sorted.
    QStringList refresh();

    QLabel *Heading;
    QListWidget *List;
    QLabel *NameLabel, *Form0Label, *Form2Label, *Form5Label;
    QLineEdit *NameEdit, *Form0Edit, *Form2Edit, *Form5Edit;
    TPrzycisk *AddButton, *CorrectButton, *DeleteButton, *NewButton, *SaveToButton;

    // Handlers.
    void ListClick();
    void AddClick();
    void CorrectClick();
    void DeleteClick();
    void NewClick();
    void SaveToClick();

signals:
    // The dictionary changed (or an add was refused): the editor's lists are to be filled again.
    void changed();

private:
    XmlNode *dictionary() const;
    QString entryTag() const;
    // The first entry of exactly that name, or nullptr.
    XmlNode *entryNamed(const QString &name) const;
    void writeBook();

    Kind m_kind;
    RecipeEditorHost &m_host;
};
