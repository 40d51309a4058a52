#include "advancedkeys/dseniorkeyspage.h"
#include "platform/logcategories.h"

#include "advancedkeys/dallkeysshowpage.h"
#include "advancedkeys/ddksshowwidget.h"
#include "advancedkeys/dseniorkeyeventlistitem.h"
#include "advancedkeys/dseniorkeysrecordexplaindia.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "advancedkeys/seniorkeys.h"
#include "app/ddatamanager.h"
#include "sdk/tavrixxml.h"
#include "ui_dseniorkeyspage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/cbnotice.h"
#include "widgets/fieldkeys.h"
#include "widgets/storefilequestion.h"
#include "widgets/windowshape.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int kHoverNone = -1;
constexpr int kHoldKeySlot = 5;
constexpr int kClickKeySlot = 6;
constexpr int kTglKeySlot = 7;

QString millimetres(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral("mm");
}

QString milliseconds(int value)
{
    return DSeniorKeysPage::tr("%1ms").arg(value);
}

// ModifierMask bit of a modifier's HID usage (224..231), 0 for every other key.
int modifierBit(int keyCode)
{
    return keyCode >= 224 && keyCode <= 231 ? 1 << (keyCode - 224) : 0;
}

}  // namespace

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent) : QDialog(parent), ui(new Ui::DSeniorKeysPage)
{
    ui->setupUi(this);
    // The travel points above the grid and the key of each row keep the order of the
    // grid's painted columns and rows in every language.
    ui->widget_DksSetting->setLayoutDirection(Qt::LeftToRight);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, 12);  // no black corners without a compositor
    setFixedSize(930, 590);

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(14);
    // Return and Escape on the sliders end that slider's change, not the editor.
    FieldKeys::keepInFields(this);

    ui->label_Title->setText(QObject::tr("Senior Keys"));
    ui->pushButton_NewCreate->setText(QObject::tr("Create"));
    ui->radioButton_SingleKey->setText(QObject::tr("Single Key"));
    ui->radioButton_CombinationKeys->setText(QObject::tr("Key Combination"));
    ui->label_9->setText(QObject::tr("Hold"));
    ui->label_10->setText(QObject::tr("Click"));
    ui->label_13->setText(QObject::tr("Hold Duration"));
    ui->label_TipInfo->setText(QObject::tr("Senior keys is empty"));
    ui->pushButton_Close->setAccessibleName(QObject::tr("Close"));
    setWindowTitle(ui->label_Title->text());
    nameKeySlots();
    // The arrows between the stroke values only picture the press direction; the
    // stroke texts beside them carry the information.
    for (QWidget *arrow : {ui->toolButton_StrokeTip01, ui->toolButton_StrokeTip02, ui->toolButton_StrokeTip03,
                           ui->toolButton_StrokeTip04}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        AccessibleControls::hideFromTree(arrow);
    }

    m_path = DDataManager::getInstance()->getSeniorKeyXmlPath();

    QToolButton *const slotButtons[] = {
        ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
        ui->toolButton_HoldKey,     ui->toolButton_ClickKey,    ui->toolButton_TglKey};
    for (QToolButton *button : slotButtons) {
        button->setText(QString());
        button->installEventFilter(this);
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);

    ui->horizontalSlider_HoldDuration->setMaximum(100);
    ui->horizontalSlider_HoldDuration->setMinimum(1);
    ui->horizontalSlider_HoldDuration->setValue(1);
    ui->horizontalSlider_HoldDuration->setHandleMargins(0, 15);
    connect(ui->horizontalSlider_HoldDuration, &QSlider::valueChanged, this,
            &DSeniorKeysPage::onSliderHoldDurationValue);
    connect(ui->horizontalSlider_HoldDuration, &QSlider::sliderReleased, this,
            &DSeniorKeysPage::onSliderHoldDurationReleased);
    ui->label_HoldDuration->setText(milliseconds(10));
    ui->toolButton_ExplainInfo->installEventFilter(this);

    m_typeGroup = new QButtonGroup(this);
    m_typeGroup->addButton(ui->radioButton_DKS, SeniorKeyType_DKS);
    m_typeGroup->addButton(ui->radioButton_MT, SeniorKeyType_MT);
    m_typeGroup->addButton(ui->radioButton_TGL, SeniorKeyType_TGL);
    ui->radioButton_DKS->setChecked(true);
    connect(m_typeGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onOperateTypeChanged);
    m_dksSlots = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i)
        m_dksSlots->addButton(slotButtons[i], i + 1);
    ui->toolButton_SeniorKey01->setChecked(true);
    connect(m_dksSlots, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onSksSelKeyChanged);
    m_mtSlots = new QButtonGroup(this);
    m_mtSlots->addButton(ui->toolButton_HoldKey, 1);
    m_mtSlots->addButton(ui->toolButton_ClickKey, 2);
    ui->toolButton_HoldKey->setChecked(true);
    connect(m_mtSlots, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onMtSelKeyChanged);
    m_newType = SeniorKeyType_DKS;
    m_currentSlot = 1;
    m_slotButton = ui->toolButton_SeniorKey01;

    applyTheme();

    for (QLabel *link : {ui->label_Stroke01, ui->label_Stroke04}) {
        link->setText(linkCaption(QStringLiteral("1.0mm")));
        link->setAlignment(Qt::AlignCenter);
    }
    connect(ui->label_Stroke01, &QLabel::linkActivated, this, &DSeniorKeysPage::onLinkActivated_Stroke01,
            Qt::DirectConnection);
    connect(ui->label_Stroke04, &QLabel::linkActivated, this, &DSeniorKeysPage::onLinkActivated_Stroke04,
            Qt::DirectConnection);

    QTimer::singleShot(200, this, &DSeniorKeysPage::onLoadDksPage);
}

