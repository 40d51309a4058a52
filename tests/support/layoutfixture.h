#pragma once

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// Builds keyboard layout texts for tests: a complete 6 x 22 grid of
// placeholders in which single places can be given keys, an optional header and
// side-light row, and hooks to break the file in the ways that matter.
class LayoutFixture
{
public:
    LayoutFixture();

    // Header members; remove one with dropHeaderMember, or the whole header.
    void setHeader(const QString &member, const QString &jsonValue);
    void dropHeaderMember(const QString &member);
    void dropHeader() { m_withHeader = false; }

    // A key at grid row (0..5) and column (0..21); jsonCharacter is the literal
    // as written in the file, quotes included.
    void setKey(int row, int column, int code, int x, int y, int w, int h, const QString &jsonCharacter = "\"K\"");
    // Replaces a whole entry text.
    void setRawEntry(int row, int column, const QString &entryJson);
    void dropRow(int fileRow) { m_droppedRows << fileRow; }
    // Leaves the row one entry short.
    void shortenRow(int fileRow) { m_shortRows << fileRow; }
    void appendExtraEntry(int fileRow, const QString &entryJson) { m_extraEntries[fileRow] << entryJson; }
    void addSegment(int index, int valid, int side, int x, int y, int w, int h);
    void addRawSegment(const QString &entryJson) { m_segments << entryJson; }
    void setRow7(const QString &rowJson) { m_row7 = rowJson; }

    QByteArray text() const;

    static QString placeholder();

private:
    bool m_withHeader = true;
    QList<QPair<QString, QString>> m_header;
    QString m_entries[6][22];
    QList<int> m_droppedRows;
    QList<int> m_shortRows;
    QMap<int, QStringList> m_extraEntries;
    QStringList m_segments;
    QString m_row7;
};
