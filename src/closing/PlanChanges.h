#pragma once
// The account-plan change list of the closing year (ZMIANA_PLANU_KONT) as the second page
// shows it, and the settlements a user attaches to one of its rows
// (ZMIANA_PLANU_KONT_ROZRACHUNKI). Every value reaches SQL bound.
#include "platform/db/Database.h"
#include <QString>
#include <vector>

namespace ksiega::closing {

// A year has few change rows; the page shows at most this many.
inline constexpr int kPlanChangeRowsShown = 2000;

struct PlanChangeRow {
    int64_t id = 0;            // id_zmiana_planu_kont
    QString fromAccount;       // z_konta
    QString toAccount;         // na_konto
    QString remark;            // "zaznaczonych rozrachunków: N" when the user attached some, else uwagi
    int64_t attached = 0;      // settlements of the user attached to the row
};

std::vector<PlanChangeRow> loadPlanChanges(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t user);

// The prefix of the settlements offered for a row: its from-account without the last
// character.
QString settlementPrefixOf(const QString& fromAccount);

// Replaces the user's attachments of ONE row by the settlements marked in browser 30;
// attachments of the user's other rows stay. One transaction. Returns how many the row
// now has.
int64_t attachMarkedSettlements(db::Database& db, int64_t user, int64_t idZmianaPlanuKont);

} // namespace ksiega::closing
