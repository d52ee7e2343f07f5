#pragma once
// One value bound into a statement or read back from a row: NULL, a whole number or text.
// Amounts travel as whole grosze, dates as day numbers.
#include "platform/runtime/Money.h"
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace ksiega::db {

class SqlValue {
public:
    SqlValue() = default;                                   // NULL
    SqlValue(std::nullptr_t) {}
    SqlValue(int v) : m_value(int64_t(v)) {}
    SqlValue(long v) : m_value(int64_t(v)) {}
    SqlValue(long long v) : m_value(int64_t(v)) {}
    SqlValue(unsigned v) : m_value(int64_t(v)) {}
    SqlValue(bool v) : m_value(int64_t(v ? 1 : 0)) {}
    SqlValue(Money v) : m_value(v.minor()) {}
    SqlValue(const QString& v) : m_value(v) {}
    SqlValue(const char* v) : m_value(QString::fromUtf8(v)) {}
    template <typename T> SqlValue(const std::optional<T>& v) { if (v) *this = SqlValue(*v); }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isInteger() const { return std::holds_alternative<int64_t>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }
    int64_t toInt64() const;
    QString toText() const;

private:
    std::variant<std::monostate, int64_t, QString> m_value;
};

using Params = std::vector<SqlValue>;

} // namespace ksiega::db
