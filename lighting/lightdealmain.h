#pragma once

#include "devicelink/lighttypelistinfo.h"
#include "lighting/colorinfodata.h"
#include "sdk/tavrixrecords.h"

#include <QList>
#include <QObject>

class keyboardButCustom;
class sideLightButtonCustom;
class MainHidInterFace;

// Stand-in for the software light engine: the interface the device page calls,
// keeping only the state it hands over; no ticks run and nothing is sent yet.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;

    explicit lightDealMain(QObject *parent = nullptr);

    void setHidStructInfo(const hidStructInfoAll &info) { m_device = info; }
    void setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side)
    {
        m_keyboardTypes = keyboard;
        m_sideTypes = side;
    }
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    void setInteractLightPoint(int, int) { }
    void setKeyboardColorInfoData(const colorInfoData &) { }
    void setSideColorInfoData(const colorInfoData &) { }
    void keyboardColorInfoDataChanged(const colorInfoData &) { }
    void sideColorInfoDataChanged(const colorInfoData &) { }
    void setCustomLightColors(int, int) { }
    void loadProfileColorInfo() { }
    void initMusicalRhythm(int keyCount, int, double, double) { m_musicKeyCount = keyCount; }
    void setLightTickRunning(bool on) { m_ticking = on; }
    bool isKeyTickRunning() const { return m_ticking; }
    bool isSideTickRunning() const { return m_ticking; }
    void setPreviewEnabled(bool on) { m_preview = on; }
    bool isPreviewEnabled() const { return m_preview; }
    void setLightSynchronize(bool on) { m_synchronize = on; }
    bool isLightSynchronize() const { return m_synchronize; }

    hidStructInfoAll hidStructInfo() const { return m_device; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    int musicKeyCount() const { return m_musicKeyCount; }

    // The key buttons the engine paints, overwritten by the device page before it starts.
    keyboardButCustom *keyButtons[kRows][kColumns] = {};
    QList<sideLightButtonCustom *> sideLightButtons;

private:
    hidStructInfoAll m_device {};
    LightTypeListInfo m_keyboardTypes;
    LightTypeListInfo m_sideTypes;
    MainHidInterFace *m_hid = nullptr;
    int m_musicKeyCount = 0;
    bool m_ticking = false;
    bool m_preview = false;
    bool m_synchronize = false;
};
