#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class CbNotice;
class QSettings;

namespace Ui {
class DSettingsDia;
}

// The settings dialog: language, auto start, close to tray and the firmware check
// on its General page, the maker's texts on its About page. What it shows is read
// from the settings file when it opens, and every change is written at once, so
// nothing is saved on close. The theme section is built but stays hidden.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);
    ~DSettingsDia() override;

    // Tells the user that the firmware check found nothing to update.
    void showNoUpgradeableDevices();
    CbNotice *notice() const { return m_notice; }

    // Loads and installs the translation of a language number; the application
    // object's loader unless replaced (tests replace it).
    using LanguageLoader = std::function<bool(int language)>;
    static void setLanguageLoader(LanguageLoader loader);

    // Language number stored for a language box text; 1 when none matches.
    static int languageIndexForText(const QString &text);
    // The box text of a stored language number; empty when there is none.
    static QString languageText(int index);

Q_SIGNALS:
    void sigSettingsWindowClose();
    void sigUpdateAllUI();
    void sigChangeAppTheme(int index);
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();

public Q_SLOTS:
    void onCurIndexChanged(int selIndex);
    void onLinkActivated(QString str);
    void reject() override;

private Q_SLOTS:
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(const QString &text);
    void on_comboBox_Theme_currentIndexChanged(const QString &text);
    void on_pushButton_UpgradeCheck_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckAppUpdate_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setTexts();
    void fillThemeBox();
    void selectTheme(int index);
    void fillAboutPage();
    void applyTheme();
    void updateLinkText();
    void showNotice(const QString &text);
    void writeSetting(const QString &key, const QVariant &value);
    void signalClose();

    Ui::DSettingsDia *m_ui = nullptr;
    CbNotice *m_notice = nullptr;
    QString m_companyLink;
    QString m_companyName;
    QString m_settingsPath;
    QSettings *m_settings = nullptr;
    int m_themeIndex = 0;
    bool m_closeSignalled = false;
};
