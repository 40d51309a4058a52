#include "app/dmainwidget.h"
#include "platform/logcategories.h"

#include "advancedkeys/dseniorkeyspage.h"
#include "app/ddatamanager.h"
#include "app/dsettingsdia.h"
#include "app/trayavailability.h"
#include "devicelink/deviceoperations.h"
#include "devicepage/ddevicepage.h"
#include "firmware/dupdatefirmwaredia.h"
#include "macros/dmacropage.h"
#include "platform/xdgautostart.h"
#include "ui_dmainwidget.h"
#include "widgets/accessiblecontrols.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopWidget>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QWindow>

DMainWidget *DMainWidget::s_mainWindow = nullptr;

namespace {

constexpr int kEdgeMargin = 4;
constexpr int kTitleHeight = 45;
constexpr int kDeviceListWidth = 231;
constexpr int kChangeArrival = 11;
constexpr int kChangeRemoval = 12;
constexpr int kDeviceChangeSettleMs = 300;
constexpr int kBootloaderHandOffMs = 600;
constexpr int kTrayCheckMs = 2000;
const QSize kDesignedSize(1450, 810);

// Theme names by index; any other index has no name, so picture names built from
// it have nothing between the underscore and the suffix.
QString themeNameOf(int index)
{
    static const char *const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    return (index >= 0 && index < 5) ? QString::fromLatin1(names[index]) : QString();
}

QString pictureButtonStyle(const QString &def, const QString &sel)
{
    return QStringLiteral("QPushButton{border-image:url(%1);}"
                          "QPushButton:hover{border-image:url(%2);}"
                          "QPushButton:pressed{border-image:url(%2);}")
        .arg(def, sel);
}

// First three comma-separated decimal fields of a theme colour; alpha is ignored.
QColor themeColor(const QString &text)
{
    const QStringList parts = text.split(',');
    if (parts.size() < 3)
        return QColor(0, 0, 0);
    return QColor(qBound(0, parts.at(0).trimmed().toInt(), 255), qBound(0, parts.at(1).trimmed().toInt(), 255),
                  qBound(0, parts.at(2).trimmed().toInt(), 255));
}

QSettings *openDefaultSettings(QObject *parent)
{
    auto *defaults = new QSettings(QString(DDataManager::kDefaultSettingsResource), QSettings::IniFormat, parent);
    defaults->setIniCodec("UTF-8");
    return defaults;
}

}  // namespace

