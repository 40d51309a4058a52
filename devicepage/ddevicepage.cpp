#include "devicepage/ddevicepage.h"
#include "devicepage/linkreadywait.h"
#include "platform/logcategories.h"
#include "widgets/dialogstartfolder.h"

#include "app/ddatamanager.h"
#include "devicelink/magneticreport.h"
#include "devicelink/mainhidinterface.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/dperformancepage.h"
#include "keyboardview/dragshowarea.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "magnetic/dtriggersettingpage.h"
#include "ui_ddevicepage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/dtooltipexplain.h"
#include "widgets/elidedcombo.h"
#include "widgets/readablecolour.h"
#include "widgets/themedcombobox.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QEvent>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCodec>
#include <QTimer>
#include <QUrl>

namespace {

const char *const kDefaultCompanyLink = "https://www.quorin.example";
const char *const kInitialLinkColor = "255,143,31";
const char *const kAppFontFamily = "Microsoft YaHei";
constexpr int kNameFieldMargin = 8;  // the field's corner radius

// Main tab ids of the button group; there is no tab 3 (the macro editor is a dialog).
enum MainTab
{
    TabCustomKeys = 0,
    TabLights = 1,
    TabPerformance = 2,
    TabMacro = 3,
    TabTrigger = 4
};

QColor rgbFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor();
    return QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt());
}

QFont sized(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

}  // namespace

