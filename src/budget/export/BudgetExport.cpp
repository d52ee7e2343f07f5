#include "budget/export/BudgetExport.h"
#include "budget/export/BudgetExporter.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "platform/db/DbError.h"
#include "platform/dbase/DbaseTable.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QFileInfo>

namespace ksiega::budget {

namespace {

const QString kProgressText = QStringLiteral("Eksport dokumentów...|Proszę czekać. Trwa eksportowanie danych...");

QString finishedText(const QString& fileName) {
    return QStringLiteral("Import do pliku ") + fileName + QStringLiteral(" został zakończony.");
}

} // namespace

bool runBudgetExport(const BudgetExportRun& request) {
    ui::Dialogs& dialogs = ui::dialogs();
    BudgetExportRun run = request;
    try {
        checkExportForm(run.form, run.from, run.to);
        const QString fileName = exportFileName(run.form, run.to);
        if (!run.overwrite && QFileInfo::exists(exportPath(run))) {
            if (dialogs.question(overwriteQuestion(fileName), ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) != 1) return false;
            run.overwrite = true;
        }
        const SessionContext& s = session();
        const ExportScope scope{s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.GGG_BT_SEPARATOR};
        ExportResult result;
        {
            const auto progress = dialogs.progress(kProgressText, ui::TITLE_INFORMACJA, false);
            ui::BusyCursor busy;
            ExportHooks hooks;
            hooks.progress = [&](int percent) { progress->setValue(percent); };
            result = exportBudget(moduleDatabase(), scope, run, hooks);
        }
        dialogs.information(finishedText(result.fileName));
        return true;
    } catch (const ExportRefused& e) {
        dialogs.information(e.text());
    } catch (const dbase::DbaseError& e) {
        dialogs.information(e.text());
    } catch (const db::DbError& e) {
        dialogs.information(e.message());
    }
    return false;
}

} // namespace ksiega::budget
