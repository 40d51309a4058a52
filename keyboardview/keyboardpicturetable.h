#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Facts of each keyboard model's picture: its size in picture pixels (the frame
// is 20 pixels larger, for a 10-pixel margin around it), how many mode variants
// of the picture exist, and whether its special Enter key has the taller upper
// part. Every model with a layout file has a row; the layouts keep every key
// inside its model's size.
class KeyboardPictureTable
{
public:
    struct Row
    {
        const char *model;
        int width;
        int height;
        int variantCount;  // pictures "_0", "_1", ... besides the plain one
        bool tallEnter;    // special Enter drawn with its lower part 35 px down
    };

    // (0, 0) for a model without a row.
    static QSize pictureSize(const QString &model);
    static int variantCount(const QString &model);
    static bool hasTallEnter(const QString &model);
    static QStringList models();

    // File name of a picture beside the executable: "Keyboard_<model>.png", or
    // with "_<variant>" before ".png" for variants 0, 1 and 2.
    static QString pictureFileName(const QString &model, int variant = -1);

private:
    static const Row *find(const QString &model);
};
