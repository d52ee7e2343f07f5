#include "platform/server/YearClosing.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include "platform/server/TurnoverChange.h"
#include "platform/server/Turnovers.h"
#include "platform/server/closing/ClosingGuard.h"
#include "platform/server/closing/ClosingSteps.h"
#include <algorithm>

namespace ksiega::server {

using namespace closing;

namespace {

// One currency's lines, settlements and cost-centre splits, with the notes of the report;
// the balances are in tmp_zr_saldo already. Returns the document's line count.
int64_t writeCurrency(db::Database& db, const CurrencyRun& run) {
    clearCurrencyTables(db);
    mapAccounts(db, run);
    collectSettlements(db, run);
    computeLines(db, run);
    splitSharedLines(db, run);
    writeLines(db, run);
    writeSettlements(db, run);
    writeCostCentres(db, run);
    noteTransfers(db, run);
    return db.scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_nag_dok=?"), {run.idNagDok}).value_or(0);
}

FiscalYear yearOrThrow(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    const std::optional<FiscalYear> year = loadFiscalYear(db, idFirmy, idLataObrot);
    if (!year) throw db::DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2.").arg(idFirmy).arg(idLataObrot));
    return *year;
}

// The opening-balance documents of the next year by currency key.
std::vector<std::pair<QString, int64_t>> openingDocuments(db::Database& db, const FiscalYear& next) {
    std::vector<std::pair<QString, int64_t>> all;
    db::Rows r = db.select(QStringLiteral("select %1, id_nag_dok from NAG_DOK where id_firmy=? and id_lata_obrot=? and czy_rk=10 "
                                          "order by id_nag_dok")
                               .arg(currencyKey(QStringLiteral("waluta"))),
                           {next.idFirmy, next.idLataObrot});
    while (r.next()) all.emplace_back(r.text(0), r.int64(1));
    return all;
}

} // namespace

std::optional<FiscalYear> nextFiscalYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    const std::optional<FiscalYear> current = loadFiscalYear(db, idFirmy, idLataObrot);
    if (!current) return std::nullopt;
    const std::optional<int64_t> next = db.scalarInt(
        QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? and poczatek_roku>? "
                       "order by poczatek_roku limit 1"),
        {idFirmy, current->start});
    if (!next || *next == 0) return std::nullopt;
    return loadFiscalYear(db, idFirmy, *next);
}

