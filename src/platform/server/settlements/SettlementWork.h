#pragma once
// What the settlement procedures share: the selection-store browsers they read, the year
// they take before writing, the login behind a user number, and ids bound in chunks.
#include "platform/db/Database.h"
#include <QString>
#include <functional>
#include <vector>

namespace ksiega::server::settlements {

// ZAZNACZENIE browsers: the settlements the user marked in the settlements window, and
// those chosen for removal from the opening balance.
constexpr int kMarkedSettlementsBrowser = 30;
constexpr int kRemovedSettlementsBrowser = 34;

// Ids bound into one IN list.
constexpr size_t kIdsPerStatement = 500;

// "?,?,...,?" for n values.
QString placeholders(size_t n);

// Calls `each` with the ids in chunks of at most kIdsPerStatement, as bound values, and the
// placeholders for them.
void forChunks(const std::vector<int64_t>& ids, const std::function<void(const db::Params&, const QString&)>& each);

// Takes the company's fiscal year for writing until the transaction ends (the first write
// of every writer of the year's opening balance, so that they run one after the other) and
// answers whether its opening balance is approved (zamkniete_bo = 1). Throws db::DbError
// when the company has no such year.
bool takeYear(db::Database& db, int64_t idFirmy, int64_t idLataObrot);

// The text every writer gives when the year's opening balance is approved.
QString approvedOpeningBalanceText();

// The login (UZYTKOWNICY) of a user number; throws db::DbError for an unknown one.
QString loginOf(db::Database& db, int64_t userNumber);

} // namespace ksiega::server::settlements
