#pragma once
// The rules of the opening-balance VAT register window: the register rows of one
// opening-balance document (REJESTR_VAT_BO), read a page at a time in the order of their
// date, and the totals of the whole register by one aggregate. The window only shows
// them; an approved opening balance is marked in the caption.
#include "platform/ui/list/PagedListModel.h"
#include <memory>

namespace ksiega::vat {

struct VatRegisterTotals {
    int64_t rows = 0;
    Money netto, vat, brutto;
};

class VatRegisterController {
public:
    VatRegisterController(db::Database& db, int64_t idNagDok, bool approved);

    QString caption() const;
    bool approved() const { return m_approved; }
    ui::PagedListModel& rows() { return *m_rows; }
    const VatRegisterTotals& totals() const { return m_totals; }
    // Reads the list and the totals again.
    void refresh();

private:
    db::Database& m_db;
    int64_t m_idNagDok;
    bool m_approved;
    std::unique_ptr<ui::PagedListModel> m_rows;
    VatRegisterTotals m_totals;
};

} // namespace ksiega::vat
