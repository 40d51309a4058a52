#include "macros/dmacrolistitem.h"

#include "app/ddatamanager.h"
#include "macros/macromenutoolwidget.h"
#include "macros/macrosheet.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacrolistitem.h"
#include "widgets/arrowwidget.h"

#include <QMouseEvent>

DMacroListItem::DMacroListItem(QWidget *parent) : QWidget(parent), ui(new Ui::DMacroListItem)
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    ui->pushButton_MacroOperate->setAccessibleName(QObject::tr("Menu"));

    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_borderColor = theme.MacroBorderColor;
    m_selectedBgColor = theme.MacroListItemSelectedColor;
    m_hoverBgColor = theme.MacroListItemHoverColor;

    ui->label_MacroName->setStyleSheet(
        macroSheet(QString("QLabel#label_MacroName{ color: rgb(%1); font: 75 10pt \"%2\"; }")
                       .arg(theme.MacroListItemTextColor, theme.TextFont)));
    setSelected(false);
    ui->lineEdit_MacroName->setStyleSheet(
        macroSheet(QString("QLineEdit{\tcolor: rgb(%1);\tfont: 75 12pt \"%5\";\tbackground-color: rgb(%2, 0);"
                           "\tborder: 0px solid rgb(%3);}"
                           "QLineEdit:hover{\tborder: 0px solid rgb(%4);}"
                           "QLineEdit:pressed{\tborder: 0px solid rgb(%4);}")
                       .arg(theme.TextDefaultColor, theme.MacroListItemSelectedColor, theme.MacroBorderColor,
                            theme.TextCheckedColor, theme.TextFont)));
}

DMacroListItem::~DMacroListItem()
{
    delete ui;
}

void DMacroListItem::setMacroInfo(QString index, QString name)
{
    m_index = index;
    m_name = name;
    ui->label_MacroName->setText(name);
    setAccessibleName(name);
}

void DMacroListItem::setSelected(bool on)
{
    if (on)
        ui->frame_5->setStyleSheet(
            macroSheet(QString("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                               "QFrame#frame_5{background-color: rgb(%2); }")
                           .arg(m_borderColor, m_selectedBgColor)));
    else
        ui->frame_5->setStyleSheet(
            macroSheet(QString("QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);}\t"
                               "QFrame#frame_5:hover{background-color: rgb(%2);}")
                           .arg(m_borderColor, m_hoverBgColor)));
}

bool DMacroListItem::isRenaming() const
{
    return ui->stackedWidget->currentWidget() == ui->page_ModifyName;
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, SIGNAL(sigCloseMenuWidow()), this, SLOT(onCloseMenuWidow()));
    connect(menu, SIGNAL(sigMacroExport()), this, SLOT(onMacroExport()));
    connect(menu, SIGNAL(sigMacroDelete()), this, SLOT(onMacroDelete()));
    connect(menu, SIGNAL(sigMacroModifyNanme()), this, SLOT(onMacroModifyNanme()));

    m_popup = new ArrowWidget(ArrowWidget::ArrowTop, this);
    m_popup->setFixedSize(160, 130);
    m_popup->setArrowPosX(73);
    m_popup->setCenterWidget(menu);
    const QPushButton *button = ui->pushButton_MacroOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_popup->popUpAt(anchor - QPoint(80, 20));
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_popup)
        m_popup->hide();
}

void DMacroListItem::onMacroExport()
{
    Q_EMIT sigExportMacroChildList(m_index, m_name);
}

void DMacroListItem::onMacroDelete()
{
    Q_EMIT sigDeleteMacro(m_index, m_name);
}

void DMacroListItem::onMacroModifyNanme()
{
    ui->lineEdit_MacroName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_MacroName->text();
    if (text.isEmpty()) {
        Q_EMIT sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!CTavrixXML_ModifyMacroNodeName(m_macroXmlPath, m_index.toLatin1(), text.toUtf8())) {
        const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
        Q_EMIT sigModifyMacroItemNameFailed(reason.isEmpty() ? QObject::tr("Saving the macro failed") : reason);
        return;
    }
    m_name = text;
    ui->label_MacroName->setText(text);
    setAccessibleName(text);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    Q_EMIT sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT sigMacroItemMouseClicked(m_index, m_name);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    onMacroModifyNanme();
}
