#pragma once

#include "widgets/dcustomeventtipexplain.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class ArrowWidget;

// The tip that the key layer shows above a key: one arrow pop-up holding one
// key-tip content, created once and reused for every hover.
class KeyTipPopup : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 120;
    static constexpr int kArrowX = 123;

    explicit KeyTipPopup(QObject *parent = nullptr);
    ~KeyTipPopup() override;

    void showAbove(QWidget *key, const CustomEventTipInfo &content);
    void hide();
    bool isShown() const { return m_shown; }
    CustomEventTipInfo content() const { return m_content; }
    QWidget *anchor() const { return m_anchor; }
    ArrowWidget *popup() const { return m_popup; }
    DCustomEventTipExplain *tip() const { return m_tip; }

    // Screen point of the pop-up's top left: centred above the key, its lower
    // edge on the key's upper edge.
    static QPoint positionAbove(const QWidget *key);

Q_SIGNALS:
    // The pointer entered the pop-up.
    void sigMouseEnter();

private:
    ArrowWidget *m_popup = nullptr;           // a window of its own, deleted with this object
    DCustomEventTipExplain *m_tip = nullptr;  // owned by the pop-up
    CustomEventTipInfo m_content;
    QPointer<QWidget> m_anchor;
    bool m_shown = false;
};
