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

    // Enabled only while the row's keyboard is there and an image newer than its
    // firmware is at hand.
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
    // The row follows its keyboard: gone, or back as this record (its current
    // version; with offerKnown the newer image's version, empty when none is newer)
    // with its new link.
    void showKeyboardGone();
    void showKeyboardBack(const hidStructInfoAll &info, MainHidInterFace *hid, const QString &serialNumber,
                          bool offerKnown = true);
    // The last update of this row failed; its keyboard may wait in its update mode.
    bool hasFailed() const { return m_failed; }
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
    static constexpr int kMinCenterWidth = 300;

    Ui::UpdateFirmwareInfoItem *ui;
    // The link goes with its keyboard (into its bootloader, say); the row outlives it.
    QPointer<MainHidInterFace> m_hid;
    QString m_hidPath;
    QString m_serialNumber;
    QString m_hidName;
    int m_usbOrDongle = 0;
    QString m_newVersion;
    bool m_busy = false;
    bool m_failed = false;
    bool m_present = true;
    bool m_offered = true;
    QLabel *m_stateLabel = nullptr;
};
