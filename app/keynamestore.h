#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What naming a key's function needs from the profile, macro and advanced-key
// store. The data manager asks through this interface so the names work with
// whatever store the application has started, and tests can give their own.
class KeyNameStore
{
public:
    struct Macro
    {
        QByteArray index;  // decimal text as stored
        QString name;
    };
    struct SeniorKey
    {
        int bindingIndex = 0;
        QString name;
    };

    virtual ~KeyNameStore() = default;

    // The macros of the macro file, in file order; empty when it cannot be read.
    virtual QList<Macro> macros(const QByteArray &macroXmlPath) = 0;
    // The name of the profile with that index text; false when there is none.
    virtual bool profileName(const QByteArray &profilePath, const QByteArray &profileIndex, QString *name) = 0;
    // The stored advanced keys; false when the file cannot be read.
    virtual bool seniorKeys(const QByteArray &seniorKeyXmlPath, QList<SeniorKey> *keys) = 0;
};
