#pragma once

#include "devicelink/hidreport.h"
#include "devicelink/lighttypelistinfo.h"
#include "devicelink/mainhidinterface.h"
#include "lighting/colorinfodata.h"
#include "lighting/frequencyspectrum.h"
#include "sdk/tavrixlight.h"
#include "sdk/tavrixrecords.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVector>

class keyboardButCustom;
class sideLightButtonCustom;
class QThread;
class QTimer;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;
class sendLightUpdateThread;
class DSoundCardAudioCapture;
class SpectrumAnalyser;

typedef unsigned char BYTE;

// The side-light buttons of the keyboard picture, in layout order, held as guarded pointers.
class GuardedSideLightButtons
{
public:
    GuardedSideLightButtons &operator=(const QList<sideLightButtonCustom *> &buttons);
    int size() const { return m_buttons.size(); }
    sideLightButtonCustom *at(int index) const;

private:
    QList<QPointer<sideLightButtonCustom>> m_buttons;
};

// The working copy of one light record that the renderers read.
struct LightWorkInfo
{
    int32_t lightMode = 0;
    int32_t brightness = 0;
    int32_t speedIndex = 0;  // the record's speed minus 1
    int32_t topColorR = 0, topColorG = 0, topColorB = 0;
    int32_t bottomColorR = 0, bottomColorG = 0, bottomColorB = 0;
    int32_t direction = 0;  // clockwise kept as right, anticlockwise as left
    int32_t fullColor = 1;
    int32_t extParam1 = 0;
    int32_t extParam2 = 0;
    bool fullColorOn = false;
};

