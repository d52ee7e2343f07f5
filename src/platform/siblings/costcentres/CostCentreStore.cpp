#include "platform/siblings/costcentres/CostCentreStore.h"
#include "platform/db/CostCentreLineCopies.h"
#include "platform/db/DbError.h"
#include <stdexcept>

namespace ksiega::costcentres {

QString splitMismatchText(Money parts, Money side) {
    return QStringLiteral("Suma podziału na miejsca powstawania kosztów (%1) nie zgadza się z kwotą (%2).")
        .arg(parts.toDisplay(), side.toDisplay());
}

CostCentreSplit readSplit(db::Database& db, int64_t idPozDok) {
    CostCentreSplit split;
    db::Rows r = db.select(QStringLiteral("select strona, kwota, wskaznik_1_id, wskaznik_2_id, wskaznik_3_id, wskaznik_4_id, "
                                          "wskaznik_5_id from MPK_DANE where id_poz_dok=? order by id_mpk_dane"),
                           {idPozDok});
    while (r.next()) {
        CostCentrePart part;
        part.kwota = r.money(1);
        for (int i = 0; i < 5; ++i) part.wskazniki[size_t(i)] = r.int64(2 + i);
        (r.text(0).trimmed().toUpper() == QLatin1String("MA") ? split.ma : split.wn).push_back(part);
    }
    return split;
}

namespace {

struct Side {
    const char* strona;
    const QString& konto;
    Money amount;
    const std::vector<CostCentrePart>& parts;
};

} // namespace

void writeSplit(db::Database& db, const CostCentreLine& line, const CostCentreSplit& split) {
    const Side sides[] = {{"WN", line.kontoWn, line.kwotaWn, split.wn}, {"MA", line.kontoMa, line.kwotaMa, split.ma}};
    for (const Side& s : sides) {
        if (s.amount.isZero() || s.konto.trimmed().isEmpty() || s.parts.empty()) continue;
        Money sum;
        for (const CostCentrePart& p : s.parts) sum += p.kwota;
        if (sum != s.amount) throw std::runtime_error(splitMismatchText(sum, s.amount).toStdString());
    }

    db::Transaction tx(db);
    db::Rows owner = db.select(QStringLiteral("select p.id_firmy, p.id_lata_obrot, coalesce(f.separator_mpk, '-') from POZ_DOK p "
                                              "left join FIRMA f on f.id_firmy=p.id_firmy where p.id_poz_dok=?"),
                               {line.idPozDok});
    if (!owner.next()) throw db::DbError(QStringLiteral("Brak pozycji dokumentu %1.").arg(line.idPozDok));
    const int64_t firm = owner.int64(0), year = owner.int64(1);
    const QString separator = owner.text(2).isEmpty() ? QStringLiteral("-") : owner.text(2);

    db.execute(QStringLiteral("delete from MPK_DANE where id_poz_dok=?"), {line.idPozDok});
    for (const Side& s : sides) {
        if (s.amount.isZero() || s.konto.trimmed().isEmpty()) continue;
        for (const CostCentrePart& p : s.parts) {
            if (p.kwota.isZero()) continue;
            QString path;
            for (int64_t w : p.wskazniki)
                if (w != 0) path += QString::number(w) + separator;
            if (!path.isEmpty()) path.prepend(separator);
            db.execute(QStringLiteral("insert into MPK_DANE (id_poz_dok, id_firmy, id_lata_obrot, strona, konto, kwota, "
                                      "wskaznik_1_id, wskaznik_2_id, wskaznik_3_id, wskaznik_4_id, wskaznik_5_id, drzewo_zbior_id) "
                                      "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {line.idPozDok, firm, year, QString::fromLatin1(s.strona), s.konto.trimmed(), p.kwota, p.wskazniki[0],
                        p.wskazniki[1], p.wskazniki[2], p.wskazniki[3], p.wskazniki[4], path});
        }
    }
    db::refreshCostCentreLineCopies(db, db::CostCentreCopyScope::line(line.idPozDok));
    tx.commit();
}

} // namespace ksiega::costcentres
