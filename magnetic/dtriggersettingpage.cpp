#include "magnetic/dtriggersettingpage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "magnetic/dkeycalibrationexplaindia.h"
#include "magnetic/dsensitivityshowwidget.h"
#include "ui_dtriggersettingpage.h"
#include "widgets/arrowwidget.h"
#include "widgets/slidercustomwidget.h"
#include "widgets/textfit.h"

#include <QEvent>
#include <QTimer>

#include <array>

namespace {

// Report-rate selector positions 0..3 and the rates in kHz they stand for.
constexpr std::array<int, 4> kRates {1, 2, 4, 8};

// Quick-trigger sensitivity: 1..20 tenths of a millimetre.
constexpr int kQuickMin = 1;
constexpr int kQuickMax = 20;
constexpr int kQuickDefault = 10;

// The scale's default points need at least four levels (precision 3 or more).
constexpr int kMinUsableLevels = 4;

QString millimetres(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral("mm");
}

QString rgb(const QString &themeColour)
{
    const int fields = themeColour.split(QLatin1Char(',')).size();
    return (fields >= 4 ? QStringLiteral("rgba(%1)") : QStringLiteral("rgb(%1)")).arg(themeColour);
}

int selMode(bool separate, bool quickTrigger)
{
    if (quickTrigger)
        return separate ? TriggerSelMode_QuickTriggerSeparate : TriggerSelMode_QuickTrigger;
    return separate ? TriggerSelMode_Separate : TriggerSelMode_Single;
}

}  // namespace

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent) : QWidget(parent), ui(new Ui::DTriggerSettingPage)
{
    ui->setupUi(this);
    setOwnTexts();
    ui->frame_Top->hide();
    ui->toolButton_QuickTriggerExplain->hide();

    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);

    m_scale = new DSensitivityShowWidget(ui->widget_SensitivityShow);
    ui->widget_SensitivityShow->layout()->addWidget(m_scale);
    connect(m_scale, &DSensitivityShowWidget::sigCurrentStrengthNumBack, this,
            &DTriggerSettingPage::onCurrentStrengthNumBack);

    m_rateSelector = new sliderCustomWidget(ui->frame_SliderRateNum);
    ui->frame_SliderRateNum->layout()->addWidget(m_rateSelector);
    connect(m_rateSelector, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn);
    m_rateSelector->setFixedSize(200, 35);
    m_rateSelector->setSideMargin(6);
    m_rateSelector->setStepCount(int(kRates.size()) - 1);
    m_rateSelector->setPosition(0);
    m_rateSelector->setAccessibleName(tr("Report rate"));

    const struct
    {
        QSlider *slider;
        void (DTriggerSettingPage::*valueSlot)(int);
        void (DTriggerSettingPage::*releasedSlot)();
        QLabel *label;
    } sliders[] = {
        {ui->horizontalSlider_PressReleaseJourney, &DTriggerSettingPage::onSliderPressReleaseJourneyValue,
         &DTriggerSettingPage::onSliderPressReleaseJourneyReleased, ui->label_Journey3},
        {ui->horizontalSlider_PressJourney, &DTriggerSettingPage::onSliderPressJourneyValue,
         &DTriggerSettingPage::onSliderPressJourneyReleased, ui->label_PressJourneySecond4},
        {ui->horizontalSlider_ReleaseJourney, &DTriggerSettingPage::onSliderReleaseJourneyValue,
         &DTriggerSettingPage::onSliderReleaseJourneyReleased, ui->label_ReleaseJourneySecond5},
    };
    for (const auto &s : sliders) {
        // Range and value first, so the slots do not run for them.
        s.slider->setRange(kQuickMin, kQuickMax);
        s.slider->setValue(kQuickMin);
        connect(s.slider, &QSlider::valueChanged, this, s.valueSlot);
        connect(s.slider, &QSlider::sliderReleased, this, s.releasedSlot);
        s.label->setText(millimetres(kQuickMin));
    }

    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    ui->toolButton_Explain->installEventFilter(this);
    ui->toolButton_MagneticKeyExplain->installEventFilter(this);
    ui->toolButton_Explain->setAccessibleName(tr("Key calibration steps"));
    ui->toolButton_MagneticKeyExplain->setAccessibleName(tr("About the travel scale"));
    ui->toolButton_LeftIco->hide();
    ui->toolButton_RightIco->hide();
    ui->checkBox_IntensityTracking->hide();
}

