#include "support/testmain.h"

#include <QDir>

TestHome::TestHome()
{
    m_path = qEnvironmentVariable("TAVRIX_TEST_HOME");
    if (m_path.isEmpty()) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->path();
    }
    const QByteArray root = m_path.toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/run");
    QDir().mkpath(m_path + "/run");
    QFile::setPermissions(m_path + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
