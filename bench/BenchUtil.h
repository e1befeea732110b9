#pragma once

#include "assets/InitAssets.h"
#include "core/AppPaths.h"
#include "platform/QtPlatform.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A benchmark's world: the built-in pictures, a temporary application folder, the real platform,
// and, when one is named on the command line, a working copy of a book (benchmarks write it).
struct BenchSetup
{
    QTemporaryDir dir;
    QtPlatform platform;
    QString book;

    explicit BenchSetup(const char *bookArgument = nullptr)
        : book(bookArgument ? dir.filePath(QStringLiteral("bench.xml")) : QString())
    {
        initSolvarinAssets();
        AppPaths::setAppDirForTests(dir.path());
        Platform::install(&platform);
        if (bookArgument)
            QFile::copy(QString::fromLocal8Bit(bookArgument), book);
    }
};

// Resident memory of this process in kB, from /proc.
inline long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
