// A whole download (both key layers, no macros) against an emulated keyboard that
// acknowledges at once, through the real I/O thread, for a keyboard without and one with
// magnetic switches. Beside each time: the lower bound, one millisecond per report written
// (the full-speed interrupt endpoint's rate) plus the fixed pauses the keyboard is given.

#include "devicelink/onboarddownload.h"
#include "devicelink/reportcopies.h"
#include "emudevice.h"
#include "keyboardview/keylayoutfile.h"
#include "sdk/tavrixxml.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct DownloadSetup
{
    QTemporaryDir emuDir;
    QTemporaryDir profileDir;
    std::unique_ptr<EmuDevice> device;
    std::unique_ptr<MainHidInterFace> hid;
    OnboardDownload download;
    OnboardDownloadTarget target;

    explicit DownloadSetup(const QString &model)
    {
        qputenv("TAVRIX_EMU_DIR", emuDir.path().toLocal8Bit());
        device = std::make_unique<EmuDevice>(emuDir.path(), EmuModels::find(model));
        device->start();
        hid = std::make_unique<MainHidInterFace>(1, model);
        const QString path = device->socketPath();
        QObject::connect(hid.get(), &MainHidInterFace::sigHidSnGetOver, [](unsigned char *data, QString) {
            ReportCopies::taken(data);
            delete[] data;
        });
        // What the device page forwards from the target's link.
        QObject::connect(hid.get(), &MainHidInterFace::sigHidDataArrived, &download,
                         [this, path](unsigned char *data, int, int) {
                             const HidReport r = HidReport::fromBytes(data, HidReport::Size);
                             ReportCopies::taken(data);
                             delete[] data;
                             if (r.code() == static_cast<uint8_t>(HidReply::OnboardAck))
                                 download.onAcknowledgement(path);
                             else if (r.code() == static_cast<uint8_t>(HidReply::DeviceStatus) && r[5] && r[13])
                                 download.onDownloadStatus(path, r[13]);
                         });
        hid->openHid(path);
        hid->start();

        for (const char *file : {"/appProfile_Default.xml", "/appProfile_FN.xml"}) {
            const QByteArray layer = QFile::encodeName(profileDir.path() + QLatin1String(file));
            CTavrixXML_CreateXMLFile(layer);
            CTavrixXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0);
            CTavrixXML_ModifyXMLFileProfileIndex(layer, 1);
        }
        KeyLayout layout;
        KeyLayoutFile::load(model, &layout);
        target.hid = hid.get();
        target.devicePath = path;
        target.profileFolder = profileDir.path();
        target.seniorKeyPath = QFile::encodeName(profileDir.path() + QStringLiteral("/SeniorKeyConfig.xml"));
        target.magnetic = EmuModels::find(model).isMagnetic();
        for (const KeyLayoutKey &key : layout.keys)
            target.keyCodes.append(key.code);
    }
    ~DownloadSetup() { hid->closeHid(); }

    // Milliseconds from the start to the result; -1 when it failed.
    double runOnce()
    {
        QEventLoop loop;
        bool ok = false;
        const auto done
            = QObject::connect(&download, &OnboardDownload::sigDownloadFinished, [&](bool success, const QString &) {
                  ok = success;
                  loop.quit();
              });
        QElapsedTimer clock;
        clock.start();
        download.start(target);
        if (download.isRunning())
            loop.exec();
        const double ms = clock.nsecsElapsed() / 1e6;
        QObject::disconnect(done);
        return ok ? ms : -1;
    }

    OnboardDownloadPlan plan() const
    {
        OnboardDownloadPlan::Input input;
        input.profileFolder = target.profileFolder;
        input.magnetic = target.magnetic;
        input.keyCodes = target.keyCodes;
        return OnboardDownloadPlan::build(input);
    }
};

void BM_Download(benchmark::State &state, const char *model)
{
    DownloadSetup setup(QString::fromLatin1(model));
    const OnboardDownloadPlan plan = setup.plan();
    const double bound = plan.reportCount() * 1.0 + plan.pauseCount() * OnboardDownload::PauseMs;
    double worst = 0;
    for (auto _ : state) {
        const double ms = setup.runOnce();
        if (ms < 0) {
            state.SkipWithError("the download failed");
            return;
        }
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["reports"] = plan.reportCount();
    state.counters["bound_ms"] = bound;
    state.counters["worst_ms"] = worst;
    state.counters["worst_to_bound"] = worst / bound;
    std::printf("%s: download %.1f ms (slowest of %lld), lower bound %.0f ms (%d reports at 1 ms + %d x %d ms "
                "pauses), ratio %.2f\n",
                model, worst, static_cast<long long>(state.iterations()), bound, plan.reportCount(), plan.pauseCount(),
                OnboardDownload::PauseMs, worst / bound);
}

}  // namespace

BENCHMARK_CAPTURE(BM_Download, QR108, "QR108")->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Download, QM68, "QM68")->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
