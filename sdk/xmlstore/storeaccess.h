#pragma once

#include "macros/macroeventitem.h"
#include "sdk/xmlstore/storefiles.h"

#include <functional>

// Shared steps of the store calls: finding a profile and converting records.
namespace xmlstore {

// The profile named by indexText in doc; nullptr when doc is null, the text is
// no index, or no profile has it.
const Profile *profileOf(const DocPtr &doc, const QByteArray &indexText);
// Applies change to the profile named by indexText of the store at path and
// writes the file back; false when the file or the profile cannot be found.
bool updateProfile(const QByteArray &path, const QByteArray &indexText, const std::function<Change(Profile &)> &change);

MacroEvent eventFromItem(const MacroEventItem &item);
MacroEventItem itemFromEvent(const MacroEvent &event);
QList<MacroEvent> eventsFromItems(const QList<MacroEventItem> &items);
void appendItems(const QList<MacroEvent> &events, QList<MacroEventItem> &items);

}  // namespace xmlstore
