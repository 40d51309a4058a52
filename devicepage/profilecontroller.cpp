#include "devicepage/profilecontroller.h"

#include "app/ddatamanager.h"
#include "devicelink/keyboardwideprofile.h"
#include "devicepage/profiledefaults.h"
#include "keyboardview/keyboardbutcustom.h"
#include "sdk/tavrixxml.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kGridColumns = 22;
constexpr int kGridRows = 6;

QString profileFileName(const QString &layerFile, int layer)
{
    const int slash = layerFile.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? layerFile.left(slash) : QString();
    return folder + QLatin1Char('/')
        + QLatin1String(layer == 0 ? ProfileController::kDefaultLayerFile : ProfileController::kFnLayerFile);
}

// The file and reason of the store call that just failed, or fallback when the
// store gave none.
QString failureText(const QString &fallback)
{
    const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
    return reason.isEmpty() ? fallback : reason;
}

}  // namespace

ProfileController::ProfileController(QObject *parent) : QObject(parent)
{ }

ProfileController::~ProfileController() = default;

void ProfileController::setPresetDevice(int keyCount, const QString &modelName)
{
    m_keyCount = keyCount;
    m_modelName = modelName;
}

void ProfileController::setDialogParent(QWidget *parent)
{
    m_widgetDialogs = std::make_unique<WidgetProfileDialogs>(parent);
}

ProfileDialogs *ProfileController::dialogs()
{
    if (m_dialogs)
        return m_dialogs;
    if (!m_widgetDialogs)
        m_widgetDialogs = std::make_unique<WidgetProfileDialogs>(nullptr);
    return m_widgetDialogs.get();
}

QList<ProfileNode> ProfileController::nodes(const QByteArray &path) const
{
    QList<ProfileNode> list;
    CTavrixXML_SelectProFileAllNodes(path, list);
    return list;
}

void ProfileController::notice(const QString &text, NoticePlace place)
{
    Q_EMIT sigNotice(text, place);
}

bool ProfileController::makeCurrent(int index)
{
    const bool stored = CTavrixXML_ModifyXMLFileProfileIndex(m_profilePath, index);
    m_profileIndex = index;
    Q_EMIT sigCurrentProfileChanged();
    return stored;
}

int ProfileController::resolveCurrentIndex(const QByteArray &path)
{
    const int stored = CTavrixXML_GetCreateXMLFileProfileIndex(path);
    if (stored > 0 && CTavrixXML_IsExistenceSelectProfileNode(path, QByteArray::number(stored)))
        return stored;
    QList<ProfileNode> list;
    CTavrixXML_SelectProFileAllNodes(path, list);
    if (list.isEmpty())
        return -1;
    const int first = list.first().index.toInt();
    CTavrixXML_ModifyXMLFileProfileIndex(path, first);
    return first;
}

QString ProfileController::exportFileName(const QString &profileName)
{
    QString name = profileName;
    for (QChar &c : name) {
        // Separators, control characters and the characters that file dialogs and
        // other systems' file names do not take as typed.
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\<>:\"|?*&").contains(c))
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

void ProfileController::setKeysSelectable(const QList<QPair<int, int>> &cells, bool selectable)
{
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->getKeyButtonList();
    for (const QPair<int, int> &cell : cells) {
        if (cell.first < 0 || cell.first >= kGridRows || cell.second < 0 || cell.second >= kGridColumns)
            continue;
        const int position = cell.first * kGridColumns + cell.second;
        if (position < keys.size() && keys.at(position)) {
            keys.at(position)->setSelectable(selectable);
            keys.at(position)->update();
        }
    }
}

bool ProfileController::layerFilesReady()
{
    if (!m_layerFileMaker || m_layerFileMaker())
        return true;
    notice(failureText(tr("Create profile failed")));
    return false;
}

