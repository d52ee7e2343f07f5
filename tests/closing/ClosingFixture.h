#pragma once
// The closing window's tests: the test ledger (2026, followed by "2027/2028") with a
// session on 2026, scripted dialogs, and the libraries the window calls scripted where a
// person would answer (the chart-of-accounts window, the settlements window, the print
// range). The server services are either the production ones or a scripted stand-in.
#include "closing/ClosingController.h"
#include "closing/ClosingTexts.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/print/PrintLibrary.h"
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "support/WindowFixture.h"
#include <deque>

namespace ksiega::test {

// The server as a test wants it to answer; every request is kept.
struct ScriptedClosingServices : closing::ClosingServices {
    std::vector<server::ClosingRequest> creations;
    std::vector<std::pair<int64_t, bool>> removals;      // year, dry run
    std::vector<std::pair<closing::Printout, std::vector<report::Row>>> printed;
    server::ClosingOutcome outcome;
    std::function<void(const server::ClosingRequest&)> duringCreate;   // may throw
    std::function<void()> duringRemove;                                // may throw

    std::optional<server::FiscalYear> nextFiscalYear(db::Database& db, int64_t f, int64_t y) override {
        return server::nextFiscalYear(db, f, y);
    }
    server::ClosingOutcome create(db::Database&, const server::ClosingRequest& request) override {
        creations.push_back(request);
        if (request.progress) request.progress(10);
        if (duringCreate) duringCreate(request);
        if (request.progress) request.progress(90);
        return outcome;
    }
    server::FiscalYear remove(db::Database& db, int64_t f, int64_t y, bool dryRun) override {
        removals.emplace_back(y, dryRun);
        if (duringRemove) duringRemove();
        return *server::nextFiscalYear(db, f, y);
    }
    bool printForReal = false;   // the production printouts after noting the call
    void print(closing::Printout which, const std::vector<report::Row>& rows) override {
        printed.emplace_back(which, rows);
        if (printForReal) closing::productionClosingServices().print(which, rows);
    }
};

// The chart-of-accounts window: marks the given accounts into browser 11 and notes the
// session globals it was opened with.
struct MarkingAccountPicker : pickers::ChartOfAccountsPicker {
    QStringList accounts;
    int calls = 0;
    QString numberSeen;
    int64_t statusSeen = -1;
    int flagSeen = -1;
    QString chooseAccounts(const pickers::PickerContext& c) override {
        ++calls;
        numberSeen = session().DANE_NUMER_KONTA;
        statusSeen = session().DANE_STATUS_WYBORU;
        flagSeen = session().FLAGA_POKAZ_B_WYBIERZ;
        std::vector<pickers::PickedElement> picked;
        int64_t id = 1;
        for (const QString& a : accounts) picked.push_back({id++, a});
        if (!picked.empty()) pickers::replacePickedMarks(c.db, pickers::kAccountBrowser, c.user, picked);
        return accounts.isEmpty() ? QString() : accounts.first();
    }
    QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext&, const QString&, const QString& current) override {
        return current;
    }
};

// The settlements window: marks the given settlements into browser 30 and confirms, or
// cancels when there are none to mark.
struct MarkingSettlementsWindow : settlements::SettlementsWindow {
    std::vector<int64_t> toMark;
    std::vector<settlements::SettlementFilter> filters;
    int ROZRACHUNKI(const pickers::PickerContext& c, const settlements::SettlementFilter& filter) override {
        filters.push_back(filter);
        if (toMark.empty()) return 0;
        std::vector<pickers::PickedElement> picked;
        for (int64_t id : toMark) picked.push_back({id, QString()});
        pickers::replacePickedMarks(c.db, settlements::kSettlementBrowser, c.user, picked);
        return 1;
    }
};

struct AnsweringPrintLibrary : print::PrintLibrary {
    int answer = 1;
    int calls = 0;
    int PARAM_PRN_BRO(print::PrintGlobals, QWidget*) override {
        ++calls;
        return answer;
    }
};

class ClosingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        recompute();
        session().DANE_LATA_OBROT_NAZWA = QStringLiteral("2026");
        session().DANE_DATA_BIEZACA = date::fromYmd(2026, 12, 31);
        pickers::replaceChartOfAccountsPicker(&accountPicker);
        settlements::replaceSettlementsWindow(&settlementsWindow);
        print::replacePrintLibrary(&printLibrary);
    }
    void TearDown() override {
        pickers::replaceChartOfAccountsPicker(nullptr);
        settlements::replaceSettlementsWindow(nullptr);
        print::replacePrintLibrary(nullptr);
        WindowTest::TearDown();
    }

    std::unique_ptr<closing::ClosingController> opened(closing::ClosingServices& services) {
        auto c = std::make_unique<closing::ClosingController>(db(), session(), services);
        if (!c->open()) return nullptr;
        return c;
    }
    int64_t planChange(const QString& from, const QString& to, int64_t year = 0) {
        return db().insertReturningId(
            "insert into ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta, na_konto, uwagi) values (?, ?, ?, ?, ?) "
            "returning id_zmiana_planu_kont",
            {f().company, year ? year : f().year2026, from, to, QStringLiteral("przeniesienie")});
    }
    int64_t count(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(0); }
    // Opening-balance documents of the year after 2026.
    int64_t nextYearOpeningDocuments() {
        return count("select count(*) from NAG_DOK where id_lata_obrot=? and czy_rk=10", {f().year18});
    }

    MarkingAccountPicker accountPicker;
    MarkingSettlementsWindow settlementsWindow;
    AnsweringPrintLibrary printLibrary;
};

} // namespace ksiega::test
