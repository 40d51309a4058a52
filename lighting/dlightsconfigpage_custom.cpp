// The lighting page's custom light sets: the list, choosing a set, putting it into a
// custom slot of the keyboard and uploading its key colours.
#include "app/ddatamanager.h"
#include "devicelink/ddevicehidcmdsend.h"
#include "devicelink/mainhidinterface.h"
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightmodes.h"
#include "platform/logcategories.h"
#include "sdk/tavrixxml.h"
#include "ui_dlightsconfigpage.h"

using namespace LightModes;

int DLightsConfigPage::usingCustomLightIndex() const
{
    if (!m_chosenRow)
        return -1;
    bool ok = false;
    const int index = m_chosenRow->lightIndex().toInt(&ok);
    return ok ? index : -1;
}

void DLightsConfigPage::uploadCustomLightColors()
{
    if (m_customSlot != -1)
        sendCustomLedColors(m_customSlot);
}

void DLightsConfigPage::followDeviceCustomLight(int, int, int usingCustomIndex)
{
    m_customSlot = usingCustomIndex;
    ui->frame_D->show();
    m_resetSlot = false;
    onCurIndexChanged_KB_LightMode(kCustomButtonId);
    m_resetSlot = true;
    Q_EMIT sigLightConfigHaveChanged(-1, m_record);
}

void DLightsConfigPage::clearCustomLightList()
{
    m_customLayout = ui->verticalLayout_39;
    while (m_customLayout->count() > 1) {
        QLayoutItem *item = m_customLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    m_customRows.clear();
    m_chosenRow = nullptr;
}

void DLightsConfigPage::loadCustomLightList()
{
    clearCustomLightList();
    QList<CustomLightNodeInfo> nodes;
    if (!m_profilePath.isEmpty())
        CTavrixXML_SelectProFileCustomLightAllNodes(m_profilePath, indexText(), nodes);
    for (const CustomLightNodeInfo &node : nodes) {
        const QString index = QString::fromUtf8(node.index, int(qstrnlen(node.index, sizeof node.index)));
        const QString name = QString::fromUtf8(node.name, int(qstrnlen(node.name, sizeof node.name)));
        const QString usingText = QString::fromUtf8(node.isUsing, int(qstrnlen(node.isUsing, sizeof node.isUsing)));
        auto *row = new DCustomLightListItem(ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, this,
                &DLightsConfigPage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, this,
                &DLightsConfigPage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, this,
                &DLightsConfigPage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed, this,
                &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, this,
                &DLightsConfigPage::onCustomLightUsingStatus);
        row->setCustomLightInfo(index, name, usingText, node.usingFlagIndex);
        m_customLayout->insertWidget(m_customLayout->count() - 1, row);
        row->applyTheme();
        m_customRows.append(row);
        const bool choose = !m_chosenRow && usingText == QLatin1String("Using") && node.usingFlagIndex == m_customSlot;
        if (choose)
            m_chosenRow = row;
        row->setSelected(choose);
    }
    if (m_chosenRow)
        Q_EMIT sigCustomLightItemHaveChanged(m_chosenRow->usingState(), m_chosenRow->lightIndex(),
                                             m_chosenRow->lightName());
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName)
{
    auto *pressed = qobject_cast<DCustomLightListItem *>(sender());
    if (!pressed)
        return;
    m_customSlot = pressed->usingState();
    if (pressed == m_chosenRow)
        return;
    for (DCustomLightListItem *row : m_customRows)
        row->setSelected(row == pressed);
    m_chosenRow = pressed;
    Q_EMIT sigCustomLightItemHaveChanged(pressed->usingState(), strCustomLightIndex, strCustomLightName);
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    Q_EMIT sigSomeMessageTip_LightsConfigPage(QObject::tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    Q_EMIT sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name successful"));
}

void DLightsConfigPage::onCustomLightUsingStatus(bool)
{
    auto *sender = qobject_cast<DCustomLightListItem *>(QObject::sender());
    if (!sender)
        return;
    m_chosenRow = sender;
    DCustomLightListItem *inSlot[2] = {nullptr, nullptr};
    int inUse = 0;
    for (DCustomLightListItem *row : m_customRows) {
        row->setSelected(row == sender);
        if (row->usingText() == QLatin1String("Using")) {
            ++inUse;
            if (row->usingState() == 0 || row->usingState() == 1)
                inSlot[row->usingState()] = row;
        }
    }
    // The keyboard has slots 0 and 1 only; any other reported slot would put the set
    // into a slot no other set can take back, so it is treated like none.
    if (m_customSlot != 0 && m_customSlot != 1)
        m_customSlot = 0;
    if (inUse != 2)
        return;
    const int slot = m_customSlot == 0 ? 0 : 1;
    if (DCustomLightListItem *released = inSlot[slot]) {
        if (!m_profilePath.isEmpty())
            stored(CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(
                m_profilePath, indexText(), released->lightIndex().toLatin1(), "UnUsing", -1));
        released->setUsingChecked(false);
        released->setUsingState(-1);
        released->setUsingText(QStringLiteral("UnUsing"));
    }
    if (!m_profilePath.isEmpty())
        stored(CTavrixXML_ModifyProFileCustomLightNodeUsingStatus(
            m_profilePath, indexText(), sender->lightIndex().toLatin1(), "Using", m_customSlot));
    sender->setUsingChecked(true);
    sender->setUsingState(m_customSlot);
    sender->setUsingText(QStringLiteral("Using"));
    Q_EMIT sigCustomLightItemHaveChanged(m_customSlot, sender->lightIndex(), QStringLiteral("CustomLight"));
    uploadCustomLightToSlot(sender->lightIndex(), m_customSlot, 0);
}

void DLightsConfigPage::uploadCustomLightToSlot(const QString &, int slot, int)
{
    sendCustomLedColors(slot);
}

void DLightsConfigPage::sendCustomLedColors(int slot)
{
    if (!m_hid)
        return;
    QList<QColor> colours;
    for (keyboardButCustom *key : DDataManager::getInstance()->getKeyButtonList())
        colours.append(key ? key->keyColor() : QColor(0, 0, 0));
    const QList<HidReport> packets = DDeviceHidCmdSend::buildCustomLedReports(slot, colours);
    for (int p = 0; p < packets.size(); ++p) {
        // The I/O thread holds the mode report back until the keyboard has taken the colours in.
        const int pause = p + 1 == packets.size() ? DDeviceHidCmdSend::CustomLedSettleMs : 0;
        if (m_hid->appendCmdData(packets[p].data(), pause) < 0)
            qCDebug(lcLight) << "A custom colour packet could not be queued: the keyboard is not open";
    }
    const HidReport mode = customUploadModeReport(m_record);
    if (m_hid->appendCmdData(mode.data()) < 0)
        qCDebug(lcLight) << "The custom light mode could not be queued: the keyboard is not open";
}
