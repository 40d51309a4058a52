#include "sdk/tavrixxmlkeynamestore.h"

#include "sdk/tavrixxml.h"

QList<KeyNameStore::Macro> TavrixXmlKeyNameStore::macros(const QByteArray &macroXmlPath)
{
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(macroXmlPath, nodes);
    QList<Macro> list;
    for (const MacroNode &node : qAsConst(nodes))
        list.append(Macro {node.index, QString::fromUtf8(node.name)});
    return list;
}

bool TavrixXmlKeyNameStore::profileName(const QByteArray &profilePath, const QByteArray &profileIndex, QString *name)
{
    ProfileNodeInfo info;
    if (!CTavrixXML_SelectProfileNodeInfo(profilePath, profileIndex, &info))
        return false;
    if (name)
        *name = QString::fromUtf8(info.name);
    return true;
}

bool TavrixXmlKeyNameStore::seniorKeys(const QByteArray &seniorKeyXmlPath, QList<SeniorKey> *keys)
{
    QList<SeniorKeyInfo> records;
    if (!CTavrixXML_SeniorKey_SelectAllInfoItem(seniorKeyXmlPath, records))
        return false;
    if (keys) {
        for (const SeniorKeyInfo &record : qAsConst(records))
            keys->append(SeniorKey {record.bindingIndex, QString::fromUtf8(record.name)});
    }
    return true;
}
