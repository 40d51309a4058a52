#pragma once

#include <QMap>
#include <QWidget>

namespace Ui {
class DAllKeysShowPage;
}
class FlowLayout;

// The panel of all keys an advanced key can use, in three groups (modifiers, letters and
// digits, special keys), read once from the key list in the resources. It reports the clicked
// key and hands out its map from key code to caption.
class DAllKeysShowPage : public QWidget
{
    Q_OBJECT

public:
    explicit DAllKeysShowPage(QWidget *parent = nullptr);
    ~DAllKeysShowPage() override;

    QMap<int, QString> getAllKeysMap() const { return m_keysMap; }

    void loadKeyboardInfo();
    void parseKeyboardInfo(const QByteArray &text);

public Q_SLOTS:
    void onKeyButtonClicked();

Q_SIGNALS:
    void sigKeyListClicked(int keyDec, QString keyCharacter);
    void sigAllKeysInfoAlreadyLoadedA();

private:
    Ui::DAllKeysShowPage *ui;
    FlowLayout *m_groups[3] = {};
    QMap<int, QString> m_keysMap;
};
