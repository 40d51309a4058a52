#pragma once

#include <QDialog>

// The firmware information dialog: one row per connected keyboard with its
// firmware identity and build date. Opened modally from the settings dialog.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

public Q_SLOTS:
    // Reads the connected keyboards and lists their firmware.
    void onLoadingFirmwareInfo();
};