ClosingOutcome createNextYearOpeningBalance(db::Database& db, const ClosingRequest& request) {
    auto progress = [&](int value) { if (request.progress) request.progress(value); };
    db::Transaction tx(db);
    const FiscalYear closingYear = yearOrThrow(db, request.idFirmy, request.idLataObrot);
    const FiscalYear nextYear = lockYears(db, closingYear, request.login);
    if (request.refusalInside) {
        const QString refusal = request.refusalInside();
        if (!refusal.isEmpty()) throw ClosingRefused(ClosingRefused::Reason::RefusedInside, refusal);
    }
    refuseLinesOfOthers(db, nextYear, request.login);
    TurnoverChange turnovers(db, request.idFirmy, nextYear.idLataObrot);
    turnovers.leavingOpeningBalance();   // the turnovers that change: before and after

    db.execute(QStringLiteral("delete from KOMUNIKAT where id_uzytkownika=? and kontekst in ('GEN_BO', 'GEN_BO2')"), {request.userNumber});
    progress(10);
    prepareWorkTables(db);
    readBalances(db, closingYear);
    const QStringList currencies = balanceCurrencies(db);

    ClosingOutcome outcome;
    outcome.nextYear = nextYear;
    CurrencyRun run{closingYear, nextYear, 0, QString(), request.userNumber, request.range, request.skip980And998, request.login};
    for (int i = 0; i < currencies.size(); ++i) {
        run.currency = currencies[i];
        run.idNagDok = PRZYGOTUJ_DOKUMENT_BO(db, request.idFirmy, nextYear.idLataObrot, request.login, nextYear.openingPeriod(),
                                             nextYear.openingPeriod(), run.currency);
        if (run.idNagDok == 0) throw db::DbError(QStringLiteral("Błąd zapisu do tabeli dokumentów."));
        const int64_t lines = writeCurrency(db, run);
        progress(10 + 50 * (i + 1) / int(currencies.size()));
        if (request.afterCurrency) request.afterCurrency(run.currency);
        if (lines == 0 && request.range == ClosingRange::All)
            addProblem(db, request.userNumber, QStringLiteral("Nie wygenerowano zapisów BO"), run.currency);
        outcome.currencies.push_back({run.currency, run.idNagDok, lines});
    }
    // The whole opening balance is made again: a currency without lines any more keeps no
    // line in its document.
    if (request.range == ClosingRange::All) {
        for (const auto& [currency, idNagDok] : openingDocuments(db, nextYear)) {
            if (currencies.contains(currency)) continue;
            run.currency = currency;
            run.idNagDok = idNagDok;
            writeCurrency(db, run);
        }
    }
    writeTransferReport(db, closingYear, request.userNumber);

    progress(90);
    // Only the opening balance changed in the next year: the turnovers of the synthetic
    // accounts on its lines, before and after, are made again exactly as the full recompute
    // makes them, at the cost of those accounts' lines rather than the whole year's.
    turnovers.arrivingOpeningBalance();
    turnovers.apply();
    db.execute(QStringLiteral("update LATA_OBROTOWE set status=1 where id_lata_obrot=?"), {closingYear.idLataObrot});

    db::Rows p = db.select(QStringLiteral("select tekst1, tekst2 from KOMUNIKAT where id_uzytkownika=? and kontekst='GEN_BO' "
                                          "order by id_komunikatu"),
                           {request.userNumber});
    while (p.next()) outcome.problems.push_back({p.text(1), p.text(0)});
    db::Rows r = db.select(QStringLiteral("select tekst1, tekst2, tekst3 from KOMUNIKAT where id_uzytkownika=? and kontekst='GEN_BO2'"),
                           {request.userNumber});
    while (r.next()) outcome.report.push_back({r.text(0), r.text(1), r.text(2)});
    std::sort(outcome.report.begin(), outcome.report.end(), [](const TransferRow& a, const TransferRow& b) {
        return std::tie(a.fromAccount, a.toAccount, a.remarks) < std::tie(b.fromAccount, b.toAccount, b.remarks);
    });
    if (!request.dryRun) tx.commit();
    progress(100);
    return outcome;
}

int64_t DODAJ_POZYCJE_ZAMKNIECIE_ROKU(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNastepnegoRoku, int64_t idNagDok,
                                      const QString& waluta, int today, int64_t userNumber, ClosingRange range, bool skip980And998) {
    (void)today;   // the document carries its own dates
    db::Transaction tx(db);
    const FiscalYear closingYear = yearOrThrow(db, idFirmy, idLataObrot);
    const FiscalYear nextYear = yearOrThrow(db, idFirmy, idNastepnegoRoku);
    if (!db.scalarInt(QStringLiteral("select 1 from NAG_DOK where id_nag_dok=? and id_firmy=? and id_lata_obrot=? and czy_rk=10"),
                      {idNagDok, idFirmy, idNastepnegoRoku}))
        throw db::DbError(QStringLiteral("Dokument %1 nie jest bilansem otwarcia roku %2.").arg(idNagDok).arg(idNastepnegoRoku));
    const QString currency = CurrencyCode::of(waluta).symbol();
    prepareWorkTables(db);
    readBalances(db, closingYear, currency);
    // The user's login, for the claims of a line split in passing.
    const QString login = db.scalarText(QStringLiteral("select login from UZYTKOWNICY where id_uzytkownika=?"), {userNumber})
                              .value_or(QStringLiteral("BO%1").arg(userNumber).left(8));
    const CurrencyRun run{closingYear, nextYear, idNagDok, currency, userNumber, range, skip980And998, login};
    const int64_t lines = writeCurrency(db, run);
    writeTransferReport(db, closingYear, userNumber);
    tx.commit();
    return lines;
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("DODAJ_POZYCJE_ZAMKNIECIE_ROKU"), [](db::Database& db, const db::Params& args) {
    const int64_t lines = DODAJ_POZYCJE_ZAMKNIECIE_ROKU(db, intArg(args, 0), intArg(args, 1), intArg(args, 2), intArg(args, 3), textArg(args, 4),
                                                        int(intArg(args, 5)), intArg(args, 6),
                                                        intArg(args, 7) == 1 ? ClosingRange::Chosen : ClosingRange::All, intArg(args, 8) == 1);
    return ResultSet{{QStringLiteral("pozycje")}, {{lines}}};
});

} // namespace ksiega::server