DMainWidget::DMainWidget(QWidget *parent) : QWidget(parent), ui(new Ui::DMainWidget)
{
    AccessibleControls::install();
    m_productName = QStringLiteral("HID");
    m_deviceName = QStringLiteral("RGB");
    ui->setupUi(this);

    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    s_mainWindow = this;

    // The designed sizes only where the screen holds them: every title button must
    // stay reachable on a small screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QSize minimum = minimumSizeFor(available.size());
    if (available.isValid())
        minimum = minimum.boundedTo(available.size());
    setMinimumSize(minimum);
    if (available.isValid())
        setGeometry(firstGeometry(available));

    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);

    const QList<QWidget *> tracked {ui->frame_Bg, ui->frame_Title, ui->frame_Main, ui->stackedWidget_Main, this};
    for (QWidget *w : tracked)
        w->setMouseTracking(true);
    m_pressed = false;
    m_resizeEdge = NONE;
    setCursor(Qt::ArrowCursor);
    installEventFilter(this);
    ui->frame_Bg->installEventFilter(this);
    ui->frame_Title->installEventFilter(this);
    ui->frame_Main->installEventFilter(this);
    // The theme logo has no function of its own; presses on it belong to the logo
    // strip, which moves the window.
    ui->pushButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    AccessibleControls::hideFromTree(ui->pushButton);  // a picture that takes no clicks

    m_listToggle = new QPushButton(this);
    m_listToggle->setObjectName(QStringLiteral("pushButton_ListToggle"));
    m_listToggle->setFocusPolicy(Qt::NoFocus);
    setListToggleStyle(true);
    connect(m_listToggle, &QPushButton::clicked, this, &DMainWidget::onClickCtrlHidListStatusBut);

    readDefaultSettings();
    setWindowTitle(m_title);
    ui->label_AppName->setText(m_title);
    QFont appNameFont = DDataManager::getInstance()->getFont(0);
    appNameFont.setPointSize(16);
    ui->label_AppName->setFont(appNameFont);
    ui->appLogo->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1);}").arg(":/images/tavrixLogo.png"));
    setWindowIcon(QIcon(QStringLiteral(":/images/tavrixLogo.png")));
    showDeviceNames();
    retranslateTitleBar();

    m_settingsPath = DDataManager::getInstance()->getUserConfigDir() + QStringLiteral("/TavrixConfig.ini");
    m_settings = new QSettings(m_settingsPath, QSettings::IniFormat, this);
    writeFirstRunSettings();

    buildTray();
    // A keyboard that came up in its bootloader is handed to the firmware update a
    // little later; arrivals in quick succession give one hand-off.
    m_bootloaderHandOff = new QTimer(this);
    m_bootloaderHandOff->setObjectName(QStringLiteral("bootloaderHandOff"));
    m_bootloaderHandOff->setSingleShot(true);
    m_bootloaderHandOff->setInterval(kBootloaderHandOffMs);
    connect(m_bootloaderHandOff, SIGNAL(timeout()), this, SLOT(ontheHidIntoFirmwareUpgrade()));
    m_deviceSettle = new QTimer(this);
    m_deviceSettle->setObjectName(QStringLiteral("deviceSettle"));
    m_deviceSettle->setSingleShot(true);
    m_deviceSettle->setTimerType(Qt::PreciseTimer);
    m_deviceSettle->setInterval(kDeviceChangeSettleMs);
    connect(m_deviceSettle, &QTimer::timeout, this, &DMainWidget::onDeviceSettled);
    // Every way out of the event loop (the quit paths, a log-out, the end of a test's
    // loop) stops the device work before the process's objects go.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DMainWidget::shutDown);
    // A session that ends asks first: a long device operation under way makes that a
    // quit which waits for it (the window closes are refused meanwhile).
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        if (DeviceOperations::instance()->isBusy())
            quitApplication();
    });
    registerDeviceNotify();
    startMakerLibrary();
    createDevicePage();

    DDataManager::getInstance()->setMacroXmlPath(m_macroXmlPath);
    DDataManager::getInstance()->setSeniorKeyXmlPath(m_seniorKeyXmlPath);

    connect(this, SIGNAL(sigHidDeviceConnectChanging_Into(QString)), this,
            SLOT(onHidDeviceConnectChanging_Into(QString)));
    connect(this, SIGNAL(sigHidDeviceConnectChanging_Remove(QString)), this,
            SLOT(onHidDeviceConnectChanging_Remove(QString)));

    if (DDataManager::getInstance()->isDeviceListAutoHide()) {
        m_deviceListVisible = true;
        onClickCtrlHidListStatusBut();
    }

    onChangeAppTheme(m_settings->value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt());
}

DMainWidget::~DMainWidget()
{
    waitForBootloaderWorker();
    if (s_mainWindow == this)
        s_mainWindow = nullptr;
    // The tray menu hangs off the desktop widget (so that it does not take the
    // window's style sheet); it goes with the window.
    delete m_trayMenu;
    delete ui;
}

QRect DMainWidget::firstGeometry(const QRect &available)
{
    const QSize size = kDesignedSize.boundedTo(available.size());
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(available.center());
    return rect;
}

QSize DMainWidget::minimumSizeFor(const QSize &available)
{
    if (available.width() > 1920 || available.height() > 1080)
        return QSize(1450, 810);
    return QSize(1280, 715);
}

