// A device's profile files: prepared under its model and serial number when it is
// opened, with the defaults of a new profile, and the current profile loaded into
// the page and its tabs.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/devicefoldername.h"
#include "devicepage/customlightdatainfo.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dperformancepage.h"
#include "devicepage/profilecontroller.h"
#include "devicepage/profiledefaults.h"
#include "devicepage/profilenode.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "platform/logcategories.h"
#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/savefile.h"
#include "ui_ddevicepage.h"
#include "widgets/cbnotice.h"
#include "widgets/storefilequestion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

const char *const kDefaultLayerFile = ProfileController::kDefaultLayerFile;
const char *const kFnLayerFile = ProfileController::kFnLayerFile;
const char *const kMagneticLayerFile = "appProfile_Magnetic.xml";

}  // namespace

void DDevicePage::initProfileFiles(hidStructInfoAll device, int)
{
    DDeviceKeyboardLink *link = currentLink;
    if (!link)
        return;
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
    const QString modelDir = dm->getUserConfigDir() + QLatin1Char('/') + modelFolder;
    profileDir = modelDir + QLatin1Char('/') + serialNumber;
    // The profiles hold key texts the user typed: folders for their owner only.
    xmlstore::makePrivateFolder(QFile::encodeName(modelDir));
    xmlstore::makePrivateFolder(QFile::encodeName(profileDir));

    if (dm->isMagneticKeyboard())
        dm->setMagneticProfilePath(
            QFile::encodeName(profileDir + QLatin1Char('/') + QLatin1String(kMagneticLayerFile)));
    // A new layer file the store cannot write is told once, not once per layer.
    bool failureShown = false;
    for (const LayerFile &layer : layerFiles()) {
        if (!keepOrReplaceLayerFile(layer.path))
            continue;
        if (!newProfileDefaults().makeLayerFile(layer.path, layer.lights) && !failureShown) {
            failureShown = true;
            // Told through the link, which then keeps this first reason instead of
            // the "does not exist" of its own writes to the file that is not there.
            link->noteStoreWrite(false, ProfileController::tr("Create profile failed"));
        }
    }

    profilePath = QFile::encodeName(profileDir + QLatin1Char('/') + QLatin1String(kDefaultLayerFile));
    loadProfileData();
    if (!link->isLightInfoSaved()) {
        storeKeyboardLights(link);
        link->setLightInfoSaved(true);
    }
    link->checkSleepTime();
}

QList<DDevicePage::LayerFile> DDevicePage::layerFiles() const
{
    if (profileDir.isEmpty())
        return {};
    auto path
        = [this](const char *file) { return QFile::encodeName(profileDir + QLatin1Char('/') + QLatin1String(file)); };
    QList<LayerFile> layers = {{path(kDefaultLayerFile), true}, {path(kFnLayerFile), true}};
    if (DDataManager::getInstance()->isMagneticKeyboard())
        layers.append({path(kMagneticLayerFile), false});
    return layers;
}

void DDevicePage::storeKeyboardLights(DDeviceKeyboardLink *link)
{
    link->saveLightInfoToProfile(0);
    if (!link->getSideLightTypeList().lightTypeList.isEmpty())
        link->saveLightInfoToProfile(1);
}

bool DDevicePage::makeMissingLayerFiles()
{
    const QList<LayerFile> layers = layerFiles();
    if (layers.isEmpty())
        return true;
    xmlstore::makePrivateFolder(QFile::encodeName(QFileInfo(profileDir).path()));
    xmlstore::makePrivateFolder(QFile::encodeName(profileDir));
    bool made = false;
    bool madeDefault = false;
    for (const LayerFile &layer : layers) {
        const QFileInfo info(QFile::decodeName(layer.path));
        // A damaged file was asked about when the keyboard was opened; it stays.
        if (info.exists() && !(info.isFile() && info.size() == 0))
            continue;
        if (!newProfileDefaults().makeLayerFile(layer.path, layer.lights))
            return false;
        made = true;
        madeDefault = madeDefault || layer.path.endsWith(kDefaultLayerFile);
    }
    if (!made)
        return true;
    if (currentLink) {
        currentLink->noteStoreWrite(true);
        // The keyboard's lights, which its first connection could not store.
        if (madeDefault)
            storeKeyboardLights(currentLink);
    }
    // The page and the controller take up the new files' profile.
    loadProfileData();
    return true;
}

bool DDevicePage::keepOrReplaceLayerFile(const QByteArray &path)
{
    const QFileInfo info(QFile::decodeName(path));
    // A missing file, or one of 0 bytes (a write cut short before anything was in
    // it), is made anew.
    if (!info.exists() || (info.isFile() && info.size() == 0))
        return true;
    QList<ProfileNode> nodes;
    // A store without any profile holds nothing of the user's (a save of an
    // earlier version cut short, say): it is made anew.
    if (CTavrixXML_SelectProFileAllNodes(path, nodes))
        return nodes.isEmpty();
    QString text;
    if (StoreFileQuestion::handle(this, CTavrixXML_LastFailure(), &text))
        return true;  // moved aside: start a new one
    if (!text.isEmpty())
        notice->showMessageAt(text, tipPosition());
    return false;
}

void DDevicePage::loadProfileData()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->clearClickedKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(0);
    if (keyboardView)
        keyboardView->clearLightPreview();

    // A stored index that names no profile (the file was edited, or an older
    // version left it) falls back to the first profile.
    profileIndex = ProfileController::resolveCurrentIndex(profilePath);
    profiles->setProfilePath(profilePath);
    profiles->setProfileIndex(profileIndex);
    profiles->setCurrentLayer(currentLayer);
    profiles->setPresetDevice(
        currentDeviceInfo.keyCount,
        QString::fromLatin1(currentDeviceInfo.hidName,
                            int(strnlen(currentDeviceInfo.hidName, sizeof currentDeviceInfo.hidName))));
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

ProfileDefaults DDevicePage::newProfileDefaults() const
{
    const QString model = QString::fromLatin1(
        currentDeviceInfo.hidName, int(strnlen(currentDeviceInfo.hidName, sizeof currentDeviceInfo.hidName)));
    return ProfileDefaults(currentDeviceInfo.keyCount, model);
}

bool DDevicePage::addDefaultLightItems(int index)
{
    return ProfileDefaults::addDefaultLightItems(profilePath, index);
}

bool DDevicePage::addDefaultCustomLights(int index)
{
    return newProfileDefaults().addDefaultCustomLights(profilePath, index);
}

bool DDevicePage::loadCustomLightPreset(int index, int slot)
{
    return newProfileDefaults().loadCustomLightPreset(profilePath, index, slot);
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(QString)
{
    const QVariant data = ui->comboBox_profileList->currentData();
    if (!data.isValid())
        return;
    if (customKeysPage->isDownloading()) {
        // The download is reading this profile; the list keeps showing it.
        const QSignalBlocker blocker(ui->comboBox_profileList);
        ui->comboBox_profileList->setCurrentIndex(ui->comboBox_profileList->findData(profileIndex));
        return;
    }
    profileIndex = data.toInt();
    CTavrixXML_ModifyXMLFileProfileIndex(profilePath, profileIndex);
    loadProfileData();
}

void DDevicePage::onCustomEventChangeProfile(int changeProfileIndex)
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
    if (customKeysPage->isDownloading()) {
        qCDebug(lcDevice) << "Profile switch asked for during a download, ignored:" << changeProfileIndex;
        return;
    }
    // A profile that no longer exists is not switched to; the controller has the
    // page reload on a switch.
    profiles->switchProfileFromKeyboard(changeProfileIndex);
}
