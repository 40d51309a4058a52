#pragma once

#include <QWidget>

namespace Ui {
class DFirmwareInfoItem;
}

// One entry of the firmware information dialog: a firmware identity above its
// version and build date. Fixed colours; it does not follow the theme.
class DFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirmwareInfoItem(QWidget *parent = nullptr);
    ~DFirmwareInfoItem() override;

    // Shows the identity from after its first "-" (the maker's prefix), or
    // whole when it has none, and the version line as given.
    void setFirmwareInfo(const QString &identity, const QString &versionLine);

    QString identityText() const;
    QString versionText() const;

private:
    Ui::DFirmwareInfoItem *ui;
};