DDevicePage::DDevicePage(QWidget *parent) : QWidget(parent), ui(new Ui::DDevicePage)
{
    AccessibleControls::install();
    ui->setupUi(this);
    // Long profile names: cut at a whole letter, shown whole as the tip; the name
    // field keeps its text clear of its rounded border.
    ElidedCombo::follow(ui->comboBox_profileList);
    ui->lineEdit_profileName->setTextMargins(kNameFieldMargin, 0, kNameFieldMargin, 0);
    ui->pushButton_Test->hide();
    ui->pushButton_ChangeModeTest->hide();
    ui->label_ChangeModeTest->hide();
    ui->label_Multiple->hide();
    deviceListLayout = ui->verticalLayout_17;

    desktopPath = dialogStartFolder();
    ui->label->setText(tr("Device List"));
    ui->label_Tip->setText(tr("Device not connected"));

    QSettings defaults(QString::fromLatin1(DDataManager::kDefaultSettingsResource), QSettings::IniFormat);
    defaults.setIniCodec(QTextCodec::codecForName("UTF-8"));
    companyLink = QString::fromLatin1(kDefaultCompanyLink);
    if (defaults.contains(QStringLiteral("CompanyLink/ComLink")))
        companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink")).toString();
    buildCompanyLink(QString::fromLatin1(kInitialLinkColor));
    const QString frameKey = QStringLiteral("MainPageCompanyLinkFrame/showStatus");
    ui->frame_Url->setVisible(defaults.contains(frameKey) && defaults.value(frameKey).toBool());
    connect(ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLinkActivated, Qt::DirectConnection);

    ui->label_ElectricityNum->setValue(60);
    notice = new CbNotice(this);
    notice->setTextPixelSize(14);
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    lightEngine = new lightDealMain;
    connect(lightEngine, &lightDealMain::sigSomeMessageTip, this, &DDevicePage::onEveryPageBackTip);
    initSubPages();
    initProfileController();
    initOnboardDownload();

    for (QWidget *button :
         {static_cast<QWidget *>(ui->toolButton_CustomKey), static_cast<QWidget *>(ui->toolButton_LightConfig),
          static_cast<QWidget *>(ui->toolButton_MacroDialog), static_cast<QWidget *>(ui->toolButton_Performance),
          static_cast<QWidget *>(ui->toolButton_TriggerSetting), static_cast<QWidget *>(ui->toolButton_SeniorKey)})
        button->installEventFilter(this);
    // Return in the profile name saves it, Escape leaves it unchanged.
    ui->lineEdit_profileName->installEventFilter(this);

    auto *tabs = new QButtonGroup(this);
    tabs->addButton(ui->toolButton_CustomKey, TabCustomKeys);
    tabs->addButton(ui->toolButton_LightConfig, TabLights);
    tabs->addButton(ui->toolButton_Performance, TabPerformance);
    tabs->addButton(ui->toolButton_TriggerSetting, TabTrigger);
    ui->toolButton_CustomKey->setChecked(true);
    connect(tabs, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedMainPage);
    nameTabButtons();

    ui->label_Charging->hide();
    chargeAnimationValue = 0;
    batteryTimer = new QTimer(this);
    batteryTimer->setObjectName(QStringLiteral("batteryAnimation"));
    batteryTimer->setInterval(50);
    connect(batteryTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    DDataManager *dm = DDataManager::getInstance();
    connect(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum, this,
            &DDevicePage::onQueryDynamicDisplaySensitivityNum);
    connect(dm, &DDataManager::sigTheMagneticKeyboardCalibrationPoint, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationPoint);
    connect(dm, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationStatusBack);

    serialPollTimer = new QTimer(this);
    serialPollTimer->setInterval(200);
    connect(serialPollTimer, &QTimer::timeout, this, &DDevicePage::onSerialPollTick);
    openRetryTimer = new QTimer(this);
    openRetryTimer->setInterval(1000);
    connect(openRetryTimer, &QTimer::timeout, this, &DDevicePage::onOpenRetryTick);

    // The enumeration runs once the main window is shown.
    QTimer::singleShot(kEnumerateDelayMs, this, &DDevicePage::onLoadDeviceList);
}

DDevicePage::~DDevicePage()
{
    // Waits for keyboards end unrun: their work would meet a page half gone.
    qDeleteAll(findChildren<LinkReadyWait *>(QString(), Qt::FindDirectChildrenOnly));
    // The engine streams to a link of this page: it ends its synchronisation first, so the
    // closing links still write the keyboard's "sync off", and goes with the page.
    stopLightEngine();
    // The links' I/O threads read the library's handle table; stop them before the
    // links (our children) and, at process exit, the table go away.
    closeAllLinks();
    delete lightEngine;
    lightEngine = nullptr;
    delete ui;
}

void DDevicePage::nameTabButtons()
{
    // The tab buttons show pictures only; their names are those of the tab tips.
    ui->toolButton_CustomKey->setAccessibleName(tr("Key Custom"));
    ui->toolButton_LightConfig->setAccessibleName(tr("Light Setting"));
    ui->toolButton_MacroDialog->setAccessibleName(tr("Macro"));
    ui->toolButton_Performance->setAccessibleName(tr("Performance"));
    ui->toolButton_TriggerSetting->setAccessibleName(tr("Trigger Setting"));
    ui->toolButton_SeniorKey->setAccessibleName(tr("Senior Keys"));
    ui->pushButton_MoreSmall->setAccessibleName(QObject::tr("Zoom out"));
    ui->pushButton_MoreBig->setAccessibleName(QObject::tr("Zoom in"));
    ui->pushButton_ProfileOperate->setAccessibleName(QObject::tr("Profile menu"));
    ui->pushButton_Save->setAccessibleName(QObject::tr("Save"));
    ui->pushButton_Cancel->setAccessibleName(QObject::tr("Cancel"));
}

void DDevicePage::initSubPages()
{
    customKeysPage = new DCustomKeysPage(ui->page_CustomKeys);
    ui->page_CustomKeys->layout()->addWidget(customKeysPage);
    connect(customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this,
            &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this, &DDevicePage::onEveryPageBackTip);
    connect(customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this,
            &DDevicePage::onTheKeyboardIntoDownloading);
    connect(customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this, &DDevicePage::onAutoIntoCustomKeysPage);
    connect(customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this, &DDevicePage::onInteractLightsPointXY);

    lightsConfigPage = new DLightsConfigPage(ui->page_LightsConfig);
    ui->page_LightsConfig->layout()->addWidget(lightsConfigPage);
    connect(lightsConfigPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged, this,
            &DDevicePage::onLightConfigHaveChanged);
    connect(lightsConfigPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            &DDevicePage::onCustomLightItemHaveChanged);
    connect(lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
            &DDevicePage::onLightConfigHaveChanged_Custom);

    performancePage = new DPerformancePage(ui->page_Performance);
    ui->page_Performance->layout()->addWidget(performancePage);
    connect(performancePage, &DPerformancePage::sigRestoreCurrentProfile, this, &DDevicePage::onRestoreCurrentProfile);
    connect(performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this,
            &DDevicePage::onLightAndKeyboardSleepTime);
    connect(performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);
    connect(performancePage, &DPerformancePage::sigSomeMessageTip_PerformancePage, this,
            &DDevicePage::onEveryPageBackTip);

    triggerSettingPage = new DTriggerSettingPage(ui->page_TriggerSetting);
    ui->page_TriggerSetting->layout()->addWidget(triggerSettingPage);
    connect(triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this,
            &DDevicePage::onMagnetsKeysApplyConfig);
    connect(triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this,
            &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(triggerSettingPage, &DTriggerSettingPage::sigCalibrationMode, this, &DDevicePage::onCalibrationMode);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyCalibrationStartRunning, this,
            &DDevicePage::onKeyCalibrationStartRunning);
}

void DDevicePage::buildCompanyLink(const QString &linkColor)
{
    // The link element is left open, as the label's rich text has always had it.
    const QString text = QStringLiteral("<span style=\"font-family:%3; font-size:12pt; color:#ff6666;\"></span>"
                                        "<a href=\"Company|%1|\"><span style=\"font-size:10pt; "
                                        "text-decoration: underline; color:rgb(%2);\">%1</span>")
                             .arg(companyLink.toHtmlEscaped(), linkColor, QString::fromLatin1(kAppFontFamily));
    ui->label_Url->setText(text);
    ui->label_Url->setAlignment(Qt::AlignCenter);
}

hidDeviceJoinFrame *DDevicePage::keyboardPicture() const
{
    return keyboardView;
}

ArrowWidget *DDevicePage::lastArrowPopup() const
{
    return arrowPopup;
}

QPoint DDevicePage::tipPosition() const
{
    return QPoint(rect().center().x(), 40);
}

void DDevicePage::clearDeviceListLayout()
{
    if (!deviceListLayout)
        return;
    const int removals = deviceListLayout->count() - 1;
    for (int i = 0; i < removals; ++i) {
        QLayoutItem *item = deviceListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete item;
    }
}

QList<DDeviceListItem *> DDevicePage::deviceCardsInOrder() const
{
    QList<DDeviceListItem *> cards;
    for (int i = 0; deviceListLayout && i < deviceListLayout->count(); ++i) {
        if (auto *card = qobject_cast<DDeviceListItem *>(deviceListLayout->itemAt(i)->widget()))
            cards.append(card);
    }
    return cards;
}

// ---------------------------------------------------------------------------
// Main tabs

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    if (currentMainTab == TabTrigger && selIndex != TabTrigger && currentHid) {
        MagneticReport::send(currentHid, MagneticReport::leaveTriggerTab());
    }
    currentKeyboardLightMode = -1;
    currentMainTab = selIndex;

    keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame();
    if (keyLayer)
        keyLayer->setKeysTriggerView(false);
    calibrationPointX = -1;
    calibrationPointY = -1;

    if (keyboardView && dragArea) {
        if (selIndex == TabLights) {
            keyboardView->lower();
            dragArea->raise();
            dragArea->show();
            keyboardView->clearSelection(true);
            if (keyLayer)
                keyLayer->setSideLightsVisible(true);
        } else {
            dragArea->lower();
            keyboardView->raise();
            keyboardView->show();
            keyboardView->clearSelection(false);
            if (keyLayer) {
                keyLayer->setSideLightsVisible(false);
                keyLayer->setKeysShowSelected(true);
            }
        }
        if (selIndex == TabTrigger) {
            keyboardView->lower();
            dragArea->raise();
            dragArea->show();
            keyboardView->clearSelection(true);
            if (keyLayer) {
                keyLayer->setSideLightsVisible(false);
                keyLayer->setKeysShowSelected(true);
            }
            dragArea->setDragEnabled(true);
            for (keyboardButCustom *key : DDataManager::getInstance()->getKeyButtonList()) {
                key->setShowKeyColor(false);
                key->setKeyColor(QColor(0, 0, 0, 0));
            }
        }
    }
    triggerSettingPage->leaveCalibrationMode();

    switch (selIndex) {
    case TabCustomKeys:
        ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
        customKeysPage->resetPage(currentLayer);
        ui->label_ChangeModeTest->setText(QStringLiteral("Keyboard"));
        break;
    case TabLights:
        ui->stackedWidget->setCurrentWidget(ui->page_LightsConfig);
        lightsConfigPage->reloadKeyboardLight();
        ui->label_ChangeModeTest->setText(QStringLiteral("Light"));
        break;
    case TabPerformance:
        ui->stackedWidget->setCurrentWidget(ui->page_Performance);
        performancePage->reloadSettings();
        ui->label_ChangeModeTest->setText(QStringLiteral("Keyboard"));
        break;
    case TabMacro: Q_EMIT sigShowMacroPage(); break;
    case TabTrigger:
        ui->stackedWidget->setCurrentWidget(ui->page_TriggerSetting);
        triggerSettingPage->reloadSettings();
        ui->label_ChangeModeTest->setText(QStringLiteral("Trigger"));
        break;
    default: break;
    }
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    // The macro recorder takes the keyboard hook over from the key-assignment tab.
    customKeysPage->setInteractiveLightCapture(false, 0);
    Q_EMIT sigShowMacroPage();
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    Q_EMIT sigShowSeniorKeysPage();
}

