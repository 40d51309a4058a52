#include "sdk/xmlstore/storedocument.h"

#include "sdk/xmlstore/storetext.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace xmlstore {

namespace {

const QString kRoot = QStringLiteral("tavrixStore");

// The fields of a light record, in record order, under the names the file uses.
struct LightField
{
    const char *name;
    int32_t colorInfoData::*field;
};
const LightField kLightFields[] = {
    {"lightTarget", &colorInfoData::lightTarget},   {"lightMode", &colorInfoData::lightMode},
    {"brightness", &colorInfoData::brightness},     {"speed", &colorInfoData::speed},
    {"topColorR", &colorInfoData::topColorR},       {"topColorG", &colorInfoData::topColorG},
    {"topColorB", &colorInfoData::topColorB},       {"bottomColorR", &colorInfoData::bottomColorR},
    {"bottomColorG", &colorInfoData::bottomColorG}, {"bottomColorB", &colorInfoData::bottomColorB},
    {"direction", &colorInfoData::direction},       {"fullColor", &colorInfoData::fullColor},
    {"extParam1", &colorInfoData::extParam1},       {"extParam2", &colorInfoData::extParam2},
};

const char *const kEventFields[] = {"mark", "delay", "type", "keyCode", "codeName", "operateExplain"};
QByteArray MacroEvent::*const kEventMembers[]
    = {&MacroEvent::mark,    &MacroEvent::delay,    &MacroEvent::type,
       &MacroEvent::keyCode, &MacroEvent::codeName, &MacroEvent::operateExplain};

const char *const kKeyFields[] = {"code", "name", "type", "param1", "param2", "value"};
QByteArray KeyItem::*const kKeyMembers[] = {&KeyItem::keyCode, &KeyItem::keyName, &KeyItem::operateType,
                                            &KeyItem::param1,  &KeyItem::param2,  &KeyItem::value};

const char *const kWinLockFields[] = {"altTab", "altF4", "shiftTab", "winKey"};
QByteArray WinLock::*const kWinLockMembers[]
    = {&WinLock::altTab, &WinLock::altF4, &WinLock::shiftTab, &WinLock::winKey};

struct CustomItemField
{
    const char *name;
    int CustomLightItem::*field;
};
const CustomItemField kCustomItemInts[] = {
    {"indexX", &CustomLightItem::indexX}, {"indexY", &CustomLightItem::indexY},
    {"colorR", &CustomLightItem::colorR}, {"colorG", &CustomLightItem::colorG},
    {"colorB", &CustomLightItem::colorB}, {"transparentNum", &CustomLightItem::transparentNum},
};

// Orders key codes by number, texts that are no number after them.
bool keyCodeLess(const QByteArray &a, const QByteArray &b)
{
    int na = 0, nb = 0;
    const bool aNumber = parseInt(a, &na);
    const bool bNumber = parseInt(b, &nb);
    if (aNumber != bNumber)
        return aNumber;
    if (aNumber && na != nb)
        return na < nb;
    return a < b;
}

// Adds value to seen; false when it was there already.
template <typename T> bool insertNew(QSet<T> &seen, const T &value)
{
    const int before = seen.size();
    seen.insert(value);
    return seen.size() != before;
}

// Recursive-descent reader of one store file; the first fault ends it.
class Parser
{
public:
    explicit Parser(const QByteArray &bytes) : m_bytes(bytes), m_reader(bytes) { }

    bool parse(StoreDocument *doc, QString *error);
    int errorLine() const { return m_errorLine; }
    CTavrixXMLDamage damage() const { return m_damage; }

private:
    bool fail(CTavrixXMLDamage damage, const QString &what) { return failAt(damage, what, int(m_reader.lineNumber())); }
    bool failAt(CTavrixXMLDamage damage, const QString &what, int line)
    {
        if (m_error.isEmpty()) {
            m_damage = damage;
            m_errorLine = line;
            m_error = QStringLiteral("%1 (line %2)").arg(what).arg(m_errorLine);
        }
        return false;
    }
    bool healthy() const { return m_error.isEmpty() && !m_reader.hasError(); }
    QString elementName() const { return m_reader.name().toString(); }
    bool text(const char *name, QByteArray *out);
    bool integer(const char *name, int *out);
    bool index(const char *name, int *out);
    bool leaf();  // an element that must hold no child element
    bool nextChild();
    bool textTokenFits();
    bool textTooLongFault(const QString &where, int line);

