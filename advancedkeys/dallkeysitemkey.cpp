#include "advancedkeys/dallkeysitemkey.h"

DAllKeysItemKey::DAllKeysItemKey() : QPushButton(nullptr)
{ }

void DAllKeysItemKey::setKeyInfo(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    // Shown literally: a lone '&' (the key "7&") would otherwise mark a mnemonic.
    setText(QString(keyCharacter).replace(QLatin1Char('&'), QStringLiteral("&&")));
    setAccessibleName(keyCharacter);
}
