#pragma once

#include "sdk/tavrixxml.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// Store files in a temporary folder for the tests of the XML store.
class StoreFixture
{
public:
    StoreFixture();

    // Path of a file in the folder, in the local 8-bit encoding the store takes.
    QByteArray path(const QString &name) const;
    static QByteArray bytes(const QByteArray &path);
    static void write(const QByteArray &path, const QByteArray &content);

    // Copies a shipped custom light preset into the folder and returns its path.
    QByteArray presetCopy(const QString &name) const;

    // A layer file as a device's first opening leaves it: profile "1" named
    // Profile1, current, with the default light items, light synchronisation on
    // and the five custom lights (slots 0 and 1 from presetName).
    QByteArray newLayerFile(const QString &name, const QString &presetName = "customLightDefaultConfig.xml") const;
    // The default content of a new profile, as the device page adds it.
    void addProfileDefaults(const QByteArray &layer, const QByteArray &index, const QByteArray &preset) const;

    // Runs action with the process unable to grow any file past limit bytes, which
    // the store meets like a full disk (the limit's signal ignored, as the program does).
    static void withFileSizeLimit(qint64 limit, const std::function<void()> &action);
    // Runs action with file permissions binding the calling thread even when it runs
    // as root (its capabilities to override them are set aside meanwhile), so that a
    // file of mode 000 or a read-only folder is refused as for any user.
    static void withPermissionsBinding(const std::function<void()> &action);

private:
    QTemporaryDir m_dir;
};