DSeniorKeysPage::~DSeniorKeysPage()
{
    // The explanation frame is a top-level window without a parent.
    delete m_explainPopup.data();
    delete ui;
}

QString DSeniorKeysPage::linkCaption(const QString &text) const
{
    return QStringLiteral("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:8pt; text-decoration:underline; "
                          "color:rgb(%2);\">%1</span>")
        .arg(text, m_accent, m_fontFamily);
}

void DSeniorKeysPage::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColorInfo t = data->getThemeColorInfo();
    QColor fill = ArrowWidget::colorFromThemeText(t.AllBgColor);
    fill.setAlpha(200);
    m_notice->setBackgroundColor(fill);
    m_notice->setTextColor(ArrowWidget::colorFromThemeText(t.TextCheckedColor));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);
    m_accent = t.TextCheckedColor;
    m_fontFamily = t.TextFont;

    ui->horizontalSlider_HoldDuration->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:6px;border-radius:3px;background:rgb(%1);}"
                       "QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;"
                       "border-image:url(:/images/DKS/slider.png);}"
                       "QSlider::sub-page:horizontal{border-radius:3px;background:rgb(%2);}")
            .arg(t.DeviceBorderColor, t.TextCheckedColor));
    // The editors' cells only lay out: no outline of their own, their captions in the
    // theme's text colour and bold (a bare "75" in a sheet's font reads as a hairline
    // weight, not as bold).
    const QString slotSheet = QStringLiteral("QFrame{border:0px solid transparent;}"
                                             "QLabel{color:rgb(%1);font-weight:bold;}"
                                             "QToolButton{color:rgb(%1);border:1px solid rgb(%1);font:75 8pt \"%3\";"
                                             "border-radius:6px;}"
                                             "QToolButton:hover, QToolButton:checked{border:1px solid rgb(%2);}")
                                  .arg(t.TextDefaultColor, t.TextCheckedColor, t.TextFont);
    for (QFrame *frame : {ui->frame_8, ui->frame_13, ui->frame_20})
        frame->setStyleSheet(slotSheet);
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border:1px solid rgb(%1);background-color:rgb(%2);border-radius:12px;}")
            .arg(t.TextCheckedColor, t.SettingsTitleColorStart));
    ui->frame_Title->setStyleSheet(QStringLiteral("QFrame#frame_Title{background-color:rgb(%1);border:none;"
                                                  "border-bottom:3px solid rgb(%2);border-top-left-radius:12px;"
                                                  "border-top-right-radius:12px;}"
                                                  "QLabel#label_Title{color:rgb(%3);}")
                                       .arg(t.SettingsTitleColorStart, t.MacroBorderColor, t.TextCheckedColor));
    ui->widget_SeniorKeySetting->setStyleSheet(
        // The inner frames only lay out; the separators come from their own sheets.
        QStringLiteral("QFrame{border:0px solid transparent;}"
                       "QFrame#widget_SeniorKeySetting{background-color:rgb(%1);border:0px;}"
                       "QLabel, QRadioButton{color:rgb(%2);font:75 10pt \"%3\";}"
                       "QRadioButton:checked{color:rgb(%4);}"
                       "QRadioButton::indicator:checked{background-color:rgb(%4);border-radius:6px;"
                       "border:2px solid white;}"
                       "QPushButton{border-radius:8px;border:2px solid rgb(%5);background-color:rgb(%1);"
                       "color:rgb(%2);}"
                       "QPushButton:hover{border:2px solid rgb(%4);}"
                       "QLineEdit{font-size:8pt;border:1px solid rgb(%5);border-radius:4px;}")
            .arg(t.MacroRightBgColor, t.TextDefaultColor, t.TextFont, t.TextCheckedColor, t.MacroBorderColor));
    ui->widget_DksSetting->setStyleSheet(
        QStringLiteral("QFrame{border:0px solid transparent;}QLabel{color:rgb(%1);font-weight:bold;}")
            .arg(t.TextDefaultColor));
    const QString transparent = QStringLiteral("background-color:transparent;");
    for (QWidget *w :
         {static_cast<QWidget *>(ui->scrollArea_2), static_cast<QWidget *>(ui->scrollAreaWidgetContents_2),
          static_cast<QWidget *>(ui->scrollArea_3), static_cast<QWidget *>(ui->scrollAreaWidgetContents_3)})
        w->setStyleSheet(QStringLiteral("#%1{%2}").arg(w->objectName(), transparent));
    ui->frame_Left->setStyleSheet(
        QStringLiteral(
            "QFrame{border:0px solid transparent;}QFrame#frame_Left{border:none;border-right:2px solid rgb(%1);}")
            .arg(t.MacroBorderColor));
    ui->frame_TypeSel->setStyleSheet(
        QStringLiteral("QFrame#frame_TypeSel{border:none;border-bottom:2px solid rgb(%1);}").arg(t.MacroBorderColor));
    ui->frame_11->setStyleSheet(
        QStringLiteral("QFrame#frame_11{border:none;border-bottom:2px solid rgb(%1);}").arg(t.MacroBorderColor));
    ui->frame_SeniorKeyEventList->setStyleSheet(
        QStringLiteral("QFrame{border:0px solid transparent;}"
                       "QFrame#frame_SeniorKeyEventList{border:none;border-top:2px solid rgb(%1);}"
                       "QLabel#label_EventTotalNum{color:rgb(%2);}")
            .arg(t.MacroBorderColor, t.TextDefaultColor));
    ui->label_TipInfo->setStyleSheet(
        QStringLiteral("QLabel{color:rgb(%1);font:75 14pt \"%2\";}").arg(t.TextCheckedColor, t.TextFont));
    QFont titleFont = data->getFont(0);
    titleFont.setPointSize(12);
    ui->label_Title->setFont(titleFont);
    ui->label_EventTotalNum->setFont(titleFont);
    QFont small = data->getFont(1);
    small.setPointSize(8);
    ui->label_Stroke02->setFont(small);
    ui->label_Stroke03->setFont(small);

    m_scrollSheet = QStringLiteral("QScrollBar:vertical{width:4px;background:transparent;margin:3px 0px 3px 0px;}"
                                   "QScrollBar::handle:vertical{background:rgb(%1);min-height:20px;border-radius:2px;}"
                                   "QScrollBar::handle:vertical:hover{background:rgb(%2);}"
                                   "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                                   "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical"
                                   "{background:rgb(%3);border-radius:3px;}")
                        .arg(t.AllScrollBarColorDef, t.AllScrollBarColorHover, t.AllScrollBgColor);
    QTimer::singleShot(200, this, &DSeniorKeysPage::onScrollSheetSet);
}

