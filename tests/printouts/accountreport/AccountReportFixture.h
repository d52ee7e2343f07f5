#pragma once
// The window fixture (the shared ledger with a session on its company and 2026, scripted
// dialogs) with cash documents whose document and posting dates (and numbers) run apart,
// for the tests of "Raport z konta".
#include "platform/runtime/Date.h"
#include "printouts/accountreport/AccountReportController.h"
#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"

namespace ksiega::test {

inline int day(int m, int d) { return date::fromYmd(2026, m, d); }

class AccountReportDbTest : public WindowTest {
protected:
    ScriptedWindowServices services;

    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        fx = &f();
        // The print range is confirmed unless a test says otherwise.
        services.onAskPrintRange = [] { return true; };
    }
    void TearDown() override {
        services = ScriptedWindowServices{};
        fx = nullptr;
        WindowTest::TearDown();
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

    LedgerFixture* fx = nullptr;
};

} // namespace ksiega::test
