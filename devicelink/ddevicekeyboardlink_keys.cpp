// The key reports and host functions of the device link.

#include "devicelink/ddevicehidcmdsend.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/keyboardwideprofile.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/unaskedreportpacer.h"
#include "keys/keyoperatetype.h"
#include "platform/applauncher.h"
#include "platform/pastebackend.h"
#include "sdk/tavrixxml.h"

#include <QDebug>

namespace {

bool isHostFunction(int type)
{
    return type == KeyOperateType_Text || type == KeyOperateType_SwitchProfile
        || type == KeyOperateType_LaunchApplication;
}

}  // namespace

void DDeviceKeyboardLink::parseSixKeyReport(const HidReport &r)
{
    m_keyReport.apply(r.data() + HidReport::PayloadOffset);
    if (m_winLockOn) {
        // The choices are read for every report, so a change on the performance page
        // counts from the next key.
        ProfileFunctionInfo choices;
        const KeyboardWideProfile::Ref profile = KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex);
        if (profile.isValid())
            CTavrixXML_GetProFileFunctionInfo(profile.path, profile.index, &choices);
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
    // The keyboard names only the key, not the layer it was pressed on: it asks only for
    // a key whose function runs on the host, so the layer where the key has one is meant;
    // where both have one, the Default layer's.
    const QByteArray code = QByteArray::number(report[9]);
    KeyOperateInfo info = KeyOperateInfo::empty();
    for (const KeyboardWideProfile::Ref &layer : {KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex),
                                                  KeyboardWideProfile::fnLayer(m_profilePath, m_profileIndex)}) {
        if (!layer.isValid())
            continue;
        info = KeyOperateInfo::empty();
        CTavrixXML_SelectProFileKeyOperateInfo(layer.path, layer.index, code, &info);
        if (isHostFunction(keyOperateNumber(info.operateType)))
            break;
    }
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
    // A switch loads the whole profile: a key held down, or a keyboard repeating the
    // request, switches a few times a second at most, to the profile asked for last.
    const int index = keyOperateNumber(info.value);
    m_pacer->offer(PacedProfileSwitch, [this, index] { Q_EMIT sigCustomEventChangeProfile(index); });
}

void DDeviceKeyboardLink::launchKeyApp(KeyOperateInfo info, int press)
{
    Q_UNUSED(press)
    AppLauncher::launch(QString::fromUtf8(keyOperateField(info.value)), m_launcher);
}
