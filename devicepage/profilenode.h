#pragma once

#include <QByteArray>

// One profile of a layer file as the store lists it: index as decimal text, name
// as UTF-8, both whole.
struct ProfileNode
{
    QByteArray index;
    QByteArray name;
};
