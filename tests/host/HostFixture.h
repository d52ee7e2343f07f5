#pragma once
// Small companies, years, users and documents for the host's tests.
#include "platform/db/Database.h"
#include "platform/runtime/Date.h"

namespace ksiega::test {

inline int64_t addCompany(db::Database& db, const QString& name, int budget = 0, int costCentres = 0, const QString& nip = {}) {
    return db.insertReturningId(
        "insert into FIRMA (nazwa, nip, czy_budzet, czy_mpk, separator_mpk) values (?, ?, ?, ?, '/') returning id_firmy",
        {name, nip, budget, costCentres});
}

inline int64_t addYear(db::Database& db, int64_t company, const QString& name, QDate first, QDate last) {
    return db.insertReturningId("insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) "
                                "values (?, ?, ?, ?) returning id_lata_obrot",
                                {company, name, date::fromQDate(first), date::fromQDate(last)});
}

inline int64_t addUser(db::Database& db, const QString& login, int admin = 0, const QString& name = {}) {
    return db.insertReturningId(
        "insert into UZYTKOWNICY (login, imie_nazwisko, czy_administrator) values (?, ?, ?) returning id_uzytkownika",
        {login, name, admin});
}

// A document with `lines` lines in the given year.
inline void addDocument(db::Database& db, int64_t company, int64_t year, int lines) {
    const int64_t doc = db.insertReturningId(
        "insert into NAG_DOK (id_firmy, id_lata_obrot, status) values (?, ?, 2) returning id_nag_dok", {company, year});
    for (int i = 1; i <= lines; ++i)
        db.execute("insert into POZ_DOK (id_nag_dok, id_firmy, id_lata_obrot, lp, konto_wn, konto_ma, kwota_wn, kwota_ma) "
                   "values (?, ?, ?, ?, '100', '200', 1000, 1000)",
                   {doc, company, year, i});
}

} // namespace ksiega::test
