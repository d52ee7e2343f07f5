#pragma once
// A small ledger for import tests: one company with fiscal years 2025 and 2026, a chart
// of accounts, journals, document types, currencies and one document already posted.
#include "platform/db/Database.h"
#include "platform/db/import/DocumentImporter.h"
#include <QStringList>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace ksiega::test {

struct ImportLedger {
    int64_t firma = 0;
    int64_t year2025 = 0;
    int64_t year2026 = 0;

    static ImportLedger create(db::Database& db);

    db::import::ImportOptions options(int64_t year = 0) const {
        db::import::ImportOptions o;
        o.idFirmy = firma;
        o.idLataObrot = year ? year : year2026;
        return o;
    }
};

// Imports CSV text given inline (the header line is added in front).
db::import::ImportResult importText(db::Database& db, const db::import::ImportOptions& options, const QString& rows);
db::import::ImportResult importFixture(db::Database& db, const db::import::ImportOptions& options, const QString& name);

// Errors as "line N: message" texts, for comparing whole lists.
QStringList errorTexts(const db::import::ImportResult& result);

// Row counts of the tables an import writes, to show that a refused file wrote nothing.
struct TableCounts {
    int64_t nagDok, pozDok, wartosciKont;
    bool operator==(const TableCounts&) const = default;
};
TableCounts tableCounts(db::Database& db);

} // namespace ksiega::test