DTriggerSettingPage::~DTriggerSettingPage()
{
    // The pop-up is a top-level window without a parent.
    delete m_ExplainPopup.data();
    delete ui;
}

int DTriggerSettingPage::ratePosition(int rateKHz)
{
    for (int i = 0; i < int(kRates.size()); ++i) {
        if (kRates[i] == rateKHz)
            return i;
    }
    return 0;
}

int DTriggerSettingPage::rateOfPosition(int position)
{
    return position >= 0 && position < int(kRates.size()) ? kRates[position] : 0;
}

int DTriggerSettingPage::levelCount() const
{
    return DDataManager::getInstance()->getMagneticPrecision() + 1;
}

int DTriggerSettingPage::liveTravel() const
{
    return m_scale->liveLevel();
}

void DTriggerSettingPage::setOwnTexts()
{
    ui->pushButton_TriggerApply->setText(QObject::tr("Apply"));
    ui->checkBox_QuickTrigger->setText(QObject::tr("Quick trigger"));
    ui->checkBox_SecondarySensitivity->setText(QObject::tr("Sensitivity of pressing and releasing"));
    ui->pushButton_ResetSensitivity->setText(QObject::tr("Reset sensitivity"));
    ui->label_2->setText(QObject::tr("Rate return"));
    ui->checkBox_CalibrationMode->setText(QObject::tr("Key calibration mode"));
    ui->pushButton_KeyCalibration->setText(QObject::tr("Start calibration"));
    const QString press = QObject::tr("Press") + "(" + QObject::tr("Trigger") + ")";
    const QString release = QObject::tr("Release") + "(" + QObject::tr("Reset") + ")";
    ui->label_4->setText(press);
    ui->label_5->setText(release);
    ui->label_3->setText(press + "/" + release);
    TextFit::keepWrappedLinesVisible(ui->label_QuickExplain);
    TextFit::keepWrappedLinesVisible(ui->label_SecondExplain);
    ui->label_QuickExplain->setText(QObject::tr("Customize and adjust your trigger stroke and reset stroke based on "
                                                "your intention to press or release the button."));
    ui->label_SecondExplain->setText(QObject::tr(
        "You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting)."));
    fitOptionColumn();
}

void DTriggerSettingPage::fitOptionColumn()
{
    constexpr int kDesignedPanelWidth = 537;
    // What the designed panel leaves for an option's text line, its scroll bar aside.
    constexpr int kDesignedOptionRoom = 265;
    for (QLabel *explain : {ui->label_QuickExplain, ui->label_SecondExplain}) {
        explain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QSizePolicy policy = explain->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Maximum);
        explain->setSizePolicy(policy);
    }
    // The explanation's bottom margin is all the air the option below it needs.
    ui->horizontalLayout_23->setContentsMargins(10, 0, 0, 2);
    int widest = 0;
    for (QCheckBox *option : {ui->checkBox_QuickTrigger, ui->checkBox_SecondarySensitivity}) {
        option->ensurePolished();
        widest = qMax(widest, option->sizeHint().width());
    }
    ui->frame_AAA->setFixedWidth(kDesignedPanelWidth + qMax(0, widest - kDesignedOptionRoom));
}

void DTriggerSettingPage::retranslateTexts()
{
    ui->retranslateUi(this);
    setOwnTexts();
    ui->label_Rate->setText(QString::number(DDataManager::getInstance()->getKeyRateOfReturnNum()) + "K");
}

