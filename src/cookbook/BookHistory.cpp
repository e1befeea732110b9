#include "cookbook/BookHistory.h"

#include "core/AppError.h"
#include "core/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <unistd.h>

namespace {

bool g_hardLinks = true;
constexpr qint64 kMaxBook = qint64(1) << 30;
const QString kStampFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss.zzz");

struct Entry
{
    QString path;
    QDateTime time;
    int serial = 1; // versions made in the same millisecond
};

// "<book name> <time>.xml" or "<book name> <time> <serial>.xml" in the folder.
QList<Entry> entries(const QString &bookPath)
{
    const QString base = QFileInfo(bookPath).completeBaseName();
    const QRegularExpression name(u'^' + QRegularExpression::escape(base)
        + QStringLiteral(R"( (\d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.\d{3})(?: (\d+))?\.xml$)"));
    QList<Entry> found;
    const QDir dir(bookhistory::folder(bookPath));
    for (const QString &file : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        Entry e {dir.filePath(file), QDateTime::fromString(m.captured(1), kStampFormat),
            m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()};
        if (e.time.isValid())
            found << e;
    }
    std::sort(found.begin(), found.end(), [](const Entry &a, const Entry &b) {
        return a.time != b.time ? a.time < b.time : a.serial < b.serial;
    });
    return found; // oldest first
}

// Counts recipe start tags without parsing: the list only needs a figure to tell versions apart.
int countRecipes(const QByteArray &bytes)
{
    int count = 0;
    const QByteArray tag("<przepis");
    for (qsizetype at = bytes.indexOf(tag); at >= 0; at = bytes.indexOf(tag, at + tag.size())) {
        const qsizetype next = at + tag.size();
        if (next < bytes.size()) {
            const char c = bytes.at(next);
            if (c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
                ++count;
        }
    }
    return count;
}

// The current file kept under a new version name; empty when it could not be kept.
QString keep(const QString &bookPath)
{
    const QString dir = bookhistory::folder(bookPath);
    if (!QDir().mkpath(dir))
        return {};
    const QString base = QFileInfo(bookPath).completeBaseName() + u' '
        + QDateTime::currentDateTime().toString(kStampFormat);
    QString target = QDir(dir).filePath(base + QStringLiteral(".xml"));
    for (int serial = 2; QFileInfo::exists(target); ++serial)
        target = QDir(dir).filePath(base + QStringLiteral(" %1.xml").arg(serial));
    const QString source = QFileInfo(bookPath).canonicalFilePath();
    if (g_hardLinks
        && ::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData())
            == 0)
        return target;
    try {
        safefile::write(target, safefile::read(source, kMaxBook));
    } catch (const AppError &) {
        return {};
    }
    return target;
}

} // namespace

namespace bookhistory {

QString folder(const QString &bookPath)
{
    return QFileInfo(bookPath).absoluteDir().filePath(QStringLiteral("kopie"));
}

QList<Version> versions(const QString &bookPath)
{
    QList<Version> out;
    const QList<Entry> found = entries(bookPath);
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        int recipes = -1;
        try {
            recipes = countRecipes(safefile::read(it->path, kMaxBook));
        } catch (const AppError &) {
            // Listed all the same; restoring it will say what is wrong.
        }
        out << Version {it->path, it->time, recipes};
    }
    return out;
}

void writeKeeping(const QString &bookPath, const QByteArray &bytes)
{
    const QString kept = safefile::isRegularFile(bookPath) ? keep(bookPath) : QString();
    try {
        safefile::write(bookPath, bytes);
    } catch (...) {
        // The file is still what the new version holds: that version is not needed.
        if (!kept.isEmpty())
            QFile::remove(kept);
        throw;
    }
    const QList<Entry> found = entries(bookPath);
    for (qsizetype i = 0; i + MaxVersions < found.size(); ++i)
        QFile::remove(found[i].path);
}

void restore(const QString &bookPath, const QString &versionPath)
{
    writeKeeping(bookPath, safefile::read(versionPath, kMaxBook));
}

void setHardLinksForTests(bool allowed)
{
    g_hardLinks = allowed;
}

} // namespace bookhistory
