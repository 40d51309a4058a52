// Names and details of key functions, shown in the hover tip of a key.

#include "app/ddatamanager.h"
#include "app/keynamestore.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"

#include <QCoreApplication>

namespace {

constexpr int kAny = -1;  // a table column that matches every value

// Fixed names are translated in the shared QObject context, like other texts set from code.
QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

const char *const kUnknown = QT_TRANSLATE_NOOP("QObject", "Unknow");

struct KindName
{
    int first;
    int last;
    const char *name;
};

const KindName kKindNames[] = {
    {KeyOperateType_RemapKey, KeyOperateType_RemapKey, QT_TRANSLATE_NOOP("QObject", "Remap Key")},
    {KeyOperateType_Macro, KeyOperateType_Macro, QT_TRANSLATE_NOOP("QObject", "Macro")},
    {KeyOperateType_KeyCombination, KeyOperateType_KeyCombination, QT_TRANSLATE_NOOP("QObject", "Key Combination")},
    {KeyOperateType_Multimedia, KeyOperateType_Multimedia, QT_TRANSLATE_NOOP("QObject", "Multimedia")},
    {KeyOperateType_Mouse, KeyOperateType_Mouse, QT_TRANSLATE_NOOP("QObject", "Mouse")},
    {KeyOperateType_Disable, KeyOperateType_Disable, QT_TRANSLATE_NOOP("QObject", "Disable")},
    {KeyOperateType_Text, KeyOperateType_Text, QT_TRANSLATE_NOOP("QObject", "Text")},
    {KeyOperateType_SwitchProfile, KeyOperateType_SwitchProfile, QT_TRANSLATE_NOOP("QObject", "Switch Profile")},
    {KeyOperateType_LaunchApplication, KeyOperateType_LaunchApplication,
     QT_TRANSLATE_NOOP("QObject", "Launch Application")},
    {KeyOperateType_Shortcut, KeyOperateType_Shortcut, QT_TRANSLATE_NOOP("QObject", "Shortcuts")},
    {KeyOperateType_Unknown, KeyOperateType_Unknown, QT_TRANSLATE_NOOP("QObject", "Unknow")},
    {KeyOperateType_KeyConfig, KeyOperateType_KeyConfig, QT_TRANSLATE_NOOP("QObject", "Key Config")},
    {KeyOperateType_KeyboardLightFirst, KeyOperateType_KeyboardLightLast,
     QT_TRANSLATE_NOOP("QObject", "Keyboard Light")},
    {KeyOperateType_SideLightFirst, KeyOperateType_SideLightLast, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light")},
    {KeyOperateType_SeniorKey, KeyOperateType_SeniorKey, QT_TRANSLATE_NOOP("QObject", "Senior Keys")},
};

// Indexed by the code stored in the item's value; null entries are codes not offered.
const char *const kMultimediaNames[] = {
    QT_TRANSLATE_NOOP("QObject", "Volume +"),
    QT_TRANSLATE_NOOP("QObject", "Volume -"),
    QT_TRANSLATE_NOOP("QObject", "Mute"),
    QT_TRANSLATE_NOOP("QObject", "Play/Pause"),
    QT_TRANSLATE_NOOP("QObject", "Next track"),
    QT_TRANSLATE_NOOP("QObject", "Prev track"),
    QT_TRANSLATE_NOOP("QObject", "Stop"),
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "Player"),
    QT_TRANSLATE_NOOP("QObject", "Calculator"),
    QT_TRANSLATE_NOOP("QObject", "Computer"),
    QT_TRANSLATE_NOOP("QObject", "Browser"),
    QT_TRANSLATE_NOOP("QObject", "Email"),
    QT_TRANSLATE_NOOP("QObject", "Screen brightness+"),
    QT_TRANSLATE_NOOP("QObject", "Screen brightness-"),
    QT_TRANSLATE_NOOP("QObject", "Search"),
};

const char *const kMouseNames[] = {
    QT_TRANSLATE_NOOP("QObject", "Mouse Left"),  QT_TRANSLATE_NOOP("QObject", "Mouse Center"),
    QT_TRANSLATE_NOOP("QObject", "Mouse Right"), QT_TRANSLATE_NOOP("QObject", "Scroll Up"),
    QT_TRANSLATE_NOOP("QObject", "Scroll Down"), QT_TRANSLATE_NOOP("QObject", "Forward"),
    QT_TRANSLATE_NOOP("QObject", "Backward"),    QT_TRANSLATE_NOOP("QObject", "Sniper Key"),
};

const char *const kShortcutNames[] = {
    QT_TRANSLATE_NOOP("QObject", "Close window"),  QT_TRANSLATE_NOOP("QObject", "Switch windows"),
    QT_TRANSLATE_NOOP("QObject", "Show desktop"),  QT_TRANSLATE_NOOP("QObject", "My computer"),
    QT_TRANSLATE_NOOP("QObject", "Lock computer"), QT_TRANSLATE_NOOP("QObject", "Copy"),
    QT_TRANSLATE_NOOP("QObject", "Cut"),           QT_TRANSLATE_NOOP("QObject", "Paste"),
    QT_TRANSLATE_NOOP("QObject", "Find"),          QT_TRANSLATE_NOOP("QObject", "New"),
    QT_TRANSLATE_NOOP("QObject", "Print"),         QT_TRANSLATE_NOOP("QObject", "Save"),
};

// Modifier names by bit of the modifier mask, bit 0 first. Never translated.
const char *const kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

// Keyboard functions: function (param2), sub-code and channel (both from value).
struct KeyConfigName
{
    int function;
    int sub;
    int channel;
    const char *name;
};

const KeyConfigName kKeyConfigNames[] = {
    {0, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Lock keyboard")},
    {2, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
    {2, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Lock win")},
    {2, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Unlock win")},
    {8, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Default layer")},
    {8, 1, kAny, QT_TRANSLATE_NOOP("QObject", "FN layer")},
    {8, 2, kAny, QT_TRANSLATE_NOOP("QObject", "FN1 layer")},
    {10, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Power query")},
    {11, 0, 0, QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
    {11, 0, 1, QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
    {11, 0, 2, QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")},
    {11, 1, kAny, QT_TRANSLATE_NOOP("QObject", "2.4G switching")},
    {11, 2, kAny, QT_TRANSLATE_NOOP("QObject", "USB switching")},
};
constexpr int kConnectionFunction = 11;  // the one function whose value holds a channel too

// Light functions of the keyboard and the side lights: kind, param2, value.
struct LightName
{
    int kind;
    int param2;
    int value;
    const char *name;
};

const LightName kLightNames[] = {
    {20, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {20, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {20, kAny, 2, QT_TRANSLATE_NOOP("QObject", "All light")},
    {20, kAny, 3, QT_TRANSLATE_NOOP("QObject", "Static")},
    {21, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {21, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {22, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {22, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {23, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Direction +1")},
    {23, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Direction -1")},
    {23, kAny, 2, QT_TRANSLATE_NOOP("QObject", "Direction Loop")},
    {24, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {24, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {24, kAny, 2, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {25, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Custom 1")},
    {25, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Custom 2")},
    {26, 0, 0, QT_TRANSLATE_NOOP("QObject", "Close all")},
    {26, 0, 1, QT_TRANSLATE_NOOP("QObject", "Close back light")},
    {26, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Stop back light")},
    {27, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Light recording")},
    {30, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {30, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {30, kAny, 2, QT_TRANSLATE_NOOP("QObject", "All light")},
    {31, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {31, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {32, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {32, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {33, kAny, 0, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {33, kAny, 1, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {33, kAny, 2, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {34, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Close side light")},
    {34, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Stop side light")},
};

bool matches(int wanted, int actual)
{
    return wanted == kAny || wanted == actual;
}

template <std::size_t N> QString codeName(const char *const (&table)[N], int code)
{
    if (code < 0 || code >= static_cast<int>(N) || !table[code])
        return translated(kUnknown);
    return translated(table[code]);
}

QString kindName(int kind)
{
    for (const KindName &entry : kKindNames) {
        if (kind >= entry.first && kind <= entry.last)
            return translated(entry.name);
    }
    return translated(QT_TRANSLATE_NOOP("QObject", "Default"));
}

// The item's value split at its first comma. A missing second part reads as
// absent, so nothing past the stored text is ever taken for a number.
struct ValuePair
{
    int first = 0;
    int second = 0;
    bool hasSecond = false;
};

ValuePair splitValue(const KeyOperateInfo &item)
{
    const QList<QByteArray> parts = keyOperateField(item.value).split(',');
    ValuePair pair;
    pair.first = keyOperateNumber(parts.value(0));
    pair.hasSecond = parts.size() > 1;
    pair.second = keyOperateNumber(parts.value(1));
    return pair;
}

QString keyCombinationDetail(const KeyOperateInfo &item, const QMap<int, QString> &captions)
{
    const ValuePair pair = splitValue(item);
    QStringList parts;
    // Only the eight named bits are read; a mask below 1 names no modifier.
    if (pair.first >= 1) {
        for (int bit = 0; bit < 8; ++bit) {
            if (pair.first & (1 << bit))
                parts << QString::fromLatin1(kModifierNames[bit]);
        }
    }
    if (pair.hasSecond && captions.contains(pair.second))
        parts << captions.value(pair.second);
    return parts.join(QLatin1Char('+'));
}

QString keyConfigDetail(const KeyOperateInfo &item)
{
    const int function = keyOperateNumber(item.param2);
    int sub = keyOperateNumber(item.value);
    int channel = 0;
    if (function == kConnectionFunction) {
        // The connection function stores "sub,channel"; a missing channel counts as 0.
        const ValuePair pair = splitValue(item);
        sub = pair.first;
        channel = pair.second;
    }
    for (const KeyConfigName &entry : kKeyConfigNames) {
        if (entry.function == function && matches(entry.sub, sub) && matches(entry.channel, channel))
            return translated(entry.name);
    }
    return translated(kUnknown);
}

QString lightDetail(int kind, const KeyOperateInfo &item)
{
    const int param2 = keyOperateNumber(item.param2);
    const int value = keyOperateNumber(item.value);
    for (const LightName &entry : kLightNames) {
        if (entry.kind == kind && matches(entry.param2, param2) && matches(entry.value, value))
            return translated(entry.name);
    }
    return translated(kUnknown);
}

}  // namespace

QString DDataManager::getKeyFunctionTypeName(const KeyOperateInfo &item)
{
    const int kind = keyOperateNumber(item.operateType);
    QString detail = translated(kUnknown);

    switch (kind) {
    case KeyOperateType_RemapKey: detail = m_keyCharMap.value(keyOperateNumber(item.value)); break;
    case KeyOperateType_Macro:
        if (m_keyNameStore) {
            // Exact text comparison: a macro stored as "01" is not macro 1.
            const QByteArray wanted = QByteArray::number(keyOperateNumber(item.value));
            for (const KeyNameStore::Macro &macro : m_keyNameStore->macros(m_macroXmlPath)) {
                if (macro.index == wanted) {
                    detail = macro.name;
                    break;
                }
            }
        }
        break;
    case KeyOperateType_KeyCombination: detail = keyCombinationDetail(item, m_keyCharMap); break;
    case KeyOperateType_Multimedia: detail = codeName(kMultimediaNames, keyOperateNumber(item.value)); break;
    case KeyOperateType_Mouse: detail = codeName(kMouseNames, keyOperateNumber(item.value)); break;
    case KeyOperateType_Shortcut: detail = codeName(kShortcutNames, keyOperateNumber(item.value)); break;
    case KeyOperateType_Disable: detail = translated(QT_TRANSLATE_NOOP("QObject", "Disable")); break;
    case KeyOperateType_Text:
    case KeyOperateType_LaunchApplication: detail = QString::fromUtf8(keyOperateField(item.value)); break;
    case KeyOperateType_SwitchProfile: {
        // A profile that is gone keeps the detail "Unknow".
        QString name;
        if (m_keyNameStore && m_keyNameStore->profileName(m_curProfilePath, keyOperateField(item.value), &name))
            detail = name;
        break;
    }
    case KeyOperateType_KeyConfig: detail = keyConfigDetail(item); break;
    case KeyOperateType_SeniorKey: {
        QList<KeyNameStore::SeniorKey> keys;
        const int wanted = keyOperateNumber(item.value);
        if (m_keyNameStore && m_keyNameStore->seniorKeys(m_seniorKeyXmlPath, &keys)) {
            for (const KeyNameStore::SeniorKey &key : qAsConst(keys)) {
                if (key.bindingIndex == wanted) {
                    detail = key.name;
                    break;
                }
            }
        }
        break;
    }
    default:
        if (isKeyboardLightType(kind) || isSideLightType(kind))
            detail = lightDetail(kind, item);
        break;
    }

    m_keyFunctionDetail = detail;
    return kindName(kind);
}
