#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that has the key launch an application. For now it offers only the common contract;
// its controls come with the page itself.
class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
