#include "cookbook/PhotoFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The entry of that name in the folder: exact spelling first, then any letter case.
// Files include special ones (a FIFO, a device), so that showing one says why it cannot be shown
// instead of quietly showing nothing.
QString findEntry(const QDir &dir, const QString &name, QDir::Filters kind)
{
    const QFileInfo exact(dir.filePath(name));
    if (exact.exists() && ((kind & QDir::Dirs) ? exact.isDir() : !exact.isDir()))
        return exact.filePath();
    if (kind & QDir::Files)
        kind |= QDir::System;
    const QStringList entries = dir.entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return QString();
}

} // namespace

PhotoFolder::PhotoFolder(const QString &bookPath)
{
    if (bookPath.isEmpty())
        return;
    m_path = findEntry(QFileInfo(bookPath).absoluteDir(), QStringLiteral("zdjecia"), QDir::Dirs);
}

bool PhotoFolder::isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c == u'\0')
            return false;
    // A drive letter ("C:x.jpg") names a place outside the folder on the systems books come from.
    return !(name.size() >= 2 && name.at(1) == u':');
}

QString PhotoFolder::photoPath(const QString &name) const
{
    if (m_path.isEmpty() || !isPlainFileName(name))
        return QString();
    const QString found = findEntry(QDir(m_path), name, QDir::Files);
    if (found.isEmpty())
        return found;
    // A link inside the folder may point anywhere; only what really lies inside it is shown.
    const QString real = QFileInfo(found).canonicalFilePath();
    const QString folder = QFileInfo(m_path).canonicalFilePath();
    if (real.isEmpty() || folder.isEmpty() || !real.startsWith(folder + u'/'))
        return QString();
    return found;
}

QString PhotoFolder::placeFor(const QString &bookPath)
{
    if (bookPath.isEmpty())
        return QString();
    const PhotoFolder existing(bookPath);
    if (!existing.path().isEmpty())
        return existing.path();
    return QFileInfo(bookPath).absoluteDir().filePath(QStringLiteral("zdjecia"));
}

bool PhotoFolder::holds(const QString &filePath) const
{
    if (m_path.isEmpty())
        return false;
    const QString folder = QFileInfo(m_path).canonicalFilePath();
    const QString dir = QFileInfo(QFileInfo(filePath).canonicalFilePath()).absolutePath();
    return !folder.isEmpty() && dir == folder;
}
