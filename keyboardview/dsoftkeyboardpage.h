#pragma once

#include <QList>
#include <QMap>
#include <QWidget>

class SoftKeyboardButCustom;
namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard: one key button per key of a soft-keyboard layout file,
// placed where the file says. A click reports the key's code and caption; in
// mode 1, once the host switches highlighting on, clicked keys stay highlighted
// (at most two modifiers at a time) so the user sees a combination being built.
// Loading a layout also hands the data manager the tables from Windows
// virtual-key codes to key codes and from key codes to captions.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kUsLayoutCode = 31;
    static constexpr int kPageWidth = 1000;
    static constexpr int kPageHeight = 245;

    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }
    void loadKeyboardInfo(const QString &productName);
    // Loads the layout of a layout code; false when it has none or it is not JSON.
    bool loadLayout(int layoutCode);
    bool parseKeyboardInfo(const QByteArray &text);
    int layoutCode() const { return m_layoutCode; }

    void setKeyHighlightEnabled(bool enabled) { m_highlightEnabled = enabled; }
    void highlightKey(int keyDec);
    void clearKeyHighlights();
    void applyTheme();
    // Shows the keys the page names itself (language keys, K14 ...) in the
    // language now installed.
    void retranslateCaptions();

    QMap<int, SoftKeyboardButCustom *> keyButtons() const { return m_keys; }
    QMap<int, QString> keyCaptions() const { return m_captions; }
    QMap<int, int> virtualKeyMap() const { return m_vkToKey; }
    QList<SoftKeyboardButCustom *> highlightedKeys() const { return m_highlighted; }

    static QString layoutFileName(int layoutCode);

Q_SIGNALS:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

public Q_SLOTS:
    void onKeyButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QString captionFor(int keyDec, const QString &fileCaption) const;
    static bool isModifier(int keyDec);

    Ui::DSoftKeyboardPage *ui;
    int m_mode = -1;
    bool m_highlightEnabled = false;
    QMap<int, QString> m_captions;
    QMap<int, int> m_vkToKey;
    QList<SoftKeyboardButCustom *> m_highlighted;
    int m_modifierCount = 0;
    QMap<int, SoftKeyboardButCustom *> m_keys;
    QString m_highlightColor = QStringLiteral("255,49,53");
    QString m_textColor = QStringLiteral("30,30,30");
    QString m_keyColor = QStringLiteral("75,75,75");
    int m_layoutCode = kUsLayoutCode;
};
