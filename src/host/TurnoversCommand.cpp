// ksiega turnovers: the period-turnover list of one account (BO, the months, BZ) with
// period turnovers, running sums and balances, as CSV or JSON.
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "entries/turnovers/PeriodTurnoverList.h"
#include <QTextStream>

namespace ksiega::host {

namespace {
int turnovers(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const QString currency = currencyArgument(args);
    const QString whole = args.option(QStringLiteral("whole"), QStringLiteral("1"));
    if (whole != QLatin1String("0") && whole != QLatin1String("1")) throw UsageError(QStringLiteral("--whole must be 0 or 1"));
    const auto account = args.option(QStringLiteral("account"));
    if (account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));

    BatchSession batch(args, BatchSession::Access::Read);
    const SessionContext& s = batch.session();
    entries::PeriodTurnoverList list(batch.db());
    list.rebuild({s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_POCZATEK_ROKU, s.DANE_KONIEC_ROKU, currency,
                  account->trimmed(), whole == QLatin1String("1"), s.customerVariant});

    QTextStream out(stdout);
    MachineTable table(out, format,
                       {"okres", "obroty_dt", "obroty_ct", "narastajaco_dt", "narastajaco_ct", "saldo_dt", "saldo_ct"});
    for (const auto& r : list.rows())
        table.addRow(r.okres, {r.obrotyDt, r.obrotyCt, r.narastajacoDt, r.narastajacoCt, r.saldoDt, r.saldoCt});
    table.finish();
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("turnovers"),
                  QStringLiteral("the period turnovers of one account (BO, months, BZ) with running sums and balances"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{options::account().required(), options::whole(), options::currency(), options::format()},
                  turnovers);

} // namespace ksiega::host
