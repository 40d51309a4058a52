#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

// What a key's tip shows, in the field order of the shared key-tip record.
struct KeyTipContent
{
    QString keyName;
    QString functionName;
    QString functionDetail;
    bool canRemap = true;
};

// The tip that the key layer shows above a key: one pop-up, created once and
// reused for every hover. It keeps what it shows and where, so the key layer's
// rules can be checked without a window system.
//
// The shared arrow pop-up and key-tip widgets are not in the application yet;
// until they are, the tip is kept but not drawn.
class KeyTipPopup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 120;
    static constexpr int kArrowX = 123;

    explicit KeyTipPopup(QObject *parent = nullptr);

    void showAbove(QWidget *key, const KeyTipContent &content);
    void hide();
    bool isShown() const { return m_shown; }
    KeyTipContent content() const { return m_content; }
    QWidget *anchor() const { return m_anchor; }

    // Screen point of the pop-up's top left: centred above the key, its lower
    // edge on the key's upper edge.
    static QPoint positionAbove(const QWidget *key);

Q_SIGNALS:
    // The pointer entered the pop-up.
    void sigMouseEnter();

private:
    KeyTipContent m_content;
    QPointer<QWidget> m_anchor;
    bool m_shown = false;
};
