// Store files, the profiles of a layer file, their key items, sleep times,
// Win-lock choices and macro copies.

#include "sdk/tavrixxml.h"

#include "sdk/xmlstore/storeaccess.h"
#include "sdk/xmlstore/storetext.h"

#include <QFileInfo>

using namespace xmlstore;

namespace {

// Where a profile with this index goes: before the first one with a higher index,
// so files whose profiles are in index order stay so.
int profileInsertPosition(const StoreDocument &doc, int index)
{
    for (int i = 0; i < doc.profiles.size(); ++i) {
        if (doc.profiles.at(i).index > index)
            return i;
    }
    return doc.profiles.size();
}

bool createEmptyStore(const QByteArray &path)
{
    switch (readStore(path)) {
    case FileState::Missing:
    case FileState::Empty: return writeStore(path, StoreDocument());
    case FileState::Valid: return true;
    case FileState::Broken: break;
    }
    return false;
}

bool sameFile(const QByteArray &a, const QByteArray &b)
{
    const QString ca = QFileInfo(QFile::decodeName(a)).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(QFile::decodeName(b)).canonicalFilePath();
}

// An export may replace only an earlier export or a store that holds nothing: a
// profile named like a layer or macro file must not wipe that file.
bool mayReplaceWithExport(const QByteArray &target)
{
    DocPtr doc;
    switch (readStore(target, &doc)) {
    case FileState::Missing:
    case FileState::Empty: return true;
    case FileState::Valid:
        return doc->exported || (doc->profiles.isEmpty() && doc->macros.isEmpty() && doc->seniorKeys.isEmpty());
    case FileState::Broken: break;
    }
    return false;
}

}  // namespace

bool CTavrixXML_CreateXMLFile(const QByteArray &path)
{
    return createEmptyStore(path);
}

bool CTavrixXML_CreateProFileXmlParentNode(const QByteArray &path, const QByteArray &index, const QByteArray &name,
                                           int /*reserved*/)
{
    int number = 0;
    if (!parseIndex(index, &number))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        if (doc.findProfile(number) >= 0 || doc.profiles.size() >= kMaxProfiles)
            return Change::Refused;
        Profile profile;
        profile.index = number;
        profile.name = name;
        doc.profiles.insert(profileInsertPosition(doc, number), profile);
        return Change::Changed;
    });
}

bool CTavrixXML_ModifyXMLFileProfileIndex(const QByteArray &path, int index)
{
    return updateStore(path, [&](StoreDocument &doc) {
        if (doc.findProfile(index) < 0)
            return Change::Refused;
        if (doc.currentProfile == index)
            return Change::Unchanged;
        doc.currentProfile = index;
        return Change::Changed;
    });
}

int CTavrixXML_GetCreateXMLFileProfileIndex(const QByteArray &path)
{
    const DocPtr doc = loadStore(path);
    return doc && doc->currentProfile ? *doc->currentProfile : -1;
}

bool CTavrixXML_SelectProFileAllNodes(const QByteArray &path, QList<ProfileNode> &nodes)
{
    const DocPtr doc = loadStore(path);
    if (!doc)
        return false;
    for (const Profile &profile : doc->profiles)
        nodes.append(ProfileNode {QByteArray::number(profile.index), profile.name});
    return true;
}

bool CTavrixXML_IsExistenceSelectProfileNode(const QByteArray &path, const QByteArray &index)
{
    return profileOf(loadStore(path), index) != nullptr;
}

bool CTavrixXML_DeleteProFileSelectedNode(const QByteArray &path, const QByteArray &index)
{
    int number = 0;
    if (!parseIndex(index, &number))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findProfile(number);
        if (pos < 0)
            return Change::Unchanged;
        doc.profiles.removeAt(pos);
        return Change::Changed;
    });
}

bool CTavrixXML_SelectProfileNodeInfo(const QByteArray &path, const QByteArray &index, ProfileNodeInfo *info)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || !info)
        return false;
    info->index = QByteArray::number(profile->index);
    info->name = profile->name;
    return true;
}