void DSeniorKeysPage::onScrollSheetSet()
{
    ui->widget_5->setStyleSheet(m_scrollSheet);
    ui->widget_6->setStyleSheet(m_scrollSheet);
}

void DSeniorKeysPage::onLoadDksPage()
{
    m_grid = new DDksShowWidget(ui->widget_DksDrawPage);
    connect(m_grid, &DDksShowWidget::sigDksPageMouseMovePointXY, this, &DSeniorKeysPage::onDksPageMouseMovePointXY);
    connect(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, this,
            &DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS);
    ui->widget_DksDrawPage->layout()->addWidget(m_grid);
    m_grid->initGrid(ui->widget_DksDrawPage->width(), ui->widget_DksDrawPage->height());

    m_keyNames.clear();
    m_picker = new DAllKeysShowPage(ui->scrollAreaWidgetContents_3);
    connect(m_picker, &DAllKeysShowPage::sigKeyListClicked, this, &DSeniorKeysPage::onKeyListClicked);
    connect(m_picker, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA, this,
            &DSeniorKeysPage::onAllKeysInfoAlreadyLoaded);
    ui->scrollAreaWidgetContents_3->layout()->addWidget(m_picker);
    m_keyNames = m_picker->getAllKeysMap();

    loadSeniorKeyList();
}

