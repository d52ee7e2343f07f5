// Settlements into the opening balance and out of it again.
#include "platform/server/settlements/OpeningBalanceImport.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include "platform/server/settlements/CardFilter.h"
#include "platform/server/settlements/SettlementBalance.h"
#include "platform/server/settlements/SettlementWork.h"
#include "platform/siblings/pickers/CardLists.h"
#include <map>
#include <set>

namespace ksiega::server {

using namespace settlements;

namespace {

enum class Source { Ledger, Warehouse };

struct ImportRun {
    const SettlementImportRequest& request;
    Source source;
    int dataSalda = 0;
};

// The signed amount a settlement brings to its line, as an expression over row `r`.
BoundExpression broughtSql(const ImportRun& run, BalanceAmount amount) {
    if (run.source == Source::Warehouse) return balanceOnDateOwnSideSql(QStringLiteral("r"), run.dataSalda, amount);
    return {QStringLiteral("((CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * r.%1)")
                .arg(amount == BalanceAmount::Currency ? QStringLiteral("kwota_w") : QStringLiteral("kwota")),
            {}};
}

bool currencyAccount(db::Database& db, const SettlementImportRequest& q) {
    if (q.opcjaImportu != 1) return false;
    return db.scalarInt(QStringLiteral("select czy_walutowe from KONTA_SYNT where id_firmy=? and id_lata_obrot=? and nr_konta_syn=?"),
                        {q.idFirmy, q.idLataObrot, syntheticOf(q.konto.trimmed()).toLongLong()})
               .value_or(0) == 1;
}

struct Candidate {
    int64_t id = 0;
    QString account;
    QString currency;   // upper case, "PLN" for the home currency
};

// The marked settlements that the import takes, by account.
std::vector<Candidate> candidates(db::Database& db, const ImportRun& run) {
    const SettlementImportRequest& q = run.request;
    const QString account = q.konto.trimmed();
    QString sql = QStringLiteral(
        "select r.id_rozrachunku, r.nr_konta, upper(r.sym_waluty) from ROZRACHUNEK r "
        "where r.id_firmy=? and r.id_lata_obrot=? and r.id_poz_dok_f=0 "
        "and r.id_rozrachunku in (select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=?) "
        "and r.sym_waluty <> '' and (upper(r.sym_waluty) = 'PLN' or ? = 1) ");
    db::Params params{q.idFirmy, q.idLataObrot, q.userNumber, kMarkedSettlementsBrowser, currencyAccount(db, q) ? 1 : 0};
    if (q.kartoteka) {
        sql += QStringLiteral("and (r.nr_konta=? or substr(r.nr_konta, 1, ?)=?) ");
        params.insert(params.end(), {account, int(account.size() + 1), account + QLatin1Char('-')});
        const ui::SqlFilter cards = pickers::cardFilter(cardSymbolOfAccountSql(QStringLiteral("r")), q.filtrKartoteki);
        if (!cards.isEmpty()) {
            sql += QStringLiteral("and ") + cards.where + QLatin1Char(' ');
            params.insert(params.end(), cards.params.begin(), cards.params.end());
        }
    } else {
        sql += QStringLiteral("and r.nr_konta=? ");
        params.push_back(account);
    }
    if (run.source == Source::Warehouse) sql += QStringLiteral("and r.id_nag_dok_m <> 0 ");
    const BoundExpression open = run.source == Source::Warehouse
                                     ? balanceOnDateOwnSideSql(QStringLiteral("r"), run.dataSalda)
                                     : balanceOnDateOwnSideSql(QStringLiteral("r"), 0);
    sql += QStringLiteral("and %1 <> 0 order by r.nr_konta, r.id_rozrachunku").arg(open.sql);
    params.insert(params.end(), open.params.begin(), open.params.end());

    std::vector<Candidate> all;
    db::Rows r = db.select(sql, params);
    while (r.next()) all.push_back({r.int64(0), r.text(1), r.text(2)});
    return all;
}

// Whether the login holds a line of the account in the document already.
bool holdsLineOf(db::Database& db, int64_t idNagDok, const QString& account, const QString& login) {
    return db.scalarInt(QStringLiteral("select count(*) from BLOKADY_POZYCJI b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                                       "where p.id_nag_dok=? and (p.konto_wn=? or p.konto_ma=?) and b.id_uzyt=?"),
                        {idNagDok, account, account, login})
               .value_or(0) > 0;
}

LineAmounts amountsOf(db::Database& db, int64_t idPozDok) {
    db::Rows r = db.select(QStringLiteral("select kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w from POZ_DOK where id_poz_dok=?"), {idPozDok});
    if (!r.next()) throw db::DbError(QStringLiteral("Pozycja %1 nie istnieje.").arg(idPozDok));
    return {r.money(0), r.money(1), r.money(2), r.money(3)};
}

void addToSide(LineAmounts& a, const QString& strona, Money pln, Money currency) {
    if (strona == QLatin1String("WN")) { a.kwotaWn += pln; a.kwotaWnW += currency; }
    else { a.kwotaMa += pln; a.kwotaMaW += currency; }
}

// Claims the ids for the line, records what each brings and returns how many it took and
// what they bring per side.
int claimForLine(db::Database& db, const ImportRun& run, int64_t line, const std::vector<int64_t>& ids, LineAmounts& brought) {
    const BoundExpression pln = broughtSql(run, BalanceAmount::Pln);
    const BoundExpression cur = broughtSql(run, BalanceAmount::Currency);
    int taken = 0;
    forChunks(ids, [&](const db::Params& chunk, const QString& marks) {
        db::Params claim{line};
        claim.insert(claim.end(), chunk.begin(), chunk.end());
        const int64_t n = db.execute(
            QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=? where id_rozrachunku in (%1) and id_poz_dok_f=0").arg(marks), claim);
        if (n == 0) return;
        taken += int(n);
        db::Params record = pln.params;
        record.insert(record.end(), cur.params.begin(), cur.params.end());
        record.push_back(run.request.userNumber);
        record.push_back(line);
        record.insert(record.end(), chunk.begin(), chunk.end());
        db.execute(QStringLiteral("insert into ROZRACHUNEK_IMPORT_BO (id_rozrachunku, kwota, kwota_w, czy_bo_przed, id_uzytkownika) "
                                  "select r.id_rozrachunku, %1, %2, r.czy_bo, ? from ROZRACHUNEK r "
                                  "where r.id_poz_dok_f=? and r.id_rozrachunku in (%3) "
                                  "on conflict (id_rozrachunku) do update set kwota=excluded.kwota, kwota_w=excluded.kwota_w, "
                                  "czy_bo_przed=excluded.czy_bo_przed, id_uzytkownika=excluded.id_uzytkownika")
                       .arg(pln.sql, cur.sql, marks),
                   record);
        db.execute(QStringLiteral("update ROZRACHUNEK set czy_bo=1 where id_poz_dok_f=? and id_rozrachunku in (%1)").arg(marks), claim);
        db::Rows sums = db.select(QStringLiteral("select r.strona, CAST(sum(i.kwota) AS BIGINT), CAST(sum(i.kwota_w) AS BIGINT) "
                                                 "from ROZRACHUNEK_IMPORT_BO i join ROZRACHUNEK r on r.id_rozrachunku=i.id_rozrachunku "
                                                 "where r.id_poz_dok_f=? and i.id_rozrachunku in (%1) group by r.strona")
                                      .arg(marks),
                                  claim);
        while (sums.next()) addToSide(brought, sums.text(0), sums.money(1), sums.money(2));
    });
    return taken;
}

SettlementImportResult runImport(db::Database& db, const ImportRun& run) {
    const SettlementImportRequest& q = run.request;
    SettlementImportResult result;
    if (q.konto.trimmed().isEmpty()) return result;
    db::Transaction tx(db);
    if (takeYear(db, q.idFirmy, q.idLataObrot)) throw db::DbError(approvedOpeningBalanceText());
    const QString login = loginOf(db, q.userNumber);
    const int yearStart = int(db.scalarInt(QStringLiteral("select poczatek_roku from LATA_OBROTOWE where id_lata_obrot=?"),
                                           {q.idLataObrot})
                                  .value_or(0));

    std::map<std::pair<QString, QString>, std::vector<int64_t>> groups;   // (currency, account) -> ids
    for (const Candidate& c : candidates(db, run)) groups[{c.currency, c.account}].push_back(c.id);

    std::map<QString, int64_t> documents;
    TurnoverChange turnovers(db, q.idFirmy, q.idLataObrot);
    for (const auto& [key, ids] : groups) {
        const auto& [currency, account] = key;
        int64_t& document = documents[currency];
        if (document == 0) document = PRZYGOTUJ_DOKUMENT_BO(db, q.idFirmy, q.idLataObrot, login, yearStart, yearStart, currency);
        if (document == 0) throw db::DbError(QStringLiteral("Brak dokumentu bilansu otwarcia w walucie %1.").arg(currency));

        const bool heldBefore = holdsLineOf(db, document, account, login);
        const LineClaim claim = POZYCJE_BO_DODAJ(db, q.idFirmy, document, account, login, q.userNumber);
        if (claim.status == LineClaimStatus::LockedByOther) {
            result.skippedLocked += int(ids.size());
            continue;
        }
        if (claim.status != LineClaimStatus::Claimed)
            throw db::DbError(QStringLiteral("Wystąpił błąd odczytu z tabeli pozycji dokumentów."));

        LineAmounts brought;
        const int taken = claimForLine(db, run, claim.idPozDok, ids, brought);
        if (taken > 0) {
            LineAmounts amounts = amountsOf(db, claim.idPozDok);
            amounts.kwotaWn += brought.kwotaWn;
            amounts.kwotaWnW += brought.kwotaWnW;
            amounts.kwotaMa += brought.kwotaMa;
            amounts.kwotaMaW += brought.kwotaMaW;
            turnovers.leavingLines({claim.idPozDok});
            POZYCJE_BO_AKTUALIZUJ(db, document, yearStart, q.idFirmy, q.idLataObrot, claim.idPozDok, 0, QString(), QString(), amounts,
                                  q.userNumber, false);
            turnovers.arrivingLines({claim.idPozDok});
            result.imported += taken;
        }
        if (!heldBefore) POZYCJE_BO_ZWOLNIJ(db, claim.idPozDok, login);
    }
    turnovers.apply();
    tx.commit();
    return result;
}

// ---- undo ---------------------------------------------------------------------------

struct Removal {
    int64_t id = 0;
    int64_t line = 0;
    QString strona;
    Money pln, currency;    // what it takes from its line
    bool remove = false;    // deleted rather than put back
    QString symbol;
};

struct LineOfRemoval {
    int64_t idNagDok = 0;
    int64_t idLataObrot = 0;
    QString account;
    int dataBo = 0;
    LineAmounts taken;
};

} // namespace

SettlementImportResult TG_BO_IMPORT(db::Database& db, const SettlementImportRequest& request) {
    return runImport(db, ImportRun{request, Source::Ledger, 0});
}

SettlementImportResult TG_BO_IMPORT_OUT(db::Database& db, const SettlementImportRequest& request, int dataSalda) {
    return runImport(db, ImportRun{request, Source::Warehouse, dataSalda});
}

int TG_BO_IMPORT_UNDO(db::Database& db, int64_t idFirmy, int64_t userNumber) {
    db::Transaction tx(db);
    const QString login = loginOf(db, userNumber);
    // The years first: every writer of an opening balance takes its year before its lines.
    std::vector<int64_t> years;
    {
        db::Rows r = db.select(QStringLiteral("select distinct p.id_lata_obrot from ROZRACHUNEK r join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f "
                                              "where r.id_firmy=? and r.czy_bo=1 and p.czy_rk=10 and r.id_rozrachunku in "
                                              "(select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=?) "
                                              "order by 1"),
                               {idFirmy, userNumber, kRemovedSettlementsBrowser});
        while (r.next()) years.push_back(r.int64(0));
    }
    for (int64_t year : years)
        if (takeYear(db, idFirmy, year)) throw db::DbError(approvedOpeningBalanceText());

    std::vector<Removal> removals;
    std::map<int64_t, LineOfRemoval> lines;
    db::Rows r = db.select(
        QStringLiteral("select r.id_rozrachunku, r.id_poz_dok_f, r.strona, r.kwota, r.kwota_w, r.czy_korekta, r.id_nag_dok_m, "
                       "case when i.id_rozrachunku is null then 0 else 1 end, coalesce(i.kwota, 0), coalesce(i.kwota_w, 0), "
                       "p.id_nag_dok, p.id_lata_obrot, case when p.konto_wn <> '' then p.konto_wn else p.konto_ma end, "
                       "p.data_okresu, r.symbol "
                       "from ROZRACHUNEK r join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f "
                       "left join ROZRACHUNEK_IMPORT_BO i on i.id_rozrachunku=r.id_rozrachunku "
                       "where r.id_firmy=? and r.czy_bo=1 and p.czy_rk=10 and r.id_rozrachunku in "
                       "(select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=?) "
                       "order by r.id_rozrachunku"),
        {idFirmy, userNumber, kRemovedSettlementsBrowser});
    while (r.next()) {
        Removal m;
        m.id = r.int64(0);
        m.line = r.int64(1);
        m.strona = r.text(2);
        const bool warehouse = r.int64(6) != 0, imported = r.integer(7) == 1;
        const int sign = r.integer(5) == 1 ? -1 : 1;
        // A warehouse settlement is never rewritten, so what it brought stands; one the
        // ledger keeps brings its amount as it is now.
        if (warehouse && imported) { m.pln = r.money(8); m.currency = r.money(9); }
        else { m.pln = Money::fromMinor(sign * r.int64(3)); m.currency = Money::fromMinor(sign * r.int64(4)); }
        m.remove = !warehouse && !imported;
        m.symbol = r.text(14);
        removals.push_back(m);
        LineOfRemoval& line = lines[m.line];
        line.idNagDok = r.int64(10);
        line.idLataObrot = r.int64(11);
        line.account = r.text(12);
        line.dataBo = r.integer(13);
        addToSide(line.taken, m.strona, m.pln, m.currency);
    }
    if (removals.empty()) {
        tx.commit();
        return 0;
    }

    for (const auto& [id, line] : lines) {
        const QString holder = lineClaimHolder(db, id).trimmed();
        if (!holder.isEmpty() && holder != login)
            throw db::DbError(QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika."));
    }
    std::vector<int64_t> deleted, putBack;
    for (const Removal& m : removals) (m.remove ? deleted : putBack).push_back(m.id);
    forChunks(deleted, [&](const db::Params& chunk, const QString& marks) {
        const std::optional<QString> cleared = db.scalarText(
            QStringLiteral("select min(r.symbol) from ROZRACHUNEK r where r.id_rozrachunku in (%1) and "
                           "(exists (select 1 from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku) or "
                           "exists (select 1 from ROZLICZENIE z where z.id_rozrachunku_rozl=r.id_rozrachunku))")
                .arg(marks),
            chunk);
        if (cleared)
            throw db::DbError(QStringLiteral("Nie można usunąć z bilansu otwarcia rozrachunku %1, ponieważ został rozliczony.").arg(*cleared));
    });

    forChunks(putBack, [&](const db::Params& chunk, const QString& marks) {
        db.execute(QStringLiteral("update ROZRACHUNEK set id_poz_dok_f=0, czy_bo=coalesce((select i.czy_bo_przed from ROZRACHUNEK_IMPORT_BO i "
                                  "where i.id_rozrachunku=ROZRACHUNEK.id_rozrachunku), 0) where id_rozrachunku in (%1)")
                       .arg(marks),
                   chunk);
        db.execute(QStringLiteral("delete from ROZRACHUNEK_IMPORT_BO where id_rozrachunku in (%1)").arg(marks), chunk);
    });
    forChunks(deleted, [&](const db::Params& chunk, const QString& marks) {
        db.execute(QStringLiteral("delete from ROZRACHUNEK where id_rozrachunku in (%1)").arg(marks), chunk);
    });

    // The turnovers of each year whose lines change: the lines out before, in after (a
    // line removed brings nothing back).
    std::map<int64_t, std::unique_ptr<TurnoverChange>> turnovers;
    for (const auto& [id, line] : lines) {
        auto& change = turnovers[line.idLataObrot];
        if (!change) change = std::make_unique<TurnoverChange>(db, idFirmy, line.idLataObrot);
        change->leavingLines({id});
    }
    for (const auto& [id, line] : lines) {
        LineAmounts amounts = amountsOf(db, id);
        amounts.kwotaWn -= line.taken.kwotaWn;
        amounts.kwotaWnW -= line.taken.kwotaWnW;
        amounts.kwotaMa -= line.taken.kwotaMa;
        amounts.kwotaMaW -= line.taken.kwotaMaW;
        POZYCJE_BO_AKTUALIZUJ(db, line.idNagDok, line.dataBo, idFirmy, line.idLataObrot, id, 0, QString(), QString(), amounts, userNumber,
                              false);
        // A line left with nothing is no line.
        if (amounts.isZero() &&
            db.scalarInt(QStringLiteral("select case when exists (select 1 from ROZRACHUNEK where id_poz_dok_f=?) "
                                        "or exists (select 1 from POZ_DOK_CZASTKOWE where id_poz_dok=?) "
                                        "or exists (select 1 from MPK_DANE where id_poz_dok=?) "
                                        "or exists (select 1 from SLOW_DANE where id_poz_dok=?) "
                                        "or exists (select 1 from BT_DANE where id_poz_dok=?) "
                                        "or exists (select 1 from ROZLICZENIE where id_poz_dok=?) then 1 else 0 end"),
                         {id, id, id, id, id, id})
                    .value_or(1) == 0) {
            db.execute(QStringLiteral("delete from BLOKADY_POZYCJI where id_poz_dok=?"), {id});
            db.execute(QStringLiteral("delete from POZ_DOK where id_poz_dok=?"), {id});
        }
        turnovers[line.idLataObrot]->arrivingLines({id});
    }
    for (auto& [year, change] : turnovers) change->apply();
    tx.commit();
    return int(removals.size());
}

namespace {

SettlementImportRequest requestOf(const db::Params& args) {
    SettlementImportRequest q;
    q.idFirmy = intArg(args, 0);
    q.idLataObrot = intArg(args, 1);
    q.userNumber = intArg(args, 2);
    q.konto = textArg(args, 3);
    q.filtrKartoteki = textArg(args, 4);
    q.kartoteka = intArg(args, 5) == 1;
    q.opcjaImportu = int(intArg(args, 6));
    return q;
}

ResultSet importResult(const SettlementImportResult& r) {
    return ResultSet{{QStringLiteral("zaimportowane"), QStringLiteral("pominiete")}, {{r.imported, r.skippedLocked}}};
}

} // namespace

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BO_IMPORT"), [](db::Database& db, const db::Params& args) {
    return importResult(TG_BO_IMPORT(db, requestOf(args)));
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BO_IMPORT_OUT"), [](db::Database& db, const db::Params& args) {
    return importResult(TG_BO_IMPORT_OUT(db, requestOf(args), int(intArg(args, 7))));
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BO_IMPORT_UNDO"), [](db::Database& db, const db::Params& args) {
    return ResultSet{{QStringLiteral("usuniete")}, {{TG_BO_IMPORT_UNDO(db, intArg(args, 0), intArg(args, 1))}}};
});

} // namespace ksiega::server
