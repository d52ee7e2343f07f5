// ksiega trial-balance: the turnovers and balances of every account in one period and
// currency, as CSV or JSON.
#include "host/Subcommands.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/TrialBalance.h"
#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>
#include <QVariantList>
#include <QTextStream>

namespace ksiega::host {

namespace {
int trialBalance(const Arguments& args) {
    if (const QStringList unknown = args.unknownOptions({"db", "company", "year", "period", "currency", "format"});
        !unknown.isEmpty())
        throw UsageError(QStringLiteral("unknown option %1").arg(unknown.join(' ')));
    const QString format = args.option(QStringLiteral("format"), QStringLiteral("csv"));
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        throw UsageError(QStringLiteral("--format must be csv or json"));
    const QString currency = args.option(QStringLiteral("currency"), QStringLiteral("PLN")).trimmed().toUpper();
    if (currency.size() != 3) throw UsageError(QStringLiteral("--currency must be a three-letter symbol"));

    auto db = openDatabase(args);
    const int64_t company = companyArgument(*db, args);
    const int64_t year = yearArgument(*db, company, args);
    const auto fiscalYear = server::loadFiscalYear(*db, company, year);
    const QString periodText = args.option(QStringLiteral("period"), QStringLiteral("BZ"));
    const auto period = server::parsePeriod(*fiscalYear, periodText);
    if (!period) throw UsageError(QStringLiteral("--period must be BO, BZ or YYYY-MM of the fiscal year, not '%1'").arg(periodText));

    QTextStream out(stdout);
    bool first = true;
    if (format == QLatin1String("csv")) out << "konto,obroty_dt,obroty_ct,saldo_dt,saldo_ct\n";
    else out << "[";
    server::forEachTrialBalanceRow(*db, *fiscalYear, *period, currency, [&](const server::TrialBalanceRow& r) {
        if (format == QLatin1String("csv")) {
            // Account numbers hold digits and dashes; quote anything else the CSV way.
            QString konto = r.konto;
            if (konto.contains(QRegularExpression(QStringLiteral("[\",\\r\\n]"))))
                konto = '"' + konto.replace('"', QStringLiteral("\"\"")) + '"';
            out << konto << ',' << r.obrotyDt.toString() << ',' << r.obrotyCt.toString() << ',' << r.saldoDt.toString() << ','
                << r.saldoCt.toString() << '\n';
        } else {
            const QString konto = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{r.konto}).toJson(QJsonDocument::Compact));
            out << (first ? "\n" : ",\n") << "  {\"konto\":" << konto.mid(1, konto.size() - 2)
                << ",\"obroty_dt\":" << r.obrotyDt.toString() << ",\"obroty_ct\":" << r.obrotyCt.toString()
                << ",\"saldo_dt\":" << r.saldoDt.toString() << ",\"saldo_ct\":" << r.saldoCt.toString() << "}";
        }
        first = false;
    });
    if (format == QLatin1String("json")) out << (first ? "]\n" : "\n]\n");
    return 0;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("trial-balance"),
                  QStringLiteral("trial-balance --company C --year Y [--period BO|YYYY-MM|BZ] [--currency PLN] [--format csv|json]"),
                  trialBalance);

} // namespace ksiega::host
