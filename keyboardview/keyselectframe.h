#pragma once

#include "keyboardview/keylayoutfile.h"
#include "keyboardview/keylayoutrecord.h"
#include "keyboardview/keytippopup.h"

#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>

class keyboardButCustom;
class sideLightButtonCustom;
class QEventLoop;
struct HidDeviceInfoStu;
struct KeyOperateInfo;
namespace Ui {
class keySelectFrame;
}

// The top layer of the keyboard picture: a transparent widget holding one key
// button per key entry of the model's layout file and one segment button per
// side-light entry. It builds them once from the layout, keeps them in a 6 x 22
// grid, a list and maps, registers the key map, key list and itself with the data
// manager (through which the other pages reach the keys), and owns the
// single-key choice by click and the hover tips.
class keySelectFrame : public QWidget
{
    Q_OBJECT

public:
    // Reads a key's item from a profile of a layer file (path, profile index
    // text, key code text); fills the item and returns true when the key has one.
    using KeyItemLookup = std::function<bool(const QByteArray &profilePath, const QByteArray &profileIndex,
                                             const QByteArray &keyCode, KeyOperateInfo *item)>;

    static constexpr int kTravelRestMs = 350;
    static constexpr int kTravelTipCloseMs = 100;

    explicit keySelectFrame(QWidget *parent = nullptr);
    ~keySelectFrame() override;

    // Builds the layer for the model named in the device record.
    void loadKeyboard(const HidDeviceInfoStu &device);
    void loadKeyboard(const QString &modelName);
    // Reads the model's layout file and builds the layer; false when it has none
    // or it is rejected (the layer then registers itself empty).
    bool loadKeyboardInfo(const QString &modelName);
    bool parseKeyboardInfo(const QByteArray &text);
    QString modelName() const { return m_modelName; }

    void setKeysDisplay(bool lightPreview, bool showSelected);
    void setKeysShowSelected(bool show);
    void setKeysLightPreview(bool on);
    void setKeysTriggerView(bool on);
    void setSideLightsVisible(bool visible);

    void showTravelTip(int row, int column, keyboardButCustom *key);
    void hideTravelTip();

    bool hasSideLights() const { return m_sideLights; }
    bool hasSpecialEnter() const { return m_specialEnter; }
    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keysByCode; }
    QList<keyboardButCustom *> keyButtons() const { return m_keys; }
    keyboardButCustom *keyAt(int row, int column) const;
    QVector<KeyLayoutRecord> keyLayoutRecords() const { return m_keyRecords; }
    QMap<int, sideLightButtonCustom *> sideLightButtonMap() const { return m_segmentsByIndex; }
    QVector<KeyLayoutRecord> sideLightLayoutRecords() const { return m_segmentRecords; }
    QList<sideLightButtonCustom *> sideLightButtons() const { return m_segments; }
    keyboardButCustom *currentKey() const { return m_currentKey; }
    const KeyTipPopup *tipPopup() const { return m_popup; }

    // Where the hover tip reads the function stored for a key: the profile store
    // unless another lookup is set (an empty one restores the store).
    static void setKeyItemLookup(KeyItemLookup lookup);

    // Offset of the special Enter key's lower part for a model.
    static QPoint specialEnterOffset(const QString &modelName);

Q_SIGNALS:
    void sigKeyboardAlreadyLoad();
    // The model's layout could not be read; the layer is empty and registered so.
    void sigKeyboardLoadFailed(const QString &modelName);

public Q_SLOTS:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum);
    void onArrowWidgetMouseEnter();
    void ontheArrowWillHide();

private:
    void clearHoverExcept(const keyboardButCustom *keep);
    void clearLayer();
    void registerWithDataManager();
    void buildSegment(const KeyLayoutSegment &segment);
    void buildKey(const KeyLayoutKey &entry);
    QColor themeColor() const;
    static QString reportedCaption(const keyboardButCustom *key);
    static bool isFnCaption(const QString &caption);

    Ui::keySelectFrame *ui;
    KeyTipPopup *m_popup = nullptr;
    bool m_sideLights = false;
    bool m_specialEnter = false;
    QString m_modelName;
    QList<sideLightButtonCustom *> m_segments;
    QVector<KeyLayoutRecord> m_segmentRecords;
    QMap<int, sideLightButtonCustom *> m_segmentsByIndex;
    QMap<int, keyboardButCustom *> m_keysByCode;
    QList<keyboardButCustom *> m_keys;
    keyboardButCustom *m_grid[KeyLayoutFile::kRows][KeyLayoutFile::kColumns] = {};
    QVector<KeyLayoutRecord> m_keyRecords;
    QPointer<keyboardButCustom> m_currentKey;
    QElapsedTimer m_hoverClock;
    quint64 m_travelRequest = 0;
    QEventLoop *m_travelWait = nullptr;
};
