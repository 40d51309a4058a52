#include "advancedkeys/dallkeysitemkey.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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

void DAllKeysItemKey::paintEvent(QPaintEvent *)
{
    // As QPushButton paints, but a key's caption reads as printed on the key ("1!",
    // "Num/"); a painter starts in the application's direction.
    QStylePainter painter(this);
    painter.setLayoutDirection(Qt::LeftToRight);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}
