#include "keys/dseniorkeysbindingpage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"
#include "ui_dseniorkeysbindingpage.h"
#include "widgets/themedcombobox.h"

#include <QSignalBlocker>

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyFunctionPage(parent), ui(new Ui::DSeniorKeysBindingPage)
{
    ui->setupUi(this);
    retranslateTexts();
    connect(ui->comboBox_SeniorKeys, QOverload<int>::of(&QComboBox::activated), this,
            &DSeniorKeysBindingPage::onComboBoxActivated);
}

DSeniorKeysBindingPage::~DSeniorKeysBindingPage()
{
    delete ui;
}

void DSeniorKeysBindingPage::retranslateTexts()
{
    ui->label_2->setText(QObject::tr("Senior Keys"));
    ui->comboBox_SeniorKeys->setPlaceholderText(QObject::tr("Select an advanced key"));
}

void DSeniorKeysBindingPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    ui->label_2->setStyleSheet(
        QStringLiteral("QLabel{ color: rgb(%1); font: 75 12pt \"%2\"; }").arg(theme.TextDefaultColor, theme.TextFont));
    ThemedComboBox::apply(ui->comboBox_SeniorKeys, ThemedComboBox::functionPageSheet(theme));
}

void DSeniorKeysBindingPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    m_seniorKeyFilePath = DDataManager::getInstance()->getSeniorKeyXmlPath();
    m_seniorKeys.clear();
    const QSignalBlocker block(ui->comboBox_SeniorKeys);
    ui->comboBox_SeniorKeys->clear();

    QList<SeniorKeyInfo> records;
    if (CTavrixXML_SeniorKey_SelectAllInfoItem(m_seniorKeyFilePath, records))
        for (const SeniorKeyInfo &record : records)
            m_seniorKeys.insert(record.bindingIndex, record);
    for (const SeniorKeyInfo &record : qAsConst(m_seniorKeys))
        ui->comboBox_SeniorKeys->addItem(
            QString::fromUtf8(record.name, static_cast<int>(qstrnlen(record.name, sizeof record.name))),
            QString::number(record.bindingIndex));
    // No advanced key is shown as chosen until one is stored or picked.
    ui->comboBox_SeniorKeys->setCurrentIndex(-1);

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    // Only an advanced-key item names an advanced key; any other value (a key
    // code, a macro index) would point at an unrelated one.
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_SeniorKey)
        return;
    const int entry = ui->comboBox_SeniorKeys->findData(QString::number(keyOperateNumber(item.value)));
    if (entry >= 0)
        ui->comboBox_SeniorKeys->setCurrentIndex(entry);
}

void DSeniorKeysBindingPage::onComboBoxActivated(int index)
{
    if (index < 0)
        return;
    m_chosenId = ui->comboBox_SeniorKeys->itemData(index).toString().toInt();
    saveKeyInfo();
}

void DSeniorKeysBindingPage::saveKeyInfo()
{
    saveKeyItem(KeyOperateType_SeniorKey, "1", "1", QString("%1").arg(m_chosenId).toLatin1());
}
