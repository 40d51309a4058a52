// A device's profile files: prepared under its model and serial number when it is
// opened, with the defaults of a new profile, and the current profile loaded into
// the page and its tabs.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/devicefoldername.h"
#include "devicepage/customlightdatainfo.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dperformancepage.h"
#include "devicepage/profilenode.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "sdk/tavrixxml.h"
#include "ui_ddevicepage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <array>

namespace {

const char *const kDefaultLayerFile = "appProfile_Default.xml";
const char *const kFnLayerFile = "appProfile_FN.xml";
const char *const kMagneticLayerFile = "appProfile_Magnetic.xml";
const char *const kPresetFolder = ":/images/configDir/";

// Custom light preset of the models that have one of their own, by key count.
struct ModelPreset
{
    int keyCount;
    const char *model;
    const char *presetModel;  // the model whose preset file it shares
};
// No model of the catalogue has a preset of its own yet.
constexpr std::array<ModelPreset, 0> kModelPresets {};

}  // namespace

QString DDevicePage::customLightPresetName(int keyCount, const QString &modelName)
{
    for (const ModelPreset &entry : kModelPresets) {
        if (entry.keyCount == keyCount && modelName == QLatin1String(entry.model))
            return QStringLiteral("customLightDefaultConfig_%1.xml").arg(QLatin1String(entry.presetModel));
    }
    switch (keyCount) {
    case 84:
    case 69: return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83: return QStringLiteral("customLightDefaultConfig_83.xml");
    case 97:
    case 98:
    case 99:
    case 100: return QStringLiteral("customLightDefaultConfig_98.xml");
    case 68: return QStringLiteral("customLightDefaultConfig_68.xml");
    case 61: return QStringLiteral("customLightDefaultConfig_61.xml");
    case 34: return QStringLiteral("customLightDefaultConfig_34.xml");
    case 18: return QStringLiteral("customLightDefaultConfig_18.xml");
    case 82: return QStringLiteral("customLightDefaultConfig_82.xml");
    default: return QStringLiteral("customLightDefaultConfig.xml");
    }
}

void DDevicePage::initProfileFiles(hidStructInfoAll device, int)
{
    DDeviceKeyboardLink *link = currentLink;
    if (!link)
        return;
    waitForLink(link, kProfileReadyWaitMs);
    if (currentLink != link)
        return;  // the device left, or another became current, while waiting
    serialNumber = link->getCurrentSN();
    currentDeviceInfo = device;
    currentLayer = 0;
    lightEngine->setHidStructInfo(device);
    lightEngine->setLightCapability(link->getKeyboardLightTypeList(), link->getSideLightTypeList());
    if (qstrncmp(device.deviceKind, "keyboard", sizeof device.deviceKind) != 0)
        return;
    // Without a valid serial number the files would land in a folder shared by every
    // such keyboard: wait for the number instead.
    if (!DeviceFolderName::isValidSerial(serialNumber)) {
        waitingForSerial = true;
        serialPollTimer->start();
        return;
    }
    prepareCurrentProfile(link);
}

void DDevicePage::onSerialPollTick()
{
    if (!waitingForSerial || !currentLink) {
        serialPollTimer->stop();
        return;
    }
    const QString serial = currentLink->getCurrentSN();
    if (!DeviceFolderName::isValidSerial(serial))
        return;
    serialPollTimer->stop();
    waitingForSerial = false;
    serialNumber = serial;
    prepareCurrentProfile(currentLink);
    ui->label_Tip->setText(tr("Device not connected"));
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
    startLightEngine();
}

