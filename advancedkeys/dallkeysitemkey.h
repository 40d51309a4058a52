#pragma once

#include <QPushButton>

// One key button of the all-keys picker: its key code (HID usage) and caption.
class DAllKeysItemKey : public QPushButton
{
    Q_OBJECT

public:
    DAllKeysItemKey();

    void setKeyInfo(int keyDec, const QString &keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_keyDec = 0;
    QString m_keyCharacter;
};