void DTriggerSettingPage::reloadSettings()
{
    const int levels = levelCount();
    const int middle = levels / 2;
    m_scale->setScaleSize(ui->widget_SensitivityShow->width(), ui->widget_SensitivityShow->height());
    m_scale->setLevelCount(levels);
    m_scale->setBarWidth(38);
    m_scale->setQuickTriggerMode(false);

    const int rate = DDataManager::getInstance()->getKeyRateOfReturnNum();
    m_rateSelector->setPosition(ratePosition(rate));
    ui->label_Rate->setText(QString::number(rate) + "K");

    ui->checkBox_SecondarySensitivity->setChecked(false);
    m_scale->setDualHandles(0);
    m_scale->setCenterLevel(middle);
    m_scale->setPressLevel(middle - 1);
    m_scale->setReleaseLevel(middle);
    m_scale->setLiveTravelShown(false);
    m_StrengthNum_C = middle;
    m_StrengthNum_L = middle - 1;
    m_StrengthNum_R = middle;
    // Before the keyboard reported a usable travel precision there is no trigger point to
    // send: the levels would go out as 0 or as a negative number wrapped into a byte.
    ui->pushButton_TriggerApply->setEnabled(levels >= kMinUsableLevels);

    showQuickTriggerGroup(false);
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    applyScaleAndSelectorColours();
    ui->checkBox_QuickTrigger->setChecked(false);
}

void DTriggerSettingPage::leaveCalibrationMode()
{
    DDataManager::getInstance()->setCalibrationMode(false);
    ui->checkBox_CalibrationMode->setChecked(false);
}

void DTriggerSettingPage::clearLiveTravel()
{
    m_scale->setLiveLevel(0);
}

MagnetKeyTriggerConfig DTriggerSettingPage::currentConfig() const
{
    const bool separate = ui->checkBox_SecondarySensitivity->isChecked();
    MagnetKeyTriggerConfig config;
    config.selMode = selMode(separate, ui->checkBox_QuickTrigger->isChecked());
    config.strengthNum_L = separate ? m_StrengthNum_L : m_StrengthNum_C;
    config.strengthNum_R = separate ? m_StrengthNum_R : m_StrengthNum_C;
    config.strengthNum_QuickTrigger_L = separate ? m_QuickTrigger_StrengthNum_L : m_QuickTrigger_StrengthNum_C;
    config.strengthNum_QuickTrigger_R = separate ? m_QuickTrigger_StrengthNum_R : m_QuickTrigger_StrengthNum_C;
    if (ui->checkBox_QuickTrigger->isChecked()) {
        // The keyboard knows quick-trigger travels of 1 to 20 levels only.
        config.strengthNum_QuickTrigger_L = qBound(kQuickMin, config.strengthNum_QuickTrigger_L, kQuickMax);
        config.strengthNum_QuickTrigger_R = qBound(kQuickMin, config.strengthNum_QuickTrigger_R, kQuickMax);
    }
    return config;
}

void DTriggerSettingPage::showQuickTriggerGroup(bool shown)
{
    ui->checkBox_SecondarySensitivity->setVisible(shown);
    ui->frame_SecondExplain->setVisible(shown);
    ui->stackedWidget->setVisible(shown);
}

void DTriggerSettingPage::setAllQuickSliders(int value)
{
    ui->horizontalSlider_PressReleaseJourney->setValue(value);
    ui->horizontalSlider_PressJourney->setValue(value);
    ui->horizontalSlider_ReleaseJourney->setValue(value);
    ui->label_Journey3->setText(millimetres(value));
    ui->label_PressJourneySecond4->setText(millimetres(value));
    ui->label_ReleaseJourneySecond5->setText(millimetres(value));
}

