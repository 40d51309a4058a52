// The onboard download ("Download"): filled in with the download itself. Until
// then a request only releases the key-assignment tab's Download button.
#include "devicepage/ddevicepage.h"
#include "keys/dcustomkeyspage.h"

void DDevicePage::onTheKeyboardIntoDownloading()
{
    customKeysPage->stopDownloadAnimation();
}

void DDevicePage::onRuningOnboard0x19Cmd()
{ }

void DDevicePage::onRuningOnboard0x18Cmd()
{ }

void DDevicePage::onRuningOnboardDownloadStatus(int)
{ }

void DDevicePage::onQN9080Recv0x0bCmd(int)
{ }
