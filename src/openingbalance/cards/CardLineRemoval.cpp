#include "openingbalance/cards/CardLineRemoval.h"
#include "platform/runtime/Date.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include <exception>

namespace ksiega::openingbalance {

namespace {

const QString LOCKED = QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika.");
const QString READ_ERROR = QStringLiteral("Wystąpił błąd odczytu z tabeli pozycji dokumentów.");
const QString FROM_WAREHOUSE = QStringLiteral(
    "Nie można usunąć wybranej pozycji ponieważ istnieją powiązane z nią rozrachunki pochodzące z programu TOVARIX.");
const QString APPROVED = QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone.");

// The claim of a line, released when the removal ends, however it ends.
class ClaimedLine {
public:
    ClaimedLine(db::Database& db, int64_t idPozDok, QString login) : m_db(db), m_id(idPozDok), m_login(std::move(login)) {}
    ~ClaimedLine() {
        try {
            server::POZYCJE_BO_ZWOLNIJ(m_db, m_id, m_login);
        } catch (const std::exception& e) {
            MSG_OST(QString::fromUtf8(e.what()));
        }
    }
    ClaimedLine(const ClaimedLine&) = delete;
    ClaimedLine& operator=(const ClaimedLine&) = delete;

private:
    db::Database& m_db;
    int64_t m_id;
    QString m_login;
};

bool hasWarehouseSettlements(db::Database& db, int64_t idPozDok) {
    return db.scalarInt("select 1 from ROZRACHUNEK_BILANTOR_V where id_poz_dok_f=? and coalesce(id_nag_dok_m,0)<>0 limit 1",
                        {idPozDok})
        .has_value();
}

} // namespace

bool removeCardLine(db::Database& db, const SessionContext& session, const CardLineTarget& target) {
    server::LineClaim claim;
    try {
        claim = server::POZYCJE_BO_DODAJ(db, session.DANE_ID_FIRMY, target.idNagDok, target.account, session.DANE_ID_UZYT,
                                         session.DANE_ID_UZYTKOWNIKA_NR);
    } catch (const std::exception& e) {
        MSG_OST(QString::fromUtf8(e.what()));
        return false;
    }
    if (claim.status == server::LineClaimStatus::LockedByOther) {
        MSG_INF(LOCKED);
        return false;
    }
    if (claim.status != server::LineClaimStatus::Claimed) {
        MSG_OST(READ_ERROR);
        return false;
    }

    ClaimedLine held(db, claim.idPozDok, session.DANE_ID_UZYT);
    try {
        db::Transaction tx(db);
        switch (server::checkLineWritable(db, claim.idPozDok, session.DANE_ID_UZYT)) {
        case server::LineWriteRefusal::None: break;
        case server::LineWriteRefusal::Approved: MSG_OST(APPROVED); return false;
        case server::LineWriteRefusal::NotClaimed: MSG_INF(LOCKED); return false;
        case server::LineWriteRefusal::Missing: MSG_OST(READ_ERROR); return false;
        }
        if (hasWarehouseSettlements(db, claim.idPozDok)) {
            MSG_OST(FROM_WAREHOUSE);
            return false;
        }
        server::TG_BO_USUN_ROZRACH(db, session.DANE_ID_UZYTKOWNIKA_NR, claim.idPozDok, 0);
        server::POZYCJE_BO_AKTUALIZUJ(db, target.idNagDok, date::openingPeriod(session.DANE_POCZATEK_ROKU),
                                      session.DANE_ID_FIRMY, session.DANE_LATA_OBROTOWE, claim.idPozDok, 1, target.currency,
                                      target.currency, server::LineAmounts{}, session.DANE_ID_UZYTKOWNIKA_NR);
        tx.commit();
    } catch (const std::exception& e) {
        ui::dialogs().warning(QString::fromUtf8(e.what()), ui::TITLE_OSTRZEZENIE);
        return false;
    }
    return true;
}

} // namespace ksiega::openingbalance