bool ProfileController::createProfile()
{
    if (!layerFilesReady())
        return false;
    const QList<ProfileNode> list = nodes(m_profilePath);
    if (list.size() >= kMaxProfiles) {
        notice(tr("The number of profile has reached the maximum"));
        return false;
    }
    const int index = list.isEmpty() ? 2 : list.last().index.toInt() + 1;
    const QByteArray indexText = QByteArray::number(index);
    if (CTavrixXML_IsExistenceSelectProfileNode(m_profilePath, indexText)) {
        notice(tr("Create failed, the index node is already existence, please checked"));
        return false;
    }
    // The profile and its defaults reach the file in one write, or not at all.
    CTavrixXMLBatch batch(m_profilePath);
    if (!CTavrixXML_CreateProFileXmlParentNode(m_profilePath, indexText,
                                               QStringLiteral("Profile%1").arg(index).toLatin1(), 0)
        || !ProfileDefaults(m_keyCount, m_modelName).addAll(m_profilePath, index) || !batch.commit()) {
        // Read at once: the next store call starts a new record.
        notice(failureText(tr("Create profile failed")));
        return false;
    }
    Q_EMIT sigProfileListChanged();
    notice(tr("Create profile successful"));
    return true;
}

bool ProfileController::deleteProfile()
{
    if (!layerFilesReady())
        return false;
    if (nodes(m_profilePath).size() <= 1) {
        notice(tr("Need keep at least one profile"));
        return false;
    }
    if (!CTavrixXML_DeleteProFileSelectedNode(m_profilePath, QByteArray::number(m_profileIndex))) {
        notice(failureText(tr("Delete profile failed")));
        return false;
    }
    const QList<ProfileNode> list = nodes(m_profilePath);
    if (!list.isEmpty())
        makeCurrent(list.first().index.toInt());
    notice(tr("Delete profile successful"));
    return true;
}

bool ProfileController::exportProfile()
{
    if (!layerFilesReady())
        return false;
    const QString folder = dialogs()->chooseExportFolder(m_desktopPath);
    if (folder.isEmpty()) {
        notice(tr("Please select save directory first"));
        return false;
    }
    QString name;
    if (!currentProfileName(&name)) {
        notice(tr("This index node non-existent"));
        return false;
    }
    const QString fileName = exportFileName(name);
    if (fileName.isEmpty()) {
        notice(tr("The profile name cannot be used as a file name"));
        return false;
    }
    const QString target = QDir(folder).filePath(fileName + QLatin1String(".xml"));
    if (QFileInfo::exists(target) && !dialogs()->confirmOverwrite(target))
        return false;
    // A missing target is made by the export itself, so a refused export leaves
    // no empty file behind.
    const bool exported
        = CTavrixXML_ProFileExport(m_profilePath, QFile::encodeName(target), QByteArray::number(m_profileIndex), 0);
    if (exported) {
        notice(tr("Export profile successful"));
        return true;
    }
    // A target that is no earlier export is refused as it is, not as a damaged store.
    const CTavrixXMLFailureKind kind = CTavrixXML_LastFailure().kind;
    const bool writeFailed = kind == CTavrixXMLFailureKind::CannotWrite || kind == CTavrixXMLFailureKind::DiskFull;
    notice(writeFailed ? failureText(tr("Export profile failed")) : tr("Export profile failed"));
    return false;
}

bool ProfileController::importProfile()
{
    const QString file = dialogs()->chooseImportFile(m_desktopPath);
    if (file.isEmpty()) {
        notice(tr("Please select import file first"), AtCentre);
        return false;
    }
    if (!layerFilesReady())
        return false;
    if (nodes(m_profilePath).size() >= kMaxProfiles) {
        notice(tr("The number of profile has reached the maximum"));
        return false;
    }
    const QByteArray importPath = QFile::encodeName(file);
    const QList<ProfileNode> imported = nodes(importPath);
    const QByteArray importIndex = imported.isEmpty() ? QByteArrayLiteral("1") : imported.last().index;
    const QList<ProfileNode> before = nodes(m_profilePath);
    if (!CTavrixXML_ProFileImport(m_profilePath, importPath, importIndex)) {
        notice(failureText(tr("Import profile failed")));
        return false;
    }
    // Two profiles of one name cannot be told apart in the list: the imported one
    // gets the first free "Name (n)".
    QString renamedFrom;
    QString newName;
    QStringList names;
    for (const ProfileNode &node : before)
        names << QString::fromUtf8(node.name);
    for (const ProfileNode &node : nodes(m_profilePath)) {
        if (std::any_of(before.cbegin(), before.cend(),
                        [&](const ProfileNode &old) { return old.index == node.index; }))
            continue;
        const QString name = QString::fromUtf8(node.name);
        if (!names.contains(name))
            break;
        newName = distinctName(name, names);
        if (CTavrixXML_ModifyProfileNodeInfo(m_profilePath, node.index, newName.toUtf8()))
            renamedFrom = name;
        break;
    }
    Q_EMIT sigProfileListChanged();
    if (renamedFrom.isEmpty())
        notice(tr("Import profile successful"));
    else
        notice(tr("Import profile successful, as \"%1\": the name \"%2\" is taken").arg(newName, renamedFrom));
    return true;
}

