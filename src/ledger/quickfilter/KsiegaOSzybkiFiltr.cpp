#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"
#include "ksiega/ksiega.h"
#include "ledger/quickfilter/QuickFilterDialog.h"

namespace ksiega {

namespace {
// The framework's answers left in GLOBALRESPONSE.
constexpr int64_t RequestCompleted = 1;
constexpr int64_t RequestCancelled = 2;
} // namespace

QString KSIEGA_O_SZYBKI_FILTR(const QString& mode) {
    QString result;
    session().GLOBALRESPONSE = RequestCancelled;
    runWindow({QStringLiteral("KSIEGA_O_SZYBKI_FILTR"), QStringLiteral("Ksiega_O_szybki_filtr"), QString()},
              [&](WindowProcedure& window) {
                  ledger::QuickFilterDialog dialog(std::make_unique<ledger::QuickFilterController>(
                      moduleDatabase(), session(), ledger::quickFilterState(), mode));
                  window.attach(&dialog);
                  dialog.exec();
                  result = dialog.controller().result();
                  session().GLOBALRESPONSE = dialog.controller().applied() ? RequestCompleted : RequestCancelled;
              });
    return result;
}

} // namespace ksiega
