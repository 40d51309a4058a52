// Light items, modes in use and custom lights of a profile, and the custom
// light preset files.

#include "platform/logcategories.h"
#include "sdk/tavrixxml.h"

#include "sdk/xmlstore/presetfile.h"
#include "sdk/xmlstore/storeaccess.h"
#include "sdk/xmlstore/storetext.h"

#include <QFile>

#include <cstring>

using namespace xmlstore;

namespace {

bool sameLight(const colorInfoData &a, const colorInfoData &b)
{
    return std::memcmp(&a, &b, sizeof(colorInfoData)) == 0;
}

CustomLightItem itemFromData(const CustomLightDataInfo &data)
{
    CustomLightItem item;
    item.keyCode = fieldText(data.keyCode);
    item.codeName = fieldText(data.codeName);
    item.indexX = data.indexX;
    item.indexY = data.indexY;
    item.colorR = data.colorR;
    item.colorG = data.colorG;
    item.colorB = data.colorB;
    item.transparentNum = data.transparentNum;
    return item;
}

CustomLightDataInfo dataFromItem(const CustomLightItem &item)
{
    CustomLightDataInfo data;
    copyToField(data.keyCode, item.keyCode);
    copyToField(data.codeName, item.codeName);
    data.indexX = item.indexX;
    data.indexY = item.indexY;
    data.colorR = item.colorR;
    data.colorG = item.colorG;
    data.colorB = item.colorB;
    data.transparentNum = item.transparentNum;
    return data;
}

// Applies change to the custom light slot of the profile; refused when there is none.
bool updateCustomLight(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                       const std::function<Change(CustomLight &)> &change)
{
    return updateProfile(path, index, [&](Profile &profile) {
        const int pos = profile.findCustomLight(slot);
        return pos >= 0 ? change(profile.customLights[pos]) : Change::Refused;
    });
}

}  // namespace

bool CTavrixXML_AddProFileLightInfoItem(const QByteArray &path, const QByteArray &index, colorInfoData data)
{
    return updateProfile(path, index, [&](Profile &profile) {
        // One record per (target, mode): adding a pair the profile holds replaces it.
        const int pos = profile.findLight(data.lightTarget, data.lightMode);
        if (pos < 0) {
            profile.lights.append(data);
        } else {
            if (sameLight(profile.lights.at(pos), data))
                return Change::Unchanged;
            profile.lights[pos] = data;
        }
        return Change::Changed;
    });
}

bool CTavrixXML_ModifyProFileLightInfoItem(const QByteArray &path, const QByteArray &index, int target, int mode,
                                           colorInfoData data)
{
    if (data.lightTarget != target || data.lightMode != mode)
        return false;
    return updateProfile(path, index, [&](Profile &profile) {
        const int pos = profile.findLight(target, mode);
        if (pos < 0)
            return Change::Refused;
        if (sameLight(profile.lights.at(pos), data))
            return Change::Unchanged;
        profile.lights[pos] = data;
        return Change::Changed;
    });
}

bool CTavrixXML_IsProFileAlreadyHaveLightInfo(const QByteArray &path, const QByteArray &index, int target, int mode)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    return profile && profile->findLight(target, mode) >= 0;
}

bool CTavrixXML_SelectProfileColorDataInfo(const QByteArray &path, const QByteArray &index, int target, int mode,
                                           colorInfoData *data)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    const int pos = profile ? profile->findLight(target, mode) : -1;
    if (pos < 0 || !data)
        return false;
    *data = profile->lights.at(pos);
    return true;
}

bool CTavrixXML_ModifyProFileMouseLightUsingIndex(const QByteArray &path, const QByteArray &index, int target, int mode)
{
    return updateProfile(path, index, [&](Profile &profile) {
        for (LightInUse &inUse : profile.lightsInUse) {
            if (inUse.target == target) {
                if (inUse.mode == mode)
                    return Change::Unchanged;
                inUse.mode = mode;
                return Change::Changed;
            }
        }
        profile.lightsInUse.append(LightInUse {target, mode});
        return Change::Changed;
    });
}

int CTavrixXML_SelectProFileMouseLightTypeUsingIndex(const QByteArray &path, const QByteArray &index, int target)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile)
        return -1;
    for (const LightInUse &inUse : profile->lightsInUse) {
        if (inUse.target == target)
            return inUse.mode;
    }
    // A new profile has its default light records but no mode in use yet: show
    // the first of them rather than nothing.
    for (const colorInfoData &light : profile->lights) {
        if (light.lightTarget == target)
            return light.lightMode;
    }
    return -1;
}