    bool parseRoot(StoreDocument *doc);
    bool parseProfile(Profile *profile);
    bool parseLight(colorInfoData *light);
    bool parseCustomLight(CustomLight *light);
    bool parseEvents(QList<MacroEvent> *events);
    bool parseSeniorKey(SeniorKeyInfo *info);

    CTavrixXMLDamage readerDamage(int *line) const;
    bool readerFault()
    {
        int line = 0;
        const CTavrixXMLDamage damage = readerDamage(&line);
        return failAt(damage, m_reader.errorString(), line);
    }

    const QByteArray &m_bytes;
    QXmlStreamReader m_reader;
    QString m_error;
    int m_errorLine = 0;
    CTavrixXMLDamage m_damage = CTavrixXMLDamage::Unknown;
    OutsideTextLimit m_outsideTexts;
};

bool Parser::text(const char *name, QByteArray *out)
{
    if (!readText(m_reader.attributes(), QLatin1String(name), out))
        return fail(CTavrixXMLDamage::MissingValue,
                    QStringLiteral("<%1> lacks the attribute %2").arg(elementName(), QLatin1String(name)));
    if (out->size() > kMaxTextBytes) {
        return fail(CTavrixXMLDamage::LongText,
                    QStringLiteral("<%1> %2 is longer than %3 bytes")
                        .arg(elementName(), QLatin1String(name))
                        .arg(kMaxTextBytes));
    }
    return true;
}

bool Parser::integer(const char *name, int *out)
{
    QByteArray value;
    if (!text(name, &value))
        return false;
    if (!parseInt(value, out))
        return fail(CTavrixXMLDamage::BadValue,
                    QStringLiteral("<%1> %2 is no 32-bit number").arg(elementName(), QLatin1String(name)));
    return true;
}

bool Parser::index(const char *name, int *out)
{
    QByteArray value;
    if (!text(name, &value))
        return false;
    if (!parseIndex(value, out))
        return fail(
            CTavrixXMLDamage::BadValue,
            QStringLiteral("<%1> %2 is no index from 1 to %3").arg(elementName(), QLatin1String(name)).arg(kMaxIndex));
    return true;
}

bool Parser::textTooLongFault(const QString &where, int line)
{
    return failAt(CTavrixXMLDamage::LongText,
                  QStringLiteral("%1 is longer than %2 bytes").arg(where).arg(kMaxTextBytes), line);
}

bool Parser::textTokenFits()
{
    QString what;
    int line = 0;
    return m_outsideTexts.fits(m_reader, &what, &line) || textTooLongFault(what, line);
}

// Moves to the next child element of the current element: true at its start tag,
// false at the end of the current element or at a fault.
bool Parser::nextChild()
{
    while (!m_reader.atEnd()) {
        const auto token = m_reader.readNext();
        if (!textTokenFits())
            return false;
        if (token == QXmlStreamReader::StartElement)
            return true;
        if (token == QXmlStreamReader::EndElement)
            return false;
    }
    return false;
}

bool Parser::leaf()
{
    if (nextChild())
        return fail(CTavrixXMLDamage::UnknownElement, QStringLiteral("unexpected element <%1>").arg(elementName()));
    return healthy();
}

bool Parser::parse(StoreDocument *doc, QString *error)
{
    bool ok = false;
    // The prolog: a DTD could declare entities; a store file never carries one.
    while (!m_reader.atEnd()) {
        const auto token = m_reader.readNext();
        if (!textTokenFits())
            break;
        if (token == QXmlStreamReader::DTD) {
            fail(CTavrixXMLDamage::Declarations, QStringLiteral("document type declarations are not allowed"));
            break;
        }
        if (token == QXmlStreamReader::StartElement) {
            ok = parseRoot(doc);
            break;
        }
    }
    if (ok) {
        while (!m_reader.atEnd()) {
            m_reader.readNext();
            if (!textTokenFits())
                break;
        }
    }
    if (m_reader.hasError())
        ok = readerFault();
    else if (ok && !m_error.isEmpty())
        ok = false;
    else if (!ok && m_error.isEmpty())
        fail(CTavrixXMLDamage::NotXml, QStringLiteral("no root element"));
    if (!ok && error)
        *error = m_error;
    return ok;
}

// The offset of the first byte that does not belong to a valid UTF-8 sequence,
// or -1.
int firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const int n = bytes.size();
    for (int i = 0; i < n;) {
        const uchar lead = p[i];
        int extra = 0;
        uint c = 0;
        uint min = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0)
            extra = 1, c = lead & 0x1F, min = 0x80;
        else if ((lead & 0xF0) == 0xE0)
            extra = 2, c = lead & 0x0F, min = 0x800;
        else if ((lead & 0xF8) == 0xF0)
            extra = 3, c = lead & 0x07, min = 0x10000;
        else
            return i;
        if (i + extra >= n)
            return i;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return -1;
}

