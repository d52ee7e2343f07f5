#include "host/gui/SessionChooserDialog.h"
#include "host/gui/ShotTargets.h"
#include "platform/runtime/Date.h"

namespace ksiega::host {

// The session chooser as it opens, preselected with the shot's session.
KSIEGA_SHOT_TARGET("WYBOR_FIRMY", [](ShotContext& c) -> std::unique_ptr<QWidget> {
    const SessionChoice earlier{c.session.DANE_ID_FIRMY, c.session.DANE_LATA_OBROTOWE, c.session.DANE_ID_UZYT,
                                c.session.DANE_DATA_BIEZACA};
    auto dialog = std::make_unique<SessionChooserDialog>(c.db, date::fromQDate(QDate::currentDate()), earlier);
    dialog->adjustSize();
    return dialog;
});

} // namespace ksiega::host
