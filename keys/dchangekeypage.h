#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that remaps the key to another key. For now it offers only
// the common contract and takes the key captured through the global hook; its
// controls come with the page itself.
class DChangeKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;

    // The key captured while the page's key picker is open.
    virtual void setTargetKey(int keyDec) { m_targetKey = keyDec; }
    int targetKey() const { return m_targetKey; }

private:
    int m_targetKey = -1;
};
