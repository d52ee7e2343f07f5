#pragma once
// The export itself, without a window: the form checked, the figures gathered, every
// record formatted (a value that does not fit refuses the export before the file exists)
// and the file written whole or not at all.
#include "budget/export/ExportCodes.h"
#include "budget/export/ExportFigures.h"
#include <QDate>
#include <functional>

namespace ksiega::budget {

struct ExportResult {
    QString path;
    QString fileName;
    int records = 0;
};

struct ExportHooks {
    std::function<void(int percent)> progress;
    // Called after each record is written (tests make the write fail there).
    std::function<void(int record)> afterRecord;
    QDate today = QDate::currentDate();
};

// "W wybranym katalogu istnieje już plik eksportu NAME. Czy chcesz nadpisać plik ?"
QString overwriteQuestion(const QString& fileName);
// The path the export writes to (the form must have passed checkExportForm).
QString exportPath(const BudgetExportRun& run);

// Throws ExportRefused (a check failed, a symbol without its shape, a value that does not
// fit, the file exists and run.overwrite is false), db::DbError or dbase::DbaseError; in
// every case no file was written and an old file of the name is untouched.
ExportResult exportBudget(db::Database& db, const ExportScope& scope, const BudgetExportRun& run, const ExportHooks& hooks = {});

} // namespace ksiega::budget
