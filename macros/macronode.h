#pragma once

#include <QByteArray>

// One macro as the macro store lists it. Both texts come back whole, as stored:
// index is decimal digits without leading zeros, name is UTF-8.
struct MacroNode
{
    QByteArray index;
    QByteArray name;
};
