#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
Platform *&installed()
{
    static Platform *p = nullptr;
    return p;
}
} // namespace

Platform &Platform::get()
{
    if (!installed()) {
        static QtPlatform fallback;
        installed() = &fallback;
    }
    return *installed();
}

void Platform::install(Platform *platform)
{
    installed() = platform;
}
