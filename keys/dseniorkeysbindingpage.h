#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "keys/dkeyfunctionpage.h"

#include <QMap>

namespace Ui {
class DSeniorKeysBindingPage;
}

// The "Senior Keys" function page: binds one advanced key of the advanced-key
// file to the key. Choosing an entry stores it at once, the one shown included.
class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
    ~DSeniorKeysBindingPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

    int chosenId() const { return m_chosenId; }

public Q_SLOTS:
    void onComboBoxActivated(int index);

private:
    void saveKeyInfo();

    Ui::DSeniorKeysBindingPage *ui;
    QByteArray m_seniorKeyFilePath;
    int m_chosenId = 0;
    QMap<int, SeniorKeyInfo> m_seniorKeys;
};
