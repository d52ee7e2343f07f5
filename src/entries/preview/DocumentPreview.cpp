#include "entries/preview/DocumentPreview.h"
#include "platform/runtime/Picture.h"

namespace ksiega::entries {

namespace {
QString statusText(int64_t status) {
    switch (status) {
    case 2: return QStringLiteral("Zaksięgowany");
    case 1: return QStringLiteral("Zatwierdzony");
    default: return QStringLiteral("Bufor");
    }
}
} // namespace

std::vector<PreviewRow> documentPreview(db::Database& db, int64_t idFirmy, int64_t idNagDok) {
    std::vector<PreviewRow> rows;
    if (idNagDok == 0) return rows;
    db::Rows r = db.select(QStringLiteral("select n.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, coalesce(t.sym_typ_dok_uz,''), "
                                          "coalesce(p.kod_paczki,''), n.nr_dziennik, n.data_biezaca, n.data_dok_org, "
                                          "n.data_oper_gosp, n.data_wplywu, n.data_zatwierdzenia, n.waluta, n.status, "
                                          "n.id_uzyt_p, n.opis from NAG_DOK n "
                                          "left join TYP_DOK t on t.id_typ_dok=n.id_typ_dok "
                                          "left join PACZKA p on p.id_paczka=n.id_paczka "
                                          "where n.id_nag_dok=? and n.id_firmy=?"),
                           {idNagDok, idFirmy});
    if (!r.next()) return rows;
    const Picture date("@D6-");
    const QString waluta = r.text(11).trimmed().isEmpty() ? QStringLiteral("PLN") : r.text(11).trimmed();
    rows.push_back({QStringLiteral("Nr ewidencyjny"), r.text(0), QStringLiteral("Nr dokumentu"), r.text(1)});
    rows.push_back({QStringLiteral("Typ dokumentu"), r.text(3), QStringLiteral("Nr systemowy"), r.text(2)});
    rows.push_back({QStringLiteral("Dziennik"), r.text(4), QStringLiteral("Nr w dzienniku"),
                    r.int64(5) ? QString::number(r.int64(5)) : QString()});
    rows.push_back({QStringLiteral("Data księgowania"), date.format(r.integer(6)), QStringLiteral("Data dokumentu"),
                    date.format(r.integer(7))});
    rows.push_back({QStringLiteral("Data oper. gosp."), date.format(r.integer(8)), QStringLiteral("Data wpływu"),
                    date.format(r.integer(9))});
    rows.push_back({QStringLiteral("Data zatwierdz."), date.format(r.integer(10)), QStringLiteral("Waluta"), waluta});
    rows.push_back({QStringLiteral("Status"), statusText(r.int64(12)), QStringLiteral("Użytkownik"), r.text(13)});
    rows.push_back({QStringLiteral("Opis"), r.text(14), QString(), QString()});
    return rows;
}

} // namespace ksiega::entries
