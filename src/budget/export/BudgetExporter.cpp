#include "budget/export/BudgetExporter.h"
#include "budget/export/ExportLayouts.h"
#include <QDir>
#include <QFileInfo>

namespace ksiega::budget {

QString overwriteQuestion(const QString& fileName) {
    return QStringLiteral("W wybranym katalogu istnieje już plik eksportu ") + fileName + QStringLiteral(". Czy chcesz nadpisać plik ?");
}

QString exportPath(const BudgetExportRun& run) {
    return QDir(run.form.folder).filePath(exportFileName(run.form, run.to));
}

ExportResult exportBudget(db::Database& db, const ExportScope& scope, const BudgetExportRun& run, const ExportHooks& hooks) {
    auto progress = [&](int percent) {
        if (hooks.progress) hooks.progress(percent);
    };
    checkExportForm(run.form, run.from, run.to);
    ExportResult result;
    result.fileName = exportFileName(run.form, run.to);
    result.path = exportPath(run);
    if (QFileInfo::exists(result.path) && !run.overwrite) throw ExportRefused(overwriteQuestion(result.fileName));

    progress(0);
    const std::vector<ExportSymbolFigures> figures = gatherFigures(db, scope, run.form.side, run.from, run.to, run.sqlFilter);
    progress(40);

    dbase::Table table(layoutFields(run.form.side, run.form.format));
    const ExportHeading heading{run.form, run.to};
    for (const ExportSymbolFigures& f : figures) {
        try {
            table.addRecord(layoutRecord(heading, f));
        } catch (const dbase::DbaseError& e) {
            throw ExportRefused(QStringLiteral("Symbol %1: %2|Eksport nie został wykonany.").arg(f.symbol, e.text()));
        }
    }
    progress(60);

    const int count = table.recordCount();
    dbase::WriteOptions options;
    options.today = hooks.today;
    options.afterRecord = [&](int n) {
        if (hooks.afterRecord) hooks.afterRecord(n);
        if (count > 0 && n % 256 == 0) progress(60 + 40 * n / count);
    };
    dbase::writeFile(result.path, table, options);
    progress(100);
    result.records = count;
    return result;
}

} // namespace ksiega::budget
