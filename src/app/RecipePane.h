#pragma once

#include <QWidget>

class PhotoBox;
class QMenu;
class QPushButton;
class RecipeView;

// The right side of the cookbook page: the recipe's photo, its web-page button and the formatted
// recipe, and printing what the view shows.
class RecipePane : public QWidget
{
    Q_OBJECT

public:
    RecipePane(QMenu *viewMenu, QWidget *parent);

    void clear();
    // Prints the view on the default printer; without one, offers a PDF file, proposed in
    // pdfFolder (empty: the current folder) under the recipe's title.
    void print(const QString &pdfFolder);
    void printPreview();

    PhotoBox *PhotoBox1;
    QPushButton *WwwButton;
    RecipeView *RichEdit1;
};
