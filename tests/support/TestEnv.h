#pragma once

#include "ScriptedPlatform.h"

#include <QTemporaryDir>

// One per test function: a fresh application folder, the scripted platform installed, the Polish
// locale. Everything is undone when it goes out of scope, the clock put back to the real one.
class TestEnv
{
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv &) = delete;
    TestEnv &operator=(const TestEnv &) = delete;

    QString dir() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    ScriptedPlatform platform;

    static void initProcess(); // call once from initTestCase

private:
    QTemporaryDir m_dir;
};
