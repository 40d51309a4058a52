#include "emumodel.h"

namespace {

// Stand-in until the device catalogue is available to the emulator.
const QList<EmuModelInfo> &builtInModels()
{
    static const QList<EmuModelInfo> models = {
        {QStringLiteral("QR108"), 0x1209, 0x0001, 0x0002, 108, 3, true},
        {QStringLiteral("QM68"), 0x1209, 0x0003, 0x0000, 68, 4, false},
        {QStringLiteral("QB84"), 0x1209, 0x0004, 0x0005, 84, 3, false},
    };
    return models;
}

}  // namespace

EmuModelInfo EmuModels::find(const QString &name)
{
    for (const EmuModelInfo &m : builtInModels()) {
        if (m.name.compare(name, Qt::CaseInsensitive) == 0)
            return m;
    }
    return {};
}

QList<EmuModelInfo> EmuModels::all()
{
    return builtInModels();
}
