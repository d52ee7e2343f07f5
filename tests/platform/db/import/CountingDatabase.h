#pragma once
// A connection that passes everything on to a real one and counts the statements sent and
// the rows read back, to show what a piece of work reads.
#include "platform/db/Database.h"

namespace ksiega::test {

class CountingDatabase : public db::Database {
public:
    explicit CountingDatabase(db::Database& inner) : m_inner(inner) {}

    int64_t statements = 0;
    int64_t rowsRead = 0;

    const db::Dialect& dialect() const override { return m_inner.dialect(); }
    QString url() const override { return m_inner.url(); }
    int64_t execute(const QString& sql, const db::Params& params = {}) override {
        ++statements;
        return m_inner.execute(sql, params);
    }
    db::Rows select(const QString& sql, const db::Params& params = {}) override {
        ++statements;
        return db::Rows(std::make_unique<Counted>(m_inner.select(sql, params), rowsRead));
    }
    void executeScript(const QString& sql) override {
        ++statements;
        m_inner.executeScript(sql);
    }
    std::unique_ptr<db::BulkWriter> bulkInsert(const QString& table, const QStringList& columns) override {
        ++statements;
        return m_inner.bulkInsert(table, columns);
    }
    void analyze() override { m_inner.analyze(); }

protected:
    // Transaction control; the depth is kept by this object.
    void rawExecute(const QString& sql) override { m_inner.execute(sql); }

private:
    class Counted : public db::Cursor {
    public:
        Counted(db::Rows rows, int64_t& count) : m_rows(std::move(rows)), m_count(count) {}
        bool next() override {
            const bool more = m_rows.next();
            if (more) ++m_count;
            return more;
        }
        int columnCount() const override { return m_rows.columnCount(); }
        QString columnName(int c) const override { return m_rows.columnName(c); }
        bool isNull(int c) const override { return m_rows.isNull(c); }
        int64_t int64(int c) const override { return m_rows.int64(c); }
        QString text(int c) const override { return m_rows.text(c); }

    private:
        db::Rows m_rows;
        int64_t& m_count;
    };

    db::Database& m_inner;
};

} // namespace ksiega::test
