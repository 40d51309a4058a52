#pragma once

#include "devicelink/lighttypelistinfo.h"
#include "devicelink/mainhidinterface.h"
#include "lighting/colorinfodata.h"

#include <QByteArray>
#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class ArrowWidget;
class DCustomLightListItem;
class QAbstractButton;
class QButtonGroup;
class QVBoxLayout;
class SVColorArea;
class sliderCustomWidget;

namespace Ui {
class DLightsConfigPage;
}

// The lighting tab: the user picks the keyboard or side light mode the keyboard offers,
// its levels, direction and colours, and in the Custom mode the profile's custom light
// sets. Every change is stored in the current profile, signalled to the device page
// (which hands it to the light engine) and sent to the keyboard.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    void retranslateTexts();
    void applyTheme();
    void reloadKeyboardLight();
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfilePath(const QByteArray &path);
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    void setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side);
    void followDeviceLightChange(int target, int mode);

    // Custom lights.
    // Index of the chosen custom light set; -1 while none is chosen.
    int usingCustomLightIndex() const;
    void uploadCustomLightColors();
    void followDeviceCustomLight(int hidType, int ledType, int usingCustomIndex);

    void sendKeyboardModeReport(colorInfoData data);
    void sendSideModeReport(colorInfoData data);

    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    LightTypeListInfo keyboardLightTypes() const { return m_keyboardTypes; }
    colorInfoData currentRecord() const { return m_record; }
    int currentKeyboardMode() const { return m_keyboardMode; }
    int currentSideMode() const { return m_sideMode; }
    bool isKeyboardShown() const { return m_keyboardShown; }
    int customSlot() const { return m_customSlot; }
    QList<DCustomLightListItem *> customLightRows() const { return m_customRows; }
    SVColorArea *colorArea() const { return m_colorArea; }
    sliderCustomWidget *brightnessSlider() const { return m_brightnessSlider; }
    sliderCustomWidget *speedSlider() const { return m_speedSlider; }
    ArrowWidget *modeTip() const { return m_tip; }

Q_SIGNALS:
    void sigSomeMessageTip_LightsConfigPage(QString tip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);

public Q_SLOTS:
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onCurIndexChanged_LedDirection(int selIndex);
    void on_toolButton_LightSelectTypeChanged_clicked();
    void on_checkBox_FullColorMode_clicked();
    void onGetRGB(int r, int g, int b);
    void onMovingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelectSignal(QColor color);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void onInstallEventFilterOpen();
    void onScrollSheetSet();
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onCustomLightUsingStatus(bool isUsing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Names the brightness, speed and direction rows and the custom-light column; the
    // labels get the width their texts need, and their columns grow by as much.
    void fitLabelColumns();
    QByteArray indexText() const { return QByteArray::number(m_profileIndex); }
    // Says, naming the file and the reason, that a write of the page's own light
    // settings failed; the same failure again within kStoreNoticeQuietMs of the
    // last stays silent, so that a slider drag over a full disk gives one notice,
    // not one per step.
    bool stored(bool ok);
    static constexpr int kStoreNoticeQuietMs = 3000;
    void loadLightParameters(int target);
    void updateKeyboardModeControls(int mode);
    void updateSideModeControls(int mode);
    void markSelectedMode(int target);
    void applyLightChange(int lightConfigChangedFrom);
    void showModeControls(bool brightness, bool speed, const QList<int> *directions, bool colours);
    void setSliderSteps(const LightTypeListInfo &caps);
    void setSliderColours();

    // Colours.
    void initColorSwatches();
    void pickSwatchColor(const QString &text);
    void applyTypedRed(int v);
    void applyTypedGreen(int v);
    void applyTypedBlue(int v);
    void typedField(int channel, const QString &text);
    void showEditColour(const QColor &c, bool blockFields);
    void nameColourControls();
    void setPendingColour(const QColor &c);
    void styleColourButton(QAbstractButton *button, const QColor &c);
    void showModeTip(int buttonId);
    void hideModeTip();

    // Custom lights.
    void loadCustomLightList();
    void clearCustomLightList();
    void uploadCustomLightToSlot(const QString &index, int slot, int);
    void sendCustomLedColors(int slot);

    Ui::DLightsConfigPage *ui = nullptr;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
    QString m_borderColour = QStringLiteral("52, 52, 86");
    QString m_checkedColour = QStringLiteral("255, 143, 31");
    QPointer<MainHidInterFace> m_hid;  // the link owns it and deletes it when the keyboard goes
    ArrowWidget *m_tip = nullptr;
    SVColorArea *m_colorArea = nullptr;
    QColor m_editColour {255, 0, 0};
    bool m_pickerPressed = false;
    int m_lastFieldValue = 0;
    QStringList m_swatchColours;
    QList<QWidget *> m_swatches;
    bool m_keyboardShown = true;
    sliderCustomWidget *m_brightnessSlider = nullptr;
    sliderCustomWidget *m_speedSlider = nullptr;
    LightTypeListInfo m_keyboardTypes;
    LightTypeListInfo m_sideTypes;
    colorInfoData m_record;
    QColor m_pendingTop {255, 0, 0};
    QColor m_pendingBottom {0, 0, 0};
    int m_keyboardMode = -1;
    int m_sideMode = -1;
    QVBoxLayout *m_customLayout = nullptr;
    DCustomLightListItem *m_chosenRow = nullptr;
    QList<DCustomLightListItem *> m_customRows;
    int m_customSlot = -1;
    bool m_resetSlot = true;
    QString m_storeNotice;
    QElapsedTimer m_storeNoticeClock;
    QString m_scrollSheet;
    QButtonGroup *m_keyboardGroup = nullptr;
    QButtonGroup *m_sideGroup = nullptr;
    QButtonGroup *m_colourGroup = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
};
