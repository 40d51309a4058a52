#pragma once

#include "devicelink/hidreport.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/onboarddownload.h"
#include "emudevice.h"
#include "support/storefixture.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// An emulated keyboard, its open I/O thread, the profile's store files and a download
// that gets the keyboard's acknowledgements and status reports, as the device page
// forwards them.
class DownloadRig
{
public:
    explicit DownloadRig(const QString &model);
    virtual ~DownloadRig();
    DownloadRig(const DownloadRig &) = delete;
    DownloadRig &operator=(const DownloadRig &) = delete;

    OnboardDownloadTarget target() const;

    // Runs a download to its end; false when it did not end within timeoutMs.
    bool run(int timeoutMs = 30000);

    // The key index (in layout order) of the first key at or after index `from`.
    int keyAt(int from) const;

    QTemporaryDir emuDir;
    std::unique_ptr<EmuDevice> device;
    MainHidInterFace *hid = nullptr;
    StoreFixture store;
    QByteArray defaultLayer;
    QByteArray fnLayer;
    QByteArray seniorPath;
    QList<int> codes;
    bool magnetic = false;
    QString path;
    OnboardDownload download;
    bool success = false;
    QString notice;
    // Called with every input report before it reaches the download.
    std::function<void(const HidReport &)> onReport;

private:
    void forward(unsigned char *data);
};
