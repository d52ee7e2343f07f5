#pragma once
// The mark column of the entries list, routed through the controller so that a click on
// the icon or a popup item changes the marked figures with the marks.
#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/ui/list/MarksList.h"

namespace ksiega::ledger {

class EntryMarks : public ui::MarksList {
public:
    explicit EntryMarks(LedgerEntriesController& c) : m_c(c) {}
    bool isMarked(int64_t id) const override { return m_c.isMarked(id); }
    void toggle(int64_t id) override { m_c.toggleMarkById(id); }
    void markAll() override { m_c.markAll(); }
    void unmarkAll() override { m_c.unmarkAll(); }
    void invert() override { m_c.invertMarks(); }

private:
    LedgerEntriesController& m_c;
};

} // namespace ksiega::ledger
