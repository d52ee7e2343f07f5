#include "platform/ui/export/SpreadsheetExport.h"
#include "platform/runtime/Date.h"
#include <xlsxwriter.h>

namespace ksiega {

ExportResult EXPORT2EXCEL(const QString& fileName, const QStringList& columnTitles, const SheetRowSource& rows,
                          const QString& sheetName) {
    ExportResult result;
    const QByteArray path = fileName.toUtf8();
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book) {
        result.error = QStringLiteral("Nie można utworzyć pliku %1.").arg(fileName);
        return result;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.left(31).toUtf8().constData());
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* amount = workbook_add_format(book);
    format_set_num_format(amount, "#,##0.00");
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "dd-mm-yyyy");

    for (int c = 0; c < columnTitles.size(); ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), columnTitles[c].toUtf8().constData(), bold);

    SheetRow row;
    lxw_row_t r = 1;
    while (true) {
        row.clear();
        if (!rows(row)) break;
        for (size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            const lxw_col_t col = lxw_col_t(c);
            if (const auto* text = std::get_if<QString>(&cell)) {
                worksheet_write_string(sheet, r, col, text->toUtf8().constData(), nullptr);
            } else if (const auto* number = std::get_if<int64_t>(&cell)) {
                worksheet_write_number(sheet, r, col, double(*number), nullptr);
            } else if (const auto* money = std::get_if<Money>(&cell)) {
                // the spreadsheet keeps numbers as binary floating point: the nearest one
                // to the exact amount, shown with two decimals
                worksheet_write_number(sheet, r, col, money->toString().toDouble(), amount);
            } else if (const auto* day = std::get_if<SheetDate>(&cell); day && day->dayNumber != 0) {
                const QDate d = date::toQDate(day->dayNumber);
                lxw_datetime dt = {d.year(), d.month(), d.day(), 0, 0, 0.0};
                worksheet_write_datetime(sheet, r, col, &dt, date);
            }
        }
        ++r;
        ++result.rows;
    }
    const lxw_error err = workbook_close(book);
    if (err != LXW_NO_ERROR) {
        result.error = QStringLiteral("Nie można zapisać pliku %1: %2").arg(fileName, QString::fromUtf8(lxw_strerror(err)));
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace ksiega
