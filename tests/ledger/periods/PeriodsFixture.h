#pragma once
// The window fixture with the turnovers recomputed, for the tests of the ledger by periods.
#include "ledger/periods/KsiegaWgOkresowController.h"
#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"
#include <memory>

namespace ksiega::test {

class PeriodsTest : public WindowTest {
protected:
    ScriptedWindowServices services;

    void SetUp() override {
        WindowTest::SetUp();
        recompute();
    }

    std::unique_ptr<ledger::KsiegaWgOkresowController> opened() { return openedWith(services); }
    std::unique_ptr<ledger::KsiegaWgOkresowController> openedWith(entries::WindowServices& with) {
        auto c = std::make_unique<ledger::KsiegaWgOkresowController>(db(), session(), with);
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

};

} // namespace ksiega::test
