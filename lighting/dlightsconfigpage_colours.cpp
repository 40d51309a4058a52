// The lighting page's colour editing, swatches, mode-name pop-up, texts and theme.
#include "app/ddatamanager.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightmodes.h"
#include "lighting/svcolorarea.h"
#include "ui_dlightsconfigpage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"

#include <QButtonGroup>
#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <iterator>

using namespace LightModes;

namespace {

const char *const kColourButtonSheet
    = "\t\t\tQPushButton\t\t\t{\t\t\t\tbackground-color: rgb(%1, %2, %3);\t\t\t\tborder: 2px solid "
      "rgb(%4);\t\t\t\t\tborder-radius:7px;\t\t\t}\t\t\tQPushButton:hover\t\t\t{\t\t\t\tborder: 2px solid "
      "rgb(%5);\t\t\t\tborder-radius:7px;\t\t\t}\t\t\tQPushButton:pressed\t\t\t{\t\t\t\tborder: 2px solid "
      "rgb(%5);\t\t\t\tborder-radius:7px;\t\t\t}\t\t\tQPushButton::unchecked\t\t\t{\t\t\t\tborder: 2px solid "
      "rgb(%4);\t\t\t\tborder-radius:7px;\t\t\t}\t\t\tQPushButton::checked\t\t\t{\t\t\t\tborder: 2px solid "
      "rgb(%5);\t\t\t\tborder-radius:7px;\t\t\t}\t\t";

const char *const kPreviewSheet
    = "\t\t\tQLabel\t\t\t{\t\t\t\tbackground-color: rgb(%1, %2, %3);\t\t\t\tborder-radius:4px;\t\t\t}\t\t";

const char *const kSwatchSheet
    = "\t\t\tQLabel\t\t\t{\t\t\t\tbackground-color: rgb(%1, %2, %3);\t\t\t\tborder-radius:7px;\t\t\t}\t\t\t"
      "QLabel:hover\t\t\t{\t\t\t\tborder: 2px solid rgb(%4);\t\t\t\tborder-radius:7px;\t\t\t}\t\t";

const char *const kScrollSheet
    = "\t\t\tQScrollBar:vertical{\t\t\t\tbackground:transparent;\t\t\t\twidth:4px;\t\t\t\tmargin: 3px 0px 3px "
      "0px;\t\t\t}\t\t\tQScrollBar::handle:vertical{\t\t\t\tbackground:rgba(%2);\t\t\t\tmin-height: "
      "20px;\t\t\t\tborder-radius: 2px;\t\t\t}\t\t\tQScrollBar::handle:vertical:hover{\t\t\t\tbackground:rgba(%3);"
      "\t\t\t}\t\t\tQScrollBar::add-line:vertical{\t\t\t\theight: 0px;\t\t\t\tsubcontrol-position: "
      "bottom;\t\t\t\tsubcontrol-origin: margin;\t\t\t}\t\t\tQScrollBar::sub-line:vertical{\t\t\t\theight: "
      "0px;\t\t\t\tsubcontrol-position: top;\t\t\t\tsubcontrol-origin: margin;\t\t\t}\t\t\tQScrollBar::add-page:"
      "vertical, QScrollBar::sub-page:vertical\t\t\t{\t\t\t\tbackground:rgb(%1);\t\t\t\tborder-radius:3px;\t\t\t}"
      "\t\t";

constexpr int kSwitchTipId = 900;

// rgba() needs four values; theme colours may give three.
QString withAlpha(const QString &text)
{
    return text.split(',').size() == 3 ? text + QStringLiteral(",255") : text;
}

QColor colourFromText(const QString &text)
{
    const QStringList parts = text.split(',');
    auto part = [&](int i) { return i < parts.size() ? parts[i].trimmed().toInt() : 0; };
    return QColor(part(0), part(1), part(2), 255);
}

}  // namespace

void DLightsConfigPage::showEditColour(const QColor &c, bool blockFields)
{
    for (QLineEdit *e : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B}) {
        const QSignalBlocker blocker(blockFields ? e : nullptr);
        const int v = e == ui->lineEdit_R ? c.red() : (e == ui->lineEdit_G ? c.green() : c.blue());
        e->setText(QString::number(v));
    }
    ui->label_ColorShow->setStyleSheet(QString::fromLatin1(kPreviewSheet).arg(c.red()).arg(c.green()).arg(c.blue()));
}

