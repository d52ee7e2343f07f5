// ksiega opening-balance: the opening balance of a fiscal year as the window "Bilans
// otwarcia" shows it, read through its controller: one row per account of the tree, or
// with --summary the rows of "Podsumowanie" and the four totals of the tree.
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "openingbalance/browse/OpeningBalanceController.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

const char* const TOTAL_COLUMNS[] = {"saldo_dt", "saldo_ct", "kwota_dt", "kwota_ct"};

void writeTree(QTextStream& out, MachineTable::Format format, const openingbalance::OpeningBalanceController& c) {
    MachineTable table(out, format,
                       {"konto", "poziom", "kwota_dt", "kwota_ct", "saldo_dt", "saldo_ct", "kwota_dt_w", "kwota_ct_w", "saldo_dt_w",
                        "saldo_ct_w"});
    for (int i : c.displayOrder()) {
        const openingbalance::AccountRow& r = c.rows()[size_t(i)];
        table.addRow(r.account, {int64_t(r.level)},
                     {r.kwotaDt, r.kwotaCt, r.saldoDt, r.saldoCt, r.kwotaDtW, r.kwotaCtW, r.saldoDtW, r.saldoCtW});
    }
    table.finish();
}

void writeSummary(QTextStream& out, MachineTable::Format format, const openingbalance::OpeningBalanceController& c) {
    const bool csv = format == MachineTable::Format::Csv;
    if (csv) {
        MachineTable currencies(out, format, {"waluta", "kwota_dt", "kwota_dt_w", "kwota_ct", "kwota_ct_w"});
        for (const auto& s : c.summary()) currencies.addRow(s.symbol, {s.dt, s.dtW, s.ct, s.ctW});
        out << '\n';
        for (const auto& t : c.totals()) {
            const Money amounts[] = {t.saldoDt, t.saldoCt, t.kwotaDt, t.kwotaCt};
            for (int k = 0; k < 4; ++k)
                out << MachineTable::csvField(t.label + QStringLiteral(": ") + QString::fromLatin1(TOTAL_COLUMNS[k])) << ','
                    << amounts[k].toString() << '\n';
        }
        return;
    }
    out << "{\n  \"waluty\": [";
    bool first = true;
    for (const auto& s : c.summary()) {
        out << (first ? "\n" : ",\n") << "    {\"waluta\":" << MachineTable::jsonString(s.symbol) << ",\"kwota_dt\":" << s.dt.toString()
            << ",\"kwota_dt_w\":" << s.dtW.toString() << ",\"kwota_ct\":" << s.ct.toString()
            << ",\"kwota_ct_w\":" << s.ctW.toString() << '}';
        first = false;
    }
    out << "\n  ],\n  \"razem\": [";
    first = true;
    for (const auto& t : c.totals()) {
        const Money amounts[] = {t.saldoDt, t.saldoCt, t.kwotaDt, t.kwotaCt};
        out << (first ? "\n" : ",\n") << "    {\"etykieta\":" << MachineTable::jsonString(t.label);
        for (int k = 0; k < 4; ++k) out << ",\"" << TOTAL_COLUMNS[k] << "\":" << amounts[k].toString();
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

    BatchSession batch(args); // prepares the opening document when the year has none
    openingbalance::OpeningBalanceController c(batch.db(), batch.session(), openingbalance::noLineEditors());
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
