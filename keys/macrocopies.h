#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A profile keeps its own copy of every macro its keys bind (a node named
// "Macro<index>"), because the download sends macros from the profile, not from
// the macro file. These helpers make and renew those copies.
namespace MacroCopies {

// "Macro" followed by the macro index.
QByteArray nodeName(const QByteArray &macroIndex);

// Replaces the profile's copy of the macro with the macro's events as the macro
// file holds them now (an empty copy when the macro has none or is gone). True
// when the profile holds the new copy.
bool copyIntoProfile(const QByteArray &layerFile, const QByteArray &profileIndex, const QByteArray &macroFile,
                     const QByteArray &macroIndex);

// After a macro has been edited: renews its copy in every profile of every given
// layer file where a key binds it, so that no profile downloads a stale macro.
// Profiles without such a key are left alone. Returns how many copies were
// renewed, or -1 when a layer file could not be read or a copy not written (the
// others are still renewed).
int renewEverywhere(const QList<QByteArray> &layerFiles, const QByteArray &macroFile, const QByteArray &macroIndex);

// renewEverywhere over every layer file of the user configuration folder, with
// the macro file the data manager names: what follows an edit in the macro editor.
int renewEditedMacro(const QByteArray &macroIndex);

// Every layer file of every device under the user configuration folder
// (<folder>/<model>/<serial>/appProfile_*.xml), in a stable order.
QList<QByteArray> layerFilesUnder(const QString &userConfigDir);

}  // namespace MacroCopies
