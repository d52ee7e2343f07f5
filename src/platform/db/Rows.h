#pragma once
// Rows of a SELECT, read one at a time: `while (rows.next()) rows.int64(0) ...`.
// Nothing is loaded beyond the current row unless the engine needs it.
#include "platform/db/SqlValue.h"
#include <memory>

namespace ksiega::db {

class Cursor {
public:
    virtual ~Cursor() = default;
    virtual bool next() = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int column) const = 0;
    virtual bool isNull(int column) const = 0;
    virtual int64_t int64(int column) const = 0;
    virtual QString text(int column) const = 0;
};

class Rows {
public:
    explicit Rows(std::unique_ptr<Cursor> cursor) : m_cursor(std::move(cursor)) {}
    bool next() { return m_cursor->next(); }
    int columnCount() const { return m_cursor->columnCount(); }
    QString columnName(int c) const { return m_cursor->columnName(c); }
    bool isNull(int c) const { return m_cursor->isNull(c); }
    int64_t int64(int c) const { return m_cursor->int64(c); }
    int integer(int c) const { return int(m_cursor->int64(c)); }
    QString text(int c) const { return m_cursor->text(c); }
    Money money(int c) const { return Money::fromMinor(m_cursor->int64(c)); }
    SqlValue value(int c) const;

private:
    std::unique_ptr<Cursor> m_cursor;
};

} // namespace ksiega::db
