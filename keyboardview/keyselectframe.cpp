#include "keyboardview/keyselectframe.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyboardpicturetable.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixrecords.h"
#include "sdk/tavrixxml.h"
#include "ui_keyselectframe.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

namespace {

keySelectFrame::KeyItemLookup &itemLookup()
{
    static keySelectFrame::KeyItemLookup lookup = CTavrixXML_SelectProFileKeyOperateInfo;
    return lookup;
}

// Hover colour given to every key of a freshly built layer.
const QColor kLayerHoverColor(220, 40, 45, 255);
const QColor kSegmentStartColor(255, 0, 0);

}  // namespace

keySelectFrame::keySelectFrame(QWidget *parent)
    : QWidget(parent), ui(new Ui::keySelectFrame), m_popup(new KeyTipPopup(this))
{
    ui->setupUi(this);
    connect(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo, this,
            &keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo);
    connect(m_popup, &KeyTipPopup::sigMouseEnter, this, &keySelectFrame::onArrowWidgetMouseEnter);
}

keySelectFrame::~keySelectFrame()
{
    // The buttons die with this layer: nothing may reach them through the data
    // manager afterwards.
    DDataManager *dm = DDataManager::getInstance();
    if (dm->getKeySelectFrame() == this) {
        dm->setKeyButtonMap({});
        dm->setKeyButtonList({});
        dm->setKeySelectFrame(nullptr);
    }
    if (m_travelWait)
        m_travelWait->quit();
    delete ui;
}

void keySelectFrame::setKeyItemLookup(KeyItemLookup lookup)
{
    itemLookup() = lookup ? std::move(lookup) : KeyItemLookup(CTavrixXML_SelectProFileKeyOperateInfo);
}

QPoint keySelectFrame::specialEnterOffset(const QString &modelName)
{
    return QPoint(10, KeyboardPictureTable::hasTallEnter(modelName) ? 35 : 30);
}

keyboardButCustom *keySelectFrame::keyAt(int row, int column) const
{
    if (row < 0 || row >= KeyLayoutFile::kRows || column < 0 || column >= KeyLayoutFile::kColumns)
        return nullptr;
    return m_grid[row][column];
}

void keySelectFrame::loadKeyboard(const HidDeviceInfoStu &device)
{
    loadKeyboard(QString::fromLatin1(device.modelName, int(tavrixTextLength(device.modelName))));
}

void keySelectFrame::loadKeyboard(const QString &modelName)
{
    m_modelName = modelName;
    loadKeyboardInfo(modelName);
}

bool keySelectFrame::loadKeyboardInfo(const QString &modelName)
{
    m_modelName = modelName;
    QFile file(KeyLayoutFile::resourcePath(modelName));
    if (modelName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcKeys) << "The keyboard layout file cannot be read:";
        clearLayer();
        registerWithDataManager();
        Q_EMIT sigKeyboardLoadFailed(modelName);
        return false;
    }
    return parseKeyboardInfo(file.readAll());
}

void keySelectFrame::clearLayer()
{
    m_sideLights = false;
    m_specialEnter = false;
    m_keyRecords.clear();
    m_segmentRecords.clear();
    m_segmentsByIndex.clear();
    m_keysByCode.clear();
    m_currentKey = nullptr;
    m_popup->hide();
    // A layer read again drops the buttons of its earlier reading.
    qDeleteAll(m_segments);
    m_segments.clear();
    qDeleteAll(m_keys);
    m_keys.clear();
    for (auto &row : m_grid)
        std::fill(std::begin(row), std::end(row), nullptr);
}

QColor keySelectFrame::themeColor() const
{
    const QStringList parts = DDataManager::getInstance()->getThemeColorInfo().TextCheckedColor.split(',');
    auto part = [&](int i) { return i < parts.size() ? qBound(0, parts[i].trimmed().toInt(), 255) : 0; };
    return QColor(part(0), part(1), part(2));
}

