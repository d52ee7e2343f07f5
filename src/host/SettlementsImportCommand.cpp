// ksiega settlements-import: open settlements of an account brought into the opening balance of
// the year, as the wizard "Import rozrachunków do BO" brings the settlements marked in the
// settlements window; with --undo taken out again, as "Usuń" of the opening-balance import
// window does. Prints how many settlements moved.
//
// Which procedure runs is decided by each settlement's origin: those the warehouse system
// sent (id_nag_dok_m set) go through TG_BO_IMPORT_OUT at their balance on --balance-date
// (without it, what is left of them now), the others through TG_BO_IMPORT at their amount.
// The marks, both imports and the turnovers they refresh are one transaction that begins by
// taking the year, so two runs over the same settlements follow one another and a run that
// is stopped leaves nothing of itself behind.
#include "host/BatchSession.h"
#include "host/SettlementsCommand.h"
#include "host/Subcommands.h"
#include "platform/runtime/Date.h"
#include "platform/server/settlements/OpeningBalanceImport.h"
#include "platform/server/settlements/SettlementWork.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

using namespace settlementcommands;
namespace work = server::settlements;

const QString kNothingToImport = QStringLiteral("Brak odpowiednich rozrachunków do importu.");
const QString kImportFailed = QStringLiteral("Import rozrachunków nie został wykonany. ");
const QString kWrongAccount = QStringLiteral("Proszę wybrać właściwe konto księgowe (ostatni poziom analityki).");

// The account as the opening-balance import window's tree holds it: whether it is kept on
// cards (an account with a card register that has accounts below it), its register's symbol
// and filter, and its currency property.
struct ChosenAccount {
    bool posting = false;
    bool cards = false;
    QString cardSymbol;
    QString cardFilter;
    int importOption = 0;
};

ChosenAccount chosenAccount(db::Database& db, int64_t company, int64_t year, const QString& account) {
    db::Rows r = db.select(QStringLiteral("select w.czy_analityka, k.kartoteka, k.symbol_kartoteki, k.czy_walutowe, k.czy_rozrach "
                                          "from WARTOSCI_KONT w join KONTA_SYNT k on k.id_firmy=w.id_firmy and "
                                          "k.id_lata_obrot=w.id_lata_obrot and k.nr_konta_syn=w.nr_konta_syn "
                                          "where w.id_firmy=? and w.id_lata_obrot=? and w.nr_konta=?"),
                           {company, year, account});
    if (!r.next()) throw UsageError(QStringLiteral("--account: %1 is not an account of the year's chart").arg(account));
    if (r.integer(4) != 1) throw UsageError(QStringLiteral("--account: %1 is not a settlement account").arg(account));
    ChosenAccount a;
    a.posting = r.integer(0) == 1;
    a.cardSymbol = r.text(2).trimmed();
    a.cards = !a.posting && (!r.text(1).trimmed().isEmpty() || !a.cardSymbol.isEmpty());
    a.importOption = r.integer(3);
    if (a.cards && !a.cardSymbol.isEmpty())
        a.cardFilter = db.scalarText(QStringLiteral("select filtr_kartoteka from KARTOTEKA_UZYTKOWNIKA where id_firmy=? and symbol_kartoteki=?"),
                                     {company, a.cardSymbol})
                           .value_or(QString());
    return a;
}

// The given ids by origin: the warehouse system's first, then the ledger's; ids the company
// does not have are in neither.
std::pair<std::vector<int64_t>, std::vector<int64_t>> byOrigin(db::Database& db, int64_t company, const std::vector<int64_t>& ids) {
    std::vector<int64_t> warehouse, ledger;
    work::forChunks(ids, [&](const db::Params& chunk, const QString& marks) {
        db::Params params{company};
        params.insert(params.end(), chunk.begin(), chunk.end());
        db::Rows r = db.select(QStringLiteral("select id_rozrachunku, id_nag_dok_m from ROZRACHUNEK where id_firmy=? and id_rozrachunku in (%1)")
                                   .arg(marks),
                               params);
        while (r.next()) (r.int64(1) != 0 ? warehouse : ledger).push_back(r.int64(0));
    });
    return {warehouse, ledger};
}

