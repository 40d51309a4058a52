#include "lighting/dlightsconfigpage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "devicelink/mainhidinterface.h"
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/lightmodes.h"
#include "lighting/svcolorarea.h"
#include "sdk/tavrixxml.h"
#include "ui_dlightsconfigpage.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"
#include "widgets/slidercustomwidget.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QEvent>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

using namespace LightModes;

namespace {

// An exclusive group refuses to uncheck its checked button; the page needs "none checked".
void uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

QColor colourFromText(const QString &text)
{
    const QStringList parts = text.split(',');
    auto part = [&](int i) { return i < parts.size() ? parts[i].trimmed().toInt() : 0; };
    return QColor(part(0), part(1), part(2), 255);
}

}  // namespace

DLightsConfigPage::DLightsConfigPage(QWidget *parent) : QWidget(parent), ui(new Ui::DLightsConfigPage)
{
    ui->setupUi(this);
    initColorSwatches();

    ui->label_LightMode->setText(QObject::tr("Static"));
    ui->label->setText(QObject::tr("Type:"));
    fitLabelColumns();
    ui->label_2->setText(QObject::tr("Full color"));
    ui->label_3->setText(QObject::tr("Top color"));
    ui->label_4->setText(QObject::tr("Bottom color"));
    ui->label_23->setText(QObject::tr("Custom light"));

    for (QWidget *b : {ui->pushButton_Left, ui->pushButton_Right, ui->pushButton_Up, ui->pushButton_Down,
                       ui->pushButton_Gather, ui->pushButton_Dispersion})
        b->show();
    ui->pushButton_CW->hide();
    ui->pushButton_UnCW->hide();
    ui->horizontalLayout_12->setSpacing(8);

    m_colorArea = new SVColorArea(ui->frame_Color);
    ui->frame_Color->layout()->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigMovingStatus, this, &DLightsConfigPage::onMovingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);

    m_brightnessSlider = new sliderCustomWidget(ui->frame_SliderBrightness);
    m_speedSlider = new sliderCustomWidget(ui->frame_SliderSpeed);
    ui->frame_SliderBrightness->layout()->addWidget(m_brightnessSlider);
    ui->frame_SliderSpeed->layout()->addWidget(m_speedSlider);
    m_brightnessSlider->setAccessibleName(QObject::tr("Brightness"));
    m_speedSlider->setAccessibleName(QObject::tr("Speed"));
    connect(m_brightnessSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Brightness);
    connect(m_speedSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Speed);
    for (sliderCustomWidget *s : {m_brightnessSlider, m_speedSlider}) {
        s->setFixedSize(140, 40);
        s->setSideMargin(6);
        s->setStepCount(5);
    }
    m_brightnessSlider->setPosition(2);
    m_speedSlider->setPosition(3);
    setSliderColours();

    m_keyboardGroup = new QButtonGroup(this);
    for (const ModeInfo &m : keyboardModes())
        m_keyboardGroup->addButton(findChild<QAbstractButton *>(m.button), m.buttonId);
    m_keyboardGroup->addButton(ui->toolButton_MouseDPI, kDpiButtonId);
    m_sideGroup = new QButtonGroup(this);
    for (const ModeInfo &m : sideModes())
        m_sideGroup->addButton(findChild<QAbstractButton *>(m.button), m.buttonId);
    m_colourGroup = new QButtonGroup(this);
    m_colourGroup->addButton(ui->pushButton_TopColor, 0);
    m_colourGroup->addButton(ui->pushButton_BottomColor, 1);
    m_directionGroup = new QButtonGroup(this);
    for (int i = 0; i < directionButtons().size(); ++i)
        m_directionGroup->addButton(findChild<QAbstractButton *>(directionButtons()[i]), i);
    ui->toolButton_Static->setChecked(true);
    ui->toolButton_SideStatic->setChecked(true);
    ui->pushButton_TopColor->setChecked(true);
    ui->pushButton_Left->setChecked(true);
    connect(m_keyboardGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_KB_LightMode);
    connect(m_sideGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_Side_LightMode);
    connect(m_colourGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_LedDirection);

    // Accessible names for the picture-only buttons.
    for (const ModeInfo &m : keyboardModes())
        findChild<QWidget *>(m.button)->setAccessibleName(QObject::tr(m.name));
    for (const ModeInfo &m : sideModes())
        findChild<QWidget *>(m.button)->setAccessibleName(QObject::tr(m.name));
    ui->toolButton_LightSelectTypeChanged->setAccessibleName(QObject::tr("Keyboard/Ambient"));
    nameColourControls();

    m_customLayout = ui->verticalLayout_39;
    QTimer::singleShot(500, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage()
{
    // The pop-up is a top-level window without a parent.
    delete m_tip;
    delete ui;
}

void DLightsConfigPage::setProfilePath(const QByteArray &path)
{
    // Kept whole: a cut path would name another file.
    m_profilePath = path;
}

void DLightsConfigPage::setSliderSteps(const LightTypeListInfo &caps)
{
    m_speedSlider->setStepCount(caps.speedMax);
    m_brightnessSlider->setStepCount(caps.brightnessMax);
}

void DLightsConfigPage::setSliderColours()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    for (sliderCustomWidget *s : {m_brightnessSlider, m_speedSlider}) {
        s->setHandleColor(colourFromText(theme.DeviceSliderEllipseColor));
        s->setLineColor(colourFromText(theme.DeviceSliderHorizontalVerticalColor));
        s->setTickColor(colourFromText(theme.DeviceSliderHorizontalVerticalColor));
    }
}

