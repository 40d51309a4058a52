#include "advancedkeys/seniorkeys.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace SeniorKeys {

QByteArray namePrefix(int keyType)
{
    switch (keyType) {
    case SeniorKeyType_DKS: return "DKS";
    case SeniorKeyType_MT: return "MT";
    case SeniorKeyType_TGL: return "TGL";
    default: return QByteArray();
    }
}

int nextBindingIndex(const QList<int> &ids)
{
    return ids.isEmpty() ? 1 : *std::max_element(ids.begin(), ids.end()) + 1;
}

SeniorKeyInfo newRecord(int bindingIndex, int keyType)
{
    SeniorKeyInfo info;
    info.bindingIndex = bindingIndex;
    info.keyType = keyType;
    const QByteArray name = (namePrefix(keyType) + QByteArray::number(bindingIndex)).left(sizeof(info.name) - 1);
    std::memcpy(info.name, name.constData(), size_t(name.size()));
    std::copy(std::begin(kDefaultStrokes), std::end(kDefaultStrokes), info.strokes);
    info.ValueTime = kDefaultHoldTimeMs;
    return info;
}

void setKeyString(SeniorKeyInfo &info, int slot, const QByteArray &keyString)
{
    if (slot < 0 || slot > 3)
        return;
    char *target = info.keys[slot];
    std::memset(target, 0, sizeof(info.keys[slot]));
    const QByteArray text = keyString.left(int(sizeof(info.keys[slot])) - 1);
    std::memcpy(target, text.constData(), size_t(text.size()));
}

QByteArray keyString(const SeniorKeyInfo &info, int slot)
{
    if (slot < 0 || slot > 3)
        return QByteArray();
    // The slot need not be terminated when it came from a damaged file.
    return QByteArray(info.keys[slot], int(strnlen(info.keys[slot], sizeof(info.keys[slot]))));
}

QByteArray comboKeyString(int modifierMask, int usage)
{
    return QByteArray::number(modifierMask & 0xFF) + ',' + QByteArray::number(usage);
}

QString modifierName(int bit)
{
    static const char *const names[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
    return bit >= 0 && bit < 8 ? QString::fromLatin1(names[bit]) : QString();
}

QString keyCaption(const QByteArray &keyString, const QMap<int, QString> &keyNames)
{
    const int comma = keyString.indexOf(',');
    if (comma < 0)
        return keyNames.value(keyString.toInt());
    const int mask = keyString.left(comma).toInt();
    const int code = keyString.mid(comma + 1).toInt();
    QStringList parts;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            parts << modifierName(bit);
    }
    if (keyNames.contains(code))
        parts << keyNames.value(code);
    return parts.join(QLatin1Char('+'));
}

}  // namespace SeniorKeys