void DDevicePage::prepareCurrentProfile(DDeviceKeyboardLink *link)
{
    DDataManager *dm = DDataManager::getInstance();
    const QString model = QString::fromLatin1(
        currentDeviceInfo.hidName, int(strnlen(currentDeviceInfo.hidName, sizeof currentDeviceInfo.hidName)));
    const QString modelFolder = DeviceFolderName::safeModelName(model);
    if (modelFolder.isEmpty())
        return;  // no folder can be named after this model
    profileDir = dm->getUserConfigDir() + QLatin1Char('/') + modelFolder + QLatin1Char('/') + serialNumber;
    QDir().mkpath(profileDir);

    struct Layer
    {
        const char *file;
        bool lights;  // gets the light items and custom lights of a new profile
    };
    QList<Layer> layers = {{kDefaultLayerFile, true}, {kFnLayerFile, true}};
    if (dm->isMagneticKeyboard())
        layers.append({kMagneticLayerFile, false});
    for (const Layer &layer : layers) {
        const QString file = profileDir + QLatin1Char('/') + QLatin1String(layer.file);
        const QByteArray path = QFile::encodeName(file);
        if (!layer.lights)
            dm->setMagneticProfilePath(path);
        if (QFile::exists(file))
            continue;
        CTavrixXML_CreateXMLFile(path);
        profileIndex = 1;
        CTavrixXML_CreateProFileXmlParentNode(path, "1", QStringLiteral("Profile%1").arg(1).toUtf8(), 0);
        CTavrixXML_ModifyXMLFileProfileIndex(path, 1);
        profilePath = path;
        if (layer.lights) {
            addDefaultLightItems(1);
            addDefaultCustomLights(1);
        }
    }

    profilePath = QFile::encodeName(profileDir + QLatin1Char('/') + QLatin1String(kDefaultLayerFile));
    loadProfileData();
    if (!link->isLightInfoSaved()) {
        link->saveLightInfoToProfile(0);
        if (!link->getSideLightTypeList().lightTypeList.isEmpty())
            link->saveLightInfoToProfile(1);
        link->setLightInfoSaved(true);
    }
    link->checkSleepTime();
}

void DDevicePage::loadProfileData()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->clearClickedKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(0);
    if (keyboardView)
        keyboardView->clearLightPreview();

    profileIndex = CTavrixXML_GetCreateXMLFileProfileIndex(profilePath);
    if (currentLink) {
        currentLink->setProfileIndex(profileIndex);
        currentLink->setProfilePath(profilePath);
    }
    dm->setCurProfileIndex(profileIndex);
    dm->setCurProfilePath(profilePath);
    customKeysPage->setProfileIndex(profileIndex);
    customKeysPage->setProfilePath(profilePath);
    lightsConfigPage->setProfileIndex(profileIndex);
    lightsConfigPage->setProfilePath(profilePath);
    lightsConfigPage->setHidInterface(currentHid);
    if (currentLink)
        lightsConfigPage->setLightCapability(currentLink->getKeyboardLightTypeList(),
                                             currentLink->getSideLightTypeList());
    performancePage->setProfileIndex(profileIndex);
    performancePage->setProfilePath(profilePath);
    lightEngine->setHidInterface(currentHid);

    loadProfileList();

    if (dm->isMagneticKeyboard() && currentLayer == 0) {
        QList<QByteArray> codes;
        CTavrixXML_ProFileKeyInfoSelectAll(dm->getMagneticProfilePath(), "1", codes);
        const QMap<int, keyboardButCustom *> keys = dm->getKeyButtonMap();
        for (const QByteArray &code : codes) {
            keyboardButCustom *key = keys.value(code.toInt());
            if (!key)
                continue;
            key->setAssignedFillColor(DDataManager::getKeyMarkColor());
            key->setAssignedBorderColor(DDataManager::getKeyMarkColor());
            key->setAssigned(true);
        }
    }
}

void DDevicePage::loadProfileList()
{
    QList<ProfileNode> nodes;
    CTavrixXML_SelectProFileAllNodes(profilePath, nodes);
    const QByteArray currentIndex = QByteArray::number(profileIndex);
    QString currentName;
    {
        const QSignalBlocker blocker(ui->comboBox_profileList);
        ui->comboBox_profileList->clear();
        for (const ProfileNode &node : nodes) {
            const QString name = QString::fromUtf8(node.name);
            ui->comboBox_profileList->addItem(name, node.index.toInt());
            if (node.index == currentIndex && currentName.isNull())
                currentName = name;
        }
        // Found by its name, as two profiles of one name select the first.
        const int selected = currentName.isNull() ? -1 : ui->comboBox_profileList->findText(currentName);
        if (selected >= 0)
            ui->comboBox_profileList->setCurrentIndex(selected);
    }

    DDataManager *dm = DDataManager::getInstance();
    const QStringList rgb = dm->getThemeColorInfo().TextCheckedColor.split(QLatin1Char(','));
    const QColor theme = rgb.size() >= 3 ? QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()) : QColor();
    const QMap<int, keyboardButCustom *> keys = dm->getKeyButtonMap();
    for (keyboardButCustom *key : keys) {
        key->setAssignedFillColor(theme);
        key->setAssignedBorderColor(theme);
        key->setAssigned(false);
    }
    QList<QByteArray> codes;
    CTavrixXML_ProFileKeyInfoSelectAll(profilePath, currentIndex, codes);
    for (const QByteArray &code : codes) {
        if (keyboardButCustom *key = keys.value(code.toInt()))
            key->setAssigned(true);
    }
}