void DTriggerSettingPage::onCurrentStrengthNumBack(int whereData, int StrengthNum)
{
    switch (whereData) {
    case DSensitivityShowWidget::LEFT: m_StrengthNum_L = StrengthNum; break;
    case DSensitivityShowWidget::CENTER: m_StrengthNum_C = StrengthNum; break;
    case DSensitivityShowWidget::RIGHT: m_StrengthNum_R = StrengthNum; break;
    default: qCDebug(lcKeys) << "Unknown travel level asked for"; break;
    }
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX)
    Q_UNUSED(indexY)
    m_scale->setLiveLevel(sensitivityNum);
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    const bool separate = type == TriggerSelMode_Separate || type == TriggerSelMode_QuickTriggerSeparate;
    ui->checkBox_SecondarySensitivity->setChecked(separate);
    m_scale->setDualHandles(separate ? 1 : 0);
    ui->stackedWidget->setCurrentWidget(separate ? ui->page_SecondOpen : ui->page_SecondClose);

    // The labels follow the sliders, which keep the keyboard's value inside their range.
    auto show = [](QSlider *slider, QLabel *label, int value) {
        slider->setValue(value);
        label->setText(millimetres(slider->value()));
    };
    if (type == TriggerSelMode_QuickTrigger || type == TriggerSelMode_QuickTriggerSeparate) {
        showQuickTriggerGroup(true);
        ui->checkBox_QuickTrigger->setChecked(true);
        m_scale->setQuickTriggerMode(true);
        // What the sliders show is what Apply sends, as after the user moved them.
        if (type == TriggerSelMode_QuickTrigger) {
            ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
            show(ui->horizontalSlider_PressReleaseJourney, ui->label_Journey3, QuickTriggerPressNum);
            m_QuickTrigger_StrengthNum_C = ui->horizontalSlider_PressReleaseJourney->value();
        } else {
            ui->stackedWidget->setCurrentWidget(ui->page_SecondOpen);
            show(ui->horizontalSlider_PressJourney, ui->label_PressJourneySecond4, QuickTriggerPressNum);
            show(ui->horizontalSlider_ReleaseJourney, ui->label_ReleaseJourneySecond5, QuickTriggerReleaseNum);
            m_QuickTrigger_StrengthNum_L = ui->horizontalSlider_PressJourney->value();
            m_QuickTrigger_StrengthNum_R = ui->horizontalSlider_ReleaseJourney->value();
        }
    } else {
        showQuickTriggerGroup(false);
        ui->checkBox_QuickTrigger->setChecked(false);
        m_scale->setQuickTriggerMode(false);
    }

    m_scale->setCenterLevel(pressNum);
    m_scale->setPressLevel(pressNum);
    m_scale->setReleaseLevel(releaseNum);
    m_StrengthNum_C = m_StrengthNum_L = pressNum;
    m_StrengthNum_R = releaseNum;
    m_scale->update();
}

void DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum)
{
    const int rate = rateOfPosition(rateOfReturnNum);
    ui->label_Rate->setText(QString::number(rate) + "K");
    Q_EMIT sigKeyRateOfReturnCurrentNum(rate);
}

void DTriggerSettingPage::onSliderPressReleaseJourneyValue(int Value)
{
    ui->label_Journey3->setText(millimetres(Value));
}

void DTriggerSettingPage::onSliderPressJourneyValue(int Value)
{
    ui->label_PressJourneySecond4->setText(millimetres(Value));
}

void DTriggerSettingPage::onSliderReleaseJourneyValue(int Value)
{
    ui->label_ReleaseJourneySecond5->setText(millimetres(Value));
}

void DTriggerSettingPage::onSliderPressReleaseJourneyReleased()
{
    m_QuickTrigger_StrengthNum_C = ui->horizontalSlider_PressReleaseJourney->value();
    qCDebug(lcKeys) << "Quick trigger travel (centre):" << m_QuickTrigger_StrengthNum_C;
}

void DTriggerSettingPage::onSliderPressJourneyReleased()
{
    m_QuickTrigger_StrengthNum_L = ui->horizontalSlider_PressJourney->value();
    qCDebug(lcKeys) << "Quick trigger travel (press):" << m_QuickTrigger_StrengthNum_L;
}

void DTriggerSettingPage::onSliderReleaseJourneyReleased()
{
    m_QuickTrigger_StrengthNum_R = ui->horizontalSlider_ReleaseJourney->value();
    qCDebug(lcKeys) << "Quick trigger travel (release):" << m_QuickTrigger_StrengthNum_R;
}

void DTriggerSettingPage::on_checkBox_QuickTrigger_clicked()
{
    const int middle = levelCount() / 2;
    setAllQuickSliders(kQuickDefault);
    m_QuickTrigger_StrengthNum_C = m_QuickTrigger_StrengthNum_L = m_QuickTrigger_StrengthNum_R = kQuickDefault;
    const bool on = ui->checkBox_QuickTrigger->isChecked();
    if (on) {
        ui->checkBox_SecondarySensitivity->setChecked(false);
        showQuickTriggerGroup(true);
    } else {
        showQuickTriggerGroup(false);
        ui->checkBox_SecondarySensitivity->setChecked(false);
    }
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    // With quick trigger the press point lies one level deeper than the release point,
    // without it one level higher.
    const int press = on ? middle : middle - 1;
    const int release = on ? middle - 1 : middle;
    m_scale->setQuickTriggerMode(on);
    m_scale->setDualHandles(0);
    m_scale->setCenterLevel(middle);
    m_scale->setPressLevel(press);
    m_scale->setReleaseLevel(release);
    m_StrengthNum_C = middle;
    m_StrengthNum_L = press;
    m_StrengthNum_R = release;
    m_scale->update();
}

