#include "support/testmain.h"

#include <QDir>

TestHome::TestHome()
{
    const QByteArray root = m_dir.path().toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/run");
    QDir().mkpath(m_dir.path() + "/run");
    QFile::setPermissions(m_dir.path() + "/run",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
