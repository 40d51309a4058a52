#include "app/dapplication.h"
#include "platform/logcategories.h"

#include "app/appversion.h"
#include "app/ddatamanager.h"
#include "app/dloginwidget.h"
#include "app/dmainwidget.h"
#include "app/qtlinguist.h"
#include "platform/crashdump.h"
#include "platform/quitsignals.h"
#include "sdk/xmlstore/savefile.h"
#include "widgets/mirrorsafestyle.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr int kConnectTimeoutMs = 500;
constexpr int kWriteTimeoutMs = 30000;
constexpr int kReadTimeoutMs = 1000;

// How long a later start's connection may stay silent before it is dropped. Tests that
// keep silent peers connected on purpose set a longer time in TAVRIX_TEST_PEER_TIMEOUT_MS,
// so that their check does not depend on how fast the machine starts the program; a
// program built without its test switches (the package) reads no such variable.
int peerReadTimeoutMs()
{
#ifdef TAVRIX_TEST_SWITCHES
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TAVRIX_TEST_PEER_TIMEOUT_MS", &ok);
    return ok && ms > 0 ? ms : kReadTimeoutMs;
#else
    return kReadTimeoutMs;
#endif
}

}  // namespace

DApplication::DApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    const QByteArray dumpFolder
        = (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dump")).toLocal8Bit();
    CrashDump::setDumpFolder(dumpFolder);
    // Dumps hold memory of the program, texts the user typed among it. The folder
    // is made private when a dump is written; one an earlier version made is closed now.
    xmlstore::restrictToOwner(dumpFolder);

    setInterfaceFont();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));

    const QString folder = instanceFolder();
    const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    m_serverName = folder + QLatin1Char('/') + baseName;

    // The lock is held for the whole run. A lock whose holder has died is stale and
    // taken over whatever its age; one held by a live instance means: hand that
    // instance our argument (it brings its window to the front) and build nothing.
    m_instanceLock.reset(new QLockFile(folder + QLatin1Char('/') + baseName + QStringLiteral(".lock")));
    m_instanceLock->setStaleLockTime(0);
    if (!m_instanceLock->tryLock(0)) {
        const bool held = m_instanceLock->error() == QLockFile::LockFailedError;
        if (sendToRunningInstance() || held) {
            if (held)
                qCDebug(lcApp) << "Another instance of this user is running";
            m_running = true;
            return;
        }
        // The lock cannot be made here at all; the channel, which nobody
        // answered, is then the only guard.
        qCWarning(lcApp) << "Instance lock unusable in" << folder;
    }

    setStyle(new MirrorSafeStyle);  // owned by the application
    settingsAndLanguageStep();
    listenForLaterStarts();

    // A log-out or Ctrl+C ends the program like a close requested by the system.
    // Caught before the window exists, so a signal that comes as soon as the window
    // shows is handled once the event loop runs rather than killing the process.
    auto *quitSignals = new QuitSignals(this);
    connect(quitSignals, &QuitSignals::sigQuitRequested, this, &DApplication::onQuitRequested);

    loginStep();
}

void DApplication::setInterfaceFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

DApplication::~DApplication()
{
    // Reached when the event loop returns (a system-requested close). The main
    // window stays to the end of the process; the hidden login form goes here.
    delete m_loginWidget;
}

DApplication *DApplication::instance()
{
    return qobject_cast<DApplication *>(QCoreApplication::instance());
}

QtLinguist *DApplication::linguist()
{
    if (!m_linguist) {
        m_linguist = new QtLinguist();
        m_linguist->setParent(this);  // goes with the application
    }
    return m_linguist;
}

bool DApplication::setLanguage(int index)
{
    return linguist()->loadLanguage(index);
}

bool DApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint p = static_cast<QMouseEvent *>(event)->globalPos();
        m_mainWidget->checkResizeEdge(p.x(), p.y());
    }
    return QApplication::notify(receiver, event);
}

