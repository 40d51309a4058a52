#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QMap>

namespace Ui {
class DMacroCmdPage;
}

// The "Macro" function page: binds one macro of the macro file to the key with
// a play mode (once, a number of times, on/off, while held). Every change is
// stored at once; binding a macro that no key of the profile uses yet also puts
// a copy of the macro into the profile, from which the download sends it.
class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    enum PlayMode
    {
        PlayMode_Once = 1,
        PlayMode_Times = 2,
        PlayMode_Toggle = 3,
        PlayMode_WhilePressed = 4,
    };
    static constexpr int kMinPlayCount = 1;
    static constexpr int kMaxPlayCount = 255;

    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

    int macroIndex() const { return m_macroIndex; }
    int playCount() const { return m_playCount; }
    int playMode() const { return m_playMode; }

public Q_SLOTS:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhileKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &arg1);
    void onComboBoxActivated(int index);

private:
    void selectPlayMode(int mode);
    void apply();
    void saveKeyInfo(int count, int mode);
    // The count the field holds when it is one the keyboard can play; 0 otherwise.
    int fieldCount() const;

    Ui::DMacroCmdPage *ui;
    QByteArray m_macroFilePath;
    int m_macroIndex = 0;
    int m_playCount = 1;
    int m_playMode = PlayMode_Once;
    QMap<int, QString> m_macroNames;
};