void DSeniorKeysPage::clearEventList()
{
    QLayout *list = ui->verticalLayout_11;
    while (list->count() > 1) {
        QLayoutItem *item = list->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
}

void DSeniorKeysPage::loadSeniorKeyList()
{
    clearEventList();
    m_selectedRow = nullptr;
    QList<SeniorKeyInfo> items;
    bool listed = CTavrixXML_SeniorKey_SelectAllInfoItem(m_path, items);
    if (!listed && CTavrixXML_LastFailure().kind != CTavrixXMLFailureKind::Missing) {
        // A damaged file is named to the user, who may move it aside for a new one.
        QString text;
        if (StoreFileQuestion::handle(this, CTavrixXML_LastFailure(), &text)) {
            CTavrixXML_SeniorKey_CreateXMLFile(m_path);
            CTavrixXML_SeniorKey_CreateProFileXmlParentNode(m_path);
            listed = CTavrixXML_SeniorKey_SelectAllInfoItem(m_path, items);
        } else if (!text.isEmpty()) {
            m_notice->showMessageAt(text, rect().center());
        }
    }
    if (!listed) {
        qCDebug(lcKeys) << "SelectAllInfo faliled";
        m_rows.clear();
        ui->label_EventTotalNum->setText(QStringLiteral("0/40"));
        return;
    }
    m_records.clear();
    m_rows.clear();
    ui->stackedWidget_Left->setCurrentWidget(items.isEmpty() ? ui->page_EmptyTipAll : ui->page_SeniorKesOperate);
    for (const SeniorKeyInfo &info : qAsConst(items))
        m_records.insert(info.bindingIndex, info);
    for (const SeniorKeyInfo &info : qAsConst(m_records)) {
        auto *row = new DSeniorKeyEventListItem(ui->scrollAreaWidgetContents_2);
        row->setAllKeysMap(m_keyNames);
        row->setInfo(info);
        connect(row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem, this,
                &DSeniorKeysPage::onDeleteSeniorKeyEventItem);
        connect(row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick, this,
                &DSeniorKeysPage::onSeniorKeyEventItemClick);
        ui->verticalLayout_11->insertWidget(ui->verticalLayout_11->count() - 1, row);
        m_rows.insert(info.bindingIndex, row);
        if (!m_selectedRow)
            m_selectedRow = row;
    }
    if (m_selectedRow)
        selectSeniorKey(m_records.firstKey());
    qCDebug(lcKeys) << "SelectAllInfo successful";
    ui->label_EventTotalNum->setText(QString::number(m_records.size()) + QStringLiteral("/40"));
}

DSeniorKeyEventListItem *DSeniorKeysPage::selectedRow() const
{
    return m_selectedRow.data();
}

void DSeniorKeysPage::selectSeniorKey(int id)
{
    for (DSeniorKeyEventListItem *row : qAsConst(m_rows))
        row->setSelected(row == m_selectedRow);
    for (QToolButton *button :
         {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
          ui->toolButton_SeniorKey04, ui->toolButton_HoldKey, ui->toolButton_ClickKey, ui->toolButton_TglKey})
        button->setText(QString());
    m_current = m_records.value(id);
    showSeniorKeyInfo(m_current);
    m_currentSlot = 1;
    switch (m_current.keyType) {
    case SeniorKeyType_DKS:
        ui->toolButton_SeniorKey01->setChecked(true);
        m_slotButton = ui->toolButton_SeniorKey01;
        ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);
        break;
    case SeniorKeyType_MT:
        ui->toolButton_HoldKey->setChecked(true);
        m_slotButton = ui->toolButton_HoldKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_MT);
        break;
    case SeniorKeyType_TGL:
        ui->toolButton_TglKey->setChecked(true);
        m_slotButton = ui->toolButton_TglKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_TGL);
        break;
    default: break;
    }
}

