#pragma once
// The symbol of the card behind an account, as an expression the card filter of an import
// narrows (pickers::cardFilter binds the filter itself).
#include <QString>

namespace ksiega::server::settlements {

// An expression over a row `alias` that has id_firmy, id_lata_obrot and nr_konta: the
// symbol of the card (contractor, employee, office, bank account, fixed asset or a value
// of a company's register) that the account stands for in the chart of its year; NULL for
// an account without a card.
QString cardSymbolOfAccountSql(const QString& alias);

} // namespace ksiega::server::settlements