void DLightsConfigPage::reloadKeyboardLight()
{
    for (keyboardButCustom *key : DDataManager::getInstance()->getKeyButtonList()) {
        if (key)
            key->setShowKeyColor(true);
    }
    m_keyboardShown = true;
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
    setSliderSteps(m_keyboardTypes);
    ui->frame_D->hide();
    uncheckAll(m_keyboardGroup);
    if (m_profilePath.isEmpty())
        return;
    m_keyboardMode = CTavrixXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, indexText(), KeyboardTarget);
    const ModeInfo *m = keyboardMode(m_keyboardMode);
    if (!m)
        return;
    onCurIndexChanged_KB_LightMode(m->buttonId);
    if (QAbstractButton *b = m_keyboardGroup->button(m->buttonId))
        b->setChecked(true);
}

void DLightsConfigPage::setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side)
{
    m_keyboardTypes = keyboard;
    m_sideTypes = side;
    for (int id = 0; id <= 15; ++id) {
        if (QAbstractButton *b = m_keyboardGroup->button(id))
            b->hide();
    }
    ui->toolButton_MusicalRhythm->show();
    ui->toolButton_CustomLed->show();
    for (int code : keyboard.lightTypeList) {
        const ModeInfo *m = keyboardMode(code);
        if (m)
            m_keyboardGroup->button(m->buttonId)->show();
    }
    for (QAbstractButton *b : m_sideGroup->buttons())
        b->hide();
    if (side.lightTypeList.isEmpty()) {
        ui->frame_B->hide();
        return;
    }
    for (int code : side.lightTypeList) {
        if (const ModeInfo *m = sideMode(code))
            m_sideGroup->button(m->buttonId)->show();
    }
    ui->frame_B->show();
}

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    ui->frame_D->hide();
    const ModeInfo *m = indexSel > 17 ? keyboardMode(KbWave) : keyboardModeByButton(indexSel);
    const int code = m ? m->code : (indexSel == kDpiButtonId ? KbDpi : KbWave);
    if (indexSel == kCustomButtonId) {
        ui->frame_D->show();
        if (m_resetSlot)
            m_customSlot = 0;
        loadCustomLightList();
    }
    m_keyboardMode = code;
    ui->label_LightMode->setText(keyboardModeName(code));
    loadLightParameters(KeyboardTarget);
    updateKeyboardModeControls(m_keyboardMode);
    if (m_keyboardMode == KbCustom && m_chosenRow)
        Q_EMIT sigCustomLightItemHaveChanged(m_chosenRow->usingState(), m_chosenRow->lightIndex(),
                                             m_chosenRow->lightName());
    Q_EMIT sigSelectCurrentLightTypeIndex_KB(m_keyboardMode, m_record);
    if (m_record.lightTarget == KeyboardTarget)
        sendKeyboardModeReport(m_record);
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    const ModeInfo *m = sideModeByButton(indexSel);
    m_sideMode = m ? m->code : SideWave;
    ui->label_LightMode->setText(sideModeName(m_sideMode));
    loadLightParameters(SideTarget);
    updateSideModeControls(m_sideMode);
    Q_EMIT sigSelectCurrentLightTypeIndex_Side(m_sideMode, m_record);
    if (m_record.lightTarget == SideTarget)
        sendSideModeReport(m_record);
}

