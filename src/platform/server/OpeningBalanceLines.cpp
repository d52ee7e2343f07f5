#include "platform/server/OpeningBalanceLines.h"
#include "platform/db/DbError.h"

// Placeholder bodies until the procedures land.
namespace ksiega::server {
namespace {
[[noreturn]] void missing(const char* name) { throw db::DbError(QStringLiteral("%1: not built yet").arg(QLatin1String(name))); }
} // namespace

LineClaim POZYCJE_BO_DODAJ(db::Database&, int64_t, int64_t, const QString&, const QString&, int64_t) { missing("POZYCJE_BO_DODAJ"); }
void POZYCJE_BO_ZWOLNIJ(db::Database&, int64_t, const QString&) { missing("POZYCJE_BO_ZWOLNIJ"); }
LineWriteRefusal checkLineWritable(db::Database&, int64_t, const QString&) { missing("checkLineWritable"); }
std::vector<PartialEntry> readPartialEntries(db::Database&, int64_t) { missing("readPartialEntries"); }
void writePartialEntries(db::Database&, int64_t, const std::vector<PartialEntry>&) { missing("writePartialEntries"); }
std::vector<OpeningSettlement> readLineSettlements(db::Database&, int64_t) { missing("readLineSettlements"); }
int64_t POZYCJE_BO_ROZRACH(db::Database&, int64_t, int64_t, int64_t, int64_t, const QString&, const QString&, int64_t,
                           const OpeningSettlement&) { missing("POZYCJE_BO_ROZRACH"); }
int TG_BO_USUN_ROZRACH(db::Database&, int64_t, int64_t, int, const std::vector<int64_t>&) { missing("TG_BO_USUN_ROZRACH"); }
void POZYCJE_BO_AKTUALIZUJ(db::Database&, int64_t, int, int64_t, int64_t, int64_t, int, const QString&, const QString&,
                           const LineAmounts&, int64_t) { missing("POZYCJE_BO_AKTUALIZUJ"); }
OpeningSums POZYCJE_BO_SUMUJ(db::Database&, int64_t, int64_t, const QString&, int) { missing("POZYCJE_BO_SUMUJ"); }

} // namespace ksiega::server
