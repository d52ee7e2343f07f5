#include "settlements/openingimport/SettlementAccountTree.h"
#include "entries/accountfilter/AccountFilterPredicate.h"
#include "platform/runtime/Date.h"
#include <algorithm>
#include <functional>

namespace ksiega::settlements {

namespace {

ui::AccountNodeKind kindOfType(QChar type) {
    if (type == QChar('W')) return ui::AccountNodeKind::ProfitAndLoss;
    if (type == QChar('P')) return ui::AccountNodeKind::OffBalance;
    return ui::AccountNodeKind::Balance;
}

} // namespace

SettlementAccountTree::SettlementAccountTree(db::Database& db, const SessionContext& session,
                                             const entries::AccountFilterSettings& filter)
    : m_db(db), m_session(session), m_filter(filter) {}

void SettlementAccountTree::add(Entry e) {
    const int at = int(m_entries.size());
    m_index.insert(e.data.account, at);
    m_children[e.parent].push_back(at);
    m_entries.push_back(std::move(e));
}

void SettlementAccountTree::rebuild() {
    m_entries.clear();
    m_index.clear();
    m_children.clear();
    const db::Params scope{m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE};
    QHash<int, int> synthetic;   // nr_konta_syn -> entry

    db::Rows synt = m_db.select(QStringLiteral("select %1, symbol_kartoteki from KONTA_SYNT where id_firmy=? and "
                                               "id_lata_obrot=? and czy_rozrach=1 order by nr_konta_syn")
                                    .arg(entries::SYNTHETIC_ACCOUNT_COLUMNS),
                                scope);
    while (synt.next()) {
        const entries::SyntheticAccount a = entries::syntheticAccountAt(synt);
        if (!entries::passesAccountFilter(m_filter, a, m_session.DANE_CZY_WERSJA_MPK == 1)) continue;
        Entry e;
        e.data.account = QStringLiteral("%1").arg(a.number, 3, 10, QChar('0'));
        e.data.cardSymbol = synt.text(6).trimmed();
        e.data.importOption = a.currency ? 1 : 0;
        e.kind = kindOfType(a.type);
        synthetic.insert(a.number, int(m_entries.size()));
        add(std::move(e));
    }

    // Every account number of those synthetic accounts but the register's cards; parents
    // sort before their children ("201-01" < "201-01-003").
    db::Rows rows = m_db.select(QStringLiteral("select nr_konta, nr_konta_nadrz, nr_konta_syn, czy_analityka, poziom from "
                                               "WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and rodzaj_kartoteki='' "
                                               "order by nr_konta"),
                                scope);
    while (rows.next()) {
        const auto syn = synthetic.constFind(rows.integer(2));
        if (syn == synthetic.constEnd()) continue;
        const QString account = rows.text(0).trimmed();
        const bool leaf = rows.integer(3) == 1;
        if (rows.integer(4) == 0) {   // the synthetic account itself
            m_entries[size_t(*syn)].data.lastLevel = leaf;
            continue;
        }
        if (account.isEmpty() || m_index.contains(account)) continue;
        const Entry& top = m_entries[size_t(*syn)];
        Entry e;
        e.data = {account, leaf, false, top.data.cardSymbol, top.data.importOption};
        e.parent = rows.text(1).trimmed();
        if (!m_index.contains(e.parent)) e.parent = top.data.account;
        e.kind = top.kind;
        add(std::move(e));
    }

    db::Rows registers = m_db.select(QStringLiteral("select distinct nr_konta_nadrz from WARTOSCI_KONT "
                                                    "where id_firmy=? and id_lata_obrot=? and rodzaj_kartoteki<>''"),
                                     scope);
    while (registers.next()) {
        const auto at = m_index.constFind(registers.text(0).trimmed());
        if (at != m_index.constEnd()) m_entries[size_t(*at)].data.onCards = true;
    }
    publish();
}

void SettlementAccountTree::addNode(ui::AccountNode* parent, const Entry& e) {
    const auto kids = m_children.constFind(e.data.account);
    const bool branch = e.data.onCards || (kids != m_children.constEnd() && !kids->empty());
    ui::AccountNode* node = parent->add(e.data.account, e.data.account, branch ? e.kind : ui::AccountNodeKind::Leaf);
    if (kids != m_children.constEnd())
        for (int child : *kids) addNode(node, m_entries[size_t(child)]);
}

void SettlementAccountTree::publish() {
    auto root = std::make_unique<ui::AccountNode>();
    root->text = m_session.DANE_NAZWA_FIRMY.trimmed().isEmpty() ? QStringLiteral("Firma") : m_session.DANE_NAZWA_FIRMY.trimmed();
    root->kind = ui::AccountNodeKind::Company;
    for (int top : m_children.value(QString())) addNode(root.get(), m_entries[size_t(top)]);
    m_model.setRoot(std::move(root));
}

std::optional<SettlementAccount> SettlementAccountTree::node(const QString& account) const {
    const auto at = m_index.constFind(account);
    if (at == m_index.constEnd()) return std::nullopt;
    return m_entries[size_t(*at)].data;
}

QStringList SettlementAccountTree::showCards(const QString& registerAccount) {
    const auto at = m_index.constFind(registerAccount);
    if (at == m_index.constEnd()) return {};
    // The opening-balance period: day 1 of the month in which the year begins. The cards
    // are the accounts below the register account and its separator.
    const int start = m_session.DANE_POCZATEK_ROKU;
    const int period = date::fromYmd(date::year(start), date::month(start), 1);
    const QString prefix = registerAccount + QChar('-');
    db::Rows rows = m_db.select(QStringLiteral("select nr_konta from OBROTY_I_SALDA where id_firmy=? AND id_lata_obrot=? AND "
                                               "data_okresu=? AND substr(nr_konta,1,%1)=? group by nr_konta order by nr_konta")
                                    .arg(prefix.size()),
                                {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, period, prefix});
    QStringList cards;
    while (rows.next()) {
        const QString card = rows.text(0).trimmed();
        if (!card.isEmpty()) cards << card;
    }
    std::vector<int>& kids = m_children[registerAccount];
    kids.erase(std::remove_if(kids.begin(), kids.end(), [this](int i) { return m_entries[size_t(i)].card; }), kids.end());
    const Entry parent = m_entries[size_t(*at)];
    for (const QString& card : cards) {
        const auto known = m_index.constFind(card);
        if (known != m_index.constEnd()) {
            if (m_entries[size_t(*known)].card) kids.push_back(*known);
            continue;
        }
        Entry e;
        e.data = {card, true, false, parent.data.cardSymbol, parent.data.importOption};
        e.parent = registerAccount;
        e.kind = parent.kind;
        e.card = true;
        const int i = int(m_entries.size());
        m_index.insert(card, i);
        kids.push_back(i);
        m_entries.push_back(std::move(e));
    }
    publish();
    return cards;
}

QStringList SettlementAccountTree::accounts() const {
    QStringList out;
    std::function<void(const QString&)> walk = [&](const QString& parent) {
        for (int i : m_children.value(parent)) {
            out << m_entries[size_t(i)].data.account;
            walk(m_entries[size_t(i)].data.account);
        }
    };
    walk(QString());
    return out;
}

QString SettlementAccountTree::search(const QString& text) const {
    const QModelIndex found = m_model.findFirstStartingWith(text.trimmed());
    if (!found.isValid()) return QString();
    const ui::AccountNode* node = m_model.nodeAt(found);
    return node ? node->account : QString();
}

} // namespace ksiega::settlements
