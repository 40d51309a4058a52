#pragma once

#include "app/keynamestore.h"

// The data manager's view of the store, for naming the macro, profile or
// advanced key that a key's function refers to.
class TavrixXmlKeyNameStore : public KeyNameStore
{
public:
    QList<Macro> macros(const QByteArray &macroXmlPath) override;
    bool profileName(const QByteArray &profilePath, const QByteArray &profileIndex, QString *name) override;
    bool seniorKeys(const QByteArray &seniorKeyXmlPath, QList<SeniorKey> *keys) override;
};
