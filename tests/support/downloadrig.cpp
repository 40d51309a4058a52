#include "downloadrig.h"

#include "devicelink/reportcopies.h"
#include "emumodel.h"
#include "keyboardview/keylayoutfile.h"

#include <QFileInfo>
#include <QSignalSpy>

DownloadRig::DownloadRig(const QString &model)
{
    qputenv("TAVRIX_EMU_DIR", emuDir.path().toLocal8Bit());
    device = std::make_unique<EmuDevice>(emuDir.path(), EmuModels::find(model));
    device->start();
    hid = new MainHidInterFace(1, model);
    QObject::connect(hid, &MainHidInterFace::sigHidSnGetOver, [](unsigned char *data, QString) {
        ReportCopies::taken(data);
        delete[] data;
    });
    QObject::connect(hid, &MainHidInterFace::sigHidDataArrived, &download,
                     [this](unsigned char *data, int, int) { forward(data); });
    hid->openHid(device->socketPath());
    hid->start();
    path = device->socketPath();

    defaultLayer = store.newLayerFile("appProfile_Default.xml");
    fnLayer = store.newLayerFile("appProfile_FN.xml");
    seniorPath = store.path("SeniorKeyConfig.xml");
    CTavrixXML_SeniorKey_CreateXMLFile(seniorPath);
    KeyLayout layout;
    KeyLayoutFile::load(model, &layout);
    for (const KeyLayoutKey &key : layout.keys)
        codes.append(key.code);
    magnetic = EmuModels::find(model).isMagnetic();
}

DownloadRig::~DownloadRig()
{
    delete hid;
}

OnboardDownloadTarget DownloadRig::target() const
{
    OnboardDownloadTarget t;
    t.hid = hid;
    t.devicePath = path;
    t.profileFolder = QFileInfo(QFile::decodeName(defaultLayer)).absolutePath();
    t.seniorKeyPath = seniorPath;
    t.magnetic = magnetic;
    t.keyCodes = codes;
    return t;
}

bool DownloadRig::run(int timeoutMs)
{
    QSignalSpy finished(&download, &OnboardDownload::sigDownloadFinished);
    if (!download.start(target()))
        return false;
    if (finished.isEmpty() && !finished.wait(timeoutMs))
        return false;
    success = finished.first().at(0).toBool();
    notice = finished.first().at(1).toString();
    return true;
}

int DownloadRig::keyAt(int from) const
{
    for (int k = from; k < codes.size(); ++k) {
        if (codes.at(k) != 0)
            return k;
    }
    return -1;
}

void DownloadRig::forward(unsigned char *data)
{
    const HidReport r = HidReport::fromBytes(data, HidReport::Size);
    ReportCopies::taken(data);
    delete[] data;
    if (onReport)
        onReport(r);
    if (r.code() == static_cast<uint8_t>(HidReply::OnboardAck))
        download.onAcknowledgement(path);
    if (r.code() == static_cast<uint8_t>(HidReply::DeviceStatus) && r[5] != 0 && r[13] != 0)
        download.onDownloadStatus(path, r[13]);
}
