#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Whole-file saves of the store: the new content goes to a temporary file of our
// own name beside the file, is synced, and is renamed over the file, so the file
// is always either the old one or the new one. A save cut short by a kill leaves
// the temporary file behind; its name is one no user would give a file, so that
// the start-up clean-up removes only what the program made.
namespace xmlstore {

struct SaveResult
{
    bool ok = false;
    int error = 0;  // errno of the step that failed
    QString what;   // that step, for the debug output
};

// Who may read a saved file. The program's own files hold what users type into
// macros and Text keys, passwords among them: only their owner may read them
// (0600, or a stricter mode the file had). A file the user chose a place and a
// name for follows the user's umask when new, and keeps its mode when replaced.
enum class FileAccess
{
    OwnerOnly,
    UserChoice,
};

// Writes bytes as the whole content of path (local 8-bit encoding). A symbolic
// link is followed: its target is replaced, the link stays. beforeReplace (when
// given) runs once the temporary file holds the synced content.
SaveResult saveWhole(const QByteArray &path, const QByteArray &bytes,
                     const std::function<void()> &beforeReplace = std::function<void()>(),
                     FileAccess access = FileAccess::OwnerOnly);

// Takes every right of the group and of others from an existing folder (0700 at
// most) or file (0600 at most) of the program; what the owner has is kept, so a
// stricter mode the user set stays. False when path is missing or cannot be changed.
bool restrictToOwner(const QByteArray &path);
// Makes folder and the folders above it that are missing, and leaves folder to
// its owner only. False when it cannot be made.
bool makePrivateFolder(const QByteArray &folder);
// Leaves a file of the program to its owner only, first making it empty when it
// is missing (a settings file, which its writer would make with the umask).
bool makePrivateFile(const QByteArray &path);

// True when fileName (a name without folder) is a temporary file of saveWhole.
bool isSaveTempName(const QString &fileName);

}  // namespace xmlstore