QString ProfileController::distinctName(const QString &name, const QStringList &taken)
{
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
        if (!taken.contains(candidate))
            return candidate;
    }
}

bool ProfileController::currentProfileName(QString *name) const
{
    ProfileNodeInfo info;
    if (!CTavrixXML_SelectProfileNodeInfo(m_profilePath, QByteArray::number(m_profileIndex), &info))
        return false;
    if (name)
        *name = QString::fromUtf8(info.name);
    return true;
}

bool ProfileController::renameProfile(const QString &name)
{
    if (name.isEmpty()) {
        notice(tr("Profile name can't empty"));
        return false;
    }
    if (!layerFilesReady())
        return false;
    QString current;
    if (currentProfileName(&current) && current == name) {
        notice(tr("The profile name is unchanged"));
        return false;
    }
    if (!CTavrixXML_ModifyProfileNodeInfo(m_profilePath, QByteArray::number(m_profileIndex), name.toUtf8())) {
        notice(failureText(tr("Modify profile info failed")));
        return false;
    }
    Q_EMIT sigProfileListChanged();
    notice(tr("Modify profile info successful"));
    return true;
}

bool ProfileController::resetProfile()
{
    if (!layerFilesReady())
        return false;
    if (!dialogs()->confirmReset())
        return false;
    QString name;
    const QByteArray index = QByteArray::number(m_profileIndex);
    // The profile is removed and made again in memory and written once: should any
    // step fail the file keeps its old bytes, so the profile is never lost.
    CTavrixXMLBatch batch(m_profilePath);
    if (!currentProfileName(&name) || !CTavrixXML_DeleteProFileSelectedNode(m_profilePath, index)
        || !CTavrixXML_CreateProFileXmlParentNode(m_profilePath, index, name.toUtf8(), 0)
        || !ProfileDefaults(m_keyCount, m_modelName).addAll(m_profilePath, m_profileIndex) || !batch.commit()) {
        notice(failureText(tr("Reset the current profile failed")));
        return false;
    }
    Q_EMIT sigCurrentProfileChanged();
    Q_EMIT sigResetKeyboard();
    notice(tr("Reset the current profile successful"));
    Q_EMIT sigAskSleepTime();
    return true;
}

bool ProfileController::selectProfile(int index)
{
    if (!CTavrixXML_IsExistenceSelectProfileNode(m_profilePath, QByteArray::number(index)))
        return false;
    return makeCurrent(index);
}

bool ProfileController::switchProfileFromKeyboard(int index)
{
    // The keyboard's stored switch function may name a profile deleted since.
    if (m_profilePath.isEmpty() || !CTavrixXML_IsExistenceSelectProfileNode(m_profilePath, QByteArray::number(index)))
        return false;
    return makeCurrent(index);
}

bool ProfileController::switchLayer(int pageIndex)
{
    if (pageIndex == m_currentLayer)
        return false;
    // A file that cannot be made is told; the switch shows what there is.
    layerFilesReady();
    m_currentLayer = pageIndex;
    // Without a device's files there is no folder to find the other layer in.
    if (m_profilePath.isEmpty())
        return false;
    m_profilePath = QFile::encodeName(profileFileName(QFile::decodeName(m_profilePath), pageIndex));
    m_profileIndex = resolveCurrentIndex(m_profilePath);
    Q_EMIT sigCurrentProfileChanged();
    return true;
}

bool ProfileController::refreshMacroCopy(const QString &macroIndex)
{
    const QByteArray macro = macroIndex.toLatin1();
    const QByteArray index = QByteArray::number(m_profileIndex);
    if (CTavrixXML_GetProFileValueNum(m_profilePath, index, "1", macro) <= 0)
        return false;
    const QByteArray node = "Macro" + macro;
    CTavrixXML_DeleteProFileBindMacroNode(m_profilePath, index, macro, node);
    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(DDataManager::getInstance()->getMacroXmlPath(), macro, events);
    return CTavrixXML_AddProFileBindMacroItem(m_profilePath, index, events, macro, node);
}

