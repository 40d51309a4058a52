#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QMap>

namespace Ui {
class DChangProfilePage;
}

// The "Switch Profile" function page: the key switches the application to one
// profile of the layer file. New keys are not offered this function, but a key
// that holds one shows it here and can be pointed at another profile.
class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

public Q_SLOTS:
    void on_comboBox_Profile_currentIndexChanged(int index);

private:
    void saveKeyInfo();

    Ui::DChangProfilePage *ui;
    QMap<int, QString> m_profileNames;
};
