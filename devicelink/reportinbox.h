#pragma once

#include "devicelink/hidreport.h"

#include <deque>
#include <mutex>
#include <vector>

// The input reports an I/O thread read and the GUI thread has not taken yet. A keyboard
// may send unasked reports faster than the GUI thread handles them; the inbox keeps that
// from growing without bound:
//  - a report whose last value is all that counts (a state the keyboard tells: its light
//    slot, a light configuration, a battery status, a sleep report, a magnetic value)
//    replaces the one of its kind still waiting, in that one's place;
//  - every other report (acknowledgements, key reports, answers with an event in them)
//    is kept, in order; once Capacity of them wait the inbox is full and the reader
//    stops reading until the GUI thread took some.
// Thread-safe: one thread puts, another takes.
class ReportInbox
{
public:
    static constexpr int Capacity = 256;

    struct Entry
    {
        HidReport report;
        int length = HidReport::Size;
        bool serial = false;  // the serial-number reply, handed over on its own signal
    };

    // Adds a report; true when the inbox was empty before (the taker must be told).
    bool put(const Entry &entry);
    // Takes up to max waiting reports, oldest first.
    std::vector<Entry> take(int max);
    bool isFull() const;
    bool isEmpty() const;
    int size() const;

    // The kind a report shares its last value with, or -1 when every report of its kind
    // counts on its own.
    static long long mergeKey(const Entry &entry);

private:
    mutable std::mutex m_mutex;
    std::deque<Entry> m_entries;
    int m_kept = 0;  // entries that do not merge
};