// The software light engine of the device page: keeps the keyboard and side light records,
// has the light library compute frames on the keyboard and side ticks, previews them on the
// keyboard picture and streams them to the keyboard while synchronising. In the
// music-reactive mode it builds the keyboard frame itself from the sound output.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeyCells = kRows * kColumns;
    static constexpr int kSideCells = 60;
    static constexpr int kPreviewCount = kKeyCells + kSideCells;

    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    // Keeps the record; the model name is its hidName (the catalogue's model name).
    void setHidStructInfo(const hidStructInfoAll &info);
    void setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side);
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    void initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz);
    void loadProfileColorInfo();
    void setPreviewEnabled(bool on);
    void setLightTickRunning(bool on);
    void setLightSynchronize(bool on);
    bool isKeyTickRunning() const { return m_keyTickRunning; }
    bool isSideTickRunning() const { return m_sideTickRunning; }
    // The ticks rest while the light stands still and its frame is shown and sent; any
    // change of what the light shows wakes them.
    bool areTicksResting() const { return m_ticksResting; }

    void setKeyboardColorInfoData(const colorInfoData &data);
    void keyboardColorInfoDataChanged(const colorInfoData &data);
    void setSideColorInfoData(const colorInfoData &data);
    void sideColorInfoDataChanged(const colorInfoData &data);
    void setCustomLightColors(int source, int customIndex);
    void setInteractLightPoint(int row, int column);

    // Frame handlers the library's callbacks reach through the process-wide engine pointer.
    void onKeyboardFrame(const LightFrameCell *cells);
    void onSideFrame(const LightFrameCell *cells);

    // State the device page and tests read.
    bool isPreviewEnabled() const { return m_previewEnabled; }
    bool isLightSynchronize() const { return m_synchronizing; }
    hidStructInfoAll hidStructInfo() const { return m_device; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    int musicKeyCount() const { return m_keyCount; }
    bool isMusicEnabled() const { return m_musicEnabled; }
    QColor previewColor(int index) const { return m_preview[index]; }
    const LightWorkInfo &keyboardWork() const { return m_keyboardWork; }
    const LightWorkInfo &sideWork() const { return m_sideWork; }
    colorInfoData keyboardColorInfo() const { return m_keyboardInfo; }
    colorInfoData sideColorInfo() const { return m_sideInfo; }
    int keyboardTickPeriod() const;
    int sideTickPeriod() const;
    int darkeningFactor(int target, int brightness) const;
    LightFrameCell keyboardCell(int row, int column) const { return m_keyFrame[row * kColumns + column]; }
    QList<int> columnsPerBand() const { return m_columnsPerBand; }
    QMap<int, int> columnToBand() const { return m_columnToBand; }
    QList<int> columnLevels() const { return m_columnLevels; }
    QList<int> columnIntensities() const { return m_columnIntensities; }
    QMap<int, int> speedRespondMap() const { return m_speedRespond; }
    DSoundCardAudioCapture *audioCapture() const { return m_capture; }
    // Ends the light ticks, then the sound capture, and waits for each. Safe to call
    // again; the application's quit calls it before the device links close.
    void endThreads();

    // The report builders of synchronisation, from the engine's state at the call.
    HidReport synchronizeReport() const;
    HidReport compactReport(qint64 epochMs);
    // Key colour reports of one USB pass: 8 for the keys, then the side lights of the model.
    QList<HidReport> usbFrameReports() const;
    QList<HidReport> customLedReports() const;

    // Band layout helpers.
    static int keyColumnsForKeyCount(int keyCount, const QString &model);
    static QList<int> bandColumns(int columns, int bands);
    static int levelOfValue(double value);

    // The buttons the engine paints, overwritten by the device page before it starts. The
    // keyboard picture may be rebuilt while the engine runs, so they are held as guarded
    // pointers: a deleted button reads as null and is passed over.
    QPointer<keyboardButCustom> keyButtons[kRows][kColumns];
    GuardedSideLightButtons sideLightButtons;

Q_SIGNALS:
    // A notice for the user (the device page shows it).
    void sigSomeMessageTip(QString tip);

public Q_SLOTS:
    void onDeviceUpdateAllKeyColor();
    void onDeviceUpdateAllSideLightColor();
    void onDeviceUpdateAllKeyColorUI();
    void onDeviceUpdateAllSideLightColorUI();
    void onDeviceUpdateAllKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();
    void onSendCaptureAudioData(BYTE *pData, int dataSize);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    void onAudioOutputDevListChanging();

private:
    struct LightCapability
    {
        int speedCount = 0;
        int brightnessCount = 1;
        QMap<int, int> brightnessMap;
        int darkeningStep = 22;
    };

    void updateWorkingColorInfo(int target);
    void pushKeyboardColorInfo();
    void pushSideColorInfo();
    void clearPreviewColors();
    void repaintKeys(const QList<keyboardButCustom *> &keys);
    static constexpr int kBatchRepaintKeys = 24;
    void setKeyPreviews(const QColor &colour);
    void setSidePreviews(const QColor &colour);
    QColor darken(const QColor &colour, const LightWorkInfo &work, const LightCapability &cap) const;

    // Passes of the preview tick a still light must stay unchanged before the ticks rest.
    static constexpr int kStillPassesBeforeRest = 3;
    bool isStillLight() const;
    bool isFrameSent() const;
    void restTicksWhenStill();
    void wakeTicks();

    void renderKeyboardCell(int index, const LightFrameCell &cell);
    void renderSideCell(int index, const LightFrameCell &cell);

    void setMusicalRhythmEnabled(bool on);
    void applyBandColors();
    int bandIndexOf(double frequency) const;
    void updateBandLevels();
    void setColumnLevel(int column, int level);
    void renderMusicFrame();

    void sendFrameOverUsb();
    void sendFrameOver24G();
    void sendKeyColorReport(const HidReport &report);
    void queueCommand(const HidReport &report, const char *failureLine);

    hidStructInfoAll m_device {};
    QString m_modelName;
    // The keyboard's I/O object belongs to its link, which deletes it when the keyboard goes;
    // a frame or command queued before that finds the pointer cleared, not freed memory.
    QPointer<MainHidInterFace> m_hid;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
    QTimer *m_keepAlive = nullptr;
    bool m_synchronizing = false;
    bool m_sideLightsPresent = false;
    bool m_keyTickRunning = false;
    bool m_sideTickRunning = false;
    int m_keyCount = 104;
    updateLightMainThread *m_keyTick = nullptr;
    updateLightMainThreadSide *m_sideTick = nullptr;
    updateLightMainThreadUI *m_previewTick = nullptr;
    sendLightUpdateThread *m_sendTick = nullptr;
    LightTypeListInfo m_keyboardTypes;
    LightTypeListInfo m_sideTypes;
    QColor m_preview[kPreviewCount];
    LightFrameCell m_keyFrame[kKeyCells] {};
    LightFrameCell m_sideFrame[kSideCells] {};
    QList<int> m_sideLeds;
    bool m_usbPassBusy = false;
    bool m_reportBusy = false;
    bool m_previewEnabled = false;
    bool m_keyFrameRendered = true;  // the previews hold a computed keyboard frame
    // The previews must be rendered again even from an unchanged frame (parameters changed).
    bool m_keyRenderDirty = true;
    bool m_sideRenderDirty = true;
    bool m_frameMoved = false;  // a tick rendered a frame that differs from the one before
    int m_stillPasses = 0;
    bool m_ticksResting = false;
    QList<HidReport> m_lastStreamed;  // the key colour reports of the last USB pass
    bool m_resendFrame = false;       // the next pass streams even an unchanged frame
    LightCapability m_keyboardCap;
    LightCapability m_sideCap;
    colorInfoData m_keyboardInfo {};
    LightWorkInfo m_keyboardWork;
    colorInfoData m_sideInfo {};
    LightWorkInfo m_sideWork;

    // Music-reactive state.
    QByteArray m_audioBuffer;
    QAudioFormat m_audioFormat;
    DSoundCardAudioCapture *m_capture = nullptr;
    SpectrumAnalyser *m_analyser = nullptr;
    QVector<SpectrumBar> m_bars;
    double m_lowHz = 30.0;
    double m_highHz = 930.0;
    FrequencySpectrum m_spectrum;
    QList<int> m_columnsPerBand;
    QMap<int, int> m_columnToBand;
    QList<int> m_columnLevels;
    QList<int> m_columnIntensities;
    bool m_musicEnabled = false;
    QTimer *m_outputDeviceTimer = nullptr;
    QString m_lastOutputDevice;
    bool m_outputDeviceChanged = false;

    int m_rippleRow = -1;
    int m_rippleColumn = -1;
    LightColorRgb m_rippleColour {0, 0, 0};
    QMap<int, int> m_speedRespond;
};
