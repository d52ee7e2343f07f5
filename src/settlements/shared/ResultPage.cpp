#include "settlements/shared/ResultPage.h"
#include "entries/print/LedgerListingStart.h"
#include "platform/report/Report.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "settlements/shared/SettlementTexts.h"

namespace ksiega::settlements {

using namespace report;

QString ResultPage::text() const {
    QStringList out;
    for (const auto& [label, value] : m_lines) out << (value.isEmpty() ? label : label + QStringLiteral(": ") + value);
    return out.join(QLatin1Char('\n'));
}

std::vector<Row> ResultPage::rows() const {
    std::vector<Row> out;
    for (const auto& [label, value] : m_lines) out.push_back({label, value});
    return out;
}

ReportDefinition resultReportDefinition(const SessionContext& s, const QString& title) {
    ReportDefinition def;
    def.name = QStringLiteral("Prn_Raport_Rozrachunki");
    def.title = title;
    auto add = [&](const QString& line) {
        if (!line.trimmed().isEmpty()) def.heading << line.trimmed();
    };
    add(s.DANE_NAZWA_FIRMY);
    add(texts::PRN_ROK + QChar(' ') + s.DANE_LATA_OBROT_NAZWA.trimmed());
    add(s.DANE_ADRES1_FIRMY);
    add(texts::PRN_DATA + QChar(' ') + date::toDisplay(s.DANE_DATA_WYDRUKU ? s.DANE_DATA_WYDRUKU : s.DANE_DATA_BIEZACA));
    add(s.DANE_ADRES2_FIRMY);
    if (!s.DANE_NIP_FIRMY.trimmed().isEmpty()) add(QStringLiteral("NIP: ") + s.DANE_NIP_FIRMY.trimmed());
    def.pageHeading = s.DANE_NAGLOWEK_STRONY.trimmed();
    def.shading = s.DANE_WYLACZ_SZAROSC == 0;
    def.columns = {Column::text(texts::PRN_COL_WHAT, 6), Column::text(texts::PRN_COL_VALUE, 4)};
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
} // namespace

Document layoutResultReport(const SessionContext& s, const QString& title, const std::vector<Row>& rows) {
    return layoutReport(resultReportDefinition(s, title), rowsOf(rows)).document;
}

void printResult(const QString& title, const std::vector<Row>& rows) {
    SessionContext& s = session();
    const RunResult result = runReport(resultReportDefinition(s, title), rowsOf(rows), ui::dialogs());
    deliver(result.document, entries::sessionOutputChoice(s));
}

} // namespace ksiega::settlements
