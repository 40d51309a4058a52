// The onboard download ("Download"): filled in with the download itself. Until
// then a request only releases the key-assignment tab's Download button.
#include "devicepage/ddevicepage.h"
#include "keys/dcustomkeyspage.h"

void DDevicePage::onTheKeyboardIntoDownloading()
{
    customKeysPage->stopDownloadAnimation();
}

// Only the current keyboard's acknowledgements and status may reach a download.

void DDevicePage::onRuningOnboard0x19Cmd()
{
    if (sender() && !isFromCurrentLink())
        return;
}

void DDevicePage::onRuningOnboard0x18Cmd()
{
    if (sender() && !isFromCurrentLink())
        return;
}

void DDevicePage::onRuningOnboardDownloadStatus(int)
{
    if (sender() && !isFromCurrentLink())
        return;
}

void DDevicePage::onQN9080Recv0x0bCmd(int)
{ }
