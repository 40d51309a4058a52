#include "keys/dkeywithapppage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"
#include "ui_dkeywithapppage.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DKeyWithAppPage)
{
    ui->setupUi(this);
    retranslateTexts();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete ui;
}

void DKeyWithAppPage::retranslateTexts()
{
    ui->retranslateUi(this);
    ui->label_10->setText(QObject::tr("Select App"));
    ui->textEdit_appPath->setPlaceholderText(QObject::tr("Please select the path where your app is located"));
    ui->pushButton_selectAppPath->setText(QObject::tr("Select application"));
}

void DKeyWithAppPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    const QFont font = themeFont(12);
    ui->label_10->setStyleSheet(QStringLiteral(" QLabel{ color: rgb(%1); }\t").arg(theme.TextDefaultColor));
    ui->label_10->setFont(font);
    ui->pushButton_selectAppPath->setStyleSheet(buttonSheet());
    ui->pushButton_selectAppPath->setFont(font);
    ui->textEdit_appPath->setStyleSheet(
        QStringLiteral("QTextEdit{ background-color: rgb(%1); color: rgb(%2); font: 75 10pt \"%4\"; "
                       "border: 1px solid rgb(%5); border-radius: 4px; }"
                       "QTextEdit:hover{ border: 1px solid rgb(%3); }"
                       "QTextEdit:pressed{ border: 1px solid rgb(%3); }")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                 theme.DeviceBorderColor));
}

void DKeyWithAppPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    ui->textEdit_appPath->clear();

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    // A stored path is shown even when its file has gone since.
    if (keyOperateNumber(item.keyDec) != -1 && keyOperateNumber(item.operateType) == KeyOperateType_LaunchApplication)
        ui->textEdit_appPath->setPlainText(QString::fromUtf8(keyOperateField(item.value)));
}

QString DKeyWithAppPage::shownPath() const
{
    return ui->textEdit_appPath->toPlainText();
}

QString DKeyWithAppPage::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(desktop).exists() ? desktop : QDir::homePath();
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    // Programs, desktop entries and documents alike: the keyboard's request
    // opens whatever is stored.
    const QString filters
        = QObject::tr("Applications (*.desktop)") + QStringLiteral(";;") + QObject::tr("All files (*)");
    QString allFiles = QObject::tr("All files (*)");  // selected first: a document is as good as a program
    takeProgramPath(QFileDialog::getOpenFileName(this, QObject::tr("Select App"), startFolder(), filters, &allFiles));
}

bool DKeyWithAppPage::takeProgramPath(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    m_programPath = path;
    m_programFile = QFileInfo(path);
    ui->textEdit_appPath->clear();
    ui->textEdit_appPath->append(path);
    return saveKeyInfo();
}

bool DKeyWithAppPage::saveKeyInfo()
{
    m_programFile.refresh();
    if (!m_programFile.exists())
        return false;
    return saveKeyItem(KeyOperateType_LaunchApplication, "1", "1", m_programPath.toUtf8());
}
