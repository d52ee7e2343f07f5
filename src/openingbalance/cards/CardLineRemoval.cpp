#include "openingbalance/cards/CardLineRemoval.h"
#include "openingbalance/LineClaims.h"
#include "platform/runtime/Date.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include <exception>

namespace ksiega::openingbalance {

namespace {

const QString FROM_WAREHOUSE = QStringLiteral(
    "Nie można usunąć wybranej pozycji ponieważ istnieją powiązane z nią rozrachunki pochodzące z programu TOVARIX.");

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
    const int64_t line = claimLine(db, session, target.idNagDok, target.account);
    if (line == 0) return false;
    ClaimedLine held(db, line, session.DANE_ID_UZYT);
    try {
        db::Transaction tx(db);
        if (!lineStillWritable(db, line, session.DANE_ID_UZYT)) return false;
        if (hasWarehouseSettlements(db, line)) {
            MSG_OST(FROM_WAREHOUSE);
            return false;
        }
        server::TG_BO_USUN_ROZRACH(db, session.DANE_ID_UZYTKOWNIKA_NR, line, 0);
        server::POZYCJE_BO_AKTUALIZUJ(db, target.idNagDok, date::openingPeriod(session.DANE_POCZATEK_ROKU),
                                      session.DANE_ID_FIRMY, session.DANE_LATA_OBROTOWE, line, 1, target.currency,
                                      target.currency, server::LineAmounts{}, session.DANE_ID_UZYTKOWNIKA_NR);
        tx.commit();
    } catch (const std::exception& e) {
        ui::dialogs().warning(QString::fromUtf8(e.what()), ui::TITLE_OSTRZEZENIE);
        return false;
    }
    return true;
}

} // namespace ksiega::openingbalance
