#pragma once

#include <QString>

// Files of the program live beside the executable. Tests point this at a temporary folder.
namespace AppPaths {

// The executable's folder, without a trailing separator.
QString appDir();
// appDir() + "/" + name.
QString file(const QString &name);
QString settingsFile();

void setAppDirForTests(const QString &dir);

} // namespace AppPaths
