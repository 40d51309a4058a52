// The advanced-key file: at most 40 records with unique ids.

#include "sdk/tavrixxml.h"

#include "sdk/xmlstore/storeaccess.h"
#include "sdk/xmlstore/storetext.h"

#include <cstring>

using namespace xmlstore;

namespace {

// The record as the store keeps it: texts cut to their fields and terminated, so
// a record that arrives without a NUL cannot carry stray bytes into the file.
SeniorKeyInfo normalised(const SeniorKeyInfo &info)
{
    SeniorKeyInfo copy = info;
    copyToField(copy.name, fieldText(info.name));
    for (int k = 0; k < 4; ++k)
        copyToField(copy.keys[k], fieldText(info.keys[k]));
    return copy;
}

bool acceptable(int keyType, const SeniorKeyInfo &info)
{
    return keyType == info.keyType && keyType >= SeniorKeyType_DKS && keyType <= SeniorKeyType_TGL
        && info.bindingIndex >= 1 && info.bindingIndex <= kMaxIndex;
}

}  // namespace

bool CTavrixXML_SeniorKey_CreateXMLFile(const QByteArray &path)
{
    return CTavrixXML_CreateXMLFile(path);
}

bool CTavrixXML_SeniorKey_CreateProFileXmlParentNode(const QByteArray &path)
{
    // The root is written together with the file; this makes sure both are there.
    return CTavrixXML_CreateXMLFile(path);
}

bool CTavrixXML_SeniorKey_SelectAllInfoItem(const QByteArray &path, QList<SeniorKeyInfo> &items)
{
    const DocPtr doc = loadStore(path);
    if (!doc)
        return false;
    items.append(doc->seniorKeys);
    return true;
}

bool CTavrixXML_SeniorKey_AddInfoItem(const QByteArray &path, int keyType, SeniorKeyInfo info)
{
    if (!acceptable(keyType, info))
        return false;
    const SeniorKeyInfo record = normalised(info);
    return updateStore(path, [&](StoreDocument &doc) {
        if (doc.seniorKeys.size() >= kMaxSeniorKeys || doc.findSeniorKey(record.bindingIndex) >= 0)
            return Change::Refused;
        int at = 0;
        while (at < doc.seniorKeys.size() && doc.seniorKeys.at(at).bindingIndex < record.bindingIndex)
            ++at;
        doc.seniorKeys.insert(at, record);
        return Change::Changed;
    });
}

bool CTavrixXML_SeniorKey_ModifyInfoItem(const QByteArray &path, int keyType, SeniorKeyInfo info)
{
    if (!acceptable(keyType, info))
        return false;
    const SeniorKeyInfo record = normalised(info);
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findSeniorKey(record.bindingIndex);
        if (pos < 0)
            return Change::Refused;
        if (std::memcmp(&doc.seniorKeys.at(pos), &record, sizeof(SeniorKeyInfo)) == 0)
            return Change::Unchanged;
        doc.seniorKeys[pos] = record;
        return Change::Changed;
    });
}

bool CTavrixXML_SeniorKey_DeleteInfoItem(const QByteArray &path, int /*keyType*/, int bindingIndex)
{
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findSeniorKey(bindingIndex);
        if (pos < 0)
            return Change::Unchanged;
        doc.seniorKeys.removeAt(pos);
        return Change::Changed;
    });
}
