#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that has the key type a text. For now it offers only the common contract;
// its controls come with the page itself.
class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
