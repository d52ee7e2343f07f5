#include "platform/server/CashReportAmounts.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

Money OBLICZ_KWOTY_DLA_RK(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int date, const QString& konto, int kind,
                          bool postingDate, const QString& waluta) {
    const CurrencyCode currency = CurrencyCode::of(waluta);
    const QString symbol = currency.symbol();
    const bool home = currency.isHome();
    if (kind < 1 || kind > 4 || (home && kind > 2)) return {};

    // Column names are chosen here from fixed texts; every value is bound.
    const bool debit = kind == 1 || kind == 3;
    const QString account = debit ? QStringLiteral("p.konto_wn") : QStringLiteral("p.konto_ma");
    QString amount = debit ? QStringLiteral("p.kwota_wn") : QStringLiteral("p.kwota_ma");
    if (kind > 2) amount += QStringLiteral("_w");
    const QString dateColumn = postingDate ? QStringLiteral("n.data_biezaca") : QStringLiteral("n.data_dok_org");

    QString sql = QStringLiteral("select coalesce(sum(%1), 0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok = p.id_nag_dok "
                                 "where p.id_firmy=? and p.id_lata_obrot=? and %2=? "
                                 "and (p.czy_rk=10 or (p.status=2 and %3<=?))")
                      .arg(amount, account, dateColumn);
    db::Params params{idFirmy, idLataObrot, konto, date};
    if (!home) {
        sql += QStringLiteral(" and upper(p.waluta)=?");
        params.push_back(symbol);
    }
    return Money::fromMinor(db.scalarInt(sql, params).value_or(0));
}

CashAmountKind parseCashAmountKind(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || !t.at(0).isDigit()) return {};
    return {t.at(0).digitValue(), t.size() > 1 && t.at(1) == QLatin1Char('1')};
}

// CALL OBLICZ_KWOTY_DLA_RK(firm, year, date, 'account', kind+date-char, 'currency'): one
// row, the amount in its first column.
KSIEGA_SERVER_PROCEDURE(QStringLiteral("OBLICZ_KWOTY_DLA_RK"), [](db::Database& db, const db::Params& args) {
    const CashAmountKind k = parseCashAmountKind(textArg(args, 4));
    const Money m = OBLICZ_KWOTY_DLA_RK(db, intArg(args, 0), intArg(args, 1), int(intArg(args, 2)), textArg(args, 3), k.kind,
                                        k.postingDate, textArg(args, 5));
    return ResultSet{{QStringLiteral("kwota")}, {{m}}};
});

} // namespace ksiega::server
