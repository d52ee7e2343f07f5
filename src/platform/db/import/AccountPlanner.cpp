#include "platform/db/import/AccountPlanner.h"
#include "platform/db/import/ImportFormat.h"
#include <algorithm>

namespace ksiega::db::import {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// "202-01-003": segments separated by '-', none empty, the synthetic part all digits.
bool wellFormed(const std::string& nr) {
    if (nr.empty() || nr.front() == '-' || nr.back() == '-' || nr.find("--") != std::string::npos) return false;
    const size_t dash = nr.find('-');
    const std::string synthetic = nr.substr(0, dash);
    return synthetic.size() <= 9 && std::all_of(synthetic.begin(), synthetic.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int levelOf(const std::string& nr) { return int(std::count(nr.begin(), nr.end(), '-')); }

std::string parentOf(const std::string& nr) {
    const size_t dash = nr.rfind('-');
    return dash == std::string::npos ? std::string() : nr.substr(0, dash);
}

} // namespace

std::optional<QString> AccountPlanner::use(const std::string& nr, int line) {
    switch (m_catalog.account(nr)) {
    case AccountKind::Posting: return std::nullopt;
    case AccountKind::Parent:
        return QStringLiteral("account %1 does not take postings (it has analytic accounts)").arg(q(nr));
    case AccountKind::Missing: break;
    }
    if (auto it = m_planned.find(nr); it != m_planned.end() && it->second.posting) return std::nullopt;
    if (!m_create || !wellFormed(nr) || levelOf(nr) == 0) return QStringLiteral("unknown account %1").arg(q(nr));
    const std::string synthetic = nr.substr(0, nr.find('-'));
    if (!m_catalog.hasSyntheticAccount(std::stoi(synthetic)))
        return QStringLiteral("unknown account %1: synthetic account %2 does not exist").arg(q(nr), q(synthetic));

    // Every level above the new account must be (or become) a level without postings.
    std::vector<std::string> missing{nr};
    for (std::string up = parentOf(nr); !up.empty(); up = parentOf(up)) {
        const AccountKind kind = m_catalog.account(up);
        if (kind == AccountKind::Posting)
            return QStringLiteral("cannot create account %1: account %2 takes postings").arg(q(nr), q(up));
        if (kind == AccountKind::Parent) break;
        missing.push_back(up);
    }
    // Check first, then plan, so that a refused account leaves no half-planned levels.
    for (size_t i = 1; i < missing.size(); ++i) {
        auto it = m_planned.find(missing[i]);
        if (it != m_planned.end() && it->second.posting)
            return QStringLiteral("cannot create account %1: account %2 takes postings (line %3)")
                .arg(q(nr), q(missing[i])).arg(it->second.line);
    }
    if (auto it = m_planned.find(nr); it != m_planned.end())
        return QStringLiteral("account %1 does not take postings (line %2 creates analytic accounts under it)")
            .arg(q(nr)).arg(it->second.line);
    for (size_t i = 0; i < missing.size(); ++i) {
        if (m_planned.count(missing[i])) continue;
        m_planned.emplace(missing[i], Planned{i == 0, line, int(m_planned.size())});
    }
    return std::nullopt;
}

void AccountPlanner::writeAccounts(Database& db) const {
    std::vector<std::pair<const std::string*, const Planned*>> rows;
    for (const auto& [nr, p] : m_planned) rows.emplace_back(&nr, &p);
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        const int la = levelOf(*a.first), lb = levelOf(*b.first);
        return la != lb ? la < lb : a.second->order < b.second->order;
    });
    for (const auto& [nr, p] : rows) {
        db.execute(QStringLiteral("insert into WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, nr_konta_syn, "
                                  "poziom, nr_konta_nadrz, czy_analityka) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                   {m_catalog.idFirmy(), m_catalog.idLataObrot(), q(*nr), QString::fromUtf8(kCreatedAccountName),
                    std::stoi(nr->substr(0, nr->find('-'))), levelOf(*nr), q(parentOf(*nr)), p->posting ? 1 : 0});
    }
}

} // namespace ksiega::db::import