void DMainWidget::readDefaultSettings()
{
    QSettings *defaults = openDefaultSettings(nullptr);
    DDataManager::getInstance()->setUseLocalFont(
        defaults->value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
    m_title = QStringLiteral("CompanyName");
    if (defaults->contains(QStringLiteral("CompanyName/ComName")))
        m_title = defaults->value(QStringLiteral("CompanyName/ComName")).toString();
    delete defaults;
}

void DMainWidget::writeFirstRunSettings()
{
    // Each key is written only on the first run. The auto-start key says "on" only
    // when the desktop's auto-start entry could really be written.
    const QString appName = QCoreApplication::applicationName();
    const QString program = QCoreApplication::applicationFilePath();
    if (!m_settings->contains(QStringLiteral("AutoStart/isAutoStart"))) {
        const bool written = XdgAutoStart::write(appName, m_title, program);
        if (!written)
            qCWarning(lcApp) << "Auto-start entry could not be written:" << XdgAutoStart::entryPath(appName);
        m_settings->setValue(QStringLiteral("AutoStart/isAutoStart"), written);
    } else if (m_settings->value(QStringLiteral("AutoStart/isAutoStart")).toBool() && XdgAutoStart::exists(appName)
               && !XdgAutoStart::startsProgram(appName, program)) {
        // While auto start is on, the log-in starts the program running now, not
        // one started earlier from elsewhere (a build folder since removed, say).
        // An entry the user took away stays away.
        if (!XdgAutoStart::write(appName, m_title, program))
            qCWarning(lcApp) << "Auto-start entry could not be rewritten:" << XdgAutoStart::entryPath(appName);
    }
    if (!m_settings->contains(QStringLiteral("MinimizeToTray/isMinimizeToTray")))
        m_settings->setValue(QStringLiteral("MinimizeToTray/isMinimizeToTray"), true);
    if (!m_settings->contains(QStringLiteral("CloseToTray/isCloseToTray")))
        m_settings->setValue(QStringLiteral("CloseToTray/isCloseToTray"), true);
    m_settings->sync();
}

void DMainWidget::buildTray()
{
    m_trayMenu = new QMenu(QApplication::desktop());
    m_actionMinimize = new QAction(this);
    m_actionMaximize = new QAction(this);
    m_actionRevert = new QAction(this);
    m_actionQuit = new QAction(QIcon(QStringLiteral(":/images/mainpage/closeWindowSel.png")), QString(), this);
    retranslateTray();
    connect(m_actionMinimize, SIGNAL(triggered()), this, SLOT(onMinApp()));
    connect(m_actionMaximize, SIGNAL(triggered()), this, SLOT(showMaximized()));
    connect(m_actionRevert, SIGNAL(triggered()), this, SLOT(showNormal()));
    connect(m_actionQuit, SIGNAL(triggered()), this, SLOT(onQuitApp()));
    m_trayMenu->addAction(m_actionMinimize);
    m_trayMenu->addAction(m_actionMaximize);
    m_trayMenu->addAction(m_actionRevert);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_actionQuit);

    // A tray may come (a panel starts late) or go (the panel ends) at any time.
    m_trayCheck = new QTimer(this);
    m_trayCheck->setObjectName(QStringLiteral("trayCheck"));
    m_trayCheck->setInterval(kTrayCheckMs);
    connect(m_trayCheck, &QTimer::timeout, this, &DMainWidget::onTrayCheck);
    m_trayCheck->start();
    if (TrayAvailability::isAvailable())
        createTrayIcon();
}

void DMainWidget::createTrayIcon()
{
    if (m_trayIcon)
        return;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setIcon(QIcon(QStringLiteral(":/images/trayLogo.ico")));
    m_trayIcon->setToolTip(m_title);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->show();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::onTrayCheck()
{
    if (m_shutDown || m_quitting)
        return;
    if (TrayAvailability::isAvailable()) {
        createTrayIcon();
        return;
    }
    if (m_trayIcon) {
        m_trayIcon->hide();
        m_trayIcon->deleteLater();
        m_trayIcon = nullptr;
    }
    // Nothing would lead back to a window hidden to a tray that is gone.
    if (m_hiddenToTray && !isVisible()) {
        m_hiddenToTray = false;
        showNormal();
        raise();
        activateWindow();
    }
}

void DMainWidget::hideToTray()
{
    if (!TrayAvailability::isAvailable()) {
        showMinimized();
        return;
    }
    createTrayIcon();
    m_hiddenToTray = true;
    hide();
}

void DMainWidget::startHidden()
{
    if (TrayAvailability::isAvailable())
        hideToTray();
    else
        showMinimized();
}

void DMainWidget::quitApplication()
{
    m_quitting = true;
    // A firmware update or a Download under way runs to its end first (each within
    // its own bounded waits), out of sight; the quit goes on once the last one ends.
    DeviceOperations *operations = DeviceOperations::instance();
    if (operations->isBusy()) {
        hideWhileQuitting();
        if (!m_quitWaiting) {
            m_quitWaiting = true;
            qCDebug(lcApp).noquote() << "Quit waits for:" << operations->running().join(QStringLiteral(", "));
            operations->whenIdle(this, [this] {
                m_quitWaiting = false;
                // Outside the ending operation's own call.
                QTimer::singleShot(0, this, &DMainWidget::quitApplication);
            });
        }
        return;
    }
    close();
    shutDown();
    QCoreApplication::exit(0);
}

void DMainWidget::hideWhileQuitting()
{
    // The program is ending for the user: no window, no tray icon to bring one back.
    if (m_pUpdateFirmwareDia)
        m_pUpdateFirmwareDia->close();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->hide();
    }
    if (m_trayIcon)
        m_trayIcon->hide();
}

