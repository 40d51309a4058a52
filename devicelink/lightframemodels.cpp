#include "devicelink/lightframemodels.h"

#include <QHash>

namespace {

// Models whose side-light count differs from the default.
const QHash<QString, int> &sideLightCounts()
{
    static const QHash<QString, int> table = {
        {QStringLiteral("QR108"), 45},
    };
    return table;
}

}  // namespace

int LightFrameModels::sideLightCount(const QString &model)
{
    return sideLightCounts().value(model, DefaultSideLightCount);
}

int LightFrameModels::reportsPerFrame(const QString &model)
{
    const int sideLights = sideLightCount(model);
    return KeyColourReports + (sideLights + LightsPerReport - 1) / LightsPerReport;
}
