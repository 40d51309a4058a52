#pragma once

#include "keyboardview/keylayoutrecord.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// One key entry of a layout file with its place in the 6 x 22 key grid.
struct KeyLayoutKey
{
    int row = 0;     // grid row 0..5 (file row 1..6)
    int column = 0;  // grid column 0..21 (place in the row's array)
    int code = 0;    // "Dec": HID usage, -10 for Fn, 0 for a placeholder
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    QString caption;
};

// One side-light entry of row 0.
struct KeyLayoutSegment
{
    int index = 0;
    int validStatus = 0;
    int sidePosition = 0;
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
};

// Everything the key layer reads from a keyboard layout file.
struct KeyLayout
{
    bool hasHeader = false;  // "Keyboard" present; the header facts below are valid only then
    bool sideLightHave = false;
    bool specialEnterKey = false;
    int hidDeviceType = 0;
    QVector<KeyLayoutKey> keys;  // reading order: row 1 columns 0..21, then row 2, ...
    QVector<KeyLayoutSegment> segments;

    QVector<KeyLayoutRecord> keyRecords() const;
    QVector<KeyLayoutRecord> segmentRecords() const;
};

// Reader of the keyboard layout files "KeyInfo_<model>.config" (JSON parsed with
// cJSON, which also takes the leading zeros the files carry).
//
// The key layer keeps a fixed 6 x 22 grid and other parts regroup the key
// records by 22, so a file whose key rows would leave grid places unfilled or
// spill past them (a missing key row, a row with other than 22 entries, an entry
// without its required members or with a size out of range) is rejected whole,
// with a debug line naming it, rather than read in part.
class KeyLayoutFile
{
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeyCount = kRows * kColumns;
    static constexpr int kMargin = 10;  // frame margin added to every element's position
    static constexpr int kMaxCoordinate = 4096;

    static QString fileName(const QString &model);
    static QString resourcePath(const QString &model);

    // Reads and parses the model's layout resource; false when there is none or
    // it is rejected (out is then left empty).
    static bool load(const QString &model, KeyLayout *out);
    // Parses a layout text; sourceName names it in debug lines.
    static bool parse(const QByteArray &text, const QString &sourceName, KeyLayout *out);
};
