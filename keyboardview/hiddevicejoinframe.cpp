#include "keyboardview/hiddevicejoinframe.h"

#include "app/ddatamanager.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyboardimageframeitem.h"
#include "keyboardview/keyboardpicturetable.h"
#include "keyboardview/keycolorrgbframeitem.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "sdk/tavrixrecords.h"
#include "ui_hiddevicejoinframe.h"

#include <QStackedLayout>

#include <cmath>

namespace {

constexpr int kMargin = KeyLayoutFile::kMargin;

enum SidePosition
{
    SideNone = 0,
    SideLeft = 1,
    SideRight = 2,
    SideUp = 3,
    SideDown = 4
};

bool between(int v, int a, int b)
{
    return v >= qMin(a, b) && v <= qMax(a, b);
}

}  // namespace

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget *parent) : QWidget(parent), ui(new Ui::hidDeviceJoinFrame)
{
    ui->setupUi(this);
    // The picture is the keyboard as it lies on the desk, whatever the language.
    setLayoutDirection(Qt::LeftToRight);
}

hidDeviceJoinFrame::~hidDeviceJoinFrame()
{
    delete ui;
}

QWidget *hidDeviceJoinFrame::pictureFrame() const
{
    return ui->frame_hidSpace;
}

int hidDeviceJoinFrame::toLayoutPixel(float v)
{
    // The first decimal digit of the single-precision value itself (8 x 1.3f is
    // 10.3999996, which stays 10), read without a second rounding to float.
    const int firstDecimal = int(double(v) * 10.0) % 10;
    return firstDecimal >= 4 ? int(v + 1.0f) : int(v);
}

void hidDeviceJoinFrame::loadDevice(const hidStructInfoAll &device)
{
    loadDevice(QString::fromLatin1(device.hidName, int(tavrixTextLength(device.hidName))));
}

void hidDeviceJoinFrame::loadDevice(const QString &modelName)
{
    // A picture is built once; loading again replaces the layers.
    delete m_stackHolder;
    m_stackHolder = nullptr;
    m_keyLayer = nullptr;
    m_colourLayer = nullptr;
    m_pictureLayer = nullptr;
    resetHitState();

    m_modelName = modelName;
    const QSize size = KeyboardPictureTable::pictureSize(modelName);
    m_frameWidth = size.width() + 2 * kMargin;
    m_frameHeight = size.height() + 2 * kMargin;
    ui->frame_hidSpace->setFixedSize(m_frameWidth, m_frameHeight);

    m_stackHolder = new QWidget(ui->frame_hidSpace);
    m_keyLayer = new keySelectFrame(m_stackHolder);
    m_colourLayer = new keyColorRgbFrameItem(m_stackHolder);
    m_pictureLayer = new keyboardImageFrameItem(m_stackHolder);
    connect(m_keyLayer, &keySelectFrame::sigKeyboardAlreadyLoad, this, &hidDeviceJoinFrame::onKeyboardAlreadyLoad);
    connect(m_keyLayer, &keySelectFrame::sigKeyboardLoadFailed, this, &hidDeviceJoinFrame::onKeyLayerLoadFailed);

    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(m_keyLayer);
    stack->addWidget(m_colourLayer);
    stack->addWidget(m_pictureLayer);
    m_stackHolder->setLayout(stack);
    ui->frame_hidSpace->layout()->addWidget(m_stackHolder);
    m_pictureLayer->lower();
    m_colourLayer->lower();
    m_keyLayer->raise();

    // The layers take the model from a device record made for them.
    HidDeviceInfoStu layerRecord {};
    layerRecord.vendorId = 0x1234;
    layerRecord.productId = 0x5678;
    const QByteArray model = modelName.toLatin1();
    tavrixCopyText(layerRecord.modelName, model.constData());
    m_pictureLayer->setDevice(layerRecord);
    m_keyLayer->loadKeyboard(layerRecord);
    m_keyLayer->setKeysDisplay(false, true);
}

void hidDeviceJoinFrame::resetHitState()
{
    // The key layer has replaced (or dropped) its buttons: forget the old ones.
    m_selection.clear();
    m_hoveredKey = nullptr;
    m_rowBands.clear();
    for (auto &row : m_grid)
        std::fill(std::begin(row), std::end(row), KeyLayoutRecord());
}

