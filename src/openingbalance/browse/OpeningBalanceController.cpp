#include "openingbalance/browse/OpeningBalanceController.h"
#include "entries/print/LedgerListingStart.h"
#include "ksiega/ksiega.h"
#include "openingbalance/browse/OpeningBalanceData.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "openingbalance/LineClaims.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/siblings/vat/VatLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QHash>
#include <algorithm>
#include <functional>

namespace ksiega::openingbalance {

const QString OpeningBalanceController::SECTION = QStringLiteral("Bilans_otwarcia");

namespace {
const QString PLN = QStringLiteral("PLN");
} // namespace

OpeningBalanceController::OpeningBalanceController(db::Database& db, SessionContext& session, LineEditors& editors)
    : m_db(db), m_session(session), m_editors(editors) {
    filterWindow = [] { return FILTR_BO(); };
}

void OpeningBalanceController::open() {
    m_currency = PLN;
    readYearFlags();
    readOption224();
    load();
}

void OpeningBalanceController::readYearFlags() {
    const bool earlierYear = server::hasEarlierYear(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_POCZATEK_ROKU);
    const bool approvedYear =
        m_db.scalarInt(QStringLiteral("select zamkniete_bo from LATA_OBROTOWE where id_firmy=? and id_lata_obrot=?"),
                       {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE})
            .value_or(0) == 1;
    // A later year takes its opening balance from the closing of the year before: entry
    // is blocked. The first year is blocked only once approved.
    m_entryBlocked = earlierYear || approvedYear;
    m_approved = approvedYear;
}

void OpeningBalanceController::readOption224() {
    const std::optional<QString> value =
        m_db.scalarText(QStringLiteral("select nazwa_wartosci from OPCJE_SYSTEMOWE where id_firmy=? and id_lata_obrot=? "
                                       "and id_opcje=224"),
                        {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE});
    m_transactionMarks = !value || value->trimmed().toUpper() == QLatin1String("TAK");
}

entries::AccountFilterSettings OpeningBalanceController::effectiveFilter() const {
    entries::AccountFilterSettings filter = entries::accountFilter();
    if (m_currency != PLN) filter.WALUTOWE = 1;
    return filter;
}

void OpeningBalanceController::load() {
    ui::BusyCursor busy;
    const QString keep = currentAccount();
    const int start = m_session.DANE_POCZATEK_ROKU;
    m_openingDate = date::fromYmd(date::year(start), date::month(start), 1);

    std::vector<AccountRow> chart = readChart(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, effectiveFilter());
    m_idNagDok = 0;
    try {
        m_idNagDok = server::PRZYGOTUJ_DOKUMENT_BO(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE,
                                                   m_session.DANE_ID_UZYT, m_openingDate, m_openingDate, m_currency);
    } catch (const std::exception&) {
        m_idNagDok = 0;
    }
    if (m_idNagDok == 0) {
        m_rows = AccountRows();
        m_order.clear();
        m_totals = totalLines({});
        m_current = -1;
        ui::dialogs().warning(BLAD_ODCZYTU_BO);
        return;
    }

    m_rows = AccountRows(std::move(chart));
    const bool aggregated = m_aggregate && m_currency == PLN;
    m_rows.addDebits(openingAmounts(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_idNagDok, aggregated, Side::Dt));
    m_rows.addCredits(openingAmounts(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_idNagDok, aggregated, Side::Ct));
    m_rows.computeBalances();
    m_totals = totalLines(m_rows.rows());
    applySort();
    m_current = -1;
    if (!keep.isEmpty()) selectAccount(keep);
    if (m_current < 0 && !m_order.empty()) m_current = visibleRows().front();
}

void OpeningBalanceController::setCurrency(const QString& symbol) {
    const QString s = symbol.trimmed().toUpper();
    m_currency = s.isEmpty() ? PLN : s;
    load();
}

void OpeningBalanceController::setAggregate(bool on) {
    m_aggregate = on;
    load();
}

std::vector<std::pair<QString, QString>> OpeningBalanceController::currencies() {
    std::vector<std::pair<QString, QString>> out;
    db::Rows rows = m_db.select(QStringLiteral("select sym_waluty, nazwa, nazwa_waluty from WALUTY order by sym_waluty"));
    while (rows.next()) {
        const QString name = rows.text(1).trimmed();
        out.emplace_back(rows.text(0).trimmed(), name.isEmpty() ? rows.text(2).trimmed() : name);
    }
    return out;
}

// ---- order, folding, search -------------------------------------------------------------

bool OpeningBalanceController::lessByKey(const AccountRow& a, const AccountRow& b) const {
    auto byAmount = [&](Money x, Money y) {
        if (x != y) return x < y;
        return accountBefore(a.account, b.account);
    };
    switch (m_sortKey) {
    case SortKey::Number: return accountBefore(a.account, b.account);
    case SortKey::Name:
        if (a.name != b.name) return a.name.localeAwareCompare(b.name) < 0;
        return accountBefore(a.account, b.account);
    case SortKey::KwotaDt: return byAmount(a.kwotaDt, b.kwotaDt);
    case SortKey::KwotaCt: return byAmount(a.kwotaCt, b.kwotaCt);
    case SortKey::KwotaDtW: return byAmount(a.kwotaDtW, b.kwotaDtW);
    case SortKey::KwotaCtW: return byAmount(a.kwotaCtW, b.kwotaCtW);
    }
    return false;
}

void OpeningBalanceController::applySort() {
    // Siblings are sorted by the key; every row stays below its parent.
    const std::vector<AccountRow>& rows = m_rows.rows();
    QHash<QString, std::vector<int>> children;
    for (int i = 0; i < int(rows.size()); ++i) {
        QString parent = parentAccount(rows[size_t(i)].account);
        while (!parent.isEmpty() && m_rows.indexOf(parent) < 0) parent = parentAccount(parent);
        children[parent].push_back(i);
    }
    auto less = [&](int a, int b) {
        return m_descending ? lessByKey(rows[size_t(b)], rows[size_t(a)]) : lessByKey(rows[size_t(a)], rows[size_t(b)]);
    };
    m_order.clear();
    m_order.reserve(rows.size());
    std::function<void(const QString&)> walk = [&](const QString& parent) {
        auto found = children.find(parent);
        if (found == children.end()) return;
        std::vector<int> kids = *found;
        std::stable_sort(kids.begin(), kids.end(), less);
        for (int k : kids) {
            m_order.push_back(k);
            if (rows[size_t(k)].hasChildren) walk(rows[size_t(k)].account);
        }
    };
    walk(QString());
}

std::vector<int> OpeningBalanceController::visibleRows() const {
    std::vector<int> out;
    out.reserve(m_order.size());
    const std::vector<AccountRow>& rows = m_rows.rows();
    QString hiddenBelow;   // the folded node whose subtree is being skipped
    for (int i : m_order) {
        const QString& account = rows[size_t(i)].account;
        if (!hiddenBelow.isEmpty()) {
            if (account.startsWith(hiddenBelow + QChar('-'))) continue;
            hiddenBelow.clear();
        }
        out.push_back(i);
        if (m_folded.contains(account) && rows[size_t(i)].hasChildren) hiddenBelow = account;
    }
    return out;
}

int OpeningBalanceController::displayLevel(int row) const {
    const AccountRow& r = m_rows.rows().at(size_t(row));
    return folded(row) ? -r.level : r.level;
}

bool OpeningBalanceController::folded(int row) const {
    const AccountRow& r = m_rows.rows().at(size_t(row));
    return r.hasChildren && m_folded.contains(r.account);
}

void OpeningBalanceController::setCurrent(int row) {
    m_current = (row >= 0 && row < int(m_rows.rows().size())) ? row : -1;
}

QString OpeningBalanceController::currentAccount() const {
    return m_current >= 0 && m_current < int(m_rows.rows().size()) ? m_rows.rows()[size_t(m_current)].account : QString();
}

bool OpeningBalanceController::selectAccount(const QString& account) {
    const int at = m_rows.indexOf(account.trimmed());
    if (at < 0) return false;
    for (QString up = parentAccount(account.trimmed()); !up.isEmpty(); up = parentAccount(up)) m_folded.remove(up);
    m_current = at;
    return true;
}

void OpeningBalanceController::sortBy(SortKey key) {
    m_sortKey = key;
    applySort();
}

void OpeningBalanceController::toggleDirection() {
    m_descending = !m_descending;
    applySort();
}

QString OpeningBalanceController::sortOrder() const {
    const QChar sign = m_descending ? QChar('-') : QChar('+');
    auto withNumber = [&](const char* key) { return sign + QString::fromLatin1(key) + QChar(',') + sign + QStringLiteral("num"); };
    switch (m_sortKey) {
    case SortKey::Number: return sign + QStringLiteral("num");
    case SortKey::Name: return sign + QStringLiteral("naz");
    case SortKey::KwotaDt: return withNumber("kw_wn");
    case SortKey::KwotaCt: return withNumber("kw_ma");
    case SortKey::KwotaDtW: return withNumber("kw_wn_w");
    case SortKey::KwotaCtW: return withNumber("kw_ma_w");
    }
    return QString();
}

void OpeningBalanceController::collapseAll() {
    for (const AccountRow& r : m_rows.rows())
        if (r.hasChildren) m_folded.insert(r.account);
    // The current row moves up to its synthetic account when it was folded away.
    const QString account = currentAccount();
    if (!account.isEmpty()) m_current = m_rows.indexOf(account.section(QChar('-'), 0, 0));
}

void OpeningBalanceController::expandAll() { m_folded.clear(); }

void OpeningBalanceController::toggleNode(int row) {
    if (row < 0 || row >= int(m_rows.rows().size()) || !m_rows.rows()[size_t(row)].hasChildren) return;
    const QString& account = m_rows.rows()[size_t(row)].account;
    if (m_folded.contains(account)) m_folded.remove(account);
    else m_folded.insert(account);
}

bool OpeningBalanceController::search(const QString& text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return false;
    for (int i : m_order)
        if (m_rows.rows()[size_t(i)].account.startsWith(wanted)) return selectAccount(m_rows.rows()[size_t(i)].account);
    return false;
}

// ---- buttons ----------------------------------------------------------------------------

bool OpeningBalanceController::correctEnabled() const {
    if (m_current < 0 || m_rows.empty()) return false;
    const AccountRow& r = m_rows.rows()[size_t(m_current)];
    if (m_aggregate || !r.editable) return false;
    // Entry blocked, or another window holds the settlements: the card window only, for
    // its settlements.
    if (m_entryBlocked || m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW == 1) return !r.cardSymbol.isEmpty();
    return true;
}

bool OpeningBalanceController::vatEnabled() const { return !m_approved && m_currency == PLN && !m_entryBlocked; }

QString OpeningBalanceController::filterIcon() const { return entries::filterIndicatorIcon(effectiveFilter()); }

void OpeningBalanceController::runFilter() {
    if (!filterWindow || filterWindow() != 1) return;
    load();
}

void OpeningBalanceController::correct() {
    if (!correctEnabled()) return;
    const AccountRow& r = m_rows.rows()[size_t(m_current)];
    LineRequest request;
    request.idNagDok = m_idNagDok;
    request.account = r.account;
    request.currency = m_currency;
    request.cardSymbol = r.cardSymbol;
    request.settlementsOnly = m_entryBlocked || m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW == 1;
    const uint8_t saved = r.cardSymbol.isEmpty() ? m_editors.editAmounts(m_db, m_session, request, parentWindow)
                                                 : m_editors.editCard(m_db, m_session, request, parentWindow);
    if (saved == 1) load();   // keeps the current account
}

void OpeningBalanceController::openVat() {
    if (!vatEnabled()) return;
    vat::vatLibrary().REJESTR_BO(m_db, m_idNagDok, m_approved, parentWindow);
}

void OpeningBalanceController::print() {
    m_session.DANE_NAGLOWEK_WYDRUKU = BO_CAPTION;
    if (!entries::askPrintRange(m_session, parentWindow) || m_session.DANE_ZAKRES_PRN != 0) return;
    std::vector<ledgerprint::HandedRow> handed;
    handed.reserve(m_order.size());
    for (int i : m_order) {
        const AccountRow& r = m_rows.rows()[size_t(i)];
        handed.push_back({r.account, r.name, r.level, r.saldoDt, r.saldoCt, r.kwotaDt, r.kwotaCt, r.saldoDtW, r.saldoCtW,
                          r.kwotaDtW, r.kwotaCtW});
    }
    m_session.DANE_KOLEJKA_VAX = std::move(handed);
    const QString params = QStringLiteral("63,%1,1,1,0,%2,1").arg(m_session.DANE_ZAKRES_PRN).arg(m_currency);
    const QString filter = QStringLiteral("OBR:ID_LATA_OBROT=%1 AND %2 AND OBR:DATA_OKRESU=%3")
                               .arg(m_session.DANE_LATA_OBROTOWE)
                               .arg(fieldEquals(QStringLiteral("OBR:SYM_WALUTY"), m_currency))
                               .arg(m_openingDate);
    ledgerprint::ListingJob job = entries::sessionListingJob(m_session, params, filter, m_session.DANE_NAGLOWEK_WYDRUKU);
    job.currency = m_currency;
    entries::startLedgerListing(std::move(job));
}

void OpeningBalanceController::serviceFunction() {
    if (!m_entryBlocked) return;
    if (m_approved) {
        ui::dialogs().information(APPROVED_TEXT, TITLE_FUNKCJA_SERWISOWA);
        return;
    }
    if (ui::dialogs().question(PYTANIE_ODBLOKUJ, ui::BUTTONS_TAK_NIE, 2, TITLE_FUNKCJA_SERWISOWA) == 1) m_entryBlocked = false;
}

// ---- Podsumowanie ------------------------------------------------------------------------

void OpeningBalanceController::refreshSummary() {
    ui::BusyCursor busy;
    const int64_t company = m_session.DANE_ID_FIRMY, year = m_session.DANE_LATA_OBROTOWE;
    m_summary.clear();
    // One pass over the year's opening lines answers what POZYCJE_BO_SUMUJ answers per
    // currency (mode 1), for the year (mode 2) and for its off-balance accounts (mode 3).
    const server::OpeningBalanceSummarySums sums = server::openingBalanceSummary(m_db, company, year);
    for (const auto& [symbol, name] : currencies()) {
        const auto found = sums.byCurrency.find(CurrencyCode::of(symbol).entrySymbol());
        const server::OpeningSums s = found == sums.byCurrency.end() ? server::OpeningSums() : found->second;
        m_summary.push_back({symbol, name, s.first, s.second, s.third, s.fourth});
    }
    const server::OpeningSums& all = sums.all;
    const server::OpeningSums& offBalance = sums.offBalance;
    m_summaryTotals.withOffBalanceDt = all.first;
    m_summaryTotals.withOffBalanceCt = all.third;
    m_summaryTotals.withoutOffBalanceDt = all.first - offBalance.first;
    m_summaryTotals.withoutOffBalanceCt = all.third - offBalance.third;
}

} // namespace ksiega::openingbalance
