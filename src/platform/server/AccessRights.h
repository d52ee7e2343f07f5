#pragma once
// Access rights to the functions of the module, per company, user login and function code.
#include "platform/db/Database.h"
#include <optional>

namespace ksiega::server {

// The stored right: 1 granted, 0 denied; nullopt when nothing is stored, which the caller
// takes as granted. As a procedure called by name it gives one row (first column 1 or 0)
// or no row.
std::optional<int> USTAL_PRAWO_DOSTEPU_FUNKCJA(db::Database& db, int64_t idFirmy, const QString& login,
                                               const QString& kodFunkcji);

} // namespace ksiega::server
