#include "editor/PhotosPage.h"

#include "controls/PictureFile.h"
#include "controls/TPrzycisk.h"
#include "controls/TTorvelImage.h"
#include "cookbook/Book.h"
#include "cookbook/PhotoFolder.h"
#include "core/AppError.h"
#include "core/SafeFile.h"
#include "editor/EditorWidgets.h"
#include "editor/PhotoList.h"
#include "editor/RecipeEditorHost.h"
#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>

using namespace editorwidgets;

namespace {
const QString kCaution = QStringLiteral("Uwaga");
} // namespace

PhotosPage::PhotosPage(RecipeEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("PhotosPage"));
    PhotoListBox = new PhotoList(this);
    PhotoListBox->setObjectName(QStringLiteral("PhotoListBox"));
    PhotoAddButton = button(this, "PhotoAddButton", QStringLiteral("Dodaj"));
    PhotoDeleteButton = button(this, "PhotoDeleteButton", QStringLiteral("Usuń"));
    PhotoClearButton = button(this, "PhotoClearButton", QStringLiteral("Wyczyść"));
    TorvelImage1 = new TTorvelImage(this);
    TorvelImage1->setObjectName(QStringLiteral("TorvelImage1"));
    TorvelImage1->setFixedSize(345, 321);
    TorvelImage1->ScrollBars()->setBackGnd(TScrollProperties::bgPattern);
    TorvelImage1->ScrollBars()->setIncrement(1);
    TorvelImage1->ScrollBars()->setShowHandleGrip(true);
    TorvelImage1->setStylRysowania(TTorvelImage::srObiekt);
    TorvelImage1->setZoom(1);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(PhotoListBox, 0, 0, 1, 3);
    grid->addWidget(PhotoAddButton, 1, 0);
    grid->addWidget(PhotoDeleteButton, 1, 1);
    grid->addWidget(PhotoClearButton, 1, 2);
    grid->addWidget(TorvelImage1, 0, 3, 2, 1, Qt::AlignTop);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(4, 1);

    connect(PhotoAddButton, &TPrzycisk::OnClick, this, handler(this, &PhotosPage::PhotoAddClick));
    connect(
        PhotoDeleteButton, &TPrzycisk::OnClick, this, handler(this, &PhotosPage::PhotoDeleteClick));
    connect(
        PhotoClearButton, &TPrzycisk::OnClick, this, handler(this, &PhotosPage::PhotoClearClick));
    connect(
        PhotoListBox, &QListWidget::itemClicked, this, handler(this, &PhotosPage::PhotoListClick));
}

QStringList PhotosPage::photos() const
{
    return items(PhotoListBox);
}

QString PhotosPage::photoFile(const QString &name) const
{
    return PhotoFolder(m_host.book().BookPath()).photoPath(name);
}

void PhotosPage::setPhotos(const QStringList &names)
{
    PhotoListBox->clear();
    PhotoListBox->addItems(names);
    if (names.isEmpty())
        return;
    const QString file = photoFile(names.first());
    if (file.isEmpty()) {
        TorvelImage1->setPicture(QImage());
        return;
    }
    // A photo that cannot be read is reported; the rest of the recipe still loads.
    runGuarded([&] { TorvelImage1->LoadFromFile(file); });
}

void PhotosPage::PhotoAddClick()
{
    Platform::FileDialog dialog;
    dialog.title = QStringLiteral("Dodaj zdjęcia");
    dialog.multiSelect = true;
    const QStringList files = Platform::get().openPictures(dialog);
    if (files.isEmpty())
        return;
    for (const QString &file : files)
        PhotoListBox->addItem(QFileInfo(file).fileName());
    runGuarded([&] { TorvelImage1->LoadFromFile(files.first()); });
    offerCopies(files);
}

void PhotosPage::offerCopies(const QStringList &files)
{
    const QString bookPath = m_host.book().BookPath();
    const PhotoFolder folder(bookPath);
    QStringList outside;
    for (const QString &file : files)
        if (!folder.holds(file))
            outside << file;
    if (outside.isEmpty())
        return;
    Platform &platform = Platform::get();
    if (bookPath.isEmpty()) {
        platform.messageBox(
            QStringLiteral("Książka nie jest jeszcze zapisana, więc nie ma folderu zdjęć.\n"
                           "Zdjęcia pokażą się w książce, gdy ich pliki znajdą się w folderze "
                           "\"zdjecia\" obok zapisanej książki."),
            kCaution, Platform::Buttons::Ok, Platform::Icon::Information);
        return;
    }
    const QString place = PhotoFolder::placeFor(bookPath);
    if (platform.messageBox(
            QStringLiteral("Zdjęcia spoza folderu zdjęć książki nie pokażą się w książce:\n%1\n\n"
                           "Skopiować je do tego folderu?")
                .arg(QDir::toNativeSeparators(place)),
            kCaution, Platform::Buttons::YesNo, Platform::Icon::Warning)
        == Platform::Answer::Yes)
        copyIntoFolder(outside, place);
}

void PhotosPage::copyIntoFolder(const QStringList &files, const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw AppError(QStringLiteral("Nie można utworzyć folderu %1").arg(folder));
    for (const QString &file : files) {
        const QString name = QFileInfo(file).fileName();
        const QString existing = PhotoFolder(m_host.book().BookPath()).photoPath(name);
        const QString target = existing.isEmpty() ? QDir(folder).filePath(name) : existing;
        if (QFileInfo::exists(target)
            && Platform::get().messageBox(
                   QStringLiteral("W folderze zdjęć jest już plik \"%1\".\nZastąpić go?").arg(name),
                   kCaution, Platform::Buttons::YesNo, Platform::Icon::Warning)
                != Platform::Answer::Yes)
            continue;
        safefile::write(target, safefile::read(file, picturefile::MaxBytes));
    }
}

void PhotosPage::PhotoDeleteClick()
{
    const int row = selectedRow(PhotoListBox);
    if (row < 0)
        return;
    delete PhotoListBox->takeItem(row);
    PhotoListBox->setCurrentRow(-1);
    PhotoListBox->clearSelection();
}

void PhotosPage::PhotoClearClick()
{
    PhotoListBox->clear();
}

void PhotosPage::PhotoListClick()
{
    const QListWidgetItem *item = PhotoListBox->currentItem();
    if (!item)
        return;
    const QString file = photoFile(item->text());
    if (!file.isEmpty())
        TorvelImage1->LoadFromFile(file);
}
