#include "platform/db/import/LedgerCatalog.h"

namespace ksiega::db::import {

namespace {
std::string utf8(const QString& s) { return s.toStdString(); }
} // namespace

std::optional<int64_t> YearKeys::find(Database& db, const Params& scope, const std::string& key) {
    if (auto it = m_known.find(key); it != m_known.end()) return it->second;
    if (m_whole) return std::nullopt;
    if (m_probes >= m_probeLimit) {
        m_known.clear();
        Rows all = db.select(m_allSql, scope);
        while (all.next()) m_known.emplace(utf8(all.text(0)), all.int64(1));
        m_whole = true;
        auto it = m_known.find(key);
        return it == m_known.end() ? std::nullopt : it->second;
    }
    ++m_probes;
    Params params = scope;
    params.push_back(QString::fromStdString(key));
    Rows probe = db.select(m_probeSql, params);
    std::optional<int64_t> value;
    if (probe.next()) value = probe.int64(0);
    while (probe.next()) {}
    m_known.emplace(key, value);
    return value;
}

LedgerCatalog::LedgerCatalog()
    : m_accounts(QStringLiteral("select czy_analityka from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and nr_konta=?"),
                 QStringLiteral("select nr_konta, czy_analityka from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=?"),
                 kProbeLimit),
      // NAG_DOK_FIRMA_ROK_NREWID answers the probe.
      m_documents(QStringLiteral("select 1 from NAG_DOK where id_firmy=? and id_lata_obrot=? and nr_ewid_dok=? limit 1"),
                  QStringLiteral("select nr_ewid_dok, 1 from NAG_DOK where id_firmy=? and id_lata_obrot=?"), kProbeLimit) {}

LedgerCatalog LedgerCatalog::load(Database& db, int64_t idFirmy, int64_t idLataObrot) {
    LedgerCatalog c;
    c.m_db = &db;
    c.m_idFirmy = idFirmy;
    c.m_idLataObrot = idLataObrot;
    const Params scope{idFirmy, idLataObrot};

    Rows year = db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_firmy=? and id_lata_obrot=?"),
                          scope);
    if (!year.next())
        throw DbError(QStringLiteral("company %1 has no fiscal year %2").arg(idFirmy).arg(idLataObrot));
    c.m_yearStart = year.integer(0);
    c.m_yearEnd = year.integer(1);

    Rows synthetic = db.select(QStringLiteral("select nr_konta_syn from KONTA_SYNT where id_firmy=? and id_lata_obrot=?"), scope);
    while (synthetic.next()) c.m_synthetic.insert(synthetic.integer(0));

    Rows journals = db.select(QStringLiteral("select kod_paczki, id_paczka from PACZKA where id_firmy=? and id_lata_obrot=?"), scope);
    while (journals.next()) c.m_journals.emplace(utf8(journals.text(0)), journals.int64(1));

    Rows types = db.select(QStringLiteral("select sym_typ_dok_uz, id_typ_dok from TYP_DOK where id_firmy=?"), {idFirmy});
    while (types.next()) c.m_types.emplace(utf8(types.text(0)), types.int64(1));

    Rows currencies = db.select(QStringLiteral("select sym_waluty from WALUTY"));
    while (currencies.next()) c.m_currencies.insert(utf8(currencies.text(0)));
    return c;
}

AccountKind LedgerCatalog::account(const std::string& nrKonta) const {
    const auto analytic = m_accounts.find(*m_db, {m_idFirmy, m_idLataObrot}, nrKonta);
    if (!analytic) return AccountKind::Missing;
    return *analytic == 1 ? AccountKind::Posting : AccountKind::Parent;
}

bool LedgerCatalog::documentExists(const std::string& nrEwidDok) const {
    return m_documents.find(*m_db, {m_idFirmy, m_idLataObrot}, nrEwidDok).has_value();
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
