#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

namespace AppPaths {

QString appDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString file(const QString &name)
{
    return appDir() + u'/' + name;
}

QString settingsFile()
{
    return file(QStringLiteral("Ustawienia.ini"));
}

void setAppDirForTests(const QString &dir)
{
    overrideDir() = dir.isEmpty() ? QString() : QDir::cleanPath(dir);
}

} // namespace AppPaths
