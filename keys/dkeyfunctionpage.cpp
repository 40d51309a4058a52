#include "keys/dkeyfunctionpage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "sdk/tavrixxml.h"

DKeyFunctionPage::DKeyFunctionPage(QWidget *parent) : QWidget(parent)
{ }

void DKeyFunctionPage::loadKeyInfo()
{
    const DDataManager *dm = DDataManager::getInstance();
    m_keyCode = dm->getClickedKeyCode();
    m_keyName = dm->getClickedKeyChar();
    m_profileIndex = dm->getCurProfileIndex();
    m_profilePath = dm->getCurProfilePath();
}

bool DKeyFunctionPage::saveKeyItem(int operateType, const QByteArray &param1, const QByteArray &param2,
                                   const QByteArray &value)
{
    const QByteArray index = QByteArray::number(m_profileIndex);
    const QByteArray code = QByteArray::number(m_keyCode);
    const QByteArray name = m_keyName.toUtf8();
    const bool deleted = CTavrixXML_DeleteProFileMacroWithKeyInfoItem(m_profilePath, index, code, name);
    const bool added = deleted
        && CTavrixXML_AddProFileMacroWithKeyInfoItem(m_profilePath, index, code, name, QByteArray::number(operateType),
                                                     param1, param2, value);
    if (!added) {
        // A failed write must not read as success: the key keeps whatever the
        // store still holds, and the host says the save failed.
        noteStoreFailure();
        qCDebug(lcKeys) << "Key item not stored:" << m_profilePath << index << code << operateType;
        emit sigCustomKeyInfoSaveFailed(operateType, SaveFailure_StoreWrite);
        return false;
    }
    emit sigShouldUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
    return true;
}

void DKeyFunctionPage::noteStoreFailure()
{
    m_storeFailure = CTavrixXML_FailureText(CTavrixXML_LastFailure());
}

QString DKeyFunctionPage::titleSheet()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    return QStringLiteral("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor);
}

QString DKeyFunctionPage::keyCaptionSheet()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    return QStringLiteral("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }")
        .arg(theme.TextCheckedColor, theme.DeviceBorderColor);
}

QString DKeyFunctionPage::buttonSheet()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    return QStringLiteral("QPushButton{ border-radius: 8px; border: 3px solid rgb(%1); background-color: rgb(%2); "
                          "color: rgb(%3); }"
                          "QPushButton:hover{ background-color: rgb(%4); border: 3px solid rgb(%6); }"
                          "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%5); "
                          "border: 3px solid rgb(%6); }")
        .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceRightBgColor,
             theme.DeviceRightBgColor, theme.TextCheckedColor);
}

QFont DKeyFunctionPage::themeFont(int pointSize)
{
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(pointSize);
    return font;
}