void DDevicePage::addDefaultLightItems(int index)
{
    const QByteArray indexText = QByteArray::number(index);
    for (int target = 0; target < 3; ++target) {
        colorInfoData data;
        data.lightTarget = target;
        data.lightMode = 2;
        data.brightness = 3;
        data.speed = 3;
        data.topColorR = 255;
        data.fullColor = 1;
        CTavrixXML_AddProFileLightInfoItem(profilePath, indexText, data);
    }
    if (DDataManager::getInstance()->isLightSynchronize())
        CTavrixXML_ModifyProFileLightSynchronizeStatus(profilePath, indexText, 1);
}

void DDevicePage::addDefaultCustomLights(int index)
{
    struct Slot
    {
        const char *slot;
        QString name;
        const char *state;
        int flag;
    };
    const Slot customSlots[] = {
        {"0", QStringLiteral("Alphabets"), "Using", 0},
        {"1", QStringLiteral("WASD+Arrows"), "Using", 1},
        {"2", QStringLiteral("Custom %1").arg(3), "UnUsing", -1},
        {"3", QStringLiteral("Custom %1").arg(4), "UnUsing", -1},
        {"4", QStringLiteral("Custom %1").arg(5), "UnUsing", -1},
    };
    const QByteArray indexText = QByteArray::number(index);
    for (const Slot &slot : customSlots) {
        CTavrixXML_AddProFileCustomLightNode(profilePath, indexText, slot.slot, slot.name.toUtf8(), slot.state,
                                             slot.flag);
        if (slot.flag >= 0)
            loadCustomLightPreset(index, slot.flag);
    }
}

void DDevicePage::loadCustomLightPreset(int index, int slot)
{
    const QString model = QString::fromLatin1(
        currentDeviceInfo.hidName, int(strnlen(currentDeviceInfo.hidName, sizeof currentDeviceInfo.hidName)));
    const QString name = customLightPresetName(currentDeviceInfo.keyCount, model);
    // The store reads presets from disk: a copy in a folder that removes itself.
    QTemporaryDir folder;
    QByteArray presetPath;
    if (folder.isValid()) {
        const QString copy = folder.path() + QLatin1Char('/') + name;
        if (QFile::copy(QLatin1String(kPresetFolder) + name, copy))
            presetPath = QFile::encodeName(copy);
    }
    const QByteArray slotText = QByteArray::number(slot);
    QList<CustomLightDataInfo> items;
    CTavrixXML_XmlCustomLightInfoSelectAll(presetPath, slotText, items);
    const QByteArray indexText = QByteArray::number(index);
    for (const CustomLightDataInfo &item : items)
        CTavrixXML_AddProFileCustomLightDataInfo(profilePath, indexText, slotText, item);
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(QString)
{
    const QVariant data = ui->comboBox_profileList->currentData();
    if (!data.isValid())
        return;
    profileIndex = data.toInt();
    CTavrixXML_ModifyXMLFileProfileIndex(profilePath, profileIndex);
    loadProfileData();
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    const QByteArray indexText = QByteArray::number(changeProfileIndex);
    if (link && link != currentLink) {
        // A keyboard that is not current switches its own files, never the current one's.
        const QByteArray path = link->getProfilePath();
        if (!path.isEmpty() && CTavrixXML_IsExistenceSelectProfileNode(path, indexText))
            CTavrixXML_ModifyXMLFileProfileIndex(path, changeProfileIndex);
        return;
    }
    if (!currentLink || profilePath.isEmpty())
        return;
    profileIndex = changeProfileIndex;
    CTavrixXML_ModifyXMLFileProfileIndex(profilePath, profileIndex);
    loadProfileData();
}
