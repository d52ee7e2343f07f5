#include "host/BatchWindowServices.h"
#include "host/gui/ShotTargets.h"
#include "platform/runtime/Date.h"
#include "printouts/accountreport/AccountReportWindow.h"

namespace ksiega::host {

// "Raport z konta" with one range: the account of --account (130-01 without it) over the
// first quarter of the fiscal year, by document date.
KSIEGA_SHOT_TARGET("RAPORT_DLA_KONTA", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    auto controller = std::make_unique<printouts::AccountReportController>(c.db, shotWindowServices());
    const int start = c.session.DANE_POCZATEK_ROKU;
    const QDate end = date::toQDate(start).addMonths(3).addDays(-1);
    controller->addRange({false, start, qMin(date::fromQDate(end), c.session.DANE_KONIEC_ROKU),
                          c.account.trimmed().isEmpty() ? QStringLiteral("130-01") : c.account.trimmed()});
    controller->setCurrency(c.session.activeCurrency());
    return std::make_unique<printouts::AccountReportWindow>(c.db, std::move(controller));
});

} // namespace ksiega::host
