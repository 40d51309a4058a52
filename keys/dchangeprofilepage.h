#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QMap>

namespace Ui {
class DChangeProfilePage;
}

// The "Switch Profile" function page: the key switches the application to one
// profile of the layer file. New keys are not offered this function, but a key
// that holds one shows it here and can be pointed at another profile.
class DChangeProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangeProfilePage(QWidget *parent = nullptr);
    ~DChangeProfilePage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

public Q_SLOTS:
    void on_comboBox_Profile_currentIndexChanged(int index);

private:
    void saveKeyInfo();

    Ui::DChangeProfilePage *ui;
    QMap<int, QString> m_profileNames;
};
