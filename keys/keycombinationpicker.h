#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The pick sequence of a key combination: up to two modifiers, then the main
// key. Keys arrive one at a time, clicked on the virtual keyboard or captured
// from a physical keyboard, and the combination is complete when a main key
// with a caption follows at least one modifier.
class KeyCombinationPicker
{
public:
    // What a pick asks of the page.
    enum Outcome
    {
        Outcome_Listed,           // a modifier joined the names: show text()
        Outcome_ClearHighlights,  // a main key without any modifier: nothing else
        Outcome_Highlight,        // a third modifier: only highlighted, not taken
        Outcome_Complete,         // the main key ends the sequence: store value()
        Outcome_NotTaken,         // a main key without a caption ends the sequence unstored
    };

    static constexpr int kFirstModifier = 224;  // left Ctrl; bit i of the mask stands for usage 224 + i
    static constexpr int kMaxModifiers = 2;

    Outcome pick(int keyDec, const QMap<int, QString> &captions);
    // Forgets everything picked so far (a load of the key).
    void reset();
    // Called once a completed combination is stored: the next pick starts afresh.
    void clearStored();

    // The names picked so far joined with "+", the main key's caption last once
    // the sequence is complete.
    QString text() const { return m_shown.join(QLatin1Char('+')); }
    int modifierMask() const { return m_mask; }
    int mainKey() const { return m_mainKey; }
    bool isActive() const { return m_active; }

    // The mask bit of a modifier key, 0 for any other key.
    static int modifierBit(int keyDec);
    static QString modifierName(int bit);
    // The stored form: mask and main key in decimal joined by ",".
    static QByteArray value(int mask, int mainKey);
    // What a stored value shows: the names of the mask's set bits (bit 0
    // first), then the main key's caption when it has one.
    static QString describe(const QByteArray &value, const QMap<int, QString> &captions);

private:
    bool m_active = false;
    QStringList m_names;  // picked modifier names, no duplicates
    QStringList m_shown;  // what the line edit shows
    int m_mask = 0;
    int m_mainKey = 0;
};
