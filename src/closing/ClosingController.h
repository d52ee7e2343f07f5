#pragma once
// The rules of the window "BO w następnym roku obrotowym" (ZAMKNIECIE_ROKU): whether it may
// open (a next fiscal year whose opening balance is not approved), the options of the
// first page and which of them apply, the chosen accounts (browser 11), the plan-change
// list and its attached settlements, the creation or removal of the next year's opening
// balance (one server call each, one transaction), the results pages and their printouts.
// QtCore only: the view shows the state and forwards the clicks.
#include "closing/ClosingServices.h"
#include "closing/PlanChanges.h"
#include "frame/SessionContext.h"
#include "platform/siblings/pickers/PickerContext.h"
#include <functional>

namespace ksiega::closing {

enum class Action { Create = 0, Remove = 1 };      // DZIALANIE_SPOSOB
enum class Range { All = 0, Chosen = 1 };          // ZAKRES_KONT
enum Page { OptionsPage = 0, PlanChangesPage = 1, ProblemsPage = 2, ReportPage = 3 };

class ClosingController {
public:
    static inline const QString PROCEDURE = QStringLiteral("ZAMKNIECIE_ROKU");
    static inline const QString SECTION = QStringLiteral("Zamkniecie_roku");

    ClosingController(db::Database& db, SessionContext& session, ClosingServices& services);

    // Opening: the next fiscal year must exist and its opening balance must not be
    // approved; otherwise the reason is shown and false returned (the window does not open).
    bool open();
    const server::FiscalYear& nextYear() const { return m_next; }
    // Day 1 of the month in which the next year begins.
    int nextYearFirstPeriod() const { return m_nextFirstPeriod; }
    QString nextYearName() const;

    Action action() const { return m_action; }
    void setAction(Action action);
    Range range() const { return m_range; }
    void setRange(Range range);
    bool skip980And998() const { return m_skip; }
    void setSkip980And998(bool on);
    bool previewOnly() const { return m_preview; }
    void setPreviewOnly(bool on);

    bool rangeEnabled() const { return m_action == Action::Create; }     // ZAKRES_KONT, WYBRANE_KONTA
    bool pickerEnabled() const { return m_action == Action::Create && m_range == Range::Chosen; }
    // POMIN_KONTA_BT: only in the budget-unit edition, for "Założenie" of "Wszystkie".
    bool skipVisible() const;
    // What the run passes for POMIN_KONTA_BT: false while the box is hidden.
    bool skipPassed() const { return skipVisible() && m_skip; }
    QString chosenAccountsText() const { return m_chosenText; }   // WYBRANE_KONTA

    // B_PLAN_KONT: the chart-of-accounts window marks accounts into browser 11.
    void pickAccounts();

    const std::vector<PlanChangeRow>& planChanges() const { return m_planChanges; }
    // The icon column of a plan-change row: the settlements window for that row; what the
    // person confirms replaces that row's attachments only.
    void attachSettlements(int row);

    // B_WYKONAJ: on the results pages it switches between them, elsewhere it runs the action.
    void execute();
    Page page() const { return m_page; }
    void setPage(Page page) { m_page = page; }
    QString executeLabel() const { return m_executeLabel; }
    bool executeVisible() const { return m_executeVisible; }

    bool running() const { return m_running; }       // PROSZE_CZEKAC and PROGRES shown
    int progress() const { return m_progress; }
    bool closeRequested() const { return m_close; }

    const std::vector<server::ClosingProblem>& problems() const { return m_problems; }
    const std::vector<server::TransferRow>& report() const { return m_report; }
    bool lastRunWasPreview() const { return m_lastPreview; }

    // B_DRUKUJ and B_DRUKUJ2.
    void printProblems();
    void printReport();

    // Told whenever the state the view shows changed (also during a run, with each step
    // of the progress).
    std::function<void()> changed;

private:
    void notify();
    void create();
    void remove();
    void showResults(const server::ClosingOutcome& outcome);
    server::ClosingRequest request();
    pickers::PickerContext pickerContext() const;

    db::Database& m_db;
    SessionContext& m_session;
    ClosingServices& m_services;
    server::FiscalYear m_next;
    int m_nextFirstPeriod = 0;
    Action m_action = Action::Create;
    Range m_range = Range::All;
    bool m_skip = false;
    bool m_preview = false;
    QString m_chosenText;
    std::vector<PlanChangeRow> m_planChanges;
    Page m_page = OptionsPage;
    QString m_executeLabel;
    bool m_executeVisible = true;
    bool m_running = false;
    int m_progress = 0;
    bool m_close = false;
    bool m_lastPreview = false;
    std::vector<server::ClosingProblem> m_problems;
    std::vector<server::TransferRow> m_report;
};

} // namespace ksiega::closing
