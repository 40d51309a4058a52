#include "emumodel.h"

#include "sdk/devicecatalogue.h"

namespace {

EmuModelInfo fromCatalogue(const CatalogueModel &m)
{
    EmuModelInfo info;
    info.name = m.modelName;
    info.vid = m.vid;
    info.cablePid = m.cablePid;
    info.receiverPid = m.receiverPid;
    info.keyCount = m.keyCount;
    info.hidDeviceType = m.magnetic ? 4 : m.hidDeviceType;
    info.sideLights = m.sideLights;
    return info;
}

}  // namespace

EmuModelInfo EmuModels::find(const QString &name)
{
    for (const CatalogueModel &m : DeviceCatalogue::instance().models()) {
        if (m.modelName.compare(name, Qt::CaseInsensitive) == 0)
            return fromCatalogue(m);
    }
    return {};
}

QList<EmuModelInfo> EmuModels::all()
{
    QList<EmuModelInfo> models;
    for (const CatalogueModel &m : DeviceCatalogue::instance().models())
        models.append(fromCatalogue(m));
    return models;
}
