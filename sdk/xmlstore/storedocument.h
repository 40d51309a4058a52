#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "lighting/colorinfodata.h"
#include "sdk/tavrixxmlfailure.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The parsed content of one store file. A store file may hold profiles (layer
// files, exported profiles), macros (the macro file) and advanced keys (the
// advanced-key file); every kind is kept whole in memory and written back whole.
// All texts are the 8-bit texts the callers handed over, unchanged.
namespace xmlstore {

// Every index and id of the store lies in 1..kMaxIndex.
constexpr int kMaxIndex = 999999;
constexpr int kMaxProfiles = 10;
constexpr int kMaxSeniorKeys = 40;
// Limits far above any real store: a layer file of ten profiles full of keys,
// lights, custom lights and macro copies is about half the file size, a text
// typed into any field stays below the text length. Reading the largest file
// accepted then keeps the window responsive (bench/bench_storeparse). Files
// above the size are refused unread; a file holding a longer text is refused as
// damaged. Writes that would make a larger file are refused as well.
constexpr qint64 kMaxFileSize = 3 * 1024 * 1024;
constexpr int kMaxTextBytes = 256 * 1024;

struct KeyItem
{
    QByteArray keyCode;
    QByteArray keyName;
    QByteArray operateType;
    QByteArray param1;
    QByteArray param2;
    QByteArray value;
};

struct MacroEvent
{
    QByteArray mark;
    QByteArray delay;
    QByteArray type;
    QByteArray keyCode;
    QByteArray codeName;
    QByteArray operateExplain;
};

struct CustomLightItem
{
    QByteArray keyCode;
    QByteArray codeName;
    int indexX = 0;
    int indexY = 0;
    int colorR = 0;
    int colorG = 0;
    int colorB = 0;
    int transparentNum = 128;
};

struct CustomLight
{
    QByteArray index;
    QByteArray name;
    QByteArray isUsing;
    int usingFlagIndex = -1;
    QList<CustomLightItem> items;
};

struct MacroCopy
{
    int macroIndex = 0;
    QByteArray name;
    QList<MacroEvent> events;
};

struct LightInUse
{
    int target = 0;
    int mode = 0;
};

struct SleepTimes
{
    int lightSeconds = 600;
    int keyboardMinutes = 30;
};

struct WinLock
{
    QByteArray altTab, altF4, shiftTab, winKey;
};

struct Profile
{
    int index = 0;
    QByteArray name;
    std::optional<int> lightSync;
    QList<LightInUse> lightsInUse;  // one per target
    QList<colorInfoData> lights;    // one per (target, mode)
    std::optional<SleepTimes> sleep;
    std::optional<WinLock> winLock;
    QList<CustomLight> customLights;  // in store order, one per index
    QList<KeyItem> keys;              // sorted by key code, one per code
    QList<MacroCopy> macroCopies;     // sorted by macro index, one per index

    int findKey(const QByteArray &keyCode) const;  // position or -1
    // Position at which an item for keyCode belongs in the sorted list.
    int keyInsertPosition(const QByteArray &keyCode) const;
    int findLight(int target, int mode) const;
    int findCustomLight(const QByteArray &slot) const;
    int findMacroCopy(int macroIndex) const;
};

struct Macro
{
    int index = 0;
    QByteArray name;
    QList<MacroEvent> events;
};

struct StoreDocument
{
    static constexpr int kVersion = 1;

    std::optional<int> currentProfile;
    bool exported = false;            // written by a profile export, not a layer file
    QList<Profile> profiles;          // file order
    QList<Macro> macros;              // ascending index
    QList<SeniorKeyInfo> seniorKeys;  // ascending id

    int findProfile(int index) const;
    int findMacro(int index) const;
    int findSeniorKey(int id) const;

    // Parses a whole file; on failure returns false and says why in *error (for
    // the debug output), at which line in *errorLine and what is wrong in *damage
    // (LongText for a text over kMaxTextBytes).
    static bool parse(const QByteArray &bytes, StoreDocument *doc, QString *error, int *errorLine = nullptr,
                      CTavrixXMLDamage *damage = nullptr);
    QByteArray serialize() const;
};

}  // namespace xmlstore
