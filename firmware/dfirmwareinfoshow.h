#pragma once

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class DFirmwareInfoItem;
class QVBoxLayout;

namespace Ui {
class DFirmwareInfoShow;
}

// The firmware information dialog: one entry per distinct firmware identity of
// the keyboards the device library sees, with its version and build date. Opened
// modally from the settings dialog; reads the devices afresh and changes nothing.
class DFirmwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirmwareInfoShow(QWidget *parent = nullptr);
    ~DFirmwareInfoShow() override;

    // Replaces the entries with one per map element, in key order.
    void setFirmwareInfoList(QMap<QString, QString> infos);
    void clearFirmwareInfoList();
    QList<DFirmwareInfoItem *> entries() const;

public Q_SLOTS:
    // Reads the connected keyboards and lists their firmware.
    void onLoadingFirmwareInfo();

private:
    Ui::DFirmwareInfoShow *ui;
    QVBoxLayout *m_listLayout = nullptr;
};
