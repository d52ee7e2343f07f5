#pragma once
// The report engine.
//
// How a report is written:
//
//   1. Describe it: a ReportDefinition with its name (the settings section, e.g.
//      "Prn_62_Ksiega_K"), title, first-page heading lines (company name, addresses),
//      description lines (the session's DANE_OPIS_PRN, then emptied), the columns and
//      the grey shading (off with DANE_WYLACZ_SZAROSC). An amount column says where its
//      total is printed (PageTotal "Razem na stronie", Carried "Do przeniesienia" /
//      "Z przeniesienia", FinalTotal "Razem") and whether it sums its rows or keeps the
//      last row's value (cumulative turnovers, balances). closingLines adds lines after
//      "Razem", such as persaldo().
//
//        ReportDefinition def;
//        def.name = "Prn_62_Ksiega_K";  def.title = s.DANE_NAGLOWEK_WYDRUKU;
//        def.columns = {Column::text("Okres", 3),
//                       Column::money("Obroty Dt", 2), Column::money("Obroty Ct", 2)};
//
//   2. Give it rows: a RowSource, run on a worker thread. It reads the database with
//      the worker's own connection (moduleDatabase()), tells the expected count with
//      setTotal() and hands each row to add(); add() answers false once the person
//      pressed "Anuluj", and the source returns.
//
//        RunResult r = runReport(def, [&](RowSink& sink) {
//            auto rows = moduleDatabase().select("select ... where id_firmy = ?", {firm});
//            while (rows.next()) if (!sink.add({rows.text(0), rows.money(1), rows.money(2)})) return;
//        }, ui::dialogs());
//
//   3. Deliver the pages: deliver(r.document, choice) with the session's
//      DANE_DRUKARKA_EKRAN, GGG:NUMCOPY and GGG:EMAILPDFSAVEAS; or write them yourself
//      with writePdf(), writeText() or writePageImage().
//
// The page model (Document, Page, Item) is what tests check: which texts stand on which
// page. A band that would not fit starts a new page; every page ends with "Strona N z M".
#include "platform/report/PageModel.h"
#include "platform/report/PagePainter.h"
#include "platform/report/PdfWriter.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportRunner.h"
#include "platform/report/TextWriter.h"
#include "platform/report/Texts.h"
