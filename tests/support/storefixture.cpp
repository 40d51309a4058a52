#include "support/storefixture.h"

#include "devicepage/profiledefaults.h"

#include <QFile>

#include <QTest>

#include <csignal>
#include <cstring>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

StoreFixture::StoreFixture() = default;

QByteArray StoreFixture::path(const QString &name) const
{
    return QFile::encodeName(m_dir.filePath(name));
}

QByteArray StoreFixture::bytes(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void StoreFixture::write(const QByteArray &path, const QByteArray &content)
{
    QFile file(QFile::decodeName(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray StoreFixture::presetCopy(const QString &name) const
{
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    if (!QFile::copy(":/images/configDir/" + name, target))
        return QByteArray();
    return QFile::encodeName(target);
}

void StoreFixture::addProfileDefaults(const QByteArray &layer, const QByteArray &index, const QByteArray &preset) const
{
    for (int target = 0; target < 3; ++target)
        CTavrixXML_AddProFileLightInfoItem(layer, index, ProfileDefaults::defaultLight(target));
    CTavrixXML_ModifyProFileLightSynchronizeStatus(layer, index, 1);
    const struct
    {
        const char *slot;
        const char *name;
        const char *state;
        int flag;
    } defaults[] = {{"0", "Alphabets", "Using", 0},
                    {"1", "WASD+Arrows", "Using", 1},
                    {"2", "Custom 3", "UnUsing", -1},
                    {"3", "Custom 4", "UnUsing", -1},
                    {"4", "Custom 5", "UnUsing", -1}};
    for (const auto &s : defaults) {
        CTavrixXML_AddProFileCustomLightNode(layer, index, s.slot, s.name, s.state, s.flag);
        if (s.flag < 0)
            continue;
        QList<CustomLightDataInfo> keys;
        CTavrixXML_XmlCustomLightInfoSelectAll(preset, s.slot, keys);
        for (const CustomLightDataInfo &key : qAsConst(keys))
            CTavrixXML_AddProFileCustomLightDataInfo(layer, index, s.slot, key);
    }
}

QByteArray StoreFixture::newLayerFile(const QString &name, const QString &presetName) const
{
    const QByteArray layer = path(name);
    CTavrixXML_CreateXMLFile(layer);
    CTavrixXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0);
    CTavrixXML_ModifyXMLFileProfileIndex(layer, 1);
    addProfileDefaults(layer, "1", presetCopy(presetName));
    return layer;
}

void StoreFixture::withFileSizeLimit(qint64 limit, const std::function<void()> &action)
{
    struct rlimit previous;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = rlim_t(limit);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    action();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}

void StoreFixture::withPermissionsBinding(const std::function<void()> &action)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[_LINUX_CAPABILITY_U32S_3] = {};
    QCOMPARE(syscall(SYS_capget, &header, saved), 0L);
    __user_cap_data_struct bound[_LINUX_CAPABILITY_U32S_3];
    std::memcpy(bound, saved, sizeof bound);
    // Only the effective set: the permitted set keeps them, so they come back.
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        bound[cap / 32].effective &= ~(1u << (cap % 32));
    QCOMPARE(syscall(SYS_capset, &header, bound), 0L);
    action();
    QCOMPARE(syscall(SYS_capset, &header, saved), 0L);
}
