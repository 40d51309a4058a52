#include "devicepage/profiledefaults.h"

#include "app/ddatamanager.h"
#include "sdk/tavrixxml.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const char *const kPresetFolder = ":/images/configDir/";
const char *const kGeneralPreset = "customLightDefaultConfig.xml";

// Presets chosen by key count alone: only counts with a preset file of their own; any
// other count takes the general preset.
const struct
{
    int keyCount;
    const char *file;
} kKeyCountPresets[] = {
    {84, "customLightDefaultConfig_84.xml"},
    {69, "customLightDefaultConfig_84.xml"},
    {68, "customLightDefaultConfig_68.xml"},
};

// Key counts under which some models have a preset of their own, named
// "customLightDefaultConfig_<preset model>.xml". A model of a group shares the
// file of another model of that group. No model of the current range has one.
struct ModelPreset
{
    int keyCount;  // 0: any count without an entry in kKeyCountPresets
    const char *model;
    const char *presetModel;
};
const QVector<ModelPreset> &modelPresets()
{
    static const QVector<ModelPreset> presets;
    return presets;
}

const struct
{
    const char *slot;
    const char *name;  // "Custom %1" takes the slot number + 1
    const char *state;
    int flag;
} kCustomLights[ProfileDefaults::kCustomLightCount] = {
    {"0", "Alphabets", "Using", 0},    {"1", "WASD+Arrows", "Using", 1},  {"2", "Custom %1", "UnUsing", -1},
    {"3", "Custom %1", "UnUsing", -1}, {"4", "Custom %1", "UnUsing", -1},
};

}  // namespace

colorInfoData ProfileDefaults::defaultLight(int target)
{
    colorInfoData data;
    data.lightTarget = target;
    data.lightMode = 2;
    data.brightness = 3;
    data.speed = 3;
    data.topColorR = 255;
    data.fullColor = 1;
    return data;
}

QString ProfileDefaults::presetFileName(int keyCount, const QString &modelName)
{
    bool countListed = false;
    QString byCount;
    for (const auto &p : kKeyCountPresets) {
        if (p.keyCount == keyCount) {
            countListed = true;
            byCount = QLatin1String(p.file);
            break;
        }
    }
    for (const ModelPreset &m : modelPresets()) {
        const bool countFits = m.keyCount == keyCount || (m.keyCount == 0 && !countListed);
        if (countFits && modelName == QLatin1String(m.model))
            return QStringLiteral("customLightDefaultConfig_%1.xml").arg(QLatin1String(m.presetModel));
    }
    // A name without a shipped file would leave every new profile's custom lights empty.
    if (!countListed || !QFile::exists(QLatin1String(kPresetFolder) + byCount))
        return QLatin1String(kGeneralPreset);
    return byCount;
}

bool ProfileDefaults::addDefaultLightItems(const QByteArray &path, int profileIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    for (int target = 0; target < 3; ++target) {
        if (!CTavrixXML_AddProFileLightInfoItem(path, index, defaultLight(target)))
            return false;
    }
    return !DDataManager::getInstance()->isLightSynchronize()
        || CTavrixXML_ModifyProFileLightSynchronizeStatus(path, index, 1);
}

bool ProfileDefaults::addDefaultCustomLights(const QByteArray &path, int profileIndex) const
{
    const QByteArray index = QByteArray::number(profileIndex);
    for (int slot = 0; slot < kCustomLightCount; ++slot) {
        const auto &light = kCustomLights[slot];
        QString name = QLatin1String(light.name);
        if (name.contains(QLatin1String("%1")))
            name = name.arg(slot + 1);
        if (!CTavrixXML_AddProFileCustomLightNode(path, index, light.slot, name.toUtf8(), light.state, light.flag)
            || (light.flag >= 0 && !loadCustomLightPreset(path, profileIndex, slot)))
            return false;
    }
    return true;
}

bool ProfileDefaults::loadCustomLightPreset(const QByteArray &path, int profileIndex, int slot) const
{
    // The store reads presets from disk, so the resource is copied out first.
    const QString name = presetFileName(m_keyCount, m_modelName);
    QTemporaryDir folder;
    QByteArray presetPath;
    if (folder.isValid()) {
        const QString copy = folder.filePath(name);
        if (QFile::copy(QLatin1String(kPresetFolder) + name, copy))
            presetPath = QFile::encodeName(copy);
    }
    const QByteArray slotText = QByteArray::number(slot);
    QList<CustomLightDataInfo> keys;
    if (!presetPath.isEmpty())
        CTavrixXML_XmlCustomLightInfoSelectAll(presetPath, slotText, keys);
    const QByteArray index = QByteArray::number(profileIndex);
    for (const CustomLightDataInfo &key : qAsConst(keys)) {
        if (!CTavrixXML_AddProFileCustomLightDataInfo(path, index, slotText, key))
            return false;
    }
    return true;
}

bool ProfileDefaults::addAll(const QByteArray &path, int profileIndex) const
{
    return addDefaultLightItems(path, profileIndex) && addDefaultCustomLights(path, profileIndex);
}

bool ProfileDefaults::makeLayerFile(const QByteArray &path, bool lights) const
{
    CTavrixXMLBatch batch(path);
    return CTavrixXML_CreateXMLFile(path)
        && CTavrixXML_CreateProFileXmlParentNode(path, "1", QStringLiteral("Profile%1").arg(1).toUtf8(), 0)
        && CTavrixXML_ModifyXMLFileProfileIndex(path, 1) && (!lights || addAll(path, 1)) && batch.commit();
}
