#include "keys/dradiofunctionpage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"

#include <QRadioButton>

namespace {

// The numbers of a stored value: "2,1" gives 2 and 1; parts beyond the text, or
// that hold no number, count 0.
int valuePart(const QList<QByteArray> &parts, int i)
{
    return i < parts.size() ? keyOperateNumber(parts.at(i)) : 0;
}

}  // namespace

DRadioFunctionPage::DRadioFunctionPage(QWidget *parent) : DKeyFunctionPage(parent)
{ }

void DRadioFunctionPage::setFunctions(const RadioFunctionEntry *entries, int count)
{
    m_entries = entries;
    m_buttons.clear();
    for (int i = 0; i < count; ++i) {
        auto *button = findChild<QRadioButton *>(QString::fromLatin1(entries[i].object));
        Q_ASSERT(button);
        m_buttons << button;
        connect(button, &QRadioButton::clicked, this, [this, i] { onFunctionClicked(i); });
    }
}

void DRadioFunctionPage::retranslateButtons()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setText(QObject::tr(m_entries[i].text));
}

QString DRadioFunctionPage::radioSheet()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    return QStringLiteral("QRadioButton{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                          "QRadioButton:checked{ color: rgb(%2); }"
                          "QRadioButton::indicator{ width: 10px; height: 10px; border-radius: 6px; "
                          "border: 2px solid white; }"
                          "QRadioButton::indicator:checked{ background-color: rgb(%2); }")
        .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont);
}

int DRadioFunctionPage::entryForItem(const KeyOperateInfo &item) const
{
    if (keyOperateNumber(item.keyDec) == -1)
        return -1;
    const int type = keyOperateNumber(item.operateType);
    const int param2 = keyOperateNumber(item.param2);
    const QList<QByteArray> stored = keyOperateField(item.value).split(',');
    for (int i = 0; i < m_buttons.size(); ++i) {
        const RadioFunctionEntry &entry = m_entries[i];
        if (entry.operateType != type || (entry.matchParam2 && entry.param2 != param2))
            continue;
        const QList<QByteArray> own = QByteArray(entry.value).split(',');
        bool same = true;
        for (int part = 0; part < entry.valueParts && same; ++part)
            same = valuePart(stored, part) == valuePart(own, part);
        if (same)
            return i;
    }
    return -1;
}

void DRadioFunctionPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    selectOnly(entryForItem(item));
}

void DRadioFunctionPage::selectOnly(int entry)
{
    // Exclusive radio buttons cannot all be off unless exclusion is lifted.
    for (int i = 0; i < m_buttons.size(); ++i) {
        QRadioButton *button = m_buttons.at(i);
        button->setAutoExclusive(false);
        button->setChecked(i == entry);
        button->setAutoExclusive(true);
    }
}

void DRadioFunctionPage::onFunctionClicked(int entry)
{
    m_chosen = entry;
    const RadioFunctionEntry &function = m_entries[entry];
    saveKeyItem(function.operateType, "1", QByteArray::number(function.param2), QByteArray(function.value));
}
