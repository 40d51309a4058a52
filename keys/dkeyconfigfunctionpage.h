#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that gives the key a keyboard function. For now it offers only the common contract;
// its controls come with the page itself.
class DKeyConfigFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
