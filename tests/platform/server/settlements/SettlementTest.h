#pragma once
// The ledger of the server tests with settlements waiting to be imported or booked: marks
// in the selection store, clearings on a date, and what the books hold, read back with
// plain SQL for comparison.
#include "platform/server/OpeningBalanceLines.h"
#include "support/LedgerTest.h"
#include <QStringList>

namespace ksiega::test {

class SettlementTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        jkowal = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login='jkowal'");
        anowak = db().insertReturningId("insert into UZYTKOWNICY (login, imie_nazwisko) values ('anowak', 'Anna Nowak') "
                                        "returning id_uzytkownika");
    }

    // A settlement on no line yet: the warehouse system's when warehouseDoc is not 0.
    int64_t settlement(const QString& account, const QString& strona, const char* kwota, int64_t warehouseDoc = 0,
                       const QString& waluta = "PLN", const char* kwotaW = "0", bool korekta = false,
                       const QString& symbol = "FV/1") {
        return db().insertReturningId(
            "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
            "strona, kwota, kwota_w, sym_waluty, czy_korekta, id_nag_dok_m) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
            "returning id_rozrachunku",
            {f().company, f().year2026, account, symbol, symbol, f().bo2026() - 30, f().bo2026() - 16,
             strona == "WN" ? "N" : "Z", strona, zl(kwota), zl(kwotaW), waluta, korekta ? 1 : 0, warehouseDoc});
    }
    void clear(int64_t id, int date, const char* kwota, const char* kwotaW = "0") {
        db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w) values (?, ?, ?, ?, ?)",
                     {id, f().company, date, zl(kwota), zl(kwotaW)});
    }
    void mark(int64_t user, int browser, const std::vector<int64_t>& ids, db::Database* conn = nullptr) {
        db::Database& d = conn ? *conn : db();
        d.execute("delete from ZAZNACZENIE where id_uzytkownika=? and id_browsera=?", {user, browser});
        for (int64_t id : ids)
            d.execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values (?, ?, ?)", {browser, user, id});
    }
    // An opening line of the account alone with a Dt amount, as the amount entry leaves it.
    int64_t enteredLine(int64_t document, const QString& account, const char* dt) {
        const int64_t line = server::POZYCJE_BO_DODAJ(db(), f().company, document, account, "jkowal", jkowal).idPozDok;
        server::POZYCJE_BO_AKTUALIZUJ(db(), document, f().bo2026(), f().company, f().year2026, line, 0, "", "",
                                      {zl(dt), {}, {}, {}}, jkowal);
        server::POZYCJE_BO_ZWOLNIJ(db(), line, "jkowal");
        return line;
    }
    // Every row of a query, every column as text: what "byte for byte" compares.
    QString dump(const QString& sql, const db::Params& params = {}) {
        QStringList out;
        db::Rows r = db().select(sql, params);
        while (r.next()) {
            QStringList row;
            for (int c = 0; c < r.columnCount(); ++c) row << (r.isNull(c) ? QStringLiteral("NULL") : r.text(c));
            out << row.join('|');
        }
        return out.join('\n');
    }
    // The opening balance, the settlements, the claims and the turnovers of the company.
    QString books() {
        return dump("select * from POZ_DOK where czy_rk=10 order by id_poz_dok") + "\n#\n" +
               dump("select * from ROZRACHUNEK order by id_rozrachunku") + "\n#\n" +
               dump("select * from ROZLICZENIE order by id_rozliczenia") + "\n#\n" +
               dump("select * from BLOKADY_POZYCJI order by id_poz_dok") + "\n#\n" +
               dump("select id_firmy, id_lata_obrot, sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_2, "
                    "obr_ma_2, saldo_wn_2, saldo_ma_2, obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA "
                    "order by id_lata_obrot, sym_waluty, nr_konta, data_okresu");
    }
    // The turnovers as they are, and as a full recompute makes them.
    QString turnovers() {
        return dump("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_2, obr_ma_2, saldo_wn_2, "
                    "saldo_ma_2, obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w from OBROTY_I_SALDA where id_lata_obrot=? "
                    "order by sym_waluty, nr_konta, data_okresu",
                    {f().year2026});
    }
    // Sum of one side of the opening lines of an account, straight from POZ_DOK.
    int64_t openingSide(const QString& account, const QString& side, const QString& column = "kwota") {
        return db().scalarInt(QStringLiteral("select coalesce(sum(%1_%2), 0) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and konto_%2=?")
                                  .arg(column, side.toLower()),
                              {f().year2026, account})
            .value_or(-1);
    }
    int64_t scalar(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(-1); }

    int64_t jkowal = 0, anowak = 0;
};

} // namespace ksiega::test
