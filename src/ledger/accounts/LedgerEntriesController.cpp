#include "ledger/accounts/LedgerEntriesController.h"
#include "ledger/accounts/EntriesListModel.h"
#include "ledger/accounts/EntryListColumns.h"
#include "ledger/accounts/EntryMarks.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::ledger {

namespace {

// A filter that could not be read lists nothing rather than everything.
const QString kNothing = QStringLiteral("1=0");

} // namespace

LedgerEntriesController::LedgerEntriesController(db::Database& db, const SessionContext& session)
    : m_db(db), m_session(session), m_viewName(entryViewName(session.DANE_CZY_WERSJA_BUDZET != 0)),
      m_currency(session.activeCurrency()), m_summary(db), m_periods(db) {
    m_markColumn = std::make_unique<ControllerMarks<LedgerEntriesController>>(*this);
    ui::ListQuery q;
    q.source = m_viewName;
    q.columns = entryListColumns();
    q.idColumn = QString::fromLatin1(kEntryIdColumn);
    q.sort = entrySortOrder(m_sortNumber);
    q.ranges = {{QStringLiteral("id_firmy"), session.DANE_ID_FIRMY}};
    // Nothing is listed until the first rebuild names the account.
    q.filter = {kNothing, {}};
    m_model = std::make_unique<EntriesListModel>(db, std::move(q), twoCalendarYears());
    m_model->setMarks(m_markColumn.get());
}

LedgerEntriesController::~LedgerEntriesController() = default;

bool LedgerEntriesController::twoCalendarYears() const {
    return m_session.DANE_POCZATEK_ROKU && m_session.DANE_KONIEC_ROKU &&
           date::year(m_session.DANE_POCZATEK_ROKU) != date::year(m_session.DANE_KONIEC_ROKU);
}

ui::PagedListModel& LedgerEntriesController::entries() { return *m_model; }

// ---- state ----

void LedgerEntriesController::setAccount(const QString& account, bool whole) {
    m_account = account.trimmed();
    m_whole = whole;
}

void LedgerEntriesController::setCurrency(const QString& currency) {
    m_currency = isHomeCurrency(currency) ? QStringLiteral("PLN") : currency.trimmed();
}

void LedgerEntriesController::setQuickFilter(bool on, const QString& text) {
    m_quickOn = on;
    m_quickFilter = text;
}

void LedgerEntriesController::setSavedFilter(const QString& name, const QString& expression) {
    m_savedName = name;
    m_savedExpression = expression;
}

marks::StoreOutcome LedgerEntriesController::setShowMarked(bool on, const marks::StoreProgress& progress) {
    if (!on || m_showMarked) {
        m_showMarked = on;
        return {};
    }
    const marks::StoreOutcome out = storeMarks(progress);
    if (out.ok) m_showMarked = true;
    return out;
}

void LedgerEntriesController::setViewMode(int mode) { m_viewMode = mode == 1 ? 1 : 0; }

// ---- the filter ----

QString LedgerEntriesController::rebuild(bool keepMarks) {
    m_warning.clear();
    m_filterError.clear();
    if (!keepMarks) m_marks.unmarkAll();
    m_summary.invalidate(keepMarks);

    if (m_viewMode == 1) {
        m_periods.rebuild({m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_POCZATEK_ROKU,
                           m_session.DANE_KONIEC_ROKU, m_currency, m_account, m_whole, m_session.customerVariant});
        m_model->marksChanged();
        return m_warning;
    }

    EntriesFilterInput in;
    in.account = m_account;
    in.wholeAccount = m_whole;
    in.currency = m_currency;
    in.customerVariant = m_session.customerVariant;
    in.savedFilter = m_savedExpression;
    in.showMarked = m_showMarked;
    in.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    in.quickFilterOn = m_quickOn;
    in.quickFilter = m_quickFilter;
    in.viewName = m_viewName;
    m_filter = buildEntriesFilter(in);
    if (m_filter.tooLong) m_warning = QString::fromUtf8(kFilterTooLongText);

    const FilterTranslation t = translateFilter(m_filter.filter);
    if (!t.ok()) m_filterError = t.error;
    m_currentRow = -1;
    m_model->setFilter({t.ok() ? t.where : kNothing, {}});
    if (m_summaryShown) computeTotals();
    return m_warning;
}

// ---- rows ----

EntryRowValues LedgerEntriesController::rowValues(int row) const {
    auto money = [&](const char* column) { return Money::fromMinor(m_model->valueAt(row, QString::fromLatin1(column)).toInt64()); };
    return {money("kwota_wn"), money("kwota_ma"), money("kwota_wn_w"), money("kwota_ma_w"), m_model->periodLabel(row)};
}

