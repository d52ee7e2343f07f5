#pragma once
// Amounts given to the opening-balance procedures called by name: decimal text ("1234.56",
// "-0.5"), a whole number as the statement text writes it (0 is 0,00 zł, 12 is 12,00 zł),
// or nothing (0).
#include "platform/db/DbError.h"
#include "platform/runtime/EnteredAmount.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

inline Money amountArg(const db::Params& args, size_t i) {
    if (i >= args.size() || args[i].isNull()) return {};
    const QString text = args[i].toText().trimmed();
    if (text.isEmpty()) return {};
    // A whole number reads as zloty, as parse reads it.
    const std::optional<Money> m = parseEnteredAmount(text);
    if (!m) throw db::DbError(QStringLiteral("Niepoprawna kwota: %1").arg(text));
    return *m;
}

} // namespace ksiega::server
