#include "platform/siblings/vat/VatRegisterController.h"

namespace ksiega::vat {
namespace {

ui::ListQuery registerQuery(int64_t idNagDok) {
    using ui::ColumnKind;
    ui::ListQuery q;
    q.source = QStringLiteral("REJESTR_VAT_BO_VIEW");
    q.idColumn = QStringLiteral("id_rejestru_bo");
    q.columns = {{QStringLiteral("data_dok"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
                 {QStringLiteral("nr_dok"), QStringLiteral("Numer dokumentu"), ColumnKind::Text, 20},
                 {QStringLiteral("rejestr"), QStringLiteral("Rejestr"), ColumnKind::Text, 3},
                 {QStringLiteral("nip"), QStringLiteral("NIP"), ColumnKind::Text, 13},
                 {QStringLiteral("kontrahent"), QStringLiteral("Kontrahent"), ColumnKind::Text, 40},
                 {QStringLiteral("stawka"), QStringLiteral("Stawka"), ColumnKind::Text, 5},
                 {QStringLiteral("kwota_netto"), QStringLiteral("Netto"), ColumnKind::Money, 14},
                 {QStringLiteral("kwota_vat"), QStringLiteral("VAT"), ColumnKind::Money, 14},
                 {QStringLiteral("kwota_brutto"), QStringLiteral("Brutto"), ColumnKind::Money, 14}};
    q.sort = ui::SortOrder::ascending(QString(), {QStringLiteral("data_dok")});
    q.ranges.push_back({QStringLiteral("id_nag_dok"), idNagDok});
    return q;
}

} // namespace

VatRegisterController::VatRegisterController(db::Database& db, int64_t idNagDok, bool approved)
    : m_db(db), m_idNagDok(idNagDok), m_approved(approved),
      m_rows(std::make_unique<ui::PagedListModel>(db, registerQuery(idNagDok))) {
    refresh();
}

QString VatRegisterController::caption() const {
    const QString title = QStringLiteral("Rejestr VAT bilansu otwarcia");
    return m_approved ? title + QStringLiteral(" (zatwierdzony)") : title;
}

void VatRegisterController::refresh() {
    m_rows->toFirst();
    db::Rows r = m_db.select(QStringLiteral("select count(*), coalesce(sum(kwota_netto), 0), coalesce(sum(kwota_vat), 0) "
                                            "from REJESTR_VAT_BO where id_nag_dok=?"),
                             {m_idNagDok});
    m_totals = {};
    if (r.next()) {
        m_totals.rows = r.int64(0);
        m_totals.netto = r.money(1);
        m_totals.vat = r.money(2);
        m_totals.brutto = m_totals.netto + m_totals.vat;
    }
}

} // namespace ksiega::vat
