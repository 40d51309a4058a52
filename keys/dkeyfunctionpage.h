#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

// What every key-function page offers the key-assignment page: it takes the
// selected key, the profile index and the layer file from the data manager at
// each load, stores its choice as the key's one item (delete, then add) and
// reports through the same signals. The host constructs each page once and
// connects only the signals the page's kind uses.
class DKeyFunctionPage : public QWidget
{
    Q_OBJECT

public:
    // Reasons carried by sigCustomKeyInfoSaveFailed.
    enum SaveFailure
    {
        SaveFailure_Refused = 0,     // the page's own check (empty text, no key)
        SaveFailure_StoreWrite = 1,  // the profile store did not take the change
    };

    explicit DKeyFunctionPage(QWidget *parent = nullptr);

    virtual void retranslateTexts() { }
    virtual void applyTheme() { }
    // Takes the four members from the data manager; pages that show the stored
    // item read it after calling this.
    virtual void loadKeyInfo();
    // Pages with a press-mode selector keep it hidden: every page works on the
    // layer file shown.
    virtual void setPressModeSelectable(bool) { }

    int keyCode() const { return m_keyCode; }
    QString keyName() const { return m_keyName; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }
    // The file and reason of the last SaveFailure_StoreWrite, for the host's
    // notice; empty when the store gave none.
    QString storeFailureText() const { return m_storeFailure; }

Q_SIGNALS:
    void sigShouldUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigClickedCancel();
    void sigMessageStartOrStopHook(bool isStartHook);

protected:
    // Replaces the key's item with (operateType, param1, param2, value) in the
    // layer file and profile of the last load, then reports: update and success
    // when the store holds the new item, the failure signal with
    // SaveFailure_StoreWrite when it does not. Returns whether it was stored.
    bool saveKeyItem(int operateType, const QByteArray &param1, const QByteArray &param2, const QByteArray &value);

    // Style sheets the function pages share, filled from the current theme.
    static QString titleSheet();
    static QString keyCaptionSheet();
    static QString buttonSheet();
    // The normal theme font at the given point size.
    static QFont themeFont(int pointSize);
    // Keeps the reason of the store call that just failed; call it before
    // anything else touches the store (the next call starts a new record).
    void noteStoreFailure();

    int m_keyCode = -1;
    QString m_keyName;
    int m_profileIndex = 1;
    QByteArray m_profilePath;
    QString m_storeFailure;
};
