// ksiega opening-balance: the opening balance of a fiscal year as the window "Bilans
// otwarcia" shows it, read through its controller: one row per account of the tree, or
// with --summary the rows of "Podsumowanie" and the four totals of the tree.
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "openingbalance/browse/OpeningBalanceController.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

namespace ksiega::host {

namespace {

// The command never edits a line.
struct NoLineEditors : openingbalance::LineEditors {
    uint8_t editAmounts(db::Database&, const SessionContext&, const openingbalance::LineRequest&, QWidget*) override { return 0; }
    uint8_t editCard(db::Database&, const SessionContext&, const openingbalance::LineRequest&, QWidget*) override { return 0; }
};

QString csvText(QString t) {
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]"));
    if (t.contains(special)) t = '"' + t.replace('"', QStringLiteral("\"\"")) + '"';
    return t;
}

// A Money as an exact JSON number: the text is spliced in, never a double.
QString jsonNumber(Money m) { return m.toString(); }
QString jsonString(const QString& s) {
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

const char* const TOTAL_COLUMNS[] = {"saldo_dt", "saldo_ct", "kwota_dt", "kwota_ct"};

void writeTree(QTextStream& out, MachineTable::Format format, const openingbalance::OpeningBalanceController& c) {
    const bool csv = format == MachineTable::Format::Csv;
    if (csv) out << "konto,poziom,kwota_dt,kwota_ct,saldo_dt,saldo_ct,kwota_dt_w,kwota_ct_w,saldo_dt_w,saldo_ct_w\n";
    else out << '[';
    bool first = true;
    for (int i : c.displayOrder()) {
        const openingbalance::AccountRow& r = c.rows()[size_t(i)];
        const Money amounts[] = {r.kwotaDt, r.kwotaCt, r.saldoDt, r.saldoCt, r.kwotaDtW, r.kwotaCtW, r.saldoDtW, r.saldoCtW};
        static const char* const names[] = {"kwota_dt", "kwota_ct", "saldo_dt", "saldo_ct",
                                            "kwota_dt_w", "kwota_ct_w", "saldo_dt_w", "saldo_ct_w"};
        if (csv) {
            out << csvText(r.account) << ',' << r.level;
            for (Money m : amounts) out << ',' << m.toString();
            out << '\n';
        } else {
            out << (first ? "\n" : ",\n") << "  {\"konto\":" << jsonString(r.account) << ",\"poziom\":" << r.level;
            for (int k = 0; k < 8; ++k) out << ",\"" << names[k] << "\":" << jsonNumber(amounts[k]);
            out << '}';
        }
        first = false;
    }
    if (!csv) out << (first ? "]\n" : "\n]\n");
}

void writeSummary(QTextStream& out, MachineTable::Format format, const openingbalance::OpeningBalanceController& c) {
    const bool csv = format == MachineTable::Format::Csv;
    if (csv) {
        out << "waluta,kwota_dt,kwota_dt_w,kwota_ct,kwota_ct_w\n";
        for (const auto& s : c.summary())
            out << csvText(s.symbol) << ',' << s.dt.toString() << ',' << s.dtW.toString() << ',' << s.ct.toString() << ','
                << s.ctW.toString() << '\n';
        out << '\n';
        for (const auto& t : c.totals()) {
            const Money amounts[] = {t.saldoDt, t.saldoCt, t.kwotaDt, t.kwotaCt};
            for (int k = 0; k < 4; ++k)
                out << csvText(t.label + QStringLiteral(": ") + QString::fromLatin1(TOTAL_COLUMNS[k])) << ','
                    << amounts[k].toString() << '\n';
        }
        return;
    }
    out << "{\n  \"waluty\": [";
    bool first = true;
    for (const auto& s : c.summary()) {
        out << (first ? "\n" : ",\n") << "    {\"waluta\":" << jsonString(s.symbol) << ",\"kwota_dt\":" << jsonNumber(s.dt)
            << ",\"kwota_dt_w\":" << jsonNumber(s.dtW) << ",\"kwota_ct\":" << jsonNumber(s.ct)
            << ",\"kwota_ct_w\":" << jsonNumber(s.ctW) << '}';
        first = false;
    }
    out << "\n  ],\n  \"razem\": [";
    first = true;
    for (const auto& t : c.totals()) {
        const Money amounts[] = {t.saldoDt, t.saldoCt, t.kwotaDt, t.kwotaCt};
        out << (first ? "\n" : ",\n") << "    {\"etykieta\":" << jsonString(t.label);
        for (int k = 0; k < 4; ++k) out << ",\"" << TOTAL_COLUMNS[k] << "\":" << jsonNumber(amounts[k]);
        out << '}';
        first = false;
    }
    out << "\n  ]\n}\n";
}

int openingBalance(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const bool aggregate = args.flag(QStringLiteral("aggregate"));
    if (aggregate && args.given(QStringLiteral("currency")))
        throw UsageError(QStringLiteral("--aggregate sums every currency in PLN: it takes no --currency"));
    const QString currency = currencyArgument(args);

    BatchSession batch(args);
    NoLineEditors editors;
    openingbalance::OpeningBalanceController c(batch.db(), batch.session(), editors);
    c.filterWindow = [] { return uint8_t(0); };
    c.open();
    if (c.documentId() == 0) return 1;   // the message went to standard error
    if (aggregate) c.setAggregate(true);
    else if (currency != QLatin1String("PLN")) c.setCurrency(currency);

    QTextStream out(stdout);
    if (args.flag(QStringLiteral("summary"))) {
        c.refreshSummary();
        writeSummary(out, format, c);
    } else {
        writeTree(out, format, c);
    }
    return 0;
}

QString help() {
    return QStringLiteral(
        "Without --summary: one row per account of the tree, parents before their accounts:\n"
        "  konto,poziom,kwota_dt,kwota_ct,saldo_dt,saldo_ct,kwota_dt_w,kwota_ct_w,saldo_dt_w,saldo_ct_w\n"
        "With --summary: one row per currency of \"Podsumowanie\"\n"
        "  waluta,kwota_dt,kwota_dt_w,kwota_ct,kwota_ct_w\n"
        "then an empty line and the four totals of the tree, each as four label,value lines whose\n"
        "label is the total's name, \": \" and the amount's column (saldo_dt, saldo_ct, kwota_dt,\n"
        "kwota_ct), e.g. \"Razem bez uwzględnienia kont pozabilansowych: kwota_dt,1234.00\".\n"
        "JSON: an array of rows; with --summary an object {\"waluty\": [...], \"razem\": [{\"etykieta\",\n"
        "\"saldo_dt\", \"saldo_ct\", \"kwota_dt\", \"kwota_ct\"}, ...]}.\n"
        "--aggregate sums the PLN amounts of every currency's opening balance (currency columns 0).\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("opening-balance"),
                  QStringLiteral("the opening balance of a fiscal year by account, or its summary per currency"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{options::currency(), Option::flag("aggregate", "every currency summed in PLN"),
                              Option::flag("summary", "the rows of \"Podsumowanie\" and the totals"), options::format()},
                  openingBalance, {}, help);

} // namespace ksiega::host