QString DSeniorKeysPage::keyCaption(const QString &keyString) const
{
    return SeniorKeys::keyCaption(keyString.toLatin1(), m_keyNames);
}

void DSeniorKeysPage::showStrokeCaptions(const SeniorKeyInfo &info)
{
    ui->label_Stroke01->setText(linkCaption(millimetres(info.strokes[0])));
    ui->label_Stroke02->setText(millimetres(info.strokes[1]));
    ui->label_Stroke03->setText(millimetres(info.strokes[2]));
    ui->label_Stroke04->setText(linkCaption(millimetres(info.strokes[3])));
}

void DSeniorKeysPage::showSeniorKeyInfo(const SeniorKeyInfo &info)
{
    auto caption = [&](int slot) { return keyCaption(QString::fromLatin1(SeniorKeys::keyString(info, slot))); };
    switch (info.keyType) {
    case SeniorKeyType_DKS: {
        QToolButton *const buttons[] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02,
                                        ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04};
        for (int slot = 0; slot < 4; ++slot)
            buttons[slot]->setText(caption(slot));
        showStrokeCaptions(info);
        if (m_grid)
            m_grid->setStuInfo(info);
        break;
    }
    case SeniorKeyType_MT:
        ui->toolButton_HoldKey->setText(caption(0));
        ui->toolButton_ClickKey->setText(caption(1));
        ui->horizontalSlider_HoldDuration->setValue(info.ValueTime / 10);
        ui->label_HoldDuration->setText(milliseconds(info.ValueTime));
        break;
    case SeniorKeyType_TGL: ui->toolButton_TglKey->setText(info.tglKeySet == 1 ? caption(0) : QString()); break;
    default: break;
    }
    nameKeySlots();
}

void DSeniorKeysPage::showStoreFailure()
{
    // Read at once: the next store call starts a new record.
    const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
    m_notice->showMessageAt(reason.isEmpty() ? QObject::tr("Saving the advanced key failed") : reason, rect().center());
}

void DSeniorKeysPage::on_pushButton_NewCreate_clicked()
{
    if (m_records.size() >= SeniorKeys::kMaxRecords) {
        m_notice->showMessageAt(QObject::tr("The number of senior keys has reached the maximum"), rect().center());
        return;
    }
    const SeniorKeyInfo info = SeniorKeys::newRecord(SeniorKeys::nextBindingIndex(m_records.keys()), m_newType);
    if (!CTavrixXML_SeniorKey_AddInfoItem(m_path, m_newType, info)) {
        qCDebug(lcKeys) << "Add faliled";
        showStoreFailure();
        return;
    }
    m_changed = true;
    m_notice->showMessageAt(QObject::tr("Create senior keys successful"), rect().center());
    qCDebug(lcKeys) << "Add successful";
    loadSeniorKeyList();
    // The new item is the one the user goes on to edit.
    if (DSeniorKeyEventListItem *row = m_rows.value(info.bindingIndex)) {
        m_selectedRow = row;
        selectSeniorKey(info.bindingIndex);
    }
}

