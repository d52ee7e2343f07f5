#include "openingbalance/browse/OpeningBalanceData.h"
#include "entries/accountfilter/AccountFilterPredicate.h"
#include <QSet>
#include <QStringList>
#include <algorithm>

namespace ksiega::openingbalance {

namespace {

struct Synthetic {
    QChar type;
    QString cardSymbol;   // symbol_kartoteki, else the kind letter
};

} // namespace

bool accountBefore(const QString& a, const QString& b) {
    const QStringList x = a.split(QChar('-'));
    const QStringList y = b.split(QChar('-'));
    const qsizetype n = std::min(x.size(), y.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (x[i] == y[i]) continue;
        // Digits of equal length compare as numbers do; anything else as text.
        if (x[i].size() != y[i].size()) {
            bool xn = false, yn = false;
            x[i].toLongLong(&xn);
            y[i].toLongLong(&yn);
            if (xn && yn) return x[i].size() < y[i].size();
        }
        return x[i] < y[i];
    }
    return x.size() < y.size();
}

std::vector<AccountRow> readChart(db::Database& db, int64_t idFirmy, int64_t idLataObrot,
                                  const entries::AccountFilterSettings& filter) {
    const db::Params scope{idFirmy, idLataObrot};
    QHash<int, Synthetic> synthetics;   // passing ones only
    db::Rows synt = db.select(QStringLiteral("select %1, kartoteka, symbol_kartoteki from KONTA_SYNT "
                                             "where id_firmy=? and id_lata_obrot=?").arg(entries::SYNTHETIC_ACCOUNT_COLUMNS),
                              scope);
    while (synt.next()) {
        const entries::SyntheticAccount a = entries::syntheticAccountAt(synt);
        // The opening-balance filter has no cost-centre switch.
        if (!entries::passesAccountFilter(filter, a, false)) continue;
        const QString symbol = synt.text(7).trimmed();
        synthetics.insert(a.number, {a.type, symbol.isEmpty() ? synt.text(6).trimmed().toUpper() : symbol});
    }

    // Register accounts: those that card accounts hang on, with the kind of their cards.
    QHash<QString, QString> registers;
    db::Rows cards = db.select(QStringLiteral("select distinct nr_konta_nadrz, rodzaj_kartoteki from WARTOSCI_KONT "
                                              "where id_firmy=? and id_lata_obrot=? and id_kartoteki<>0"),
                               scope);
    while (cards.next()) registers.insert(cards.text(0).trimmed(), cards.text(1).trimmed().toUpper());

    std::vector<AccountRow> rows;
    db::Rows accounts = db.select(QStringLiteral("select nr_konta, nazwa_konta, nr_konta_syn, czy_edytowalne "
                                                 "from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? "
                                                 "and id_kartoteki=0"),
                                  scope);
    while (accounts.next()) {
        const auto synthetic = synthetics.constFind(accounts.integer(2));
        const QString account = accounts.text(0).trimmed();
        if (synthetic == synthetics.constEnd() || account.isEmpty()) continue;
        AccountRow r;
        r.account = account;
        r.name = accounts.text(1).trimmed();
        r.level = int(account.count(QChar('-'))) + 1;
        r.type = synthetic->type;
        r.editable = accounts.int64(3) != 0;
        const auto reg = registers.constFind(account);
        if (reg != registers.constEnd()) r.cardSymbol = synthetic->cardSymbol.isEmpty() ? *reg : synthetic->cardSymbol;
        rows.push_back(std::move(r));
    }
    std::sort(rows.begin(), rows.end(), [](const AccountRow& a, const AccountRow& b) { return accountBefore(a.account, b.account); });

    QSet<QString> present;
    for (const AccountRow& r : rows) present.insert(r.account);
    QSet<QString> parents;
    for (const AccountRow& r : rows)
        for (QString up = parentAccount(r.account); !up.isEmpty(); up = parentAccount(up))
            if (present.contains(up)) {
                parents.insert(up);
                break;
            }
    for (AccountRow& r : rows) {
        r.hasChildren = parents.contains(r.account);
        if (r.hasChildren) r.editable = false;
    }
    return rows;
}

std::vector<AccountAmount> openingAmounts(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNagDok,
                                          bool aggregate, Side side) {
    const QString s = side == Side::Dt ? QStringLiteral("wn") : QStringLiteral("ma");
    const QString sideTag = side == Side::Dt ? QStringLiteral("WN") : QStringLiteral("MA");
    // Opening lines repeat their document's czy_rk = 10, which names the partial indexes
    // that carry exactly these sums: the statements read the index alone.
    db::Rows rows = aggregate
        ? db.select(QStringLiteral("select konto_%1, sum(kwota_%1), 0 from %2 where id_lata_obrot=? and czy_rk=10 "
                                   "and konto_%1<>'' and kwota_%1<>0 and id_nag_dok in "
                                   "(select n.id_nag_dok from NAG_DOK n where n.id_firmy=? and n.id_lata_obrot=? "
                                   "and n.czy_rk=10) group by konto_%1")
                        .arg(s, db.dialect().throughIndex(QStringLiteral("POZ_DOK"), QStringLiteral("POZ_DOK_BO_ROK_") + sideTag)),
                    {idLataObrot, idFirmy, idLataObrot})
        : db.select(QStringLiteral("select konto_%1, sum(kwota_%1), sum(kwota_%1_w) from %2 where id_nag_dok=? and czy_rk=10 "
                                   "and konto_%1<>'' and (kwota_%1<>0 or kwota_%1_w<>0) group by konto_%1")
                        .arg(s, db.dialect().throughIndex(QStringLiteral("POZ_DOK"), QStringLiteral("POZ_DOK_BO_DOK_") + sideTag)),
                    {idNagDok});
    std::vector<AccountAmount> out;
    while (rows.next()) out.push_back({rows.text(0).trimmed(), rows.money(1), rows.money(2)});
    return out;
}

} // namespace ksiega::openingbalance
