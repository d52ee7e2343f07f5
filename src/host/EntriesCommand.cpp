// ksiega entries: the entries of an account as the ledger browse lists them (the columns
// of its list, in its sort order), or with --summary the figures of its "Podsumowanie"
// tab, as CSV or JSON.
#include "host/ListRows.h"
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/accounts/EntryListColumns.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/runtime/Date.h"
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>
#include <QVariantList>

namespace ksiega::host {

namespace {

// Rows of texts; amounts and counts go out unquoted in JSON.
class Table {
public:
    Table(QTextStream& out, MachineTable::Format format, QStringList columns, QVector<bool> numeric)
        : m_out(out), m_format(format), m_columns(std::move(columns)), m_numeric(std::move(numeric)) {
        if (m_format == MachineTable::Format::Csv) {
            QStringList header;
            for (const QString& c : m_columns) header << csv(c);
            m_out << header.join(',') << '\n';
        } else {
            m_out << '[';
        }
    }

    void add(const QStringList& values) {
        if (m_format == MachineTable::Format::Csv) {
            QStringList line;
            for (const QString& v : values) line << csv(v);
            m_out << line.join(',') << '\n';
        } else {
            m_out << (m_first ? "\n  {" : ",\n  {");
            for (int i = 0; i < values.size(); ++i) {
                if (i) m_out << ',';
                m_out << json(m_columns.value(i)) << ':' << (m_numeric.value(i) ? values[i] : json(values[i]));
            }
            m_out << '}';
        }
        m_first = false;
    }

    void finish() {
        if (m_format == MachineTable::Format::Json) m_out << (m_first ? "]\n" : "\n]\n");
    }

private:
    static QString csv(QString t) {
        static const QRegularExpression special(QStringLiteral("[\",\\r\\n]"));
        if (t.contains(special)) t = '"' + t.replace('"', QStringLiteral("\"\"")) + '"';
        return t;
    }
    static QString json(const QString& t) {
        const QString array = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{t}).toJson(QJsonDocument::Compact));
        return array.mid(1, array.size() - 2);
    }

    QTextStream& m_out;
    MachineTable::Format m_format;
    QStringList m_columns;
    QVector<bool> m_numeric;
    bool m_first = true;
};

QString machineValue(const ui::ListColumn& column, const db::SqlValue& v,
                     const QString& periodLabel) {
    if (column.name == QLatin1String("data_okresu")) return periodLabel;
    switch (column.kind) {
    case ui::ColumnKind::Money: return Money::fromMinor(v.toInt64()).toString();
    case ui::ColumnKind::Date: return date::toDisplay(int(v.toInt64()));
    case ui::ColumnKind::Integer: return QString::number(v.toInt64());
    case ui::ColumnKind::Text: return v.isNull() ? QString() : v.toText();
    }
    return {};
}

int intOption(const Arguments& args, const QString& name, int fallback, int low, int high) {
    const QString text = args.option(name, QString::number(fallback));
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high) throw UsageError(QStringLiteral("--%1 must be a number from %2 to %3").arg(name).arg(low).arg(high));
    return n;
}

int entries(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const QString currency = currencyArgument(args);
    const QString whole = args.option(QStringLiteral("whole"), QStringLiteral("1"));
    if (whole != QLatin1String("0") && whole != QLatin1String("1")) throw UsageError(QStringLiteral("--whole must be 0 or 1"));
    const auto account = args.option(QStringLiteral("account"));
    if (account->trimmed().isEmpty()) throw UsageError(QStringLiteral("--account is required"));
    // Refused here: a longer text names no account of the chart and would make the list's
    // filter too long to apply.
    if (account->trimmed().size() > ledger::kMaxAccountLength)
        throw UsageError(QStringLiteral("--account is longer than %1 characters, the longest account number")
                             .arg(ledger::kMaxAccountLength));
    const int sort = intOption(args, QStringLiteral("sort"), 1, 1, ledger::kEntrySortOrders);
    const int limit = intOption(args, QStringLiteral("limit"), 100, 0, 100000000);
    const QString quick = args.option(QStringLiteral("filter"), QString());
    const bool summary = args.flag(QStringLiteral("summary"));

    BatchSession batch(args, BatchSession::Access::Read);
    batch.session().DANE_AKTYWNA_WALUTA = currency;

    ledger::LedgerEntriesController c(batch.db(), batch.session());
    c.setAccount(account->trimmed(), whole == QLatin1String("1"));
    c.setCurrency(currency);
    c.setQuickFilter(!quick.trimmed().isEmpty(), quick);
    c.setSortOrder(sort);
    const QString warning = c.rebuild();
    if (!warning.isEmpty()) QTextStream(stderr) << QString(warning).replace('|', ' ') << '\n';
    if (!c.filterError().isEmpty()) throw UsageError(QStringLiteral("--filter: %1").arg(c.filterError()));

    QTextStream out(stdout);
    if (summary) {
        if (!c.computeTotals()) throw UsageError(c.summary().lastError());
        Table table(out, format, {QStringLiteral("etykieta"), QStringLiteral("wartosc")}, {false, true});
        for (const entries::SummaryRow& r : c.summaryRows()) {
            table.add({r.left.label, r.left.machine()});
            table.add({r.right.label, r.right.machine()});
        }
        table.finish();
        return 0;
    }

    const ui::ListColumns columns = ledger::entryListColumns();
    QStringList titles;
    QVector<bool> numeric;
    for (const ui::ListColumn& col : columns) {
        titles << col.title;
        numeric << (col.kind == ui::ColumnKind::Money);
    }
    Table table(out, format, titles, numeric);
    ui::PagedListModel& model = c.entries();
    model.setPageSize(std::clamp(limit, 1, 500));
    forEachListRow(model, limit, [&](int row) {
        QStringList values;
        const ledger::EntryRowValues v = c.rowValues(row);
        for (const ui::ListColumn& col : columns) values << machineValue(col, model.valueAt(row, col.name), v.okresu_obrot);
        table.add(values);
    });
    table.finish();
    return 0;
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("entries"),
                  QStringLiteral("the entries of an account as the ledger by accounts lists them, or the figures of "
                                 "its summary tab"),
                  QString(),
                  options::sessionOfCompanyAndYear() + Options{options::account().required(), options::whole(), options::currency(),
                                               Option::value("filter", "EXPR", "the quick filter"),
                                               Option::value("sort", "1..25", "the sort order").defaultsTo("1"),
                                               Option::value("limit", "N", "at most N entries").defaultsTo("100"),
                                               options::format(),
                                               Option::flag("summary", "the figures of the summary tab instead")},
                  entries);

} // namespace ksiega::host
