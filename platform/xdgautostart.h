#pragma once

#include <QString>

// The log-on start entry of the desktop: an XDG autostart file
// $XDG_CONFIG_HOME/autostart/<appName>.desktop whose Exec line starts the program
// with " --AutoUp", so the application knows to stay in the tray.
namespace XdgAutoStart {

// Full path of the entry for this application name.
QString entryPath(const QString &appName);

// The Exec value for a program path: the path quoted as the desktop-entry format
// requires, followed by " --AutoUp".
QString execLine(const QString &programPath);

// Writes (or rewrites) the entry; true only when the file is on disk. Besides
// Exec it names the program in TryExec and the icon by the application name.
bool write(const QString &appName, const QString &displayName, const QString &programPath);

// Removes the entry; true when no entry is left.
bool remove(const QString &appName);

bool exists(const QString &appName);

// True when the entry is there and starts the program at programPath.
bool startsProgram(const QString &appName, const QString &programPath);

}  // namespace XdgAutoStart
