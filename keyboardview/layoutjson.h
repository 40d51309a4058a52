#pragma once

#include <QString>

#include <cjson/cJSON.h>

#include <memory>

// Small helpers shared by the readers of the layout files (keyboard and soft
// keyboard), which are JSON texts parsed with cJSON.
namespace LayoutJson {

using Ptr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// Parses the first complete JSON value of text; what follows it is ignored.
Ptr parseFirstValue(const QByteArray &text);

// An integer member; false when it is missing or not a number.
bool intMember(const cJSON *object, const char *name, int *value);

// The key caption made from a "Character" member: the value written out as a
// JSON string literal (backslash before quotes and backslashes), decoded from the
// local 8-bit encoding, with every double quote removed. Empty when the member is
// missing or not a string.
QString caption(const cJSON *character);

// Name of layout row n ("EveryKeyInfo_Row0n").
QByteArray rowName(int row);

}  // namespace LayoutJson
