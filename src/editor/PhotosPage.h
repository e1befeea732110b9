#pragma once

#include <QStringList>
#include <QWidget>

class PhotoList;
class RecipeEditorHost;
class TPrzycisk;
class TTorvelImage;

// Page "  Zdjęcia": the recipe's photo names, the buttons to add, remove and clear them, and the
// picture viewer showing the chosen photo. Photos are looked up in the book's photo folder; a
// photo added from elsewhere is offered to be copied there, so that the cookbook can show it.
class PhotosPage : public QWidget
{
    Q_OBJECT

public:
    PhotosPage(RecipeEditorHost &host, QWidget *parent);

    QStringList photos() const;
    // The names of a recipe; the viewer shows the first one when its file is in the photo folder,
    // and nothing otherwise.
    void setPhotos(const QStringList &names);

    PhotoList *PhotoListBox;
    TPrzycisk *PhotoAddButton, *PhotoDeleteButton, *PhotoClearButton;
    TTorvelImage *TorvelImage1;

    // Handlers.
    void PhotoAddClick();
    void PhotoDeleteClick();
    void PhotoClearClick();
    void PhotoListClick();

private:
    QString photoFile(const QString &name) const;
    // Offers to copy the chosen files that lie outside the book's photo folder into it.
    void offerCopies(const QStringList &files);
    void copyIntoFolder(const QStringList &files, const QString &folder);

    RecipeEditorHost &m_host;
};
