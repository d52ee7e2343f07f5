#include "platform/db/import/LedgerCatalog.h"

namespace ksiega::db::import {

namespace {
std::string utf8(const QString& s) { return s.toStdString(); }
} // namespace

LedgerCatalog LedgerCatalog::load(Database& db, int64_t idFirmy, int64_t idLataObrot) {
    LedgerCatalog c;
    c.m_idFirmy = idFirmy;
    c.m_idLataObrot = idLataObrot;
    const Params scope{idFirmy, idLataObrot};

    Rows year = db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_firmy=? and id_lata_obrot=?"),
                          scope);
    if (!year.next())
        throw DbError(QStringLiteral("company %1 has no fiscal year %2").arg(idFirmy).arg(idLataObrot));
    c.m_yearStart = year.integer(0);
    c.m_yearEnd = year.integer(1);

    Rows accounts = db.select(
        QStringLiteral("select nr_konta, czy_analityka from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=?"), scope);
    while (accounts.next()) c.m_accounts.emplace(utf8(accounts.text(0)), accounts.int64(1) == 1);

    Rows synthetic = db.select(QStringLiteral("select nr_konta_syn from KONTA_SYNT where id_firmy=? and id_lata_obrot=?"), scope);
    while (synthetic.next()) c.m_synthetic.insert(synthetic.integer(0));

    Rows journals = db.select(QStringLiteral("select kod_paczki, id_paczka from PACZKA where id_firmy=? and id_lata_obrot=?"), scope);
    while (journals.next()) c.m_journals.emplace(utf8(journals.text(0)), journals.int64(1));

    Rows types = db.select(QStringLiteral("select sym_typ_dok_uz, id_typ_dok from TYP_DOK where id_firmy=?"), {idFirmy});
    while (types.next()) c.m_types.emplace(utf8(types.text(0)), types.int64(1));

    Rows currencies = db.select(QStringLiteral("select sym_waluty from WALUTY"));
    while (currencies.next()) c.m_currencies.insert(utf8(currencies.text(0)));

    Rows documents = db.select(QStringLiteral("select nr_ewid_dok from NAG_DOK where id_firmy=? and id_lata_obrot=?"), scope);
    while (documents.next()) c.m_documents.insert(utf8(documents.text(0)));
    return c;
}

AccountKind LedgerCatalog::account(const std::string& nrKonta) const {
    auto it = m_accounts.find(nrKonta);
    if (it == m_accounts.end()) return AccountKind::Missing;
    return it->second ? AccountKind::Posting : AccountKind::Parent;
}

std::optional<int64_t> LedgerCatalog::journal(const std::string& kod) const {
    auto it = m_journals.find(kod);
    if (it == m_journals.end()) return std::nullopt;
    return it->second;
}

std::optional<int64_t> LedgerCatalog::documentType(const std::string& symbol) const {
    auto it = m_types.find(symbol);
    if (it == m_types.end()) return std::nullopt;
    return it->second;
}

} // namespace ksiega::db::import
