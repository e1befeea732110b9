#pragma once

#include <QString>

// Where a book's recipe photos lie: the folder "zdjecia" beside the book file, its name matched
// without regard to letter case (books come from systems that ignore it).
class PhotoFolder
{
public:
    explicit PhotoFolder(const QString &bookPath);

    // The folder, or empty when the book has never been saved or the folder does not exist.
    QString path() const { return m_path; }

    // The file of a photo name, or empty when there is no such file. Only plain file names are
    // looked up: a name with a folder part, "." or ".." never leaves the photo folder.
    QString photoPath(const QString &name) const;

    static bool isPlainFileName(const QString &name);

    // Where the folder is, or where it goes when it does not exist yet; empty for a book that has
    // never been saved.
    static QString placeFor(const QString &bookPath);
    // Whether the file lies directly in this folder (links followed).
    bool holds(const QString &filePath) const;

private:
    QString m_path;
};
