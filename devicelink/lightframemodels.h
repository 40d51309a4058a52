#pragma once

#include <QString>

// How many reports one per-key light frame of a model takes over a cable: 8 reports of
// key colours and one report per 18 side lights. The I/O thread sizes its light batches
// by it and the light engine sends that many reports per frame.
namespace LightFrameModels {

constexpr int KeyColourReports = 8;
constexpr int LightsPerReport = 18;
constexpr int DefaultSideLightCount = 33;

// Side lights sent per frame (also for models without side lights, which are then black).
int sideLightCount(const QString &model);
int reportsPerFrame(const QString &model);

}  // namespace LightFrameModels
