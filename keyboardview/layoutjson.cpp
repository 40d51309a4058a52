#include "keyboardview/layoutjson.h"

#include <QByteArray>

namespace LayoutJson {

Ptr parseFirstValue(const QByteArray &text)
{
    return Ptr(cJSON_ParseWithLengthOpts(text.constData(), size_t(text.size()), nullptr, 0), &cJSON_Delete);
}

bool intMember(const cJSON *object, const char *name, int *value)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, name);
    if (!cJSON_IsNumber(item))
        return false;
    *value = item->valueint;
    return true;
}

QString caption(const cJSON *character)
{
    if (!cJSON_IsString(character))
        return QString();
    char *printed = cJSON_PrintUnformatted(character);
    if (!printed)
        return QString();
    QString text = QString::fromLocal8Bit(printed);
    cJSON_free(printed);
    text.remove(QLatin1Char('"'));
    return text;
}

QByteArray rowName(int row)
{
    return QByteArray("EveryKeyInfo_Row0") + QByteArray::number(row);
}

}  // namespace LayoutJson
