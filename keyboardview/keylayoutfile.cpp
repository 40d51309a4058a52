#include "keyboardview/keylayoutfile.h"
#include "platform/logcategories.h"

#include <QFile>

#include "keyboardview/layoutjson.h"

namespace {

using LayoutJson::intMember;

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Position may be -1 (placeholders); sizes are never negative.
bool geometryValid(int x, int y, int w, int h)
{
    const int maxC = KeyLayoutFile::kMaxCoordinate;
    return inRange(x, -1, maxC) && inRange(y, -1, maxC) && inRange(w, 0, maxC) && inRange(h, 0, maxC);
}

// Codes whose caption is always the apostrophe key's two symbols.
bool isApostropheCode(int code)
{
    return code == 52 || code == 504;
}

bool readHeader(const cJSON *root, const QString &source, KeyLayout *layout)
{
    const cJSON *header = cJSON_GetObjectItemCaseSensitive(root, "Keyboard");
    if (!header)
        return true;
    int sideLightHave = 0;
    int specialEnter = 0;
    int deviceType = 0;
    if (!cJSON_IsObject(header) || !intMember(header, "sideLightHave", &sideLightHave)
        || !intMember(header, "specialEnterKey", &specialEnter) || !intMember(header, "hidDeviceType", &deviceType)) {
        qCDebug(lcKeys) << "Keyboard layout" << source << "rejected: header lacks a required member";
        return false;
    }
    int shape = 0;
    if (specialEnter == 1 && !intMember(header, "specialEnterKeyShape", &shape)) {
        qCDebug(lcKeys) << "Keyboard layout" << source << "rejected: special Enter without its shape";
        return false;
    }
    layout->hasHeader = true;
    layout->sideLightHave = sideLightHave == 1;
    layout->specialEnterKey = specialEnter == 1;
    layout->hidDeviceType = deviceType;
    return true;
}

bool readSegments(const cJSON *root, const QString &source, KeyLayout *layout)
{
    const cJSON *row = cJSON_GetObjectItemCaseSensitive(root, LayoutJson::rowName(0).constData());
    if (!row)
        return true;
    if (!cJSON_IsArray(row)) {
        qCDebug(lcKeys) << "Keyboard layout" << source << "rejected: side-light row is not an array";
        return false;
    }
    const cJSON *entry = nullptr;
    int place = 0;
    cJSON_ArrayForEach(entry, row)
    {
        KeyLayoutSegment s;
        if (!cJSON_IsObject(entry) || !intMember(entry, "PosX", &s.posX) || !intMember(entry, "PosY", &s.posY)
            || !intMember(entry, "Width", &s.width) || !intMember(entry, "Height", &s.height)
            || !intMember(entry, "Index", &s.index) || !intMember(entry, "validStatus", &s.validStatus)
            || !intMember(entry, "SidePosition", &s.sidePosition)
            || !geometryValid(s.posX, s.posY, s.width, s.height)) {
            qCDebug(lcKeys) << "Keyboard layout" << source << "rejected: side-light entry" << place << "is incomplete";
            return false;
        }
        layout->segments.append(s);
        ++place;
    }
    return true;
}

bool readKeyRow(const cJSON *root, int fileRow, const QString &source, KeyLayout *layout)
{
    const QByteArray rowName = LayoutJson::rowName(fileRow);
    const cJSON *row = cJSON_GetObjectItemCaseSensitive(root, rowName.constData());
    if (!cJSON_IsArray(row) || cJSON_GetArraySize(row) != KeyLayoutFile::kColumns) {
        qCDebug(lcKeys) << "Keyboard layout" << source << "rejected:" << rowName << "is missing or does not hold"
                        << KeyLayoutFile::kColumns << "entries";
        return false;
    }
    const cJSON *entry = nullptr;
    int column = 0;
    cJSON_ArrayForEach(entry, row)
    {
        KeyLayoutKey k;
        k.row = fileRow - 1;
        k.column = column;
        if (!cJSON_IsObject(entry) || !intMember(entry, "PosX", &k.posX) || !intMember(entry, "PosY", &k.posY)
            || !intMember(entry, "Width", &k.width) || !intMember(entry, "Height", &k.height)
            || !intMember(entry, "Dec", &k.code) || !geometryValid(k.posX, k.posY, k.width, k.height)) {
            qCDebug(lcKeys) << "Keyboard layout" << source << "rejected:" << rowName << "entry" << column
                            << "is incomplete";
            return false;
        }
        k.caption = isApostropheCode(k.code)
            ? QStringLiteral("' \"")
            : LayoutJson::caption(cJSON_GetObjectItemCaseSensitive(entry, "Character"));
        layout->keys.append(k);
        ++column;
    }
    return true;
}

}  // namespace

QVector<KeyLayoutRecord> KeyLayout::keyRecords() const
{
    QVector<KeyLayoutRecord> records;
    records.reserve(keys.size());
    for (const KeyLayoutKey &k : keys)
        records.append({k.code, k.posX, k.posY, k.width, k.height, KeyLayoutRecord::kKindKey, 0});
    return records;
}

QVector<KeyLayoutRecord> KeyLayout::segmentRecords() const
{
    QVector<KeyLayoutRecord> records;
    records.reserve(segments.size());
    for (const KeyLayoutSegment &s : segments)
        records.append({s.index, s.posX, s.posY, s.width, s.height, KeyLayoutRecord::kKindSideLight, s.sidePosition});
    return records;
}

QString KeyLayoutFile::fileName(const QString &model)
{
    return QStringLiteral("KeyInfo_") + model + QStringLiteral(".config");
}

QString KeyLayoutFile::resourcePath(const QString &model)
{
    return QStringLiteral(":/images/configDir/") + fileName(model);
}

bool KeyLayoutFile::load(const QString &model, KeyLayout *out)
{
    *out = KeyLayout();
    QFile file(resourcePath(model));
    if (model.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcKeys) << "The keyboard layout file cannot be read:";
        return false;
    }
    return parse(file.readAll(), fileName(model), out);
}

bool KeyLayoutFile::parse(const QByteArray &text, const QString &sourceName, KeyLayout *out)
{
    *out = KeyLayout();
    // Only the first complete JSON value counts; whatever follows it is ignored.
    const LayoutJson::Ptr root = LayoutJson::parseFirstValue(text);
    if (!root || !cJSON_IsObject(root.get())) {
        qCDebug(lcKeys) << "Keyboard layout" << sourceName << "rejected: not a JSON object";
        return false;
    }
    KeyLayout layout;
    if (!readHeader(root.get(), sourceName, &layout))
        return false;
    // Row 0 holds the side lights and counts only when the header says so.
    if (layout.sideLightHave && !readSegments(root.get(), sourceName, &layout))
        return false;
    for (int fileRow = 1; fileRow <= kRows; ++fileRow) {
        if (!readKeyRow(root.get(), fileRow, sourceName, &layout))
            return false;
    }
    *out = layout;
    return true;
}
