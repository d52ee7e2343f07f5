#pragma once
// The stored cost-centre split of a ledger line (MPK_DANE): read into memory, and
// replaced as a whole.
#include "platform/siblings/costcentres/CostCentreSplits.h"

namespace ksiega::costcentres {

// The warning of a side whose parts do not add up to its amount.
QString splitMismatchText(Money parts, Money side);

// The split stored for the line, both sides, in the order it was stored.
CostCentreSplit readSplit(db::Database& db, int64_t idPozDok);

// Replaces the line's stored split by `split` (one transaction, a savepoint inside the
// caller's). Each part is written on the side's account from `line`, with the company and
// fiscal year of the stored line and the path of its indicators. A side without an amount
// or an account keeps no split; parts of no amount are left out. Throws, writing nothing,
// when the line does not exist or a side's parts do not add up to its amount.
void writeSplit(db::Database& db, const CostCentreLine& line, const CostCentreSplit& split);

} // namespace ksiega::costcentres
