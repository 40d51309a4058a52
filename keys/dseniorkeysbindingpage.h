#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that binds an advanced key to the key. For now it offers only the common contract;
// its controls come with the page itself.
class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
