#include "keyboardview/keyboardpicturetable.h"

#include <iterator>

namespace {

// The sizes follow from each layout's geometry: a 32-pixel key pitch, a
// 12-pixel case rim and an 8-pixel gap below the function row.
const KeyboardPictureTable::Row kRows[] = {
    {"QR108", 744, 224, 0, false},
    {"QM68", 544, 184, 0, false},
    // The wireless model reports a keyboard mode; its picture shows which.
    {"QB84", 544, 224, 3, false},
};

}  // namespace

const KeyboardPictureTable::Row *KeyboardPictureTable::find(const QString &model)
{
    for (const Row &row : kRows) {
        if (model == QLatin1String(row.model))
            return &row;
    }
    return nullptr;
}

QSize KeyboardPictureTable::pictureSize(const QString &model)
{
    const Row *row = find(model);
    return row ? QSize(row->width, row->height) : QSize(0, 0);
}

int KeyboardPictureTable::variantCount(const QString &model)
{
    const Row *row = find(model);
    return row ? row->variantCount : 0;
}

bool KeyboardPictureTable::hasTallEnter(const QString &model)
{
    const Row *row = find(model);
    return row && row->tallEnter;
}

QStringList KeyboardPictureTable::models()
{
    QStringList names;
    for (const Row &row : kRows)
        names << QLatin1String(row.model);
    return names;
}

QString KeyboardPictureTable::pictureFileName(const QString &model, int variant)
{
    const QString suffix = (variant >= 0 && variant <= 2) ? QStringLiteral("_%1").arg(variant) : QString();
    return QStringLiteral("Keyboard_") + model + suffix + QStringLiteral(".png");
}