void DLightsConfigPage::styleColourButton(QAbstractButton *button, const QColor &c)
{
    button->setStyleSheet(QString::fromLatin1(kColourButtonSheet)
                              .arg(c.red())
                              .arg(c.green())
                              .arg(c.blue())
                              .arg(m_borderColour, m_checkedColour));
}

void DLightsConfigPage::setPendingColour(const QColor &c)
{
    // The colour button being edited shows the colour at once, however it came:
    // the wheel, its knob, a swatch or the typed fields.
    const bool bottom = m_colourGroup->checkedButton() == ui->pushButton_BottomColor;
    if (bottom)
        m_pendingBottom = c;
    else
        m_pendingTop = c;
    styleColourButton(bottom ? ui->pushButton_BottomColor : ui->pushButton_TopColor, c);
}

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_pickerPressed = isMousePress;
    applyLightChange(0);
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    m_editColour = QColor(r, g, b);
    showEditColour(m_editColour, false);
    setPendingColour(m_editColour);
}

void DLightsConfigPage::onMovingStatus(int valueRotate, int)
{
    if (valueRotate == 0)
        return;
    const int v = int((100 - valueRotate) * 2.55);
    const QColor dark = QColor::fromHsv(m_editColour.hsvHue(), m_editColour.hsvSaturation(), qBound(0, v, 255));
    showEditColour(dark, false);
    setPendingColour(dark);
}

void DLightsConfigPage::onColorItemSelectSignal(QColor color)
{
    if (!m_pickerPressed)
        m_editColour = color;
    showEditColour(color, false);
    setPendingColour(color);
    applyLightChange(0);
}

void DLightsConfigPage::typedField(int channel, const QString &text)
{
    QLineEdit *fields[] = {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B};
    QLineEdit *field = fields[channel];
    // Texts set by the page itself (picker, swatch, loading) must not feed back.
    if (!field->hasFocus())
        return;
    bool ok = false;
    int v = text.toInt(&ok);
    if (!ok)
        v = 0;
    if (v > 255) {
        field->setText(QString::number(m_lastFieldValue));
        return;
    }
    m_lastFieldValue = v;
    m_colorArea->clearPickMark();  // a typed colour was not picked on the wheel
    if (channel == 0)
        applyTypedRed(v);
    else if (channel == 1)
        applyTypedGreen(v);
    else
        applyTypedBlue(v);
}

void DLightsConfigPage::applyTypedRed(int v)
{
    onColorItemSelectSignal(QColor(qBound(0, v, 255), qBound(0, ui->lineEdit_G->text().toInt(), 255),
                                   qBound(0, ui->lineEdit_B->text().toInt(), 255), 255));
}

void DLightsConfigPage::applyTypedGreen(int v)
{
    onColorItemSelectSignal(QColor(qBound(0, ui->lineEdit_R->text().toInt(), 255), qBound(0, v, 255),
                                   qBound(0, ui->lineEdit_B->text().toInt(), 255), 255));
}

void DLightsConfigPage::applyTypedBlue(int v)
{
    onColorItemSelectSignal(QColor(qBound(0, ui->lineEdit_R->text().toInt(), 255),
                                   qBound(0, ui->lineEdit_G->text().toInt(), 255), qBound(0, v, 255), 255));
}

void DLightsConfigPage::on_lineEdit_R_textChanged(const QString &text)
{
    typedField(0, text);
}
void DLightsConfigPage::on_lineEdit_G_textChanged(const QString &text)
{
    typedField(1, text);
}
void DLightsConfigPage::on_lineEdit_B_textChanged(const QString &text)
{
    typedField(2, text);
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    m_editColour = selIndex == 0 ? QColor(m_record.topColorR, m_record.topColorG, m_record.topColorB)
                                 : QColor(m_record.bottomColorR, m_record.bottomColorG, m_record.bottomColorB);
    showEditColour(m_editColour, true);
    m_colorArea->clearValueRotate();
}

