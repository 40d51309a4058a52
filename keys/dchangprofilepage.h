#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that shows a stored profile-switch function. For now it offers only the common contract;
// its controls come with the page itself.
class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
