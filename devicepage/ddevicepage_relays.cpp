// Relays between the page's tabs, the light engine, the drag area over the keyboard
// picture and the keyboard's own reports. Reports of a keyboard that is not the
// current one never act on the page.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/pagerelayrules.h"
#include "devicepage/profilecontroller.h"
#include "keyboardview/dragshowarea.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keys/dcustomkeyspage.h"
#include "keys/macrocopies.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "ui_ddevicepage.h"
#include "widgets/cbnotice.h"

#include <QPointer>

namespace {

constexpr int kCustomKeysTab = 0;

}  // namespace

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    notice->showMessageAt(strTip, tipPosition());
}

void DDevicePage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(scrollBarStyle);
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    ui->toolButton_CustomKey->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
}

void DDevicePage::onInteractLightsPointXY(int indexX, int indexY)
{
    lightEngine->setInteractLightPoint(indexX, indexY);
}

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (dragArea)
        dragArea->setSingleKeyMode(isSelectedOneKey);
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (sender() && !isFromCurrentLink())
        return;
    if (keyboardView)
        keyboardView->setKeyboardModeImage(mode);
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    if (sender() && !isFromCurrentLink())
        return;
    lightsConfigPage->followDeviceLightChange(hidType, ledType);
    keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame();
    if (hidType == 0) {
        if (currentMainTab != PageRelayRules::kTriggerTab) {
            if (keyboardView)
                keyboardView->selectKeysInRect(0, 0, 0, 0);
            if (dragArea)
                dragArea->setDragEnabled(false);
            if (keyLayer)
                keyLayer->setKeysShowSelected(false);
        }
        customKeysPage->setInteractiveLightCapture(PageRelayRules::isKeyReactiveMode(ledType), 0);
    }
    if (currentMainTab == kCustomKeysTab && keyLayer)
        keyLayer->setKeysShowSelected(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    if (sender() && !isFromCurrentLink())
        return;
    if (currentMainTab != PageRelayRules::kTriggerTab) {
        if (keyboardView)
            keyboardView->selectKeysInRect(0, 0, 0, 0);
        if (dragArea)
            dragArea->setDragEnabled(true);
        if (keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame())
            keyLayer->setKeysShowSelected(true);
    }
    lightsConfigPage->followDeviceCustomLight(hidType, ledType, usingCustomIndex);
}

bool DDevicePage::isRubberBandActive() const
{
    return PageRelayRules::isRubberBandActive(currentMainTab, currentKeyboardLightMode);
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (!isRubberBandActive() || !keyboardView)
        return;
    PageRelayRules::KeyRect rect;
    if (PageRelayRules::dragRectangle(startX, startY, endX, endY, &rect))
        keyboardView->selectKeysInRect(rect.left, rect.top, rect.right, rect.bottom);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    if (isRubberBandActive() && keyboardView)
        keyboardView->hoverKeyAt(moveX, moveY, currentMainTab);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    if (isRubberBandActive() && keyboardView)
        keyboardView->toggleKeyAt(isMousePress);
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data)
{
    // Leaving the custom mode ends the selection of keys to colour.
    if (currentKeyboardLightMode == PageRelayRules::kCustomLightMode && lightIndex != PageRelayRules::kCustomLightMode
        && keyboardView)
        keyboardView->selectKeysInRect(0, 0, 0, 0);
    customKeysPage->setInteractiveLightCapture(PageRelayRules::isKeyReactiveMode(data.lightMode), 0);
    const bool custom = lightIndex == PageRelayRules::kCustomLightMode;
    if (dragArea)
        dragArea->setDragEnabled(custom);
    if (keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame())
        keyLayer->setKeysShowSelected(custom);
    currentKeyboardLightMode = lightIndex;
    lightEngine->setKeyboardColorInfoData(data);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int, colorInfoData data)
{
    lightEngine->setSideColorInfoData(data);
}

void DDevicePage::onLightConfigHaveChanged(int, colorInfoData data)
{
    switch (data.lightTarget) {
    case 0: lightEngine->keyboardColorInfoDataChanged(data); break;
    case 1: lightEngine->sideColorInfoDataChanged(data); break;
    default: break;
    }
}

void DDevicePage::onLightConfigHaveChanged_Custom(int, colorInfoData data)
{
    const QColor color(qBound(0, data.topColorR, 255), qBound(0, data.topColorG, 255), qBound(0, data.topColorB, 255));
    if (keyboardView) {
        for (keyboardButCustom *key : keyboardView->selectedKeys()) {
            key->setKeyColor(color);
            key->setCustomLightColor(color);
        }
    }
    lightEngine->setCustomLightColors(1, customLightSlot);
    saveCustomLightColors();
    lightsConfigPage->uploadCustomLightColors();
}

void DDevicePage::saveCustomLightColors()
{
    // Without a custom light in use the colours belong to no stored slot.
    profiles->saveCustomLightColors(lightsConfigPage->usingCustomLightIndex());
}

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString)
{
    profiles->loadCustomLightColors(strCustomLightIndex.toUtf8());
    customLightSlot = flagIndex;
    lightEngine->setCustomLightColors(0, flagIndex);
}

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    if (!currentLink)
        return;
    sleepTimeAcknowledged = false;
    // The wait for the keyboard's answer lets other events run: the keyboard may go meanwhile.
    const QPointer<DDeviceKeyboardLink> link = currentLink;
    if (profiles->submitSleepTime(lightSleepTime, keyboardSleepTime, prohibitSleepStatus) && link)
        link->noteProhibitSleep(prohibitSleepStatus);
}

void DDevicePage::onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4)
{
    if (currentLink)
        currentLink->lockWinKey(feature1, feature2, feature3, feature4);
}

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString)
{
    // Every profile of every layer and device that plays the macro keeps a copy
    // of it, and each of them is downloaded from that copy: all must follow the
    // edit, not only the profile shown.
    MacroCopies::renewEditedMacro(strMacroIndex.toLatin1());
}