int import(BatchSession& batch, const std::vector<int64_t>& ids, const QString& account, int balanceDate) {
    db::Database& db = batch.db();
    SessionContext& s = batch.session();
    const ChosenAccount chosen = chosenAccount(db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, account);
    if (!chosen.posting && !chosen.cards) {
        printError(kWrongAccount);
        return 1;
    }
    server::SettlementImportRequest request;
    request.idFirmy = s.DANE_ID_FIRMY;
    request.idLataObrot = s.DANE_LATA_OBROTOWE;
    request.userNumber = s.DANE_ID_UZYTKOWNIKA_NR;
    request.konto = account;
    request.filtrKartoteki = chosen.cardFilter;
    request.kartoteka = chosen.cards;
    request.opcjaImportu = chosen.importOption;

    server::SettlementImportResult done;
    try {
        db::Transaction tx(db);
        if (work::takeYear(db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE)) throw db::DbError(work::approvedOpeningBalanceText());
        const auto [warehouse, ledger] = byOrigin(db, s.DANE_ID_FIRMY, ids);
        const auto add = [&done](const server::SettlementImportResult& r) {
            done.imported += r.imported;
            done.skippedLocked += r.skippedLocked;
        };
        if (!warehouse.empty()) {
            replaceMarks(db, s.DANE_ID_UZYTKOWNIKA_NR, work::kMarkedSettlementsBrowser, warehouse);
            add(server::TG_BO_IMPORT_OUT(db, request, balanceDate));
        }
        if (!ledger.empty()) {
            replaceMarks(db, s.DANE_ID_UZYTKOWNIKA_NR, work::kMarkedSettlementsBrowser, ledger);
            add(server::TG_BO_IMPORT(db, request));
        }
        // The selection stays as the user made it.
        replaceMarks(db, s.DANE_ID_UZYTKOWNIKA_NR, work::kMarkedSettlementsBrowser, ids);
        tx.commit();
    } catch (const db::DbError& e) {
        return failed(e, kImportFailed);
    }
    QTextStream(stdout) << done.imported << "\n";
    if (done.skippedLocked)
        printError(QStringLiteral("%1 settlement(s) left out: another user holds their opening-balance line").arg(done.skippedLocked));
    if (done.imported == 0) {
        printError(kNothingToImport);
        return 1;
    }
    return 0;
}

int undo(BatchSession& batch, const std::vector<int64_t>& ids) {
    db::Database& db = batch.db();
    SessionContext& s = batch.session();
    int removed = 0;
    try {
        db::Transaction tx(db);
        if (work::takeYear(db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE)) throw db::DbError(work::approvedOpeningBalanceText());
        replaceMarks(db, s.DANE_ID_UZYTKOWNIKA_NR, work::kRemovedSettlementsBrowser, ids);
        removed = server::TG_BO_IMPORT_UNDO(db, s.DANE_ID_FIRMY, s.DANE_ID_UZYTKOWNIKA_NR);
        tx.commit();
    } catch (const db::DbError& e) {
        return failed(e, QString());
    }
    QTextStream(stdout) << removed << "\n";
    return 0;
}

int settlementsImport(const Arguments& args) {
    const std::vector<int64_t> ids = idsArgument(args);
    const bool undoing = args.flag(QStringLiteral("undo"));
    const QString account = args.option(QStringLiteral("account"), QString()).trimmed();
    if (!undoing && account.isEmpty()) throw UsageError(QStringLiteral("--account needs the account to import into"));
    int balanceDate = 0;
    if (args.given(QStringLiteral("balance-date"))) {
        if (undoing) throw UsageError(QStringLiteral("--undo takes no --balance-date"));
        const auto d = date::parseIso(args.option(QStringLiteral("balance-date"), QString()).trimmed());
        if (!d || *d == 0) throw UsageError(QStringLiteral("--balance-date must be a date YYYY-MM-DD"));
        balanceDate = *d;
    }
    BatchSession batch(args);
    return undoing ? undo(batch, ids) : import(batch, ids, account, balanceDate);
}

QString help() {
    return QStringLiteral(
        "Imports the settlements --ids of --account (an account at the last level of analytics, or\n"
        "one kept on cards: then its accounts below, narrowed by its card register's filter) into\n"
        "the year's opening balance, each onto the line of its account in the document of its\n"
        "currency. A settlement the warehouse system sent comes in at its balance on --balance-date\n"
        "(none: what is left of it now), any other at its amount. Settlements already on a ledger\n"
        "line, not open, or of other accounts are left out. --undo takes the settlements --ids out\n"
        "of the opening balance again (those entered there by hand are deleted; refused as a whole\n"
        "when one of those has clearings). The settlements' ids stay marked in the selection store\n"
        "(browser 30, or 34 with --undo).\n"
        "Prints the number of settlements moved. Exit codes: 0 done; 1 refused or nothing to import\n"
        "(the system's text on standard error); 2 usage or an error of the database.\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("settlements-import"),
                  QStringLiteral("import settlements into the opening balance, or take them out with --undo"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("account", "A", "the account to import into"),
                              Option::value("ids", "1,2,3", "the settlements").required(),
                              Option::value("balance-date", "YYYY-MM-DD", "the warehouse settlements at their balance on that day"),
                              Option::flag("undo", "take the settlements out of the opening balance (\"Usuń\")")},
                  settlementsImport, {}, help);

} // namespace ksiega::host
