#pragma once
// Turnovers and balances summed straight from the document lines (POZ_DOK): the yardstick
// for every figure that is read from OBROTY_I_SALDA, whoever reads it.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <vector>

namespace ksiega::test {

struct LineFigures {
    Money obrotyDt, obrotyCt, saldoDt, saldoCt;
    bool operator==(const LineFigures&) const = default;
};

inline void PrintTo(const LineFigures& f, std::ostream* os) {
    *os << "{" << f.obrotyDt.toString().toStdString() << " " << f.obrotyCt.toString().toStdString() << " "
        << f.saldoDt.toString().toStdString() << " " << f.saldoCt.toString().toStdString() << "}";
}

class LineSums {
public:
    // The lines of a fiscal year; opening-balance documents (czy_rk 10) count in its BO period.
    LineSums(db::Database& db, int64_t year, int openingPeriod) {
        db::Rows r = db.select("select konto_wn, konto_ma, kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, upper(waluta), "
                               "data_okresu, status, czy_rk from POZ_DOK where id_lata_obrot=?",
                               {year});
        while (r.next())
            m_lines.push_back({{r.text(0), r.text(1)}, {r.int64(2), r.int64(3)}, {r.int64(4), r.int64(5)}, r.text(6),
                               r.integer(9) == 10 ? openingPeriod : r.integer(7), r.integer(8) == 2 || r.integer(9) == 10});
    }

    // An account with everything below it, in one period. "PLN": every line at its PLN
    // amount; another currency: that currency's lines, in the currency. Balances are the
    // net of everything up to and including the period.
    LineFigures figures(const QString& account, const QString& currency, int period, bool withUnposted = false) const {
        int64_t turnover[2] = {}, total[2] = {};
        for (const Line& l : m_lines) {
            if (currency != "PLN" && l.currency != currency) continue;
            if (l.period > period || (!l.posted && !withUnposted)) continue;
            for (int side = 0; side < 2; ++side) {
                if (l.account[side] != account && !l.account[side].startsWith(account + "-")) continue;
                const int64_t v = currency == "PLN" ? l.amount[side] : l.amountInCurrency[side];
                total[side] += v;
                if (l.period == period) turnover[side] += v;
            }
        }
        auto m = Money::fromMinor;
        return {m(turnover[0]), m(turnover[1]), m(std::max<int64_t>(total[0] - total[1], 0)),
                m(std::max<int64_t>(total[1] - total[0], 0))};
    }

private:
    struct Line {
        QString account[2];
        int64_t amount[2], amountInCurrency[2];
        QString currency;
        int period;
        bool posted;
    };
    std::vector<Line> m_lines;
};

} // namespace ksiega::test
