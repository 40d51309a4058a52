// The onboard download ("Download"): the key-assignment tab asks for it, the page
// fixes the current keyboard as its target and forwards that keyboard's answers to it.
// Until it ends the page switches to no other keyboard: card clicks are refused, and
// hot-plug and receiver reports wait, except those that say the target itself is gone.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/onboarddownload.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "widgets/cbnotice.h"

void DDevicePage::initOnboardDownload()
{
    onboardDownload = new OnboardDownload(this);
    connect(onboardDownload, &OnboardDownload::sigDownloadFinished, this, &DDevicePage::onOnboardDownloadFinished);
}

bool DDevicePage::isDownloading() const
{
    return onboardDownload && onboardDownload->isRunning();
}

void DDevicePage::onTheKeyboardIntoDownloading()
{
    if (isDownloading())
        return;
    DDataManager *dm = DDataManager::getInstance();
    OnboardDownloadTarget target;
    target.hid = currentLink ? currentHid : nullptr;
    target.devicePath = currentLink ? currentLink->devicePath() : QString();
    // While the keyboard's serial number is awaited its files are not made yet, and the
    // folder still names the keyboard that was current before.
    if (currentLink && !waitingForSerial)
        target.profileFolder = profileDir;
    target.seniorKeyPath = dm->getSeniorKeyXmlPath();
    target.magnetic = dm->isMagneticKeyboard();
    for (const keyboardButCustom *key : dm->getKeyButtonList())
        target.keyCodes.append(key ? key->keyDec() : 0);
    onboardDownload->start(target);
}

void DDevicePage::onOnboardDownloadFinished(bool, const QString &noticeText)
{
    customKeysPage->stopDownloadAnimation();
    notice->showMessageAt(noticeText, tipPosition());
    scheduleDeferredWork();
}

// The target's departure ends its download at once; any other change waits for the end.
void DDevicePage::endDownloadIfTargetGone(const QMap<QString, hidStructInfoAll> &present)
{
    if (isDownloading() && !present.contains(onboardDownload->targetPath()))
        onboardDownload->onDeviceRemoved(onboardDownload->targetPath());
}

// Acknowledgements and status count only from the keyboard being written.

void DDevicePage::onRunningOnboard0x19Cmd()
{
    if (auto *link = qobject_cast<DDeviceKeyboardLink *>(sender()))
        onboardDownload->onAcknowledgement(link->devicePath());
}

void DDevicePage::onRunningOnboard0x18Cmd()
{ }

void DDevicePage::onRunningOnboardDownloadStatus(int statusNum)
{
    if (auto *link = qobject_cast<DDeviceKeyboardLink *>(sender()))
        onboardDownload->onDownloadStatus(link->devicePath(), statusNum);
}

void DDevicePage::onQN9080Recv0x0bCmd(int)
{ }
