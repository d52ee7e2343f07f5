#pragma once
// Turnovers and balances of one account in one period, read from OBROTY_I_SALDA.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"

namespace ksiega::server {

struct AccountTurnover {
    Money obrotyDt, obrotyCt, saldoDt, saldoCt;
    bool operator==(const AccountTurnover&) const = default;
};

// The four figures of an account in the period dataOkresu (day 1 BO, day 2 a month,
// day 28 BZ) of a company's fiscal year.
//
// - currency "PLN" (any case): the PLN rows, every line at its PLN value; variant 1 reads
//   the posted set (obr_wn ...), variant 0 the alternative set that counts unposted
//   documents (obr_wn_2 ...). Another currency: that currency's rows, currency set (*_w).
// - wholeAccount 1: exactly the row of that account number. 0: every account number that
//   begins with the text, each counted once: a row counts only when its parent (the number
//   without its last "-segment") does not itself begin with the text, so that the levels
//   of one account are not added twice. Dt and Ct balances are summed as stored.
// No matching row gives zeros.
AccountTurnover OBLICZ_OBROTY_DLA_KONTA(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu,
                                        const QString& waluta, const QString& konto, int calyNumer, int wariant);

} // namespace ksiega::server
