// The key reports and host functions of the device link.

#include "app/ddatamanager.h"
#include "devicelink/ddevicehidcmdsend.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/mainhidinterface.h"
#include "keys/keyoperatetype.h"
#include "platform/applauncher.h"
#include "platform/pastebackend.h"
#include "sdk/tavrixxml.h"

#include <QDebug>

void DDeviceKeyboardLink::parseSixKeyReport(const HidReport &r)
{
    m_keyReport.apply(r.data() + HidReport::PayloadOffset);
    if (m_winLockOn) {
        // The choices are read for every report, so a change on the performance page
        // counts from the next key.
        ProfileFunctionInfo choices;
        if (hasProfile())
            CTavrixXML_GetProFileFunctionInfo(m_profilePath, profileIndexText(), &choices);
        m_keyReport.filter(HostKeyReport::WinLockChoices::fromProfile(choices));
    }
    if (m_cmdSend)
        m_cmdSend->writeSixKey(m_keyReport.hostReport().data());
}

void DDeviceKeyboardLink::runHostKeyFunction(const HidReport &report)
{
    const int press = report[10];
    if (press == 0)
        return;
    KeyOperateInfo info = KeyOperateInfo::empty();
    if (hasProfile())
        CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, profileIndexText(), QByteArray::number(report[9]), &info);
    switch (keyOperateNumber(info.operateType)) {
    case KeyOperateType_Text: pasteKeyText(info, press); break;
    case KeyOperateType_SwitchProfile: switchProfileByKey(info, press); break;
    case KeyOperateType_LaunchApplication: launchKeyApp(info, press); break;
    default: break;
    }
}

void DDeviceKeyboardLink::pasteKeyText(KeyOperateInfo info, int press)
{
    Q_UNUSED(press)
    if (!m_paste)
        return;
    m_paste->setClipboardText(QString::fromUtf8(keyOperateField(info.value)));
    if (!m_paste->typePasteShortcut())
        Q_EMIT sigHostKeyFunctionNotice(tr("The text is on the clipboard: press Ctrl+V to paste it"));
}

void DDeviceKeyboardLink::switchProfileByKey(KeyOperateInfo info, int press)
{
    Q_UNUSED(press)
    Q_EMIT sigCustomEventChangProfile(keyOperateNumber(info.value));
}

void DDeviceKeyboardLink::launchKeyApp(KeyOperateInfo info, int press)
{
    Q_UNUSED(press)
    AppLauncher::launch(QString::fromUtf8(keyOperateField(info.value)), m_launcher);
}