void DDevicePage::on_pushButton_Test_clicked()
{
    if (keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame())
        qCDebug(lcDevice) << "key layer at" << keyLayer->pos();
}

void DDevicePage::on_pushButton_ChangeModeTest_clicked()
{
    testLightView = !testLightView;
    if (!keyboardView || !dragArea)
        return;
    if (testLightView) {
        dragArea->raise();
        dragArea->show();
        keyboardView->clearSelection(true);
        ui->label_ChangeModeTest->setText(QStringLiteral("Light"));
    } else {
        keyboardView->raise();
        keyboardView->show();
        keyboardView->clearSelection(false);
        ui->label_ChangeModeTest->setText(QStringLiteral("Keyboard"));
    }
}

void DDevicePage::onLinkActivated(QString)
{
    QDesktopServices::openUrl(QUrl(companyLink, QUrl::TolerantMode));
}

// ---------------------------------------------------------------------------
// Zoom: the limits are tested on the label's text, so the float sums never drift
// past 1.0 or 2.0.

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    if (ui->label_Multiple->text() == QLatin1String("2.0"))
        return;
    zoomFactor += 0.1f;
    ui->label_Multiple->setText(QString::number(double(zoomFactor), 'f', 1));
    if (keyboardView)
        keyboardView->setZoomFactor(zoomFactor, true);
}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    if (ui->label_Multiple->text() == QLatin1String("1.0"))
        return;
    zoomFactor -= 0.1f;
    ui->label_Multiple->setText(QString::number(double(zoomFactor), 'f', 1));
    if (keyboardView)
        keyboardView->setZoomFactor(zoomFactor, true);
}

