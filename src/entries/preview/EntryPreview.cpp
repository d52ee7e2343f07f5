#include "entries/preview/EntryPreview.h"
#include "platform/db/EntryRowId.h"
#include "platform/runtime/Picture.h"

namespace ksiega::entries {

std::vector<PreviewRow> entryPreview(db::Database& db, const EntryPreviewRequest& request) {
    // A line's two view rows are 2*id_poz_dok and 2*id_poz_dok+1: the line's key first.
    const int64_t id = request.idDokumentPozycja;
    db::Rows r = db.select(QStringLiteral("select nr_ewid_dok, data_biezaca, konto, nr_dok_org, data_dok_org, data_oper_gosp, "
                                          "kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w, opis, data_zatwierdzenia, nazwa_konta, "
                                          "nr_dziennik from %1 where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                               .arg(request.view),
                           {request.idFirmy, db::EntryRowId{id}.line(), id});
    if (!r.next()) return {};
    const Picture day("@D6-"), amount("@N-14_`2"), number("@N14_");
    auto d = [&](int c) { return day.format(r.int64(c)); };
    auto m = [&](int c) { return amount.format(r.money(c)).trimmed(); };
    std::vector<PreviewRow> rows{
        {QStringLiteral("Nr ewidencyjny"), r.text(0), QStringLiteral("Data księgowania"), d(1)},
        {QStringLiteral("Konto"), r.text(2), QStringLiteral("Nr dokumentu"), r.text(3)},
        {QStringLiteral("Data dokumentu"), d(4), QStringLiteral("Data oper. gosp."), d(5)},
        {QStringLiteral("Kwota Dt"), m(6), QStringLiteral("Kwota Ct"), m(7)},
        {QStringLiteral("Kwota Dt w walucie"), m(8), QStringLiteral("Kwota Ct w walucie"), m(9)},
        {QStringLiteral("Opis pozycji"), r.text(10), QStringLiteral("Data zatwierdzenia"), d(11)},
        {QStringLiteral("Nazwa konta"), r.text(12), QString(), QString()},
    };
    if (request.journalNumber) {
        rows.back().label2 = QStringLiteral("Nr w dzienniku");
        rows.back().value2 = r.int64(13) ? number.format(r.int64(13)).trimmed() : QString();
    }
    return rows;
}

} // namespace ksiega::entries
