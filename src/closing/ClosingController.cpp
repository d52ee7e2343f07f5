#include "closing/ClosingController.h"
#include "closing/ClosingTexts.h"
#include "entries/print/LedgerListingStart.h"
#include "frame/window/ThreadRegistry.h"
#include "platform/runtime/Date.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"

namespace ksiega::closing {

ClosingController::ClosingController(db::Database& db, SessionContext& session, ClosingServices& services)
    : m_db(db), m_session(session), m_services(services), m_executeLabel(texts::WYKONAJ) {}

void ClosingController::notify() {
    if (changed) changed();
}

bool ClosingController::open() {
    if (!m_session.hasCompanyAndYear()) return false;
    const std::optional<server::FiscalYear> next =
        m_services.nextFiscalYear(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE);
    if (!next || next->idLataObrot == 0) {
        MSG_INF(texts::NO_NEXT_YEAR);
        return false;
    }
    m_next = *next;
    m_nextFirstPeriod = date::fromYmd(date::year(m_next.start), date::month(m_next.start), 1);
    const int64_t approved =
        m_db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_lata_obrot=?"), {m_next.idLataObrot})
            .value_or(0);
    if (approved == 1) {
        MSG_INF(texts::NEXT_YEAR_APPROVED);
        return false;
    }
    m_planChanges = loadPlanChanges(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE,
                                    m_session.DANE_ID_UZYTKOWNIKA_NR);
    m_chosenText = texts::CHOSEN_COUNT +
                   QString::number(pickers::countPickedMarks(m_db, pickers::kAccountBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR));
    return true;
}

QString ClosingController::nextYearName() const {
    return m_db.scalarText(QStringLiteral("select rok_obrotowy from LATA_OBROTOWE where id_lata_obrot=?"), {m_next.idLataObrot})
        .value_or(QString())
        .trimmed();
}

void ClosingController::setAction(Action action) {
    m_action = action;
    notify();
}

void ClosingController::setRange(Range range) {
    m_range = range;
    notify();
}

void ClosingController::setSkip980And998(bool on) {
    m_skip = on;
    notify();
}

void ClosingController::setPreviewOnly(bool on) {
    m_preview = on;
    notify();
}

bool ClosingController::skipVisible() const {
    return m_session.DANE_CZY_WERSJA_BUDZET == 1 && m_action == Action::Create && m_range == Range::All;
}

pickers::PickerContext ClosingController::pickerContext() const {
    return {m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR,
            m_session.DANE_DATA_BIEZACA};
}

void ClosingController::pickAccounts() {
    const int64_t user = m_session.DANE_ID_UZYTKOWNIKA_NR;
    const int64_t statusBefore = m_session.DANE_STATUS_WYBORU;
    const uint8_t flagBefore = m_session.FLAGA_POKAZ_B_WYBIERZ;
    m_session.DANE_NUMER_KONTA.clear();
    m_session.DANE_STATUS_WYBORU = 22;
    m_session.FLAGA_POKAZ_B_WYBIERZ = 1;
    struct Restore {
        SessionContext& s;
        int64_t status;
        uint8_t flag;
        ~Restore() {
            s.DANE_NUMER_KONTA.clear();
            s.DANE_STATUS_WYBORU = status;
            s.FLAGA_POKAZ_B_WYBIERZ = flag;
        }
    } restore{m_session, statusBefore, flagBefore};

    m_db.execute(QStringLiteral("delete from ZAZNACZENIE where id_browsera=? and id_uzytkownika=?"),
                 {pickers::kAccountBrowser, user});
    pickers::chartOfAccountsPicker().chooseAccounts(pickerContext());
    m_chosenText = texts::CHOSEN_COUNT + QString::number(pickers::countPickedMarks(m_db, pickers::kAccountBrowser, user));
    notify();
}

void ClosingController::attachSettlements(int row) {
    if (row < 0 || row >= int(m_planChanges.size())) return;
    PlanChangeRow& change = m_planChanges[size_t(row)];
    ui::BusyCursor busy;
    const settlements::SettlementFilter filter{settlementPrefixOf(change.fromAccount), m_session.DANE_LATA_OBROTOWE};
    if (settlements::settlementsWindow().ROZRACHUNKI(pickerContext(), filter) == 0) return;
    change.attached = attachMarkedSettlements(m_db, m_session.DANE_ID_UZYTKOWNIKA_NR, change.id);
    const int64_t marked =
        pickers::countPickedMarks(m_db, settlements::kSettlementBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR);
    change.remark = texts::MARKED_SETTLEMENTS + QString::number(marked);
    notify();
}

void ClosingController::execute() {
    if (m_page == ProblemsPage) {
        m_page = ReportPage;
        m_executeLabel = texts::BLEDY;
        notify();
        return;
    }
    if (m_page == ReportPage) {
        m_page = ProblemsPage;
        m_executeLabel = texts::RAPORT;
        notify();
        return;
    }
    if (m_action == Action::Create) create();
    else remove();
}

server::ClosingRequest ClosingController::request() {
    server::ClosingRequest r;
    r.idFirmy = m_session.DANE_ID_FIRMY;
    r.idLataObrot = m_session.DANE_LATA_OBROTOWE;
    r.login = m_session.DANE_ID_UZYT;
    r.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    r.today = m_session.DANE_DATA_BIEZACA;
    r.range = m_range == Range::Chosen ? server::ClosingRange::Chosen : server::ClosingRange::All;
    r.skip980And998 = skipPassed();
    r.dryRun = m_preview;
    // The single-window rule once more, inside the transaction.
    r.refusalInside = [] { return openWindowCount() > 1 ? texts::CLOSE_OTHER_WINDOWS : QString(); };
    r.progress = [this](int value) {
        m_progress = qBound(0, value, 100);
        notify();
    };
    return r;
}

void ClosingController::create() {
    if (ui::dialogs().question(texts::ASK_CREATE + nextYearName() + QStringLiteral(" ?"), ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1)
        return;
    if (openWindowCount() > 1) {
        MSG_INF(texts::CLOSE_OTHER_WINDOWS);
        return;
    }
    m_problems.clear();
    m_report.clear();
    m_running = true;
    m_progress = 10;
    notify();
    struct Stop {
        ClosingController& c;
        ~Stop() {
            c.m_running = false;
            c.notify();
        }
    };
    server::ClosingOutcome outcome;
    {
        Stop stop{*this};
        ui::BusyCursor busy;
        try {
            outcome = m_services.create(m_db, request());
            m_progress = 90;
            m_running = false;
        } catch (const server::ClosingRefused& refused) {
            m_running = false;
            notify();
            MSG_INF(refused.text());
            // The person may close the other windows and run again; any other refusal
            // leaves nothing to do here.
            if (refused.reason() != server::ClosingRefused::Reason::RefusedInside) m_close = true;
            return;
        } catch (const std::exception& e) {
            m_running = false;
            notify();
            MSG_OST(QString::fromUtf8(e.what()));
            MSG_INF(texts::CREATE_FAILED);
            m_close = true;
            return;
        }
    }
    m_lastPreview = m_preview;
    MSG_INF(m_preview ? texts::PREVIEW_CREATE_DONE : texts::CREATE_DONE);
    showResults(outcome);
}

void ClosingController::showResults(const server::ClosingOutcome& outcome) {
    m_problems = outcome.problems;
    m_report = outcome.report;
    std::stable_sort(m_report.begin(), m_report.end(), [](const server::TransferRow& a, const server::TransferRow& b) {
        return std::tie(a.fromAccount, a.toAccount, a.remarks) < std::tie(b.fromAccount, b.toAccount, b.remarks);
    });
    if (!m_problems.empty()) {
        m_page = ProblemsPage;
        m_executeLabel = texts::RAPORT;
    } else if (!m_report.empty()) {
        m_page = ReportPage;
        m_executeVisible = false;
    } else {
        m_close = true;
    }
    notify();
}

void ClosingController::remove() {
    if (ui::dialogs().question(texts::ASK_REMOVE + nextYearName() + QStringLiteral(" ?"), ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1)
        return;
    try {
        ui::BusyCursor busy;
        m_services.remove(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_preview);
    } catch (const server::ClosingRefused& refused) {
        MSG_INF(refused.text());
        return;
    } catch (const std::exception& e) {
        MSG_OST(QString::fromUtf8(e.what()));
        return;
    }
    m_lastPreview = m_preview;
    MSG_INF(m_preview ? texts::PREVIEW_REMOVE_DONE : texts::REMOVE_DONE);
}

void ClosingController::printProblems() {
    m_session.DANE_NAGLOWEK_WYDRUKU = texts::PRINT_PROBLEMS_HEADER;
    if (!entries::askPrintRange(m_session, nullptr)) return;
    m_session.DANE_OPIS_PRN.clear();
    std::vector<report::Row> rows;
    for (const server::ClosingProblem& p : m_problems) rows.push_back({p.currency, p.description});
    m_services.print(Printout::Problems, rows);
}

void ClosingController::printReport() {
    m_session.DANE_NAGLOWEK_WYDRUKU = texts::PRINT_REPORT_HEADER;
    if (!entries::askPrintRange(m_session, nullptr)) return;
    m_session.DANE_OPIS_PRN.clear();
    std::vector<report::Row> rows;
    for (const server::TransferRow& r : m_report) rows.push_back({r.fromAccount, r.toAccount, r.remarks});
    m_services.print(Printout::Report, rows);
}

} // namespace ksiega::closing