bool keySelectFrame::parseKeyboardInfo(const QByteArray &text)
{
    clearLayer();
    const QColor mainColor = themeColor();
    KeyLayout layout;
    if (!KeyLayoutFile::parse(text, KeyLayoutFile::fileName(m_modelName), &layout)) {
        registerWithDataManager();
        Q_EMIT sigKeyboardLoadFailed(m_modelName);
        return false;
    }

    DDataManager *dm = DDataManager::getInstance();
    if (layout.hasHeader) {
        m_sideLights = layout.sideLightHave;
        m_specialEnter = layout.specialEnterKey;
        dm->setSpecialEnterKey(m_specialEnter);
        dm->setHidDeviceType(layout.hidDeviceType);
    }
    for (const KeyLayoutSegment &segment : layout.segments)
        buildSegment(segment);
    for (const KeyLayoutKey &entry : layout.keys)
        buildKey(entry);
    m_keyRecords = layout.keyRecords();
    m_segmentRecords = layout.segmentRecords();

    registerWithDataManager();
    Q_EMIT sigKeyboardAlreadyLoad();

    for (auto &row : m_grid) {
        for (keyboardButCustom *key : row) {
            if (!key)
                continue;
            key->setThemeColors(kLayerHoverColor, mainColor);
            key->setShowKeyColor(true);
        }
    }
    return true;
}

void keySelectFrame::registerWithDataManager()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setKeyButtonMap(m_keysByCode);
    dm->setKeyButtonList(m_keys);
    dm->setKeySelectFrame(this);
}

void keySelectFrame::buildSegment(const KeyLayoutSegment &s)
{
    auto *segment = new sideLightButtonCustom(this);
    segment->setSegmentSize(s.width, s.height);
    const int x = s.posX + KeyLayoutFile::kMargin;
    const int y = s.posY + KeyLayoutFile::kMargin;
    segment->setGeometry(x, y, s.width, s.height);
    segment->setSegmentPosition(x, y);
    segment->setSegmentInfo(s.index, s.validStatus);
    segment->setRounded(false);
    segment->hide();
    segment->setColor(kSegmentStartColor);
    m_segments.append(segment);
    m_segmentsByIndex.insert(s.index, segment);
}

void keySelectFrame::buildKey(const KeyLayoutKey &entry)
{
    auto *key = new keyboardButCustom(this);
    key->setKeySize(entry.width, entry.height);
    connect(key, &keyboardButCustom::clicked, this, &keySelectFrame::onKeyButtonClicked);
    connect(key, &keyboardButCustom::sigCustomButMouseEnter, this, &keySelectFrame::onCustomButMouseEnter);
    connect(key, &keyboardButCustom::sigCustomButMouseLeave, this, &keySelectFrame::onCustomButMouseLeave);
    if (entry.code == 40 && m_specialEnter) {
        key->setSpecialEnter(true);
        key->setSpecialEnterShape(1);
        const QPoint offset = specialEnterOffset(m_modelName);
        key->setSpecialEnterOffset(offset.x(), offset.y());
    }
    const int x = entry.posX + KeyLayoutFile::kMargin;
    const int y = entry.posY + KeyLayoutFile::kMargin;
    key->setGeometry(x, y, entry.width, entry.height);
    key->setKeyPosition(x, y);
    key->setSelected(false, false);
    key->setKeyInfo(entry.code, entry.caption);
    key->setMatrixPosition(entry.row, entry.column);
    m_keysByCode.insert(entry.code, key);
    m_grid[entry.row][entry.column] = key;
    m_keys.append(key);
}

QString keySelectFrame::reportedCaption(const keyboardButCustom *key)
{
    if (key->keyDec() == 52)
        return QStringLiteral("' \"");
    QString caption = key->keyCharacter();
    caption.remove(QLatin1Char('"'));
    return caption;
}

bool keySelectFrame::isFnCaption(const QString &caption)
{
    return caption == QLatin1String("fn") || caption == QLatin1String("Fn") || caption == QLatin1String("FN");
}

void keySelectFrame::onKeyButtonClicked()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key || key == m_currentKey)
        return;
    const QString caption = reportedCaption(key);
    DDataManager *dm = DDataManager::getInstance();
    const bool calibrating = dm->getCalibrationMode();
    // Fn and reserved keys carry no function of their own; calibration takes any key.
    if (!calibrating && (isFnCaption(caption) || !key->isSelectable()))
        return;
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    key->setSelected(true, true);
    m_currentKey = key;
    if (calibrating)
        dm->relayCalibrationPoint(key->keyRow(), key->keyColumn());
    else
        dm->setClickedKey(key->keyDec(), caption);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key)
        return;
    clearHoverExcept(key);
    const QString name = reportedCaption(key);
    DDataManager *dm = DDataManager::getInstance();
    KeyOperateInfo item = KeyOperateInfo::empty();
    // While calibrating, keys are points to press, not functions.
    if (!dm->getCalibrationMode()) {
        itemLookup()(dm->getCurProfilePath(), QByteArray::number(dm->getCurProfileIndex()),
                     QByteArray::number(key->keyDec()), &item);
    }
    const QString functionName = dm->getKeyFunctionTypeName(item);

    CustomEventTipInfo content;
    content.keyName = name;
    content.functionName = functionName;
    if (keyOperateNumber(item.keyDec) != -1) {
        content.functionDetail = dm->getKeyFunctionDetail();
        content.canRemap = true;
    } else if (key->keyDec() != -10 && key->isSelectable()) {
        content.functionDetail = name;
        content.canRemap = true;
    } else {
        content.functionDetail = QObject::tr("Cannot remapped");
        content.canRemap = false;
    }
    m_popup->showAbove(key, content);
}

