#pragma once
// The ledger fixture with a session on its company and 2026 and scripted dialogs, and
// cash documents whose document and posting dates (and numbers) run apart, for the tests
// of "Raport z konta".
#include "frame/SessionContext.h"
#include "platform/runtime/Date.h"
#include "platform/server/FiscalYear.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "printouts/accountreport/AccountReportController.h"
#include "support/LedgerFixture.h"
#include "support/ScriptedWindowServices.h"
#include "support/TestDatabase.h"

namespace ksiega::test {

inline int day(int m, int d) { return date::fromYmd(2026, m, d); }

class AccountReportDbTest : public DbTest {
protected:
    ScriptedWindowServices services;

    void SetUp() override {
        DbTest::SetUp();
        fx = std::make_unique<LedgerFixture>(db());
        resetSession();
        const auto year = server::loadFiscalYear(db(), fx->company, fx->year2026);
        SessionContext& s = session();
        s.DANE_ID_FIRMY = fx->company;
        s.DANE_LATA_OBROTOWE = fx->year2026;
        s.DANE_POCZATEK_ROKU = year->start;
        s.DANE_KONIEC_ROKU = year->end;
        s.DANE_ID_UZYT = fx->login;
        // The print range is confirmed unless a test says otherwise.
        services.onAskPrintRange = [] { return true; };
    }
    void TearDown() override {
        services = ScriptedWindowServices{};
        fx.reset();
        DbTest::TearDown();
    }

    // A document of one posting; docNr null keeps the register number as document number.
    int64_t addCashDocument(const char* nr, const char* docNr, int docDate, int postDate, int status, const char* dt,
                            const char* ct, const char* pln) {
        const int64_t id = fx->addDocument({fx->year2026, date::monthPeriod(2026, date::month(postDate)), status, 0, nr, ""});
        db().execute("update NAG_DOK set nr_dok_org=?, data_dok_org=?, data_biezaca=? where id_nag_dok=?",
                     {QString::fromLatin1(docNr ? docNr : nr), docDate, postDate, id});
        fx->post(id, dt, ct, zl(pln));
        return id;
    }

    std::unique_ptr<LedgerFixture> fx;
    ui::ScriptedDialogs dialogs;
    ui::ScopedDialogs installed{dialogs};
};

} // namespace ksiega::test
