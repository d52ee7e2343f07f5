#include "settlements/shared/ChosenSettlements.h"
#include "platform/server/settlements/SettlementBalance.h"
#include "platform/siblings/settlements/SettlementsWindow.h"
#include <QStringList>

namespace ksiega::settlements {

ChosenSettlements::ChosenSettlements(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t userNumber)
    : m_db(db), m_company(idFirmy), m_year(idLataObrot), m_user(userNumber) {}

ChosenSettlements::Select ChosenSettlements::select(const QString& columns, const QString& tail) const {
    // columns may name {SALDO_WN} and {SALDO_MA}: what is left on each side, in PLN.
    Select s;
    QString cols = columns;
    db::Params front;
    auto side = [&](const QString& placeholder, const QString& strona, const QString& column) {
        if (!cols.contains(placeholder)) return;
        if (!m_source.ledgerView && m_source.balanceDate != 0) {
            const server::BoundExpression e = server::balanceOnDateSql(QStringLiteral("v"), m_source.balanceDate, strona);
            cols.replace(placeholder, e.sql);
            front.insert(front.end(), e.params.begin(), e.params.end());
        } else {
            cols.replace(placeholder, QStringLiteral("v.") + column);
        }
    };
    // The placeholders are replaced in the order they stand in the list.
    const int wn = cols.indexOf(QStringLiteral("{SALDO_WN}"));
    const int ma = cols.indexOf(QStringLiteral("{SALDO_MA}"));
    if (wn >= 0 && ma >= 0 && ma < wn) {
        side(QStringLiteral("{SALDO_MA}"), QStringLiteral("MA"), QStringLiteral("pozostalo_ma"));
        side(QStringLiteral("{SALDO_WN}"), QStringLiteral("WN"), QStringLiteral("pozostalo_wn"));
    } else {
        side(QStringLiteral("{SALDO_WN}"), QStringLiteral("WN"), QStringLiteral("pozostalo_wn"));
        side(QStringLiteral("{SALDO_MA}"), QStringLiteral("MA"), QStringLiteral("pozostalo_ma"));
    }
    const QString view = m_source.ledgerView ? QStringLiteral("ROZRACHUNEK_VIEW") : QStringLiteral("ROZRACHUNEK_VIEW_TOVARIX");
    s.sql = QStringLiteral("select ") + cols + QStringLiteral(" from ") + view +
            QStringLiteral(" v where v.id_firmy=? and v.id_lata_obrot=? and v.id_rozrachunku in "
                           "(select z.id_elementu from ZAZNACZENIE z where z.id_uzytkownika=? and z.id_browsera=?)") +
            tail;
    s.params = front;
    s.params.insert(s.params.end(), {m_company, m_year, m_user, kSettlementBrowser});
    return s;
}

void ChosenSettlements::reload(const ChosenSource& source) {
    const ChosenSource before = m_source;
    m_source = source;
    try {
        // The balances may be subqueries: summed over a derived table, as every engine allows.
        Select s = select(QStringLiteral("v.kwota_wn as a, {SALDO_WN} as b, v.kwota_ma as c, {SALDO_MA} as d"), QString());
        db::Rows r = m_db.select(QStringLiteral("select count(*), coalesce(sum(x.a),0), coalesce(sum(x.b),0), coalesce(sum(x.c),0), "
                                                "coalesce(sum(x.d),0) from (") +
                                     s.sql + QStringLiteral(") x"),
                                 s.params);
        ChosenTotals t;
        if (r.next()) {
            t.count = r.int64(0);
            t.kwotaWn = r.money(1);
            t.saldoWn = r.money(2);
            t.kwotaMa = r.money(3);
            t.saldoMa = r.money(4);
        }
        m_totals = t;
        m_loaded = true;
        ++m_generation;
    } catch (...) {
        m_source = before;
        throw;
    }
}

void ChosenSettlements::clear() {
    m_totals = {};
    m_loaded = false;
    ++m_generation;
}

std::vector<ChosenRow> ChosenSettlements::page(int64_t afterId, int limit) const {
    std::vector<ChosenRow> out;
    if (!m_loaded || limit <= 0) return out;
    Select s = select(QStringLiteral("v.id_rozrachunku, v.nazwa_konta, v.data_dok, v.nr_dok, v.kwota_wn, {SALDO_WN}, v.kwota_ma, "
                                     "{SALDO_MA}, v.sym_waluty, v.opis"),
                      QStringLiteral(" and v.id_rozrachunku > ? order by v.id_rozrachunku limit %1").arg(limit));
    s.params.push_back(afterId);
    db::Rows r = m_db.select(s.sql, s.params);
    while (r.next()) {
        ChosenRow row;
        row.id = r.int64(0);
        row.nazwa = r.text(1);
        row.dataDok = r.integer(2);
        row.nrDok = r.text(3);
        row.kwotaWn = r.money(4);
        row.saldoWn = r.money(5);
        row.kwotaMa = r.money(6);
        row.saldoMa = r.money(7);
        row.waluta = r.text(8);
        row.opis = r.text(9);
        out.push_back(row);
    }
    return out;
}

bool ChosenSettlements::anyBooked() const {
    return m_db
        .scalarInt(QStringLiteral("select 1 from ZAZNACZENIE z inner join ROZRACHUNEK_BILANTOR_V r on r.id_rozrachunku=z.id_elementu "
                                  "where z.id_uzytkownika=? and z.id_browsera=? and r.id_firmy=? and r.id_lata_obrot=? "
                                  "and coalesce(r.id_poz_dok_f,0)<>0 limit 1"),
                   {m_user, kSettlementBrowser, m_company, m_year})
        .has_value();
}

QStringList ChosenSettlements::currenciesToImport(const QString& sourceView) const {
    // The view's name comes from the window, never from a person: only the two sources.
    const QString view = sourceView == QStringLiteral("ROZRACHUNEK_TOVARIX_V") ? sourceView : QStringLiteral("ROZRACHUNEK_BILANTOR_V");
    QStringList out;
    db::Rows r = m_db.select(QStringLiteral("select r.sym_waluty from ZAZNACZENIE z inner join ") + view +
                                 QStringLiteral(" r on r.id_rozrachunku=z.id_elementu where z.id_uzytkownika=? and z.id_browsera=? "
                                                "and r.id_firmy=? and r.id_lata_obrot=? and coalesce(r.id_poz_dok_f,0)=0 "
                                                "and coalesce(r.sym_waluty,'') <> '' group by r.sym_waluty order by r.sym_waluty"),
                             {m_user, kSettlementBrowser, m_company, m_year});
    while (r.next()) out << r.text(0).trimmed();
    return out;
}

QString amountText(Money m) { return m.toDisplay(); }

} // namespace ksiega::settlements