void keySelectFrame::onCustomButMouseLeave()
{
    if (m_popup->isShown())
        m_popup->hide();
}

void keySelectFrame::showTravelTip(int row, int column, keyboardButCustom *key)
{
    if (!key)
        return;
    m_currentKey = key;
    m_hoverClock.restart();
    const quint64 request = ++m_travelRequest;
    QPointer<keySelectFrame> self(this);
    QPointer<keyboardButCustom> hovered(key);

    // Wait for the pointer to rest, letting other hovers and leaves run meanwhile.
    QEventLoop wait;
    QEventLoop *outerWait = m_travelWait;
    m_travelWait = &wait;
    QTimer::singleShot(kTravelRestMs, &wait, &QEventLoop::quit);
    wait.exec();
    if (!self)
        return;
    if (m_travelWait == &wait)
        m_travelWait = outerWait;

    // Only the newest hover asks, and only while its key is still the one rested on.
    if (request != m_travelRequest || !hovered || m_currentKey != hovered)
        return;
    DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(0, row, column);
}

void keySelectFrame::hideTravelTip()
{
    m_currentKey = nullptr;
    if (m_travelWait)
        m_travelWait->quit();
    onCustomButMouseLeave();
}

void keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum)
{
    qCDebug(lcKeys) << "Key picture selection: type" << type << "  pressNum:" << pressNum
                    << " releaseNum:" << releaseNum;
    if (!m_currentKey)
        return;
    const double press = pressNum / 10.0;
    const double release = (type == 0 || type == 12)
        ? releaseNum / 10.0
        : (DDataManager::getInstance()->getMagneticPrecision() + 1 - releaseNum) / 10.0;
    const QString text = QObject::tr("Press") + ":" + QString::number(press, 'f', 1) + " " + QObject::tr("Release")
        + ":" + QString::number(release, 'f', 1);
    CustomEventTipInfo content {m_currentKey->keyCharacter(), QObject::tr("Key triggered"), text, true};
    m_popup->showAbove(m_currentKey, content);
}

void keySelectFrame::clearHoverExcept(const keyboardButCustom *keep)
{
    // A key whose leave was never delivered (the pointer went straight into the tip
    // window above it, or into another window) would stay marked for good.
    for (keyboardButCustom *key : qAsConst(m_keys)) {
        if (key != keep && key->isHovered())
            key->setHovered(false);
    }
}

void keySelectFrame::onArrowWidgetMouseEnter()
{
    // The tip covers the keys: none of them is under the pointer now.
    clearHoverExcept(nullptr);
    QTimer::singleShot(kTravelTipCloseMs, this, &keySelectFrame::ontheArrowWillHide);
}

void keySelectFrame::ontheArrowWillHide()
{
    hideTravelTip();
}

void keySelectFrame::setKeysDisplay(bool lightPreview, bool showSelected)
{
    for (keyboardButCustom *key : qAsConst(m_keysByCode)) {
        key->setShowSelected(showSelected);
        key->setLightPreview(lightPreview);
    }
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    m_currentKey = nullptr;
}

void keySelectFrame::setKeysShowSelected(bool show)
{
    for (keyboardButCustom *key : qAsConst(m_keysByCode))
        key->setShowSelected(show);
}

void keySelectFrame::setKeysLightPreview(bool on)
{
    for (keyboardButCustom *key : qAsConst(m_keysByCode)) {
        key->setLightPreview(on);
        key->setDragSelected(false);
    }
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    m_currentKey = nullptr;
}

void keySelectFrame::setKeysTriggerView(bool on)
{
    for (keyboardButCustom *key : qAsConst(m_keysByCode))
        key->setTriggerView(on);
}

void keySelectFrame::setSideLightsVisible(bool visible)
{
    if (!m_sideLights)
        return;
    for (sideLightButtonCustom *segment : qAsConst(m_segments)) {
        if (!visible)
            segment->hide();
        else if (segment->validStatus() == 1)
            segment->show();
    }
}
