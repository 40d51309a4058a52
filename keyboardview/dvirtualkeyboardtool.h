#pragma once

#include <QWidget>

class DSoftKeyboardPage;
namespace Ui {
class DVirtualKeyboardTool;
}

// The "Virtual Keyboard" panel: a title bar over one soft keyboard, on which the
// remap and key-combination pages pick a target key. It reports the clicked key
// by its code and forwards the soft keyboard's highlight operations.
class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT

public:
    // Any product name serves: every product maps to the US soft keyboard.
    static constexpr const char *kProductName = "QR108";

    // mode 0 for the remap page, 1 (highlighting) for the combination page.
    DVirtualKeyboardTool(int mode, QWidget *parent = nullptr);
    ~DVirtualKeyboardTool() override;

    void retranslateTexts();
    void applyTheme();
    void setKeyHighlightEnabled(bool enabled);
    void highlightKey(int keyDec);
    void clearKeyHighlights();
    DSoftKeyboardPage *softKeyboard() const { return m_softKeyboard; }

Q_SIGNALS:
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);

public Q_SLOTS:
    void onSoftKeyboardClicked(int keyDec, const QString &keyCharacter);

private:
    Ui::DVirtualKeyboardTool *ui;
    DSoftKeyboardPage *m_softKeyboard = nullptr;
};
