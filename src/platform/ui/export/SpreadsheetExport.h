#pragma once
// EXPORT2EXCEL: a list written to a spreadsheet file (.xlsx), row by row as its source
// gives them, so a long list is never held in memory. Amounts go in as numbers with two
// decimals, dates as dates, everything else as text.
#include "platform/runtime/Money.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

namespace ksiega {

struct SheetDate { int dayNumber = 0; };   // a runtime day number; 0 = empty cell
using SheetCell = std::variant<std::monostate, QString, int64_t, Money, SheetDate>;
using SheetRow = std::vector<SheetCell>;

// Fills row with the next row; false when there are no more.
using SheetRowSource = std::function<bool(SheetRow& row)>;

struct ExportResult {
    bool ok = false;
    int64_t rows = 0;
    QString error;   // why the file could not be written
};

ExportResult EXPORT2EXCEL(const QString& fileName, const QStringList& columnTitles, const SheetRowSource& rows,
                          const QString& sheetName = QStringLiteral("Lista"));

} // namespace ksiega
