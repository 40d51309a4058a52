// One light frame as the keyboard tick computes it: the library's effect, the 132 preview
// colours (with a library colour call per key in the library-colour modes), and the
// music-reactive frame. At the fastest period (8 ms) a frame should cost well below 1% of
// that period, so that the ticks keep the GUI thread nearly idle.

#include "lighting/audiopacketsource.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/lightdealmain.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

class NoSound : public AudioPacketSource
{
public:
    bool open(int *) override { return false; }
    bool readPacket(QByteArray *) override { return false; }
    void close() override { }
};

void runFrames(benchmark::State &state, int mode)
{
    lightDealMain engine;
    engine.audioCapture()->setSourceFactory([] { return std::unique_ptr<AudioPacketSource>(new NoSound); });
    LightTypeListInfo caps;
    caps.lightTypeList = {0, 1, 2};
    caps.speedMax = 5;
    caps.brightnessMax = 4;
    engine.setLightCapability(caps, caps);
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    colorInfoData d;
    d.lightMode = mode;
    d.brightness = 3;
    d.speed = 3;
    d.topColorR = 255;
    d.fullColor = 1;
    engine.setKeyboardColorInfoData(d);
    for (auto _ : state)
        engine.onDeviceUpdateAllKeyColor();
}

void BM_WaveFrame(benchmark::State &state)
{
    runFrames(state, 2);
}
void BM_LibraryColourFrame(benchmark::State &state)
{
    runFrames(state, 16);
}
void BM_MusicFrame(benchmark::State &state)
{
    runFrames(state, 100);
}

BENCHMARK(BM_WaveFrame);
BENCHMARK(BM_LibraryColourFrame);
BENCHMARK(BM_MusicFrame);

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