// What the reader's own error means to a user, and the line of the bytes at
// fault where the reader cannot tell it.
CTavrixXMLDamage Parser::readerDamage(int *line) const
{
    auto lineOf = [this](int offset) { return int(m_bytes.left(offset).count('\n')) + 1; };
    const int nul = m_bytes.indexOf('\0');
    if (nul >= 0) {
        *line = lineOf(nul);
        return CTavrixXMLDamage::NulBytes;
    }
    const QStringRef encoding = m_reader.documentEncoding();
    if (encoding.isEmpty() || encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0) {
        const int invalid = firstInvalidUtf8(m_bytes);
        if (invalid >= 0) {
            *line = lineOf(invalid);
            return CTavrixXMLDamage::BadEncoding;
        }
    }
    *line = int(m_reader.lineNumber());
    if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return CTavrixXMLDamage::CutShort;
    return CTavrixXMLDamage::NotXml;
}

bool Parser::parseRoot(StoreDocument *doc)
{
    if (m_reader.name() != kRoot)
        return fail(CTavrixXMLDamage::WrongRoot,
                    QStringLiteral("the root element is <%1>, not <%2>").arg(elementName(), kRoot));
    // Duplicates are found through hash sets: a file of many thousands of macros
    // must parse in time proportional to its size.
    QSet<int> profileIndexes, macroIndexes, seniorKeyIds;
    int version = 0;
    if (!integer("version", &version))
        return false;
    if (version != StoreDocument::kVersion)
        return fail(version > StoreDocument::kVersion ? CTavrixXMLDamage::NewerVersion : CTavrixXMLDamage::BadValue,
                    QStringLiteral("unknown store version %1").arg(version));
    if (m_reader.attributes().hasAttribute(QLatin1String("exported"))) {
        int exported = 0;
        if (!integer("exported", &exported))
            return false;
        doc->exported = exported != 0;
    }
    if (m_reader.attributes().hasAttribute(QLatin1String("currentProfile"))) {
        int current = 0;
        if (!index("currentProfile", &current))
            return false;
        doc->currentProfile = current;
    }
    while (nextChild()) {
        const auto name = m_reader.name();
        if (name == QLatin1String("profile")) {
            Profile profile;
            if (!parseProfile(&profile))
                return false;
            if (!insertNew(profileIndexes, profile.index))
                return fail(CTavrixXMLDamage::Twice, QStringLiteral("profile %1 appears twice").arg(profile.index));
            doc->profiles.append(profile);
            if (doc->profiles.size() > kMaxProfiles)
                return fail(CTavrixXMLDamage::TooMany, QStringLiteral("more than %1 profiles").arg(kMaxProfiles));
        } else if (name == QLatin1String("macro")) {
            Macro macro;
            if (!index("index", &macro.index) || !text("name", &macro.name) || !parseEvents(&macro.events))
                return false;
            if (!insertNew(macroIndexes, macro.index))
                return fail(CTavrixXMLDamage::Twice, QStringLiteral("macro %1 appears twice").arg(macro.index));
            doc->macros.append(macro);
        } else if (name == QLatin1String("seniorKey")) {
            SeniorKeyInfo info;
            if (!parseSeniorKey(&info))
                return false;
            if (!insertNew(seniorKeyIds, info.bindingIndex))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("advanced key %1 appears twice").arg(info.bindingIndex));
            doc->seniorKeys.append(info);
            if (doc->seniorKeys.size() > kMaxSeniorKeys)
                return fail(CTavrixXMLDamage::TooMany,
                            QStringLiteral("more than %1 advanced keys").arg(kMaxSeniorKeys));
        } else {
            return fail(CTavrixXMLDamage::UnknownElement, QStringLiteral("unexpected element <%1>").arg(elementName()));
        }
    }
    if (!healthy())
        return false;
    std::sort(doc->macros.begin(), doc->macros.end(), [](const Macro &a, const Macro &b) { return a.index < b.index; });
    std::sort(doc->seniorKeys.begin(), doc->seniorKeys.end(),
              [](const SeniorKeyInfo &a, const SeniorKeyInfo &b) { return a.bindingIndex < b.bindingIndex; });
    return true;
}

