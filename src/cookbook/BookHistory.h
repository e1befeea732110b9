#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The earlier versions of a book, kept in "kopie" beside it: every write of the book first keeps
// the file it replaces there, so no change is ever lost. The version is a hard link to the old
// file where the file system allows (no copying), a copy elsewhere.
namespace bookhistory {

constexpr int MaxVersions = 20;

struct Version
{
    QString path;
    QDateTime time;
    int recipes = 0;
};

QString folder(const QString &bookPath);

// The book's versions, newest first, with the number of recipes each holds.
QList<Version> versions(const QString &bookPath);

// Replaces the book's file with the bytes (atomically), keeping the file it replaces as a version,
// then removes the oldest versions beyond MaxVersions. A failed write removes no version and
// throws as safefile::write does.
void writeKeeping(const QString &bookPath, const QByteArray &bytes);

// The version's content becomes the book's file; the current file becomes a version first.
void restore(const QString &bookPath, const QString &versionPath);

// Tests only: copy instead of linking, as on a file system without hard links.
void setHardLinksForTests(bool allowed);

} // namespace bookhistory
