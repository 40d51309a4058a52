// Battery, charging and connection display of the current keyboard, and the
// keyboard behind a 2.4 GHz receiver becoming present or absent.
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/onboarddownload.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/profilecontroller.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/lightdealmain.h"
#include "platform/logcategories.h"
#include "ui_ddevicepage.h"

#include "sdk/emulateddevicedir.h"
#include <QTimer>

namespace {

enum ChargingStatus
{
    Charging = 1,
    FullyCharged = 2
};

QString pathOf(const hidStructInfoAll &info)
{
    return QString::fromLatin1(info.hidPath, int(strnlen(info.hidPath, sizeof info.hidPath)));
}

QString modelOf(const hidStructInfoAll &info)
{
    return QString::fromLatin1(info.hidName, int(strnlen(info.hidName, sizeof info.hidName)));
}

}  // namespace

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    // Only the current keyboard's reports reach the display; the serial number alone
    // would not tell two keyboards apart that report none.
    if (sender() && !isFromCurrentLink())
        return;
    if (KeyboardMode == 1 && is24GValid == 1)
        return;
    if (strCurrentSN != serialNumber)
        return;
    if (ChargingStatus == FullyCharged)
        Electricity = 100;
    if (ChargingStatus == Charging || ChargingStatus == FullyCharged) {
        ui->label_Charging->show();
        ui->label_ElectricityNum->setShowText(false);
        if (ChargingStatus == Charging && !batteryTimer->isActive()) {
            chargeAnimationValue = 0;
            batteryTimer->start();
        }
        if (ChargingStatus == FullyCharged) {
            batteryTimer->stop();
            ui->label_ElectricityNum->setShowText(true);
            ui->label_ElectricityNum->setValue(100);
        }
    } else {
        ui->label_Charging->hide();
        ui->label_ElectricityNum->setShowText(true);
        batteryTimer->stop();
        ui->label_ElectricityNum->setValue(Electricity);
    }
    ui->label_Mode->setText(KeyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G"));
}

void DDevicePage::onTimerChangingBatteryNum()
{
    ui->label_ElectricityNum->setValue(chargeAnimationValue);
    if (++chargeAnimationValue >= 100)
        chargeAnimationValue = 0;
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    if (sender() && !isFromCurrentLink())
        return;
    sleepTimeAcknowledged = true;
    profiles->onSleepTimeAcknowledged();
}

void DDevicePage::onWaitForDataReturn_0x0d(QString, QString)
{ }

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName)
{
    // The keyboard being written went away behind its receiver: its download ends.
    if (isDownloading() && is24GValid == 1 && strCurrentHidPath == onboardDownloader()->targetPath())
        onboardDownloader()->onDeviceRemoved(strCurrentHidPath);
    // During the start-up, a switch, a download or a hot-plug change the report waits
    // until the page is free, so it never meets a half-made device.
    if (isBusy()) {
        deferredDongleReports.append({is24GValid, strCurrentHidPath, strCurrentHidName});
        return;
    }
    dongleStates[strCurrentHidPath] = is24GValid;
    // The list is redrawn last, after a switch this report starts is over.
    const auto end = [this] { onUpdateDeviceListShow(); };
    DDeviceListItem *card = deviceCards.value(strCurrentHidPath);
    if (!card || !deviceInfos.contains(strCurrentHidPath)) {
        end();
        return;
    }
    hidStructInfoAll record = deviceInfos.value(strCurrentHidPath);
    if (is24GValid == 1) {
        record.onlineStatus = 0;
        card->setDeviceInfo(record);
        if (card == currentCard) {
            if (keyboardView)
                keyboardView->clearSelection(false);
            if (lightEngine->isKeyTickRunning() || lightEngine->isSideTickRunning())
                stopLightEngine();
            currentCard = nullptr;
            currentLink = nullptr;
            waitingForSerial = false;
            serialPollTimer->stop();
            if (deviceInfos.isEmpty() || !selectFallbackDevice(nullptr, end)) {
                showNoDevice();
                end();
            }
            return;
        }
    } else {
        record.onlineStatus = 1;
        card->setDeviceInfo(record);
        if ((!currentCard || !currentLink) && dongleStates.value(strCurrentHidPath) == 0
            && deviceLinks.contains(strCurrentHidPath)) {
            const QPointer<DDeviceKeyboardLink> link = deviceLinks.value(strCurrentHidPath);
            switchToDevice(record, nullptr, [this, link, end] {
                if (link && currentLink == link) {
                    link->requeryLightConfig();
                    if (!waitingForSerial)
                        ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
                }
                end();
            });
            return;
        }
    }
    end();
}

void DDevicePage::onUpdateDeviceListShow()
{
    QList<DDeviceListItem *> first;
    QList<DDeviceListItem *> second;
    QList<DDeviceListItem *> third;
    if (currentCard)
        first.append(currentCard);
    for (DDeviceListItem *card : deviceCards) {
        if (card == currentCard)
            continue;
        const hidStructInfoAll info = card->hidInfo();
        if (card->onlineStatus() == 1)
            (info.connectType == 0 ? first : second).append(card);
        else
            (info.connectType == 1 ? second : third).append(card);
    }

    const QString currentPath = currentCard ? pathOf(currentCard->hidInfo()) : QString();
    clearDeviceListLayout();
    deviceListLayout->setContentsMargins(12, 0, 0, 0);
    deviceListLayout->setSpacing(10);
    QList<hidStructInfoAll> records;
    for (DDeviceListItem *card : first + second + third)
        records.append(card->hidInfo());
    deviceCards.clear();
    deviceInfos.clear();
    currentCard = nullptr;
    for (const hidStructInfoAll &info : records) {
        DDeviceListItem *card = newCard(info);
        if (info.onlineStatus == 1 || info.connectType != 0) {
            deviceCards.insert(pathOf(info), card);
            deviceInfos.insert(pathOf(info), info);
            deviceInstances.insert(pathOf(info), EmulatedDeviceDir::instanceOf(pathOf(info)));
        } else {
            deviceCards.insert(modelOf(info), card);
        }
    }
    if (!currentPath.isEmpty())
        currentCard = deviceCards.value(currentPath);
    for (DDeviceListItem *card : deviceCards)
        card->setSelected(card == currentCard);
    qCDebug(lcDevice) << "The device list is read again after a wireless keyboard woke or slept";
}