void hidDeviceJoinFrame::onKeyLayerLoadFailed(const QString &modelName)
{
    resetHitState();
    Q_EMIT sigKeyboardLoadFailed(QObject::tr("The key layout of %1 could not be read").arg(modelName));
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    if (!m_keyLayer)
        return;
    const QVector<KeyLayoutRecord> records = m_keyLayer->keyLayoutRecords();
    resetHitState();
    if (records.isEmpty())
        return;
    m_rowBands.append(records.first());
    int row = 0;
    int column = 0;
    for (const KeyLayoutRecord &record : records) {
        if (column != 0 && column % KeyLayoutFile::kColumns == 0) {
            ++row;
            column = 0;
            m_rowBands.append(record);
        }
        // The reader admits only complete 6 x 22 grids; never write past it.
        if (row >= KeyLayoutFile::kRows)
            break;
        m_grid[row][column] = record;
        ++column;
    }
}

void hidDeviceJoinFrame::setScale(float s)
{
    const QSize table = KeyboardPictureTable::pictureSize(m_modelName);
    const int frameW = toLayoutPixel(float(table.width()) * s) + 2 * kMargin;
    const int frameH = toLayoutPixel(float(table.height()) * s) + 2 * kMargin;
    ui->frame_hidSpace->setFixedSize(frameW, frameH);
    m_scale = s;
    if (!m_keyLayer)
        return;

    const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
    for (const KeyLayoutRecord &r : m_keyLayer->keyLayoutRecords()) {
        keyboardButCustom *key = keys.value(r.code);
        if (r.code == 0 || !key)
            continue;
        const int x = toLayoutPixel(float(r.posX) * s) + kMargin;
        const int y = toLayoutPixel(float(r.posY) * s) + kMargin;
        const int w = toLayoutPixel(float(r.width) * s);
        const int h = toLayoutPixel(float(r.height) * s);
        key->setGeometry(x, y, w, h);
        key->setKeyPosition(x, y);
        key->setKeySize(w, h);
        key->update();
    }

    // The flag stands from the last layout read; this picture may have no Enter key.
    keyboardButCustom *enter = keys.value(40);
    if (DDataManager::getInstance()->getSpecialEnterKey() && enter) {
        const QPoint offset = keySelectFrame::specialEnterOffset(m_modelName);
        enter->setSpecialEnterOffset(toLayoutPixel(float(offset.x()) * s), toLayoutPixel(float(offset.y()) * s));
    }
    if (m_keyLayer->hasSideLights())
        placeSideLights(frameW, frameH);
}

void hidDeviceJoinFrame::placeSideLights(int frameW, int frameH)
{
    const float s = m_scale;
    const QMap<int, sideLightButtonCustom *> segments = m_keyLayer->sideLightButtonMap();
    for (const KeyLayoutRecord &r : m_keyLayer->sideLightLayoutRecords()) {
        sideLightButtonCustom *segment = segments.value(r.code);
        if (r.sidePosition == SideNone || !segment)
            continue;
        const int scaledX = toLayoutPixel(float(r.posX) * s) + kMargin;
        const int scaledY = toLayoutPixel(float(r.posY) * s) + kMargin;
        const int scaledW = toLayoutPixel(float(r.width) * s);
        const int scaledH = toLayoutPixel(float(r.height) * s);
        int x = 0, y = 0, w = 0, h = 0;
        switch (r.sidePosition) {
        case SideLeft:
            x = r.posX == 0 ? 0 : scaledX;
            y = scaledY;
            w = r.width;
            h = scaledH;
            break;
        case SideRight:
            x = frameW - kMargin;
            y = scaledY;
            w = r.width;
            h = scaledH;
            break;
        case SideUp:
            x = scaledX;
            y = r.posY == 0 ? 0 : scaledY;
            w = scaledW;
            h = r.height;
            break;
        case SideDown:
            x = scaledX;
            y = frameH - kMargin;
            w = scaledW;
            h = r.height;
            break;
        default: break;
        }
        if (x < 0)
            x = r.posX + kMargin;
        if (y < 0)
            y = r.posY + kMargin;
        segment->setGeometry(x, y, w, h);
        segment->setSegmentPosition(x, y);
        segment->setSegmentSize(w, h);
    }
}

QPoint hidDeviceJoinFrame::framePosition() const
{
    return ui->frame_hidSpace->mapTo(const_cast<hidDeviceJoinFrame *>(this), QPoint(0, 0));
}

