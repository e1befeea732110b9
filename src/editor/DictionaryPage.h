#pragma once

#include <QWidget>

class DictionaryHalf;
class RecipeEditorHost;

// Page "Słownik": the ingredient dictionary on the left, the unit dictionary on the right.
class DictionaryPage : public QWidget
{
    Q_OBJECT

public:
    DictionaryPage(RecipeEditorHost &host, QWidget *parent);

    DictionaryHalf *Ingredients;
    DictionaryHalf *Units;

signals:
    void changed();
};
