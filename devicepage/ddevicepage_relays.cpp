// Relays between the page's tabs, the light engine, the drag area over the keyboard
// picture and the keyboard's own reports. Reports of a keyboard that is not the
// current one never act on the page.
#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/dragshowarea.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "ui_ddevicepage.h"
#include "widgets/cbnotice.h"

namespace {

constexpr int kTriggerTab = 4;
constexpr int kCustomKeysTab = 0;
constexpr int kLightsTab = 1;
constexpr int kCustomLightMode = 10;

// Keyboard light modes that react to key presses: the key hook feeds them.
bool isKeyReactiveMode(int mode)
{
    switch (mode) {
    case 6:
    case 7:
    case 8:
    case 11:
    case 12:
    case 16: return true;
    default: return false;
    }
}

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
        if (currentMainTab != kTriggerTab) {
            if (keyboardView)
                keyboardView->selectKeysInRect(0, 0, 0, 0);
            if (dragArea)
                dragArea->setDragEnabled(false);
            if (keyLayer)
                keyLayer->setKeysShowSelected(false);
        }
        customKeysPage->setInteractiveLightCapture(isKeyReactiveMode(ledType), 0);
    }
    if (currentMainTab == kCustomKeysTab && keyLayer)
        keyLayer->setKeysShowSelected(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    if (sender() && !isFromCurrentLink())
        return;
    if (currentMainTab != kTriggerTab) {
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
    return currentMainTab == kTriggerTab
        || (currentMainTab == kLightsTab && currentKeyboardLightMode == kCustomLightMode);
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (!isRubberBandActive() || !keyboardView)
        return;
    // A click without movement is no selection.
    if (startX == endX && startY == endY && startX && startY && endX && endY)
        return;
    int left = 0, top = 0, right = 0, bottom = 0;
    if (startX != endX && startY != endY) {
        left = qMin(startX, endX);
        right = qMax(startX, endX);
        top = qMin(startY, endY);
        bottom = qMax(startY, endY);
    }
    keyboardView->selectKeysInRect(left, top, right, bottom);
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

// The relays below belong to the lighting, performance and macro tabs; they are
// filled in with those tabs.

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int, colorInfoData)
{ }

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int, colorInfoData)
{ }

void DDevicePage::onLightConfigHaveChanged(int, colorInfoData)
{ }

void DDevicePage::onLightConfigHaveChanged_Custom(int, colorInfoData)
{ }

void DDevicePage::onCustomLightItemHaveChanged(int, QString, QString)
{ }

void DDevicePage::onLightAndKeyboardSleepTime(int, int, int)
{ }

void DDevicePage::onLockWinKeyAbout(int, int, int, int)
{ }

void DDevicePage::onMacroListHaveChangedSendToDevice(QString, QString)
{ }
