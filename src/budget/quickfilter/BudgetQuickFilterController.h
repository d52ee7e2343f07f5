#pragma once
// The rules of BT_SZYBKI_FILTR in both of its modes.
// Filter mode ("Filtr klasyfikacji budżetowej", opened by the budget views with their
// side): the side's senses, the classification mask or chosen symbols, dates, fiscal year,
// periods, journals, document types, sides and accounts; "Wykonaj" checks the choices in a
// fixed order, builds the expression and refuses one of 1000 characters or more.
// Export mode ("Export do pliku", mode EKSPORT): the form of the export (side, layout,
// month or quarter, accumulation, territorial codes, REGON, the unit's identifier,
// rounding, report date, folder) with its checks and questions, then the export itself.
// The module-wide choices change only when "Wykonaj" succeeds; they are also kept under
// "BT_szybki_filtr" of the module's settings.
#include "budget/quickfilter/BudgetFilterExpression.h"
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/siblings/pickers/PickerContext.h"
#include <functional>
#include <optional>

namespace ksiega {
class Settings;
}

namespace ksiega::budget {

enum class FilterList { Journals, Periods, DocumentTypes };

struct FilterRefusal {
    QString message;
    QString control;   // the control the window selects
};

struct YearRow {
    int64_t id = 0;    // 0 "<wszystkie>"
    QString name;
};

inline const QString EXPORT_MODE = QStringLiteral("EKSPORT");

class BudgetQuickFilterController {
public:
    using ExportRunner = std::function<bool(const BudgetExportRun&)>;

    // mode: "" filter mode, "EKSPORT" export mode; side: "W" or "D" (filter mode).
    BudgetQuickFilterController(db::Database& db, SessionContext& session, BudgetFilterState& moduleWide, Settings& settings,
                                const QString& mode, const QString& side);

    bool exportMode() const { return m_export; }
    QString caption() const;        // "Filtr klasyfikacji budżetowej" / "Export do pliku"
    QString cancelText() const;     // "Anuluj" / "Zamknij"
    // The side whose senses are offered: the views' side, or the export form's.
    QString side() const;

    const BudgetFilterSettings& working() const { return m_working; }
    BudgetFilterSettings& edit() { return m_working; }   // plain fields the window binds

    const std::vector<YearRow>& years() const { return m_years; }
    int64_t chosenYear() const;     // 0 = every year
    void chooseYear(int64_t id);    // the periods of that year, all checked

    const std::vector<ListRow>& rows(FilterList list) const;
    void toggle(FilterList list, int row);
    void setAll(FilterList list, bool checked);

    // "Określony" sets empty dates to the working date.
    void setDocumentDateChoice(DateChoice choice);
    void setBookingDateChoice(DateChoice choice);
    void setChosenAccount(const QString& account);   // typed: clears the several-accounts choice

    // Pickers; each leaves the old choice when nothing comes back.
    void pickClassification();   // BT_SLOWNIK_KLASYFIKACJI in "multiwybor"
    void pickAccounts();         // the chart-of-accounts window
    void pickDocumentDate(int which);
    void pickBookingDate(int which);
    void pickFolder();           // "Katalog plików"

    // Export form: the period list and the chosen entry (index into exportPeriodNames()).
    QStringList exportPeriodList() const;
    int exportPeriodIndex() const;
    void chooseExportPeriod(int index);   // a month (0..11) or a quarter (12..15)

    void clearSettings();   // "Czyść ustawienia filtra"

    // The first failed check in the window's order (export form first in export mode).
    std::optional<FilterRefusal> validate() const;
    QString expression() const;   // no checks, no length rule
    // "Wykonaj". Filter mode: true with result() set and the choices kept. Export mode:
    // asks what it must, then runs the export; true when it ran (the window stays open).
    bool apply();
    const QString& result() const { return m_result; }
    bool applied() const { return m_applied; }
    const QString& controlToSelect() const { return m_select; }
    // The last export handed over (export mode).
    const std::optional<BudgetExportRun>& lastExport() const { return m_lastExport; }
    void setExportRunner(ExportRunner runner) { m_runner = std::move(runner); }

private:
    void loadYears();
    void loadLists();
    void loadPeriods();
    void loadExportForm();
    std::vector<ListRow>& rowsOf(FilterList list);
    pickers::PickerContext pickerContext() const;
    std::optional<FilterRefusal> validateExportForm() const;
    bool confirmExport();
    void keep();
    QStringList chosenSymbols() const;

    db::Database& m_db;
    SessionContext& m_session;
    BudgetFilterState& m_moduleWide;
    Settings& m_settings;
    bool m_export;
    QString m_side;
    BudgetFilterSettings m_working;
    std::vector<YearRow> m_years;
    std::vector<ListRow> m_journals, m_periods, m_documentTypes;
    QString m_result, m_select;
    bool m_applied = false;
    std::optional<BudgetExportRun> m_lastExport;
    ExportRunner m_runner;
};

} // namespace ksiega::budget
