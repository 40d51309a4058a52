#pragma once

#include "app/dmainwidget.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"

#include <QTemporaryDir>

#include <memory>

// The main window at its minimum size with two emulated keyboards: a full-size one
// (with a newer firmware image, so the firmware dialog has a row) and a magnetic one.
struct MainWindowRig
{
    QTemporaryDir emu;
    std::unique_ptr<EmuDevice> full;
    std::unique_ptr<EmuDevice> magnetic;
    std::unique_ptr<DMainWidget> window;

    // The device page's tab buttons, each with the model of a keyboard that has the tab.
    struct Tab
    {
        const char *button;
        const char *model;
    };
    static const Tab kTabs[4];

    // Shows the window and waits until both keyboards are listed and one is open.
    bool open();
    ~MainWindowRig();
    DDevicePage *page() const { return window->devicePage(); }
    // Makes the keyboard whose card names model the current one.
    bool selectModel(const QString &model);
};