bool Parser::parseProfile(Profile *profile)
{
    if (!index("index", &profile->index) || !text("name", &profile->name))
        return false;
    QSet<int> targetsInUse, macroCopyIndexes;
    QSet<QPair<int, int>> lightPairs;
    QSet<QByteArray> customLightIndexes, keyCodes;
    if (m_reader.attributes().hasAttribute(QLatin1String("lightSync"))) {
        int sync = 0;
        if (!integer("lightSync", &sync))
            return false;
        profile->lightSync = sync;
    }
    while (nextChild()) {
        const auto name = m_reader.name();
        if (name == QLatin1String("lightInUse")) {
            LightInUse inUse;
            if (!integer("target", &inUse.target) || !integer("mode", &inUse.mode) || !leaf())
                return false;
            if (!insertNew(targetsInUse, inUse.target))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("light target %1 has two modes in use").arg(inUse.target));
            profile->lightsInUse.append(inUse);
        } else if (name == QLatin1String("light")) {
            colorInfoData light;
            if (!parseLight(&light))
                return false;
            if (!insertNew(lightPairs, qMakePair(int(light.lightTarget), int(light.lightMode))))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("light %1/%2 appears twice").arg(light.lightTarget).arg(light.lightMode));
            profile->lights.append(light);
        } else if (name == QLatin1String("sleep")) {
            SleepTimes sleep;
            if (profile->sleep)
                return fail(CTavrixXMLDamage::Twice, QStringLiteral("two sleep elements"));
            if (!integer("lightSeconds", &sleep.lightSeconds) || !integer("keyboardMinutes", &sleep.keyboardMinutes)
                || !leaf())
                return false;
            profile->sleep = sleep;
        } else if (name == QLatin1String("winLock")) {
            WinLock lock;
            if (profile->winLock)
                return fail(CTavrixXMLDamage::Twice, QStringLiteral("two winLock elements"));
            for (int i = 0; i < 4; ++i) {
                if (!text(kWinLockFields[i], &(lock.*kWinLockMembers[i])))
                    return false;
            }
            if (!leaf())
                return false;
            profile->winLock = lock;
        } else if (name == QLatin1String("customLight")) {
            CustomLight light;
            if (!parseCustomLight(&light))
                return false;
            if (!insertNew(customLightIndexes, light.index))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("custom light %1 appears twice").arg(QString::fromUtf8(light.index)));
            profile->customLights.append(light);
        } else if (name == QLatin1String("key")) {
            KeyItem key;
            for (int i = 0; i < 6; ++i) {
                if (!text(kKeyFields[i], &(key.*kKeyMembers[i])))
                    return false;
            }
            if (!leaf())
                return false;
            if (!insertNew(keyCodes, key.keyCode))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("key %1 has two items").arg(QString::fromUtf8(key.keyCode)));
            profile->keys.append(key);
        } else if (name == QLatin1String("macroCopy")) {
            MacroCopy copy;
            if (!index("index", &copy.macroIndex) || !text("name", &copy.name) || !parseEvents(&copy.events))
                return false;
            if (!insertNew(macroCopyIndexes, copy.macroIndex))
                return fail(CTavrixXMLDamage::Twice,
                            QStringLiteral("copy of macro %1 appears twice").arg(copy.macroIndex));
            profile->macroCopies.append(copy);
        } else {
            return fail(CTavrixXMLDamage::UnknownElement, QStringLiteral("unexpected element <%1>").arg(elementName()));
        }
    }
    std::stable_sort(profile->keys.begin(), profile->keys.end(),
                     [](const KeyItem &a, const KeyItem &b) { return keyCodeLess(a.keyCode, b.keyCode); });
    std::sort(profile->macroCopies.begin(), profile->macroCopies.end(),
              [](const MacroCopy &a, const MacroCopy &b) { return a.macroIndex < b.macroIndex; });
    return healthy();
}

