#pragma once

#include "advancedkeys/seniorkeyinfo.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Rules of the advanced-key records shared by the editor and its widgets: the limit, how a new
// record is numbered and filled, and how key strings read as captions.
namespace SeniorKeys {

constexpr int kMaxRecords = 40;
// Travel points of a new dynamic-keystroke key, in 0.1 mm: press, bottom, release from
// bottom, release end.
constexpr int kDefaultStrokes[4] = {15, 36, 36, 15};
constexpr int kDefaultHoldTimeMs = 10;

// "DKS", "MT" or "TGL"; empty for an unknown type.
QByteArray namePrefix(int keyType);

// The highest id plus 1, or 1 when there is none.
int nextBindingIndex(const QList<int> &ids);

// A record with the creation values, whatever its type; only id, name and type differ.
SeniorKeyInfo newRecord(int bindingIndex, int keyType);

// Copies a key string into a record's slot (at most 15 bytes, zero-terminated).
void setKeyString(SeniorKeyInfo &info, int slot, const QByteArray &keyString);
QByteArray keyString(const SeniorKeyInfo &info, int slot);

// "mask,usage" for a combination of modifiers with one plain key.
QByteArray comboKeyString(int modifierMask, int usage);

// Names of the modifier bits 0..7 ("L_CTRL" ... "R_WIN").
QString modifierName(int bit);

// The caption of a key string with the picker's map from key code to caption: the set
// modifier names in bit order, then the plain key's caption, joined with "+"; a single key
// reads as its map entry, or empty when the map has none.
QString keyCaption(const QByteArray &keyString, const QMap<int, QString> &keyNames);

}  // namespace SeniorKeys
