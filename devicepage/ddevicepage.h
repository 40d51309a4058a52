#pragma once

#include <QString>
#include <QWidget>

// Stand-in for the device page: only the interface the main window calls, with no
// behaviour behind it yet. The page itself (device list, cards, links, tabs) is
// still to be built; until then the main area stays empty.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    explicit DDevicePage(QWidget *parent = nullptr);

    void retranslateTexts();
    void applyTheme();
    void setHidListVisible(bool visible);
    void stopLightEngineOnClose();
    // changeType 11: a supported device arrived, 12: one was removed.
    void hidDeviceConnectChanging(int changeType, QString hidPath);
    // Closes every device link and waits for its I/O thread to end, so the process
    // can leave without threads still touching devices.
    void closeAllLinks();

Q_SIGNALS:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();
};
