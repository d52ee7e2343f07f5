#pragma once
// Rows a window hands to the ledger print library instead of letting it read them: the
// opening-balance browse prints its tree of accounts as it shows it (the statement of
// code 63 then lists these rows and reads no turnovers).
#include "platform/runtime/Money.h"
#include <QString>
#include <memory>
#include <vector>

namespace ksiega::ledgerprint {

struct HandedRow {
    QString account;
    QString name;
    int level = 1;   // depth in the account tree, 1 = synthetic account
    Money saldoDt, saldoCt, kwotaDt, kwotaCt;
    Money saldoDtW, saldoCtW, kwotaDtW, kwotaCtW;
};

using HandedRows = std::vector<HandedRow>;

} // namespace ksiega::ledgerprint
