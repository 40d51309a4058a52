#include "lighting/dlightsconfigpage.h"

DLightsConfigPage::DLightsConfigPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DLightsConfigPage"));
}
