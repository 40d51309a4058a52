#pragma once

#include "devicelink/lighttypelistinfo.h"
#include "lighting/colorinfodata.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class MainHidInterFace;

// Stand-in for the lighting tab: the interface the device page calls and the
// signals it listens to, without the tab's content yet.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);

    void retranslateTexts() { }
    void applyTheme() { }
    void reloadKeyboardLight() { }
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfilePath(const QByteArray &path) { m_profilePath = path; }
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    void setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side)
    {
        m_keyboardTypes = keyboard;
        m_sideTypes = side;
    }
    // Number of the custom light slot in use; -1 while none is.
    int usingCustomLightIndex() const { return m_customLightIndex; }
    void uploadCustomLightColors() { }
    void followDeviceLightChange(int, int) { }
    void followDeviceCustomLight(int, int, int usingCustomIndex) { m_customLightIndex = usingCustomIndex; }

    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    LightTypeListInfo keyboardLightTypes() const { return m_keyboardTypes; }

Q_SIGNALS:
    void sigSomeMessageTip_LightsConfigPage(QString tip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);

private:
    int m_profileIndex = 1;
    QByteArray m_profilePath;
    MainHidInterFace *m_hid = nullptr;
    LightTypeListInfo m_keyboardTypes;
    LightTypeListInfo m_sideTypes;
    int m_customLightIndex = -1;
};
