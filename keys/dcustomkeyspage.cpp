#include "keys/dcustomkeyspage.h"

#include "app/ddatamanager.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dchangekeypage.h"
#include "keys/dchangeprofilepage.h"
#include "keys/dhotkeypage.h"
#include "keys/dkeyboardlightcustomeventpage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/dkeyconfigfunctionpage.h"
#include "keys/dkeydisablepage.h"
#include "keys/dkeywithapppage.h"
#include "keys/dkeywithtextpage.h"
#include "keys/dmacrocmdpage.h"
#include "keys/dmousekeypage.h"
#include "keys/dmultimediapage.h"
#include "keys/dresetdefaultpage.h"
#include "keys/dseniorkeysbindingpage.h"
#include "keys/dsidelightcustomeventpage.h"
#include "keys/keyfunctionpagetable.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"
#include "ui_dcustomkeyspage.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"

#include <QButtonGroup>
#include <QEvent>
#include <QMovie>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace KeyFunctionPages;

// The key column keeps its designed width unless the layer buttons' texts, side by
// side, need more.
void fitKeyColumn(QWidget *column, QWidget *layerRow)
{
    constexpr int kDesignedWidth = 200;
    int needed = 0;
    for (QPushButton *button : layerRow->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        button->ensurePolished();
        needed += qMax(button->sizeHint().width(), button->fontMetrics().horizontalAdvance(button->text()) + 12);
    }
    if (QLayout *row = layerRow->layout())
        needed += row->spacing() + row->contentsMargins().left() + row->contentsMargins().right();
    if (QLayout *own = column->layout())
        needed += own->contentsMargins().left() + own->contentsMargins().right();
    column->setFixedWidth(qMax(kDesignedWidth, needed));
}

DKeyFunctionPage *makeFunctionPage(int buttonId, QWidget *parent)
{
    switch (buttonId) {
    case Default: return new DResetDefaultPage(parent);
    case Macro: return new DMacroCmdPage(parent);
    case RemapKey: return new DChangeKeyPage(parent);
    case Mouse: return new DMouseKeyPage(parent);
    case Text: return new DKeyWithTextPage(parent);
    case Disable: return new DKeyDisablePage(parent);
    case Multimedia: return new DMultimediaPage(parent);
    case KeyCombination: return new DKeyCombinationPage(parent);
    case Shortcuts: return new DHotKeyPage(parent);
    case SwitchProfile: return new DChangeProfilePage(parent);
    case LaunchApplication: return new DKeyWithAppPage(parent);
    case KeyboardLight: return new DKeyboardLightCustomEventPage(parent);
    case SideLight: return new DSideLightCustomEventPage(parent);
    case KeyConfig: return new DKeyConfigFunctionPage(parent);
    case SeniorKeys: return new DSeniorKeysBindingPage(parent);
    default: return nullptr;
    }
}

QColor themeTextCheckedColor()
{
    const QStringList parts = DDataManager::getInstance()->getThemeColorInfo().TextCheckedColor.split(',');
    if (parts.size() < 3)
        return QColor(255, 143, 31, 255);
    return QColor(parts.at(0).trimmed().toInt(), parts.at(1).trimmed().toInt(), parts.at(2).trimmed().toInt(), 255);
}

}  // namespace

DCustomKeysPage::DCustomKeysPage(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomKeysPage)
{
    ui->setupUi(this);
    retranslateTexts();

    DDataManager *dm = DDataManager::getInstance();
    connect(dm, SIGNAL(sigKeyButtonClickedReturnKeyCodeAndKeyChar(int, QString)), this,
            SLOT(onKeyButtonClickedReturnKeyCodeAndKeyChar(int, QString)));
    connect(dm, SIGNAL(sigHookRunningStatusCtrl_MacroRecord(bool)), this,
            SLOT(onHookRunningStatusCtrl_MacroRecord(bool)));
    connect(dm, SIGNAL(sigSeniorKeysListItemHaveChanged()), this, SLOT(onSeniorKeysListItemHaveChanged()));
    createHook();

    createFunctionPages();

    m_functionGroup = new QButtonGroup(this);
    for (int i = 0; i < kCount; ++i) {
        const KeyFunctionPageEntry &entry = entries()[i];
        m_functionGroup->addButton(findChild<QToolButton *>(entry.buttonObject), entry.buttonId);
    }
    ui->toolButton_Default->setChecked(true);
    connect(m_functionGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Key);
    // A profile-switch function is kept and shown, but not offered for new keys.
    ui->toolButton_SwitchProfile->hide();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->addButton(ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(ui->pushButton_FnLayer, 1);
    ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Mode);

    QTimer::singleShot(500, this, &DCustomKeysPage::onInstallEventFilterOpen);

    m_loadingMovie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    m_loadingMovie->setScaledSize(QSize(136, 10));
    ui->label_Loading->setMovie(m_loadingMovie);
    ui->label_Loading->hide();
}

