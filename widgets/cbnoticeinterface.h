#pragma once

class QPoint;
class QString;

// The three ways of showing a toast. Owners keep the concrete notice as a child
// widget, so the interface is never used to delete one: its destructor is
// protected and not virtual.
class CbNoticeInterface
{
public:
    // Shows the current text again, centred on the anchor point.
    virtual void showAgain() = 0;
    // Shows the text centred on the anchor point.
    virtual void showMessage(const QString &text) = 0;
    // Shows the text centred on centre (owner coordinates); (0, 0) means the anchor point.
    virtual void showMessageAt(const QString &text, const QPoint &centre) = 0;

protected:
    ~CbNoticeInterface() = default;
};
