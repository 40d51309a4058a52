#pragma once

#include <QByteArray>
#include <QString>

#include "lighting/colorinfodata.h"

// The content every new profile receives (a new layer file, a created or a reset
// profile): one light item per light target and five custom lights, the first
// two seeded from the custom light preset that fits the keyboard. Each adder
// stops at the first write the store refuses and returns false, leaving the
// reason in CTavrixXML_LastFailure().
class ProfileDefaults
{
public:
    static constexpr int kCustomLightCount = 5;

    // The keyboard whose preset seeds the custom lights.
    ProfileDefaults(int keyCount, const QString &modelName) : m_keyCount(keyCount), m_modelName(modelName) { }

    // The default light item of one target.
    static colorInfoData defaultLight(int target);
    // File name of the preset among the resources under ":/images/configDir/".
    static QString presetFileName(int keyCount, const QString &modelName);

    // Three light items (targets 0, 1 and 2) and, when the default settings ask
    // for it, light synchronisation.
    static bool addDefaultLightItems(const QByteArray &path, int profileIndex);
    bool addDefaultCustomLights(const QByteArray &path, int profileIndex) const;
    // Copies the keys of one preset slot into the profile's custom light of that
    // slot. A preset that cannot be copied leaves the slot without keys (not a
    // failure: only writes to the profile count).
    bool loadCustomLightPreset(const QByteArray &path, int profileIndex, int slot) const;
    // Everything above, for a profile that was just created.
    bool addAll(const QByteArray &path, int profileIndex) const;
    // A new layer file at path: profile 1, current, with the default light items
    // and custom lights when lights is true. Made whole in memory and written once,
    // so that a kill or a full disk leaves no half-made file that would pass for a
    // layer file later.
    bool makeLayerFile(const QByteArray &path, bool lights) const;

private:
    int m_keyCount;
    QString m_modelName;
};
