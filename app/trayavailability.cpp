#include "app/trayavailability.h"

#include <QSystemTrayIcon>

namespace {

bool (*g_probe)() = nullptr;

}  // namespace

bool TrayAvailability::isAvailable()
{
    return g_probe ? g_probe() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayAvailability::setProbe(bool (*probe)())
{
    g_probe = probe;
}