void DLightsConfigPage::initColorSwatches()
{
    m_swatchColours
        = QStringList {"255,0,0",   "255,85,0",  "255,170,0",  "255,255,0",   "170,255,170", "85,255,85",  "0,255,0",
                       "0,255,85",  "0,255,170", "0,255,255",  "0,170,255",   "0,85,255",    "0,0,255",    "85,0,255",
                       "170,0,255", "255,0,255", "255,85,255", "255,170,255", "0,0,0",       "255,255,255"};
    m_swatches.clear();
    for (int i = 0; i < m_swatchColours.size(); ++i) {
        QWidget *swatch = findChild<QWidget *>(QStringLiteral("label_Color%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        m_swatches.append(swatch);
        const QColor c = colourFromText(m_swatchColours[i]);
        swatch->setStyleSheet(
            QString::fromLatin1(kSwatchSheet).arg(c.red()).arg(c.green()).arg(c.blue()).arg(m_checkedColour));
        AccessibleControls::makePressable(swatch, QObject::tr("Colour %1").arg(m_swatchColours[i]));
    }
}

void DLightsConfigPage::pickSwatchColor(const QString &text)
{
    m_colorArea->clearValueRotate();
    onColorItemSelectSignal(colourFromText(text));
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *b : m_keyboardGroup->buttons())
        b->installEventFilter(this);
    for (QAbstractButton *b : m_sideGroup->buttons())
        b->installEventFilter(this);
    for (QWidget *s : m_swatches)
        s->installEventFilter(this);
    ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

bool DLightsConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    QAbstractButton *button = qobject_cast<QAbstractButton *>(watched);
    int id = -1;
    if (button == ui->toolButton_LightSelectTypeChanged)
        id = kSwitchTipId;
    else if (button && m_keyboardGroup->id(button) >= 0)
        id = m_keyboardGroup->id(button);
    else if (button && m_sideGroup->id(button) >= 0)
        id = m_sideGroup->id(button);
    if (id >= 0) {
        if (event->type() == QEvent::Enter)
            showModeTip(id);
        else if (event->type() == QEvent::Leave)
            hideModeTip();
    } else if (event->type() == QEvent::MouseButtonPress) {
        const int i = m_swatches.indexOf(qobject_cast<QWidget *>(watched));
        if (i >= 0)
            pickSwatchColor(m_swatchColours[i]);
    }
    return QWidget::eventFilter(watched, event);
}

void DLightsConfigPage::hideModeTip()
{
    if (m_tip) {
        m_tip->hide();
        m_tip->deleteLater();
        m_tip = nullptr;
    }
}

void DLightsConfigPage::showModeTip(int buttonId)
{
    hideModeTip();
    QAbstractButton *button = nullptr;
    QString text;
    if (buttonId == kSwitchTipId) {
        button = ui->toolButton_LightSelectTypeChanged;
        text = QObject::tr("Keyboard/Ambient");
    } else if (const ModeInfo *m = keyboardModeByButton(buttonId)) {
        button = m_keyboardGroup->button(buttonId);
        text = QObject::tr(m->name);
    } else if (const ModeInfo *s = sideModeByButton(buttonId)) {
        button = m_sideGroup->button(buttonId);
        text = QObject::tr(s->name);
    } else if (buttonId == kDpiButtonId) {
        button = m_keyboardGroup->button(buttonId);
        text = QObject::tr("DPI");
    }
    if (!button)
        return;
    auto *content = new DToolTipExplain;
    content->setText(text);
    m_tip = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_tip->setFixedSize(230, 70);
    m_tip->setArrowPosX(30);
    m_tip->setCenterWidget(content);
    m_tip->move(button->mapToGlobal(QPoint(button->width() / 2 - 38, -74)));
    m_tip->show();
}

void DLightsConfigPage::retranslateTexts()
{
    ui->retranslateUi(this);
    ui->label->setText(QObject::tr("Type:"));
    fitLabelColumns();
    ui->label_2->setText(QObject::tr("Full color"));
    ui->label_3->setText(QObject::tr("Top color"));
    ui->label_4->setText(QObject::tr("Bottom color"));
    ui->label_23->setText(QObject::tr("Custom light"));
    const QString name = m_keyboardShown ? keyboardModeName(m_keyboardMode) : sideModeName(m_sideMode);
    ui->label_LightMode->setText(name.isEmpty() ? QObject::tr("Wave") : name);
    for (const ModeInfo &m : keyboardModes())
        findChild<QWidget *>(m.button)->setAccessibleName(QObject::tr(m.name));
    for (const ModeInfo &m : sideModes())
        findChild<QWidget *>(m.button)->setAccessibleName(QObject::tr(m.name));
    ui->toolButton_LightSelectTypeChanged->setAccessibleName(QObject::tr("Keyboard/Ambient"));
    nameColourControls();
}

void DLightsConfigPage::nameColourControls()
{
    // Same order as the direction buttons of the mode table.
    static const char *const directionNames[]
        = {QT_TRANSLATE_NOOP("QObject", "Right"),     QT_TRANSLATE_NOOP("QObject", "Left"),
           QT_TRANSLATE_NOOP("QObject", "Up"),        QT_TRANSLATE_NOOP("QObject", "Down"),
           QT_TRANSLATE_NOOP("QObject", "Disperse"),  QT_TRANSLATE_NOOP("QObject", "Gather"),
           QT_TRANSLATE_NOOP("QObject", "Clockwise"), QT_TRANSLATE_NOOP("QObject", "Anticlockwise")};
    for (int i = 0; i < directionButtons().size() && i < int(std::size(directionNames)); ++i)
        if (QWidget *button = findChild<QWidget *>(QLatin1String(directionButtons()[i])))
            button->setAccessibleName(QObject::tr(directionNames[i]));
    ui->checkBox_FullColorMode->setAccessibleName(QObject::tr("Full color"));
    ui->pushButton_TopColor->setAccessibleName(QObject::tr("Top color"));
    ui->pushButton_BottomColor->setAccessibleName(QObject::tr("Bottom color"));
    ui->lineEdit_R->setAccessibleName(QObject::tr("Red"));
    ui->lineEdit_G->setAccessibleName(QObject::tr("Green"));
    ui->lineEdit_B->setAccessibleName(QObject::tr("Blue"));
    // The rainbow beside the full-colour check box is only its picture.
    ui->pushButton->setFocusPolicy(Qt::NoFocus);
    AccessibleControls::hideFromTree(ui->pushButton);
}

void DLightsConfigPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    QFont font = DDataManager::getInstance()->getFont(1);
    m_borderColour = theme.DeviceBorderColor;
    m_checkedColour = theme.TextCheckedColor;
    ui->frame_3->setStyleSheet(QStringLiteral("\t\t\t\tQFrame#frame_3\t\t\t\t{ \t\t\t\t\tborder: 3px solid "
                                              "rgb(%1);\t\t\t\t\tborder-radius:8px;\t\t\t\t}\t\t\t")
                                   .arg(theme.DeviceBorderColor));
    const QString labelSheet = QStringLiteral(" QLabel{ color: rgb(%1); }\t").arg(theme.TextDefaultColor);
    font.setPointSize(12);
    for (QLabel *l : {ui->label, ui->label_24, ui->label_25, ui->label_26, ui->label_23}) {
        l->setStyleSheet(labelSheet);
        l->setFont(font);
    }
    fitLabelColumns();
    font.setPointSize(8);
    // Bold, as the page's other texts: a bare "75" in an ancestor's sheet would draw
    // these small captions in a hairline weight that never reaches their colour.
    const QString captionSheet
        = QStringLiteral(" QLabel{ color: rgb(%1); font-weight: bold; }\t").arg(theme.TextDefaultColor);
    for (QLabel *l : {ui->label_2, ui->label_3, ui->label_4, ui->label_R, ui->label_G, ui->label_B}) {
        l->setStyleSheet(captionSheet);
        l->setFont(font);
    }
    ui->label_LightMode->setStyleSheet(
        QStringLiteral("\t\t\t\tQLabel#label_LightMode\t\t\t\t{\t\t\t\t\tcolor: rgb(%1);\t\t\t\t\tborder: 3px "
                       "solid rgb(%2);\t\t\t\t\tborder-radius:8px;\t\t\t\t}\t\t\t")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    font.setPointSize(12);
    ui->label_LightMode->setFont(font);
    initColorSwatches();
    const QString editSheet
        = QStringLiteral("\t\t\t\tQLineEdit {\tcolor: rgb(%2);\tfont: 75 8pt \"%4\"; background-color: rgb(%1); "
                         "border: 1px solid rgb(%5); border-radius: 4px;\t}\t\t\t\tQLineEdit:hover{ border: 1px "
                         "solid rgb(%3); }\t\t\t\tQLineEdit:pressed {\tborder: 1px solid rgb(%3);\t }\t\t\t")
              .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                   theme.DeviceBorderColor);
    for (QLineEdit *e : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
        e->setStyleSheet(editSheet);
    for (DCustomLightListItem *row : m_customRows)
        row->applyTheme();
    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_3{\tbackground-color: rgb(%1); }")
            .arg(theme.DeviceRightBgColor));
    m_scrollSheet = QString::fromLatin1(kScrollSheet)
                        .arg(theme.AllScrollBgColor, withAlpha(theme.AllScrollBarColorDef),
                             withAlpha(theme.AllScrollBarColorHover));
    QTimer::singleShot(200, this, &DLightsConfigPage::onScrollSheetSet);
    setSliderColours();
}

void DLightsConfigPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