void DTriggerSettingPage::on_checkBox_SecondarySensitivity_clicked()
{
    // Only what the sliders show changes; the stored sensitivities stay until a slider is released.
    setAllQuickSliders(kQuickMin);
    const bool separate = ui->checkBox_SecondarySensitivity->isChecked();
    m_scale->setDualHandles(separate ? 1 : 0);
    ui->stackedWidget->setCurrentWidget(separate ? ui->page_SecondOpen : ui->page_SecondClose);
}

void DTriggerSettingPage::on_pushButton_TriggerApply_clicked()
{
    const MagnetKeyTriggerConfig c = currentConfig();
    Q_EMIT sigMagnetsKeysApplyConfig(c.selMode, c.strengthNum_L, c.strengthNum_R, c.strengthNum_QuickTrigger_L,
                                     c.strengthNum_QuickTrigger_R);
}

void DTriggerSettingPage::on_pushButton_ResetSensitivity_clicked()
{
    Q_EMIT sigMagnetsKeyboardDefaultSensitivity();
}

void DTriggerSettingPage::on_checkBox_CalibrationMode_clicked()
{
    Q_EMIT sigCalibrationMode(ui->checkBox_CalibrationMode->isChecked() ? 1 : 0);
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_clicked()
{
    Q_EMIT sigKeyCalibrationStartRunning();
}

void DTriggerSettingPage::on_checkBox_IntensityTracking_clicked()
{ }

bool DTriggerSettingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->toolButton_Explain || watched == ui->toolButton_MagneticKeyExplain) {
        if (event->type() == QEvent::Enter) {
            if (watched == ui->toolButton_Explain)
                onExplainShow();
            else
                theExplainMagneticKeyShow();
        } else if (event->type() == QEvent::Leave) {
            hideExplainPopup();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DTriggerSettingPage::onExplainShow()
{
    showExplainPopup(DKeyCalibrationExplainDia::CalibrationSteps, ui->toolButton_Explain, QSize(310, 173), 175);
}

void DTriggerSettingPage::theExplainMagneticKeyShow()
{
    showExplainPopup(DKeyCalibrationExplainDia::TravelScale, ui->toolButton_MagneticKeyExplain, QSize(310, 130), 132);
}

void DTriggerSettingPage::showExplainPopup(int type, QWidget *anchor, const QSize &size, int k)
{
    // At most one pop-up: the one shown before goes away with its content.
    if (m_ExplainPopup) {
        m_ExplainPopup->hide();
        m_ExplainPopup->deleteLater();
    }
    auto *content = new DKeyCalibrationExplainDia(type, this);
    content->setWindowOpacity(1.0);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom);
    popup->setFixedSize(size.width(), size.height());
    popup->setArrowPosX(30);
    popup->setCenterWidget(content);
    const QPoint bottomCentre = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    popup->move(bottomCentre - QPoint(38, anchor->height() + k));
    popup->show();
    m_ExplainPopup = popup;
}

void DTriggerSettingPage::hideExplainPopup()
{
    if (m_ExplainPopup)
        m_ExplainPopup->hide();
}

void DTriggerSettingPage::applyScaleAndSelectorColours()
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    const auto colour = &ArrowWidget::colorFromThemeText;
    m_scale->setColors(colour(t.AllScrollBgColor), colour(t.AllThemeColor), colour(t.AllThemeColor),
                       colour(t.DeviceRightBgColor));
    m_rateSelector->setHandleColor(colour(t.DeviceSliderEllipseColor));
    m_rateSelector->setLineColor(colour(t.DeviceSliderHorizontalVerticalColor));
    m_rateSelector->setTickColor(colour(t.DeviceSliderHorizontalVerticalColor));
}

