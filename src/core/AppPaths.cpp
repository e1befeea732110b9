#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <unistd.h>

namespace {

QString &overrideDir()
{
    static QString dir;
    return dir;
}

std::optional<AppPaths::Locations> &decided()
{
    static std::optional<AppPaths::Locations> locations;
    return locations;
}

// The XDG rule: a variable that is unset, empty or not an absolute path is ignored.
QString xdgBase(const QString &value, const QString &home, const char *fallback)
{
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(home + QLatin1String(fallback));
}

bool writableFolder(const QString &dir)
{
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

AppPaths::Locations locations()
{
    if (!overrideDir().isEmpty())
        return {overrideDir(), overrideDir()};
    if (!decided()) {
        const QString program = AppPaths::appDir();
        // An installed copy keeps to the user's folders even where it could write its own
        // (run by root): its share folder beside bin says it was installed.
        const bool installedLayout
            = QFileInfo::exists(program + QStringLiteral("/../share/solvarin/examples"));
        decided() = AppPaths::decide(program, writableFolder(program) && !installedLayout,
            qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
            QDir::homePath());
        QDir().mkpath(decided()->config);
        QDir().mkpath(decided()->data);
    }
    return *decided();
}

} // namespace

namespace AppPaths {

Locations decide(const QString &programDir, bool programDirWritable, const QString &xdgConfigHome,
    const QString &xdgDataHome, const QString &home)
{
    if (programDirWritable)
        return {programDir, programDir};
    return {xdgBase(xdgConfigHome, home, "/.config") + QStringLiteral("/solvarin"),
        xdgBase(xdgDataHome, home, "/.local/share") + QStringLiteral("/solvarin")};
}

QString appDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString configDir()
{
    return locations().config;
}

QString dataDir()
{
    return locations().data;
}

QString file(const QString &name)
{
    return dataDir() + u'/' + name;
}

QString settingsFile()
{
    return configDir() + QStringLiteral("/Ustawienia.ini");
}

bool isInstalled()
{
    return configDir() != appDir();
}

void setAppDirForTests(const QString &dir)
{
    overrideDir() = dir.isEmpty() ? QString() : QDir::cleanPath(dir);
}

} // namespace AppPaths
