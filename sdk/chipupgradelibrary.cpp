#include "sdk/chipupgradelibrary.h"

QString ChipUpgradeLibrary::errorText(int result, bool afterUpgrade)
{
    static const int kNamed[] = {-26, -25, -24, -23, -22, -21, -20, -18, -9, -6, -5, -3};
    for (const int code : kNamed) {
        if (result == code)
            return QStringLiteral("Error %1").arg(code);
    }
    if (result == -10 && afterUpgrade)
        return QStringLiteral("Error -10");
    return QStringLiteral("Error -1");
}
