#include "keys/dkeycodechoicepage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

DKeyCodeChoicePage::DKeyCodeChoicePage(int operateType, QWidget *parent)
    : DKeyFunctionPage(parent), m_operateType(operateType)
{ }

void DKeyCodeChoicePage::setChoices(QLabel *title, const char *titleText, const KeyCodeChoice *choices, int count)
{
    m_title = title;
    m_titleText = titleText;
    m_choices = choices;
    m_count = count;
    m_group = new QButtonGroup(this);
    for (int i = 0; i < count; ++i) {
        auto *button = findChild<QRadioButton *>(QString::fromLatin1(choices[i].objectName));
        Q_ASSERT(button);
        if (button)
            m_group->addButton(button, choices[i].code);
    }
    // A click stores; checking a button from a load does not.
    connect(m_group, &QButtonGroup::idClicked, this, &DKeyCodeChoicePage::saveKeyInfo);
}

void DKeyCodeChoicePage::retranslateTexts()
{
    retranslateForm();
    if (m_title)
        m_title->setText(QCoreApplication::translate("QObject", m_titleText));
    for (int i = 0; i < m_count; ++i)
        if (QAbstractButton *button = m_group->button(m_choices[i].code))
            button->setText(QCoreApplication::translate("QObject", m_choices[i].text));
}

void DKeyCodeChoicePage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QStringLiteral("QRadioButton{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                                 "QRadioButton:unchecked{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                                 "QRadioButton:checked{ color: rgb(%2); font: 75 10pt \"%3\"; }"
                                 "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px; "
                                 "border: 2px solid white; }")
                      .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
    if (m_title) {
        m_title->setStyleSheet(
            QStringLiteral("QLabel#%1{ color: rgb(%2);}").arg(m_title->objectName(), theme.TextDefaultColor));
        m_title->setFont(themeFont(12));
    }
}

void DKeyCodeChoicePage::clearSelection()
{
    // An exclusive group keeps one button checked; let go of it for a moment.
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(true);
}

void DKeyCodeChoicePage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    clearSelection();

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != m_operateType)
        return;
    // A code without a button (one the page never writes) checks nothing.
    if (QAbstractButton *button = m_group->button(keyOperateNumber(item.value)))
        button->setChecked(true);
}

void DKeyCodeChoicePage::saveKeyInfo(int code)
{
    saveKeyItem(m_operateType, "1", "1", QByteArray::number(code));
}

QAbstractButton *DKeyCodeChoicePage::choiceButton(int code) const
{
    return m_group ? m_group->button(code) : nullptr;
}

int DKeyCodeChoicePage::checkedCode() const
{
    return m_group ? m_group->checkedId() : -1;
}
