#include "macros/dcatchkeyandmouseitem.h"

#include "app/ddatamanager.h"
#include "macros/macrosheet.h"
#include "ui_dcatchkeyandmouseitem.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

const char *kLabelSheet = "QLabel{ color: rgb(%1); font: 75 10pt \"%2\"; }";

}  // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent), ui(new Ui::DCatchKeyAndMouseItem), m_mark(mark)
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(mark);
    ui->pushButton_Delete->setAccessibleName(QObject::tr("Delete"));

    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_borderColor = theme.MacroBorderColor;
    m_selectedBgColor = theme.MacroListItemSelectedColor;
    m_centerBgColor = theme.MacroCenterBgColor;
    m_textColor = theme.MacroListItemTextColor;
    m_selectedTextColor = theme.TextCheckedColor;
    m_fontFamily = theme.TextFont;

    ui->frame->setStyleSheet(
        macroSheet(QString("QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
                       .arg(m_borderColor, m_centerBgColor)));
    ui->frame_2->setStyleSheet(
        macroSheet(QString("QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); background-color: rgb(%2);}")
                       .arg(m_borderColor, "0,0,0,0")));
    ui->label_DelayTime->setStyleSheet(macroSheet(QString(kLabelSheet).arg(m_textColor, m_fontFamily)));
    ui->label_CatchEventExplain->setStyleSheet(macroSheet(QString(kLabelSheet).arg(m_textColor, m_fontFamily)));
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete ui;
}

void DCatchKeyAndMouseItem::setEventData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    const char *kind = type == "key" ? "keyboardSel" : type == "mouse" ? "mouseSel" : "timeSel";
    ui->pushButton_EventSelect->setStyleSheet(
        macroSheet(QString("QPushButton{ border-image:url(:/images/macro/%1.png);}").arg(kind)));

    if (type == "key" || type == "mouse") {
        if (operateExplain == "down")
            ui->pushButton_EventStatus->setStyleSheet(
                macroSheet("QPushButton{ border-image:url(:/images/macro/keyDownSel.png);}"));
        else if (operateExplain == "up")
            ui->pushButton_EventStatus->setStyleSheet(
                macroSheet("QPushButton{ border-image:url(:/images/macro/keyUpDef.png);}"));
    }

    ui->label_DelayTime->setText(QString::number(delay) + QLatin1Char(' ')
                                 + QCoreApplication::translate("DMacroPage", "MS"));

    QString caption = codeName;
    if (type.contains("mouse")) {
        if (codeName.contains("Left"))
            caption = QObject::tr("Left Click");
        else if (codeName.contains("Center"))
            caption = QObject::tr("Center Click");
        else if (codeName.contains("Right"))
            caption = QObject::tr("Right Click");
        else
            caption.clear();
    }
    ui->label_CatchEventExplain->setText(caption);
    setAccessibleName(caption);

    m_delay = QString::number(delay);
    m_type = type;
    m_keyCode = QString::number(keyCode);
    m_codeName = codeName;
    m_operateExplain = operateExplain;
    describeForTools();
}

// The press/release picture and the delay, for readers that cannot see the row.
void DCatchKeyAndMouseItem::describeForTools()
{
    QStringList parts;
    if (m_operateExplain == "down")
        parts << QObject::tr("Press");
    else if (m_operateExplain == "up")
        parts << QObject::tr("Release");
    parts << ui->label_DelayTime->text();
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
}

void DCatchKeyAndMouseItem::applyLook(const QString &background, const QString &labelColor)
{
    ui->frame->setStyleSheet(
        macroSheet(QString("QFrame#frame{ border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}")
                       .arg(m_borderColor, background)));
    ui->label_DelayTime->setStyleSheet(macroSheet(QString(kLabelSheet).arg(labelColor, m_fontFamily)));
    ui->label_CatchEventExplain->setStyleSheet(macroSheet(QString(kLabelSheet).arg(labelColor, m_fontFamily)));
}

void DCatchKeyAndMouseItem::setHighlighted(bool on)
{
    applyLook(on ? m_selectedBgColor : m_centerBgColor, m_textColor);
}

void DCatchKeyAndMouseItem::setSelected(bool on)
{
    if (on)
        applyLook(m_selectedBgColor, m_selectedTextColor);
    else
        applyLook(m_centerBgColor, m_textColor);
}

void DCatchKeyAndMouseItem::setDelay(int ms)
{
    m_delay = QString::number(ms);
    ui->label_DelayTime->setText(m_delay + QLatin1Char(' ') + QCoreApplication::translate("DMacroPage", "MS"));
    describeForTools();
}

QString DCatchKeyAndMouseItem::delayText() const
{
    return ui->label_DelayTime->text();
}

QString DCatchKeyAndMouseItem::captionText() const
{
    return ui->label_CatchEventExplain->text();
}

QString DCatchKeyAndMouseItem::kindPictureSheet() const
{
    return ui->pushButton_EventSelect->styleSheet();
}

QString DCatchKeyAndMouseItem::statePictureSheet() const
{
    return ui->pushButton_EventStatus->styleSheet();
}

bool DCatchKeyAndMouseItem::isDeleteButtonShown() const
{
    return !ui->pushButton_Delete->isHidden();
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    Q_EMIT sigDeleteKeyAndMouseEvent();
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}
