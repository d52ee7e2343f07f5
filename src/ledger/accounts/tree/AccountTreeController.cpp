#include "ledger/accounts/tree/AccountTreeController.h"
#include "entries/accountfilter/AccountFilterPredicate.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <algorithm>
#include <functional>

namespace ksiega::ledger {

namespace {
const QString QUESTION_CARDS = QStringLiteral("Czy chcesz przeglądać konta kartotekowe ?");
const QString NO_CARD_ENTRIES = QStringLiteral("Brak zapisów na koncie kartotekowym.");
} // namespace

ui::AccountNodeKind kindOfType(const QString& typKonta) {
    const QString t = typKonta.trimmed().toUpper();
    if (t == QLatin1String("W")) return ui::AccountNodeKind::ProfitAndLoss;
    if (t == QLatin1String("P")) return ui::AccountNodeKind::OffBalance;
    return ui::AccountNodeKind::Balance;
}

AccountTreeController::AccountTreeController(db::Database& db, const SessionContext& session,
                                             const entries::AccountFilterSettings& filter)
    : m_db(db), m_pt(db), m_session(session), m_filter(filter) {}

void AccountTreeController::rebuild() {
    m_entries.clear();
    m_index.clear();
    m_children.clear();
    m_lastError.clear();
    const db::Params scope{m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE};
    QHash<int, QString> syntheticText;   // nr_konta_syn -> its account text, passing ones only

    auto add = [this](Entry e) {
        const int at = int(m_entries.size());
        m_index.insert(e.account, at);
        m_children[e.parent].push_back(at);
        m_entries.push_back(std::move(e));
    };

    db::Rows synt = m_db.select(QStringLiteral("select %1 from KONTA_SYNT where id_firmy=? and id_lata_obrot=? "
                                               "order by nr_konta_syn").arg(entries::SYNTHETIC_ACCOUNT_COLUMNS),
                                scope);
    while (synt.next()) {
        const entries::SyntheticAccount a = entries::syntheticAccountAt(synt);
        if (!entries::passesAccountFilter(m_filter, a, m_session.DANE_CZY_WERSJA_MPK == 1)) continue;
        const QString text = QStringLiteral("%1").arg(a.number, 3, 10, QChar('0'));
        syntheticText.insert(a.number, text);
        add({text, QString(), kindOfType(QString(a.type)), false});
    }

    // Analytic accounts, parents sort before their children ("201-01" < "201-01-003").
    db::Rows analytic = m_db.select(QStringLiteral("select nr_konta, nr_konta_nadrz, nr_konta_syn from WARTOSCI_KONT "
                                                   "where id_firmy=? and id_lata_obrot=? and rodzaj_kartoteki='' "
                                                   "and poziom>0 order by nr_konta"),
                                    scope);
    while (analytic.next()) {
        const QString account = analytic.text(0).trimmed();
        const auto synthetic = syntheticText.constFind(analytic.integer(2));
        if (synthetic == syntheticText.constEnd() || account.isEmpty() || m_index.contains(account)) continue;
        QString parent = analytic.text(1).trimmed();
        if (!m_index.contains(parent)) parent = *synthetic;
        add({account, parent, m_entries[m_index.value(*synthetic)].typeKind, false});
    }

    db::Rows registers = m_db.select(QStringLiteral("select distinct nr_konta_nadrz from WARTOSCI_KONT "
                                                    "where id_firmy=? and id_lata_obrot=? and rodzaj_kartoteki<>''"),
                                     scope);
    while (registers.next()) {
        const auto at = m_index.constFind(registers.text(0).trimmed());
        if (at != m_index.constEnd()) m_entries[size_t(*at)].registerAccount = true;
    }
    publish();
}

void AccountTreeController::addNode(ui::AccountNode* parent, const Entry& e) {
    const auto kids = m_children.constFind(e.account);
    const bool branch = e.registerAccount || (kids != m_children.constEnd() && !kids->empty());
    ui::AccountNode* node = parent->add(displayText(e.account), e.account, branch ? e.typeKind : ui::AccountNodeKind::Leaf);
    if (kids != m_children.constEnd())
        for (int child : *kids) addNode(node, m_entries[size_t(child)]);
}

void AccountTreeController::publish() {
    auto root = std::make_unique<ui::AccountNode>();
    root->text = m_session.DANE_NAZWA_FIRMY.trimmed().isEmpty() ? QStringLiteral("Firma") : m_session.DANE_NAZWA_FIRMY.trimmed();
    root->kind = ui::AccountNodeKind::Company;
    for (int top : m_children.value(QString())) addNode(root.get(), m_entries[size_t(top)]);
    m_model.setRoot(std::move(root));
}

void AccountTreeController::setNamesShown(bool on) {
    if (on == m_showNames) return;
    m_showNames = on;
    publish();
}

QString AccountTreeController::nameOf(const QString& account) {
    const auto known = m_names.constFind(account);
    if (known != m_names.constEnd()) return *known;
    const std::optional<QString> name = m_pt.FUNCVAY(QStringLiteral("select dbo.TG_GetNazwaKonta(?,?,?)"),
                                                     {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, account});
    if (!name && !m_pt.lastError().isEmpty()) {
        m_lastError = m_pt.lastError();   // not kept: asked again next time
        return QString();
    }
    const QString text = name.value_or(QString()).trimmed();
    m_names.insert(account, text);
    return text;
}

QString AccountTreeController::displayText(const QString& account) {
    if (!m_showNames) return account;
    return (account + QStringLiteral("  ") + nameOf(account)).left(250);
}

bool AccountTreeController::hasChildren(const QString& account) const {
    const auto kids = m_children.constFind(account);
    return kids != m_children.constEnd() && !kids->empty();
}

bool AccountTreeController::isRegisterAccount(const QString& account) const {
    const auto at = m_index.constFind(account);
    return at != m_index.constEnd() && m_entries[size_t(*at)].registerAccount;
}

ChosenAccount AccountTreeController::choiceFor(const QString& account) const {
    return {account, !hasChildren(account) && !isRegisterAccount(account)};
}

std::optional<ChosenAccount> AccountTreeController::showRegisterAccounts(const QString& registerAccount) {
    const auto at = m_index.constFind(registerAccount);
    if (at == m_index.constEnd() || !m_entries[size_t(*at)].registerAccount) return std::nullopt;
    if (ui::dialogs().question(QUESTION_CARDS, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) != 1) return std::nullopt;

    // The cards of the register are the accounts below it: the prefix is the account
    // and its separator, so that 201-01 does not take in 201-010.
    const QString prefix = registerAccount + QChar('-');
    db::PassResult rows = m_pt.EXECSQL(QStringLiteral("select 1,nr_konta from OBROTY_I_SALDA where id_firmy=? AND "
                                                      "id_lata_obrot=? AND substr(nr_konta,1,%1)=? group by nr_konta "
                                                      "order by nr_konta")
                                           .arg(prefix.size()),
                                       {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, prefix});
    std::vector<QString> cards;
    while (rows.next()) {
        const QString account = rows.label().trimmed().left(60);
        if (!account.isEmpty()) cards.push_back(account);
    }
    if (rows.failed()) m_lastError = rows.error();

    // Cards shown before are replaced by the current ones.
    std::vector<int>& kids = m_children[registerAccount];
    kids.erase(std::remove_if(kids.begin(), kids.end(), [this](int i) { return m_entries[size_t(i)].card; }),
               kids.end());
    if (cards.empty()) {
        publish();
        ui::dialogs().information(NO_CARD_ENTRIES);
        return std::nullopt;
    }
    const ui::AccountNodeKind kind = m_entries[size_t(*at)].typeKind;
    for (const QString& card : cards) {
        const auto known = m_index.constFind(card);
        if (known != m_index.constEnd()) {
            if (m_entries[size_t(*known)].card) kids.push_back(*known);
            continue;   // an analytic account of the chart is there already
        }
        const int i = int(m_entries.size());
        m_index.insert(card, i);
        kids.push_back(i);
        m_entries.push_back({card, registerAccount, kind, false, true});
    }
    publish();
    return ChosenAccount{cards.front(), true};
}

QString AccountTreeController::search(const QString& text) const {
    const QModelIndex found = m_model.findFirstStartingWith(text.trimmed());
    if (!found.isValid()) return QString();
    const ui::AccountNode* node = m_model.nodeAt(found);
    return node ? node->account : QString();
}

QStringList AccountTreeController::accounts() const {
    QStringList out;
    std::function<void(const QString&)> walk = [&](const QString& parent) {
        for (int i : m_children.value(parent)) {
            out << m_entries[size_t(i)].account;
            walk(m_entries[size_t(i)].account);
        }
    };
    walk(QString());
    return out;
}

} // namespace ksiega::ledger
