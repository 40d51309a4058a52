// Parse time of macro files of 10 000, 40 000 and 160 000 macros (two events
// each). The target: time grows linearly with the number of macros, so the time
// per macro of the largest file is less than twice that of the smallest.

#include "sdk/xmlstore/storedocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

using namespace xmlstore;

namespace {

QByteArray macroFile(int count)
{
    StoreDocument doc;
    doc.macros.reserve(count);
    for (int i = 1; i <= count; ++i) {
        Macro macro {i, "Macro" + QByteArray::number(i), {}};
        macro.events.append(MacroEvent {"1", "25", "key", "4", "A", "down"});
        macro.events.append(MacroEvent {"1", "25", "key", "4", "A", "up"});
        doc.macros.append(macro);
    }
    return doc.serialize();
}

bool parseOnce(const QByteArray &bytes)
{
    StoreDocument doc;
    QString error;
    return StoreDocument::parse(bytes, &doc, &error);
}

void BM_ParseMacroFile(benchmark::State &state)
{
    const QByteArray bytes = macroFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseOnce(bytes));
    state.counters["fileBytes"] = double(bytes.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseMacroFile)->Arg(10000)->Arg(40000)->Arg(160000)->Unit(benchmark::kMillisecond)->Complexity();

double medianMilliseconds(const QByteArray &bytes, int repeats)
{
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!parseOnce(bytes))
            return -1;
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(repeats / 2);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\n%10s %12s %12s %14s\n", "macros", "bytes", "parse ms", "us per macro");
    double firstPerMacro = 0, lastPerMacro = 0;
    for (const int count : {10000, 40000, 160000}) {
        const QByteArray bytes = macroFile(count);
        const double ms = medianMilliseconds(bytes, count > 50000 ? 3 : 5);
        if (ms < 0) {
            std::fprintf(stderr, "the file of %d macros does not parse\n", count);
            return 1;
        }
        const double perMacro = ms * 1000.0 / count;
        if (firstPerMacro == 0)
            firstPerMacro = perMacro;
        lastPerMacro = perMacro;
        std::printf("%10d %12d %12.1f %14.3f\n", count, bytes.size(), ms, perMacro);
    }
    std::printf("Growth of the time per macro from 10 000 to 160 000: %.2fx (target: below 2) %s\n",
                lastPerMacro / firstPerMacro, lastPerMacro < 2 * firstPerMacro ? "met" : "MISSED");
    return 0;
}
