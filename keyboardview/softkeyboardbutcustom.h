#pragma once

#include <QToolButton>

// One key of the on-screen keyboard: a tool button styled entirely by style
// sheets, with a normal look and a highlighted look (also shown while the pointer
// is over it). A look is a text style followed by the background style.
class QFontMetrics;

class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    // Kind 0: a key of the soft keyboard. Kind 1: also reports a right press and
    // the pointer entering and leaving.
    explicit SoftKeyboardButCustom(QWidget *parent = nullptr);
    SoftKeyboardButCustom(int kind, QWidget *parent);

    void setKeySize(int w, int h);
    void setButtonSize(int w, int h) { setKeySize(w, h); }
    void setKeyInfo(int keyDec, const QString &keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_caption; }

    // 0 normal look, 1 highlighted look; 2, 3 and 4 the normal text on a blue,
    // green or red key.
    void setKeyState(int state);
    void setSelectedState(int state) { setKeyState(state); }
    int keyState() const { return m_state; }
    bool isHighlighted() const { return m_state == 1; }
    void setRestoreOnLeave(bool restore) { m_restoreOnLeave = restore; }
    bool restoreOnLeave() const { return m_restoreOnLeave; }
    // Colours as "r,g,b" texts.
    void setThemeColors(const QString &textColor, const QString &highlightColor, const QString &buttonColor);

    // The text shown for a key code and its caption.
    static QString shownText(int keyDec, const QString &keyCharacter);
    // text as it fits a key of that room: on two lines, broken after a '/' or at a
    // space, when one line is too wide and two lines fit the height.
    static QString fittedText(const QString &text, const QFontMetrics &metrics, int width, int height);

Q_SIGNALS:
    void sigButtonMouseRightKeyClicked(int keyDec, QString keyCharacter);
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyLook(int state);
    void showCaption();

    int m_kind = 0;
    int m_width = 0;
    int m_height = 0;
    int m_keyDec = 0;
    QString m_caption;
    int m_state = 0;
    bool m_restoreOnLeave = true;
    QString m_selectedTextStyle;
    QString m_normalTextStyle;
    QString m_backgroundStyle;
};
