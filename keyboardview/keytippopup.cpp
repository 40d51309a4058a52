#include "keyboardview/keytippopup.h"

#include <QWidget>

KeyTipPopup::KeyTipPopup(QObject *parent) : QObject(parent)
{ }

QPoint KeyTipPopup::positionAbove(const QWidget *key)
{
    const QPoint bottomCentre = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
    return bottomCentre - QPoint(kWidth / 2, key->height() + kHeight);
}

void KeyTipPopup::showAbove(QWidget *key, const KeyTipContent &content)
{
    m_content = content;
    m_anchor = key;
    m_shown = true;
}

void KeyTipPopup::hide()
{
    m_shown = false;
    m_anchor = nullptr;
}