void DSeniorKeysPage::onDeleteSeniorKeyEventItem(int keyType, int bindingIndex)
{
    if (!CTavrixXML_SeniorKey_DeleteInfoItem(m_path, keyType, bindingIndex)) {
        qCDebug(lcKeys) << "Delete faliled";
        showStoreFailure();
        return;
    }
    m_changed = true;
    m_notice->showMessageAt(QObject::tr("Delete senior keys successful"), rect().center());
    qCDebug(lcKeys) << "Delete successful";
    loadSeniorKeyList();
}

void DSeniorKeysPage::onSeniorKeyEventItemClick(int bindingIndex)
{
    m_selectedRow = qobject_cast<DSeniorKeyEventListItem *>(sender());
    selectSeniorKey(bindingIndex);
}

void DSeniorKeysPage::onDksPageMouseMovePointXY(int, int)
{ }

void DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS()
{
    m_current = m_grid->getStuInfo();
    m_records[m_current.bindingIndex] = m_current;
    if (CTavrixXML_SeniorKey_ModifyInfoItem(m_path, m_current.keyType, m_current)) {
        qCDebug(lcKeys) << "DKS Modify successful";
    } else {
        qCDebug(lcKeys) << "DKS Modify faliled";
        showStoreFailure();
    }
}

void DSeniorKeysPage::onOperateTypeChanged(int index)
{
    m_newType = index;
}

void DSeniorKeysPage::onSksSelKeyChanged(int index)
{
    m_currentSlot = index;
    if (auto *button = qobject_cast<QToolButton *>(m_dksSlots->button(index)))
        m_slotButton = button;
}

void DSeniorKeysPage::onMtSelKeyChanged(int index)
{
    m_currentSlot = index;
    m_slotButton = index == 2 ? ui->toolButton_ClickKey : ui->toolButton_HoldKey;
}

void DSeniorKeysPage::onAllKeysInfoAlreadyLoaded()
{
    if (m_picker)
        m_keyNames = m_picker->getAllKeysMap();
}

void DSeniorKeysPage::writeCurrentRecord(const char *what)
{
    if (m_selectedRow)
        m_selectedRow->setInfo(m_current);
    m_records[m_current.bindingIndex] = m_current;
    const bool stored = CTavrixXML_SeniorKey_ModifyInfoItem(m_path, m_current.keyType, m_current);
    qCDebug(lcKeys).noquote() << QString::fromLatin1(what) + (stored ? " Modify successful" : " Modify faliled");
    if (!stored)
        showStoreFailure();
}

void DSeniorKeysPage::putIntoCurrentSlot(const QByteArray &keyString)
{
    switch (m_current.keyType) {
    case SeniorKeyType_DKS:
        if (m_currentSlot >= 1 && m_currentSlot <= 4)
            SeniorKeys::setKeyString(m_current, m_currentSlot - 1, keyString);
        if (m_grid)
            m_grid->setStuInfo(m_current);
        break;
    case SeniorKeyType_MT:
        if (m_currentSlot == 1 || m_currentSlot == 2)
            SeniorKeys::setKeyString(m_current, m_currentSlot - 1, keyString);
        break;
    case SeniorKeyType_TGL:
        m_current.tglKeySet = 1;
        SeniorKeys::setKeyString(m_current, 0, keyString);
        break;
    default: break;
    }
}

void DSeniorKeysPage::onKeyListClicked(int keyDec, QString keyCharacter)
{
    if (!m_selectedRow)
        return;
    if (ui->radioButton_SingleKey->isChecked()) {
        m_slotButton->setText(keyCharacter);
        nameKeySlots();
        putIntoCurrentSlot(QByteArray::number(keyDec));
        writeCurrentRecord("DKS [SingleKey] K1K2K3K4");
    } else if (ui->radioButton_CombinationKeys->isChecked()) {
        addCombinationKey(keyDec);
    }
}