void DLightsConfigPage::loadLightParameters(int target)
{
    const int mode = target == KeyboardTarget ? m_keyboardMode : m_sideMode;
    const LightTypeListInfo &caps = target == KeyboardTarget ? m_keyboardTypes : m_sideTypes;
    bool recordStored = true;
    m_record = loadOrCreateRecord(m_profilePath, indexText(), target, mode, m_keyboardMode,
                                  {caps.brightnessMax, caps.speedMax}, &recordStored);
    if (!recordStored)
        stored(false);
    m_pendingTop = QColor(m_record.topColorR, m_record.topColorG, m_record.topColorB);
    m_pendingBottom = QColor(m_record.bottomColorR, m_record.bottomColorG, m_record.bottomColorB);
    ui->checkBox_FullColorMode->setChecked(m_record.fullColor == 1);
    m_colorArea->clearValueRotate();
    m_editColour = m_pendingTop;
    showEditColour(m_editColour, true);
    styleColourButton(ui->pushButton_TopColor, m_pendingTop);
    styleColourButton(ui->pushButton_BottomColor, m_pendingBottom);
    ui->pushButton_TopColor->setChecked(true);
    uncheckAll(m_directionGroup);
    if (QAbstractButton *b = m_directionGroup->button(m_record.direction))
        b->setChecked(true);
    m_speedSlider->setPosition(m_record.speed - 1);
    m_brightnessSlider->setPosition(m_record.brightness - 1);
    if (!m_profilePath.isEmpty())
        stored(CTavrixXML_ModifyProFileMouseLightUsingIndex(m_profilePath, indexText(), target, mode));
    markSelectedMode(target);
}

void DLightsConfigPage::showModeControls(bool brightness, bool speed, const QList<int> *directions, bool colours)
{
    ui->frame_Brightness->show();
    ui->frame_Speed->show();
    ui->frame_DirectionMain->show();
    for (QAbstractButton *b : m_directionGroup->buttons())
        b->show();
    if (directions) {
        ui->frame_Brightness->setVisible(brightness);
        ui->frame_Speed->setVisible(speed);
        ui->frame_DirectionMain->setVisible(!directions->isEmpty());
        for (int i = 0; i < directionButtons().size(); ++i)
            m_directionGroup->button(i)->setVisible(directions->isEmpty() || directions->contains(i));
    }
    ui->frame_23->setVisible(colours);
    ui->frame_25->setVisible(colours);
}

void DLightsConfigPage::updateKeyboardModeControls(int mode)
{
    const ModeInfo *m = keyboardMode(mode);
    if (!m) {
        showModeControls(true, true, nullptr, true);
        return;
    }
    showModeControls(m->brightness, m->speed, &m->directions, m->colours);
}

void DLightsConfigPage::updateSideModeControls(int mode)
{
    const ModeInfo *m = sideMode(mode);
    if (!m) {
        showModeControls(true, true, nullptr, true);
        return;
    }
    showModeControls(m->brightness, m->speed, &m->directions, m->colours);
}

void DLightsConfigPage::markSelectedMode(int target)
{
    if (target == KeyboardTarget) {
        uncheckAll(m_keyboardGroup);
        if (const ModeInfo *m = keyboardMode(m_keyboardMode))
            m_keyboardGroup->button(m->buttonId)->setChecked(true);
        ui->label_LightMode->setText(keyboardModeName(m_keyboardMode));
    } else {
        uncheckAll(m_sideGroup);
        if (const ModeInfo *m = sideMode(m_sideMode))
            m_sideGroup->button(m->buttonId)->setChecked(true);
        ui->label_LightMode->setText(sideModeName(m_sideMode));
    }
}

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    if (m_keyboardShown) {
        if (m_sideTypes.lightTypeList.isEmpty()) {
            Q_EMIT sigSomeMessageTip_LightsConfigPage(QObject::tr("The device has no atmosphere lamp"));
            return;
        }
        ui->frame_D->hide();
        setSliderSteps(m_sideTypes);
        m_keyboardShown = false;
        ui->stackedWidget->setCurrentWidget(ui->page_SideLightMode);
        if (!m_profilePath.isEmpty())
            m_sideMode = CTavrixXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, indexText(), SideTarget);
        loadLightParameters(SideTarget);
        updateSideModeControls(m_sideMode);
    } else {
        setSliderSteps(m_keyboardTypes);
        m_keyboardShown = true;
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
        if (!m_profilePath.isEmpty())
            m_keyboardMode
                = CTavrixXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, indexText(), KeyboardTarget);
        loadLightParameters(KeyboardTarget);
        updateKeyboardModeControls(m_keyboardMode);
        ui->frame_D->setVisible(m_keyboardMode == KbCustom);
    }
}

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    m_record.brightness = currPositionIndex + 1;
    applyLightChange(2);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    m_record.speed = currPositionIndex + 1;
    applyLightChange(3);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    uncheckAll(m_directionGroup);
    if (QAbstractButton *b = m_directionGroup->button(selIndex))
        b->setChecked(true);
    m_record.direction = selIndex;
    applyLightChange(4);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    m_record.fullColor = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    applyLightChange(1);
}