bool Parser::parseLight(colorInfoData *light)
{
    for (const LightField &f : kLightFields) {
        if (!integer(f.name, &(light->*f.field)))
            return false;
    }
    return leaf();
}

bool Parser::parseCustomLight(CustomLight *light)
{
    if (!text("index", &light->index) || !text("name", &light->name) || !text("isUsing", &light->isUsing)
        || !integer("usingFlagIndex", &light->usingFlagIndex))
        return false;
    while (nextChild()) {
        if (m_reader.name() != QLatin1String("item"))
            return fail(CTavrixXMLDamage::UnknownElement, QStringLiteral("unexpected element <%1>").arg(elementName()));
        CustomLightItem item;
        if (!text("keyCode", &item.keyCode) || !text("codeName", &item.codeName))
            return false;
        for (const CustomItemField &f : kCustomItemInts) {
            if (!integer(f.name, &(item.*f.field)))
                return false;
        }
        if (!leaf())
            return false;
        light->items.append(item);
    }
    return healthy();
}

bool Parser::parseEvents(QList<MacroEvent> *events)
{
    while (nextChild()) {
        if (m_reader.name() != QLatin1String("event"))
            return fail(CTavrixXMLDamage::UnknownElement, QStringLiteral("unexpected element <%1>").arg(elementName()));
        MacroEvent event;
        for (int i = 0; i < 6; ++i) {
            if (!text(kEventFields[i], &(event.*kEventMembers[i])))
                return false;
        }
        if (!leaf())
            return false;
        events->append(event);
    }
    return healthy();
}

bool Parser::parseSeniorKey(SeniorKeyInfo *info)
{
    int id = 0;
    int type = 0;
    QByteArray name;
    QByteArray keys[4];
    QByteArray actions;
    QByteArray strokes;
    if (!index("id", &id) || !text("name", &name) || !integer("type", &type))
        return false;
    if (type < SeniorKeyType_DKS || type > SeniorKeyType_TGL)
        return fail(CTavrixXMLDamage::BadValue,
                    QStringLiteral("advanced key %1 has the unknown type %2").arg(id).arg(type));
    for (int k = 0; k < 4; ++k) {
        if (!text(QByteArray("key" + QByteArray::number(k + 1)).constData(), &keys[k]))
            return false;
    }
    if (!text("actions", &actions) || !text("strokes", &strokes) || !integer("holdTime", &info->ValueTime)
        || !integer("toggleKeySet", &info->tglKeySet))
        return false;
    int actionValues[16];
    int strokeValues[4];
    if (!parseIntList(actions, 16, actionValues) || !parseIntList(strokes, 4, strokeValues))
        return fail(CTavrixXMLDamage::BadValue,
                    QStringLiteral("advanced key %1 needs 16 actions and 4 strokes").arg(id));
    if (!leaf())
        return false;
    info->bindingIndex = id;
    info->keyType = type;
    copyToField(info->name, name);
    for (int k = 0; k < 4; ++k)
        copyToField(info->keys[k], keys[k]);
    std::copy(actionValues, actionValues + 16, info->dksActions);
    std::copy(strokeValues, strokeValues + 4, info->strokes);
    return true;
}

