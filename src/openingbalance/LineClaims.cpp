#include "openingbalance/LineClaims.h"
#include "platform/db/DbError.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/ui/dialogs/Messages.h"

namespace ksiega::openingbalance {

QString errorText(const std::exception& e) {
    if (auto* d = dynamic_cast<const db::DbError*>(&e)) return d->message();
    return QString::fromUtf8(e.what());
}

int64_t claimLine(db::Database& db, const SessionContext& session, int64_t idNagDok, const QString& account) {
    server::LineClaim claim;
    try {
        claim = server::POZYCJE_BO_DODAJ(db, session.DANE_ID_FIRMY, idNagDok, account, session.DANE_ID_UZYT,
                                         session.DANE_ID_UZYTKOWNIKA_NR);
    } catch (const std::exception& e) {
        MSG_OST(errorText(e));
        return 0;
    }
    switch (claim.status) {
    case server::LineClaimStatus::LockedByOther: MSG_INF(LOCKED_BY_OTHER_TEXT); return 0;
    case server::LineClaimStatus::ReadError: MSG_OST(LINE_READ_ERROR_TEXT); return 0;
    case server::LineClaimStatus::Claimed: break;
    }
    return claim.idPozDok;
}

bool lineStillWritable(db::Database& db, int64_t idPozDok, const QString& login) {
    switch (server::checkLineWritable(db, idPozDok, login)) {
    case server::LineWriteRefusal::None: return true;
    case server::LineWriteRefusal::Approved: MSG_INF(APPROVED_TEXT); return false;
    case server::LineWriteRefusal::Missing: MSG_OST(LINE_READ_ERROR_TEXT); return false;
    case server::LineWriteRefusal::NotClaimed: MSG_INF(LOCKED_BY_OTHER_TEXT); return false;
    }
    return false;
}

} // namespace ksiega::openingbalance
