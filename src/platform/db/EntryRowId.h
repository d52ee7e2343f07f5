#pragma once
// The row id of the entry views: a ledger line with both sides gives two view rows, each
// with its own id, id_dokument_pozycja = 2 * id_poz_dok + strona (0 Dt, 1 Ct). Every
// reader and writer of that id goes through here.
#include <QString>
#include <cstdint>

namespace ksiega::db {

struct EntryRowId {
    int64_t value = 0;

    static constexpr EntryRowId of(int64_t idPozDok, int strona) { return {2 * idPozDok + (strona ? 1 : 0)}; }
    constexpr int64_t line() const { return value / 2; }   // id_poz_dok
    constexpr int side() const { return int(value % 2); }  // strona

    // The same id in SQL, from the line id column (e.g. "p.id_poz_dok") of one side.
    static QString sql(const QString& lineIdColumn, int strona) {
        return lineIdColumn + (strona ? QStringLiteral(" * 2 + 1") : QStringLiteral(" * 2"));
    }
};

static_assert(EntryRowId::of(21, 1).value == 43 && EntryRowId{43}.line() == 21 && EntryRowId{43}.side() == 1);

} // namespace ksiega::db
