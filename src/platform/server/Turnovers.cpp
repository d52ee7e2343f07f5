#include "platform/server/Turnovers.h"

namespace ksiega::server {

void UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int dataOkresu) {
    // Filled in by the turnovers work.
    (void)db; (void)idFirmy; (void)idLataObrot; (void)dataOkresu;
}

} // namespace ksiega::server