DCustomKeysPage::~DCustomKeysPage()
{
    destroyHook();
    delete m_tipPopup;
    delete ui;
}

void DCustomKeysPage::createFunctionPages()
{
    for (int i = 0; i < kCount; ++i) {
        const KeyFunctionPageEntry &entry = entries()[i];
        QWidget *container = ui->stackedWidget_Customize->findChild<QWidget *>(entry.containerObject);
        DKeyFunctionPage *page = makeFunctionPage(entry.buttonId, container);
        container->layout()->addWidget(page);
        m_pages[i] = page;
        connectFunctionPage(page, entry.buttonId);
    }
    m_defaultPage = qobject_cast<DResetDefaultPage *>(functionPage(Default));
    m_remapPage = qobject_cast<DChangeKeyPage *>(functionPage(RemapKey));
    m_combinationPage = qobject_cast<DKeyCombinationPage *>(functionPage(KeyCombination));
    m_seniorKeysPage = qobject_cast<DSeniorKeysBindingPage *>(functionPage(SeniorKeys));
}

void DCustomKeysPage::connectFunctionPage(DKeyFunctionPage *page, int buttonId)
{
    const bool reset = buttonId == Default;
    const bool capture = buttonId == RemapKey || buttonId == KeyCombination;
    connect(page, SIGNAL(sigShouldUpdateKeyboard(int)), this,
            reset ? SLOT(onKeyboardAlreadyLoad(int)) : SLOT(onShouldUpdateKeyboard(int)));
    // Remap and combination picks are stored silently: their keys are recoloured, no notice.
    if (!capture)
        connect(page, SIGNAL(sigCustomKeyInfoSaveSuccessful()), this, SLOT(onCustomKeyInfoSaveSuccessful()));
    // Every page may find the store refusing a write; that is always told.
    connect(page, SIGNAL(sigCustomKeyInfoSaveFailed(int, int)), this, SLOT(onCustomKeyInfoSaveFailed(int, int)));
    if (buttonId == Text || buttonId == Disable)
        connect(page, SIGNAL(sigClickedCancel()), this, SLOT(onClickedCancel()));
    if (capture)
        connect(page, SIGNAL(sigMessageStartOrStopHook(bool)), this, SLOT(onMessageStartOrStopHook(bool)));
}

DKeyFunctionPage *DCustomKeysPage::functionPage(int buttonId) const
{
    for (int i = 0; i < kCount; ++i)
        if (entries()[i].buttonId == buttonId)
            return m_pages[i];
    return nullptr;
}

QToolButton *DCustomKeysPage::functionButton(int buttonId) const
{
    return m_functionGroup ? qobject_cast<QToolButton *>(m_functionGroup->button(buttonId)) : nullptr;
}

void DCustomKeysPage::retranslateTexts()
{
    const QString keyChar = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyChar);
    ui->pushButton_DefaultLayer->setText(QObject::tr("Default layer"));
    ui->pushButton_FnLayer->setText(QObject::tr("FN layer"));
    fitKeyColumn(ui->frame_5, ui->frame_8);
    ui->pushButton_Download->setText(QObject::tr("Download"));
    ui->label->setText(QObject::tr("Type:"));
    ui->label_2->setText(QObject::tr("Function:"));
    ui->label_3->setText(QObject::tr("Key"));
    // The function buttons show only pictures; screen readers get the names.
    for (int i = 0; i < kCount; ++i)
        if (QToolButton *button = findChild<QToolButton *>(entries()[i].buttonObject))
            button->setAccessibleName(QObject::tr(entries()[i].tipName));
    // Setting the label's text took the movie off it.
    if (m_loadingMovie)
        ui->label_Loading->setMovie(m_loadingMovie);
    for (int i = 0; i < kCount; ++i)
        if (m_pages[i])
            m_pages[i]->retranslateTexts();
}

