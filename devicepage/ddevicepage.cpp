#include "devicepage/ddevicepage.h"

DDevicePage::DDevicePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DDevicePage"));
}

void DDevicePage::retranslateTexts()
{ }

void DDevicePage::applyTheme()
{ }

void DDevicePage::setHidListVisible(bool)
{ }

void DDevicePage::stopLightEngineOnClose()
{ }

void DDevicePage::hidDeviceConnectChanging(int, QString)
{ }

void DDevicePage::closeAllLinks()
{ }
