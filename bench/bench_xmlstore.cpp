// Reading every key item of both layers of the current profile, one store call
// per key as the onboard download does, against one full parse of a layer file
// that holds 10 full profiles. The target: all those reads together cost less
// than two full parses.

#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace xmlstore;

namespace {

constexpr int kKeys = 132;

struct Fixture
{
    QTemporaryDir dir;
    QByteArray defaultLayer;
    QByteArray fnLayer;
    QList<QByteArray> keyCodes;

    Fixture()
    {
        for (int i = 0; i < kKeys; ++i)
            keyCodes.append(QByteArray::number(4 + i));
        defaultLayer = QFile::encodeName(dir.filePath("appProfile_Default.xml"));
        fnLayer = QFile::encodeName(dir.filePath("appProfile_FN.xml"));
        writeStore(defaultLayer, fullLayer());
        writeStore(fnLayer, fullLayer());
    }

    // Ten profiles with everything a profile can hold: a light record for every
    // mode, five full custom lights, an item for every key and ten macro copies.
    StoreDocument fullLayer() const
    {
        StoreDocument doc;
        doc.currentProfile = 3;
        for (int p = 1; p <= kMaxProfiles; ++p) {
            Profile profile;
            profile.index = p;
            profile.name = "Profile" + QByteArray::number(p);
            profile.lightSync = 1;
            profile.lightsInUse = {{0, 2}, {1, 1}};
            for (int target = 0; target < 3; ++target) {
                for (int mode = 0; mode < (target == 0 ? 18 : 6); ++mode) {
                    colorInfoData light;
                    light.lightTarget = target;
                    light.lightMode = mode;
                    light.brightness = light.speed = 3;
                    light.topColorR = 255;
                    light.fullColor = 1;
                    profile.lights.append(light);
                }
            }
            profile.sleep = SleepTimes {600, 30};
            profile.winLock = WinLock {"1", "0", "1", "0"};
            for (int slot = 0; slot < 5; ++slot) {
                CustomLight light {QByteArray::number(slot),
                                   "Custom " + QByteArray::number(slot),
                                   slot < 2 ? "Using" : "UnUsing",
                                   slot < 2 ? slot : -1,
                                   {}};
                for (int k = 0; k < kKeys; ++k)
                    light.items.append(CustomLightItem {keyCodes.at(k), "K", k / 22, k % 22, 255, 128, 0, 128});
                profile.customLights.append(light);
            }
            for (int k = 0; k < kKeys; ++k) {
                const QByteArray type = QByteArray::number(k % 10);
                const QByteArray value = k % 10 == 6 ? QByteArray("Typed text, with some length to it. ").repeated(6)
                                                     : QByteArray::number(k + 1);
                profile.keys.append(KeyItem {keyCodes.at(k), "K" + QByteArray::number(k), type, "1", "1", value});
            }
            for (int m = 1; m <= 10; ++m) {
                MacroCopy copy {m, "Macro" + QByteArray::number(m), {}};
                for (int e = 0; e < 40; ++e)
                    copy.events.append(
                        MacroEvent {QByteArray::number(e / 2), "25", "key", "4", "A", e % 2 ? "up" : "down"});
                profile.macroCopies.append(copy);
            }
            doc.profiles.append(profile);
        }
        return doc;
    }

    qint64 size(const QByteArray &path) const { return QFile(QFile::decodeName(path)).size(); }

    // What the download does for one attempt: both layers, one call per key.
    int readAllKeyItems() const
    {
        int found = 0;
        KeyOperateInfo item;
        for (const QByteArray &layer : {defaultLayer, fnLayer}) {
            const QByteArray index = QByteArray::number(CTavrixXML_GetCreateXMLFileProfileIndex(layer));
            for (const QByteArray &code : keyCodes) {
                std::strcpy(item.operateType, "-1");
                found += CTavrixXML_SelectProFileKeyOperateInfo(layer, index, code, &item) ? 1 : 0;
            }
        }
        return found;
    }

    static void fullParse(const QByteArray &layer)
    {
        clearStoreCache();
        benchmark::DoNotOptimize(loadStore(layer));
    }
};

Fixture *fixture = nullptr;

void BM_FullParseOfOneLayerFile(benchmark::State &state)
{
    for (auto _ : state)
        Fixture::fullParse(fixture->defaultLayer);
    state.counters["fileBytes"] = double(fixture->size(fixture->defaultLayer));
}
BENCHMARK(BM_FullParseOfOneLayerFile)->Unit(benchmark::kMicrosecond);

void BM_KeyItemReadsBothLayers(benchmark::State &state)
{
    fixture->readAllKeyItems();  // the pages have read the files before a download
    for (auto _ : state)
        benchmark::DoNotOptimize(fixture->readAllKeyItems());
    state.counters["calls"] = 2.0 * kKeys;
}
BENCHMARK(BM_KeyItemReadsBothLayers)->Unit(benchmark::kMicrosecond);

void BM_KeyItemReadsBothLayersAfterChange(benchmark::State &state)
{
    // Both files changed since the last read: the first call on each parses it.
    for (auto _ : state) {
        clearStoreCache();
        benchmark::DoNotOptimize(fixture->readAllKeyItems());
    }
    state.counters["calls"] = 2.0 * kKeys;
}
BENCHMARK(BM_KeyItemReadsBothLayersAfterChange)->Unit(benchmark::kMicrosecond);

template <typename F> double medianMicroseconds(F run, int repeats = 15)
{
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.append(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times.at(repeats / 2);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Fixture data;
    fixture = &data;
    if (data.readAllKeyItems() != 2 * kKeys) {
        std::fprintf(stderr, "fixture files do not read back\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const double parse = medianMicroseconds([&] { Fixture::fullParse(data.defaultLayer); });
    data.readAllKeyItems();
    const double reads = medianMicroseconds([&] { data.readAllKeyItems(); });
    std::printf("\nLayer files: Default %lld bytes, FN %lld bytes, 10 profiles each\n",
                static_cast<long long>(data.size(data.defaultLayer)), static_cast<long long>(data.size(data.fnLayer)));
    std::printf("One full parse:                  %10.1f us\n", parse);
    std::printf("%d key item reads (both layers): %10.1f us = %.3f full parses (target: below 2) %s\n", 2 * kKeys,
                reads, reads / parse, reads < 2 * parse ? "met" : "MISSED");
    return 0;
}
