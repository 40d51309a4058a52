#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that binds a macro to the key with a play mode. For now it offers only the common contract;
// its controls come with the page itself.
class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
