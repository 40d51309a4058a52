#pragma once

#include "sdk/tavrixrecords.h"

#include <QAtomicInt>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

class CbNotice;
class DDeviceKeyboardLink;
class QVBoxLayout;
#include "firmware/updatefirmwareinfoitem.h"

namespace Ui {
class DUpdateFirmwareDia;
}

// The frameless dialog that offers the upgradeable devices, one row each, lets
// the user start one update at a time and shows its progress and result. The
// firmware engine reports through setUpgradeProgress, upgradeSucceeded and
// upgradeFailed from any thread; each only emits, so the rows change on the GUI
// thread.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    void setDeviceList(const QList<hidStructInfoAll> &devices, const QMap<QString, DDeviceKeyboardLink *> &links);
    void clearDeviceList();
    // GUI thread: the keyboards there now, each record's new version that of a newer
    // image (empty when none is newer; ignored without offersKnown: the rows keep
    // what they offered). Each row follows its keyboard: gone, or back with its
    // current version and its new link; a row under way is left alone.
    void followKeyboards(const QList<hidStructInfoAll> &present, const QMap<QString, DDeviceKeyboardLink *> &links,
                         bool offersKnown = true);

    void setUpgradeProgress(int total, int done);
    void upgradeSucceeded();
    void upgradeFailed();
    // GUI thread: an image was refused (the active row, if any, fails with the
    // notice that says so); after a success, the keyboard's return or its absence.
    void showImageRefused();
    // GUI thread: the update ended before anything was written, for this reason
    // (which says what the user can do); shown on the active row and as the notice.
    void upgradeRefused(const QString &reason);
    void showKeyboardReturned(const QString &version);
    void showKeyboardNotReturned();
    // GUI thread: an update started from an earlier dialog still runs for the keyboard
    // at this path; its row becomes the active one, busy at this percentage.
    void showRunningUpgrade(const QString &hidPath, int percent);

    QList<UpdateFirmwareInfoItem *> rows() const { return m_rows; }
    UpdateFirmwareInfoItem *activeRow() const { return m_activeRow; }

Q_SIGNALS:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    // A row is about to send its keyboard into update mode.
    void sigAboutToRequestUpdateMode(QString strHidPath);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();

public Q_SLOTS:
    void onStartUpgrading();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void on_pushButton_Close_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTheme();
    void fitToRows();
    static int rowHeight(UpdateFirmwareInfoItem *row, int width);
    int measuredHeight();
    void showNotice(const QString &text);
    void failActiveRow(const QString &reason);
    bool othersHeld() const;

    Ui::DUpdateFirmwareDia *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
    QPointer<UpdateFirmwareInfoItem> m_activeRow;
    QList<UpdateFirmwareInfoItem *> m_rows;
    CbNotice *m_notice = nullptr;
    // Written by the reporting threads, reset on the GUI thread when an update
    // starts; only one update runs at a time.
    QAtomicInt m_lastPercent {-1};
};
