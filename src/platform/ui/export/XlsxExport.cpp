#include "platform/ui/export/XlsxExport.h"
#include "platform/db/DbError.h"
#include "platform/runtime/Date.h"
#include "platform/ui/list/KeysetSql.h"
#include "platform/ui/list/PagedListModel.h"
#include <QFile>
#include <xlsxwriter.h>

namespace ksiega::ui {

namespace {

constexpr int64_t kRowsPerSheet = 1048575;   // the format's limit, less the title row

class Workbook {
public:
    explicit Workbook(const QString& path) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;   // rows are flushed as they are written
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
        if (!m_book) return;
        m_amount = workbook_add_format(m_book);
        format_set_num_format(m_amount, "#,##0.00");
        m_date = workbook_add_format(m_book);
        format_set_num_format(m_date, "dd-mm-yyyy");
        m_title = workbook_add_format(m_book);
        format_set_bold(m_title);
    }
    ~Workbook() { close(); }
    bool isOpen() const { return m_book != nullptr; }

    void newSheet(const ListColumns& columns) {
        const QByteArray name = QStringLiteral("Arkusz%1").arg(++m_sheets).toUtf8();
        m_sheet = workbook_add_worksheet(m_book, name.constData());
        for (int c = 0; c < columns.size(); ++c) {
            worksheet_write_string(m_sheet, 0, lxw_col_t(c), columns[c].title.toUtf8().constData(), m_title);
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), columns[c].kind == ColumnKind::Text ? 30 : 14, nullptr);
        }
        m_row = 1;
    }

    void write(const db::Rows& rows, const ListColumns& columns) {
        for (int c = 0; c < columns.size(); ++c) {
            if (rows.isNull(c)) continue;
            const lxw_col_t col = lxw_col_t(c);
            switch (columns[c].kind) {
            case ColumnKind::Text:
                worksheet_write_string(m_sheet, m_row, col, rows.text(c).toUtf8().constData(), nullptr);
                break;
            case ColumnKind::Integer:
                worksheet_write_number(m_sheet, m_row, col, double(rows.int64(c)), nullptr);
                break;
            case ColumnKind::Money:
                // Grosze to a numeric cell: the cell format is a binary double, which holds
                // every amount below 2^53 grosze with its two decimals exactly as written.
                worksheet_write_number(m_sheet, m_row, col, double(rows.int64(c)) / 100.0, m_amount);
                break;
            case ColumnKind::Date: {
                const QDate d = date::toQDate(int(rows.int64(c)));
                if (!d.isValid()) break;
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0.0};
                worksheet_write_datetime(m_sheet, m_row, col, &dt, m_date);
                break;
            }
            }
        }
        ++m_row;
    }
    int64_t rowsOnSheet() const { return int64_t(m_row) - 1; }

    QString close() {
        if (!m_book) return {};
        const lxw_error e = workbook_close(m_book);
        m_book = nullptr;
        return e == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(e));
    }

private:
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_amount = nullptr;
    lxw_format* m_date = nullptr;
    lxw_format* m_title = nullptr;
    lxw_row_t m_row = 0;
    int m_sheets = 0;
};

} // namespace

ExportResult exportToXlsx(db::Database& db, const ListQuery& query, const QString& path,
                          const ExportProgress& progress) {
    ExportResult result;
    try {
        const Statement countStatement = keyset::count(query);
        const int64_t total = db.scalarInt(countStatement.sql, countStatement.params).value_or(0);
        Workbook book(path);
        if (!book.isOpen()) {
            result.error = QStringLiteral("Nie można utworzyć pliku %1").arg(path);
            return result;
        }
        book.newSheet(query.columns);
        if (progress && !progress(0)) result.cancelled = true;

        const Statement all = keyset::all(query);
        db::Rows rows = db.select(all.sql, all.params);
        int lastPercent = 0;
        while (!result.cancelled && rows.next()) {
            if (book.rowsOnSheet() >= kRowsPerSheet) book.newSheet(query.columns);
            book.write(rows, query.columns);
            ++result.rows;
            const int percent = total > 0 ? int(qMin<int64_t>(100, result.rows * 100 / total)) : 100;
            if (progress && percent != lastPercent) {
                lastPercent = percent;
                if (!progress(percent)) result.cancelled = true;
            }
        }
        result.error = book.close();
    } catch (const db::DbError& e) {
        result.error = e.message();
    }
    if (!result.ok()) QFile::remove(path);
    return result;
}

ExportResult EXPORT2EXCEL(PagedListModel& list, const QString& path, const ExportProgress& progress) {
    return exportToXlsx(list.database(), list.query(), path, progress);
}

} // namespace ksiega::ui
