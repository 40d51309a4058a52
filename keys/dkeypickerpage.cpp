#include "keys/dkeypickerpage.h"

#include "app/ddatamanager.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"
#include "widgets/arrowwidget.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

constexpr int kPopupWidth = 1050;
constexpr int kPopupHeight = 345;
constexpr int kPopupArrowX = 350;
// The pop-up's top-left corner relative to the line edit's bottom centre, so
// that its arrow points at the line edit from above.
const QPoint kPopupOffset(357, 375);
constexpr int kHeavyPressProfile = 1;  // the magnetic file keeps its functions under this profile

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

// The key field is at least as wide as the design has it and as its hint needs.
void fitPickEdit(QLineEdit *edit)
{
    constexpr int kDesignedWidth = 200;
    // Frame, the line edit's own margins and a little air on either side.
    constexpr int kChrome = 16;
    edit->setMinimumWidth(
        qMax(kDesignedWidth, edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + kChrome));
}

}  // namespace

DKeyPickerPage::DKeyPickerPage(QWidget *parent) : DKeyFunctionPage(parent)
{ }

void DKeyPickerPage::setupPicker(const PickerForm &form)
{
    m_form = form;
    m_edit = form.edit;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_edit->installEventFilter(this);

    m_virtualKeyboard = new DVirtualKeyboardTool(form.keyboardMode, this);
    connect(m_virtualKeyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DKeyPickerPage::onSoftKeyboardClicked_VirtualKB);
    m_popup = new ArrowWidget(ArrowWidget::ArrowBottom, this);
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DKeyPickerPage::onArrowWidgetHide);
    connect(m_popup, &ArrowWidget::sigArrowWidgetEscape, this, &DKeyPickerPage::cancelPick);
    m_popup->setFixedSize(kPopupWidth, kPopupHeight);
    m_popup->setArrowPosX(kPopupArrowX);
    m_popup->setCenterWidget(m_virtualKeyboard);

    m_pressModeGroup = new QButtonGroup(this);
    m_pressModeGroup->addButton(form.lightPress, 0);
    m_pressModeGroup->addButton(form.heavyPress, 1);
    form.lightPress->setChecked(true);
    connect(m_pressModeGroup, &QButtonGroup::idClicked, this, &DKeyPickerPage::onCurIndexChanged_ModeSel);
}

void DKeyPickerPage::retranslatePicker(const char *title, const char *placeholder)
{
    m_virtualKeyboard->retranslateTexts();
    m_form.title->setText(translated(title));
    m_edit->setPlaceholderText(translated(placeholder));
    fitPickEdit(m_edit);
    m_form.lightPress->setText(QObject::tr("Light Press"));
    m_form.heavyPress->setText(QObject::tr("Heavy Press"));
}

void DKeyPickerPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_form.title->setStyleSheet(
        QStringLiteral("QLabel#%1{ color: rgb(%2); }").arg(m_form.title->objectName(), theme.TextDefaultColor));
    m_form.title->setFont(themeFont(12));
    m_edit->setStyleSheet(
        QStringLiteral("QLineEdit{ color: rgb(%1); background-color: rgb(%2); "
                       "border: 1px solid rgb(%3); border-radius: 4px; }"
                       "QLineEdit:hover{ border: 1px solid rgb(%4); }"
                       "QLineEdit:pressed{ border: 1px solid rgb(%4); }")
            .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextCheckedColor));
    m_edit->setFont(themeFont(11));
    fitPickEdit(m_edit);
    const QColor background = ArrowWidget::colorFromThemeText(theme.AllBgColor);
    m_popup->setBackgroundColor(background.red(), background.green(), background.blue());
    m_virtualKeyboard->applyTheme();
    m_form.pressModeFrame->setStyleSheet(
        QStringLiteral("QRadioButton{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                       "QRadioButton:checked{ color: rgb(%2); }"
                       "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px; "
                       "border: 2px solid white; }")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
}

void DKeyPickerPage::setPressModeSelectable(bool)
{
    m_form.pressModeFrame->hide();
}

void DKeyPickerPage::loadPicker()
{
    DKeyFunctionPage::loadKeyInfo();
    m_captions = DDataManager::getInstance()->getKeyCharMap();
    m_form.lightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
    m_form.pressModeFrame->hide();
}

void DKeyPickerPage::onCurIndexChanged_ModeSel(int selIndex)
{
    const DDataManager *dm = DDataManager::getInstance();
    if (selIndex == 0) {
        m_profileIndex = dm->getCurProfileIndex();
        m_profilePath = dm->getCurProfilePath();
    } else {
        m_profileIndex = kHeavyPressProfile;
        m_profilePath = dm->getMagneticProfilePath();
    }
    resetPick();
    m_edit->clear();

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    showStoredItem(item);
}

bool DKeyPickerPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || m_popup->isPopupShown())
        return DKeyFunctionPage::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Only the keyboard's Tab opens the pop-up by focus. Focus that comes with the
        // window's activation, back from the closed pop-up, or from a page switch
        // that hands the focus on opens nothing. A click opens the pop-up once the
        // button is released: a pop-up shown between the press and the release
        // would take the release for a click outside it and close at once.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            openPopup();
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openPopup();
    }
    return DKeyFunctionPage::eventFilter(watched, event);
}

void DKeyPickerPage::openPopup()
{
    m_popup->setPopupShown(true);
    popupOpened();
    // The line edit gives the focus away, so that a later click into it opens
    // the pop-up again.
    focusNextChild();
    const QPoint anchor = m_edit->mapToGlobal(QPoint(m_edit->width() / 2, m_edit->height()));
    m_popup->popUpAt(anchor - kPopupOffset);
    emit sigMessageStartOrStopHook(true);
}

void DKeyPickerPage::cancelPick()
{
    const int pressMode = m_pressModeGroup->checkedId();
    onCurIndexChanged_ModeSel(pressMode < 0 ? 0 : pressMode);
    if (!m_popup->isPopupShown())
        return;
    m_popup->hide();
    onArrowWidgetHide();
}

void DKeyPickerPage::onArrowWidgetHide()
{
    emit sigMessageStartOrStopHook(false);
    popupClosed();
    m_popup->setPopupShown(false);
    m_popup->hide();
}
