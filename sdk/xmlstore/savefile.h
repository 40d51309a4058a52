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

// Writes bytes as the whole content of path (local 8-bit encoding). A symbolic
// link is followed: its target is replaced, the link stays. beforeReplace (when
// given) runs once the temporary file holds the synced content.
SaveResult saveWhole(const QByteArray &path, const QByteArray &bytes,
                     const std::function<void()> &beforeReplace = std::function<void()>());

// True when fileName (a name without folder) is a temporary file of saveWhole.
bool isSaveTempName(const QString &fileName);

}  // namespace xmlstore
