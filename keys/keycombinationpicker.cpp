#include "keys/keycombinationpicker.h"

#include "keys/keyoperateinfo.h"

namespace {

// By bit of the modifier mask. Shown as they are in every language.
const char *const kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
constexpr int kModifierCount = 8;

}  // namespace

int KeyCombinationPicker::modifierBit(int keyDec)
{
    const int bit = keyDec - kFirstModifier;
    return bit >= 0 && bit < kModifierCount ? 1 << bit : 0;
}

QString KeyCombinationPicker::modifierName(int bit)
{
    return bit >= 0 && bit < kModifierCount ? QString::fromLatin1(kModifierNames[bit]) : QString();
}

QByteArray KeyCombinationPicker::value(int mask, int mainKey)
{
    return QByteArray::number(mask) + ',' + QByteArray::number(mainKey);
}

QString KeyCombinationPicker::describe(const QByteArray &value, const QMap<int, QString> &captions)
{
    const QList<QByteArray> parts = value.split(',');
    const int mask = keyOperateNumber(parts.value(0));
    const int mainKey = keyOperateNumber(parts.value(1));
    QStringList names;
    for (int bit = 0; bit < kModifierCount; ++bit)
        if (mask & (1 << bit))
            names << modifierName(bit);
    if (captions.contains(mainKey))
        names << captions.value(mainKey);
    return names.join(QLatin1Char('+'));
}

void KeyCombinationPicker::reset()
{
    m_active = false;
    m_names.clear();
    m_shown.clear();
    m_mask = 0;
    m_mainKey = 0;
}

void KeyCombinationPicker::clearStored()
{
    m_mask = 0;
    m_mainKey = 0;
}

KeyCombinationPicker::Outcome KeyCombinationPicker::pick(int keyDec, const QMap<int, QString> &captions)
{
    if (!m_active) {
        reset();
        m_active = true;
    }
    const int bit = modifierBit(keyDec);
    if (bit == 0) {
        if (m_names.isEmpty())
            return Outcome_ClearHighlights;
        // Any non-modifier after a modifier ends the sequence, taken or not.
        m_active = false;
        if (!captions.contains(keyDec))
            return Outcome_NotTaken;
        m_mainKey = keyDec;
        m_shown = m_names;
        m_shown << captions.value(keyDec);
        m_names.clear();
        return Outcome_Complete;
    }
    if (m_names.size() >= kMaxModifiers)
        return Outcome_Highlight;
    m_mask |= bit;
    const QString name = modifierName(keyDec - kFirstModifier);
    if (!m_names.contains(name))
        m_names << name;
    m_shown = m_names;
    return Outcome_Listed;
}
