#pragma once
// Streaming reader of comma-separated records (UTF-8): fields may be quoted with '"',
// a doubled quote inside stands for one, and commas and line breaks inside quotes belong
// to the field. Reads in large blocks; one record is held at a time.
#include <QIODevice>
#include <string>
#include <string_view>
#include <vector>

namespace ksiega::db::import {

struct CsvRecord {
    int line = 0;                    // physical line on which the record starts (1-based)
    int count = 0;                   // number of fields
    std::string error;               // non-empty when the record is malformed
    std::vector<std::string> fields; // only the first `count` are meaningful

    std::string_view field(int i) const { return fields[size_t(i)]; }
};

class CsvReader {
public:
    explicit CsvReader(QIODevice& in);
    // The next record; false at the end of the input. Blank lines are skipped.
    bool next(CsvRecord& record);

private:
    int get() {
        if (m_pos == m_end && !refill()) return -1;
        return static_cast<unsigned char>(m_buffer[m_pos++]);
    }
    int peek() {
        if (m_pos == m_end && !refill()) return -1;
        return static_cast<unsigned char>(m_buffer[m_pos]);
    }
    bool refill();
    std::string& startField(CsvRecord& record);

    QIODevice& m_in;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    int m_line = 1;
    bool m_first = true;
};

} // namespace ksiega::db::import
