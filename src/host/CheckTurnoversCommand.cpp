// ksiega check-turnovers: the stored turnovers and balances of a fiscal year against a full
// recompute from its documents; every difference is printed, and the exit status tells
// whether there was one. Reads only.
#include "host/BatchSession.h"
#include "host/Subcommands.h"
#include "platform/runtime/Date.h"
#include "platform/server/TurnoverCheck.h"
#include <QTextStream>

namespace ksiega::host {

namespace {
QString figure(const std::optional<int64_t>& v) {
    return v ? QString::number(*v) : QStringLiteral("(brak wiersza)");
}

int checkTurnovers(const Arguments& args) {
    BatchSession batch(args, BatchSession::Access::Read);
    const int64_t company = batch.session().DANE_ID_FIRMY;
    const int64_t year = batch.session().DANE_LATA_OBROTOWE;
    const auto differences = server::compareTurnovers(batch.db(), company, year);
    QTextStream out(stdout);
    if (differences.empty()) {
        out << "OBROTY_I_SALDA zgodne z dokumentami.\n";
        return 0;
    }
    out << "konto,waluta,okres,kolumna,zapisane,przeliczone\n";
    for (const auto& d : differences)
        out << d.account << ',' << d.currency << ',' << date::toIso(d.period) << ',' << d.column << ',' << figure(d.stored) << ','
            << figure(d.recomputed) << '\n';
    out << "OBROTY_I_SALDA niezgodne z dokumentami: " << differences.size() << " różnic.\n";
    return 1;
}
} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("check-turnovers"),
                  QStringLiteral("compare the stored turnovers and balances (OBROTY_I_SALDA) with a full recompute"), QString(),
                  options::sessionOfCompanyAndYear(), checkTurnovers);

} // namespace ksiega::host
