// Feeds arbitrary bytes to the readers of store files and custom light presets.
// Whatever the store accepts must write back to a file that reads the same, and
// a file it refuses must come through every call unchanged.

#include "fuzzsupport.h"
#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/presetfile.h"
#include "sdk/xmlstore/storedocument.h"
#include "sdk/xmlstore/storefiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace xmlstore;

namespace {

QTemporaryDir *workDir = nullptr;

QByteArray fileBytes(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::silenceMessages();
    workDir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    StoreDocument doc;
    QString error;
    const bool parsed = StoreDocument::parse(bytes, &doc, &error);
    if (parsed) {
        const QByteArray written = doc.serialize();
        StoreDocument again;
        if (!StoreDocument::parse(written, &again, &error) || again.serialize() != written)
            std::abort();
    }

    QList<PresetLed> leds;
    parsePreset(bytes, &leds, &error);

    // The same bytes as a file on disk, through the calls.
    const QByteArray path = QFile::encodeName(workDir->filePath("store.xml"));
    {
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes);
    }
    clearStoreCache();
    QList<ProfileNode> profiles;
    CTavrixXML_SelectProFileAllNodes(path, profiles);
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(path, "1", "4", &item);
    QList<SeniorKeyInfo> seniorKeys;
    CTavrixXML_SeniorKey_SelectAllInfoItem(path, seniorKeys);
    QList<CustomLightDataInfo> keys;
    CTavrixXML_XmlCustomLightInfoSelectAll(path, "0", keys);
    const bool added = CTavrixXML_AddProFileMacroWithKeyInfoItem(path, "1", "250", "K", "5", "1", "1", "-1");
    if (!parsed && size > 0 && (added || fileBytes(path) != bytes))
        std::abort();
    return 0;
}