void writeEvents(QXmlStreamWriter &w, const QList<MacroEvent> &events)
{
    for (const MacroEvent &event : events) {
        w.writeEmptyElement(QStringLiteral("event"));
        for (int i = 0; i < 6; ++i)
            writeText(w, QLatin1String(kEventFields[i]), event.*kEventMembers[i]);
    }
}

void writeProfile(QXmlStreamWriter &w, const Profile &p)
{
    w.writeStartElement(QStringLiteral("profile"));
    w.writeAttribute(QStringLiteral("index"), QString::number(p.index));
    writeText(w, QStringLiteral("name"), p.name);
    if (p.lightSync)
        w.writeAttribute(QStringLiteral("lightSync"), QString::number(*p.lightSync));
    for (const LightInUse &inUse : p.lightsInUse) {
        w.writeEmptyElement(QStringLiteral("lightInUse"));
        w.writeAttribute(QStringLiteral("target"), QString::number(inUse.target));
        w.writeAttribute(QStringLiteral("mode"), QString::number(inUse.mode));
    }
    for (const colorInfoData &light : p.lights) {
        w.writeEmptyElement(QStringLiteral("light"));
        for (const LightField &f : kLightFields)
            w.writeAttribute(QLatin1String(f.name), QString::number(light.*f.field));
    }
    if (p.sleep) {
        w.writeEmptyElement(QStringLiteral("sleep"));
        w.writeAttribute(QStringLiteral("lightSeconds"), QString::number(p.sleep->lightSeconds));
        w.writeAttribute(QStringLiteral("keyboardMinutes"), QString::number(p.sleep->keyboardMinutes));
    }
    if (p.winLock) {
        w.writeEmptyElement(QStringLiteral("winLock"));
        for (int i = 0; i < 4; ++i)
            writeText(w, QLatin1String(kWinLockFields[i]), (*p.winLock).*kWinLockMembers[i]);
    }
    for (const CustomLight &light : p.customLights) {
        w.writeStartElement(QStringLiteral("customLight"));
        writeText(w, QStringLiteral("index"), light.index);
        writeText(w, QStringLiteral("name"), light.name);
        writeText(w, QStringLiteral("isUsing"), light.isUsing);
        w.writeAttribute(QStringLiteral("usingFlagIndex"), QString::number(light.usingFlagIndex));
        for (const CustomLightItem &item : light.items) {
            w.writeEmptyElement(QStringLiteral("item"));
            writeText(w, QStringLiteral("keyCode"), item.keyCode);
            writeText(w, QStringLiteral("codeName"), item.codeName);
            for (const CustomItemField &f : kCustomItemInts)
                w.writeAttribute(QLatin1String(f.name), QString::number(item.*f.field));
        }
        w.writeEndElement();
    }
    for (const KeyItem &key : p.keys) {
        w.writeEmptyElement(QStringLiteral("key"));
        for (int i = 0; i < 6; ++i)
            writeText(w, QLatin1String(kKeyFields[i]), key.*kKeyMembers[i]);
    }
    for (const MacroCopy &copy : p.macroCopies) {
        w.writeStartElement(QStringLiteral("macroCopy"));
        w.writeAttribute(QStringLiteral("index"), QString::number(copy.macroIndex));
        writeText(w, QStringLiteral("name"), copy.name);
        writeEvents(w, copy.events);
        w.writeEndElement();
    }
    w.writeEndElement();
}