bool ProfileController::saveCustomLightColors(int slot)
{
    // Without a slot in use there is no stored light these colours belong to.
    if (slot < 0)
        return false;
    const QByteArray slotText = QByteArray::number(slot);
    const QByteArray index = QByteArray::number(m_profileIndex);
    // One key per change, a hundred or more of them: written to the file once.
    CTavrixXMLBatch batch(m_profilePath);
    if (!CTavrixXML_ClearProFileCustomLightNode(m_profilePath, index, slotText))
        return false;
    bool saved = true;
    for (keyboardButCustom *key : DDataManager::getInstance()->getKeyButtonList()) {
        const QColor color = key ? key->customLightColor() : QColor();
        if (!key || (color.red() == 0 && color.green() == 0 && color.blue() == 0))
            continue;
        CustomLightDataInfo item;
        qstrncpy(item.keyCode, QByteArray::number(key->keyDec()).constData(), sizeof(item.keyCode));
        qstrncpy(item.codeName, key->keyCharacter().toLatin1().constData(), sizeof(item.codeName));
        item.indexX = key->keyRow();
        item.indexY = key->keyColumn();
        item.colorR = color.red();
        item.colorG = color.green();
        item.colorB = color.blue();
        item.transparentNum = 128;
        saved = CTavrixXML_AddProFileCustomLightDataInfo(m_profilePath, index, slotText, item) && saved;
    }
    return batch.commit() && saved;
}

void ProfileController::loadCustomLightColors(const QByteArray &slot)
{
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->getKeyButtonList();
    const QColor black(0, 0, 0);
    for (keyboardButCustom *key : keys) {
        if (key) {
            key->setKeyColor(black);
            key->setCustomLightColor(black);
        }
    }
    QList<CustomLightDataInfo> items;
    CTavrixXML_ProFileCustomLightInfoSelectAll(m_profilePath, QByteArray::number(m_profileIndex), slot, items);
    for (const CustomLightDataInfo &item : qAsConst(items)) {
        if (item.indexX < 0 || item.indexX >= kGridRows || item.indexY < 0 || item.indexY >= kGridColumns)
            continue;
        const int position = item.indexX * kGridColumns + item.indexY;
        if (position >= keys.size() || !keys.at(position))
            continue;
        const QColor color(qBound(0, item.colorR, 255), qBound(0, item.colorG, 255), qBound(0, item.colorB, 255));
        keys.at(position)->setKeyColor(color);
        keys.at(position)->setCustomLightColor(color);
    }
}

bool ProfileController::submitSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    if (lightSleepTime > keyboardSleepTime) {
        notice(tr("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));
        return false;
    }
    if (keyboardSleepTime < kKeyboardSleepMinSeconds) {
        notice(tr("Keyboard enters sleep time is too short"));
        return false;
    }
    // A second submission while the first still waits would nest the waits.
    if (m_sleepWaiting)
        return false;
    m_sleepAcknowledged = false;
    Q_EMIT sigSendSleepTime(lightSleepTime, keyboardSleepTime, prohibitSleepStatus);
    if (!m_sleepAcknowledged) {
        m_sleepWaiting = true;
        QEventLoop loop;
        QTimer::singleShot(kSleepAckWaitMs, &loop, &QEventLoop::quit);
        connect(this, &ProfileController::sigSleepWaitOver, &loop, &QEventLoop::quit);
        loop.exec();
        m_sleepWaiting = false;
    }
    if (!m_sleepAcknowledged) {
        notice(tr("Sleep time set failed"));
        return false;
    }
    DDataManager::getInstance()->setProhibitSleep(prohibitSleepStatus);
    const KeyboardWideProfile::Ref profile = KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex);
    if (!profile.isValid()
        || !CTavrixXML_SetProFileIntoSleepTimeInfo(profile.path, profile.index, lightSleepTime,
                                                   keyboardSleepTime / 60)) {
        notice(failureText(tr("Saving the sleep time failed")));
        return false;
    }
    notice(tr("Sleep time has been set"));
    return true;
}

void ProfileController::onSleepTimeAcknowledged()
{
    m_sleepAcknowledged = true;
    Q_EMIT sigSleepWaitOver();
}
