// ksiega turnovers: the period-turnover list of one account (BO, the months, BZ) with
// period turnovers, running sums and balances, as CSV or JSON.
#include "host/Subcommands.h"
#include "ledger/turnovers/PeriodTurnoverList.h"
#include "platform/server/FiscalYear.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace ksiega::host {

namespace {
int turnovers(const Arguments& args) {
    if (const QStringList unknown = args.unknownOptions({"db", "company", "year", "account", "whole", "currency", "format"});
        !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    const QString format = args.option(QStringLiteral("format"), QStringLiteral("csv"));
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        throw UsageError(QStringLiteral("--format must be csv or json"));
    const QString currency = args.option(QStringLiteral("currency"), QStringLiteral("PLN")).trimmed().toUpper();
    if (currency.size() != 3) throw UsageError(QStringLiteral("--currency must be a three-letter symbol"));
    const QString whole = args.option(QStringLiteral("whole"), QStringLiteral("1"));
    if (whole != QLatin1String("0") && whole != QLatin1String("1")) throw UsageError(QStringLiteral("--whole must be 0 or 1"));
    const auto account = args.option(QStringLiteral("account"));
    if (!account || account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));

    auto db = openDatabase(args);
    const int64_t company = companyArgument(*db, args);
    const int64_t year = yearArgument(*db, company, args);
    const auto fiscalYear = server::loadFiscalYear(*db, company, year);
    if (!fiscalYear) throw UsageError(QStringLiteral("no fiscal year %1 for company %2").arg(year).arg(company));

    ledger::PeriodTurnoverList list(*db);
    list.rebuild({company, year, fiscalYear->start, fiscalYear->end, currency, account->trimmed(), whole == QLatin1String("1"), 0});

    QTextStream out(stdout);
    if (format == QLatin1String("csv")) {
        out << "okres,obroty_dt,obroty_ct,narastajaco_dt,narastajaco_ct,saldo_dt,saldo_ct\n";
        for (const auto& r : list.rows())
            out << r.okres << ',' << r.obrotyDt.toString() << ',' << r.obrotyCt.toString() << ',' << r.narastajacoDt.toString()
                << ',' << r.narastajacoCt.toString() << ',' << r.saldoDt.toString() << ',' << r.saldoCt.toString() << '\n';
    } else {
        // Amounts as JSON numbers written from their exact text, as trial-balance does.
        bool first = true;
        out << "[";
        for (const auto& r : list.rows()) {
            const QString okres = QString::fromUtf8(QJsonDocument(QJsonArray{r.okres}).toJson(QJsonDocument::Compact));
            out << (first ? "\n" : ",\n") << "  {\"okres\":" << okres.mid(1, okres.size() - 2)
                << ",\"obroty_dt\":" << r.obrotyDt.toString() << ",\"obroty_ct\":" << r.obrotyCt.toString()
                << ",\"narastajaco_dt\":" << r.narastajacoDt.toString() << ",\"narastajaco_ct\":" << r.narastajacoCt.toString()
                << ",\"saldo_dt\":" << r.saldoDt.toString() << ",\"saldo_ct\":" << r.saldoCt.toString() << "}";
            first = false;
        }
        out << "\n]\n";
    }
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("turnovers"),
                  QStringLiteral("turnovers --company C --year Y --account A [--whole 0|1] [--currency PLN] [--format csv|json]"),
                  turnovers);

} // namespace ksiega::host
