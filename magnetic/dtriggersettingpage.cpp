#include "magnetic/dtriggersettingpage.h"

#include "app/ddatamanager.h"

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent) : QWidget(parent)
{ }

void DTriggerSettingPage::retranslateTexts()
{ }

void DTriggerSettingPage::applyTheme()
{ }

void DTriggerSettingPage::reloadSettings()
{
    m_liveTravel = 0;
}

void DTriggerSettingPage::leaveCalibrationMode()
{
    DDataManager::getInstance()->setCalibrationMode(false);
}

void DTriggerSettingPage::clearLiveTravel()
{
    m_liveTravel = 0;
    update();
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX)
    Q_UNUSED(indexY)
    m_liveTravel = sensitivityNum;
    update();
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    Q_UNUSED(type)
    Q_UNUSED(pressNum)
    Q_UNUSED(releaseNum)
    Q_UNUSED(QuickTriggerPressNum)
    Q_UNUSED(QuickTriggerReleaseNum)
}
