#pragma once

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class DFirwareInfoItem;
class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

// The firmware information dialog: one entry per distinct firmware identity of
// the keyboards the device library sees, with its version and build date. Opened
// modally from the settings dialog; reads the devices afresh and changes nothing.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // Replaces the entries with one per map element, in key order.
    void setFirmwareInfoList(QMap<QString, QString> infos);
    void clearFirmwareInfoList();
    QList<DFirwareInfoItem *> entries() const;

public Q_SLOTS:
    // Reads the connected keyboards and lists their firmware.
    void onLoadingFirmwareInfo();

private:
    Ui::DFirwareInfoShow *ui;
    QVBoxLayout *m_listLayout = nullptr;
};