hidDeviceJoinFrame::HitRect hidDeviceJoinFrame::hitRect(const KeyLayoutRecord &r) const
{
    const QPoint p = framePosition();
    const float s = m_scale;
    HitRect rect;
    rect.left = int(float(r.posX) * s + float(p.x() + kMargin));
    rect.top = int(float(r.posY) * s + float(p.y() + kMargin));
    rect.right = int(float(rect.left) + float(r.width) * s);
    rect.bottom = int(float(rect.top) + float(r.height) * s);
    return rect;
}

keyboardButCustom *hidDeviceJoinFrame::keyFor(const KeyLayoutRecord &record) const
{
    return m_keyLayer ? m_keyLayer->keyButtonMap().value(record.code) : nullptr;
}

void hidDeviceJoinFrame::selectKeysInRect(int x1, int y1, int x2, int y2)
{
    for (keyboardButCustom *key : qAsConst(m_selection))
        key->setDragSelected(false);
    m_selection.clear();
    if (m_keyLayer) {
        const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
        for (const KeyLayoutRecord &r : m_keyLayer->keyLayoutRecords()) {
            if (r.code == 0)
                continue;
            // Only the key's top-left corner counts, edges included.
            const HitRect rect = hitRect(r);
            keyboardButCustom *key = keys.value(r.code);
            if (key && between(rect.left, x1, x2) && between(rect.top, y1, y2)) {
                key->setDragSelected(true);
                m_selection.append(key);
            }
        }
    }
    Q_EMIT sigTheDragAreaHaveChanged(0, -1, -1, -1);
}

void hidDeviceJoinFrame::hoverKeyAt(int x, int y, int tab)
{
    if (m_pressed)
        return;
    bool found = false;
    const int frameLeft = framePosition().x();
    const int frameRight = frameLeft + ui->frame_hidSpace->width();
    for (int row = 0; row < m_rowBands.size() && row < KeyLayoutFile::kRows; ++row) {
        const HitRect band = hitRect(m_rowBands[row]);
        if (!(frameLeft < x && x < frameRight && band.top < y && y < band.bottom))
            continue;
        // The first band that holds the point decides, even if no key there does.
        for (int column = 0; column < KeyLayoutFile::kColumns; ++column) {
            const KeyLayoutRecord &r = m_grid[row][column];
            if (r.code == 0)
                continue;
            const HitRect rect = hitRect(r);
            if (!(rect.left < x && x < rect.right && rect.top < y && y < rect.bottom))
                continue;
            keyboardButCustom *key = keyFor(r);
            found = key != nullptr;
            if (key && key != m_hoveredKey) {
                if (m_hoveredKey)
                    m_hoveredKey->setHovered(false);
                key->setHovered(true);
                m_hoveredKey = key;
                if (tab == kTriggerTab) {
                    // The tip's wait runs the event loop; this picture may be gone after it.
                    QPointer<hidDeviceJoinFrame> self(this);
                    m_keyLayer->showTravelTip(key->keyRow(), key->keyColumn(), key);
                    if (!self)
                        return;
                }
            }
            break;
        }
        break;
    }
    if (!found && m_hoveredKey) {
        m_hoveredKey->setHovered(false);
        m_hoveredKey = nullptr;
        if (tab == kTriggerTab && m_keyLayer)
            m_keyLayer->hideTravelTip();
    }
    Q_EMIT sigDragAreaMoveOneKey(found);
}

void hidDeviceJoinFrame::toggleKeyAt(bool isMousePress)
{
    m_pressed = isMousePress;
    if (!isMousePress || !m_hoveredKey)
        return;
    keyboardButCustom *key = m_hoveredKey;
    int status = 1;
    if (m_selection.contains(key)) {
        key->setDragSelected(false);
        m_selection.removeAll(key);
        status = -1;
    } else {
        key->setDragSelected(true);
        m_selection.append(key);
    }
    Q_EMIT sigTheDragAreaHaveChanged(1, status, key->keyRow(), key->keyColumn());
}

void hidDeviceJoinFrame::clearSelection(bool on)
{
    if (on) {
        for (keyboardButCustom *key : qAsConst(m_selection))
            key->setDragSelected(false);
        m_selection.clear();
    }
    if (m_keyLayer)
        m_keyLayer->setKeysLightPreview(on);
}

void hidDeviceJoinFrame::clearLightPreview()
{
    if (m_keyLayer)
        m_keyLayer->setKeysLightPreview(false);
}

void hidDeviceJoinFrame::setPictureVariant(int variant)
{
    if (m_pictureLayer)
        m_pictureLayer->setPictureVariant(variant);
}
