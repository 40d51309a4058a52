#pragma once

#include <QDialog>

class CbNotice;

// Stand-in for the settings dialog: the signals and the call the main window
// relies on, no pages yet. Esc closes it like its close button will.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);

    // Tells the user that the firmware check found nothing to update.
    void showNoUpgradeableDevices();
    CbNotice *notice() const { return m_notice; }

Q_SIGNALS:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();
    void sigChangAppTheme(int index);
    void sigFirmwareUpgradeCheck();

public Q_SLOTS:
    void reject() override;

private:
    CbNotice *m_notice = nullptr;
};
