#pragma once
// The export of budget execution to the dBase files of the external reporting systems, as
// the export mode of the budget quick filter ("Export do pliku") starts it: the form's
// values, the period and the record filter in; the file written, or the reason why not.
#include <QString>
#include <cstdint>

namespace ksiega::budget {

// BT_SPOSOB_ZAOKRAGLENIA, by value (never by its position in the choice list).
enum class ExportRounding { None, Truncate, Whole };  // "bez zmian", "obcinaj grosze", "zaokrąglaj do pełnych złotych"

// The values of the export mode's tab "Podstawowe".
struct BudgetExportForm {
    QString side = QStringLiteral("W");         // BT_TYP_KLASYFIKACJI: "W" or "D"
    QString format = QStringLiteral("BESTIA");  // BT_RODZAJ_EKSPORTU: "BESTIA" ("Besti@"), "JB" or "JST"
    bool byQuarters = false;                    // BT_WG_KWARTALOW_SUMUJ: "Kwartały" (a quarter) or "Miesiące" (a month)
    int period = 1;                             // 1..12 (month) or 1..4 (quarter)
    bool cumulativeInQuarter = false;           // BT_NARASTAJACO_W_KWARTALE
    bool cumulativeInYear = false;              // BT_NARASTAJACO_W_ROKU
    QString kodWojewodztwa, kodPowiatu, kodGminy, typGminy, typPowiatu;  // BT_GUS_KW, _KP, _KG, _TG, _TP
    QString regon, regonRozszerzony;            // BT_REGON ("Regon", "Regon (rozszerzony)")
    int64_t identyfikatorJb = 0;                // BT_IDENTYFIKATOR_JB
    ExportRounding rounding = ExportRounding::None;  // BT_SPOSOB_ZAOKRAGLENIA
    int reportDate = 0;                         // BT_DATA_SPRAWOZDANIA (day number)
    QString folder;                             // BT_KATALOG_PLIKOW
};

// One export of the company and year of the session: `from`..`to` is the period as the
// form computed it (its start moved back for the cumulative switches), `sqlFilter` the
// record filter already translated to SQL ("" none). The user was already asked about the
// filter and about existing files; `overwrite` says the target file may be replaced.
struct BudgetExportRun {
    BudgetExportForm form;
    int from = 0, to = 0;
    QString sqlFilter;
    bool overwrite = false;
};

// Runs the export with the progress window and the closing message; true when the file
// was written. A refusal or failure is shown to the user and leaves no file behind.
bool runBudgetExport(const BudgetExportRun& run);

} // namespace ksiega::budget
