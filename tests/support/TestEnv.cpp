#include "TestEnv.h"

#include "core/AppPaths.h"
#include "core/Clock.h"

#include <QLocale>

TestEnv::TestEnv()
{
    initProcess();
    AppPaths::setAppDirForTests(m_dir.path());
    Platform::install(&platform);
}

TestEnv::~TestEnv()
{
    Platform::install(nullptr);
    AppPaths::setAppDirForTests(QString());
    Clock::reset();
}

void TestEnv::initProcess()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}