void DTriggerSettingPage::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColorInfo t = data->getThemeColorInfo();
    QFont font = data->getFont(1);
    applyScaleAndSelectorColours();

    // The inner frames only lay out; the scale panel is the one bordered box.
    ui->frame_004->setStyleSheet(QStringLiteral("QFrame{border:none;background:transparent;}"
                                                "QFrame#frame_AAA{border:3px solid %1;border-radius:8px;}")
                                     .arg(rgb(t.DeviceBorderColor)));

    font.setPointSize(10);
    const QString labelSheet = QStringLiteral("QLabel{color:%1;}").arg(rgb(t.TextDefaultColor));
    for (QLabel *label :
         {ui->label_2, ui->label_3, ui->label_4, ui->label_5, ui->label_QuickExplain, ui->label_SecondExplain,
          ui->label_Rate, ui->label_Journey3, ui->label_PressJourneySecond4, ui->label_ReleaseJourneySecond5}) {
        label->setStyleSheet(labelSheet);
        label->setFont(font);
    }

    const QString checkSheet
        = QStringLiteral("QCheckBox{color:%1;font:75 10pt \"%3\";}"
                         "QCheckBox:checked{color:%2;}"
                         "QCheckBox::indicator{width:13px;height:13px;}"
                         "QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                         "QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}")
              .arg(rgb(t.TextDefaultColor), rgb(t.TextCheckedColor), t.TextFont);
    ui->frame_Bottom->setStyleSheet(checkSheet);
    ui->frame_4->setStyleSheet(checkSheet);
    fitOptionColumn();

    QFont buttonFont = data->getFont(1);
    buttonFont.setPointSize(11);
    const QString buttonSheet
        = QStringLiteral("QPushButton{border-radius:8px;border:2px solid %1;background-color:%2;color:%3;}"
                         "QPushButton:hover{border:2px solid %4;}"
                         "QPushButton:pressed{color:%4;border:2px solid %4;background-color:%2;}")
              .arg(rgb(t.DeviceBorderColor), rgb(t.DeviceRightBgColor), rgb(t.TextDefaultColor),
                   rgb(t.TextCheckedColor));
    for (QPushButton *button :
         {ui->pushButton_TriggerApply, ui->pushButton_ResetSensitivity, ui->pushButton_KeyCalibration}) {
        button->setStyleSheet(buttonSheet);
        button->setFont(buttonFont);
    }

    const QString sliderSheet
        = QStringLiteral("QSlider::groove:horizontal{height:6px;border:none;border-radius:3px;background:%1;}"
                         "QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;"
                         "border-image:url(:/images/DKS/slider.png);}"
                         "QSlider::sub-page:horizontal{background:rgb(165,165,175);border-radius:3px;}")
              .arg(rgb(t.DeviceBorderColor));
    for (QSlider *slider : {ui->horizontalSlider_PressReleaseJourney, ui->horizontalSlider_PressJourney,
                            ui->horizontalSlider_ReleaseJourney})
        slider->setStyleSheet(sliderSheet);

    // The panel shows through the scroll area (a bare alpha of 1 would read as opaque black).
    ui->scrollArea->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;}"));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{background-color:transparent;}"));

    m_ScrollSheet = QStringLiteral("QScrollBar:vertical{width:4px;background:transparent;margin:3px 0px 3px 0px;}"
                                   "QScrollBar::handle:vertical{background:%1;min-height:20px;border-radius:2px;}"
                                   "QScrollBar::handle:vertical:hover{background:%2;}"
                                   "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                                   "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical"
                                   "{background:%3;border-radius:3px;}")
                        .arg(rgb(t.AllScrollBarColorDef), rgb(t.AllScrollBarColorHover), rgb(t.AllScrollBgColor));
    QTimer::singleShot(200, this, &DTriggerSettingPage::onScrollSheetSet);
}

void DTriggerSettingPage::onScrollSheetSet()
{
    ui->frame_3->setStyleSheet(m_ScrollSheet);
}

void DTriggerSettingPage::paintEvent(QPaintEvent *)
{ }
