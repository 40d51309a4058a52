// The key hook of the key-assignment page: switching it between its uses and
// handling the key stream it reports.

#include "keys/dcustomkeyspage.h"

#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dchangekeypage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/keyfunctionpagetable.h"
#include "sdk/tavrixinteractive.h"

namespace {

constexpr int kVkReturn = 13;
constexpr int kVkEscape = 27;
constexpr int kMainEnter = 999;
constexpr int kKeypadEnter = 998;
constexpr int kFlagReleased = 128;
constexpr int kFlagReleasedExtended = 129;

// With NumLock off the keypad reports its navigation meaning; without the
// extended flag the key is on the keypad, so it is taken as the keypad digit.
struct KeypadKey
{
    int navigationVk;
    int keypadVk;
};
constexpr KeypadKey kKeypadKeys[] = {
    {45, 96}, {35, 97}, {40, 98}, {34, 99}, {37, 100}, {12, 101}, {39, 102}, {36, 103}, {38, 104}, {33, 105}, {46, 110},
};

int capturedVirtualKey(int keyCode, int hookFlag)
{
    if (keyCode == kVkReturn) {
        if (hookFlag == 0)
            return kMainEnter;
        if (hookFlag == 1)
            return kKeypadEnter;
        return keyCode;
    }
    if (hookFlag == 0 || hookFlag == 32) {
        for (const KeypadKey &key : kKeypadKeys)
            if (key.navigationVk == keyCode)
                return key.keypadVk;
    }
    return keyCode;
}

}  // namespace

void DCustomKeysPage::createHook()
{
    m_hook = new WindowsHookInterface();
    connect(m_hook, &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardReceiveStream);
}

void DCustomKeysPage::destroyHook()
{
    if (!m_hook)
        return;
    m_hook->stopHook();
    delete m_hook;
    m_hook = nullptr;
}

int DCustomKeysPage::stopHook()
{
    m_hookRunning = false;
    return m_hook->stopHook();
}

int DCustomKeysPage::startHook(int mode)
{
    m_hook->stopHook();
    m_hookMode = mode;
    const int result = m_hook->startHook(mode);
    m_hookRunning = result == 1;
    return result;
}

void DCustomKeysPage::setInteractiveLightCapture(bool on, int)
{
    if (on)
        startHook(HookMode_InteractiveLight);
    else
        stopHook();
}

void DCustomKeysPage::setMacroRecordCapture(bool on)
{
    const int result = on ? startHook(HookMode_MacroRecord) : stopHook();
    DDataManager::getInstance()->setMacroHookRunning(result == 1);
}

void DCustomKeysPage::onHookRunningStatusCtrl_MacroRecord(bool isStartHook)
{
    setMacroRecordCapture(isStartHook);
}

void DCustomKeysPage::onMessageStartOrStopHook(bool isStartHook)
{
    stopHook();
    if (!isStartHook)
        return;
    if (m_pageCode == KeyFunctionPages::kRemapPageCode)
        startHook(HookMode_RemapCapture);
    else if (m_pageCode == KeyFunctionPages::kCombinationPageCode)
        startHook(HookMode_CombinationCapture);
}

void DCustomKeysPage::onKeyboardReceiveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode)
    // Only first presses go on: releases and held-key repeats are not captures.
    if (flag == 0 || hookFlag == kFlagReleased || hookFlag == kFlagReleasedExtended)
        return;
    const DDataManager *dm = DDataManager::getInstance();
    const int vk = capturedVirtualKey(keyCode, hookFlag);
    const QMap<int, int> vkToHid = dm->getVkToHidMap();
    const auto hid = vkToHid.constFind(vk);
    if (m_hookMode == HookMode_InteractiveLight) {
        if (hid == vkToHid.constEnd())
            return;
        const keyboardButCustom *key = dm->getKeyButtonMap().value(hid.value(), nullptr);
        if (!key)
            return;
        CTavrixHid_keyClickedSendXY(key->keyRow(), key->keyColumn());
        emit sigInteractLightsPointXY(key->keyRow(), key->keyColumn());
        return;
    }
    if (m_hookMode == HookMode_MacroRecord)
        return;
    // Escape closes a key pop-up as a cancel: the key keeps its function. A remap
    // to Esc is picked on the pop-up's own Esc key.
    if (vk == kVkEscape) {
        if (m_pageCode == KeyFunctionPages::kRemapPageCode)
            m_remapPage->cancelPick();
        else if (m_pageCode == KeyFunctionPages::kCombinationPageCode)
            m_combinationPage->cancelPick();
        return;
    }
    if (hid == vkToHid.constEnd())
        return;
    if (m_pageCode == KeyFunctionPages::kRemapPageCode)
        m_remapPage->setTargetKey(hid.value());
    else if (m_pageCode == KeyFunctionPages::kCombinationPageCode)
        m_combinationPage->addCapturedKey(hid.value());
}
