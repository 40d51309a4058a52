#pragma once

#include "sdk/tavrixrecords.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class MainHidInterFace;
class QLabel;

namespace Ui {
class UpdateFirmwareInfoItem;
}

// One row of the firmware update dialog: a device with its current and newer
// firmware version, a progress bar and an Update button. Update puts the
// keyboard into its firmware-update mode and tells the dialog; the row itself
// never flashes anything.
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    void setDeviceInfo(hidStructInfoAll info, MainHidInterFace *hid, QString serialNumber);
    MainHidInterFace *getHidInterface() const;
    QString getHidPath() const { return m_hidPath; }
    QString getHidSn() const { return m_serialNumber; }
    QString getHidName() const { return m_hidName; }
    int getHidUsbOrDongle() const { return m_usbOrDongle; }
    QString getNewVersion() const { return m_newVersion; }
    bool isBusy() const { return m_busy; }

    void setUpdateButtonEnabled(bool enabled);
    void setProgress(int percent);
    // An update of this row's keyboard runs already (started from an earlier dialog).
    void showUpdateRunning(int percent);
    void showUpdateSucceeded();
    void showUpdateFailed();
    // A failure with its reason and what the user can do, instead of "Update failed".
    void showUpdateFailed(const QString &reason);
    // After a success: the keyboard is back with this version, or did not come back.
    void showKeyboardReturned(const QString &version);
    void showKeyboardNotReturned();
    QString currentVersion() const;
    // The line under the button or result that says how the last update went.
    QString stateText() const;

Q_SIGNALS:
    // Just before the update-mode report is queued, so that what comes after it
    // can be told from what was there before.
    void sigAboutToRequestUpdateMode();
    void sigStartUpgrading();

private Q_SLOTS:
    void on_pushButton_Update_clicked();

private:
    void applyTheme();
    void fitColumns();

    static constexpr int kMinProgressWidth = 120;

    Ui::UpdateFirmwareInfoItem *ui;
    // The link goes with its keyboard (into its bootloader, say); the row outlives it.
    QPointer<MainHidInterFace> m_hid;
    QString m_hidPath;
    QString m_serialNumber;
    QString m_hidName;
    int m_usbOrDongle = 0;
    QString m_newVersion;
    bool m_busy = false;
    QLabel *m_stateLabel = nullptr;
};
