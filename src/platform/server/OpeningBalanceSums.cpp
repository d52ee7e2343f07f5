// The sums of the opening balance that the browse's summary shows.
#include "platform/runtime/CurrencyCode.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"
#include <QHash>
#include <QSet>

namespace ksiega::server {

namespace {

QString linesThrough(db::Database& db, const char* index) {
    return db.dialect().throughIndex(QStringLiteral("POZ_DOK"), QString::fromLatin1(index));
}

// The opening-balance documents of the year, each with its currency as lines store it.
QHash<int64_t, QString> openingDocuments(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    QHash<int64_t, QString> out;
    db::Rows r = db.select(QStringLiteral("select id_nag_dok, waluta from NAG_DOK where id_firmy=? and id_lata_obrot=? and czy_rk=10"),
                           {idFirmy, idLataObrot});
    while (r.next()) out.insert(r.int64(0), CurrencyCode::of(r.text(1)).entrySymbol());
    return out;
}

// An account is off-balance when it is, or lies below, a synthetic account of type 'P'.
class OffBalanceAccounts {
public:
    OffBalanceAccounts(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
        db::Rows r = db.select(QStringLiteral("select w.nr_konta from WARTOSCI_KONT w join KONTA_SYNT s on s.id_firmy=w.id_firmy "
                                              "and s.id_lata_obrot=w.id_lata_obrot and s.nr_konta_syn=w.nr_konta_syn "
                                              "where w.id_firmy=? and w.id_lata_obrot=? and w.poziom=0 and s.typ_konta='P'"),
                               {idFirmy, idLataObrot});
        while (r.next()) m_roots.insert(r.text(0));
    }
    bool contains(const QString& account) const {
        if (m_roots.isEmpty()) return false;
        if (m_roots.contains(account)) return true;
        for (qsizetype i = account.indexOf(QChar('-')); i >= 0; i = account.indexOf(QChar('-'), i + 1))
            if (m_roots.contains(account.left(i))) return true;
        return false;
    }

private:
    QSet<QString> m_roots;
};

// Each side of the year's opening lines summed by account and document: one pass over
// the year's partial index per side, whatever the number of currencies.
struct GroupedSum {
    int64_t document;
    QString account;
    bool ct;
    Money amount, amountW;
};

std::vector<GroupedSum> yearSums(db::Database& db, int64_t idLataObrot) {
    const QString sql = QStringLiteral("select id_nag_dok, konto_wn, 0, sum(kwota_wn), sum(kwota_wn_w) from %1 "
                                       "where id_lata_obrot=? and czy_rk=10 and konto_wn<>'' group by konto_wn, id_nag_dok "
                                       "union all "
                                       "select id_nag_dok, konto_ma, 1, sum(kwota_ma), sum(kwota_ma_w) from %2 "
                                       "where id_lata_obrot=? and czy_rk=10 and konto_ma<>'' group by konto_ma, id_nag_dok")
                            .arg(linesThrough(db, "POZ_DOK_BO_ROK_WN"), linesThrough(db, "POZ_DOK_BO_ROK_MA"));
    std::vector<GroupedSum> out;
    db::Rows r = db.select(sql, {idLataObrot, idLataObrot});
    while (r.next()) out.push_back({r.int64(0), r.text(1), r.int64(2) != 0, r.money(3), r.money(4)});
    return out;
}

void add(OpeningSums& sums, const GroupedSum& g) {
    if (g.ct) {
        sums.third += g.amount;
        sums.fourth += g.amountW;
    } else {
        sums.first += g.amount;
        sums.second += g.amountW;
    }
}

// Mode 1: the currency's documents (the home currency may stand as "PLN" or blank).
OpeningSums currencySums(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& waluta) {
    const QString wanted = CurrencyCode::of(waluta).entrySymbol();
    const QHash<int64_t, QString> documents = openingDocuments(db, idFirmy, idLataObrot);
    const QString sql = QStringLiteral("select 0, sum(kwota_wn), sum(kwota_wn_w) from %1 where id_nag_dok=? and czy_rk=10 and konto_wn<>'' "
                                       "union all "
                                       "select 1, sum(kwota_ma), sum(kwota_ma_w) from %2 where id_nag_dok=? and czy_rk=10 and konto_ma<>''")
                            .arg(linesThrough(db, "POZ_DOK_BO_DOK_WN"), linesThrough(db, "POZ_DOK_BO_DOK_MA"));
    OpeningSums sums;
    for (auto it = documents.constBegin(); it != documents.constEnd(); ++it) {
        if (it.value() != wanted) continue;
        db::Rows r = db.select(sql, {it.key(), it.key()});
        while (r.next()) add(sums, {it.key(), QString(), r.int64(0) != 0, r.money(1), r.money(2)});
    }
    return sums;
}

} // namespace

OpeningBalanceSummarySums openingBalanceSummary(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    db::Transaction tx(db);
    const QHash<int64_t, QString> documents = openingDocuments(db, idFirmy, idLataObrot);
    const OffBalanceAccounts offBalance(db, idFirmy, idLataObrot);
    OpeningBalanceSummarySums out;
    for (const GroupedSum& g : yearSums(db, idLataObrot)) {
        const auto document = documents.constFind(g.document);
        if (document == documents.constEnd()) continue;   // another company's, should a year id be shared
        add(out.byCurrency[*document], g);
        GroupedSum pln = g;
        pln.amountW = Money();
        add(out.all, pln);
        if (offBalance.contains(g.account)) add(out.offBalance, pln);
    }
    tx.commit();
    return out;
}

OpeningSums POZYCJE_BO_SUMUJ(db::Database& db, int64_t idFirmy, int64_t idLataObrot, const QString& waluta, int mode) {
    if (mode < 1 || mode > 4) throw db::DbError(QStringLiteral("POZYCJE_BO_SUMUJ: nieznany tryb %1").arg(mode));
    if (mode == 1) return currencySums(db, idFirmy, idLataObrot, waluta);
    const OpeningBalanceSummarySums s = openingBalanceSummary(db, idFirmy, idLataObrot);
    switch (mode) {
    case 2: return {s.all.first, {}, s.all.third, {}};
    case 3: return {s.offBalance.first, {}, s.offBalance.third, {}};
    default: return {s.offBalance.third, {}, s.offBalance.first, {}};
    }
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("POZYCJE_BO_SUMUJ"), [](db::Database& db, const db::Params& args) {
    const OpeningSums s = POZYCJE_BO_SUMUJ(db, intArg(args, 0), intArg(args, 1), textArg(args, 2), int(intArg(args, 3)));
    return ResultSet{{QStringLiteral("kwota1"), QStringLiteral("kwota2"), QStringLiteral("kwota3"), QStringLiteral("kwota4")},
                     {{s.first, s.second, s.third, s.fourth}}};
});

} // namespace ksiega::server
