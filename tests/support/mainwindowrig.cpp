#include "support/mainwindowrig.h"

#include "devicepage/ddevicelistitem.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "support/screenwalk.h"

#include <QTest>

const MainWindowRig::Tab MainWindowRig::kTabs[4] = {{"toolButton_CustomKey", "QR108"},
                                                    {"toolButton_LightConfig", "QR108"},
                                                    {"toolButton_Performance", "QR108"},
                                                    {"toolButton_TriggerSetting", "QM68"}};

bool MainWindowRig::open()
{
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    full = std::make_unique<EmuDevice>(emu.path(), EmuModels::find(QStringLiteral("QR108")), "a", false);
    magnetic = std::make_unique<EmuDevice>(emu.path(), EmuModels::find(QStringLiteral("QM68")), "b", false);
    full->start();
    magnetic->start();
    if (!EmuFirmwareImages::write(emu.path(), *full))
        return false;
    window = std::make_unique<DMainWidget>();
    window->resize(window->minimumSize());
    window->show();
    return QTest::qWaitFor(
        [this] { return page()->getHidDeviceList().size() == 2 && page()->currentDeviceLink() && !page()->isBusy(); },
        15000);
}

MainWindowRig::~MainWindowRig()
{
    if (window)
        window->devicePage()->closeAllLinks();
    window.reset();
    qunsetenv("TAVRIX_EMU_DIR");
}

bool MainWindowRig::selectModel(const QString &model)
{
    return ScreenWalk::selectModel(page(), model);
}
