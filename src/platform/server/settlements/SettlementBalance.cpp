#include "platform/server/settlements/SettlementBalance.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

namespace {

QString sideOf(const QString& strona) {
    const QString side = strona.trimmed().toUpper();
    if (side != QLatin1String("WN") && side != QLatin1String("MA"))
        throw db::DbError(QStringLiteral("Nieznana strona rozrachunku: %1").arg(strona));
    return side;
}

QString column(BalanceAmount amount) { return amount == BalanceAmount::Currency ? QStringLiteral("kwota_w") : QStringLiteral("kwota"); }

// The signed remaining amount of the row on its own side; the date is bound twice.
QString ownSideText(const QString& a, BalanceAmount amount) {
    const QString c = column(amount);
    return QStringLiteral("((CASE WHEN %1.czy_korekta = 1 THEN -1 ELSE 1 END) * (%1.%2 - coalesce(CAST((SELECT sum(z.%2) "
                          "FROM ROZLICZENIE z WHERE z.id_rozrachunku = %1.id_rozrachunku AND (? = 0 OR z.data_rozliczenia <= ?)) "
                          "AS BIGINT), 0)))")
        .arg(a, c);
}

} // namespace

// Over the settlement row `s` read by its id, so that the expression stands over any row
// that names a settlement (the table itself or a list view without the stored amounts).
BoundExpression balanceOnDateOwnSideSql(const QString& alias, int date, BalanceAmount amount) {
    return {QStringLiteral("(SELECT %1 FROM ROZRACHUNEK s WHERE s.id_rozrachunku = %2.id_rozrachunku)")
                .arg(ownSideText(QStringLiteral("s"), amount), alias),
            {date, date}};
}

BoundExpression balanceOnDateSql(const QString& alias, int date, const QString& strona, BalanceAmount amount) {
    return {QStringLiteral("coalesce((SELECT CASE WHEN s.strona = ? THEN %1 ELSE 0 END FROM ROZRACHUNEK s "
                           "WHERE s.id_rozrachunku = %2.id_rozrachunku), 0)")
                .arg(ownSideText(QStringLiteral("s"), amount), alias),
            {sideOf(strona), date, date}};
}

Money TG_SaldoRozrachNaDzienTovarix(db::Database& db, int64_t idRozrachunku, int date, const QString& strona, BalanceAmount amount) {
    const BoundExpression e = balanceOnDateSql(QStringLiteral("r"), date, strona, amount);
    db::Params params = e.params;
    params.push_back(idRozrachunku);
    return Money::fromMinor(
        db.scalarInt(QStringLiteral("select %1 from ROZRACHUNEK r where r.id_rozrachunku=?").arg(e.sql), params).value_or(0));
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_SaldoRozrachNaDzienTovarix"), [](db::Database& db, const db::Params& args) {
    const int64_t mode = intArg(args, 3);
    if (mode != 0 && mode != 1) throw db::DbError(QStringLiteral("TG_SaldoRozrachNaDzienTovarix: nieznany tryb %1").arg(mode));
    const Money m = TG_SaldoRozrachNaDzienTovarix(db, intArg(args, 0), int(intArg(args, 1)), textArg(args, 2),
                                                  mode == 1 ? BalanceAmount::Currency : BalanceAmount::Pln);
    return ResultSet{{QStringLiteral("saldo")}, {{m}}};
});

} // namespace ksiega::server