std::optional<CurrentEntry> LedgerEntriesController::entryAt(int row) const {
    if (row < 0 || row >= m_model->heldRows()) return std::nullopt;
    const int64_t id = m_model->idAt(row);
    // A view row is one side of a line: id_dokument_pozycja = 2 * id_poz_dok + strona.
    auto rows = m_db.select(QStringLiteral("select id_poz_dok, id_nag_dok, strona, data_okresu from %1 "
                                           "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                .arg(m_viewName),
                            {m_session.DANE_ID_FIRMY, id / 2, id});
    if (!rows.next()) return std::nullopt;
    return CurrentEntry{rows.int64(0), rows.int64(1), rows.integer(2), rows.integer(3), id};
}

// ---- sort ----

void LedgerEntriesController::setSortOrder(int number) {
    m_sortNumber = (number >= 1 && number <= kEntrySortOrders) ? number : 1;
    applySort();
}

void LedgerEntriesController::toggleDirection() {
    m_sortNumber = entrySortToggled(m_sortNumber);
    applySort();
}

bool LedgerEntriesController::descending() const { return entrySortDescending(m_sortNumber); }

void LedgerEntriesController::applySort() {
    m_currentRow = -1;
    m_model->setSort(entrySortOrder(m_sortNumber));
}

// ---- marks ----

EntryFigures LedgerEntriesController::figuresOf(int64_t id) const {
    for (int row = 0; row < m_model->heldRows(); ++row) {
        if (m_model->idAt(row) != id) continue;
        const EntryRowValues v = rowValues(row);
        return {1, v.kwota_bro_WN, v.kwota_bro_MA, v.kwota_bro_WN_w, v.kwota_bro_MA_w};
    }
    auto rows = m_db.select(QStringLiteral("select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from %1 "
                                           "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                .arg(m_viewName),
                            {m_session.DANE_ID_FIRMY, id / 2, id});
    if (!rows.next()) return {};
    return {1, rows.money(0), rows.money(1), rows.money(2), rows.money(3)};
}

void LedgerEntriesController::toggleMark(int row) {
    if (row < 0 || row >= m_model->heldRows()) return;
    m_model->toggleMark(row);   // through the mark column: toggleMarkById
}

void LedgerEntriesController::toggleMarkById(int64_t id) {
    const EntryFigures row = figuresOf(id);
    if (row.count == 0) return;   // not an entry of this company
    // Whether the row counts as marked follows the marks list, so that a row left
    // marked by "Zaznacz wszystko" is taken off the figures, not added twice.
    if (m_marks.toggle(id)) m_summary.addMarked(row);
    else m_summary.removeMarked(row);
}

void LedgerEntriesController::markAll() {
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.markAll();
    m_summary.markAll();
    m_model->marksChanged();
}

void LedgerEntriesController::unmarkAll() {
    m_marks.unmarkAll();
    m_summary.unmarkAll();
    m_model->marksChanged();
}

void LedgerEntriesController::invertMarks() {
    // The marked figures become total minus marked: the totals must be current.
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.invert();
    m_summary.invert();
    m_model->marksChanged();
}

marks::StoreOutcome LedgerEntriesController::storeMarks(const marks::StoreProgress& progress) {
    marks::StoreRequest request;
    request.browser = marks::BrowserLedgerByAccounts;
    request.user = m_session.DANE_ID_UZYTKOWNIKA_NR;
    request.view = m_viewName;
    request.idColumn = QString::fromLatin1(kEntryIdColumn);
    request.filter = m_filter.filter;
    if (m_filter.filter.isEmpty() || !m_filterError.isEmpty())
        request.filter = QStringLiteral("PDU:id_lata_obrot=%1 AND PDU:konto='%2'").arg(m_session.DANE_LATA_OBROTOWE).arg(QLatin1String(kNoAccount));
    return marks::storeMarks(m_db, m_marks, request, progress);
}

// ---- figures ----

SummaryScope LedgerEntriesController::summaryScope() const {
    return {m_session.DANE_LATA_OBROTOWE, m_viewName, m_filter.rawFilter};
}

bool LedgerEntriesController::computeTotals() {
    if (!m_filterError.isEmpty() || m_filter.filter.isEmpty()) {
        // Nothing listed (no rebuild yet, or an unreadable filter): nothing to add up.
        m_summary.setTotals({});
        return m_filterError.isEmpty();
    }
    return m_summary.computeTotals(summaryScope());
}

} // namespace ksiega::ledger
