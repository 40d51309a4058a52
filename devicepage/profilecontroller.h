#pragma once

#include "devicepage/profiledialogs.h"
#include "devicepage/profilenode.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

// The profile operations of the current device: create, delete, export, import,
// rename and reset a profile of the current layer file, switch between the Default
// and FN layer files, make another profile current (from the combo box or at the
// keyboard's request), and the sleep times, which are stored only once the
// keyboard has acknowledged them.
//
// The device page hands it the current layer file and profile at every profile
// load and listens to its signals: it reloads the profile on
// sigCurrentProfileChanged (reading profilePath() and profileIndex() back), the
// profile list on sigProfileListChanged, shows sigNotice and passes the keyboard
// requests to the current device's link.
class ProfileController : public QObject
{
    Q_OBJECT

public:
    enum NoticePlace
    {
        AtTip = 0,     // the page's tip position
        AtCentre = 1,  // the centre of the page
    };

    static constexpr int kMaxProfiles = 10;
    static constexpr int kSleepAckWaitMs = 1400;
    static constexpr int kKeyboardSleepMinSeconds = 300;
    static constexpr const char *kDefaultLayerFile = "appProfile_Default.xml";
    static constexpr const char *kFnLayerFile = "appProfile_FN.xml";

    explicit ProfileController(QObject *parent = nullptr);
    ~ProfileController() override;

    void setProfilePath(const QByteArray &path) { m_profilePath = path; }
    QByteArray profilePath() const { return m_profilePath; }
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    // 0 Default layer, 1 FN layer, -1 before a device was opened.
    void setCurrentLayer(int layer) { m_currentLayer = layer; }
    int currentLayer() const { return m_currentLayer; }
    // The keyboard whose custom light preset seeds new profiles.
    void setPresetDevice(int keyCount, const QString &modelName);
    // Start folder of the file dialogs.
    void setDesktopPath(const QString &path) { m_desktopPath = path; }
    // The dialogs to ask with (not owned); null: the real dialogs over dialogParent.
    void setDialogs(ProfileDialogs *dialogs) { m_dialogs = dialogs; }
    void setDialogParent(QWidget *parent);
    // Makes the layer files that a keyboard's first connection could not make (a
    // full disk since freed); run before every profile operation and layer switch.
    // When it returns false the store's reason is told and an operation stops.
    void setLayerFileMaker(std::function<bool()> maker) { m_layerFileMaker = std::move(maker); }

    // The stored current index of the layer file when it names a profile; else the
    // first profile's index, which is then stored. -1 when the file lists none.
    static int resolveCurrentIndex(const QByteArray &path);
    // The file name (without ".xml") an export of this profile (or macro) gets:
    // separators, control characters and < > : " | ? * & become "_"; empty when
    // the name cannot be a file name.
    static QString exportFileName(const QString &profileName);
    // "name (n)" with the lowest n from 2 that no entry of taken holds.
    static QString distinctName(const QString &name, const QStringList &taken);
    // Marks the keys at these (row, column) places of the picture's 6 × 22 key grid
    // (the data manager's key-button list) selectable or not.
    static void setKeysSelectable(const QList<QPair<int, int>> &cells, bool selectable);

    bool createProfile();
    bool deleteProfile();
    bool exportProfile();
    bool importProfile();
    // The current profile's name; false when the profile does not exist.
    bool currentProfileName(QString *name) const;
    bool renameProfile(const QString &name);
    bool resetProfile();
    // The combo box chose a profile.
    bool selectProfile(int index);
    // The keyboard asked for a profile; an index naming no profile is ignored.
    bool switchProfileFromKeyboard(int index);
    // 0 Default, other FN; false when that layer is already current.
    bool switchLayer(int pageIndex);

    // After the macro editor changed macroIndex: when a key of the current profile
    // plays it, the profile's copy of the macro is renewed from the macro file (a
    // macro that no longer exists leaves an empty copy). False when no key plays it.
    bool refreshMacroCopy(const QString &macroIndex);

    // Custom light slot in use -> the key buttons' custom colours. Rewrites the
    // slot's keys from the keys of the picture (the data manager's key-button
    // list) that are not black. A slot below 0 (none in use) writes nothing.
    bool saveCustomLightColors(int slot);
    // Colours every key of the picture with the slot's stored colour, black where
    // the slot holds none.
    void loadCustomLightColors(const QByteArray &slot);

    // Both times in seconds. Refuses times the keyboard cannot take, sends them
    // (sigSendSleepTime) and waits up to kSleepAckWaitMs for
    // onSleepTimeAcknowledged; only an acknowledged pair is stored.
    bool submitSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);

public Q_SLOTS:
    void onSleepTimeAcknowledged();

Q_SIGNALS:
    void sigNotice(QString text, int place);
    // The profiles of the file changed; the current one did not.
    void sigProfileListChanged();
    // The layer file or the current profile changed: reload the profile.
    void sigCurrentProfileChanged();
    void sigResetKeyboard();
    void sigAskSleepTime();
    void sigSendSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    // Internal: ends a sleep-time wait.
    void sigSleepWaitOver();

private:
    ProfileDialogs *dialogs();
    QList<ProfileNode> nodes(const QByteArray &path) const;
    void notice(const QString &text, NoticePlace place = AtTip);
    bool makeCurrent(int index);
    bool layerFilesReady();

    QByteArray m_profilePath;
    int m_profileIndex = 1;
    int m_currentLayer = -1;
    int m_keyCount = 0;
    QString m_modelName;
    QString m_desktopPath;
    ProfileDialogs *m_dialogs = nullptr;
    std::unique_ptr<WidgetProfileDialogs> m_widgetDialogs;
    bool m_sleepAcknowledged = false;
    bool m_sleepWaiting = false;
    std::function<bool()> m_layerFileMaker;
};
