#include "openingbalance/cards/CardWindowController.h"
#include "openingbalance/cards/CardLineRemoval.h"
#include "platform/runtime/Picture.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/siblings/pickers/CardPickers.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"

namespace ksiega::openingbalance {

namespace {
const Picture kAmount("@N-19_`2");
} // namespace

CardWindowController::CardWindowController(db::Database& db, const SessionContext& session, LineRequest request,
                                           LineEditors& editors)
    : m_db(db), m_session(session), m_request(std::move(request)), m_editors(editors) {}

QString CardWindowController::header() const { return QStringLiteral("Analityka konta: ") + m_request.account; }

QStringList CardWindowController::cells(size_t row) const {
    const CardLine& l = m_lines.at(row);
    return {l.account,
            l.name,
            kAmount.format(l.kwotaWn).trimmed(),
            kAmount.format(l.kwotaWnW).trimmed(),
            kAmount.format(l.kwotaMa).trimmed(),
            kAmount.format(l.kwotaMaW).trimmed()};
}

void CardWindowController::load() {
    m_lines = readCardLines(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_request.idNagDok,
                            m_request.account);
    sortCardLines(m_lines, m_sortColumn, m_descending);
}

void CardWindowController::sortBy(CardSortColumn column) {
    m_sortColumn = column;
    sortCardLines(m_lines, m_sortColumn, m_descending);
}

void CardWindowController::toggleDirection() {
    m_descending = !m_descending;
    sortCardLines(m_lines, m_sortColumn, m_descending);
}

int CardWindowController::rowOf(const QString& account) const {
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].account == account) return int(i);
    return m_lines.empty() ? -1 : 0;
}

std::optional<CardWindowController::Register> CardWindowController::readRegister() const {
    db::Rows r = m_db.select("select rodzaj, filtr_kartoteka from KARTOTEKA_UZYTKOWNIKA where id_firmy=? and symbol_kartoteki=?",
                             {m_session.DANE_ID_FIRMY, m_request.cardSymbol.trimmed()});
    if (!r.next() || r.text(0).trimmed().isEmpty()) return std::nullopt;
    return Register{r.text(0).trimmed().toUpper().at(0), r.text(1)};
}

QString CardWindowController::subAccountOf(QChar kind, int64_t idKartoteki) const {
    const QString& a = m_request.account;
    // A leaf first: the account that takes postings when a card has more than one.
    return m_db
        .scalarText("select nr_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and id_kartoteki=? "
                    "and rodzaj_kartoteki=? and nr_konta>=? and nr_konta<? order by czy_analityka desc, nr_konta limit 1",
                    {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, idKartoteki, QString(kind),
                     a + QLatin1Char('-'), a + QLatin1Char('.')})
        .value_or(QString());
}

uint8_t CardWindowController::editAmounts(const QString& account, QWidget* parent) {
    LineRequest sub;
    sub.idNagDok = m_request.idNagDok;
    sub.account = account;
    sub.currency = m_request.currency;
    sub.settlementsOnly = m_request.settlementsOnly;
    const uint8_t saved = m_editors.editAmounts(m_db, m_session, sub, parent);
    if (saved == 1) m_result = 1;
    return saved;
}

int CardWindowController::add(QWidget* parent) {
    if (!editingEnabled()) return -1;
    const std::optional<Register> reg = readRegister();
    if (!reg) {
        MSG_INF(QStringLiteral("Nie znaleziono kartoteki ") + m_request.cardSymbol.trimmed() + QStringLiteral(" konta ") +
                m_request.account + QLatin1Char('.'));
        return -1;
    }
    const pickers::PickerContext context{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE,
                                         m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.DANE_DATA_BIEZACA};
    const pickers::CardChoice card = pickers::cardPickers().pickCard(context, reg->kind, m_request.cardSymbol.trimmed(),
                                                                     reg->filter, QStringLiteral("0"), QStringLiteral("2"));
    if (card.id == 0) return -1;
    const QString account = subAccountOf(reg->kind, card.id);
    if (account.isEmpty()) {
        // The chart of accounts, not this window, opens accounts for cards.
        MSG_INF(QStringLiteral("Wybrana pozycja kartoteki (") + card.symbol +
                QStringLiteral(") nie ma konta analitycznego w planie kont pod kontem ") + m_request.account +
                QStringLiteral(".|Dodaj konto w planie kont i spróbuj ponownie."));
        return -1;
    }
    editAmounts(account, parent);
    load();
    return rowOf(account);
}

int CardWindowController::correct(int row, QWidget* parent) {
    if (row < 0 || size_t(row) >= m_lines.size()) return -1;
    const QString account = m_lines[size_t(row)].account;
    editAmounts(account, parent);
    load();
    return rowOf(account);
}

int CardWindowController::remove(int row, QWidget* parent) {
    if (!editingEnabled() || row < 0 || size_t(row) >= m_lines.size()) return -1;
    if (ui::dialogs().question(QStringLiteral("Czy chcesz usunąć wybraną pozycję?"), ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1)
        return row;
    const QString account = m_lines[size_t(row)].account;
    if (!removeCardLine(m_db, m_session, {m_request.idNagDok, account, m_request.currency})) return row;
    m_result = 1;
    load();
    documents::documentsLibrary().DOKUMENTY_RK_DEL({m_db, m_session.DANE_ID_UZYT, parent}, QStringLiteral("U"));
    if (m_lines.empty()) return -1;
    return std::min(row, int(m_lines.size()) - 1);
}

} // namespace ksiega::openingbalance
