#pragma once
// The ledger fixture with a session on its company and 2026, scripted dialogs, a clean
// module state and the turnovers recomputed, for the tests of the ledger by periods.
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "ledger/periods/KsiegaWgOkresowController.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <memory>

namespace ksiega::test {

class PeriodsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        resetModuleState();
        resetSession();
        m_fixture = std::make_unique<LedgerFixture>(db());
        SessionContext& s = session();
        s.DANE_ID_FIRMY = f().company;
        s.DANE_LATA_OBROTOWE = f().year2026;
        s.DANE_POCZATEK_ROKU = f().bo2026();
        s.DANE_KONIEC_ROKU = date::fromYmd(2026, 12, 31);
        s.DANE_ID_UZYT = f().login;
        s.DANE_ID_UZYTKOWNIKA_NR = 7;
        s.databaseUrl = url();
        m_scoped = std::make_unique<ui::ScopedDialogs>(dialogs);
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year2026, 0);
    }
    void TearDown() override {
        m_scoped.reset();
        m_fixture.reset();
        resetSession();
        DbTest::TearDown();
    }
    LedgerFixture& f() { return *m_fixture; }

    std::unique_ptr<ledger::KsiegaWgOkresowController> opened() {
        auto c = std::make_unique<ledger::KsiegaWgOkresowController>(db(), session());
        c->open();
        return c;
    }

    // Every row the list holds after reading it to the end.
    static std::vector<int64_t> ids(ui::PagedListModel& m) {
        while (m.canFetchMore()) m.fetchMore();
        std::vector<int64_t> out;
        for (int r = 0; r < m.heldRows(); ++r) out.push_back(m.idAt(r));
        return out;
    }
    // A column of every listed row, read from the entry view (turnover rows: as listed).
    std::vector<QString> column(ui::PagedListModel& m, const char* name) {
        while (m.canFetchMore()) m.fetchMore();
        std::vector<QString> out;
        for (int r = 0; r < m.heldRows(); ++r) {
            if (m.query().source == "OBROTY_I_SALDA") {
                out.push_back(m.valueAt(r, QString::fromLatin1(name)).toText());
                continue;
            }
            auto row = db().select(QStringLiteral("select %1 from POZ_DOK_VIEW_UNION where id_dokument_pozycja=?").arg(name),
                                   {m.idAt(r)});
            out.push_back(row.next() ? row.text(0) : QString());
        }
        return out;
    }

    ui::ScriptedDialogs dialogs;

private:
    std::unique_ptr<LedgerFixture> m_fixture;
    std::unique_ptr<ui::ScopedDialogs> m_scoped;
};

} // namespace ksiega::test
