// ksiega close-year: the year-end closing of "BO w następnym roku obrotowym" from the command
// line. Creates (or regenerates) the next year's opening balance from the closing balances
// of the given year, or removes it with --remove, in one transaction; --dry-run computes and
// prints everything and then rolls it all back. The batch session is the only window of its
// session, so the single-window rule lets it through.
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/server/YearClosing.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

const QString kOtherWindowsOpen =
    QStringLiteral("W celu wykonania tej operacji, konieczne jest zamknięcie wszystkich innych okien aplikacji.");
const QString kCreationFailed =
    QStringLiteral("Uwaga!|Operacja założenia BO w następnym roku obrotowym została wykonana nieprawidłowo.");
const QString kRemovalDone = QStringLiteral("Usunięcie BO w następnym roku obrotowym zostało wykonane.");

// --accounts A,B,...: the account numbers, each once, in the order given.
QStringList accountsArgument(const Arguments& args) {
    QStringList accounts;
    for (const QString& part : args.option(QStringLiteral("accounts"), QString()).split(QLatin1Char(','))) {
        const QString a = part.trimmed();
        if (a.isEmpty()) continue;
        if (a.size() > 60) throw UsageError(QStringLiteral("--accounts: '%1' is longer than an account number can be").arg(a));
        if (!accounts.contains(a)) accounts << a;
    }
    if (accounts.isEmpty()) throw UsageError(QStringLiteral("--accounts needs at least one account number"));
    return accounts;
}

// The chosen accounts must be accounts of the closed year's chart, as the picker offers them.
void checkAccountsExist(db::Database& db, int64_t company, int64_t year, const QStringList& accounts) {
    for (const QString& a : accounts)
        if (!db.scalarInt(QStringLiteral("select count(*) from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and nr_konta=?"),
                          {company, year, a})
                 .value_or(0))
            throw UsageError(QStringLiteral("--accounts: %1 is not an account of the year's chart").arg(a));
}

void writeOutcome(QTextStream& out, MachineTable::Format format, const server::ClosingOutcome& outcome) {
    const bool json = format == MachineTable::Format::Json;
    if (json) out << "{\n\"waluty\": ";
    {
        MachineTable t(out, format, {"waluta", "id_nag_dok", "pozycje"});
        for (const auto& c : outcome.currencies) t.addRow(QStringList{c.symbol}, {c.idNagDok, c.lines});
        t.finish();
    }
    out << (json ? ",\n\"problemy\": " : "\n");
    {
        MachineTable t(out, format, {"waluta", "opis"});
        for (const auto& p : outcome.problems) t.addRow(QStringList{p.currency, p.description});
        t.finish();
    }
    out << (json ? ",\n\"raport\": " : "\n");
    {
        MachineTable t(out, format, {"z_konta", "na_konto", "uwagi"});
        for (const auto& r : outcome.report) t.addRow(QStringList{r.fromAccount, r.toAccount, r.remarks});
        t.finish();
    }
    if (json) out << "}\n";
}

void printError(const QString& text) { QTextStream(stderr) << ui::messageText(text) << "\n"; }

int closeYear(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const bool remove = args.flag(QStringLiteral("remove"));
    const bool dryRun = args.flag(QStringLiteral("dry-run"));
    const bool skip = args.flag(QStringLiteral("skip-980-998"));
    const bool chosen = args.given(QStringLiteral("accounts"));
    if (remove && (chosen || skip))
        throw UsageError(QStringLiteral("--remove removes the whole opening balance: it takes no --accounts or --skip-980-998"));
    const QStringList accounts = chosen ? accountsArgument(args) : QStringList();

    BatchSession batch(args);
    db::Database& db = batch.db();
    SessionContext& s = batch.session();
    if (chosen) checkAccountsExist(db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, accounts);
    QTextStream out(stdout);

    try {
        if (remove) {
            server::removeNextYearOpeningBalance(db, s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, dryRun);
            if (format == MachineTable::Format::Json)
                out << "{\"komunikat\": " << MachineTable::jsonString(dryRun ? QString() : kRemovalDone) << "}\n";
            else if (!dryRun)
                out << kRemovalDone << "\n";
            return 0;
        }

        server::ClosingRequest request;
        request.idFirmy = s.DANE_ID_FIRMY;
        request.idLataObrot = s.DANE_LATA_OBROTOWE;
        request.login = s.DANE_ID_UZYT;
        request.userNumber = s.DANE_ID_UZYTKOWNIKA_NR;
        request.today = s.DANE_DATA_BIEZACA;
        request.range = chosen ? server::ClosingRange::Chosen : server::ClosingRange::All;
        request.skip980And998 = skip;
        request.dryRun = dryRun;
        // Only the session's own window may be open; a batch run opens none.
        request.refusalInside = [&s] { return s.DANE_WATKI.size() > 1 ? kOtherWindowsOpen : QString(); };

        // The chosen accounts replace the user's marks of the chart-of-accounts picker in the
        // same transaction as the closing: a refused, failed or dry run leaves the old marks.
        server::ClosingOutcome outcome;
        {
            db::Transaction tx(db);
            if (chosen) {
                std::vector<pickers::PickedElement> marks;
                for (const QString& a : accounts) marks.push_back({0, a});
                pickers::replacePickedMarks(db, pickers::kAccountBrowser, s.DANE_ID_UZYTKOWNIKA_NR, marks);
            }
            outcome = server::createNextYearOpeningBalance(db, request);
            if (!dryRun) tx.commit();   // a dry run leaves through the rollback of the scope
        }
        writeOutcome(out, format, outcome);
        return 0;
    } catch (const server::ClosingRefused& e) {
        printError(e.text());
        return 1;
    } catch (const db::DbError& e) {
        if (!remove) printError(kCreationFailed);
        printError(e.message());
        return 2;
    }
}

QString help() {
    return QStringLiteral(
        "Creates (or regenerates) the opening balance of the year after --year from its closing\n"
        "balances, with the account-plan changes of the year applied; --remove removes it. Either\n"
        "is one transaction: on a refusal or an error nothing has changed.\n"
        "--accounts A,B,...: range \"Wybrane\": only the next year's accounts that receive one of\n"
        "these accounts are rewritten (the accounts become the user's marks of the chart of accounts).\n"
        "--skip-980-998: \"Pomiń konta 980 i 998\" (with them every account below them).\n"
        "--dry-run: everything is computed and printed, then rolled back.\n"
        "CSV output: three tables, each with its header, separated by an empty line:\n"
        "  waluta,id_nag_dok,pozycje   the opening-balance document of each currency and its lines\n"
        "  waluta,opis                 the problems of the run\n"
        "  z_konta,na_konto,uwagi      the report of the account-plan change, one row per change\n"
        "JSON: {\"waluty\": [...], \"problemy\": [...], \"raport\": [...]}. --remove prints\n"
        "\"Usunięcie BO w następnym roku obrotowym zostało wykonane.\" (JSON {\"komunikat\": ...}).\n"
        "Exit codes: 0 done; 1 refused (the system's text on standard error); 2 usage or an error\n"
        "(the text of the failed run and the database's message on standard error).\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("close-year"),
                  QStringLiteral("create, regenerate or remove the next year's opening balance from this year's closing"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::flag("remove", "remove the next year's opening balance (\"Usunięcie\")"),
                              Option::value("accounts", "A,B,...", "range \"Wybrane\": only these accounts"),
                              Option::flag("skip-980-998", "\"Pomiń konta 980 i 998\""),
                              Option::flag("dry-run", "compute and print, then roll everything back"), options::format()},
                  closeYear, {}, help);

} // namespace ksiega::host
