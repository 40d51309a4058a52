#include "advancedkeys/dallkeysitemkey.h"

DAllKeysItemKey::DAllKeysItemKey() : QPushButton(nullptr)
{ }

void DAllKeysItemKey::setKeyInfo(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    setText(keyCharacter);
}
