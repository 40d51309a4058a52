#pragma once

#include "keys/dkeyfunctionpage.h"

// The function page that gives the key a multimedia function. For now it offers only the common contract;
// its controls come with the page itself.
class DMultimediaPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;
};