QWidget *DMainWidget::noticeNewCrashDump(const QString &dumpFolder)
{
    const QDir folder(dumpFolder);
    const QStringList dumps = folder.entryList({QStringLiteral("*.dmp")}, QDir::Files, QDir::Name);
    if (dumps.isEmpty())
        return nullptr;
    // Dump names are dates (yyyy_MM_dd_hh_mm_ss): the last by name is the newest.
    const QString newest = dumps.last();
    const QString toldKey = QStringLiteral("CrashReport/lastToldDump");
    if (m_settings->value(toldKey).toString() >= newest)
        return nullptr;
    m_settings->setValue(toldKey, newest);
    m_settings->sync();
    auto *box = new QMessageBox(QMessageBox::Warning, m_title,
                                tr("The program ended unexpectedly last time. A report was saved in %1")
                                    .arg(QDir::toNativeSeparators(folder.absoluteFilePath(newest))),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("crashNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
}

void DMainWidget::shutDown()
{
    if (m_shutDown)
        return;
    // The event loop may have been ended without the quit path (a session ending,
    // say): a long device operation still gets to its end before the devices close.
    if (DeviceOperations::instance()->isBusy()) {
        m_quitting = true;
        hideWhileQuitting();
        DeviceOperations::instance()->waitUntilIdle();
    }
    m_shutDown = true;
    if (m_trayCheck)
        m_trayCheck->stop();
    if (m_devicePage) {
        m_devicePage->stopLightEngineOnClose();
        m_devicePage->shutDownDevices();
    }
    waitForBootloaderWorker();
    if (m_trayIcon)
        m_trayIcon->hide();
}

void DMainWidget::retranslateTray()
{
    m_actionMinimize->setText(QObject::tr("Minimize(&N)"));
    m_actionMaximize->setText(QObject::tr("Maximize(&X)"));
    m_actionRevert->setText(QObject::tr("Revert(&R)"));
    m_actionQuit->setText(QObject::tr("Quit(&Q)"));
}

// The window buttons are pictures without text; tips and accessible names tell
// users and screen readers what they do.
void DMainWidget::retranslateTitleBar()
{
    const struct
    {
        QPushButton *button;
        QString text;
    } buttons[] = {
        {ui->pushButton_Setting, tr("Settings")},
        {ui->pushButton_Min, tr("Minimize")},
        {ui->pushButton_Max, tr("Maximize")},
        {ui->pushButton_Close, tr("Close")},
    };
    for (const auto &b : buttons) {
        b.button->setToolTip(b.text);
        b.button->setAccessibleName(b.text);
    }
    m_listToggle->setAccessibleName(m_deviceListVisible ? tr("Hide device list") : tr("Show device list"));
}

void DMainWidget::createDevicePage()
{
    m_devicePage = new DDevicePage(ui->page_Device);
    ui->page_Device->layout()->addWidget(m_devicePage);
    connect(m_devicePage, SIGNAL(sigShowMacroPage()), this, SLOT(onShowMacroPage()));
    connect(m_devicePage, SIGNAL(sigReturnHidLikeName(QString, QString)), this,
            SLOT(onReturnHidLikeName(QString, QString)));
    connect(m_devicePage, SIGNAL(sigHaveCheckUpgradeFirmwareNUC()), this, SLOT(onHaveCheckUpgradeFirmwareNUC()));
    connect(m_devicePage, SIGNAL(sigIntoOrRemoveHidOver()), this, SLOT(onIntoOrRemoveHidOver()));
    connect(m_devicePage, SIGNAL(sigShowSeniorKeysPage()), this, SLOT(onShowSeniorKeysPage()));
}

// ---------------------------------------------------------------------------
// Edge resize and move

DMainWidget::ResizeEdge DMainWidget::edgeAt(const QPoint &tl, const QPoint &br, const QPoint &p)
{
    const bool left = tl.x() <= p.x() && p.x() <= tl.x() + kEdgeMargin;
    const bool right = br.x() - kEdgeMargin <= p.x() && p.x() <= br.x();
    const bool top = tl.y() <= p.y() && p.y() <= tl.y() + kEdgeMargin;
    const bool bottom = br.y() - kEdgeMargin <= p.y() && p.y() <= br.y();
    if (left && top)
        return LEFTTOP;
    if (right && bottom)
        return RIGHTBOTTOM;
    if (left && bottom)
        return LEFTBOTTOM;
    if (right && top)
        return RIGHTTOP;
    if (left)
        return LEFT;
    if (right)
        return RIGHT;
    if (top)
        return UP;
    if (bottom)
        return DOWN;
    return NONE;
}

namespace {

Qt::CursorShape cursorFor(DMainWidget::ResizeEdge edge)
{
    switch (edge) {
    case DMainWidget::LEFTTOP:
    case DMainWidget::RIGHTBOTTOM: return Qt::SizeFDiagCursor;
    case DMainWidget::LEFTBOTTOM:
    case DMainWidget::RIGHTTOP: return Qt::SizeBDiagCursor;
    case DMainWidget::LEFT:
    case DMainWidget::RIGHT: return Qt::SizeHorCursor;
    case DMainWidget::UP:
    case DMainWidget::DOWN: return Qt::SizeVerCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

QRect DMainWidget::resizedRect(const QPoint &tl, const QPoint &br, const QPoint &p, ResizeEdge edge,
                               const QSize &minimum)
{
    QRect rect(tl, br);
    auto moveTop = [&] {
        if (br.y() - p.y() > minimum.height())
            rect.setTop(p.y());
    };
    auto moveLeft = [&] {
        if (br.x() - p.x() > minimum.width())
            rect.setLeft(p.x());
    };
    auto moveBottom = [&] { rect.setHeight(p.y() - tl.y()); };
    auto moveRight = [&] { rect.setWidth(p.x() - tl.x()); };
    switch (edge) {
    case UP: moveTop(); break;
    case DOWN: moveBottom(); break;
    case LEFT: moveLeft(); break;
    case RIGHT: moveRight(); break;
    case LEFTTOP:
        moveLeft();
        moveTop();
        break;
    case LEFTBOTTOM:
        moveBottom();
        moveLeft();
        break;
    case RIGHTBOTTOM:
        moveRight();
        moveBottom();
        break;
    case RIGHTTOP:
        moveRight();
        moveTop();
        break;
    case NONE: break;
    }
    return rect;
}

void DMainWidget::checkResizeEdge(int globalX, int globalY)
{
    if (m_pressed)
        return;
    const QPoint tl = mapToGlobal(rect().topLeft());
    const QPoint br = mapToGlobal(rect().bottomRight());
    setCursor(cursorFor(edgeAt(tl, br, QPoint(globalX, globalY))));
}

static Qt::Edges edgesOf(DMainWidget::ResizeEdge edge)
{
    switch (edge) {
    case DMainWidget::UP: return Qt::TopEdge;
    case DMainWidget::DOWN: return Qt::BottomEdge;
    case DMainWidget::LEFT: return Qt::LeftEdge;
    case DMainWidget::RIGHT: return Qt::RightEdge;
    case DMainWidget::LEFTTOP: return Qt::LeftEdge | Qt::TopEdge;
    case DMainWidget::LEFTBOTTOM: return Qt::LeftEdge | Qt::BottomEdge;
    case DMainWidget::RIGHTBOTTOM: return Qt::RightEdge | Qt::BottomEdge;
    case DMainWidget::RIGHTTOP: return Qt::RightEdge | Qt::TopEdge;
    default: return Qt::Edges();
    }
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_moving = false;
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        const QRect logoStrip(ui->frame_4->mapTo(this, QPoint(0, 0)), ui->frame_4->size());
        // The window system moves and resizes the window where it can: under Wayland
        // and tiling managers the window's own move() and setGeometry() do nothing.
        // Where it cannot (no such support), the window does it itself.
        const bool normal = !isMaximized() && !isFullScreen();
        QWindow *native = windowHandle();
        if (normal && native && m_resizeEdge != NONE && native->startSystemResize(edgesOf(m_resizeEdge))) {
            m_pressed = false;
            event->accept();
            return;
        }
        if (normal && native && logoStrip.contains(event->pos()) && native->startSystemMove()) {
            m_pressed = false;
            event->accept();
            return;
        }
        if (logoStrip.contains(event->pos())) {
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
            event->accept();
            m_moving = true;
        }
        return;
    }
    if (event->button() == Qt::RightButton)
        return;
    QWidget::mousePressEvent(event);
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->globalPos();
    const QPoint tl = mapToGlobal(rect().topLeft());
    const QPoint br = mapToGlobal(rect().bottomRight());
    if (!m_pressed) {
        m_resizeEdge = edgeAt(tl, br, p);
        setCursor(cursorFor(m_resizeEdge));
    } else if (m_moving || isMaximized() || isFullScreen()) {
        if (m_moving && !isMaximized() && !isFullScreen()) {
            move(p - m_dragOffset);
            event->accept();
        }
    } else if (m_resizeEdge != NONE) {
        setGeometry(resizedRect(tl, br, p, m_resizeEdge, minimumSize()));
    }
    QWidget::mouseMoveEvent(event);
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        m_moving = false;
        if (m_resizeEdge != NONE) {
            releaseMouse();
            setCursor(Qt::ArrowCursor);
            m_resizeEdge = NONE;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Main && event->type() == QEvent::Leave)
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Painting and the device-list toggle

void DMainWidget::paintEvent(QPaintEvent *event)
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    const QColor left = themeColor(theme.DeviceLeftBgColor);
    const QColor right = themeColor(theme.DeviceRightBgColor);
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The device list stands at the reading start: the right in a right-to-left language.
    const QRect list(0, kTitleHeight, kDeviceListWidth, area.height());
    const QRect rest(kDeviceListWidth, kTitleHeight, area.width(), area.height());
    painter.fillRect(QStyle::visualRect(layoutDirection(), rect(), list), m_deviceListVisible ? left : right);
    painter.fillRect(QStyle::visualRect(layoutDirection(), rect(), rest), right);
    painter.end();
    QWidget::paintEvent(event);
}

void DMainWidget::setListToggleStyle(bool listVisible)
{
    // The pictures' arrows point left to hide and right to show; mirrored with the list.
    const bool pointsLeft = listVisible != (layoutDirection() == Qt::RightToLeft);
    const QString state = pointsLeft ? QStringLiteral("Hide") : QStringLiteral("Show");
    m_listToggle->setStyleSheet(pictureButtonStyle(QStringLiteral(":/images/listCtrl%1Def.png").arg(state),
                                                   QStringLiteral(":/images/listCtrl%1Sel.png").arg(state)));
}

void DMainWidget::placeListToggle()
{
    const int x = m_deviceListVisible ? 233 : 5;
    const int y = (contentsRect().height() - 300) / 2 + 50 - 100 / 2;
    m_listToggle->setGeometry(QStyle::visualRect(layoutDirection(), rect(), QRect(x, y, 10, 100)));
    update();
}

void DMainWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        setListToggleStyle(m_deviceListVisible);
        placeListToggle();
    }
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeListToggle();
}

void DMainWidget::onClickCtrlHidListStatusBut()
{
    m_deviceListVisible = !m_deviceListVisible;
    setListToggleStyle(m_deviceListVisible);
    m_listToggle->setAccessibleName(m_deviceListVisible ? tr("Hide device list") : tr("Show device list"));
    if (m_devicePage)
        m_devicePage->setHidListVisible(m_deviceListVisible);
    placeListToggle();
}

void DMainWidget::onReturnHidLikeName(QString productName, QString likeName)
{
    m_productName = productName;
    m_deviceName = likeName;
    showDeviceNames();
    if (DDataManager::getInstance()->isDeviceListAutoHide()) {
        // Placeholder names mean no device: hide the list; a real device shows it.
        m_deviceListVisible = isPlaceholderName(productName, likeName);
        onClickCtrlHidListStatusBut();
    }
}

bool DMainWidget::isPlaceholderName(const QString &productName, const QString &likeName)
{
    return productName == QLatin1String("HID") && likeName == QLatin1String("RGB");
}

void DMainWidget::showDeviceNames()
{
    // The placeholder names only signal "no keyboard"; the page says so in words.
    const bool placeholder = isPlaceholderName(m_productName, m_deviceName);
    ui->label_ProductName->setText(placeholder ? QString() : m_productName);
    ui->label_DeviceName->setText(placeholder ? QString() : m_deviceName);
}

// ---------------------------------------------------------------------------
// Theme and language

void DMainWidget::onChangeAppTheme(int index)
{
    DDataManager *data = DDataManager::getInstance();
    QSettings *defaults = openDefaultSettings(nullptr);
    data->setUseLocalFont(defaults->value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
    delete defaults;

    const ThemeColorInfo theme = data->getThemeColorInfo();
    QFont bold = data->getFont(0);
    bold.setPointSize(16);
    ui->label_AppName->setFont(bold);
    ui->label_AppName->setStyleSheet(
        QStringLiteral("QLabel#label_AppName{color: rgb(%1);}").arg(theme.TextCheckedColor));

    const QString name = themeNameOf(index);
    ui->pushButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(:/images/mainpage/leftTopLogo_%1.png);}").arg(name));

    if (data->isBgImageUsing()) {
        const QString dir = DDataManager::getAppDirPath();
        ui->frame_Title->setStyleSheet(QStringLiteral("QFrame#frame_Title{border-image:url(%1);}")
                                           .arg(dir + QStringLiteral("/images/bgImageTitle_%1.png").arg(name)));
        ui->frame_Main->setStyleSheet(QStringLiteral("QFrame#frame_Main{border-image:url(%1);}")
                                          .arg(dir + QStringLiteral("/images/bgImageMain_%1.png").arg(name)));
    } else {
        ui->frame_Title->setStyleSheet(
            QStringLiteral("QFrame#frame_Title{ background-color: rgb(%1);}").arg(theme.MainWidgetTitleColorStart));
        ui->frame_Bg->setStyleSheet(
            QStringLiteral("QFrame#frame_Bg{border: none; border:1px solid rgb(%1);background:transparent;}")
                .arg(theme.MainWidgetBorderColor));
        ui->frame_Main->setStyleSheet(
            QStringLiteral("QFrame#frame_Main{ border: none; border-top: 3px solid rgb(%1); }")
                .arg(theme.MainWidgetBorderColor));
        ui->label_ProductName->setStyleSheet(
            QStringLiteral("QLabel#label_ProductName{color: rgb(%1);}").arg(theme.TextCheckedColor));
        ui->label_DeviceName->setStyleSheet(
            QStringLiteral("QLabel#label_DeviceName{color: rgb(%1);}").arg(theme.TextDefaultColor));
        QFont nameFont = data->getFont(0);
        nameFont.setPointSize(14);
        ui->label_ProductName->setFont(nameFont);
        ui->label_DeviceName->setFont(nameFont);
    }
    if (m_devicePage)
        m_devicePage->applyTheme();
    update();
}

void DMainWidget::onUpdateAllUI()
{
    ui->retranslateUi(this);
    setWindowTitle(m_title);
    ui->label_AppName->setText(m_title);
    showDeviceNames();
    retranslateTitleBar();
    retranslateTray();
    if (m_devicePage)
        m_devicePage->retranslateTexts();
}

// ---------------------------------------------------------------------------
// Window buttons, tray and closing

void DMainWidget::onMinApp()
{
    hideToTray();
}

void DMainWidget::on_pushButton_Min_clicked()
{
    showMinimized();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized() || isFullScreen()) {
        ui->pushButton_Max->setStyleSheet(pictureButtonStyle(QStringLiteral(":/images/mainpage/maxWindowDef.png"),
                                                             QStringLiteral(":/images/mainpage/maxWindowSel.png")));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        ui->pushButton_Max->setStyleSheet(pictureButtonStyle(QStringLiteral(":/images/mainpage/intoMaxWindowDef.png"),
                                                             QStringLiteral(":/images/mainpage/intoMaxWindowSel.png")));
        showMaximized();
    }
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

void DMainWidget::on_pushButton_Close_clicked()
{
    // Closing to the tray needs a tray now: without one the program would run on
    // with nothing on the screen that leads back to it.
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    if (settings.value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool()
        && TrayAvailability::isAvailable()) {
        hideToTray();
        return;
    }
    qCDebug(lcApp) << "The program ends normally";
    quitApplication();
}

void DMainWidget::onQuitApp()
{
    quitApplication();
}

void DMainWidget::showEvent(QShowEvent *event)
{
    m_hiddenToTray = false;
    QWidget::showEvent(event);
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    // A close the window system asks for (Alt+F4, the window menu, a task bar) ends
    // the program; only the title bar's own close button may hide it in the tray.
    // The quit runs outside this event, with the device work stopped in order.
    if (event->spontaneous() && !m_quitting) {
        event->ignore();
        QTimer::singleShot(0, this, &DMainWidget::quitApplication);
        return;
    }
    // The devices stay open while a long device operation runs: the quit waits for it.
    if (DeviceOperations::instance()->isBusy()) {
        event->ignore();
        if (!m_quitting)
            QTimer::singleShot(0, this, &DMainWidget::quitApplication);
        return;
    }
    // Devices are closed and their I/O threads joined before the process leaves its
    // event loop, so no thread still works on a device while the process ends.
    if (m_devicePage) {
        m_devicePage->stopLightEngineOnClose();
        m_devicePage->closeAllLinks();
    }
    if (m_trayIcon)
        m_trayIcon->hide();
    event->accept();
}

// ---------------------------------------------------------------------------
// Dialogs over the dimming layer

QWidget *DMainWidget::showDimmingLayer()
{
    // One layer is reused: only one dialog is open at a time.
    if (!m_dimmingLayer) {
        m_dimmingLayer = new QWidget(this, Qt::FramelessWindowHint);
        m_dimmingLayer->setObjectName(QStringLiteral("widget"));
        m_dimmingLayer->setAttribute(Qt::WA_StyledBackground);
        m_dimmingLayer->setStyleSheet(
            QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    }
    m_dimmingLayer->setGeometry(rect());
    m_dimmingLayer->raise();
    m_dimmingLayer->show();
    return m_dimmingLayer;
}

void DMainWidget::centreOverWindow(QWidget *dialog)
{
    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    showDimmingLayer();
    auto *dialog = new DSettingsDia(this);
    connect(dialog, SIGNAL(sigSettingsWindowClose()), this, SLOT(onSettingsWindowClose()));
    connect(dialog, SIGNAL(sigUpdateAllUI()), this, SLOT(onUpdateAllUI()));
    connect(dialog, SIGNAL(sigUpdateApp()), this, SLOT(onUpdateApp()));
    connect(dialog, SIGNAL(sigChangeAppTheme(int)), this, SLOT(onChangeAppTheme(int)));
    connect(dialog, SIGNAL(sigFirmwareUpgradeCheck()), this, SLOT(onFirmwareUpgradeCheck()));
    centreOverWindow(dialog);
}

void DMainWidget::onShowMacroPage()
{
    showDimmingLayer();
    auto *dialog = new DMacroPage(this);
    connect(dialog, SIGNAL(sigMacroPageClose()), this, SLOT(onMacroPageClose()));
    connect(dialog, SIGNAL(sigMacroListHaveChanged(QString, QString)), m_devicePage,
            SIGNAL(sigMacroListHaveChangedSendToDevice(QString, QString)));
    dialog->setMacroXmlPath(m_macroXmlPath);
    centreOverWindow(dialog);
}

void DMainWidget::onShowSeniorKeysPage()
{
    showDimmingLayer();
    auto *dialog = new DSeniorKeysPage(this);
    connect(dialog, SIGNAL(sigSeniorKeysPageClose()), this, SLOT(onSeniorKeysPageClose()));
    centreOverWindow(dialog);
}

void DMainWidget::onSettingsWindowClose()
{
    if (m_dimmingLayer)
        m_dimmingLayer->hide();
}

void DMainWidget::onMacroPageClose()
{
    if (m_dimmingLayer)
        m_dimmingLayer->hide();
}

void DMainWidget::onSeniorKeysPageClose()
{
    if (m_dimmingLayer)
        m_dimmingLayer->hide();
}

void DMainWidget::onUpdateApp()
{ }

// ---------------------------------------------------------------------------
// Device-change notices

void DMainWidget::handleDeviceChange(const QString &path, bool arrival)
{
    if (DeviceChangeFilter::firstMatch(m_supportedDevices, path) >= 0) {
        // Give the system time to finish setting the device up before it is
        // enumerated. One plug brings several notices (the USB device and each of
        // its HID interfaces): the wait starts with the first and is not restarted,
        // so they all end in one enumeration, and the window never stops for it.
        m_settlePath = path;
        m_settleSawRemoval = m_settleSawRemoval || !arrival;
        if (!m_deviceSettle->isActive())
            m_deviceSettle->start();
    }
    if (arrival && DeviceChangeFilter::firstMatch(m_bootloaders, path) >= 0)
        m_bootloaderHandOff->start();
}

void DMainWidget::onDeviceSettled()
{
    // Removals first: a keyboard unplugged and plugged again within the wait is
    // then taken off the page before it is opened anew.
    const QString path = m_settlePath;
    const bool removal = m_settleSawRemoval;
    m_settlePath.clear();
    m_settleSawRemoval = false;
    if (removal)
        Q_EMIT sigHidDeviceConnectChanging_Remove(path);
    else
        Q_EMIT sigHidDeviceConnectChanging_Into(path);
}

void DMainWidget::onDeviceArrived(const QString &path)
{
    handleDeviceChange(path, true);
}

void DMainWidget::onDeviceRemoved(const QString &path)
{
    handleDeviceChange(path, false);
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString)
{
    if (m_devicePage)
        m_devicePage->hidDeviceConnectChanging(kChangeArrival, QStringLiteral("hidPath"));
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString)
{
    if (m_devicePage)
        m_devicePage->hidDeviceConnectChanging(kChangeRemoval, QStringLiteral("hidPath"));
}

void DMainWidget::onIntoOrRemoveHidOver()
{ }
