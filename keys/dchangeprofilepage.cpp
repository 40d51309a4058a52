#include "keys/dchangeprofilepage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"
#include "ui_dchangeprofilepage.h"
#include "widgets/elidedcombo.h"
#include "widgets/themedcombobox.h"

#include <QSignalBlocker>

DChangeProfilePage::DChangeProfilePage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DChangeProfilePage)
{
    ui->setupUi(this);
    ElidedCombo::follow(ui->comboBox_Profile);
    retranslateTexts();
}

DChangeProfilePage::~DChangeProfilePage()
{
    delete ui;
}

void DChangeProfilePage::retranslateTexts()
{
    ui->label_2->setText(QObject::tr("Assign Profile"));
}

void DChangeProfilePage::applyTheme()
{
    // Themed like the other pages that pick from a list, so its list reads in every theme.
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    ui->label_2->setStyleSheet(
        QStringLiteral("QLabel{ color: rgb(%1); font: 75 11pt \"%2\"; }").arg(theme.TextDefaultColor, theme.TextFont));
    ThemedComboBox::apply(ui->comboBox_Profile, ThemedComboBox::functionPageSheet(theme));
}

void DChangeProfilePage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    const QSignalBlocker block(ui->comboBox_Profile);
    ui->comboBox_Profile->clear();
    m_profileNames.clear();
    QList<ProfileNode> profiles;
    CTavrixXML_SelectProFileAllNodes(m_profilePath, profiles);
    for (const ProfileNode &profile : profiles) {
        const QString name = QString::fromUtf8(profile.name);
        ui->comboBox_Profile->addItem(name, QString::fromLatin1(profile.index));
        m_profileNames.insert(keyOperateNumber(profile.index), name);
    }
    ui->comboBox_Profile->setCurrentIndex(profiles.isEmpty() ? -1 : 0);

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_SwitchProfile)
        return;
    // By index, not by name: two profiles may share a name.
    const int entry = ui->comboBox_Profile->findData(QString::number(keyOperateNumber(item.value)));
    if (entry >= 0)
        ui->comboBox_Profile->setCurrentIndex(entry);
}

void DChangeProfilePage::on_comboBox_Profile_currentIndexChanged(int index)
{
    if (index >= 0)
        saveKeyInfo();
}

void DChangeProfilePage::saveKeyInfo()
{
    const int profile = ui->comboBox_Profile->currentData().toString().toInt();
    saveKeyItem(KeyOperateType_SwitchProfile, "1", "1", QString("%1").arg(profile).toLatin1());
}
