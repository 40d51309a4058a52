#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that gives the key a mouse function. For now it offers only the common contract;
// its controls come with the page itself.
class DMouseKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
