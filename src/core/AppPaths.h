#pragma once

#include <QString>

// Where the program keeps its files: the one place that decides it. A copy whose own folder can be
// written (the build tree, a copy in the home folder) keeps everything beside the executable. An
// installed copy (its folder belongs to the system) keeps the settings file in the user's
// configuration folder and everything else it writes (the default book, its photos, saved
// backgrounds, the label list) in the user's data folder; nothing is written under the install
// prefix. Tests point everything at a temporary folder.
namespace AppPaths {

struct Locations
{
    QString config; // folder of the settings file
    QString data; // folder of the default book, backgrounds and other files
};

// The decision itself. xdgConfigHome and xdgDataHome are the values of XDG_CONFIG_HOME and
// XDG_DATA_HOME (empty or relative: unset, by the XDG rule); home is the user's home folder.
Locations decide(const QString &programDir, bool programDirWritable, const QString &xdgConfigHome,
    const QString &xdgDataHome, const QString &home);

// The executable's folder, without a trailing separator.
QString appDir();
// The folder of the settings file, and the folder of the program's other files; both exist.
QString configDir();
QString dataDir();
// dataDir() + "/" + name.
QString file(const QString &name);
QString settingsFile();
// True when the program keeps its files in the user's folders rather than beside itself.
bool isInstalled();

void setAppDirForTests(const QString &dir);

} // namespace AppPaths
