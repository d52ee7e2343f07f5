#pragma once
// Errors found in an import file, each with the line it was found on. Keeps the first
// `limit` of them and counts the rest.
#include <QString>
#include <vector>

namespace ksiega::db::import {

struct ImportError {
    int line = 0;       // 0 when the error concerns no particular line
    QString message;
    // "line 17: unknown account 202-99"
    QString text() const { return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message; }
};

class ImportErrors {
public:
    explicit ImportErrors(int limit = 50) : m_limit(limit) {}
    void add(int line, const QString& message) {
        ++m_count;
        if (int(m_kept.size()) < m_limit) m_kept.push_back({line, message});
    }
    bool empty() const { return m_count == 0; }
    int count() const { return m_count; }
    bool full() const { return int(m_kept.size()) >= m_limit; }
    const std::vector<ImportError>& kept() const { return m_kept; }
    std::vector<ImportError> take() { return std::move(m_kept); }

private:
    int m_limit;
    int m_count = 0;
    std::vector<ImportError> m_kept;
};

} // namespace ksiega::db::import
