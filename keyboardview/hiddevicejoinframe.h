#pragma once

#include "keyboardview/keylayoutfile.h"
#include "keyboardview/keylayoutrecord.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QVector>
#include <QWidget>

class keySelectFrame;
struct hidStructInfoAll;
class keyboardButCustom;
class keyColorRgbFrameItem;
class keyboardImageFrameItem;
namespace Ui {
class hidDeviceJoinFrame;
}

// The keyboard picture of the device page: the current model's picture with its
// key buttons and side-light segments on top, at a fixed size per model and a
// user-chosen scale. Three layers share one rectangle: the key layer on top, the
// picture below it and an empty colour layer at the bottom. It keeps the keys
// selected with the rubber band or by single presses, and answers the hit tests
// of the transparent overlay that the device page lays over it.
class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT

public:
    explicit hidDeviceJoinFrame(QWidget *parent = nullptr);
    ~hidDeviceJoinFrame() override;

    // Builds the layers for the device's model; the layers read nothing of the
    // record but its model name.
    void loadDevice(const hidStructInfoAll &device);
    void loadDevice(const QString &modelName);
    QString modelName() const { return m_modelName; }

    void setScale(float scale);
    void setZoomFactor(float factor, bool) { setScale(factor); }
    float scale() const { return m_scale; }
    QSize pictureFrameSize() const { return QSize(m_frameWidth, m_frameHeight); }

    void selectKeysInRect(int x1, int y1, int x2, int y2);
    void hoverKeyAt(int x, int y, int tab);
    void toggleKeyAt(bool isMousePress);
    void clearSelection(bool on);
    void clearLightPreview();
    QList<keyboardButCustom *> selectedKeys() const { return m_selection; }
    keyboardButCustom *hoveredKey() const { return m_hoveredKey; }

    void setPictureVariant(int variant);
    void setKeyboardModeImage(int mode) { setPictureVariant(mode); }

    keySelectFrame *keyLayer() const { return m_keyLayer; }
    keyboardImageFrameItem *pictureLayer() const { return m_pictureLayer; }
    QWidget *pictureFrame() const;
    // The record grid and row bands, filled when the key layer announces its keys.
    KeyLayoutRecord gridRecord(int row, int column) const { return m_grid[row][column]; }
    QVector<KeyLayoutRecord> rowBands() const { return m_rowBands; }

    // Scaled picture length in whole pixels: up from a first decimal of 4, in
    // single precision (2.35 gives 2, 2.45 gives 3).
    static int toLayoutPixel(float v);

    // Main tab of the device page on which hovering shows the travel tip.
    static constexpr int kTriggerTab = 4;

Q_SIGNALS:
    void sigTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);
    // The model's key layout could not be read: a notice for the user.
    void sigKeyboardLoadFailed(const QString &notice);

public Q_SLOTS:
    void onKeyboardAlreadyLoad();

private:
    struct HitRect
    {
        int left, top, right, bottom;
    };
    HitRect hitRect(const KeyLayoutRecord &record) const;
    QPoint framePosition() const;
    keyboardButCustom *keyFor(const KeyLayoutRecord &record) const;
    void placeSideLights(int frameW, int frameH);
    void onKeyLayerLoadFailed(const QString &modelName);
    void resetHitState();

    Ui::hidDeviceJoinFrame *ui;
    keySelectFrame *m_keyLayer = nullptr;
    keyColorRgbFrameItem *m_colourLayer = nullptr;
    keyboardImageFrameItem *m_pictureLayer = nullptr;
    QWidget *m_stackHolder = nullptr;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    float m_scale = 1.0f;
    bool m_pressed = false;
    QList<keyboardButCustom *> m_selection;
    QPointer<keyboardButCustom> m_hoveredKey;
    KeyLayoutRecord m_grid[KeyLayoutFile::kRows][KeyLayoutFile::kColumns];
    QVector<KeyLayoutRecord> m_rowBands;
    QString m_modelName;
};
