#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QList>

// The function page that gives the key a modifier combination. For now it offers
// only the common contract and takes the keys captured through the global hook;
// its controls come with the page itself.
class DKeyCombinationPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;

    // A key captured while the page's key picker is open.
    virtual void addCapturedKey(int keyDec) { m_capturedKeys.append(keyDec); }
    QList<int> capturedKeys() const { return m_capturedKeys; }

private:
    QList<int> m_capturedKeys;
};
