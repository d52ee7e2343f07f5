#pragma once
// The rules of the partial-entries window "Dekrety dla konta:": the partial entries of one
// opening-balance line (date, number, description, the four amounts, rates and
// multipliers), added, corrected and removed in memory. The amount entry window writes
// them when it saves and checks its amounts against their sums.
#include "openingbalance/entry/AmountEntryServices.h"

namespace ksiega::openingbalance {

class PartialEntriesController {
public:
    static constexpr int NR_DOK_MAX = 30;
    static constexpr int OPIS_MAX = 100;

    PartialEntriesController(PartialEntriesContext context, std::vector<server::PartialEntry>& entries);

    QString caption() const { return QStringLiteral("Dekrety dla konta: ") + m_context.account; }
    const PartialEntriesContext& context() const { return m_context; }
    bool editable() const { return !m_context.readOnly; }

    int count() const { return int(m_entries.size()); }
    const server::PartialEntry& entry(int row) const { return m_entries.at(size_t(row)); }
    // What "Dodaj" starts from: the opening-balance date, multipliers 1.
    server::PartialEntry newEntry() const;

    // "" when accepted, otherwise the reason (the entry is not taken).
    QString add(const server::PartialEntry& entry);
    QString correct(int row, const server::PartialEntry& entry);
    // Asks "Czy chcesz usunąć wybraną pozycję?"; true when removed.
    bool remove(int row);

    server::LineAmounts sums() const;

private:
    QString refusal(const server::PartialEntry& entry) const;

    PartialEntriesContext m_context;
    std::vector<server::PartialEntry>& m_entries;
};

} // namespace ksiega::openingbalance
