#pragma once

#include <QByteArray>

// What the store tells about one profile. Callers read the name (UTF-8, whole,
// NUL-terminated through constData()).
struct ProfileNodeInfo
{
    QByteArray index;
    QByteArray name;
};
