#include "closing/ClosingPrintouts.h"
#include "closing/ClosingTexts.h"
#include "entries/print/LedgerListingStart.h"
#include "platform/report/Report.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::closing {

using namespace report;

ReportDefinition closingReportDefinition(const SessionContext& s, Printout which) {
    ReportDefinition def;
    def.name = which == Printout::Problems ? QStringLiteral("Prn_Raport_BO") : QStringLiteral("Prn_Raport_BO2");
    def.title = s.DANE_NAGLOWEK_WYDRUKU.trimmed();
    auto add = [&](const QString& line) {
        if (!line.trimmed().isEmpty()) def.heading << line.trimmed();
    };
    add(s.DANE_NAZWA_FIRMY);
    add(texts::PRN_ROK + QChar(' ') + s.DANE_LATA_OBROT_NAZWA.trimmed());
    add(s.DANE_ADRES1_FIRMY);
    add(texts::PRN_DATA + QChar(' ') + date::toDisplay(s.DANE_DATA_WYDRUKU ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA));
    add(s.DANE_ADRES2_FIRMY);
    if (!s.DANE_NIP_FIRMY.trimmed().isEmpty()) add(QStringLiteral("NIP: ") + s.DANE_NIP_FIRMY.trimmed());
    add(def.name);
    def.description = s.DANE_OPIS_PRN;
    def.pageHeading = s.DANE_NAGLOWEK_STRONY.trimmed();
    def.shading = s.DANE_WYLACZ_SZAROSC == 0;
    if (which == Printout::Problems) {
        def.columns = {Column::text(texts::COL_WALUTA, 1.2), Column::text(texts::COL_UWAGI, 8)};
    } else {
        def.orientation = Orientation::Landscape;
        def.columns = {Column::text(texts::PRN_COL_Z_KONTA, 3), Column::text(texts::PRN_COL_NA_KONTO, 3),
                       Column::text(texts::COL_UWAGI, 6)};
    }
    return def;
}

namespace {

RowSource rowsOf(const std::vector<Row>& rows) {
    return [&rows](RowSink& sink) {
        sink.setTotal(static_cast<long long>(rows.size()));
        for (const Row& r : rows)
            if (!sink.add(r)) return;
    };
}

void run(Printout which, const std::vector<Row>& rows) {
    SessionContext& s = session();
    const ReportDefinition def = closingReportDefinition(s, which);
    s.DANE_OPIS_PRN.clear();
    const RunResult result = runReport(def, rowsOf(rows), ui::dialogs());
    deliver(result.document, entries::sessionOutputChoice(s));
}

} // namespace

Document layoutClosingReport(const SessionContext& s, Printout which, const std::vector<Row>& rows) {
    return layoutReport(closingReportDefinition(s, which), rowsOf(rows)).document;
}

void Prn_Raport_BO(const std::vector<Row>& rows) { run(Printout::Problems, rows); }
void Prn_Raport_BO2(const std::vector<Row>& rows) { run(Printout::Report, rows); }

} // namespace ksiega::closing