void DApplication::settingsAndLanguageStep()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(AppVersion::number());
    // The program ends only on its quit paths (Close without a tray, the tray's Quit,
    // a log-out), never because the last visible window, such as a dialog shown
    // while the main window is in the tray, was closed.
    setQuitOnLastWindowClosed(false);

    DDataManager *data = DDataManager::getInstance();
    DDataManager::logAppRunning();

    int index = linguist()->systemLanguage();
    const QString settingsPath = data->getSettingsFilePath();
    auto *settings = new QSettings(settingsPath, QSettings::IniFormat, this);  // kept for the process's life
    if (QFileInfo(data->getUserConfigDir()).isDir()) {
        const int stored = settings->value(QStringLiteral("Language/selectLanguageIndex"), -1).toInt();
        if (stored != -1)
            index = stored;
    }
    linguist()->loadLanguage(index);
    settings->setValue(QStringLiteral("Language/selectLanguageIndex"), index);
    settings->sync();

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

bool DApplication::sendToRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    const QStringList args = QCoreApplication::arguments();
    QTextStream stream(&socket);
    stream << (args.size() >= 2 ? args.last() : QString());
    stream.flush();
    if (socket.bytesToWrite() > 0)
        socket.waitForBytesWritten(kWriteTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

QString DApplication::instanceFolder()
{
    // The runtime location is XDG_RUNTIME_DIR, or a runtime-USER folder in the
    // temporary folder; it is empty when that folder is not the user's own.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/quorin-driver-run");
        QDir().mkpath(folder);
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    }
    return folder;
}

void DApplication::listenForLaterStarts()
{
    m_localServer = new QLocalServer(this);
    m_localServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_localServer, SIGNAL(newConnection()), this, SLOT(newLocalConnection()));
    // A socket file left by a dead instance is in the way; it is ours (the folder
    // is private and we hold the lock), so it goes.
    if (!m_localServer->listen(m_serverName) && m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        m_localServer->listen(m_serverName);
    }
}

void DApplication::loginStep()
{
    m_loginWidget = new DLoginWidget();
    m_activationWindow = m_loginWidget;
    connect(m_loginWidget, SIGNAL(sigLoginFinished(bool)), this, SLOT(onLoginFinished(bool)), Qt::DirectConnection);
    m_loginWidget->on_pushButton_Login_clicked();
}

void DApplication::onLoginFinished(bool ok)
{
    if (!ok)
        return;
    auto *effect = new QGraphicsOpacityEffect(m_loginWidget);
    m_loginWidget->setGraphicsEffect(effect);
    // Owned by the effect as well: a quit before the fade ends frees it.
    auto *fade = new QPropertyAnimation(effect, "opacity", effect);
    fade->setDuration(100);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    fade->setEasingCurve(QEasingCurve::OutBack);
    connect(fade, &QPropertyAnimation::finished, m_loginWidget, &QWidget::hide);
    fade->start(QAbstractAnimation::DeleteWhenStopped);

    m_mainWidget = new DMainWidget();
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    m_activationWindow = m_mainWidget;

    const QSettings settings(DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/TavrixConfig.ini"),
                             QSettings::IniFormat);
    const bool autoStart = settings.value(QStringLiteral("AutoStart/isAutoStart"), false).toBool();
    if (autoStart && QCoreApplication::arguments().join(' ').contains(QLatin1String("AutoUp")))
        m_mainWidget->startHidden();
    m_mainWidget->noticeNewCrashDump(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                     + QStringLiteral("/dump"));
}

void DApplication::onQuitRequested()
{
    if (m_mainWidget)
        m_mainWidget->onQuitApp();
    else
        QCoreApplication::exit(0);
}

void DApplication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer ? m_localServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    // What the later start sends is not used; it only asks for the window. The
    // socket is dropped without waiting, so a slow or silent peer never holds up
    // the GUI thread.
    connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(peerReadTimeoutMs(), socket, &QObject::deleteLater);
    // A quit that waits for a device operation keeps its window hidden.
    if (!m_activationWindow || (m_mainWidget && m_mainWidget->isQuitting()))
        return;
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
    m_activationWindow->setWindowState((m_activationWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_activationWindow->show();
}
