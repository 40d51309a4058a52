#include "app/dappllication.h"

#include "app/ddatamanager.h"
#include "app/dloginwidget.h"
#include "app/dmainwidget.h"
#include "app/qtlinguist.h"
#include "platform/crashdump.h"
#include "platform/quitsignals.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSettings>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>

namespace {

constexpr int kConnectTimeoutMs = 500;
constexpr int kWriteTimeoutMs = 30000;
constexpr int kReadTimeoutMs = 1000;

}  // namespace

DAppllication::DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                             QSharedMemory *instanceSegment)
    : QApplication(argc, argv), m_instanceSegment(instanceSegment)
{
    Q_UNUSED(appId);
    std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    CrashDump::setDumpFolder(
        (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dump")).toLocal8Bit());

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));

    m_serverName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();

    // A running instance answers on the channel: hand it our argument and build
    // nothing. When the segment is held but nobody answers, the holder died without
    // freeing it; take it over and start normally, unless it is still in use.
    if (sendToRunningInstance()) {
        m_running = true;
        return;
    }
    if (alreadyRunning && !takeOverStaleSegment()) {
        qDebug() << "Instance key held by a process that does not answer; not starting";
        m_running = true;
        return;
    }

    settingsAndLanguageStep();
    listenForLaterStarts();

    // A log-out or Ctrl+C ends the program like a close requested by the system.
    // Caught before the window exists, so a signal that comes as soon as the window
    // shows is handled once the event loop runs rather than killing the process.
    auto *quitSignals = new QuitSignals(this);
    connect(quitSignals, &QuitSignals::sigQuitRequested, this, &DAppllication::onQuitRequested);

    loginStep();
}

DAppllication::~DAppllication()
{
    // Reached when the event loop returns (a system-requested close). The main
    // window stays to the end of the process; the hidden login form goes here.
    delete m_loginWidget;
}

DAppllication *DAppllication::instance()
{
    return qobject_cast<DAppllication *>(QCoreApplication::instance());
}

QtLinguist *DAppllication::linguist()
{
    if (!m_linguist) {
        m_linguist = new QtLinguist();
        m_linguist->setParent(this);  // goes with the application
    }
    return m_linguist;
}

bool DAppllication::setLanguage(int index)
{
    return linguist()->loadLanguage(index);
}

bool DAppllication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint p = static_cast<QMouseEvent *>(event)->globalPos();
        m_mainWidget->checkResizeEdge(p.x(), p.y());
    }
    return QApplication::notify(receiver, event);
}

void DAppllication::settingsAndLanguageStep()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
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

bool DAppllication::sendToRunningInstance()
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

bool DAppllication::takeOverStaleSegment()
{
    if (!m_instanceSegment)
        return false;
    // Attaching and detaching frees the segment when no live process is attached;
    // a segment still in use stays and the create below fails.
    if (m_instanceSegment->attach())
        m_instanceSegment->detach();
    if (!m_instanceSegment->create(1, QSharedMemory::ReadWrite)) {
        if (m_instanceSegment->error() == QSharedMemory::AlreadyExists)
            return false;
        // The key itself cannot be used here (no shared memory for this user); the
        // channel, which nobody answered, is then the only guard.
        qDebug() << "Instance key unusable:" << m_instanceSegment->errorString();
        return true;
    }
    qDebug() << "Took over the instance key left by an instance that ended without freeing it";
    return true;
}

void DAppllication::listenForLaterStarts()
{
    m_localServer = new QLocalServer(this);
    connect(m_localServer, SIGNAL(newConnection()), this, SLOT(newLocalConnection()));
    if (!m_localServer->listen(m_serverName) && m_localServer->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(m_serverName);
        m_localServer->listen(m_serverName);
    }
}

void DAppllication::loginStep()
{
    m_loginWidget = new DLoginWidget();
    m_activationWindow = m_loginWidget;
    connect(m_loginWidget, SIGNAL(sigLoginFinished(bool)), this, SLOT(onLoginFinished(bool)), Qt::DirectConnection);
    m_loginWidget->on_pushButton_Login_clicked();
}

void DAppllication::onLoginFinished(bool ok)
{
    if (!ok)
        return;
    auto *effect = new QGraphicsOpacityEffect(m_loginWidget);
    m_loginWidget->setGraphicsEffect(effect);
    auto *fade = new QPropertyAnimation(effect, "opacity");
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
}

void DAppllication::onQuitRequested()
{
    if (m_mainWidget)
        m_mainWidget->onQuitApp();
    else
        QCoreApplication::exit(0);
}

void DAppllication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer ? m_localServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    // What the later start sends is not used; it only asks for the window.
    socket->waitForReadyRead(kReadTimeoutMs);
    delete socket;
    if (!m_activationWindow)
        return;
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
    m_activationWindow->setWindowState((m_activationWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_activationWindow->show();
}
