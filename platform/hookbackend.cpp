#include "platform/hookbackend.h"

#include "platform/apphookbackend.h"
#include "platform/x11hookbackend.h"

#include <QGuiApplication>

std::unique_ptr<HookBackend> HookBackend::createDefault()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb") && X11HookBackend::isAvailable())
        return std::make_unique<X11HookBackend>();
    return std::make_unique<AppHookBackend>();
}
