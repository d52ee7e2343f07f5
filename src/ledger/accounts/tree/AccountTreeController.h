#pragma once
// The account list of the ledger browse (LIST2): the synthetic accounts of the company's
// fiscal year that pass the account filter, each with its analytic accounts below it
// (WARTOSCI_KONT, parent by nr_konta_nadrz). Card accounts of the registers (contractors,
// employees, offices: rows with rodzaj_kartoteki) are not read into the tree, there may
// be thousands of them; their parent is a register account, and the person asks for its
// cards with posted turnovers on demand ("Pokaż konta kartotekowe").
//
// A node shows its number, or its number, two blanks and its name when names are shown.
// Names come from TG_GetNazwaKonta, asked once per account and kept.
#include "frame/SessionContext.h"
#include "entries/accountfilter/AccountFilterSettings.h"
#include "platform/db/Database.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/ui/tree/AccountTreeModel.h"
#include <QHash>
#include <optional>
#include <vector>

namespace ksiega::ledger {

// What choosing a node makes current: the account and whether it is matched exactly (1)
// or with every account beginning with it (0).
struct ChosenAccount {
    QString account;
    bool wholeAccount = false;
};

class AccountTreeController {
public:
    AccountTreeController(db::Database& db, const SessionContext& session,
                          const entries::AccountFilterSettings& filter = entries::accountFilter());

    // Reads the tree again (at opening and after the account filter was applied).
    void rebuild();
    ui::AccountTreeModel& model() { return m_model; }

    bool namesShown() const { return m_showNames; }
    void setNamesShown(bool on);
    void toggleNames() { setNamesShown(!m_showNames); }

    // The account's name (TG_GetNazwaKonta), asked once.
    QString nameOf(const QString& account);
    // "201-01" or "201-01  Odbiorcy krajowi" when names are shown.
    QString displayText(const QString& account);

    bool contains(const QString& account) const { return m_index.contains(account); }
    bool hasChildren(const QString& account) const;
    // An account whose analytic accounts are cards of a register.
    bool isRegisterAccount(const QString& account) const;
    // The choice a click on the node makes: a branch shows every account below it, a leaf
    // itself exactly.
    ChosenAccount choiceFor(const QString& account) const;

    // The register's card accounts that have turnovers in the year (OBROTY_I_SALDA),
    // added below the register account as leaves; the first becomes the choice.
    // Asks "Czy chcesz przeglądać konta kartotekowe ?" first; nullopt on "Nie", or after
    // "Brak zapisów na koncie kartotekowym." when no card has turnovers.
    std::optional<ChosenAccount> showRegisterAccounts(const QString& registerAccount);

    // ?STRSZUKAJ: the first account (depth first) beginning with the text; "" when none.
    QString search(const QString& text) const;
    // Accounts in display order (depth first), for tests and the command line.
    QStringList accounts() const;

    const QString& lastError() const { return m_lastError; }

private:
    struct Entry {
        QString account;
        QString parent;              // "" for a synthetic account
        ui::AccountNodeKind typeKind = ui::AccountNodeKind::Balance;
        bool registerAccount = false;
        bool card = false;           // a register's card shown on demand
    };
    void publish();
    void addNode(ui::AccountNode* parent, const Entry& e);

    db::Database& m_db;
    db::PassThrough m_pt;
    const SessionContext& m_session;
    const entries::AccountFilterSettings& m_filter;
    ui::AccountTreeModel m_model;
    std::vector<Entry> m_entries;                      // display order, parents first
    QHash<QString, int> m_index;                       // account -> entry
    QHash<QString, std::vector<int>> m_children;       // account -> entries below it
    QHash<QString, QString> m_names;                   // asked names
    bool m_showNames = false;
    QString m_lastError;
};

// Kind of a synthetic account's node by its type code: 'B', 'W', 'P'; other codes are
// shown as balance accounts.
ui::AccountNodeKind kindOfType(const QString& typKonta);

} // namespace ksiega::ledger