void DCustomKeysPage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColorInfo theme = dm->getThemeColorInfo();
    auto font = [dm](int points) {
        QFont f = dm->getFont(1);
        f.setPointSize(points);
        return f;
    };
    ui->frame_Bg01->setStyleSheet(QStringLiteral("QFrame#frame_Bg01{ background-color: rgb(%1); border-radius:0px; }")
                                      .arg(theme.DeviceRightBgColor));
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2{\tborder: 3px solid rgb(%1); border-radius:8px; }")
                                   .arg(theme.DeviceBorderColor));
    ui->frame_4->setStyleSheet(
        QStringLiteral("QFrame#frame_4{ border: 3px solid rgb(%1); border-radius:8px; }").arg(theme.DeviceBorderColor));
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3}) {
        label->setStyleSheet(QStringLiteral("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
        label->setFont(font(12));
    }
    const QString layerSheet = QStringLiteral("QPushButton{ border-radius: 8px; color: rgb(%1); }"
                                              "QPushButton:!checked{ color: rgb(%1); }"
                                              "QPushButton:hover{ color: rgb(%2); }"
                                              "QPushButton:pressed{ color: rgb(%2); }"
                                              "QPushButton:checked{ color: rgb(%2); }")
                                   .arg(theme.TextDefaultColor, theme.TextCheckedColor);
    for (QPushButton *button : {ui->pushButton_DefaultLayer, ui->pushButton_FnLayer}) {
        button->setStyleSheet(layerSheet);
        button->setFont(font(10));
    }
    fitKeyColumn(ui->frame_5, ui->frame_8);
    ui->label_KeyChar->setStyleSheet(
        QStringLiteral("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    ui->label_KeyChar->setFont(font(12));
    ui->pushButton_Download->setStyleSheet(
        QStringLiteral("QPushButton{ border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); "
                       "color: rgb(%3); }"
                       "QPushButton:hover{ background-color: rgb(%4); border: 2px solid rgb(%6); }"
                       "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6); }")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceRightBgColor,
                 theme.DeviceRightBgColor, theme.TextCheckedColor));
    ui->pushButton_Download->setFont(font(12));
    for (int i = 0; i < kCount; ++i)
        if (m_pages[i])
            m_pages[i]->applyTheme();
}

void DCustomKeysPage::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DCustomKeysPage::setProfilePath(const char *path)
{
    m_profilePath = QByteArray(path ? path : "");
}

void DCustomKeysPage::setProfilePath(const QByteArray &path)
{
    m_profilePath = path;
}

void DCustomKeysPage::switchForced(int buttonId)
{
    m_forceSwitch = true;
    onCurIndexChanged_Key(buttonId);
    m_forceSwitch = false;
}

void DCustomKeysPage::checkLayerButton(int layer)
{
    if (layer == 0 || layer == 1)
        m_layer = layer;
    if (layer == 0) {
        ui->pushButton_DefaultLayer->setChecked(true);
        ui->pushButton_FnLayer->setChecked(false);
    } else if (layer == 1) {
        ui->pushButton_FnLayer->setChecked(true);
        ui->pushButton_DefaultLayer->setChecked(false);
    }
}

void DCustomKeysPage::resetPage(int layer)
{
    DDataManager *dm = DDataManager::getInstance();
    ui->toolButton_SideLightAbout->setVisible(dm->haveSideLight());
    for (keyboardButCustom *key : dm->getKeyButtonList())
        key->setShowKeyColor(false);
    // The downloading flag stays: a download still running keeps its claim, so a
    // second Download press during it does nothing.
    ui->toolButton_Default->setChecked(true);
    switchForced(Default);
    checkLayerButton(layer);
    ui->label_KeyChar->setText(QStringLiteral("NULL"));
    dm->clearClickedKey();
    m_defaultPage->clearSelectedKey();
}

void DCustomKeysPage::refreshForDevice()
{
    const DDataManager *dm = DDataManager::getInstance();
    m_pageCode = kDefaultPageCode;
    ui->toolButton_Default->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    m_defaultPage->loadKeyInfo();
    const ThemeColorInfo theme = dm->getThemeColorInfo();
    const bool magnetic = dm->isMagneticKeyboard();
    ui->frame_Line->setStyleSheet(QStringLiteral("QFrame#frame_Line{ border: none; border-left: 1px solid rgb(%1); }")
                                      .arg(magnetic ? theme.DeviceBorderColor : theme.DeviceRightBgColor));
    ui->toolButton_SeniorKeys->setVisible(magnetic);
}

void DCustomKeysPage::setPressModeSelectable(int layer)
{
    const bool selectable = layer == 0;
    m_defaultPage->setPressModeSelectable(selectable);
    m_remapPage->setPressModeSelectable(selectable);
    m_combinationPage->setPressModeSelectable(selectable);
}

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::getInstance()->getClickedKeyCode() == -1 && !m_forceSwitch) {
        emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Please select one Key first"));
        ui->toolButton_Default->setChecked(true);
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        return;
    }
    const KeyFunctionPageEntry *entry = entryForButton(selIndex);
    DKeyFunctionPage *page = functionPage(selIndex);
    if (!entry || !page)
        return;
    m_pageCode = entry->pageCode;
    functionButton(selIndex)->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(page->parentWidget());
    page->loadKeyInfo();
}

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    if (m_downloading) {
        // The download reads both layer files; switching now would reset the
        // page under it. The layer shown stays.
        checkLayerButton(m_layer);
        return;
    }
    checkLayerButton(selIndex == 0 ? 0 : 1);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    ui->label_KeyChar->setText(strChar);
    const DDataManager *dm = DDataManager::getInstance();
    const QByteArray code = QByteArray::number(keyCode);
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex), code, &item);
    // A magnetic key without a function of its own may still carry a heavy-press one.
    if (keyOperateNumber(item.keyDec) == -1 && dm->isMagneticKeyboard())
        CTavrixXML_SelectProFileKeyOperateInfo(dm->getMagneticProfilePath(), "1", code, &item);
    if (keyOperateNumber(item.keyDec) == -1) {
        onCurIndexChanged_Key(Default);
        return;
    }
    const int buttonId = buttonIdForOperateType(keyOperateNumber(item.operateType));
    if (buttonId >= 0)
        onCurIndexChanged_Key(buttonId);
}

