#include "host/gui/ShotTargets.h"
#include "openingbalance/entry/AmountEntryDialog.h"
#include "platform/runtime/Date.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <stdexcept>

namespace ksiega::host {

// "Wprowadzanie kwot bilansu otwarcia" on the PLN opening balance of --account (130-01
// without it). The line is claimed while the picture is taken and released with the window.
KSIEGA_SHOT_TARGET("BO_KWOTY", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    ui::ScriptedDialogs quiet;
    ui::ScopedDialogs scoped(quiet);
    const int bo = date::openingPeriod(c.session.DANE_POCZATEK_ROKU);
    openingbalance::LineRequest request;
    request.idNagDok = server::PRZYGOTUJ_DOKUMENT_BO(c.db, c.session.DANE_ID_FIRMY, c.session.DANE_LATA_OBROTOWE,
                                                     c.session.DANE_ID_UZYT, bo, bo, QStringLiteral("PLN"));
    request.account = c.account.trimmed().isEmpty() ? QStringLiteral("130-01") : c.account.trimmed();
    request.currency = QStringLiteral("PLN");
    auto controller = std::make_unique<openingbalance::AmountEntryController>(
        c.db, c.session, request, openingbalance::productionAmountEntryServices());
    if (!controller->open()) throw std::runtime_error(quiet.texts().join(QLatin1Char(' ')).toStdString());
    auto window = std::make_unique<openingbalance::AmountEntryDialog>(*controller);
    QObject::connect(window.get(), &QObject::destroyed, [owned = controller.release()] { delete owned; });
    return window;
});

} // namespace ksiega::host
