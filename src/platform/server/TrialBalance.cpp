#include "platform/server/TrialBalance.h"
#include "platform/runtime/Date.h"
#include <QRegularExpression>

namespace ksiega::server {

std::optional<int> parsePeriod(const FiscalYear& year, const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("BO")) return year.openingPeriod();
    if (t == QLatin1String("BZ")) return year.closingPeriod();
    static const QRegularExpression month(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = month.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const int y = m.captured(1).toInt(), mm = m.captured(2).toInt();
    if (mm < 1 || mm > 12) return std::nullopt;
    const int period = date::monthPeriod(y, mm);
    for (int d : year.periodDates())
        if (d == period) return period;
    return std::nullopt;
}

void forEachTrialBalanceRow(db::Database& db, const FiscalYear& year, int periodDate, const QString& currency,
                            const std::function<void(const TrialBalanceRow&)>& row) {
    const QString sym = currency.trimmed().isEmpty() ? QStringLiteral("PLN") : currency.trimmed().toUpper();
    const QString columns = sym == QLatin1String("PLN") ? QStringLiteral("obr_wn, obr_ma, saldo_wn, saldo_ma")
                                                        : QStringLiteral("obr_wn_w, obr_ma_w, saldo_wn_w, saldo_ma_w");
    db::Rows r = db.select(QStringLiteral("select nr_konta, %1 from OBROTY_I_SALDA where id_firmy=? and id_lata_obrot=? "
                                          "and sym_waluty=? and data_okresu=? order by nr_konta")
                               .arg(columns),
                           {year.idFirmy, year.idLataObrot, sym, periodDate});
    while (r.next()) row({r.text(0), r.money(1), r.money(2), r.money(3), r.money(4)});
}

} // namespace ksiega::server
