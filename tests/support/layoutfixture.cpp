#include "support/layoutfixture.h"

LayoutFixture::LayoutFixture()
{
    m_header = {{"KeyboardIntroduction", "\"TestKey\""},
                {"sideLightHave", "0"},
                {"supportOnboard", "1"},
                {"specialEnterKey", "0"},
                {"showOnboardSelect", "1"},
                {"hidDeviceType", "3"},
                {"flag", "\"true\""}};
    for (auto &row : m_entries) {
        for (QString &entry : row)
            entry = placeholder();
    }
}

QString LayoutFixture::placeholder()
{
    return "{\"PosX\": -1, \"PosY\": -1, \"Width\": 00, \"Height\": 00, \"Dec\": 0, \"qtDec\": 0, \"Character\": "
           "\"-\"}";
}

void LayoutFixture::setHeader(const QString &member, const QString &jsonValue)
{
    for (auto &pair : m_header) {
        if (pair.first == member) {
            pair.second = jsonValue;
            return;
        }
    }
    m_header.append({member, jsonValue});
}

void LayoutFixture::dropHeaderMember(const QString &member)
{
    for (int i = 0; i < m_header.size(); ++i) {
        if (m_header[i].first == member)
            m_header.removeAt(i--);
    }
}

void LayoutFixture::setKey(int row, int column, int code, int x, int y, int w, int h, const QString &jsonCharacter)
{
    m_entries[row][column] = QString("{\"PosX\": %1, \"PosY\": %2, \"Width\": %3, \"Height\": %4, \"Dec\": %5, "
                                     "\"qtDec\": 0, \"Character\": %6}")
                                 .arg(x)
                                 .arg(y)
                                 .arg(w)
                                 .arg(h)
                                 .arg(code)
                                 .arg(jsonCharacter);
}

void LayoutFixture::setRawEntry(int row, int column, const QString &entryJson)
{
    m_entries[row][column] = entryJson;
}

void LayoutFixture::addSegment(int index, int valid, int side, int x, int y, int w, int h)
{
    m_segments << QString("{\"PosX\": %1, \"PosY\": %2, \"Width\": %3, \"Height\": %4, \"Index\": %5, "
                          "\"validStatus\": %6, \"SidePosition\": %7, \"Mark\": \"0x01\"}")
                      .arg(x)
                      .arg(y)
                      .arg(w)
                      .arg(h)
                      .arg(index)
                      .arg(valid)
                      .arg(side);
}

QByteArray LayoutFixture::text() const
{
    QStringList members;
    if (m_withHeader) {
        QStringList header;
        for (const auto &pair : m_header)
            header << QString("\"%1\": %2").arg(pair.first, pair.second);
        members << "\"Keyboard\": {" + header.join(", ") + "}";
    }
    if (!m_segments.isEmpty())
        members << "\"EveryKeyInfo_Row00\": [\r\n" + m_segments.join(",\r\n") + "]";
    for (int r = 0; r < 6; ++r) {
        if (m_droppedRows.contains(r + 1))
            continue;
        QStringList entries;
        for (const QString &entry : m_entries[r])
            entries << entry;
        entries << m_extraEntries.value(r + 1);
        if (m_shortRows.contains(r + 1))
            entries.removeLast();
        members << QString("\"EveryKeyInfo_Row0%1\": [\r\n").arg(r + 1) + entries.join(",\r\n") + "]";
    }
    if (!m_row7.isEmpty())
        members << "\"EveryKeyInfo_Row07\": " + m_row7;
    return ("{\r\n" + members.join(",\r\n") + "\r\n}\r\n").toUtf8();
}
