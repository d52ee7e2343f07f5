#include "platform/db/import/CsvReader.h"
#include <cstring>

namespace ksiega::db::import {

CsvReader::CsvReader(QIODevice& in) : m_in(in), m_buffer(1 << 20) {}

bool CsvReader::refill() {
    const qint64 n = m_in.read(m_buffer.data(), qint64(m_buffer.size()));
    m_pos = 0;
    m_end = n > 0 ? size_t(n) : 0;
    if (m_first && m_end >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) m_pos = 3; // byte-order mark
    m_first = false;
    return m_pos < m_end;
}

std::string& CsvReader::startField(CsvRecord& record) {
    if (int(record.fields.size()) <= record.count) record.fields.emplace_back();
    std::string& f = record.fields[size_t(record.count++)];
    f.clear();
    return f;
}

bool CsvReader::next(CsvRecord& record) {
    record.count = 0;
    record.error.clear();
    for (;;) { // blank lines between records
        const int c = peek();
        if (c < 0) return false;
        if (c == '\n') { get(); ++m_line; continue; }
        if (c == '\r') { get(); continue; }
        break;
    }
    record.line = m_line;
    std::string* field = &startField(record);

    enum class State { FieldStart, Unquoted, Quoted, AfterQuote } state = State::FieldStart;
    for (;;) {
        // Fast path: copy a run of ordinary bytes in one go.
        if (state == State::Unquoted || state == State::Quoted) {
            if (m_pos == m_end && !refill()) {
                if (state == State::Quoted) record.error = "unterminated quoted field";
                return true;
            }
            const char* begin = m_buffer.data() + m_pos;
            const char* end = m_buffer.data() + m_end;
            const char* p = begin;
            if (state == State::Unquoted) {
                while (p < end && *p != ',' && *p != '\n' && *p != '\r') ++p;
            } else {
                while (p < end && *p != '"' && *p != '\n') ++p;
            }
            field->append(begin, size_t(p - begin));
            m_pos += size_t(p - begin);
            if (p == end) continue;
        }
        const int c = get();
        if (c < 0) {
            if (state == State::Quoted) record.error = "unterminated quoted field";
            return true;
        }
        switch (state) {
        case State::FieldStart:
            if (c == '"') { state = State::Quoted; break; }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
        case State::AfterQuote:
            if (c == ',') { field = &startField(record); state = State::FieldStart; break; }
            if (c == '\n') { ++m_line; return true; }
            if (c == '\r') {
                const int after = peek();
                if (after == '\n' || after < 0) break; // CR of a CRLF line end
                // A lone CR is text no field may hold unquoted; dropping it would change the text.
                if (record.error.empty()) record.error = "a carriage return outside quotes that does not end the line";
                break;
            }
            if (state == State::AfterQuote) {
                if (record.error.empty()) record.error = "unexpected text after a closing quote";
                break;
            }
            field->push_back(char(c));
            break;
        case State::Quoted:
            if (c == '"') {
                if (peek() == '"') { get(); field->push_back('"'); }
                else state = State::AfterQuote;
                break;
            }
            if (c == '\n') ++m_line;
            field->push_back(char(c));
            break;
        }
    }
}

} // namespace ksiega::db::import