bool DLightsConfigPage::stored(bool ok)
{
    if (ok)
        return true;
    // Read at once: the next store call starts a new record.
    const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
    const QString text = reason.isEmpty() ? QObject::tr("Saving the light settings failed") : reason;
    // A write that unchanged settings need succeeds without touching the disk, so
    // success cannot end a burst; quiet time does.
    const bool repeat
        = text == m_storeNotice && m_storeNoticeClock.isValid() && m_storeNoticeClock.elapsed() < kStoreNoticeQuietMs;
    m_storeNoticeClock.restart();
    if (!repeat) {
        m_storeNotice = text;
        Q_EMIT sigSomeMessageTip_LightsConfigPage(text);
    }
    return false;
}

void DLightsConfigPage::applyLightChange(int lightConfigChangedFrom)
{
    if (m_pickerPressed)
        return;
    if (lightConfigChangedFrom == 0) {
        m_record.topColorR = m_pendingTop.red();
        m_record.topColorG = m_pendingTop.green();
        m_record.topColorB = m_pendingTop.blue();
        m_record.bottomColorR = m_pendingBottom.red();
        m_record.bottomColorG = m_pendingBottom.green();
        m_record.bottomColorB = m_pendingBottom.blue();
    }
    if (!m_profilePath.isEmpty()
        && CTavrixXML_IsProFileAlreadyHaveLightInfo(m_profilePath, indexText(), m_record.lightTarget,
                                                    m_record.lightMode))
        stored(CTavrixXML_ModifyProFileLightInfoItem(m_profilePath, indexText(), m_record.lightTarget,
                                                     m_record.lightMode, m_record));
    Q_EMIT sigLightConfigHaveChanged(lightConfigChangedFrom, m_record);
    if (m_record.lightTarget == KeyboardTarget)
        sendKeyboardModeReport(m_record);
    else
        sendSideModeReport(m_record);
    if (m_record.lightMode == KbCustom && lightConfigChangedFrom == 0)
        Q_EMIT sigLightConfigHaveChanged_Custom(0, m_record);
}

void DLightsConfigPage::followDeviceLightChange(int target, int)
{
    m_keyboardShown = target == KeyboardTarget ? false : true;
    ui->frame_D->hide();
    on_toolButton_LightSelectTypeChanged_clicked();
    Q_EMIT sigLightConfigHaveChanged(-1, m_record);
}

void DLightsConfigPage::sendKeyboardModeReport(colorInfoData data)
{
    if (!m_hid)
        return;
    const HidReport r = modeReport(data, KeyboardTarget, QDateTime::currentMSecsSinceEpoch());
    if (m_hid->appendCmdData(r.data()) < 0)
        qCDebug(lcLight) << "The keyboard light mode could not be queued: the keyboard is not open";
}

void DLightsConfigPage::sendSideModeReport(colorInfoData data)
{
    if (!m_hid)
        return;
    const HidReport r = modeReport(data, SideTarget, QDateTime::currentMSecsSinceEpoch());
    if (m_hid->appendCmdData(r.data()) < 0)
        qCDebug(lcLight) << "The side light mode could not be queued: the keyboard is not open";
}

void DLightsConfigPage::fitLabelColumns()
{
    constexpr int kDesignedLabelWidth = 110;
    constexpr int kDesignedColumnWidth = 270;
    const QList<QPair<QLabel *, QString>> rows = {{ui->label_24, QObject::tr("Brightness:")},
                                                  {ui->label_25, QObject::tr("Speed:")},
                                                  {ui->label_26, QObject::tr("Direction:")}};
    int width = kDesignedLabelWidth;
    for (const auto &row : rows) {
        row.first->setText(row.second);
        width = qMax(width, row.first->fontMetrics().horizontalAdvance(row.second) + 4);
    }
    for (const auto &row : rows)
        row.first->setFixedWidth(width);
    ui->frame_A->setFixedWidth(kDesignedColumnWidth + width - kDesignedLabelWidth);

    constexpr int kDesignedCustomWidth = 210;
    constexpr int kCustomIndent = 40;
    const QString custom = QObject::tr("Custom light");
    ui->label_23->setText(custom);
    ui->frame_D->setFixedWidth(
        qMax(kDesignedCustomWidth, kCustomIndent + ui->label_23->fontMetrics().horizontalAdvance(custom) + 4));
}