bool DCustomKeysPage::hasItem(const QByteArray &path, int profileIndex, int keyDec) const
{
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(path, QByteArray::number(profileIndex), QByteArray::number(keyDec), &item);
    return keyOperateNumber(item.keyDec) != -1;
}

bool DCustomKeysPage::hasHeavyPressItem(int keyDec) const
{
    const DDataManager *dm = DDataManager::getInstance();
    return dm->isMagneticKeyboard() && dm->isDefaultLayer() && hasItem(dm->getMagneticProfilePath(), 1, keyDec);
}

bool DCustomKeysPage::hasLightPressItem(int keyDec) const
{
    // Whatever the keyboard, a key is marked as long as the layer file shown
    // holds an item for it: after a reset that is only when the removal failed.
    return hasItem(m_profilePath, m_profileIndex, keyDec);
}

void DCustomKeysPage::markKey(int keyDec, bool assigned)
{
    keyboardButCustom *key = DDataManager::getInstance()->getKeyButtonMap().value(keyDec, nullptr);
    if (!key)
        return;
    const QColor color = hasHeavyPressItem(keyDec) ? DDataManager::getKeyMarkColor() : themeTextCheckedColor();
    key->setAssignedFillColor(color);
    key->setAssignedBorderColor(color);
    key->setAssigned(assigned);
}

void DCustomKeysPage::onShouldUpdateKeyboard(int keyDec)
{
    markKey(keyDec, true);
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    markKey(keyDec, hasHeavyPressItem(keyDec) || hasLightPressItem(keyDec));
}

void DCustomKeysPage::onCustomKeyInfoSaveSuccessful()
{
    emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Operate successful"));
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    QString text = QObject::tr("Unknow");
    const auto *page = qobject_cast<const DKeyFunctionPage *>(sender());
    if (errorIndex == DKeyFunctionPage::SaveFailure_StoreWrite)
        text = page && !page->storeFailureText().isEmpty()
            ? page->storeFailureText()
            : QObject::tr("Operate failed, the profile could not be saved");
    else if (operateType == KeyOperateType_Text && errorIndex == 0)
        text = QObject::tr("Setting failed because the text is empty");
    else if (operateType == KeyOperateType_Macro && errorIndex == 0)
        text = QObject::tr("There is no macro to assign, please record a macro first");
    else if (operateType == KeyOperateType_Unknown && errorIndex == 0)
        text = QObject::tr("Please select one Key first");
    emit sigSomeMessageTip_CustomKeysPage(text);
}

void DCustomKeysPage::onClickedCancel()
{
    ui->toolButton_Default->setChecked(true);
    switchForced(Default);
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
    if (m_pageCode == kSeniorKeysPageCode)
        m_seniorKeysPage->loadKeyInfo();
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loadingMovie->start();
    ui->label_Loading->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloading = false;
    m_loadingMovie->stop();
    ui->label_Loading->hide();
}

void DCustomKeysPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *button : m_functionGroup->buttons())
        button->installEventFilter(this);
}

bool DCustomKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    const int id = button ? m_functionGroup->id(button) : -1;
    if (id != -1) {
        if (event->type() == QEvent::Enter)
            showFunctionToolTip(id);
        else if (event->type() == QEvent::Leave && m_tipPopup)
            m_tipPopup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DCustomKeysPage::showFunctionToolTip(int id)
{
    const KeyFunctionPageEntry *entry = entryForButton(id);
    QAbstractButton *button = m_functionGroup->button(id);
    if (!entry || !button)
        return;
    // One tip at a time: the previous one goes when the next is made.
    delete m_tipPopup;
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom);
    popup->setFixedSize(230, 70);
    popup->setArrowPosX(30);
    auto *tip = new DToolTipExplain(popup);
    tip->setText(QObject::tr(entry->tipName));
    popup->setCenterWidget(tip);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    popup->move(anchor - QPoint(38, button->height() + 74));
    m_tipPopup = popup;
    popup->show();
}

ArrowWidget *DCustomKeysPage::tipPopup() const
{
    return m_tipPopup;
}
