#include "app/SampleBook.h"

#include "core/AppError.h"
#include "core/AppPaths.h"
#include "core/SafeFile.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSample = QStringLiteral("Przepisy babci.xml");
constexpr qint64 kMaxCopy = 64 * 1024 * 1024;

void copyNew(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(to))
        safefile::write(to, safefile::read(from, kMaxCopy));
}

} // namespace

namespace samplebook {

QString examplesDir()
{
    return QDir::cleanPath(AppPaths::appDir() + QStringLiteral("/../share/solvarin/examples"));
}

QString offer(const QString &examples, const QString &dataDir, const QString &lastBook)
{
    const QString source = QDir(examples).filePath(kSample);
    if (QFileInfo::exists(lastBook) || !QFileInfo::exists(source))
        return {};
    const Platform::Answer answer = Platform::get().messageBox(
        QStringLiteral("Nie masz jeszcze własnej książki z przepisami.\n"
                       "Otworzyć kopię przykładowej książki „%1”?")
            .arg(QFileInfo(kSample).completeBaseName()),
        QStringLiteral("Witaj"), Platform::Buttons::YesNo, Platform::Icon::Information);
    if (answer != Platform::Answer::Yes)
        return {};
    const QString target = QDir(dataDir).filePath(kSample);
    try {
        copyNew(source, target);
        // The photos go along, into the folder the cookbook looks in beside the book.
        const QDir photos(QDir(examples).filePath(QStringLiteral("zdjecia")));
        const QString photoTarget = QDir(dataDir).filePath(QStringLiteral("zdjecia"));
        QDir().mkpath(photoTarget);
        for (const QString &name : photos.entryList(QDir::Files))
            copyNew(photos.filePath(name), QDir(photoTarget).filePath(name));
    } catch (const AppError &e) {
        Platform::get().showError(e.message());
        return QFileInfo::exists(target) ? target : QString();
    }
    return target;
}

} // namespace samplebook