bool CTavrixXML_ModifyProfileNodeInfo(const QByteArray &path, const QByteArray &index, const QByteArray &name)
{
    return updateProfile(path, index, [&](Profile &profile) {
        if (profile.name == name)
            return Change::Unchanged;
        profile.name = name;
        return Change::Changed;
    });
}

bool CTavrixXML_ProFileExport(const QByteArray &path, const QByteArray &targetPath, const QByteArray &index,
                              int /*reserved*/)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || sameFile(path, targetPath) || !mayReplaceWithExport(targetPath))
        return false;
    StoreDocument exported;
    exported.exported = true;
    exported.currentProfile = profile->index;
    exported.profiles.append(*profile);
    return writeStore(targetPath, exported);
}

bool CTavrixXML_ProFileImport(const QByteArray &path, const QByteArray &importPath, const QByteArray &importIndex)
{
    const DocPtr source = loadStore(importPath);
    const Profile *imported = profileOf(source, importIndex);
    if (!imported)
        return false;
    const Profile copy = *imported;
    return updateStore(path, [&](StoreDocument &doc) {
        if (doc.profiles.size() >= kMaxProfiles)
            return Change::Refused;
        // The index a new profile would get; an imported file's own index could
        // already be taken here.
        int index = doc.profiles.isEmpty() ? 1 : doc.profiles.last().index + 1;
        if (doc.findProfile(index) >= 0) {
            for (const Profile &p : qAsConst(doc.profiles))
                index = std::max(index, p.index + 1);
        }
        if (index > kMaxIndex)
            return Change::Refused;
        Profile added = copy;
        added.index = index;
        doc.profiles.insert(profileInsertPosition(doc, index), added);
        return Change::Changed;
    });
}

bool CTavrixXML_ProFileKeyInfoSelectAll(const QByteArray &path, const QByteArray &index, QList<QByteArray> &keyCodes)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile)
        return false;
    for (const KeyItem &key : profile->keys)
        keyCodes.append(key.keyCode);
    return true;
}

bool CTavrixXML_SetProFileIntoSleepTimeInfo(const QByteArray &path, const QByteArray &index, int lightSeconds,
                                            int keyboardMinutes)
{
    return updateProfile(path, index, [&](Profile &profile) {
        if (profile.sleep && profile.sleep->lightSeconds == lightSeconds
            && profile.sleep->keyboardMinutes == keyboardMinutes)
            return Change::Unchanged;
        profile.sleep = SleepTimes {lightSeconds, keyboardMinutes};
        return Change::Changed;
    });
}

bool CTavrixXML_GetProFileIntoSleepTimeInfo(const QByteArray &path, const QByteArray &index, ProfileSleepTimeInfo *info)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || !profile->sleep || !info)
        return false;
    info->lightSleepTime = profile->sleep->lightSeconds;
    info->keyboardSleepTime = profile->sleep->keyboardMinutes;
    return true;
}

bool CTavrixXML_AddProFileFunctionInfo(const QByteArray &path, const QByteArray &index, const QByteArray &altTab,
                                       const QByteArray &altF4, const QByteArray &shiftTab, const QByteArray &winKey)
{
    return updateProfile(path, index, [&](Profile &profile) {
        profile.winLock = WinLock {altTab, altF4, shiftTab, winKey};
        return Change::Changed;
    });
}

bool CTavrixXML_GetProFileFunctionInfo(const QByteArray &path, const QByteArray &index, ProfileFunctionInfo *info)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || !profile->winLock || !info)
        return false;
    copyToField(info->altTab, profile->winLock->altTab);
    copyToField(info->altF4, profile->winLock->altF4);
    copyToField(info->shiftTab, profile->winLock->shiftTab);
    copyToField(info->winKey, profile->winLock->winKey);
    return true;
}

