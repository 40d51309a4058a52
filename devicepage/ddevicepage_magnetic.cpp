// Magnetic-switch commands built from what the trigger tab and the keyboard picture
// report, all sent through the current keyboard's I/O thread.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/magneticreport.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/dragshowarea.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "magnetic/dtriggersettingpage.h"
#include "widgets/questiondialog.h"

namespace {

constexpr int kTriggerTab = 4;

}  // namespace

QByteArray DDevicePage::magneticBitmapOfSelection() const
{
    QList<MagneticReport::KeyCell> keys;
    if (keyboardView) {
        for (keyboardButCustom *key : keyboardView->selectedKeys())
            keys.append({key->keyRow(), key->keyColumn()});
    }
    return MagneticReport::keyBitmap(keys);
}

bool DDevicePage::sendMagnetic(const HidReport &report)
{
    // Nothing goes out, and nothing is logged, while no keyboard is current.
    return currentHid && MagneticReport::send(currentHid, report);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int, int indexX, int indexY)
{
    if (currentMainTab != kTriggerTab)
        return;
    sendMagnetic(MagneticReport::selectKeys(magneticBitmapOfSelection()));
    triggerSettingPage->clearLiveTravel();
    if (operateType == 1)
        DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(1, indexX, indexY);
}

void DDevicePage::onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                           int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R)
{
    if (!currentHid)
        return;
    if (!keyboardView || keyboardView->selectedKeys().isEmpty()) {
        onEveryPageBackTip(tr("Please select one Key first"));
        return;
    }
    MagnetKeyTriggerConfig config;
    config.selMode = selMode;
    config.strengthNum_L = strengthNum_L;
    config.strengthNum_R = strengthNum_R;
    config.strengthNum_QuickTrigger_L = strengthNum_QuickTrigger_L;
    config.strengthNum_QuickTrigger_R = strengthNum_QuickTrigger_R;
    const bool sent = sendMagnetic(MagneticReport::apply(config, magneticBitmapOfSelection()));
    onEveryPageBackTip(MagneticReport::resultNotice(sent));
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    if (!currentHid)
        return;
    // The question cannot be closed without a choice.
    if (!QuestionDialog::ask(this, tr("Tip"), tr("Whether to reset the current profile?"),
                             QuestionDialog::Escape::IsIgnored))
        return;
    const bool sent = sendMagnetic(MagneticReport::resetTrigger());
    onEveryPageBackTip(MagneticReport::resultNotice(sent));
    triggerSettingPage->reloadSettings();
}

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    sendMagnetic(MagneticReport::queryKey(indexX, indexY));
}

void DDevicePage::onKeyAntiShakeCurrentNum(int KeyAntiShakeNum)
{
    if (!currentHid)
        return;
    const bool sent = sendMagnetic(MagneticReport::debounce(true, KeyAntiShakeNum));
    if (sent) {
        currentLink->noteKeyAntiShakeNum(KeyAntiShakeNum);
        DDataManager::getInstance()->setKeyAntiShakeNum(KeyAntiShakeNum);
    }
    onEveryPageBackTip(MagneticReport::resultNotice(sent));
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel)
{
    if (!currentHid)
        return;
    const bool sent = sendMagnetic(MagneticReport::reportRate(true, rateOfReturnNumDel));
    if (sent) {
        currentLink->noteKeyRateOfReturnNum(rateOfReturnNumDel);
        DDataManager::getInstance()->setKeyRateOfReturnNum(rateOfReturnNumDel);
    }
    onEveryPageBackTip(MagneticReport::resultNotice(sent));
}

void DDevicePage::onCalibrationMode(int selMode)
{
    DDataManager *dm = DDataManager::getInstance();
    const bool on = selMode != 0;
    dm->setCalibrationMode(on);
    keySelectFrame *keyLayer = dm->getKeySelectFrame();
    if (keyLayer)
        keyLayer->setKeysTriggerView(on);
    calibrationPointX = -1;
    calibrationPointY = -1;
    if (keyboardView && dragArea) {
        if (on) {
            // Clicks reach the single keys: the picture lies above the rubber band.
            dragArea->lower();
            keyboardView->raise();
            keyboardView->show();
        } else {
            keyboardView->lower();
            dragArea->raise();
            dragArea->show();
            dragArea->setDragEnabled(true);
        }
        keyboardView->clearSelection(true);
    }
    if (keyLayer) {
        keyLayer->setSideLightsVisible(false);
        keyLayer->setKeysShowSelected(true);
    }
    if (!on) {
        for (keyboardButCustom *key : dm->getKeyButtonList()) {
            key->setShowKeyColor(false);
            key->setKeyColor(QColor(0, 0, 0, 0));
        }
    }
    sendMagnetic(MagneticReport::selectKeys(MagneticReport::keyBitmap({})));
    triggerSettingPage->clearLiveTravel();
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    calibrationPointX = keyPointX;
    calibrationPointY = keyPointY;
    sendMagnetic(MagneticReport::selectKeys(MagneticReport::keyBitmap({{keyPointX, keyPointY}})));
    triggerSettingPage->clearLiveTravel();
}

void DDevicePage::onKeyCalibrationStartRunning()
{
    if (!DDataManager::getInstance()->getCalibrationMode()) {
        onEveryPageBackTip(tr("Please switch to key calibration mode first"));
        return;
    }
    if (calibrationPointX < 0 || calibrationPointY < 0) {
        onEveryPageBackTip(tr("Please select one Key first"));
        return;
    }
    if (!currentHid)
        return;
    const bool sent = sendMagnetic(MagneticReport::calibrate(calibrationPointX, calibrationPointY));
    onEveryPageBackTip(MagneticReport::resultNotice(sent));
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    switch (keyCalibrationStatus) {
    case 0: onEveryPageBackTip(tr("The key calibration successful")); break;
    case 1: onEveryPageBackTip(tr("The key calibration runing")); break;
    case 2: onEveryPageBackTip(tr("The key calibration failed")); break;
    default: onEveryPageBackTip(tr("Unknow")); break;
    }
}

void DDevicePage::onLinkFactsChanged()
{
    if (isFromCurrentLink())
        publishLinkFacts(currentLink);
}

void DDevicePage::onLinkLiveTravel(int indexX, int indexY, int sensitivityNum)
{
    if (isFromCurrentLink())
        DDataManager::getInstance()->relayBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDevicePage::onLinkKeyTrigger(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                   int quickTriggerReleaseNum)
{
    if (isFromCurrentLink())
        DDataManager::getInstance()->relaySensitivityBackInfo(type, pressNum, releaseNum, quickTriggerPressNum,
                                                              quickTriggerReleaseNum);
}

void DDevicePage::onLinkCalibrationStatus(int status)
{
    if (isFromCurrentLink())
        DDataManager::getInstance()->relayCalibrationStatus(status);
}
