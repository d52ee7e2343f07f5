#pragma once
// The ledger fixture with a session on its company and 2026, scripted dialogs and a
// clean module state, for the tests of the ledger windows.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LedgerTest.h"
#include <memory>

namespace ksiega::test {

class WindowTest : public LedgerTest {
protected:
    void SetUp() override {
        LedgerTest::SetUp();
        if (IsSkipped()) return;
        resetModuleState();
        resetSession();
        SessionContext& s = session();
        s.DANE_ID_FIRMY = f().company;
        s.DANE_LATA_OBROTOWE = f().year2026;
        s.DANE_POCZATEK_ROKU = f().bo2026();
        s.DANE_KONIEC_ROKU = date::fromYmd(2026, 12, 31);
        s.DANE_ID_UZYT = f().login;
        s.DANE_ID_UZYTKOWNIKA_NR = 7;
        s.DANE_NAZWA_FIRMY = QStringLiteral("Przykładowa Spółka z o.o.");
        s.databaseUrl = url();
        m_scoped = std::make_unique<ui::ScopedDialogs>(dialogs);
    }
    void TearDown() override {
        m_scoped.reset();
        resetSession();
        LedgerTest::TearDown();
    }
    void recompute() { server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0); }

    ui::ScriptedDialogs dialogs;

private:
    std::unique_ptr<ui::ScopedDialogs> m_scoped;
};

} // namespace ksiega::test