void DSeniorKeysPage::addCombinationKey(int keyCode)
{
    if (!m_comboActive) {
        m_comboParts.clear();
        m_comboPartCount = 0;
        m_comboMask = 0;
        m_comboKey = 0;
    }
    m_comboActive = true;
    const int bit = modifierBit(keyCode);
    if (m_comboPartCount == 0 && bit == 0)
        return;  // a plain key before any modifier
    if (bit == 0) {
        m_comboActive = false;
        if (m_keyNames.contains(keyCode)) {
            m_comboKey = keyCode;
            appendCombinationPart(m_keyNames.value(keyCode));
            m_comboParts.clear();
            m_comboPartCount = 0;
            saveCombinationKey();
        }
        return;
    }
    if (m_comboPartCount == 2 || (m_comboMask & bit))
        return;  // a third modifier, or one picked twice
    m_comboMask |= bit;
    appendCombinationPart(SeniorKeys::modifierName(keyCode - 224));
}

void DSeniorKeysPage::appendCombinationPart(const QString &part)
{
    if (m_comboParts.contains(part))
        return;
    m_comboParts.append(part);
    m_comboPartCount = m_comboParts.size();
    m_slotButton->setText(m_comboParts.join(QLatin1Char('+')));
    nameKeySlots();
}

void DSeniorKeysPage::saveCombinationKey()
{
    if (m_comboMask == 0 || m_comboKey == 0)
        return;
    const QByteArray keyString = SeniorKeys::comboKeyString(m_comboMask, m_comboKey);
    m_comboMask = 0;
    m_comboKey = 0;
    putIntoCurrentSlot(keyString);
    writeCurrentRecord("DKS [CombinationKeys] K1K2K3K4");
}

void DSeniorKeysPage::onSliderHoldDurationValue(int HoldDurationValue)
{
    ui->label_HoldDuration->setText(milliseconds(HoldDurationValue * 10));
}

void DSeniorKeysPage::onSliderHoldDurationReleased()
{
    const int value = ui->horizontalSlider_HoldDuration->value();
    qCDebug(lcKeys) << "Hold time slider released at" << value;
    if (!m_selectedRow)
        return;
    m_current.ValueTime = value * 10;
    writeCurrentRecord("DKS [SingleKey SliderHoldDurationReleased] stu.ValueTime");
}

void DSeniorKeysPage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton || m_hoveredSlot == kHoverNone || !m_selectedRow)
        return;
    QToolButton *const dksButtons[] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02,
                                       ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04};
    if (m_hoveredSlot >= 1 && m_hoveredSlot <= 4) {
        SeniorKeys::setKeyString(m_current, m_hoveredSlot - 1, QByteArray());
        dksButtons[m_hoveredSlot - 1]->setText(QString());
        if (m_grid)
            m_grid->setStuInfo(m_current);
    } else if (m_hoveredSlot == kHoldKeySlot) {
        SeniorKeys::setKeyString(m_current, 0, QByteArray());
        ui->toolButton_HoldKey->setText(QString());
    } else if (m_hoveredSlot == kClickKeySlot) {
        SeniorKeys::setKeyString(m_current, 1, QByteArray());
        ui->toolButton_ClickKey->setText(QString());
    } else if (m_hoveredSlot == kTglKeySlot) {
        SeniorKeys::setKeyString(m_current, 0, QByteArray());
        m_current.tglKeySet = 0;
        ui->toolButton_TglKey->setText(QString());
    } else {
        return;
    }
    nameKeySlots();
    writeCurrentRecord("DKS [SingleKey Qt::RightButton] K1K2K3K4");
}

bool DSeniorKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    const QObject *const slotButtons[] = {
        ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
        ui->toolButton_HoldKey,     ui->toolButton_ClickKey,    ui->toolButton_TglKey};
    for (int i = 0; i < 7; ++i) {
        if (watched != slotButtons[i])
            continue;
        if (event->type() == QEvent::Enter)
            m_hoveredSlot = i + 1;
        else if (event->type() == QEvent::Leave)
            m_hoveredSlot = kHoverNone;
    }
    if (watched == ui->toolButton_ExplainInfo) {
        if (event->type() == QEvent::Enter)
            showExplainPopup();
        else if (event->type() == QEvent::Leave && m_explainPopup)
            m_explainPopup->hide();
    }
    return QDialog::eventFilter(watched, event);
}

