#include "sdk/xmlstore/presetfile.h"

#include "sdk/xmlstore/storedocument.h"
#include "sdk/xmlstore/storetext.h"

#include <QXmlStreamReader>

namespace xmlstore {

namespace {

struct ItemField
{
    const char *name;
    int32_t CustomLightDataInfo::*field;
};
const ItemField kItemInts[] = {
    {"indexX", &CustomLightDataInfo::indexX}, {"indexY", &CustomLightDataInfo::indexY},
    {"colorR", &CustomLightDataInfo::colorR}, {"colorG", &CustomLightDataInfo::colorG},
    {"colorB", &CustomLightDataInfo::colorB}, {"transparentNum", &CustomLightDataInfo::transparentNum},
};

QByteArray attribute(const QXmlStreamReader &reader, const char *name, bool *ok)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(QLatin1String(name))) {
        *ok = false;
        return QByteArray();
    }
    const QByteArray text = attributes.value(QLatin1String(name)).toUtf8();
    if (text.size() > kMaxTextBytes)
        *ok = false;
    return text;
}

bool parseItem(const QXmlStreamReader &reader, CustomLightDataInfo *item)
{
    bool ok = true;
    copyToField(item->keyCode, attribute(reader, "keyCode", &ok));
    copyToField(item->codeName, attribute(reader, "codeName", &ok));
    for (const ItemField &f : kItemInts) {
        int value = 0;
        if (!ok || !parseInt(attribute(reader, f.name, &ok), &value))
            return false;
        item->*f.field = value;
    }
    return ok;
}

}  // namespace

bool parsePreset(const QByteArray &bytes, QList<PresetLed> *leds, QString *error)
{
    QXmlStreamReader reader(bytes);
    QList<PresetLed> parsed;
    QString fault;
    auto failed = [&](const QString &what) {
        if (fault.isEmpty())
            fault = QStringLiteral("%1 (line %2)").arg(what).arg(reader.lineNumber());
        return false;
    };

    OutsideTextLimit outsideTexts;
    auto textFits = [&] {
        QString what;
        int line = 0;
        return outsideTexts.fits(reader, &what, &line)
            || failed(QStringLiteral("%1 is longer than %2 bytes").arg(what).arg(kMaxTextBytes));
    };
    // The next child element of the current one: true at its start tag.
    auto nextChild = [&] {
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (!textFits() || token == QXmlStreamReader::EndElement)
                return false;
            if (token == QXmlStreamReader::StartElement)
                return true;
        }
        return false;
    };

    bool rootSeen = false;
    while (!reader.atEnd() && fault.isEmpty()) {
        const auto token = reader.readNext();
        if (!textFits())
            break;
        if (token == QXmlStreamReader::DTD) {
            failed(QStringLiteral("document type declarations are not allowed"));
        } else if (token == QXmlStreamReader::StartElement) {
            if (rootSeen || reader.name() != QLatin1String("customLight")) {
                failed(QStringLiteral("the root element is not <customLight>"));
                break;
            }
            rootSeen = true;
            while (fault.isEmpty() && nextChild()) {
                if (reader.name() != QLatin1String("customLed")) {
                    failed(QStringLiteral("unexpected element <%1>").arg(reader.name().toString()));
                    break;
                }
                PresetLed led;
                bool ok = true;
                led.index = attribute(reader, "index", &ok);
                led.name = attribute(reader, "name", &ok);
                led.isUsing = attribute(reader, "isUsing", &ok);
                if (!ok || !parseInt(attribute(reader, "usingFlagIndex", &ok), &led.usingFlagIndex)) {
                    failed(QStringLiteral("<customLed> lacks an attribute"));
                    break;
                }
                while (fault.isEmpty() && nextChild()) {
                    CustomLightDataInfo item;
                    if (reader.name() != QLatin1String("item") || !parseItem(reader, &item)) {
                        failed(QStringLiteral("<customLed> holds an element that is no complete <item>"));
                        break;
                    }
                    led.items.append(item);
                    if (nextChild())
                        failed(QStringLiteral("<item> holds an element"));
                }
                parsed.append(led);
            }
        }
    }
    if (reader.hasError())
        failed(reader.errorString());
    else if (!rootSeen)
        failed(QStringLiteral("no root element"));
    if (!fault.isEmpty()) {
        if (error)
            *error = fault;
        return false;
    }
    *leds = parsed;
    return true;
}

}  // namespace xmlstore