bool CTavrixXML_SelectProFileKeyOperateInfo(const QByteArray &path, const QByteArray &index, const QByteArray &keyCode,
                                            KeyOperateInfo *info)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || !info)
        return false;
    const int pos = profile->findKey(keyCode);
    if (pos < 0)
        return false;
    const KeyItem &key = profile->keys.at(pos);
    copyToField(info->keyDec, key.keyCode);
    copyToField(info->operateType, key.operateType);
    copyToField(info->param1, key.param1);
    copyToField(info->param2, key.param2);
    copyToField(info->value, key.value);
    return true;
}

bool CTavrixXML_DeleteProFileMacroWithKeyInfoItem(const QByteArray &path, const QByteArray &index,
                                                  const QByteArray &keyCode, const QByteArray & /*keyName*/)
{
    return updateProfile(path, index, [&](Profile &profile) {
        const int pos = profile.findKey(keyCode);
        if (pos < 0)
            return Change::Unchanged;
        profile.keys.removeAt(pos);
        return Change::Changed;
    });
}

bool CTavrixXML_AddProFileMacroWithKeyInfoItem(const QByteArray &path, const QByteArray &index,
                                               const QByteArray &keyCode, const QByteArray &keyName,
                                               const QByteArray &operateType, const QByteArray &param1,
                                               const QByteArray &param2, const QByteArray &value)
{
    if (keyCode.isEmpty())
        return false;
    return updateProfile(path, index, [&](Profile &profile) {
        // One item per key: a second add would leave the file with two answers.
        if (profile.findKey(keyCode) >= 0)
            return Change::Refused;
        profile.keys.insert(profile.keyInsertPosition(keyCode),
                            KeyItem {keyCode, keyName, operateType, param1, param2, value});
        return Change::Changed;
    });
}

int CTavrixXML_GetProFileValueNum(const QByteArray &path, const QByteArray &index, const QByteArray &operateType,
                                  const QByteArray &value)
{
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile)
        return -1;
    int count = 0;
    for (const KeyItem &key : profile->keys) {
        if (key.operateType == operateType && key.value == value)
            ++count;
    }
    return count;
}

bool CTavrixXML_AddProFileBindMacroItem(const QByteArray &path, const QByteArray &index,
                                        const QList<MacroEventItem> &events, const QByteArray &macroIndex,
                                        const QByteArray &nodeName)
{
    int number = 0;
    if (!parseIndex(macroIndex, &number))
        return false;
    const QList<MacroEvent> copied = eventsFromItems(events);
    return updateProfile(path, index, [&](Profile &profile) {
        const int pos = profile.findMacroCopy(number);
        if (pos >= 0) {
            profile.macroCopies[pos].name = nodeName;
            profile.macroCopies[pos].events = copied;
            return Change::Changed;
        }
        int at = 0;
        while (at < profile.macroCopies.size() && profile.macroCopies.at(at).macroIndex < number)
            ++at;
        profile.macroCopies.insert(at, MacroCopy {number, nodeName, copied});
        return Change::Changed;
    });
}

bool CTavrixXML_DeleteProFileBindMacroNode(const QByteArray &path, const QByteArray &index,
                                           const QByteArray &macroIndex, const QByteArray & /*nodeName*/)
{
    int number = 0;
    if (!parseIndex(macroIndex, &number))
        return false;
    return updateProfile(path, index, [&](Profile &profile) {
        const int pos = profile.findMacroCopy(number);
        if (pos < 0)
            return Change::Unchanged;
        profile.macroCopies.removeAt(pos);
        return Change::Changed;
    });
}

bool CTavrixXML_ProFileMacroWithKeyInfoSelectAll(const QByteArray &path, const QByteArray &index,
                                                 const QByteArray &macroIndex, const QByteArray & /*nodeName*/,
                                                 QList<MacroEventItem> &events)
{
    int number = 0;
    const DocPtr doc = loadStore(path);
    const Profile *profile = profileOf(doc, index);
    if (!profile || !parseIndex(macroIndex, &number))
        return false;
    const int pos = profile->findMacroCopy(number);
    if (pos < 0)
        return false;
    appendItems(profile->macroCopies.at(pos).events, events);
    return true;
}