void writeSeniorKey(QXmlStreamWriter &w, const SeniorKeyInfo &info)
{
    w.writeEmptyElement(QStringLiteral("seniorKey"));
    w.writeAttribute(QStringLiteral("id"), QString::number(info.bindingIndex));
    writeText(w, QStringLiteral("name"), fieldText(info.name));
    w.writeAttribute(QStringLiteral("type"), QString::number(info.keyType));
    for (int k = 0; k < 4; ++k)
        writeText(w, QStringLiteral("key%1").arg(k + 1), fieldText(info.keys[k]));
    w.writeAttribute(QStringLiteral("actions"), QString::fromLatin1(joinInts(info.dksActions, 16)));
    w.writeAttribute(QStringLiteral("strokes"), QString::fromLatin1(joinInts(info.strokes, 4)));
    w.writeAttribute(QStringLiteral("holdTime"), QString::number(info.ValueTime));
    w.writeAttribute(QStringLiteral("toggleKeySet"), QString::number(info.tglKeySet));
}

}  // namespace

int Profile::findKey(const QByteArray &keyCode) const
{
    const int pos = keyInsertPosition(keyCode);
    return pos < keys.size() && keys.at(pos).keyCode == keyCode ? pos : -1;
}

int Profile::keyInsertPosition(const QByteArray &keyCode) const
{
    const auto it
        = std::lower_bound(keys.cbegin(), keys.cend(), keyCode,
                           [](const KeyItem &item, const QByteArray &code) { return keyCodeLess(item.keyCode, code); });
    return int(it - keys.cbegin());
}

int Profile::findLight(int target, int mode) const
{
    for (int i = 0; i < lights.size(); ++i) {
        if (lights.at(i).lightTarget == target && lights.at(i).lightMode == mode)
            return i;
    }
    return -1;
}

int Profile::findCustomLight(const QByteArray &slot) const
{
    for (int i = 0; i < customLights.size(); ++i) {
        if (customLights.at(i).index == slot)
            return i;
    }
    return -1;
}

int Profile::findMacroCopy(int macroIndex) const
{
    for (int i = 0; i < macroCopies.size(); ++i) {
        if (macroCopies.at(i).macroIndex == macroIndex)
            return i;
    }
    return -1;
}

int StoreDocument::findProfile(int index) const
{
    for (int i = 0; i < profiles.size(); ++i) {
        if (profiles.at(i).index == index)
            return i;
    }
    return -1;
}

int StoreDocument::findMacro(int index) const
{
    // Macros are kept in ascending index order.
    const auto it = std::lower_bound(macros.cbegin(), macros.cend(), index,
                                     [](const Macro &macro, int wanted) { return macro.index < wanted; });
    return it != macros.cend() && it->index == index ? int(it - macros.cbegin()) : -1;
}

int StoreDocument::findSeniorKey(int id) const
{
    for (int i = 0; i < seniorKeys.size(); ++i) {
        if (seniorKeys.at(i).bindingIndex == id)
            return i;
    }
    return -1;
}

bool StoreDocument::parse(const QByteArray &bytes, StoreDocument *doc, QString *error, int *errorLine,
                          CTavrixXMLDamage *damage)
{
    StoreDocument parsed;
    Parser parser(bytes);
    if (!parser.parse(&parsed, error)) {
        if (errorLine)
            *errorLine = parser.errorLine();
        if (damage)
            *damage = parser.damage();
        return false;
    }
    *doc = parsed;
    return true;
}

QByteArray StoreDocument::serialize() const
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(4);
    w.writeStartDocument();
    w.writeStartElement(kRoot);
    w.writeAttribute(QStringLiteral("version"), QString::number(kVersion));
    if (exported)
        w.writeAttribute(QStringLiteral("exported"), QStringLiteral("1"));
    if (currentProfile)
        w.writeAttribute(QStringLiteral("currentProfile"), QString::number(*currentProfile));
    for (const Profile &p : profiles)
        writeProfile(w, p);
    for (const Macro &macro : macros) {
        w.writeStartElement(QStringLiteral("macro"));
        w.writeAttribute(QStringLiteral("index"), QString::number(macro.index));
        writeText(w, QStringLiteral("name"), macro.name);
        writeEvents(w, macro.events);
        w.writeEndElement();
    }
    for (const SeniorKeyInfo &info : seniorKeys)
        writeSeniorKey(w, info);
    w.writeEndDocument();
    return bytes;
}

}  // namespace xmlstore
