#pragma once
// Prn_Raport_BO (the problems of a closing) and Prn_Raport_BO2 (the transfer report): one
// layout, the heading from the session (DANE_NAGLOWEK_WYDRUKU as the title, the company,
// "Rok obrotowy:", its addresses, "Data wydruku:", NIP), a line per row, "Koniec wydruku"
// after the last one and "Strona" on every page.
#include "closing/ClosingServices.h"
#include "frame/SessionContext.h"
#include "platform/report/PageModel.h"

namespace ksiega::closing {

report::ReportDefinition closingReportDefinition(const SessionContext& session, Printout which);
// The pages of a printout, laid out on the calling thread.
report::Document layoutClosingReport(const SessionContext& session, Printout which, const std::vector<report::Row>& rows);

// The printouts as the window runs them: progress window, then preview, printer or PDF.
void Prn_Raport_BO(const std::vector<report::Row>& rows);
void Prn_Raport_BO2(const std::vector<report::Row>& rows);

} // namespace ksiega::closing