bool CTavrixXML_ModifyProFileLightSynchronizeStatus(const QByteArray &path, const QByteArray &index, int status)
{
    return updateProfile(path, index, [&](Profile &profile) {
        if (profile.lightSync == status)
            return Change::Unchanged;
        profile.lightSync = status;
        return Change::Changed;
    });
}

bool CTavrixXML_AddProFileCustomLightNode(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                          const QByteArray &name, const QByteArray &usingText, int usingFlagIndex)
{
    return updateProfile(path, index, [&](Profile &profile) {
        if (profile.findCustomLight(slot) >= 0)
            return Change::Refused;
        CustomLight light;
        light.index = slot;
        light.name = name;
        light.isUsing = usingText;
        light.usingFlagIndex = usingFlagIndex;
        profile.customLights.append(light);
        return Change::Changed;
    });
}

bool CTavrixXML_ClearProFileCustomLightNode(const QByteArray &path, const QByteArray &index, const QByteArray &slot)
{
    return updateCustomLight(path, index, slot, [](CustomLight &light) {
        if (light.items.isEmpty())
            return Change::Unchanged;
        light.items.clear();
        return Change::Changed;
    });
}

bool CTavrixXML_AddProFileCustomLightDataInfo(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                              CustomLightDataInfo data)
{
    const CustomLightItem item = itemFromData(data);
    return updateCustomLight(path, index, slot, [&](CustomLight &light) {
        light.items.append(item);
        return Change::Changed;
    });
}

bool CTavrixXML_ProFileCustomLightInfoSelectAll(const QByteArray &path, const QByteArray &index, const QByteArray &slot,
                                                QList<CustomLightDataInfo> &items)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    const int pos = profile ? profile->findCustomLight(slot) : -1;
    if (pos < 0)
        return false;
    for (const CustomLightItem &item : profile->customLights.at(pos).items)
        items.append(dataFromItem(item));
    return true;
}

bool CTavrixXML_SelectProFileCustomLightAllNodes(const QByteArray &path, const QByteArray &index,
                                                 QList<CustomLightNodeInfo> &nodes)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile)
        return false;
    for (const CustomLight &light : profile->customLights) {
        CustomLightNodeInfo node;
        copyToField(node.index, light.index);
        copyToField(node.name, light.name);
        copyToField(node.isUsing, light.isUsing);
        node.usingFlagIndex = light.usingFlagIndex;
        nodes.append(node);
    }
    return true;
}

bool CTavrixXML_ModifyProFileCustomLightNodeName(const QByteArray &path, const QByteArray &index,
                                                 const QByteArray &slot, const QByteArray &name)
{
    return updateCustomLight(path, index, slot, [&](CustomLight &light) {
        if (light.name == name)
            return Change::Unchanged;
        light.name = name;
        return Change::Changed;
    });
}

bool CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(const QByteArray &path, const QByteArray &index,
                                                        const QByteArray &slot, const QByteArray &usingText,
                                                        int usingFlagIndex)
{
    return updateCustomLight(path, index, slot, [&](CustomLight &light) {
        if (light.isUsing == usingText && light.usingFlagIndex == usingFlagIndex)
            return Change::Unchanged;
        light.isUsing = usingText;
        light.usingFlagIndex = usingFlagIndex;
        return Change::Changed;
    });
}

bool CTavrixXML_XmlCustomLightInfoSelectAll(const QByteArray &presetPath, const QByteArray &slot,
                                            QList<CustomLightDataInfo> &items)
{
    QFile file(QFile::decodeName(presetPath));
    if (presetPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    QList<PresetLed> leds;
    QString error;
    if (file.size() > kMaxFileSize)
        error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileSize);
    else if (parsePreset(file.readAll(), &leds, &error))
        error.clear();
    if (!error.isEmpty()) {
        qCDebug(lcStore).noquote() << "Custom light preset" << file.fileName() << "cannot be read:" << error;
        return false;
    }
    for (const PresetLed &led : qAsConst(leds)) {
        if (led.index == slot) {
            items.append(led.items);
            return true;
        }
    }
    return false;
}
