#pragma once
// The account list of the opening-balance settlements window (LIST2): the settlement
// accounts of the company's fiscal year (KONTA_SYNT.czy_rozrach = 1) that pass the account
// filter, each with its analytic accounts below it. The card accounts of a register
// account are read on demand: those with turnovers in the opening-balance period.
#include "entries/accountfilter/AccountFilterSettings.h"
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/ui/tree/AccountTreeModel.h"
#include <QHash>
#include <optional>
#include <vector>

namespace ksiega::settlements {

// What the window keeps of the chosen node.
struct SettlementAccount {
    QString account;
    bool lastLevel = false;     // at the last level of analytics (takes postings)
    bool onCards = false;       // a register account: its analytic accounts are cards
    QString cardSymbol;         // the card register (KONTA_SYNT.symbol_kartoteki)
    int importOption = 0;       // the synthetic account's currency property (czy_walutowe)
};

class SettlementAccountTree {
public:
    SettlementAccountTree(db::Database& db, const SessionContext& session,
                          const entries::AccountFilterSettings& filter = entries::accountFilter());

    void rebuild();
    ui::AccountTreeModel& model() { return m_model; }

    bool contains(const QString& account) const { return m_index.contains(account); }
    std::optional<SettlementAccount> node(const QString& account) const;

    // The card accounts below a register account that have turnovers in the
    // opening-balance period, added below it; empty when there are none.
    QStringList showCards(const QString& registerAccount);

    // Accounts in display order (depth first).
    QStringList accounts() const;
    QString search(const QString& text) const;

private:
    struct Entry {
        SettlementAccount data;
        QString parent;
        ui::AccountNodeKind kind = ui::AccountNodeKind::Balance;
        bool card = false;
    };
    void add(Entry e);
    void publish();
    void addNode(ui::AccountNode* parent, const Entry& e);

    db::Database& m_db;
    const SessionContext& m_session;
    const entries::AccountFilterSettings& m_filter;
    ui::AccountTreeModel m_model;
    std::vector<Entry> m_entries;
    QHash<QString, int> m_index;
    QHash<QString, std::vector<int>> m_children;
};

} // namespace ksiega::settlements
