#include "keys/macrocopies.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"

#include <QDir>
#include <QFile>

namespace MacroCopies {

QByteArray nodeName(const QByteArray &macroIndex)
{
    return QByteArrayLiteral("Macro") + macroIndex;
}

bool copyIntoProfile(const QByteArray &layerFile, const QByteArray &profileIndex, const QByteArray &macroFile,
                     const QByteArray &macroIndex)
{
    const QByteArray node = nodeName(macroIndex);
    if (!CTavrixXML_DeleteProFileBindMacroNode(layerFile, profileIndex, macroIndex, node))
        return false;
    // A macro without events (or one deleted meanwhile) leaves an empty copy.
    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(macroFile, macroIndex, events);
    return CTavrixXML_AddProFileBindMacroItem(layerFile, profileIndex, events, macroIndex, node);
}

int renewEverywhere(const QList<QByteArray> &layerFiles, const QByteArray &macroFile, const QByteArray &macroIndex)
{
    const QByteArray macroType = QByteArray::number(KeyOperateType_Macro);
    int renewed = 0;
    bool failed = false;
    for (const QByteArray &layerFile : layerFiles) {
        QList<ProfileNode> profiles;
        if (!CTavrixXML_SelectProFileAllNodes(layerFile, profiles)) {
            failed = true;
            continue;
        }
        for (const ProfileNode &profile : profiles) {
            if (CTavrixXML_GetProFileValueNum(layerFile, profile.index, macroType, macroIndex) < 1)
                continue;
            if (copyIntoProfile(layerFile, profile.index, macroFile, macroIndex)) {
                ++renewed;
            } else {
                qCDebug(lcKeys) << "Macro copy not renewed:" << layerFile << profile.index << macroIndex;
                failed = true;
            }
        }
    }
    return failed ? -1 : renewed;
}

int renewEditedMacro(const QByteArray &macroIndex)
{
    const DDataManager *dm = DDataManager::getInstance();
    return renewEverywhere(layerFilesUnder(dm->getUserConfigDir()), dm->getMacroXmlPath(), macroIndex);
}

QList<QByteArray> layerFilesUnder(const QString &userConfigDir)
{
    QList<QByteArray> files;
    const QDir root(userConfigDir);
    const QDir::Filters dirs = QDir::Dirs | QDir::NoDotAndDotDot;
    for (const QString &model : root.entryList(dirs, QDir::Name)) {
        const QDir modelDir(root.filePath(model));
        for (const QString &serial : modelDir.entryList(dirs, QDir::Name)) {
            const QDir deviceDir(modelDir.filePath(serial));
            for (const QString &name :
                 deviceDir.entryList({QStringLiteral("appProfile_*.xml")}, QDir::Files, QDir::Name))
                files << QFile::encodeName(deviceDir.filePath(name));
        }
    }
    return files;
}

}  // namespace MacroCopies