// ---------------------------------------------------------------------------
// Language and theme

void DDevicePage::retranslateTexts()
{
    ui->retranslateUi(this);
    buildCompanyLink(DDataManager::getInstance()->getThemeColorInfo().TextCheckedColor);
    ui->label->setText(tr("Device List"));
    nameTabButtons();
    if (!deniedPath.isEmpty())
        ui->label_Tip->setText(openDeniedText());
    else if (waitingForSerial)
        ui->label_Tip->setText(tr("The device is not ready"));
    else
        ui->label_Tip->setText(tr("Device not connected"));
    if (currentCard) {
        customKeysPage->retranslateTexts();
        lightsConfigPage->retranslateTexts();
        performancePage->retranslateTexts();
        triggerSettingPage->retranslateTexts();
    }
}

void DDevicePage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const QFont bold = dm->getFont(0);
    const QFont normal = dm->getFont(1);
    const ThemeColorInfo theme = dm->getThemeColorInfo();

    buildCompanyLink(theme.TextCheckedColor);
    notice->setBackgroundColor(rgbFromText(theme.AllBgColor));
    notice->setTextColor(rgbFromText(theme.TextCheckedColor));
    QFont noticeFont(theme.TextFont);
    noticeFont.setPixelSize(14);
    notice->setTextFont(noticeFont);
    if (dragArea) {
        const QColor c = rgbFromText(theme.TextCheckedColor);
        dragArea->setColor(c.red(), c.green(), c.blue());
    }
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{background-color: rgb(%1);}").arg(theme.DeviceLeftBgColor));
    ui->label->setStyleSheet(QStringLiteral("QLabel#label{color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label->setFont(sized(normal, 12));
    ui->frame_Url->setStyleSheet(QStringLiteral("QFrame#frame_Url{border: none; border-top: 3px solid rgb(%1); "
                                                "background-color: rgb(%2);}")
                                     .arg(theme.DeviceBorderColor, theme.DeviceLeftBgColor));
    ui->label_Url->setStyleSheet(QStringLiteral("QLabel#label_Url{color: rgb(%1);}").arg(theme.TextCheckedColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}").arg(theme.DeviceLeftBgColor));
    scrollBarStyle = QStringLiteral("QScrollBar:vertical{width: 4px; background: transparent; margin-top: 3px; "
                                    "margin-bottom: 3px;}"
                                    "QScrollBar::handle:vertical{background: rgb(%1); min-height: 20px; "
                                    "border-radius: 2px;}"
                                    "QScrollBar::handle:vertical:hover{background: rgb(%2);}"
                                    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: "
                                    "rgb(%3); border-radius: 3px;}"
                                    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}")
                         .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    for (DDeviceListItem *card : deviceCards)
        card->applyTheme();
    ui->frame_Right->setStyleSheet(
        QStringLiteral("QFrame#frame_Right{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
    const QColor profileText = ReadableColour::on(ArrowWidget::colorFromThemeText(theme.DeviceRightBgColor),
                                                  ArrowWidget::colorFromThemeText(theme.TextDefaultColor));
    ThemedComboBox::apply(
        ui->comboBox_profileList,
        QStringLiteral("QComboBox#comboBox_profileList{background-color: rgb(%1); border: 1px solid rgb(%2); "
                       "color: rgb(%3); font: bold 10pt \"%4\"; border-radius: 4px; padding-left: 5px;}"
                       "QComboBox#comboBox_profileList:hover{border: 1px solid rgb(%5);}"
                       "QComboBox#comboBox_profileList::drop-down{background: transparent; width: 20px; border: none;}"
                       "QComboBox#comboBox_profileList::down-arrow{width: 10px; height: 10px; "
                       "image: url(:/images/publicIco/comboBoxDef.png);}"
                       "QComboBox#comboBox_profileList::down-arrow:on{image: url(:/images/publicIco/comboBoxSel.png);}")
                .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, ReadableColour::sheetText(profileText),
                     theme.TextFont, theme.TextCheckedColor)
            + ThemedComboBox::listSheet(theme, theme.DeviceRightBgColor,
                                        QStringLiteral("QComboBox#comboBox_profileList")));
    ui->label_Tip->setStyleSheet(QStringLiteral("QLabel#label_Tip{color: rgb(%1);}").arg(theme.TextCheckedColor));
    ui->label_Tip->setFont(sized(bold, 20));
    ui->label_Mode->setStyleSheet(QStringLiteral("QLabel#label_Mode{color: rgb(%1);}").arg(theme.TextCheckedColor));
    ui->label_Mode->setFont(sized(normal, 13));
    // The connection label shows "USB" or "2.4G": room for the wider of the two.
    ui->label_Mode->setMinimumWidth(ui->label_Mode->fontMetrics().horizontalAdvance(QStringLiteral("2.4G")) + 2);
    ui->widget_RightBottom->setStyleSheet(
        QStringLiteral("QWidget#widget_RightBottom{border: none; border-top: 3px solid rgb(%1);}")
            .arg(theme.DeviceBorderColor));

    QTimer::singleShot(200, this, &DDevicePage::onScrollSheetSet);
    performancePage->applyTheme();
    lightsConfigPage->applyTheme();
    customKeysPage->applyTheme();
    triggerSettingPage->applyTheme();
    const QColor main = rgbFromText(theme.TextCheckedColor);
    for (keyboardButCustom *key : dm->getKeyButtonList()) {
        key->setThemeColors(QColor(220, 40, 45), main);
        key->setShowKeyColor(true);
    }
}

// ---------------------------------------------------------------------------
// Tab tips

bool DDevicePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit_profileName && filterProfileNameKey(event))
        return true;
    const QList<QObject *> buttons
        = {ui->toolButton_CustomKey,   ui->toolButton_LightConfig,    ui->toolButton_MacroDialog,
           ui->toolButton_Performance, ui->toolButton_TriggerSetting, ui->toolButton_SeniorKey};
    const int index = buttons.indexOf(watched);
    if (index >= 0) {
        if (event->type() == QEvent::Enter)
            showTabToolTip(index);
        else if (event->type() == QEvent::Leave && arrowPopup)
            arrowPopup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

bool DDevicePage::filterProfileNameKey(QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool confirm = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!confirm && key != Qt::Key_Escape)
        return false;
    // The field takes these keys before any shortcut of the window, and they go no
    // further than the field.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (confirm)
            on_pushButton_Save_clicked();
        else
            on_pushButton_Cancel_clicked();
    }
    return true;
}

void DDevicePage::showTabToolTip(int index)
{
    const QList<QWidget *> buttons
        = {ui->toolButton_CustomKey,   ui->toolButton_LightConfig,    ui->toolButton_MacroDialog,
           ui->toolButton_Performance, ui->toolButton_TriggerSetting, ui->toolButton_SeniorKey};
    const QStringList texts = {tr("Key Custom"),  tr("Light Setting"),   tr("Macro"),
                               tr("Performance"), tr("Trigger Setting"), tr("Senior Keys")};

    // One pop-up serves every tip; only the last one shown is hidden on leave.
    if (!arrowPopup || arrowPopup->objectName() != QLatin1String("tabToolTip")) {
        auto *tip = new DToolTipExplain;
        auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom);
        popup->setObjectName(QStringLiteral("tabToolTip"));
        popup->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &QObject::destroyed, popup, &QObject::deleteLater);
        popup->setFixedSize(230, 70);
        popup->setArrowPosX(30);
        popup->setCenterWidget(tip);
        arrowPopup = popup;
    }
    auto *tip = arrowPopup->findChild<DToolTipExplain *>();
    QString text;
    if (index >= 0 && index < buttons.size()) {
        QWidget *button = buttons[index];
        arrowPopup->move(button->mapToGlobal(QPoint(button->width() / 2, button->height()))
                         - QPoint(38, button->height() + 74));
        text = texts[index];
    }
    if (tip)
        tip->setText(text);
    arrowPopup->show();
}
