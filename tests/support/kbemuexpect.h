#pragma once

#include "emudevice.h"
#include "emuexpect.h"

#include <QTest>

// "The keyboard received exactly these reports, in this order", shake-hands and the light
// engine's background streaming (synchronisation, per-key and 2.4 GHz light frames) left out:
//   KBEMU_COMPARE_REPORTS(device, "00 14", "01 06 01", "01 07 01");
// Each expected report is hex of its leading bytes, the rest 0. On a mismatch the test
// fails with the first difference in hex.
#define KBEMU_COMPARE_REPORTS(device, ...)                                                                             \
    do {                                                                                                               \
        const QString kbemuDiff_ = EmuExpect::compare(                                                                 \
            EmuExpect::without((device).receivedReports(),                                                             \
                               {static_cast<uint8_t>(HidCmd::ShakeHands), static_cast<uint8_t>(HidCmd::LightSync),     \
                                static_cast<uint8_t>(HidCmd::WriteKeyColor),                                           \
                                static_cast<uint8_t>(HidCmd::WriteKeyColor24G)}),                                      \
            QStringList {__VA_ARGS__});                                                                                \
        QVERIFY2(kbemuDiff_.isEmpty(), qPrintable(kbemuDiff_));                                                        \
    } while (false)

// The same with every report, shake-hands included.
#define KBEMU_COMPARE_ALL_REPORTS(device, ...)                                                                         \
    do {                                                                                                               \
        const QString kbemuDiff_ = EmuExpect::compare((device).receivedReports(), QStringList {__VA_ARGS__});          \
        QVERIFY2(kbemuDiff_.isEmpty(), qPrintable(kbemuDiff_));                                                        \
    } while (false)