void DSeniorKeysPage::showExplainPopup()
{
    // One frame at a time: the one shown before goes with its content.
    if (m_explainPopup)
        m_explainPopup->deleteLater();
    auto *content = new DSeniorKeysRecordExplainDia(1, this);
    content->setWindowOpacity(1.0);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowTop);
    popup->setFixedSize(390, 290);
    popup->setArrowPosX(348);
    popup->setCenterWidget(content);
    QToolButton *button = ui->toolButton_ExplainInfo;
    popup->move(button->mapToGlobal(QPoint(button->width() / 2, button->height()))
                - QPoint(355, button->height() - 11));
    popup->show();
    m_explainPopup = popup;
}

void DSeniorKeysPage::onLinkActivated_Stroke01(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::onLinkActivated_Stroke04(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::openStrokeConfigView()
{
    if (!m_selectedRow)
        return;
    auto *layer = new QWidget(this);
    layer->setWindowFlags(Qt::FramelessWindowHint);
    layer->resize(size());
    layer->setObjectName(QStringLiteral("widget"));
    layer->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    layer->setAttribute(Qt::WA_StyledBackground);
    layer->show();
    m_dimmingLayer = layer;

    auto *view = new DStrokeConfigView(this);
    view->setStuInfo(m_current);
    connect(view, &DStrokeConfigView::sigTheStrokeConfigViewClose, this, &DSeniorKeysPage::onTheStrokeConfigViewClose);
    connect(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged, this, &DSeniorKeysPage::onTheDKSStrokeStuChanged);
    view->move(pos() + QPoint((width() - view->width()) / 2, (height() - view->height()) / 2));
    view->setWindowModality(Qt::WindowModal);
    view->show();
}

void DSeniorKeysPage::onTheStrokeConfigViewClose()
{
    if (m_dimmingLayer)
        m_dimmingLayer->hide();
}

void DSeniorKeysPage::onTheDKSStrokeStuChanged()
{
    auto *view = qobject_cast<DStrokeConfigView *>(sender());
    if (!view)
        return;
    m_current = view->getStuInfo();
    if (m_grid)
        m_grid->setStuInfo(m_current);
    m_records[m_current.bindingIndex] = m_current;
    showStrokeCaptions(m_current);
}

void DSeniorKeysPage::closeRoutine()
{
    if (m_closing)
        return;
    m_closing = true;
    if (m_changed)
        DDataManager::getInstance()->notifySeniorKeysListChanged();
    Q_EMIT sigSeniorKeysPageClose();
    close();
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    closeRoutine();
}

void DSeniorKeysPage::reject()
{
    closeRoutine();
}

void DSeniorKeysPage::closeEvent(QCloseEvent *event)
{
    qCDebug(lcKeys) << "The advanced-key editor closes";
    // Not the dialog's own close handling, which would run reject() again.
    event->accept();
}

void DSeniorKeysPage::nameKeySlots()
{
    // A slot reads out its role, then the key it holds.
    auto name = [](QToolButton *button, const QString &role) {
        const QString caption = button->text();
        button->setAccessibleName(caption.isEmpty() ? role : role + QStringLiteral(": ") + caption);
    };
    QToolButton *const buttons[] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
                                    ui->toolButton_SeniorKey04};
    for (int slot = 0; slot < 4; ++slot)
        name(buttons[slot], QObject::tr("Key %1").arg(slot + 1));
    name(ui->toolButton_HoldKey, QObject::tr("Hold"));
    name(ui->toolButton_ClickKey, QObject::tr("Click"));
    name(ui->toolButton_TglKey, QObject::tr("Key %1").arg(1));
    ui->horizontalSlider_HoldDuration->setAccessibleName(QObject::tr("Hold Duration"));
}
